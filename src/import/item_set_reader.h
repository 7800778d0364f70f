// Reading an item set file into the staging table. Only lines that begin with "ITEM" count;
// marker texts anywhere in a line decide which fields it sets, and the last line wins.
#pragma once

#include <array>

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "data/reference_tables.h"
#include "import/character_section.h"
#include "import/import_problems.h"
#include "import/imported_items.h"

namespace gw {

struct ItemSetReading {
  // Starts all zeros, false and empty for every file.
  ImportedItemTable ImportedItems{};
  ImportSourceLines sources{};
  // False when no line begins with "ITEM": not an item set at all.
  bool has_item_lines = false;
  // How many values the file set; none means there is nothing to import.
  int settings = 0;
  // The items the file set a value of.
  std::array<bool, ui::kItemCount> items_set{};
  ImportProblems problems;
  // What the file sets of the character (its settings are counted in `settings` too).
  CharacterSettings character;
  // The file's first line as its bytes stand (a byte order mark included), cut at
  // kFirstLineKept bytes: enough to know who wrote the file without opening it again.
  std::string first_line;
};

inline constexpr size_t kFirstLineKept = 256;

// Values outside what the table and the window's lists can hold are skipped and reported.
ItemSetReading ReadItemSet(std::string_view text, const ReferenceTables& tables);
// A file that cannot be opened or read is a FileNotFound error naming it.
ItemSetReading ReadItemSetFile(const std::filesystem::path& path, const ReferenceTables& tables);

}  // namespace gw
