// The main window's own behaviour: start-up, tab change, the scrolling panels, exit, the buttons
// and menu items that do nothing, and the wiring of every control event to its handler.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "calc/calculator.h"
#include "data/constant_tables.h"
#include "data/reference_tables.h"
#include "import/item_set_import.h"
#include "plan/plan_history.h"
#include "plan/round_trip.h"
#include "ui/main_window.h"

namespace gw {

class MainForm {
 public:
  // `data_folder` holds the five data files; nothing is read before Form_Load.
  explicit MainForm(std::filesystem::path data_folder);

  ui::MainWindow& window() { return *window_; }
  Calculator& calculator() { return calc_; }
  const ReferenceTables& reference() const { return *reference_; }
  const ConstantTables& constants() const { return constants_; }

  // Once, before the window is first shown. A data file that cannot be read throws the
  // run-time error, and the window must then never be shown.
  void Form_Load();
  void SSTab1_Click(int16_t previous_tab);
  void VScrollFoc_Change();
  void VScrollFoc_Scroll();
  void VScrollSki_Change();
  void VScrollSki_Scroll();
  // "&Exit": asks first when the plan has changes that were not saved.
  void cmdExit_Click();
  // The window is about to close (its close box): true when it may, after asking about changes
  // that were not saved.
  bool Form_QueryUnload();
  void ClearItem() {}

  // "Clear": the current item as a new window shows it, one step ("Clear Chest").
  void cmdClearItem_Click();
  // "Swap...": asks which other item, then the two exchange every field, one step ("Swap Left
  // Ring, Right Ring"); nothing when the question is cancelled.
  void cmdSwapItem_Click();
  // "Save...": the current item alone as an item file, into the item library by default, checked
  // as File, "Save" checks a plan. False when nothing was written.
  bool cmdSaveItem_Click();
  // "Load...": an item of an item file (or any item set; when it sets several, a question asks
  // which) into the current item, one step ("Load Chest").
  void cmdLoadItem_Click();
  void mnuAlc_Click() {}
  void mnuAC_Click() {}
  void mnuFlet_Click() {}
  // The one price there is stays chosen: a press that turned the tick off turns it on again.
  void mnuGW_Click() { window_->mnuGW.SetChecked(true); }
  void mnuTail_Click() {}
  void mnuWC_Click() {}

  void mnuOpen_Click();
  // Imports an item set chosen another way (a drop) just as "Open..." does once its dialog has
  // closed, asking first about changes that were not saved.
  ImportOutcome OpenItemSet(const std::filesystem::path& path);
  // The file given on the command line: the plan the program starts with, not a step to undo.
  ImportOutcome OpenStartingFile(const std::filesystem::path& path);
  // "Search...": the item search window over the item library; a result chosen there is loaded
  // into the shown item as "Load..." loads it.
  void cmdSearch_Click();
  void mnuShopping_Click();
  // F1: how to plan an item, and the keys, as the README says them.
  void mnuHelpContents_Click();
  // "About" and "Version ...": the program, its version, licence, data folder and documents.
  void mnuAbout_Click();

  // File, "Save" writes to the file of the last Open or Save when this program wrote it, and
  // otherwise acts as "Save As...". Both are false when nothing was written.
  bool mnuSave_Click();
  bool mnuSaveAs_Click();
  void mnuUndo_Click();
  void mnuRedo_Click();

  // Whether the plan differs from what was last opened or saved (the empty plan at start-up).
  bool PlanChanged() const;
  const PlanHistory& history() const { return history_; }

  // The titles of the questions and messages about saving.
  static constexpr const char* kSaveTitle = "Save";
  static constexpr const char* kProgramTitle = "Gemwright Workshop";

  // The arrow step of both scrolling panels, in twips: fixed, and smaller than either page.
  static constexpr int kScrollSmallStep = 120;

 private:
  void Wire();
  // Makes `handler` one step of the plan: once it and everything it set off have run, the plan
  // it leads to is kept for undo under `label`. Nested handlers are part of the outer step.
  ui::Handler Step(std::string label, ui::Handler handler);
  void WireSteps();
  // Runs `action` as part of no step of its own (a tab change, an import, undo).
  template <class Action>
  auto Unrecorded(Action action) {
    struct Depth {
      explicit Depth(int& depth) : depth_(depth) { ++depth_; }
      ~Depth() { --depth_; }
      Depth(const Depth&) = delete;
      Depth& operator=(const Depth&) = delete;
      int& depth_;
    } nested(step_depth_);
    return action();
  }
  // Text put into any box and not yet committed (typed and not left, or set by an assistive
  // tool) is committed, each box a step, before the plan is saved or compared with the file's.
  void CommitTyping();
  // Asks whether to save changes not yet saved; true when the caller may go on.
  bool ConfirmDiscard();
  bool SaveTo(const std::string& path);
  // Puts item `from` of the item set at `path` into the shown item, one step ("Load Chest"); with
  // no `from`, or one the file does not set, its only item, or the one a question picks.
  void LoadItem(const std::string& path, std::optional<int> from);
  // Asks in a small window which of `items` (each shown by its tab and its name in `names`);
  // nothing when the question is cancelled.
  std::optional<int> AskWhichItem(const ui::MainWindow& names, const std::vector<int>& items,
                                  const std::string& caption, const std::string& question);
  // Shows `plan`, changed in the shown item `k` (and perhaps another), as one step `label`; the
  // shown item is prepared as every shown item is.
  void RecordItemStep(Plan plan, int k, const std::string& label);
  // Writes `text` to `path` after asking about a read-only file and about what `differences`
  // says would not come back; false, having said why, when nothing was written.
  // `what` names what was written ("this plan", "this item").
  bool WriteChecked(const std::string& path, const std::string& text,
                    const std::vector<RoundTripDifference>& differences, const std::string& what);
  // After an import: the opened file becomes the document, in one step.
  void RecordOpen(const ImportOutcome& outcome, const std::string& path);
  void ShowHistory();

  std::filesystem::path data_folder_;
  std::unique_ptr<ui::MainWindow> window_;
  std::unique_ptr<ReferenceTables> reference_;
  ConstantTables constants_;
  Calculator calc_;
  PlanHistory history_;
  int step_depth_ = 0;
};

}  // namespace gw
