// Undo and redo: the plans before and after each step the player took, with the document each
// belongs to, so that undoing an import also gives back the file it replaced.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>

#include "plan/plan.h"

namespace gw {

// Where the plan is kept: the file of the last Open or Save, whether this program wrote it, and
// the plan it holds as far as this program knows (opened from it or saved to it), which "changed
// since last save" compares with. The history keeps one record per file, shared by every state
// that names it, so that a save reaches all of them.
struct PlanDocument {
  std::string path;  // empty: never opened or saved
  bool written_by_this_program = false;
  Plan saved;
};

class PlanHistory {
 public:
  // At least this many steps can be undone.
  static constexpr size_t kSteps = 1000;

  // Forgets every step and every file: `plan`, in no file yet, is where undo stops and what
  // "changed" compares with.
  void Reset(const Plan& plan);

  // Forgets every step but the current plan, which is where undo stops now.
  void Forget();

  // The player's step `label` ("Chest Gem 2 type") led to `plan`, in the current document; a
  // plan equal to the current one is no step. Drops what could have been redone, and the oldest
  // step past the limit.
  void Record(const Plan& plan, std::string label);

  // The file at `path` was opened and gave `plan`: a step `label` (even to an equal plan), whose
  // document is that file's record, which now holds `plan`.
  void RecordOpen(const Plan& plan, std::string label, const std::string& path, bool ours);

  // `saved`, the current plan, was written to `path` by this program. The states of the current
  // document now belong to that file (a Save As moves them there), and every state that names
  // the file learns the plan now in it.
  void RecordSave(const std::string& path, const Plan& saved);

  bool CanUndo() const { return current_ > 0; }
  bool CanRedo() const { return current_ + 1 < entries_.size(); }
  // What Undo and Redo would take back or bring again; empty when nothing.
  const std::string& UndoLabel() const;
  const std::string& RedoLabel() const;
  // Moves one step back or forward and returns the plan to restore.
  const Plan& Undo();
  const Plan& Redo();

  const Plan& plan() const { return entries_[current_].plan; }
  const PlanDocument& document() const { return *entries_[current_].document; }

  // A tab shown changes no plan, but fills its empty gem quality lists: every kept plan takes it
  // as well, so that neither undo nor "changed since last save" sees it as a change, and undo
  // never empties a list on the tab shown.
  void PrepareItem(int item);

  size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    Plan plan;
    std::string label;  // the step that led here
    std::shared_ptr<PlanDocument> document;
  };
  // The record that the kept states share for the file at `path`; null when none names it.
  std::shared_ptr<PlanDocument> FileRecord(const std::string& path) const;
  void Push(Entry entry);

  std::deque<Entry> entries_{Entry{{}, {}, std::make_shared<PlanDocument>()}};
  size_t current_ = 0;
};

}  // namespace gw
