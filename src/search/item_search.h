// The item search window's behaviour: choosing a gem type in a row fills that row's effect list
// and chooses its first effect; "Search" lists the items of the item library of the kind chosen
// whose gems carry every row's effect, best first; Enter or a double-click on a result chooses
// it to be loaded and closes the window; "Close" closes it and chooses nothing.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "data/reference_tables.h"
#include "library/item_library.h"
#include "ui/search_window.h"

namespace gw {

class ItemSearchForm {
 public:
  // Attaches the window's handlers; `library` is the folder searched.
  ItemSearchForm(ui::ItemSearchWindow& window, const ReferenceTables& reference,
                 std::filesystem::path library);

  void cboType_Click(int Index);
  // Refills the effect list of row `iRow` (0..3, top to bottom; the window has no gem slots) for
  // a type name, as a gem slot's list is filled, and chooses its first entry whatever an import
  // of the main window is doing; a name that is no type leaves the list as it is.
  void AssignEffect(int iRow, std::string_view sGemType);
  void cmdSearch_Click();
  void lstItems_DblClick();
  void cmdClose_Click();

  // What the rows ask: a row with a type other than "Unused" and an effect chosen asks for that
  // effect, with at least its value (an empty box: any amount).
  LibraryQuery Query() const;
  // The result the player chose; nothing when the window was closed without one.
  const std::optional<LibraryItem>& chosen() const { return chosen_; }

 private:
  bool RowAsks(int r) const;

  ui::ItemSearchWindow& w_;
  const ReferenceTables& ref_;
  std::filesystem::path library_;
  std::vector<LibraryItem> found_;  // in the order of the result list
  std::optional<LibraryItem> chosen_;
};

}  // namespace gw
