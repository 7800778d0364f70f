#include "app/main_form.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "app/help_text.h"
#include "calc/explanations.h"
#include "calc/shopping_list.h"
#include "calc/wiring.h"
#include "common/convert.h"
#include "common/file_write.h"
#include "common/text.h"
#include "data/data_files.h"
#include "import/item_set_import.h"
#include "library/item_library.h"
#include "plan/item_set_writer.h"
#include "plan/round_trip.h"
#include "search/item_search.h"
#include "ui/choice_window.h"
#include "ui/help_window.h"
#include "ui/search_window.h"
#include "ui/shopping_window.h"

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
  window_->mnuVersion.SetCaption("&Version " GW_VERSION);
}

void MainForm::Form_Load() {
  ui::MainWindow& w = *window_;
  w.FocusScrollRange = SizeScrollBar(w.MainPictureFoc, w.ScrollPictureFoc, w.VScrollFoc);
  w.SkillScrollRange = SizeScrollBar(w.MainPictureSki, w.ScrollPictureSki, w.VScrollSki);
  InitData(data_folder_, *reference_);
  InitConst(constants_);
  ExplainCaptions(w, constants_);
  w.ImportInProgress = false;
  SSTab1_Click(0);
  ClearItem();
  history_.Reset(CapturePlan(w));
  ShowHistory();
}

void MainForm::SSTab1_Click(int16_t /*previous_tab*/) {
  ui::MainWindow& w = *window_;
  const int k = w.SSTab1.Tab();
  w.cmdSearch.SetEnabled(k > 10);
  Unrecorded([&] { calc_.PrepareItem(k); });
  history_.PrepareItem(k);
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
  if (ConfirmDiscard()) window_->Unload();
}

bool MainForm::Form_QueryUnload() {
  return ConfirmDiscard();
}

void MainForm::mnuOpen_Click() {
  if (!ConfirmDiscard()) return;
  const ImportOutcome outcome =
      Unrecorded([&] { return ImportItemSet(*window_, calc_, *reference_); });
  RecordOpen(outcome, window_->CommonDialog.FileName());
}

ImportOutcome MainForm::OpenItemSet(const std::filesystem::path& path) {
  if (!ConfirmDiscard()) return {};
  const ImportOutcome outcome =
      Unrecorded([&] { return ImportItemSetFile(*window_, calc_, *reference_, path); });
  RecordOpen(outcome, path.string());
  return outcome;
}

ImportOutcome MainForm::OpenStartingFile(const std::filesystem::path& path) {
  const ImportOutcome outcome =
      Unrecorded([&] { return ImportItemSetFile(*window_, calc_, *reference_, path); });
  RecordOpen(outcome, path.string());
  history_.Forget();
  ShowHistory();
  return outcome;
}

void MainForm::RecordOpen(const ImportOutcome& outcome, const std::string& path) {
  if (outcome.status != ImportStatus::Imported &&
      outcome.status != ImportStatus::ImportedWithSkips) {
    return;
  }
  // Who wrote the file is read from the text the import read: the path is never opened again.
  history_.RecordOpen(CapturePlan(*window_), "Open", path,
                      WrittenByThisProgram(outcome.first_line));
  ShowHistory();
}

bool MainForm::PlanChanged() const {
  return CapturePlan(*window_) != history_.document().saved;
}

void MainForm::CommitTyping() {
  for (ui::Control* control : window_->controls()) {
    if (control->kind() == ui::ControlKind::TextBox) {
      static_cast<ui::TextBox*>(control)->UserCommit();
    } else if (control->kind() == ui::ControlKind::ComboBox) {
      static_cast<ui::ComboBox*>(control)->UserCommit();
    }
  }
}

bool MainForm::ConfirmDiscard() {
  CommitTyping();
  if (!PlanChanged()) return true;
  switch (window_->Ask(kProgramTitle, "Save the changes to this plan?",
                       {"Save", "Discard", "Cancel"})) {
    case 0:
      return mnuSave_Click();
    case 1:
      return true;
    default:
      return false;
  }
}

