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

// The scrolling viewport of a panel: the names of the viewport, the panel it clips and the bar,
// their heights, and the bar's accessible name.
struct ViewportLayout {
  std::array<const char*, 3> names;
  int viewport_height, panel_height, bar_height;
  const char* bar_accessible_name;
};

// Where a character panel lies: its frame, the names of its four columns' controls, the columns,
// the top of its first row and the distance between rows, and its viewport if it scrolls.
struct PanelLayout {
  const char* frame_name;
  const char* caption;
  Rect frame;
  std::array<const char*, 4> names;
  PanelColumns columns;
  int first_top, spacing;
  ViewportLayout viewport;
};

constexpr PanelColumns kSingleRowColumns{120, 645, 780, 420, 1260, 1815};
constexpr PanelColumns kScrolledColumns{60, 795, 870, 420, 1320, 1845};

// In the order of kPanels.
constexpr std::array<PanelLayout, kPanels.size()> kPanelLayouts = {{
    {"fraStats",
     " Stats ",
     {45, 1065, 2490, 3135},
     {"lblStat", "lblStatVal", "txtStat", "cboStatsPri"},
     {120, 525, 660, 420, 1140, 1695},
     240,
     360,
     {}},
    {"fraResists",
     " Resists ",
     {2580, 1065, 2655, 3135},
     {"lblResist", "lblResVal", "txtResist", "cboResPri"},
     {120, 645, 780, 420, 1260, 1815},
     240,
     315,
     {}},
    {"fraHit",
     " Hits ",
     {5325, 1065, 3000, 660},
     {"lblHits", "lblHitsVal", "txtHits", "cboHitsPri"},
     kSingleRowColumns,
     240,
     0,
     {}},
    {"fraPower",
     " Power ",
     {5325, 1770, 3000, 660},
     {"lblPower", "lblPowVal", "txtPower", "cboPowPri"},
     kSingleRowColumns,
     240,
     0,
     {}},
    {"fraForuc",
     " Focus ",
     {5310, 2460, 3030, 1740},
     {"lblFocus", "lblFocusVal", "txtFocusMax", "cboFocusPri"},
     kScrolledColumns,
     15,
     330,
     {{"MainPictureFoc", "ScrollPictureFoc", "VScrollFoc"}, 1365, 2655, 1350, "Scroll focus"}},
    {"fraSkills",
     " Skills ",
     {8385, 1065, 3030, 3135},
     {"lblSkill", "lblSkillVal", "txtSkillMax", "cboSkillPri"},
     kScrolledColumns,
     45,
     315,
     {{"MainPictureSki", "ScrollPictureSki", "VScrollSki"}, 2670, 8280, 2700, "Scroll skills"}},
}};

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
  menu(mnuShopping, "mnuShopping", &mnuFile, "Shopping &List...");
  mnuShopping.shortcuts = {"Ctrl+L"};
  menu(mnuQuit, "mnuQuit", &mnuFile, "&Quit");
  mnuQuit.shortcuts = {"Ctrl+Q"};
  // "E&dit": Alt+E stays with "&Exit".
  menu(mnuEdit, "mnuEdit", nullptr, "E&dit");
  menu(mnuUndo, "mnuUndo", &mnuEdit, "&Undo");
  mnuUndo.shortcuts = {"Ctrl+Z"};
  mnuUndo.SetEnabled(false);
  menu(mnuRedo, "mnuRedo", &mnuEdit, "&Redo");
  mnuRedo.shortcuts = {"Ctrl+Y", "Ctrl+Shift+Z"};
  mnuRedo.SetEnabled(false);
  menu(mnuView, "mnuView", nullptr, "V&iew");  // Alt+V stays with "&Version"
  menu(mnuEquippedOnly, "mnuEquippedOnly", &mnuView, "Count &Equipped Items Only");
  mnuEquippedOnly.checkable = true;
  menu(mnuCraft, "mnuCraft", nullptr, "&Craft Pricing");
  menu(mnuAlc, "mnuAlc", &mnuCraft, "&Alchemy");
  menu(mnuAC, "mnuAC", &mnuCraft, "A&rmorCraft");
  menu(mnuFlet, "mnuFlet", &mnuCraft, "&Fletching");
  menu(mnuGW, "mnuGW", &mnuCraft, "&Gemwright");
  menu(mnuTail, "mnuTail", &mnuCraft, "&Tailoring");
  menu(mnuWC, "mnuWC", &mnuCraft, "&WeaponCraft");
  // The data files price gems alone: every price shown is the Gemwright price, and no data gives
  // the other crafts' prices.
  mnuGW.checkable = true;
  mnuGW.SetChecked(true);
  for (MenuItem* craft : {&mnuAlc, &mnuAC, &mnuFlet, &mnuTail, &mnuWC})
    craft->SetEnabled(false);
  menu(mnuHelp, "mnuHelp", nullptr, "&Help");
  menu(mnuHelpContents, "mnuHelpContents", &mnuHelp, "&Planning and Keys");
  mnuHelpContents.shortcuts = {"F1"};
  menu(mnuAbout, "mnuAbout", nullptr, "&About");
  menu(mnuVersion, "mnuVersion", nullptr, "&Version 0.0181 Beta");
}

