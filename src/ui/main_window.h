// The main window "frmGemwright" as a logical model: every control, control array, caption,
// list and initial state, laid out in twips, plus the window-level state the handlers share.
// The controls are the player's plan; nothing else holds it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>

#include "ui/lists.h"
#include "ui/window.h"

namespace gw::ui {

class MainWindow : public Window {
 public:
  MainWindow();

  // Grey of the value and result labels.
  static constexpr Color kValueGrey = 0xE0E0E0;
  // A total at its cap and one over it: each at least 4.5:1 against the grey.
  static constexpr Color kAtCapGreen = 0x006400;
  static constexpr Color kOverCapRed = 0xB00000;
  // An item that cannot be made as planned, and one whose capacity is not known: each at least
  // 4.5:1 against the grey.
  static constexpr Color kWarningRed = kOverCapRed;
  static constexpr Color kWarningAmber = 0x7A4F00;
  // The most digits a cap takes (0 to 9999), and the largest cap.
  static constexpr int kCapDigits = 4;
  static constexpr int kMaxCap = 9999;
  // The largest item level a player may type: what an item set can hold.
  static constexpr int kMaxTypedItemLevel = 255;
  // Border of the scrolling viewports, each side, in twips.
  static constexpr int kViewportBorder = 30;

  // Window-level state.
  int16_t FocusScrollRange = 0;
  int16_t SkillScrollRange = 0;
  bool ImportInProgress = false;

  // Menu bar.
  MenuItem mnuFile, mnuOpen, mnuSave, mnuSaveAs, mnuShopping, mnuQuit;
  MenuItem mnuEdit, mnuUndo, mnuRedo;
  MenuItem mnuView, mnuEquippedOnly;
  MenuItem mnuCraft, mnuAlc, mnuAC, mnuFlet, mnuGW, mnuTail, mnuWC;
  MenuItem mnuHelp, mnuHelpContents;
  MenuItem mnuAbout, mnuVersion;

  // Character info, display options, crafter.
  Frame fraChar;
  Label lblName, lblClass, lblLevel;
  TextBox txtName;
  ComboBox cboClass, cboLevel;
  Frame fraDisp;
  OptionGroup displayGroup;
  OptionButton optTotal, optCap;
  Frame fraCrafter;
  Label lblCName, lblCLevel;
  TextBox txtCName, txtCLevel;
  CommandButton cmdExit;

  // Character panels, sized and captioned by kPanels and reached through Panel(); row i of a
  // panel is effect index i of its gem type.
  Frame fraStats;
  std::array<Label, kStatRows.size()> lblStat, lblStatVal;
  std::array<TextBox, kStatRows.size()> txtStat;
  std::array<ComboBox, kStatRows.size()> cboStatsPri;
  Frame fraResists;
  std::array<Label, kResistRows.size()> lblResist, lblResVal;
  std::array<TextBox, kResistRows.size()> txtResist;
  std::array<ComboBox, kResistRows.size()> cboResPri;
  Frame fraHit;
  Label lblHits, lblHitsVal;
  TextBox txtHits;
  ComboBox cboHitsPri;
  Frame fraPower;
  Label lblPower, lblPowVal;
  TextBox txtPower;
  ComboBox cboPowPri;
  Frame fraForuc;
  PictureBox MainPictureFoc, ScrollPictureFoc;
  VScrollBar VScrollFoc;
  std::array<Label, kFocusRows.size()> lblFocus, lblFocusVal;
  std::array<TextBox, kFocusRows.size()> txtFocusMax;
  std::array<ComboBox, kFocusRows.size()> cboFocusPri;
  Frame fraSkills;
  PictureBox MainPictureSki, ScrollPictureSki;
  VScrollBar VScrollSki;
  std::array<Label, kSkillRows.size()> lblSkill, lblSkillVal;
  std::array<TextBox, kSkillRows.size()> txtSkillMax;
  std::array<ComboBox, kSkillRows.size()> cboSkillPri;