bool MainForm::mnuSave_Click() {
  CommitTyping();
  const PlanDocument& document = history_.document();
  if (document.path.empty() || !document.written_by_this_program) return mnuSaveAs_Click();
  return SaveTo(document.path);
}

bool MainForm::mnuSaveAs_Click() {
  CommitTyping();
  ui::OpenFileDialog& dialog = window_->CommonDialog;
  if (!dialog.ShowSave(history_.document().path)) return false;
  return SaveTo(dialog.FileName());
}

bool MainForm::SaveTo(const std::string& path) {
  const Plan plan = CapturePlan(*window_);
  const std::string text = WriteItemSet(plan, *reference_);
  if (!WriteChecked(path, text, CompareRoundTrip(text, plan, *reference_, constants_),
                    "this plan")) {
    return false;
  }
  history_.RecordSave(path, plan);
  ShowHistory();
  return true;
}

bool MainForm::WriteChecked(const std::string& path, const std::string& text,
                            const std::vector<RoundTripDifference>& differences,
                            const std::string& what) {
  ui::MainWindow& w = *window_;
  const std::string name = std::filesystem::path(path).filename().string();
  if (IsReadOnlyFile(path) && w.Ask(kSaveTitle, "'" + name + "' is read-only. Replace it anyway?",
                                    {"Replace", "Cancel"}) != 0) {
    return false;
  }
  if (!differences.empty()) {
    const std::string question = "Opening " + Quoted(name) + " would not give back " + what +
                                 " exactly:\n\n" + DescribeDifferences(differences) +
                                 "\nSave anyway?";
    if (w.Ask(kSaveTitle, question, {"Save anyway", "Cancel"}) != 0) return false;
  }
  if (const std::optional<std::string> error = WriteFileAtomically(path, text)) {
    w.MsgBox(kSaveTitle, "Could not save " + Quoted(path) + ": " + *error +
                             ". The file on the disk was not changed.");
    return false;
  }
  return true;
}

bool MainForm::cmdSaveItem_Click() {
  ui::MainWindow& w = *window_;
  const int k = w.SSTab1.Tab();
  const ItemPlan item = CapturePlan(w).items[static_cast<size_t>(k)];
  // The library is made when first needed; where it cannot be, the dialog starts elsewhere and
  // the write says why it failed.
  const std::filesystem::path library = ItemLibraryFolder();
  std::error_code error;
  std::filesystem::create_directories(library, error);
  std::string stem(Trim(item.name));
  if (stem.empty()) stem = ui::kItemNames[static_cast<size_t>(k)];
  std::replace(stem.begin(), stem.end(), '/', '-');  // a name, never a path
  if (stem.starts_with('.')) stem.insert(0, "item");
  w.CommonDialog.item_file = true;
  const bool chosen = w.CommonDialog.ShowSave((library / (stem + ".txt")).string());
  w.CommonDialog.item_file = false;
  if (!chosen) return false;
  const std::string text = WriteItemFile(item, k, *reference_);
  // What the file keeps of the item: opened into a new window it must give this item there.
  Plan alone = BlankPlan();
  alone.items[static_cast<size_t>(k)] = item;
  return WriteChecked(w.CommonDialog.FileName(), text,
                      CompareRoundTrip(text, alone, *reference_, constants_), "this item");
}

void MainForm::cmdLoadItem_Click() {
  ui::MainWindow& w = *window_;
  // The library once there is one; before the first Save... the dialog starts where Open does.
  const std::filesystem::path library = ItemLibraryFolder();
  std::error_code error;
  w.CommonDialog.start_folder =
      std::filesystem::is_directory(library, error) ? library.string() : std::string();
  w.CommonDialog.item_file = true;
  const bool chosen = w.CommonDialog.ShowOpen();
  w.CommonDialog.start_folder.clear();
  w.CommonDialog.item_file = false;
  if (chosen) LoadItem(w.CommonDialog.FileName(), std::nullopt);
}

