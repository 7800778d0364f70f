#include "ui/search_window.h"

#include <string>

#include "ui/lists.h"

namespace gw::ui {

ItemSearchWindow::ItemSearchWindow() : Window("frmItemSearch", "Item Search", 8400, 6900) {
  Add(lblKind, "lblKind", nullptr, {255, 105, 1005, 225}).SetCaption("Item kind");
  Add(cboItem, "cboItem", nullptr, {255, 345, 1005, 315}).accessible_name = "Item kind";
  for (std::string_view kind : kSearchItemKinds)
    cboItem.AddItem(std::string(kind));
  Add(cmdSearch, "cmdSearch", nullptr, {1380, 315, 1440, 375}).caption = "Search";
  cmdSearch.tool_tip = "List the items of the item library that have this kind and these effects";
  Add(cmdClose, "cmdClose", nullptr, {2955, 315, 1080, 375}).caption = "Close";

  Add(lblType, "lblType", nullptr, {255, 795, 990, 225}).SetCaption("Gem type");
  Add(lblEffect, "lblEffect", nullptr, {1350, 795, 1920, 225}).SetCaption("Effect");
  Add(lblValue, "lblValue", nullptr, {3375, 795, 1200, 225}).SetCaption("At least");
  static constexpr std::array<int, kRows> kRowTops = {1020, 1380, 1755, 2130};
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
        row + "at least";
    txtValue[r].max_number = kMaxValue;
  }

  Add(lblFound, "lblFound", nullptr, {255, 2580, 3765, 225}).SetCaption("Items found");
  Add(lblHeadings, "lblHeadings", nullptr, {315, 2805, 7830, 225});
  Add(lstItems, "lstItems", nullptr, {255, 3030, 7890, 3060}).accessible_name = "Items found";
  // The headings stand over the list's columns only in the same fixed-pitch face.
  for (auto* face : {&lstItems.font_family, &lblHeadings.font_family})
    *face = "Lucida Console";
  lstItems.font_points = lblHeadings.font_points = 8.25;
  lstItems.fore_color = kResultBlue;
  Add(lblStatus, "lblStatus", nullptr, {255, 6150, 7890, 255});
}

}  // namespace gw::ui
