// Settings of an item set file that could not be used, collected while importing and reported
// together when the import ends.
#pragma once

#include <string>
#include <vector>

namespace gw {

struct ImportProblem {
  int line = 0;
  std::string reason;
};

class ImportProblems {
 public:
  void Add(int line, std::string reason) { problems_.push_back({line, std::move(reason)}); }
  bool empty() const { return problems_.empty(); }
  const std::vector<ImportProblem>& all() const { return problems_; }

  // One message for all of them: `heading`, then the problems in line order, the first `shown`
  // of them and how many more.
  std::string Message(const std::string& heading, size_t shown = 20) const;
  // The heading of an import that went ahead without them.
  static std::string SkippedHeading(const std::string& file_name);

 private:
  std::vector<ImportProblem> problems_;
};

}  // namespace gw
