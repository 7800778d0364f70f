#include "import/import_problems.h"

#include <algorithm>

#include "common/text.h"

namespace gw {

std::string ImportProblems::SkippedHeading(const std::string& file_name) {
  return "Some settings in " + Quoted(file_name) + " could not be used and were skipped:";
}

std::string ImportProblems::Message(const std::string& heading, size_t shown) const {
  std::vector<ImportProblem> sorted = problems_;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const ImportProblem& a, const ImportProblem& b) { return a.line < b.line; });
  std::string text = heading + "\n";
  for (size_t i = 0; i < sorted.size() && i < shown; ++i) {
    text += "\nline " + std::to_string(sorted[i].line) + ": " + sorted[i].reason;
  }
  if (sorted.size() > shown) {
    const size_t more = sorted.size() - shown;
    text += "\n\n... and " + std::to_string(more) + " more.";
  }
  return text;
}

}  // namespace gw
