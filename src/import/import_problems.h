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

  // One message for all of them, in line order: the first `shown`, then how many more.
  std::string Message(const std::string& file_name, size_t shown = 20) const;

 private:
  std::vector<ImportProblem> problems_;
};

}  // namespace gw
