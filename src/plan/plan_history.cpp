#include "plan/plan_history.h"

#include <utility>

namespace gw {

namespace {
const std::string kNothing;
}  // namespace

void PlanHistory::Reset(const Plan& plan, std::shared_ptr<PlanDocument> document) {
  entries_.clear();
  entries_.push_back({plan, "", std::move(document)});
  current_ = 0;
}

void PlanHistory::Forget() {
  Entry current = std::move(entries_[current_]);
  current.label.clear();
  entries_.clear();
  entries_.push_back(std::move(current));
  current_ = 0;
}

void PlanHistory::Record(const Plan& plan, std::string label,
                         std::shared_ptr<PlanDocument> document) {
  if (!document && plan == entries_[current_].plan) return;
  if (!document) document = entries_[current_].document;
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, entries_.end());
  entries_.push_back({plan, std::move(label), std::move(document)});
  if (entries_.size() > kSteps + 1) entries_.pop_front();
  current_ = entries_.size() - 1;
}

const std::string& PlanHistory::UndoLabel() const {
  return CanUndo() ? entries_[current_].label : kNothing;
}

const std::string& PlanHistory::RedoLabel() const {
  return CanRedo() ? entries_[current_ + 1].label : kNothing;
}

const Plan& PlanHistory::Undo() {
  if (CanUndo()) --current_;
  return plan();
}

const Plan& PlanHistory::Redo() {
  if (CanRedo()) ++current_;
  return plan();
}

void PlanHistory::PrepareItem(int item) {
  for (Entry& entry : entries_) {
    gw::PrepareItem(entry.plan, item);
    if (entry.document) gw::PrepareItem(entry.document->saved, item);
  }
}

}  // namespace gw
