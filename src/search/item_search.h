// The item search window's behaviour: choosing a gem type in a row fills that row's effect list
// and chooses its first effect; "Close" unloads the window. The item kind, the values, "Search"
// and the result list have no behaviour.
#pragma once

#include <string_view>

#include "data/reference_tables.h"
#include "ui/search_window.h"

namespace gw {

class ItemSearchForm {
 public:
  // Attaches the window's handlers.
  ItemSearchForm(ui::ItemSearchWindow& window, const ReferenceTables& reference);

  void cboType_Click(int Index);
  // Refills the effect list of row `iRow` (0..3, top to bottom; the window has no gem slots) for
  // a type name, as a gem slot's list is filled, and chooses its first entry whatever an import
  // of the main window is doing; a name that is no type leaves the list as it is.
  void AssignEffect(int iRow, std::string_view sGemType);
  void cmdClose_Click();

 private:
  ui::ItemSearchWindow& w_;
  const ReferenceTables& ref_;
};

}  // namespace gw
