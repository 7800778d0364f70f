// The evaluation of the plan: the gem slot lists and their handlers, and the three routines that
// every change ends in. DisplayGem prices and names a gem and re-evaluates its item; DisplayItem
// shows the item's gem points, imbue points and overcharge and rebuilds the totals; DisplayTotal
// sums every gem slot into the character panels. All of them read their inputs from the window's
// controls when they run and write their results into label captions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "data/constant_tables.h"
#include "data/reference_tables.h"
#include "ui/main_window.h"

namespace gw {

class Calculator {
 public:
  Calculator(ui::MainWindow& window, const ReferenceTables& reference,
             const ConstantTables& constants)
      : w_(window), ref_(reference), const_(constants) {}

  // Click handlers of the gem slot lists (argument: gem slot 0..75) and of the item quality
  // lists (argument: item 0..18).
  void cboType_Click(int iGemNo);
  void cboEffect_Click(int iGemNo);
  void cboAmount_Click(int iGemNo);
  void cboGemQual_Click(int iGemNo);
  void cboItmQual_Click(int iItem);

  // Rebuild a gem slot's amount / effect list for a type name; a name that is no type leaves the
  // list as it is. Outside an import, AssignEffect chooses the first effect.
  void AssignAmount(int iGemNo, std::string_view sGemType);
  void AssignEffect(int iGemNo, std::string_view sGemType);

  void DisplayGem(int iGem);
  void DisplayItem(int iItem);
  void DisplayTotal();

 private:
  static constexpr int kValueLabels = 53;

  // The value of a gem slot's amount text. DisplayTotal reads every amount after every step of
  // every cascade, while an amount changes far less often, so each slot keeps the text it last
  // read and its value.
  double AmountValue(int slot, std::string_view text);
  struct ReadAmount {
    std::string text;
    double value = 0;
    bool read = false;
  };
  std::array<ReadAmount, ui::kGemSlotCount> amounts_read_;
  // The text of a total, kept with the total it shows: most totals stay as they were from one
  // DisplayTotal to the next. One per value label of the character panels.
  const std::string& TotalText(size_t label, double total);
  struct TotalShown {
    double total = 0;
    std::string text;
    bool shown = false;
  };
  std::array<TotalShown, kValueLabels> totals_shown_;

  ui::MainWindow& w_;
  const ReferenceTables& ref_;
  const ConstantTables& const_;
};

}  // namespace gw