void MainForm::LoadItem(const std::string& path, std::optional<int> from) {
  ui::MainWindow& w = *window_;
  const int k = w.SSTab1.Tab();
  // Opened in a window of its own, as File, "Open..." opens it, so every rule of the import
  // applies; only the item taken from it reaches the plan.
  ui::MainWindow scratch;
  Calculator calc(scratch, *reference_, constants_);
  WireEvaluation(scratch, calc);
  const ImportOutcome outcome = ImportItemSetFile(scratch, calc, *reference_, path);
  if (!outcome.message.empty()) w.MsgBox(kImportTitle, outcome.message);
  if (outcome.status != ImportStatus::Imported &&
      outcome.status != ImportStatus::ImportedWithSkips) {
    return;
  }
  std::vector<int> items;
  for (int j = 0; j < ui::kItemCount; ++j) {
    if (outcome.items_set[static_cast<size_t>(j)]) items.push_back(j);
  }
  if (from && std::find(items.begin(), items.end(), *from) == items.end()) from.reset();
  if (items.empty()) {
    w.MsgBox(kImportTitle, "The file sets no item, so nothing was loaded.");
    return;
  }
  if (!from && items.size() == 1) from = items.front();
  if (!from) {
    from = AskWhichItem(
        scratch, items, "Load Item",
        "Load which item into " + std::string(ui::kItemNames[static_cast<size_t>(k)]) + "?");
    if (!from) return;
  }
  Plan plan = CapturePlan(w);
  plan.items[static_cast<size_t>(k)] = CapturePlan(scratch).items[static_cast<size_t>(*from)];
  RecordItemStep(std::move(plan), k, "Load " + std::string(ui::kItemNames[static_cast<size_t>(k)]));
}

void MainForm::cmdClearItem_Click() {
  const int k = window_->SSTab1.Tab();
  Plan plan = CapturePlan(*window_);
  plan.items[static_cast<size_t>(k)] = FreshItem();
  RecordItemStep(std::move(plan), k,
                 "Clear " + std::string(ui::kItemNames[static_cast<size_t>(k)]));
}

void MainForm::cmdSwapItem_Click() {
  const int k = window_->SSTab1.Tab();
  std::vector<int> others;
  for (int j = 0; j < ui::kItemCount; ++j) {
    if (j != k) others.push_back(j);
  }
  const std::optional<int> chosen =
      AskWhichItem(*window_, others, "Swap Item",
                   "Swap " + std::string(ui::kItemNames[static_cast<size_t>(k)]) + " with:");
  if (!chosen) return;
  Plan plan = CapturePlan(*window_);
  std::swap(plan.items[static_cast<size_t>(k)], plan.items[static_cast<size_t>(*chosen)]);
  const auto [first, second] = std::minmax(k, *chosen);
  RecordItemStep(std::move(plan), k,
                 "Swap " + std::string(ui::kItemNames[static_cast<size_t>(first)]) + ", " +
                     std::string(ui::kItemNames[static_cast<size_t>(second)]));
}

std::optional<int> MainForm::AskWhichItem(const ui::MainWindow& names,
                                          const std::vector<int>& items, const std::string& caption,
                                          const std::string& question) {
  ui::ChoiceWindow choice(caption, question);
  for (const int j : items) {
    const std::string_view name = Trim(names.txtItemName[j].Text());
    choice.cboChoice.AddItem(std::string(ui::kItemNames[static_cast<size_t>(j)]) +
                             (name.empty() ? "" : ": " + std::string(name)));
  }
  choice.cboChoice.SetListIndex(0);
  std::optional<int> chosen;
  choice.cmdOK.Click = [&] {
    chosen = items[static_cast<size_t>(choice.cboChoice.ListIndex())];
    choice.Unload();
  };
  choice.cmdCancel.Click = [&choice] { choice.Unload(); };
  window_->ShowModal(choice);
  return chosen;
}

