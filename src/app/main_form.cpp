#include "app/main_form.h"

#include <cmath>
#include <utility>

#include "common/convert.h"
#include "data/data_files.h"
#include "search/item_search.h"
#include "ui/search_window.h"

namespace gw {

namespace {

// Range of a scrolling panel: its viewport's inner height less the panel's full height
// (negative when the panel is taller); the bar then runs from 0 to its absolute value.
int16_t SizeScrollBar(const ui::PictureBox& viewport, const ui::PictureBox& panel,
                      ui::VScrollBar& bar) {
  const int16_t range =
      ToInt16(static_cast<double>(viewport.ScaleHeight()) - static_cast<double>(panel.Height()));
  bar.SetMax(ToInt16(std::fabs(static_cast<double>(range))));
  bar.SetLargeChange(bar.Max() / 10);
  bar.SetSmallChange(MainForm::kScrollSmallStep);
  return range;
}

}  // namespace

MainForm::MainForm(std::filesystem::path data_folder)
    : data_folder_(std::move(data_folder)),
      window_(std::make_unique<ui::MainWindow>()),
      reference_(std::make_unique<ReferenceTables>()),
      calc_(*window_, *reference_, constants_) {
  Wire();
}

void MainForm::Form_Load() {
  ui::MainWindow& w = *window_;
  w.FocusScrollRange = SizeScrollBar(w.MainPictureFoc, w.ScrollPictureFoc, w.VScrollFoc);
  w.SkillScrollRange = SizeScrollBar(w.MainPictureSki, w.ScrollPictureSki, w.VScrollSki);
  InitData(data_folder_, *reference_);
  InitConst(constants_);
  w.ImportInProgress = false;
  SSTab1_Click(0);
  ClearItem();
}

void MainForm::SSTab1_Click(int16_t /*previous_tab*/) {
  ui::MainWindow& w = *window_;
  const int k = w.SSTab1.Tab();
  w.cmdSearch.SetEnabled(k > 10);
  // The first showing of an item gives its empty gem quality boxes "94%", each through its
  // handler, so each gem is evaluated once with a quality.
  for (int g = 0; g < ui::kGemsPerItem; ++g) {
    ui::ComboBox& quality = w.cboGemQual[ui::GemSlot(k, g)];
    if (quality.ListIndex() == -1) quality.SetListIndex(0);
  }
  calc_.DisplayItem(k);
}

void MainForm::VScrollFoc_Change() {
  window_->ScrollPictureFoc.SetTop(-window_->VScrollFoc.Value());
}
void MainForm::VScrollFoc_Scroll() {
  VScrollFoc_Change();
}
void MainForm::VScrollSki_Change() {
  window_->ScrollPictureSki.SetTop(-window_->VScrollSki.Value());
}
void MainForm::VScrollSki_Scroll() {
  VScrollSki_Change();
}

void MainForm::cmdExit_Click() {
  window_->Unload();
}

void MainForm::mnuOpen_Click() {
  ImportItemSet(*window_, calc_, *reference_);
}

ImportOutcome MainForm::OpenItemSet(const std::filesystem::path& path) {
  return ImportItemSetFile(*window_, calc_, *reference_, path);
}

void MainForm::cmdSearch_Click() {
  // A fresh window every time, so nothing chosen in an earlier opening survives.
  ui::ItemSearchWindow search;
  ItemSearchForm form(search, *reference_);
  window_->ShowModal(search);
}

}  // namespace gw
