// The item library: item files in the user's data folder, each an ordinary item set. A search
// reads the folder afresh, keeps the items of the kind asked for whose gems carry every effect
// asked for, and ranks them by how much of those effects they give.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "data/reference_tables.h"

namespace gw {

// "gemwright-workshop/items" in the user's data folder ($XDG_DATA_HOME, or ~/.local/share when
// that is unset or not an absolute path). Nothing is created here.
std::filesystem::path ItemLibraryFolder();

// Whether item `k` (its tab) is of a search kind: "" is any item; "Ring" and "Wrist" are either
// ring or wrist; any other kind is the tab of that caption.
bool IsOfKind(int k, std::string_view kind);

// One row of the search: an effect (gem type and panel row) that an item must carry, adding at
// least `at_least` to the character totals (0: any amount).
struct EffectWanted {
  int type = 0;
  int effect = 0;
  int at_least = 0;
};

struct LibraryQuery {
  std::string kind;
  std::vector<EffectWanted> effects;
};

struct LibraryItem {
  std::filesystem::path file;
  int item = 0;  // its tab in the file, the section it was read from
  std::string name;
  std::vector<double> amounts;  // what it adds of each effect wanted, in the query's order
  double score = 0;             // their sum
};

struct LibrarySearch {
  std::vector<LibraryItem> found;       // best first: the largest score, then by name and file
  int files = 0;                        // the files the library holds, read or not
  std::vector<std::string> unreadable;  // the names of those that cannot be read or set no item
};

// Hidden files (a save's temporaries among them) are not the library's; a missing folder is an
// empty library.
LibrarySearch SearchLibrary(const std::filesystem::path& folder, const LibraryQuery& query,
                            const ReferenceTables& tables);

}  // namespace gw
