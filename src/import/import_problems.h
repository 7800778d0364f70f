// Settings of an item set file that could not be used, collected while importing and reported
// together when the import ends. Only the first few are kept, whatever the file holds: a file of a
// million refused lines costs no more memory than one of twenty.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace gw {

struct ImportProblem {
  int line = 0;
  std::string reason;
};

class ImportProblems {
 public:
  // How many problems are kept, and shown: the first ones by line.
  static constexpr size_t kKept = 20;

  // Problems may come in any order (the transfer finds its own after the whole file was read);
  // what is kept is always the first kKept by line, those of one line in the order found.
  void Add(int line, std::string reason);

  bool empty() const { return count_ == 0; }
  // Every problem found, kept or not.
  size_t count() const { return count_; }
  // The kept problems, in line order.
  const std::vector<ImportProblem>& first() const { return kept_; }
  // How many were found beyond the kept ones.
  size_t more() const { return count_ - kept_.size(); }

  // One message for all of them: `heading`, then the kept problems in line order and how many
  // more there were.
  std::string Message(const std::string& heading) const;
  // The heading of an import that went ahead without them.
  static std::string SkippedHeading(const std::string& file_name);

 private:
  std::vector<ImportProblem> kept_;  // sorted by line, at most kKept
  size_t count_ = 0;
};

}  // namespace gw
