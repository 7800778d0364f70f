// The help window's text: the README's walk-through and keys, from Markdown into paragraphs a
// person reads in a list, a paragraph a row.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gw {

// Headings become their words; a numbered or bulleted item, or a table row ("Ctrl+S: Save"),
// starts a paragraph of its own; wrapped lines are joined; emphasis and code marks go.
std::vector<std::string> HelpParagraphs(std::string_view markdown);

// The help of this build, made from the README.
std::vector<std::string> ProgramHelp();

}  // namespace gw