void MainForm::RecordItemStep(Plan plan, int k, const std::string& label) {
  PrepareItem(plan, k);  // the item now shown is prepared as every shown item is
  Unrecorded([&] { RestorePlan(*window_, calc_, plan); });
  history_.Record(CapturePlan(*window_), label);
  ShowHistory();
}

void MainForm::mnuUndo_Click() {
  if (!history_.CanUndo()) return;
  Unrecorded([&] { RestorePlan(*window_, calc_, history_.Undo()); });
  ShowHistory();
}

void MainForm::mnuRedo_Click() {
  if (!history_.CanRedo()) return;
  Unrecorded([&] { RestorePlan(*window_, calc_, history_.Redo()); });
  ShowHistory();
}

void MainForm::ShowHistory() {
  ui::MainWindow& w = *window_;
  const std::string& undo = history_.UndoLabel();
  const std::string& redo = history_.RedoLabel();
  w.mnuUndo.SetCaption(undo.empty() ? "&Undo" : "&Undo " + undo);
  w.mnuUndo.SetEnabled(history_.CanUndo());
  w.mnuRedo.SetCaption(redo.empty() ? "&Redo" : "&Redo " + redo);
  w.mnuRedo.SetEnabled(history_.CanRedo());
  // The file the plan is kept in, and whether the plan differs from what that file holds.
  const PlanDocument& document = history_.document();
  const std::string name =
      document.path.empty() ? "Untitled" : std::filesystem::path(document.path).filename().string();
  w.SetTitle(name + "[*] - " + w.caption(), history_.plan() != document.saved);
}

void MainForm::cmdSearch_Click() {
  // A fresh window every time, so nothing chosen in an earlier opening survives.
  ui::ItemSearchWindow search;
  ItemSearchForm form(search, *reference_, ItemLibraryFolder());
  window_->ShowModal(search);
  if (form.chosen()) LoadItem(form.chosen()->file.string(), form.chosen()->item);
}

// Built afresh each time it is shown: while it is open the plan cannot change, so it is always
// the plan's list.
void MainForm::mnuShopping_Click() {
  CommitTyping();  // an amount still being typed is part of the plan the player sees
  ui::ShoppingListWindow shopping;
  const std::vector<std::string> lines = ShoppingListLines(MakeShoppingList(*window_));
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i + 2 < lines.size()) shopping.lstGems.AddItem(lines[i]);
    text += lines[i] + "\n";
  }
  shopping.lblTotal.SetCaption(lines[lines.size() - 2]);
  shopping.lblNote.SetCaption(lines.back());
  shopping.cmdCopy.Click = [&shopping, text] { shopping.CopyText(text); };
  shopping.cmdClose.Click = [&shopping] { shopping.Unload(); };
  window_->ShowModal(shopping);
}

void MainForm::mnuHelpContents_Click() {
  ui::HelpWindow help;
  for (std::string& paragraph : ProgramHelp())
    help.lstHelp.AddItem(std::move(paragraph));
  help.cmdClose.Click = [&help] { help.Unload(); };
  window_->ShowModal(help);
}

void MainForm::mnuAbout_Click() {
  std::error_code error;
  const std::filesystem::path data = std::filesystem::absolute(data_folder_, error);
  window_->MsgBox(
      "About Gemwright Workshop",
      "Gemwright Workshop " GW_VERSION
      "\n\nPlans the gems imbued into a character's nineteen items: each gem's name and "
      "price, each item's imbue points and overcharge, and the character's totals."
      "\n\nFree software under the GNU General Public License, version 3 or later."
      "\n\nData folder: " +
          (error ? data_folder_ : data).string() +
          "\n\nHelp: F1; the README (README.md with the sources, and installed in "
          "share/doc/gemwright-workshop); \"man gemwright-workshop\" and \"man "
          "gemwright-report\".");
}

}  // namespace gw
