// Cutting fields out of fixed-column lines and reading text files line by line, the way the
// data files and item set files are written: single-byte text, any of CR LF, CR or LF ending a
// line.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace gw {

// The field of `width` characters from 1-based column `start`, cut short at the end of the line.
std::string_view Mid(std::string_view line, size_t start, size_t width);
// From 1-based column `start` to the end of the line.
std::string_view MidRest(std::string_view line, size_t start);
// Without leading and trailing blanks (spaces only; tabs are kept).
std::string_view Trim(std::string_view text);
// The system's reason for `error_number` (an errno value) in English, like every other message
// of the program, whatever language the environment asks the C library for.
std::string ErrorText(int error_number);
// Whether `bytes` are valid UTF-8: no overlong form, surrogate or code point past U+10FFFF.
bool IsUtf8(std::string_view bytes);
// The text as the program shows it, in UTF-8: valid UTF-8 as it is, any other text each byte one
// Latin-1 character, so that single-byte data and item set files and names typed into the
// program all show as written.
std::string ShownText(std::string_view bytes);
// The text in double quotes, as messages name a file or an item.
std::string Quoted(const std::string& text);

// The largest file the program reads: far beyond any real item set or data file, and small
// enough that reading one whole stays harmless.
inline constexpr uint64_t kMaxFileSize = uint64_t{256} << 20;

// The whole content of a regular file (or of a symbolic link to one), read in one allocation of
// its size. Anything else (a folder, device, pipe or socket), a file over `max_size` bytes and a
// file that cannot be opened or read are FileNotFound errors whose detail names the path and
// the reason. Never blocks: a pipe is refused, not waited on.
std::string ReadWholeFile(const std::filesystem::path& path, uint64_t max_size = kMaxFileSize);

// Splits text into lines; CR LF, CR alone and LF alone each end a line and are not part of it.
// A last line without an ending still counts; empty text has no lines. A UTF-8 byte-order mark
// that an editor put at the very start is no part of the first line.
class LineReader {
 public:
  explicit LineReader(std::string_view text);

  // The next line, valid as long as the text is; false at the end.
  bool Next(std::string_view& line);
  // 1-based number of the line Next last returned.
  int number() const { return number_; }

 private:
  std::string_view text_;
  size_t position_ = 0;
  int number_ = 0;
};

}  // namespace gw