void MainWindow::BuildTopStrip() {
  Add(fraChar, "fraChar", nullptr, {45, 75, 3705, 960}).caption = " Character Info ";
  AddCaption(lblName, "lblName", &fraChar, {120, 285, 600, kLabelHeight}, "Name: ");
  Add(txtName, "txtName", &fraChar, {780, 255, 2820, kTextHeight}).accessible_name =
      "Character name";
  AddCaption(lblClass, "lblClass", &fraChar, {120, 600, 600, kLabelHeight}, "Class: ");
  Add(cboClass, "cboClass", &fraChar, {780, 555, 1530, kComboHeight}).accessible_name = "Class";
  FillList(cboClass, kClasses);
  AddCaption(lblLevel, "lblLevel", &fraChar, {2400, 600, 570, kLabelHeight}, "Level: ");
  Add(cboLevel, "cboLevel", &fraChar, {3000, 555, 600, kComboHeight}).accessible_name =
      "Character level";
  cboLevel.style = ComboStyle::Editable;
  for (int level = 1; level <= 50; ++level)
    cboLevel.AddItem(std::to_string(level));

  Add(fraDisp, "fraDisp", nullptr, {3795, 75, 1740, 960}).caption = " Display Options ";
  Add(optTotal, "optTotal", &fraDisp, {120, 270, 1500, kLabelHeight}).caption = kDisplayChoices[0];
  Add(optCap, "optCap", &fraDisp, {120, 570, 1500, kLabelHeight}).caption = kDisplayChoices[1];
  displayGroup.Add(optTotal);
  displayGroup.Add(optCap);
  optTotal.group = optCap.group = &displayGroup;
  optTotal.SetValue(true);

  Add(fraCrafter, "fraCrafter", nullptr, {5610, 90, 3300, 960}).caption = " Crafter Info ";
  AddCaption(lblCName, "lblCName", &fraCrafter, {120, 285, 600, kLabelHeight}, "Name: ");
  Add(txtCName, "txtCName", &fraCrafter, {780, 255, 2385, kTextHeight}).accessible_name =
      "Crafter name";
  AddCaption(lblCLevel, "lblCLevel", &fraCrafter, {120, 615, 600, kLabelHeight}, "Level: ");
  Add(txtCLevel, "txtCLevel", &fraCrafter, {780, 585, 705, kTextHeight}).accessible_name =
      "Crafter level";

  Add(cmdExit, "cmdExit", nullptr, {10260, 75, 1155, 510}).caption = "&Exit";
}

void MainWindow::BuildPanels() {
  for (size_t p = 0; p < kPanels.size(); ++p) {
    const PanelLayout& layout = kPanelLayouts[p];
    const PanelControls<false> panel = Panel(p);
    Add(panel.frame, layout.frame_name, nullptr, layout.frame).caption = layout.caption;
    if (!panel.viewport) {
      BuildPanelRows(p, panel.frame);
      continue;
    }
    // A bordered viewport clipping a taller panel that holds the rows, a bar beside it.
    const ViewportLayout& v = layout.viewport;
    Add(*panel.viewport, v.names[0], &panel.frame, {60, 255, 2640, v.viewport_height}).border =
        kViewportBorder;
    Add(*panel.scrolled, v.names[1], panel.viewport, {-15, 0, 2580, v.panel_height});
    BuildPanelRows(p, *panel.scrolled);
    Add(*panel.bar, v.names[2], &panel.frame, {2685, 255, 255, v.bar_height}).accessible_name =
        v.bar_accessible_name;
    panel.viewport->scroll_bar = panel.bar;
  }
}

