// Text as a terminal shows it: without the characters a terminal would take as commands, and
// measured in the columns a terminal gives each character, so that the report's columns line up.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace gw {

// `utf8` with every C0 and C1 control character and DEL replaced by "?". Bytes that are not
// valid UTF-8 are kept as they are.
std::string TerminalText(std::string_view utf8);

// The columns `utf8` takes on a terminal: two for an East Asian wide or fullwidth character,
// none for a combining mark or a zero-width character, one for any other; an invalid byte counts
// as one.
size_t DisplayWidth(std::string_view utf8);

// Bytes as the program shows them (ShownText), then as a terminal can: what a column of a
// report or a list holds.
std::string PrintableText(std::string_view bytes);

// `text` with blanks after it, or before it, up to `width` columns.
std::string PadRight(const std::string& text, size_t width);
std::string PadLeft(const std::string& text, size_t width);
// `text` cut to at most `width` columns, a cut text ending in "~" so it is seen to go on.
std::string FitWidth(const std::string& text, size_t width);

}  // namespace gw