  // The controls of one character panel; row i shows effect index i of the panel's gem type. A
  // panel of one row (Hits, Power) holds single controls, not arrays.
  template <bool kConst>
  struct PanelControls {
    template <class C>
    using Of = std::conditional_t<kConst, const C, C>;
    Of<Frame>& frame;
    std::span<Of<Label>> captions, values;
    std::span<Of<TextBox>> texts;
    std::span<Of<ComboBox>> priorities;
    // The rows of the focus and skills panels lie in a scrolling viewport: a bordered picture
    // box clipping a taller one, with a bar beside it. Null for the other panels.
    Of<PictureBox>* viewport = nullptr;
    Of<PictureBox>* scrolled = nullptr;
    Of<VScrollBar>* bar = nullptr;
  };
  // The controls of panel `p` of kPanels.
  PanelControls<false> Panel(size_t p) { return panels_.at(p); }
  PanelControls<true> Panel(size_t p) const;

  // The grey value label of row `row` of gem type `gem_type`'s panel.
  Label& ValueLabel(GemType gem_type, int row);

  // The item tabs and the five buttons drawn over their strip.
  TabContainer SSTab1;
  CommandButton cmdClearItem, cmdLoadItem, cmdSaveItem, cmdSwapItem, cmdSearch;

  // Per item k.
  template <class C>
  using PerItem = std::array<C, kItemCount>;
  PerItem<Frame> fraItem;
  PerItem<Label> lblItmQual, lblItmlevel, lblItemName, lblAF, lblSpeed, lblBonus;
  PerItem<ComboBox> cboItmQual;
  PerItem<TextBox> txtItmlevel, txtItemName, txtAF, txtSpeed, txtBonus;
  PerItem<Label> lblImbPoint, lblUtility, lblOverc, lblTotal, lblItemCost;
  PerItem<OptionGroup> itemKindGroup;
  PerItem<OptionButton> optDropped, optCraft;
  PerItem<CheckBox> chkEquip;

  // Per gem slot 4k+g.
  template <class C>
  using PerGem = std::array<C, kGemSlotCount>;
  PerGem<Label> lblGem;
  PerGem<ComboBox> cboType, cboAmount, cboEffect, cboGemQual;
  PerGem<Label> lblGemPoint, lblGemCost, lblGemName;

  OpenFileDialog CommonDialog;

 private:
  void BuildMenus();
  void BuildTopStrip();
  void BuildPanels();
  void BuildPanelRows(size_t p, Control& container);
  void BuildItems();
  void BuildItem(int k);
  void BuildItemFields(int k, Frame& frame);
  void BuildGemRow(int k, int g, Frame& frame);
  void BuildItemKind(int k, Frame& frame);
  // A label showing `text`; a grey result label showing `text`.
  Label& AddCaption(Label& label, std::string name, Control* in, Rect rect, const char* text);
  Label& AddResult(Label& label, std::string name, Control* in, Rect rect, const char* text);

  // The character panels' controls, in the order of kPanels: Stat, Resist, Hits, Power, Focus,
  // Skill.
  std::array<PanelControls<false>, kPanels.size()> panels_ = {{
      {fraStats, lblStat, lblStatVal, txtStat, cboStatsPri},
      {fraResists, lblResist, lblResVal, txtResist, cboResPri},
      {fraHit, {&lblHits, 1}, {&lblHitsVal, 1}, {&txtHits, 1}, {&cboHitsPri, 1}},
      {fraPower, {&lblPower, 1}, {&lblPowVal, 1}, {&txtPower, 1}, {&cboPowPri, 1}},
      {fraForuc, lblFocus, lblFocusVal, txtFocusMax, cboFocusPri, &MainPictureFoc,
       &ScrollPictureFoc, &VScrollFoc},
      {fraSkills, lblSkill, lblSkillVal, txtSkillMax, cboSkillPri, &MainPictureSki,
       &ScrollPictureSki, &VScrollSki},
  }};
};

}  // namespace gw::ui
