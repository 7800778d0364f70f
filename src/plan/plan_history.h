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
// the plan it held then, which "changed since last save" compares with.
struct PlanDocument {
  std::string path;  // empty: never opened or saved
  bool written_by_this_program = false;
  Plan saved;
};

class PlanHistory {
 public:
  // At least this many steps can be undone.
  static constexpr size_t kSteps = 1000;

  // Forgets every step: `plan` of `document` is where undo stops.
  void Reset(const Plan& plan, std::shared_ptr<PlanDocument> document);

  // Forgets every step but the current plan, which is where undo stops now.
  void Forget();

  // The player's step `label` ("Chest Gem 2 type", "Open") led to `plan`; a plan equal to the
  // current one is no step. Drops what could have been redone, and the oldest step past the
  // limit. The new entry keeps `document`, or the current one when null.
  void Record(const Plan& plan, std::string label,
              std::shared_ptr<PlanDocument> document = nullptr);

  bool CanUndo() const { return current_ > 0; }
  bool CanRedo() const { return current_ + 1 < entries_.size(); }
  // What Undo and Redo would take back or bring again; empty when nothing.
  const std::string& UndoLabel() const;
  const std::string& RedoLabel() const;
  // Moves one step back or forward and returns the plan to restore.
  const Plan& Undo();
  const Plan& Redo();

  const Plan& plan() const { return entries_[current_].plan; }
  PlanDocument& document() const { return *entries_[current_].document; }

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
  std::deque<Entry> entries_{Entry{}};
  size_t current_ = 0;
};

}  // namespace gw
