#include "common/text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>

#include "common/error.h"

namespace gw {

std::string_view Mid(std::string_view line, size_t start, size_t width) {
  if (start == 0 || start > line.size()) return {};
  return line.substr(start - 1, width);
}

std::string_view MidRest(std::string_view line, size_t start) {
  if (start == 0 || start > line.size()) return {};
  return line.substr(start - 1);
}

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string ReadWholeFile(const std::filesystem::path& path) {
  auto fail = [&](int error_number) -> RuntimeError {
    return RuntimeError(ErrorKind::FileNotFound,
                        path.string() + " cannot be read (" + std::strerror(error_number) + ")");
  };
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) throw fail(EISDIR);
  errno = 0;
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) throw fail(errno != 0 ? errno : ENOENT);
  std::string content;
  char buffer[65536];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
    content.append(buffer, got);
  if (std::ferror(file.get())) throw fail(errno != 0 ? errno : EIO);
  return content;
}

std::string ReadWholeStream(std::istream& in) {
  std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw RuntimeError(ErrorKind::FileNotFound, "the stream cannot be read");
  return content;
}

bool LineReader::Next(std::string_view& line) {
  if (position_ >= text_.size()) return false;
  const size_t end = text_.find_first_of("\r\n", position_);
  if (end == std::string_view::npos) {
    line = text_.substr(position_);
    position_ = text_.size();
  } else {
    line = text_.substr(position_, end - position_);
    position_ = end + 1;
    if (text_[end] == '\r' && position_ < text_.size() && text_[position_] == '\n') ++position_;
  }
  ++number_;
  return true;
}

}  // namespace gw
