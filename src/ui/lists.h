// The fixed lists and captions both windows show: gem types, qualities, item tabs and the rows of
// the character panels. A row's position is the effect index of the matching gem type.
#pragma once

#include <array>
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

inline constexpr std::array<std::string_view, 8> kStatRows = {"STR", "CON", "DEX", "QUI",
                                                              "INT", "PIE", "CHA", "EMP"};
inline constexpr std::array<std::string_view, 9> kResistRows = {
    "Body", "Cold", "Heat", "Energy", "Matter", "Spirit", "Crush", "Thrust", "Slash"};
inline constexpr std::array<std::string_view, 8> kFocusRows = {
    "Enchant.", "Light", "Mana", "Mantalism", "Void", "Arboreal", "Creeping", "Verdant"};
inline constexpr std::array<std::string_view, 26> kSkillRows = {
    "Blades",   "Blunt",    "Celt. Dual", "C. Spear",  "C. Strike", "Enchant.", "Envenom",
    "L. Weap.", "Light",    "Mana",       "Mentalism", "Music",     "Nature",   "Nurture",
    "Parry",    "Piercing", "Rec. Bow",   "Regrowth",  "Shield",    "Stealth",  "Valor",
    "Void",     "Arboreal", "Creeping",   "Scythe",    "Verdant"};

// Item kinds of the search window.
inline constexpr std::array<std::string_view, 6> kSearchItemKinds = {"Neck", "Cloak", "Jewel",
                                                                     "Belt", "Ring",  "Wrist"};

}  // namespace gw::ui