// Each row: caption label, grey value label "0", text box "0", priority list. The controls of a
// panel of one row are no arrays, so their names carry no index.
void MainWindow::BuildPanelRows(size_t p, Control& container) {
  const PanelLayout& layout = kPanelLayouts[p];
  const PanelColumns& c = layout.columns;
  const PanelControls<false> panel = Panel(p);
  const std::span<const std::string_view> captions = kPanels[p].rows;
  for (size_t i = 0; i < captions.size(); ++i) {
    const int top = layout.first_top + layout.spacing * static_cast<int>(i);
    const auto name = [&](size_t column) {
      const char* array = layout.names[column];
      return captions.size() == 1 ? std::string(array) : Indexed(array, static_cast<int>(i));
    };
    const std::string caption(captions[i]);
    Add(panel.captions[i], name(0), &container,
        {c.caption_left, top + 45, c.caption_width, kLabelHeight})
        .SetCaption(caption);
    Label& value =
        Add(panel.values[i], name(1), &container, {c.value_left, top + 30, c.value_width, 255});
    value.back_color = kValueGrey;
    value.alignment = Alignment::Center;
    value.SetCaption("0");
    value.accessible_name = caption + " total";
    TextBox& text =
        Add(panel.texts[i], name(2), &container, {c.text_left, top + 15, 495, kTextHeight});
    text.SetText("0");
    text.accessible_name = caption + " cap";
    text.max_number = kMaxCap;
    ComboBox& priority =
        Add(panel.priorities[i], name(3), &container, {c.priority_left, top, 720, kComboHeight});
    FillList(priority, kPriorities);
    priority.accessible_name = caption + " priority";
  }
}

MainWindow::PanelControls<true> MainWindow::Panel(size_t p) const {
  const PanelControls<false>& c = panels_.at(p);
  return {c.frame, c.captions, c.values, c.texts, c.priorities, c.viewport, c.scrolled, c.bar};
}

Label& MainWindow::ValueLabel(GemType gem_type, int row) {
  if (row < 0 || row >= EffectCount(gem_type)) {
    throw RuntimeError(ErrorKind::IndexOutOfRange, "the " + std::string(kGemTypes.at(gem_type)) +
                                                       " panel has no row " + std::to_string(row));
  }
  return Panel(*PanelIndex(gem_type)).values[static_cast<size_t>(row)];
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
  // The four act on one item, where File's Open and Save act on the whole plan: say which.
  cmdClearItem.tool_tip = "Clear this item: put it back as a new plan has it";
  cmdLoadItem.tool_tip = "Load an item from the item library (or any item set) into this item";
  cmdSaveItem.tool_tip = "Save this item to the item library";
  cmdSwapItem.tool_tip = "Swap this item with another item of the plan";
  cmdSearch.tool_tip = "Search the item library for an item of this kind with the effects you need";
}

void MainWindow::BuildItem(int k) {
  Frame& frame = Add(fraItem[k], Indexed("fraItem", k), &SSTab1, {90, 630, 10755, 3000}, k);
  // Created in reading order, which is also the keyboard order.
  BuildItemFields(k, frame);
  for (int g = 0; g < kGemsPerItem; ++g)
    BuildGemRow(k, g, frame);
  BuildItemKind(k, frame);
}

// The item's quality, name, level and the other fields, and its imbue point results.
void MainWindow::BuildItemFields(int k, Frame& frame) {
  const auto caption = [&](Label& label, const char* name, Rect rect, const char* text) {
    AddCaption(label, Indexed(name, k), &frame, rect, text);
  };
  const auto text = [&](TextBox& box, const char* name, Rect rect, const char* initial,
                        const char* accessible) {
    Add(box, Indexed(name, k), &frame, rect).accessible_name = accessible;
    box.SetText(initial);
  };
  const auto result = [&](Label& label, const char* name, Rect rect, const char* initial) {
    AddResult(label, Indexed(name, k), &frame, rect, initial);
  };
  caption(lblItmQual[k], "lblItmQual", {240, 285, 885, kLabelHeight}, "Item Quality:");
  Add(cboItmQual[k], Indexed("cboItmQual", k), &frame, {1215, 255, 765, kComboHeight})
      .accessible_name = "Item Quality";
  FillList(cboItmQual[k], kQualities);
  caption(lblItemName[k], "lblItemName", {2250, 277, 900, kLabelHeight}, "Item Name:");
  text(txtItemName[k], "txtItemName", {3285, 270, 3660, kTextHeight}, "", "Item Name");
  caption(lblItmlevel[k], "lblItmlevel", {240, 600, 885, kLabelHeight}, "Item Level:");
  text(txtItmlevel[k], "txtItmlevel", {1215, 585, 495, kTextHeight}, "0", "Item Level");
  txtItmlevel[k].max_number = kMaxTypedItemLevel;
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
}

