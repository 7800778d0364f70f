// The fixed lists and captions both windows show: gem types, qualities, item tabs and the rows of
// the character panels. A row's position is the effect index of the matching gem type.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace gw::ui {

inline constexpr int kItemCount = 19;
inline constexpr int kGemsPerItem = 4;
inline constexpr int kGemSlotCount = kItemCount * kGemsPerItem;

// Gem slot number of gem row `row` (0..3, top to bottom) of item `item`, and back.
constexpr int GemSlot(int item, int row) {
  return kGemsPerItem * item + row;
}
constexpr int ItemOfSlot(int slot) {
  return slot / kGemsPerItem;
}
constexpr int RowOfSlot(int slot) {
  return slot % kGemsPerItem;
}

// Position in the list is the gem type number.
inline constexpr std::array<std::string_view, 7> kGemTypes = {"Unused", "Stat",  "Resist", "Hits",
                                                              "Power",  "Focus", "Skill"};
enum GemType : int { kUnused = 0, kStat, kResist, kHits, kPower, kFocus, kSkill };

// Position in the list is the quality choice.
inline constexpr std::array<std::string_view, 7> kQualities = {"94%", "95%", "96%", "97%",
                                                               "98%", "99%", "100%"};

inline constexpr std::array<std::string_view, kItemCount> kItemNames = {
    "Chest",     "Arms",      "Head",       "Legs",       "Hands",      "Feet",  "Right Hand",
    "Left Hand", "2 Handed",  "Ranged",     "Spare",      "Neck",       "Cloak", "Jewel",
    "Belt",      "Left Ring", "Right Ring", "Left Wrist", "Right Wrist"};

inline constexpr std::array<std::string_view, 13> kClasses = {
    "Animist", "Bard",      "Blademaster", "Champion", "Druid",      "Eldritch", "Enchanter",
    "Hero",    "Mentalist", "Nightshade",  "Ranger",   "Valewalker", "Warden"};

inline constexpr std::array<std::string_view, 4> kPriorities = {"-", "High", "Med.", "Low"};

// How the panels show their totals: position 1 is the distance to each cap.
inline constexpr std::array<std::string_view, 2> kDisplayChoices = {"Total Bonus",
                                                                    "Distance to Cap"};

inline constexpr std::array<std::string_view, 8> kStatRows = {"STR", "CON", "DEX", "QUI",
                                                              "INT", "PIE", "CHA", "EMP"};
inline constexpr std::array<std::string_view, 9> kResistRows = {
    "Body", "Cold", "Heat", "Energy", "Matter", "Spirit", "Crush", "Thrust", "Slash"};
inline constexpr std::array<std::string_view, 8> kFocusRows = {
    "Enchant.", "Light", "Mana", "Mentalism", "Void", "Arboreal", "Creeping", "Verdant"};
inline constexpr std::array<std::string_view, 26> kSkillRows = {
    "Blades",   "Blunt",    "Celt. Dual", "C. Spear",  "C. Strike", "Enchant.", "Envenom",
    "L. Weap.", "Light",    "Mana",       "Mentalism", "Music",     "Nature",   "Nurture",
    "Parry",    "Piercing", "Rec. Bow",   "Regrowth",  "Shield",    "Stealth",  "Valor",
    "Void",     "Arboreal", "Creeping",   "Scythe",    "Verdant"};

inline constexpr std::array<std::string_view, 1> kHitsRows = {"Hits"};
inline constexpr std::array<std::string_view, 1> kPowerRows = {"Power"};

// One character panel: the gem type whose gems it counts and its row captions in row order. Row i
// shows effect index i of that type, so a type's effect list has one entry per row.
struct Panel {
  GemType type;
  std::span<const std::string_view> rows;
};

// The panels in the order of their value labels.
inline constexpr std::array<Panel, 6> kPanels = {{{kStat, kStatRows},
                                                  {kResist, kResistRows},
                                                  {kHits, kHitsRows},
                                                  {kPower, kPowerRows},
                                                  {kFocus, kFocusRows},
                                                  {kSkill, kSkillRows}}};

// The position in kPanels of a gem type's panel; none for "Unused" or a number that is no type.
constexpr std::optional<size_t> PanelIndex(int gem_type) {
  for (size_t p = 0; p < kPanels.size(); ++p) {
    if (kPanels[p].type == gem_type) return p;
  }
  return std::nullopt;
}

// The row captions of a gem type's panel; none for "Unused" or a number that is no type.
constexpr std::span<const std::string_view> PanelRows(int gem_type) {
  const std::optional<size_t> p = PanelIndex(gem_type);
  return p ? kPanels[*p].rows : std::span<const std::string_view>();
}

// How many effects a type's list holds: one per row of its panel.
constexpr int EffectCount(int gem_type) {
  return static_cast<int>(PanelRows(gem_type).size());
}

// The rows of every panel together, in kPanels order: one cap and one priority each.
inline constexpr size_t kPanelRowCount = [] {
  size_t rows = 0;
  for (const Panel& panel : kPanels)
    rows += panel.rows.size();
  return rows;
}();

// The most rows a panel has.
inline constexpr size_t kMaxPanelRows = kSkillRows.size();

// The gem type number of an exact, case-sensitive type name ("Unused" .. "Skill").
constexpr std::optional<int> GemTypeNumber(std::string_view type_name) {
  for (size_t t = 0; t < kGemTypes.size(); ++t) {
    if (kGemTypes[t] == type_name) return static_cast<int>(t);
  }
  return std::nullopt;
}

// Item kinds of the search window.
inline constexpr std::array<std::string_view, 6> kSearchItemKinds = {"Neck", "Cloak", "Jewel",
                                                                     "Belt", "Ring",  "Wrist"};

}  // namespace gw::ui
