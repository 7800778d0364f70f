#include "ui/search_window.h"

#include <string>

#include "ui/lists.h"

namespace gw::ui {

ItemSearchWindow::ItemSearchWindow() : Window("frmItemSearch", "Item Search", 4275, 5880) {
  Add(cboItem, "cboItem", nullptr, {255, 240, 1005, 315}).accessible_name = "Item kind";
  for (std::string_view kind : kSearchItemKinds)
    cboItem.AddItem(std::string(kind));
  Add(cmdSearch, "cmdSearch", nullptr, {1380, 210, 1440, 375}).caption = "Search";
  Add(cmdClose, "cmdClose", nullptr, {2955, 210, 1080, 375}).caption = "Close";

  static constexpr std::array<int, kRows> kRowTops = {735, 1095, 1470, 1845};
  for (int r = 0; r < kRows; ++r) {
    const int top = kRowTops[r];
    const std::string row = "Row " + std::to_string(r + 1) + " ";
    Add(cboType[r], Indexed("cboType", r), nullptr, {255, top, 990, 315});
    for (std::string_view type : kGemTypes)
      cboType[r].AddItem(std::string(type));
    cboType[r].accessible_name = row + "type";
    Add(cboEffect[r], Indexed("cboEffect", r), nullptr, {r == 0 ? 1350 : 1335, top, 1920, 315})
        .accessible_name = row + "effect";
    Add(txtValue[r], Indexed("txtValue", r), nullptr, {3375, top, 645, 315}).accessible_name =
        row + "value";
  }

  Add(lstItems, "lstItems", nullptr, {255, 2265, 3765, 3345}).accessible_name = "Items found";
  lstItems.font_family = "Lucida Console";
  lstItems.font_points = 8.25;
  lstItems.fore_color = kResultBlue;
}

}  // namespace gw::ui
