#include "common/error.h"

#include <utility>

namespace gw {

std::string_view KindName(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::FileNotFound:
      return "File not found";
    case ErrorKind::IndexOutOfRange:
      return "Index out of range";
    case ErrorKind::Overflow:
      return "Overflow";
    case ErrorKind::InvalidArgument:
      return "Invalid argument";
  }
  return "Error";
}

namespace {
std::string FullMessage(ErrorKind kind, const std::string& detail) {
  std::string text(KindName(kind));
  if (!detail.empty()) text += ": " + detail;
  return text;
}
}  // namespace

RuntimeError::RuntimeError(ErrorKind kind, std::string detail)
    : std::runtime_error(FullMessage(kind, detail)), kind_(kind), detail_(std::move(detail)) {}

RuntimeError RuntimeError::At(std::string_view where) const {
  std::string detail(where);
  if (!detail_.empty()) detail += ": " + detail_;
  return RuntimeError(kind_, std::move(detail));
}

}  // namespace gw
