#include "import/import_problems.h"

#include <algorithm>
#include <cstddef>

#include "common/text.h"

namespace gw {

void ImportProblems::Add(int line, std::string reason) {
  ++count_;
  // After the last kept problem of the same line, so that one line's problems keep their order.
  const auto at = static_cast<size_t>(std::upper_bound(kept_.begin(), kept_.end(), line,
                                                       [](int new_line, const ImportProblem& kept) {
                                                         return new_line < kept.line;
                                                       }) -
                                      kept_.begin());
  if (at == kKept) return;
  if (kept_.size() == kKept) kept_.pop_back();
  kept_.insert(kept_.begin() + static_cast<std::ptrdiff_t>(at), {line, std::move(reason)});
}

std::string ImportProblems::SkippedHeading(const std::string& file_name) {
  return "Some settings in " + Quoted(file_name) + " could not be used and were skipped:";
}

std::string ImportProblems::Message(const std::string& heading) const {
  std::string text = heading + "\n";
  for (const ImportProblem& problem : kept_)
    text += "\nline " + std::to_string(problem.line) + ": " + problem.reason;
  if (more() > 0) text += "\n\n... and " + std::to_string(more()) + " more.";
  return text;
}

}  // namespace gw
