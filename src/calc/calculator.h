// The evaluation of the plan: the gem slot lists and their handlers, and the three routines that
// every change ends in. DisplayGem prices and names a gem, adds up its item's cost and
// re-evaluates the item; DisplayItem shows the item's gem points, imbue points and overcharge and
// rebuilds the totals; DisplayTotal sums every gem slot into the character panels. All of them read
// their inputs from the window's controls when they run and write their results into label
// captions.
#pragma once

#include <string_view>

#include "calc/explanations.h"
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

  // A committed text or a clicked option evaluates what it feeds at once: the item level its
  // item, crafted or dropped its item's four gems and the item, a typed amount its gem, the
  // crafter level every item, a cap or the display choice the totals. The other texts feed no
  // figure.
  void txtItmlevel_Commit(int iItem);
  void optCraft_Click(int iItem);
  void optDropped_Click(int iItem);
  void cboAmount_Commit(int iGemNo);
  void txtCLevel_Commit();
  // "Equipped" feeds the totals only while they count equipped items alone.
  void chkEquip_Click();

  // What showing item `iItem`'s tab does to the plan: each gem quality list with nothing chosen
  // gets its first entry, through its handler; then the item is evaluated.
  void PrepareItem(int iItem);

  // Rebuild a gem slot's amount / effect list for a type name; a name that is no type leaves the
  // list as it is. Outside an import, AssignEffect chooses the first effect.
  void AssignAmount(int iGemNo, std::string_view sGemType);
  void AssignEffect(int iGemNo, std::string_view sGemType);

  void DisplayGem(int iGem);
  // A crafted item's gem whose amount is typed, not chosen, and names no entry of its list: no
  // gem of that amount is made, so it has no price, name or points. (A dropped item's gems are
  // entered by amount, and an empty text is a gem with nothing chosen yet.)
  bool NoGemOfAmount(int iGem) const;
  // The item's cost: the sum of what its four gem cost labels show.
  void DisplayItemCost(int iItem);
  void DisplayItem(int iItem);
  void DisplayTotal();

  // Sets one of the calculator's flags for as long as it lives.
  class ScopedFlag {
   public:
    explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = false; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

   private:
    bool& flag_;
  };

  // While one lives, DisplayTotal does nothing. An import runs it after every gem it writes,
  // yet each run rebuilds every value label from nothing, so only the last run can be seen: the
  // import holds one while it writes and rebuilds the totals once at the end.
  class TotalsDeferred : ScopedFlag {
   public:
    explicit TotalsDeferred(Calculator& calc) : ScopedFlag(calc.totals_deferred_) {}
  };

  // While one lives, DisplayGem does not go on to its item's cost and evaluation. Whoever writes
  // a whole item (an import, a plan restored) shows its cost and evaluates it once when all its
  // gems are written, which shows the same as doing so after every gem.
  class ItemsDeferred : ScopedFlag {
   public:
    explicit ItemsDeferred(Calculator& calc) : ScopedFlag(calc.items_deferred_) {}
  };

 private:
  // Shows how item `iItem`'s gems fit its capacity, in colour and words on its captions and as a
  // mark on its tab: over it (an item can be made up to 5 points over), impossible, or unknown,
  // for the capacity or a gem; and what its imbue points and overcharge mean, in their tooltips.
  void ShowFit(int iItem, const FitFacts& fit);
  // On a crafted item, a typed amount that is a whole number its list holds is that entry: it
  // is chosen, through the list's handler. True when it was.
  bool ChooseTypedAmount(int iGemNo);

  bool totals_deferred_ = false;
  bool items_deferred_ = false;
  ui::MainWindow& w_;
  const ReferenceTables& ref_;
  const ConstantTables& const_;
};

}  // namespace gw
