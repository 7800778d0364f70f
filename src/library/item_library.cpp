#include "library/item_library.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>
#include <tuple>

#include "common/error.h"
#include "import/item_set_reader.h"
#include "import/item_set_transfer.h"
#include "ui/lists.h"

namespace gw {

std::filesystem::path ItemLibraryFolder() {
  const char* data_home = std::getenv("XDG_DATA_HOME");
  std::filesystem::path data;
  if (data_home != nullptr && std::filesystem::path(data_home).is_absolute()) {
    data = data_home;
  } else {
    const char* home = std::getenv("HOME");
    data = std::filesystem::path(home != nullptr ? home : "") / ".local" / "share";
  }
  return data / "gemwright-workshop" / "items";
}

bool IsOfKind(int k, std::string_view kind) {
  if (kind.empty()) return true;
  const std::string_view tab = ui::kItemNames[static_cast<size_t>(k)];
  if (kind == "Ring" || kind == "Wrist") return tab.ends_with(" " + std::string(kind));
  return tab == kind;
}

namespace {

// The item of the file's section `k`, when it is of the kind and carries every effect wanted.
bool Weigh(const ImportedItem& item, const LibraryQuery& query, const ReferenceTables& tables,
           LibraryItem& weighed) {
  weighed.amounts.assign(query.effects.size(), 0.0);
  for (int g = 0; g < ui::kGemsPerItem; ++g) {
    const std::optional<AddedAmount> added = AmountAdded(item, g, tables);
    if (!added) continue;
    for (size_t r = 0; r < query.effects.size(); ++r) {
      const EffectWanted& wanted = query.effects[r];
      if (added->type == wanted.type && added->effect == wanted.effect)
        weighed.amounts[r] += added->amount;
    }
  }
  weighed.score = 0;
  for (size_t r = 0; r < query.effects.size(); ++r) {
    const double amount = weighed.amounts[r];
    if (amount <= 0 || amount < query.effects[r].at_least) return false;
    weighed.score += amount;
  }
  weighed.name = item.ItemName;
  return true;
}

}  // namespace

LibrarySearch SearchLibrary(const std::filesystem::path& folder, const LibraryQuery& query,
                            const ReferenceTables& tables) {
  LibrarySearch search;
  std::error_code error;
  std::filesystem::directory_iterator it(folder, error);
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    const std::filesystem::path& path = it->path();
    const std::string name = path.filename().string();
    std::error_code kind_error;
    if (name.starts_with('.') || it->is_directory(kind_error)) continue;
    ++search.files;
    ItemSetReading reading;
    try {
      reading = ReadItemSetFile(path, tables);
    } catch (const RuntimeError&) {
      search.unreadable.push_back(name);
      continue;
    }
    if (std::none_of(reading.items_set.begin(), reading.items_set.end(),
                     [](bool set) { return set; })) {
      search.unreadable.push_back(name);
      continue;
    }
    for (int k = 0; k < ui::kItemCount; ++k) {
      if (!reading.items_set[static_cast<size_t>(k)] || !IsOfKind(k, query.kind)) continue;
      LibraryItem weighed;
      weighed.file = path;
      weighed.item = k;
      if (Weigh(reading.ImportedItems[static_cast<size_t>(k)], query, tables, weighed))
        search.found.push_back(std::move(weighed));
    }
  }
  std::sort(search.found.begin(), search.found.end(),
            [](const LibraryItem& a, const LibraryItem& b) {
              return std::tie(b.score, a.name, a.file, a.item) <
                     std::tie(a.score, b.name, b.file, b.item);
            });
  std::sort(search.unreadable.begin(), search.unreadable.end());
  return search;
}

}  // namespace gw