// Gem row `g` of item `k`: its caption, four lists and three results.
void MainWindow::BuildGemRow(int k, int g, Frame& frame) {
  static constexpr std::array<int, kGemsPerItem> kRowTops = {1065, 1425, 1815, 2190};
  static constexpr std::array<const char*, kGemsPerItem> kRowCaptions = {
      "Gem 1:", "Gem 2:", "Gem 3:", "Gem 4:"};
  const int i = GemSlot(k, g);
  const int top = kRowTops[g];
  const std::string gem = "Gem " + std::to_string(g + 1) + " ";
  AddCaption(lblGem[i], Indexed("lblGem", i), &frame, {225, top + 45, 525, kLabelHeight},
             kRowCaptions[g]);
  Add(cboType[i], Indexed("cboType", i), &frame, {855, top, 990, kComboHeight});
  FillList(cboType[i], kGemTypes);
  cboType[i].accessible_name = gem + "type";
  Add(cboAmount[i], Indexed("cboAmount", i), &frame, {1905, top, 645, kComboHeight});
  cboAmount[i].style = ComboStyle::Editable;
  cboAmount[i].accessible_name = gem + "amount";
  Add(cboEffect[i], Indexed("cboEffect", i), &frame, {2595, top, 1920, kComboHeight})
      .accessible_name = gem + "effect";
  Add(cboGemQual[i], Indexed("cboGemQual", i), &frame, {4575, top, 765, kComboHeight});
  FillList(cboGemQual[i], kQualities);
  cboGemQual[i].accessible_name = gem + "quality";
  // "0", what every evaluation writes for no points: an item not evaluated yet reads the same as
  // one evaluated with nothing in it.
  AddResult(lblGemPoint[i], Indexed("lblGemPoint", i), &frame, {5400, top + 45, 465, kLabelHeight},
            "0")
      .alignment = Alignment::Center;
  lblGemPoint[i].accessible_name = gem + "points";
  AddResult(lblGemCost[i], Indexed("lblGemCost", i), &frame, {5955, top + 45, 960, kLabelHeight},
            " 0g 0s 0c")
      .accessible_name = gem + "cost";
  AddResult(lblGemName[i], Indexed("lblGemName", i), &frame, {7050, top + 45, 3465, kLabelHeight},
            "")
      .accessible_name = gem + "name";
}

// Dropped or crafted, equipped, and the item's cost.
void MainWindow::BuildItemKind(int k, Frame& frame) {
  Add(optDropped[k], Indexed("optDropped", k), &frame, {855, 2640, 1260, kLabelHeight}).caption =
      "Dropped Item";
  Add(optCraft[k], Indexed("optCraft", k), &frame, {2280, 2640, 1260, kLabelHeight}).caption =
      "Crafted Item";
  itemKindGroup[k].Add(optDropped[k]);
  itemKindGroup[k].Add(optCraft[k]);
  optDropped[k].group = optCraft[k].group = &itemKindGroup[k];
  optCraft[k].SetValue(true);
  Add(chkEquip[k], Indexed("chkEquip", k), &frame, {3690, 2655, 975, kLabelHeight}).caption =
      "Equipped";
  AddResult(lblItemCost[k], Indexed("lblItemCost", k), &frame, {5355, 2610, 1560, 255},
            "Cost: 0g 0s 0c");
}

Label& MainWindow::AddCaption(Label& label, std::string name, Control* in, Rect rect,
                              const char* text) {
  Add(label, std::move(name), in, rect).SetCaption(text);
  return label;
}

Label& MainWindow::AddResult(Label& label, std::string name, Control* in, Rect rect,
                             const char* text) {
  Add(label, std::move(name), in, rect).back_color = kValueGrey;
  label.SetCaption(text);
  return label;
}

}  // namespace gw::ui
