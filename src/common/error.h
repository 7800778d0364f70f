// The one run-time error type of the program: a kind the player can look up, plus a detail
// that says what went wrong and where.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace gw {

enum class ErrorKind { FileNotFound, IndexOutOfRange, Overflow, InvalidArgument };

// "File not found", "Index out of range", "Overflow", "Invalid argument".
std::string_view KindName(ErrorKind kind);

class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(ErrorKind kind, std::string detail);

  ErrorKind kind() const { return kind_; }
  const std::string& detail() const { return detail_; }

  // The same error with "<where>: " put in front of the detail, for callers that know the file
  // and line a lower layer was working on.
  RuntimeError At(std::string_view where) const;

 private:
  ErrorKind kind_;
  std::string detail_;
};

}  // namespace gw
