#include "app/help_text.h"

#include "common/text.h"
#include "readme_help.h"

namespace gw {

namespace {

std::string Plain(std::string_view text) {
  std::string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '`') continue;
    if (text.substr(i, 2) == "**") {
      ++i;
      continue;
    }
    plain += text[i];
  }
  return plain;
}

bool StartsItem(std::string_view line) {
  if (line.starts_with("- ")) return true;
  const size_t digits = line.find_first_not_of("0123456789");
  return digits > 0 && digits != std::string_view::npos && line.substr(digits, 2) == ". ";
}

// "| Ctrl+S | Save |" as "Ctrl+S: Save"; nothing for the row under the heading row.
std::string TableRow(std::string_view line) {
  std::vector<std::string> cells;
  size_t at = 1;
  while (at < line.size()) {
    size_t bar = line.find('|', at);
    if (bar == std::string_view::npos) bar = line.size();
    cells.emplace_back(Trim(line.substr(at, bar - at)));
    at = bar + 1;
  }
  if (cells.empty() || cells.front().find_first_not_of("-: ") == std::string::npos) return {};
  std::string row = cells.front();
  for (size_t c = 1; c < cells.size(); ++c)
    row += (c == 1 ? ": " : ", ") + cells[c];
  return row;
}

}  // namespace

std::vector<std::string> HelpParagraphs(std::string_view markdown) {
  std::vector<std::string> paragraphs;
  std::string open;  // the paragraph being joined
  const auto close = [&] {
    if (!open.empty()) paragraphs.push_back(Plain(open));
    open.clear();
  };
  while (!markdown.empty()) {
    const size_t end = markdown.find('\n');
    const std::string_view line = Trim(markdown.substr(0, end));
    markdown.remove_prefix(end == std::string_view::npos ? markdown.size() : end + 1);
    if (line.empty()) {
      close();
    } else if (line.starts_with("#")) {
      close();
      open = Trim(line.substr(line.find_first_not_of('#')));
      close();
    } else if (line.starts_with("|")) {
      close();
      open = TableRow(line);
      close();
    } else if (StartsItem(line)) {
      close();
      open = line.starts_with("- ") ? "\u2022 " + std::string(line.substr(2)) : std::string(line);
    } else {
      open += (open.empty() ? "" : " ") + std::string(line);
    }
  }
  close();
  return paragraphs;
}

std::vector<std::string> ProgramHelp() {
  return HelpParagraphs(kReadmeHelp);
}

}  // namespace gw
