// The character section of an item set: the character's and the crafter's names and levels, how
// the totals are read (display, equipped only) and each panel row's cap and priority. Its keys
// never begin with "ITEM", so a reader that counts only item lines passes them by and no item
// marker can be read in them. A file that does not set a field leaves it as it is.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "import/import_problems.h"
#include "ui/lists.h"
#include "ui/main_window.h"

namespace gw {

inline constexpr std::string_view kCharacterHeader = "[Character]";
inline constexpr std::string_view kCharacterNameKey = "CHARACTER_NAME";
inline constexpr std::string_view kCharacterClassKey = "CHARACTER_CLASS";
inline constexpr std::string_view kCharacterLevelKey = "CHARACTER_LEVEL";
inline constexpr std::string_view kCrafterNameKey = "CRAFTER_NAME";
inline constexpr std::string_view kCrafterLevelKey = "CRAFTER_LEVEL";
inline constexpr std::string_view kDisplayKey = "DISPLAY";
inline constexpr std::string_view kEquippedOnlyKey = "EQUIPPED_ONLY";

// "STAT_STR", "SKILL_CELT_DUAL", "HITS": a panel row's part of its cap and priority keys, from the
// panel's gem type and the row's caption (upper case, every run of other characters one "_").
// Renaming a row's caption renames its keys: keep the old ones readable then.
std::string RowKey(size_t panel, size_t row);
std::string CapKey(size_t panel, size_t row);       // "CAP_STAT_STR"
std::string PriorityKey(size_t panel, size_t row);  // "PRIORITY_STAT_STR"

// What a file sets of the character; per panel row in kPanels order.
struct CharacterSettings {
  std::optional<std::string> name, level, crafter_name, crafter_level;
  std::optional<int> class_choice;  // -1: none
  std::optional<bool> distance_to_cap, equipped_only;
  std::array<std::optional<std::string>, ui::kPanelRowCount> caps;
  std::array<std::optional<int>, ui::kPanelRowCount> priorities;  // -1: none
  int settings = 0;                                               // how many fields the file set
};

// Reads every line of the form KEY=value whose key is one of the section's (wherever the line
// stands; the last one wins). A value the window cannot hold is skipped and reported by line.
CharacterSettings ReadCharacter(std::string_view text, ImportProblems& problems);

// Writes what was set into the window's controls, without events: whoever writes the items next
// evaluates them and the totals.
void TransferCharacter(const CharacterSettings& settings, ui::MainWindow& window);

}  // namespace gw
