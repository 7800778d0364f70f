#include "ui/main_window.h"

#include <string>

#include "common/error.h"

namespace gw::ui {

namespace {

// Heights of the controls whose height the layout leaves open.
constexpr int kComboHeight = 315;
constexpr int kTextHeight = 285;
constexpr int kLabelHeight = 240;

template <size_t N>
void FillList(ComboBox& box, const std::array<std::string_view, N>& entries) {
  for (std::string_view entry : entries)
    box.AddItem(std::string(entry));
}

// Columns of one character panel row: caption, value, text box, priority box.
struct PanelColumns {
  int caption_left;
  int caption_width;
  int value_left;
  int value_width;
  int text_left;
  int priority_left;
};

}  // namespace

MainWindow::MainWindow() : Window("frmGemwright", "Orvalis's Gemwrighting Workshop", 11490, 8100) {
  BuildMenus();
  BuildTopStrip();
  BuildPanels();
  BuildItems();
}

void MainWindow::BuildMenus() {
  auto menu = [&](MenuItem& item, const char* name, MenuItem* parent, const char* caption) {
    Add(item, name, parent, {});
    item.SetCaption(caption);
  };
  menu(mnuFile, "mnuFile", nullptr, "&File");
  menu(mnuOpen, "mnuOpen", &mnuFile, "&Open...");
  mnuOpen.shortcuts = {"Ctrl+O"};
  menu(mnuSave, "mnuSave", &mnuFile, "&Save");
  mnuSave.shortcuts = {"Ctrl+S"};
  menu(mnuSaveAs, "mnuSaveAs", &mnuFile, "Save &As...");
  mnuSaveAs.shortcuts = {"Ctrl+Shift+S"};
  // "E&dit": Alt+E stays with "&Exit".
  menu(mnuEdit, "mnuEdit", nullptr, "E&dit");
  menu(mnuUndo, "mnuUndo", &mnuEdit, "&Undo");
  mnuUndo.shortcuts = {"Ctrl+Z"};
  mnuUndo.SetEnabled(false);
  menu(mnuRedo, "mnuRedo", &mnuEdit, "&Redo");
  mnuRedo.shortcuts = {"Ctrl+Y", "Ctrl+Shift+Z"};
  mnuRedo.SetEnabled(false);
  menu(mnuCraft, "mnuCraft", nullptr, "&Craft Pricing");
  menu(mnuAlc, "mnuAlc", &mnuCraft, "&Alchemy");
  menu(mnuAC, "mnuAC", &mnuCraft, "A&rmorCraft");
  menu(mnuFlet, "mnuFlet", &mnuCraft, "&Fletching");
  menu(mnuGW, "mnuGW", &mnuCraft, "&Gemwright");
  menu(mnuTail, "mnuTail", &mnuCraft, "&Tailoring");
  menu(mnuWC, "mnuWC", &mnuCraft, "&WeaponCraft");
  menu(mnuAbout, "mnuAbout", nullptr, "&About");
  menu(mnuVersion, "mnuVersion", nullptr, "&Version 0.0181 Beta");
}

void MainWindow::BuildTopStrip() {
  auto caption = [&](Label& label, const char* name, Control* in, Rect rect, const char* text) {
    Add(label, name, in, rect);
    label.SetCaption(text);
  };

  Add(fraChar, "fraChar", nullptr, {45, 75, 3705, 960}).caption = " Character Info ";
  caption(lblName, "lblName", &fraChar, {120, 285, 600, kLabelHeight}, "Name: ");
  Add(txtName, "txtName", &fraChar, {780, 255, 2820, kTextHeight}).accessible_name =
      "Character name";
  caption(lblClass, "lblClass", &fraChar, {120, 600, 600, kLabelHeight}, "Class: ");
  Add(cboClass, "cboClass", &fraChar, {780, 555, 1530, kComboHeight}).accessible_name = "Class";
  FillList(cboClass, kClasses);
  caption(lblLevel, "lblLevel", &fraChar, {2400, 600, 570, kLabelHeight}, "Level: ");
  Add(cboLevel, "cboLevel", &fraChar, {3000, 555, 600, kComboHeight}).accessible_name =
      "Character level";
  cboLevel.style = ComboStyle::Editable;
  for (int level = 1; level <= 50; ++level)
    cboLevel.AddItem(std::to_string(level));

  Add(fraDisp, "fraDisp", nullptr, {3795, 75, 1740, 960}).caption = " Display Options ";
  Add(optTotal, "optTotal", &fraDisp, {120, 270, 1500, kLabelHeight}).caption = "Total Bonus";
  Add(optCap, "optCap", &fraDisp, {120, 570, 1500, kLabelHeight}).caption = "Distance to Cap";
  displayGroup.Add(optTotal);
  displayGroup.Add(optCap);
  optTotal.group = optCap.group = &displayGroup;
  optTotal.SetValue(true);

  Add(fraCrafter, "fraCrafter", nullptr, {5610, 90, 3300, 960}).caption = " Character Info ";
  caption(lblCName, "lblCName", &fraCrafter, {120, 285, 600, kLabelHeight}, "Name: ");
  Add(txtCName, "txtCName", &fraCrafter, {780, 255, 2385, kTextHeight}).accessible_name =
      "Crafter name";
  caption(lblCLevel, "lblCLevel", &fraCrafter, {120, 615, 600, kLabelHeight}, "Level: ");
  Add(txtCLevel, "txtCLevel", &fraCrafter, {780, 585, 705, kTextHeight}).accessible_name =
      "Crafter level";

  Add(cmdExit, "cmdExit", nullptr, {10260, 75, 1155, 510}).caption = "&Exit";
}

void MainWindow::BuildPanels() {
  // One row: caption label, grey value label "0", text box "0", priority list.
  // `index` is the row's array index, or -1 for a panel of one row, whose controls are no array.
  auto row = [&](Control* in, int top, const PanelColumns& c, Label& caption, Label& value,
                 TextBox& text, ComboBox& priority, int index, const char* names[4],
                 std::string_view caption_text) {
    auto name = [&](int column) {
      return index < 0 ? std::string(names[column]) : Indexed(names[column], index);
    };
    Add(caption, name(0), in, {c.caption_left, top + 45, c.caption_width, kLabelHeight});
    caption.SetCaption(std::string(caption_text));
    Add(value, name(1), in, {c.value_left, top + 30, c.value_width, 255});
    value.back_color = kValueGrey;
    value.alignment = Alignment::Center;
    value.SetCaption("0");
    value.accessible_name = std::string(caption_text) + " total";
    Add(text, name(2), in, {c.text_left, top + 15, 495, kTextHeight});
    text.SetText("0");
    text.accessible_name = std::string(caption_text) + " cap";
    Add(priority, name(3), in, {c.priority_left, top, 720, kComboHeight});
    FillList(priority, kPriorities);
    priority.accessible_name = std::string(caption_text) + " priority";
  };
  auto rows = [&](Control* in, int first_top, int spacing, const PanelColumns& c, auto& captions,
                  auto& values, auto& texts, auto& priorities, const char* names[4],
                  const auto& row_captions) {
    for (size_t i = 0; i < captions.size(); ++i) {
      row(in, first_top + spacing * static_cast<int>(i), c, captions[i], values[i], texts[i],
          priorities[i], static_cast<int>(i), names, row_captions[i]);
    }
  };

  Add(fraStats, "fraStats", nullptr, {45, 1065, 2490, 3135}).caption = " Stats ";
  const char* stat_names[4] = {"lblStat", "lblStatVal", "txtStat", "cboStatsPri"};
  rows(&fraStats, 240, 360, {120, 525, 660, 420, 1140, 1695}, lblStat, lblStatVal, txtStat,
       cboStatsPri, stat_names, kStatRows);

  Add(fraResists, "fraResists", nullptr, {2580, 1065, 2655, 3135}).caption = " Resists ";
  const char* resist_names[4] = {"lblResist", "lblResVal", "txtResist", "cboResPri"};
  rows(&fraResists, 240, 315, {120, 645, 780, 420, 1260, 1815}, lblResist, lblResVal, txtResist,
       cboResPri, resist_names, kResistRows);

  const PanelColumns single{120, 645, 780, 420, 1260, 1815};
  Add(fraHit, "fraHit", nullptr, {5325, 1065, 3000, 660}).caption = " Hits ";
  const char* hit_names[4] = {"lblHits", "lblHitsVal", "txtHits", "cboHitsPri"};
  row(&fraHit, 240, single, lblHits, lblHitsVal, txtHits, cboHitsPri, -1, hit_names, kHitsRows[0]);
  Add(fraPower, "fraPower", nullptr, {5325, 1770, 3000, 660}).caption = " Power ";
  const char* power_names[4] = {"lblPower", "lblPowVal", "txtPower", "cboPowPri"};
  row(&fraPower, 240, single, lblPower, lblPowVal, txtPower, cboPowPri, -1, power_names,
      kPowerRows[0]);

  // The scrolling panels: a bordered viewport clipping a taller panel, a bar beside it.
  const PanelColumns scrolled{60, 795, 870, 420, 1320, 1845};
  Add(fraForuc, "fraForuc", nullptr, {5310, 2460, 3030, 1740}).caption = " Focus ";
  Add(MainPictureFoc, "MainPictureFoc", &fraForuc, {60, 255, 2640, 1365}).border = kViewportBorder;
  Add(ScrollPictureFoc, "ScrollPictureFoc", &MainPictureFoc, {-15, 0, 2580, 2655});
  const char* focus_names[4] = {"lblFocus", "lblFocusVal", "txtFocusMax", "cboFocusPri"};
  rows(&ScrollPictureFoc, 15, 330, scrolled, lblFocus, lblFocusVal, txtFocusMax, cboFocusPri,
       focus_names, kFocusRows);
  Add(VScrollFoc, "VScrollFoc", &fraForuc, {2685, 255, 255, 1350}).accessible_name = "Scroll focus";
  MainPictureFoc.scroll_bar = &VScrollFoc;

  Add(fraSkills, "fraSkills", nullptr, {8385, 1065, 3030, 3135}).caption = " Skills ";
  Add(MainPictureSki, "MainPictureSki", &fraSkills, {60, 255, 2640, 2670}).border = kViewportBorder;
  Add(ScrollPictureSki, "ScrollPictureSki", &MainPictureSki, {-15, 0, 2580, 8280});
  const char* skill_names[4] = {"lblSkill", "lblSkillVal", "txtSkillMax", "cboSkillPri"};
  rows(&ScrollPictureSki, 45, 315, scrolled, lblSkill, lblSkillVal, txtSkillMax, cboSkillPri,
       skill_names, kSkillRows);
  Add(VScrollSki, "VScrollSki", &fraSkills, {2685, 255, 255, 2700}).accessible_name =
      "Scroll skills";
  MainPictureSki.scroll_bar = &VScrollSki;
}

Label& MainWindow::ValueLabel(GemType gem_type, int row) {
  if (row < 0 || row >= EffectCount(gem_type)) {
    throw RuntimeError(ErrorKind::IndexOutOfRange, "the " + std::string(kGemTypes.at(gem_type)) +
                                                       " panel has no row " + std::to_string(row));
  }
  const auto r = static_cast<size_t>(row);
  switch (gem_type) {
    case kStat:
      return lblStatVal[r];
    case kResist:
      return lblResVal[r];
    case kHits:
      return lblHitsVal;
    case kPower:
      return lblPowVal;
    case kFocus:
      return lblFocusVal[r];
    default:
      return lblSkillVal[r];
  }
}

void MainWindow::BuildItems() {
  Add(SSTab1, "SSTab1", nullptr, {45, 4245, 11355, 3795});
  for (std::string_view name : kItemNames)
    SSTab1.captions.emplace_back(name);
  SSTab1.tabs_per_row = 11;
  // The five buttons cover the upper row from their left edge on.
  SSTab1.upper_row_width = 6630 - SSTab1.rect().left;
  for (int k = 0; k < kItemCount; ++k)
    BuildItem(k);

  // After the tab container, so that they are drawn over its strip.
  auto button = [&](CommandButton& b, const char* name, int left, const char* caption) {
    Add(b, name, nullptr, {left, 4240, 945, 285}).caption = caption;
  };
  button(cmdClearItem, "cmdClearItem", 6630, "Clear");
  button(cmdLoadItem, "cmdLoadItem", 7605, "Load...");
  button(cmdSaveItem, "cmdSaveItem", 8565, "Save...");
  button(cmdSwapItem, "cmdSwapItem", 9525, "Swap...");
  button(cmdSearch, "cmdSearch", 10485, "Search...");
  cmdSearch.SetEnabled(false);
}

void MainWindow::BuildItem(int k) {
  Frame* frame = &Add(fraItem[k], Indexed("fraItem", k), &SSTab1, {90, 630, 10755, 3000}, k);
  auto caption = [&](Label& label, const char* name, Rect rect, const char* text) {
    Add(label, Indexed(name, k), frame, rect);
    label.SetCaption(text);
  };
  auto text = [&](TextBox& box, const char* name, Rect rect, const char* initial,
                  const char* accessible) {
    Add(box, Indexed(name, k), frame, rect).accessible_name = accessible;
    box.SetText(initial);
  };
  auto result = [&](Label& label, const char* name, Rect rect, const char* initial) {
    Add(label, Indexed(name, k), frame, rect);
    label.back_color = kValueGrey;
    label.SetCaption(initial);
  };

  // Created in reading order, which is also the keyboard order.
  caption(lblItmQual[k], "lblItmQual", {240, 285, 885, kLabelHeight}, "Item Quality:");
  Add(cboItmQual[k], Indexed("cboItmQual", k), frame, {1215, 255, 765, kComboHeight})
      .accessible_name = "Item Quality";
  FillList(cboItmQual[k], kQualities);
  caption(lblItemName[k], "lblItemName", {2250, 277, 900, kLabelHeight}, "Item Name:");
  text(txtItemName[k], "txtItemName", {3285, 270, 3660, kTextHeight}, "", "Item Name");
  caption(lblItmlevel[k], "lblItmlevel", {240, 600, 885, kLabelHeight}, "Item Level:");
  text(txtItmlevel[k], "txtItmlevel", {1215, 585, 495, kTextHeight}, "0", "Item Level");
  caption(lblAF[k], "lblAF", {2415, 630, 735, kLabelHeight}, "AF/DPS:");
  text(txtAF[k], "txtAF", {3285, 585, 555, kTextHeight}, "0", "AF/DPS");
  caption(lblSpeed[k], "lblSpeed", {3960, 630, 735, kLabelHeight}, "Speed:");
  text(txtSpeed[k], "txtSpeed", {4830, 585, 555, kTextHeight}, "0", "Speed");
  caption(lblBonus[k], "lblBonus", {5505, 630, 735, kLabelHeight}, "Bonus:");
  text(txtBonus[k], "txtBonus", {6375, 585, 555, kTextHeight}, "0", "Bonus");
  result(lblImbPoint[k], "lblImbPoint", {7140, 315, 1770, 255}, "Imbue Points: 00.0 / 00");
  result(lblUtility[k], "lblUtility", {9165, 315, 930, 255}, "Utility: 00.0");
  result(lblOverc[k], "lblOverc", {7140, 630, 1755, 255}, "Overcharge: none");
  result(lblTotal[k], "lblTotal", {9165, 630, 930, 255}, "Total: 000.0");

  static constexpr std::array<int, kGemsPerItem> kRowTops = {1065, 1425, 1815, 2190};
  static constexpr std::array<const char*, kGemsPerItem> kRowCaptions = {
      "Gem 1:", "Gem 2:", "Gem 3:", "Gem 4:"};
  for (int g = 0; g < kGemsPerItem; ++g) {
    const int i = GemSlot(k, g);
    const int top = kRowTops[g];
    const std::string gem = "Gem " + std::to_string(g + 1) + " ";
    Add(lblGem[i], Indexed("lblGem", i), frame, {225, top + 45, 525, kLabelHeight});
    lblGem[i].SetCaption(kRowCaptions[g]);
    Add(cboType[i], Indexed("cboType", i), frame, {855, top, 990, kComboHeight});
    FillList(cboType[i], kGemTypes);
    cboType[i].accessible_name = gem + "type";
    Add(cboAmount[i], Indexed("cboAmount", i), frame, {1905, top, 645, kComboHeight});
    cboAmount[i].style = ComboStyle::Editable;
    cboAmount[i].accessible_name = gem + "amount";
    Add(cboEffect[i], Indexed("cboEffect", i), frame, {2595, top, 1920, kComboHeight})
        .accessible_name = gem + "effect";
    Add(cboGemQual[i], Indexed("cboGemQual", i), frame, {4575, top, 765, kComboHeight});
    FillList(cboGemQual[i], kQualities);
    cboGemQual[i].accessible_name = gem + "quality";
    Add(lblGemPoint[i], Indexed("lblGemPoint", i), frame, {5400, top + 45, 465, kLabelHeight});
    lblGemPoint[i].back_color = kValueGrey;
    lblGemPoint[i].alignment = Alignment::Center;
    // What every evaluation writes for no points, so that an item not evaluated yet reads the
    // same as one evaluated with nothing in it.
    lblGemPoint[i].SetCaption("0");
    lblGemPoint[i].accessible_name = gem + "points";
    Add(lblGemCost[i], Indexed("lblGemCost", i), frame, {5955, top + 45, 960, kLabelHeight});
    lblGemCost[i].back_color = kValueGrey;
    lblGemCost[i].SetCaption(" 0g 0s 0c");
    lblGemCost[i].accessible_name = gem + "cost";
    Add(lblGemName[i], Indexed("lblGemName", i), frame, {7050, top + 45, 3465, kLabelHeight});
    lblGemName[i].back_color = kValueGrey;
    lblGemName[i].accessible_name = gem + "name";
  }

  Add(optDropped[k], Indexed("optDropped", k), frame, {855, 2640, 1260, kLabelHeight}).caption =
      "Dropped Item";
  Add(optCraft[k], Indexed("optCraft", k), frame, {2280, 2640, 1260, kLabelHeight}).caption =
      "Crafted Item";
  itemKindGroup[k].Add(optDropped[k]);
  itemKindGroup[k].Add(optCraft[k]);
  optDropped[k].group = optCraft[k].group = &itemKindGroup[k];
  optCraft[k].SetValue(true);
  Add(chkEquip[k], Indexed("chkEquip", k), frame, {3690, 2655, 975, kLabelHeight}).caption =
      "Equipped";
  result(lblItemCost[k], "lblItemCost", {5355, 2610, 1560, 255}, "Cost: 0g 0s 0c");
}

}  // namespace gw::ui
