#include "plan/plan_history.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace gw {

namespace {

const std::string kNothing;

// Two spellings of one file (relative and absolute, through a link) are one file. Looks at the
// names only: nothing is opened, so a named pipe or a file gone since is no trouble.
std::filesystem::path FileIdentity(const std::string& path) {
  std::error_code error;
  std::filesystem::path identity = std::filesystem::weakly_canonical(path, error);
  if (error) identity = std::filesystem::absolute(path, error).lexically_normal();
  return identity;
}

}  // namespace

void PlanHistory::Reset(const Plan& plan) {
  entries_.clear();
  entries_.push_back({plan, "", std::make_shared<PlanDocument>(PlanDocument{{}, false, plan})});
  current_ = 0;
}

void PlanHistory::Forget() {
  Entry current = std::move(entries_[current_]);
  current.label.clear();
  entries_.clear();
  entries_.push_back(std::move(current));
  current_ = 0;
}

void PlanHistory::Push(Entry entry) {
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, entries_.end());
  entries_.push_back(std::move(entry));
  if (entries_.size() > kSteps + 1) entries_.pop_front();
  current_ = entries_.size() - 1;
}

void PlanHistory::Record(const Plan& plan, std::string label) {
  if (plan == entries_[current_].plan) return;
  Push({plan, std::move(label), entries_[current_].document});
}

void PlanHistory::RecordOpen(const Plan& plan, std::string label, const std::string& path,
                             bool ours) {
  std::shared_ptr<PlanDocument> record = FileRecord(path);
  if (!record) record = std::make_shared<PlanDocument>();
  *record = PlanDocument{path, ours, plan};
  Push({plan, std::move(label), std::move(record)});
}

void PlanHistory::RecordSave(const std::string& path, const Plan& saved) {
  const std::shared_ptr<PlanDocument> current = entries_[current_].document;
  std::shared_ptr<PlanDocument> record = FileRecord(path);
  if (record && record != current) {
    // Saved as a file that other states name: the current document's states join its record.
    for (Entry& entry : entries_) {
      if (entry.document == current) entry.document = record;
    }
  } else {
    record = current;
  }
  *record = PlanDocument{path, true, saved};
  // What was saved is the plan as it stands: the state that holds it says so too.
  entries_[current_].plan = saved;
}

std::shared_ptr<PlanDocument> PlanHistory::FileRecord(const std::string& path) const {
  const std::filesystem::path identity = FileIdentity(path);
  const PlanDocument* checked = nullptr;  // runs of states share a record: check each once
  for (const Entry& entry : entries_) {
    const PlanDocument* record = entry.document.get();
    if (record == checked || record->path.empty()) continue;
    checked = record;
    if (FileIdentity(record->path) == identity) return entry.document;
  }
  return nullptr;
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
    gw::PrepareItem(entry.document->saved, item);
  }
}

}  // namespace gw
