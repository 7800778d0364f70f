// The main window "frmGemwright" as a logical model: every control, control array, caption,
// list and initial state, laid out in twips, plus the window-level state the handlers share.
// The controls are the player's plan; nothing else holds it.
#pragma once

#include <array>
#include <cstdint>

#include "ui/lists.h"
#include "ui/window.h"

namespace gw::ui {

class MainWindow : public Window {
 public:
  MainWindow();

  // Grey of the value and result labels.
  static constexpr Color kValueGrey = 0xE0E0E0;
  // Border of the scrolling viewports, each side, in twips.
  static constexpr int kViewportBorder = 30;

  // Window-level state.
  int16_t FocusScrollRange = 0;
  int16_t SkillScrollRange = 0;
  bool ImportInProgress = false;

  // Menu bar.
  MenuItem mnuFile, mnuOpen, mnuSave, mnuSaveAs;
  MenuItem mnuEdit, mnuUndo, mnuRedo;
  MenuItem mnuCraft, mnuAlc, mnuAC, mnuFlet, mnuGW, mnuTail, mnuWC;
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

  // Character panels, sized and captioned by kPanels; row i of a panel is effect index i of its
  // gem type.
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

  // The grey value label of row `row` of gem type `gem_type`'s panel (see kPanels).
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
  void BuildItems();
  void BuildItem(int k);
};

}  // namespace gw::ui
