#include "common/text.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/error.h"

namespace gw {

std::string ErrorText(int error_number) {
  const char* text = ::strerrordesc_np(error_number);
  return text != nullptr ? text : "error " + std::to_string(error_number);
}

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

namespace {

// Length of the UTF-8 sequence at `at`, or 0 when it is not a valid one.
size_t Utf8SequenceAt(std::string_view s, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<uint8_t>(s[i]); };
  const uint8_t lead = byte(at);
  if (lead < 0x80) return 1;
  // Below C2: a continuation byte or the lead of an overlong form; above F4: past U+10FFFF.
  if (lead < 0xC2 || lead > 0xF4) return 0;
  const size_t length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (at + length > s.size()) return 0;
  // The second byte's range is narrower after E0 and F0 (overlong forms), ED (surrogates) and F4
  // (past U+10FFFF).
  const uint8_t low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
  const uint8_t high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
  if (byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

bool IsUtf8(std::string_view bytes) {
  for (size_t at = 0; at < bytes.size();) {
    const size_t length = Utf8SequenceAt(bytes, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::string ShownText(std::string_view bytes) {
  if (IsUtf8(bytes)) return std::string(bytes);
  std::string text;
  for (const char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (u >> 6));
      text += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return text;
}

std::string Quoted(const std::string& text) {
  // Appended piece by piece: GCC 12 in a Release build warns, falsely, of an overlapping copy in
  // a literal joined to a temporary string.
  std::string quoted = "\"";
  quoted += text;
  quoted += '"';
  return quoted;
}

namespace {

// What a path that is no regular file turned out to be, for the message.
const char* KindOfFile(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISFIFO(mode)) return "a named pipe";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a regular file";
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::string ReadWholeFile(const std::filesystem::path& path, uint64_t max_size) {
  auto fail = [&](const std::string& reason) {
    return RuntimeError(ErrorKind::FileNotFound,
                        path.string() + " cannot be read (" + reason + ")");
  };
  // Non-blocking, so that opening a pipe returns at once; what was opened is then checked by its
  // descriptor, so nothing can be swapped in between the check and the read.
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.get() < 0) throw fail(ErrorText(errno));
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) throw fail(ErrorText(errno));
  if (!S_ISREG(info.st_mode)) throw fail(std::string("it is ") + KindOfFile(info.st_mode));
  const auto too_large = [&] {
    return fail("it is larger than " + std::to_string(max_size >> 20) + " MB");
  };
  if (static_cast<uint64_t>(info.st_size) > max_size) throw too_large();

  // One allocation of the measured size. Should the file have grown since, what follows is read
  // in pieces and appended, within the limit.
  std::string content(static_cast<size_t>(info.st_size), '\0');
  size_t got = 0;
  char more[4096];
  for (;;) {
    const bool past_measured = got == content.size();
    char* into = past_measured ? more : content.data() + got;
    const ssize_t n = ::read(file.get(), into, past_measured ? sizeof more : content.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw fail(ErrorText(errno));
    }
    if (n == 0) break;
    if (past_measured) {
      if (content.size() + static_cast<size_t>(n) > max_size) throw too_large();
      content.append(more, static_cast<size_t>(n));
    }
    got += static_cast<size_t>(n);
  }
  content.resize(got);
  return content;
}

LineReader::LineReader(std::string_view text) : text_(text) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text_.substr(0, kByteOrderMark.size()) == kByteOrderMark) position_ = kByteOrderMark.size();
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
