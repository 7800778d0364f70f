#include "import/character_section.h"

#include <algorithm>
#include <unordered_map>

#include "calc/cap_rule.h"
#include "common/text.h"

namespace gw {

namespace {

// The position of `text` in `list`; none when it is none of its entries.
template <class List>
std::optional<int> EntryOf(const List& list, std::string_view text) {
  const auto found = std::find(list.begin(), list.end(), text);
  if (found == list.end()) return std::nullopt;
  return static_cast<int>(found - list.begin());
}

std::string UpperKey(std::string_view text) {
  std::string key;
  for (const char c : text) {
    const bool alphanumeric =
        (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (alphanumeric) {
      key += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    } else if (!key.empty() && key.back() != '_') {
      key += '_';
    }
  }
  while (!key.empty() && key.back() == '_')
    key.pop_back();
  return key;
}

}  // namespace

std::string RowKey(size_t panel, size_t row) {
  const ui::Panel& p = ui::kPanels.at(panel);
  const std::string type = UpperKey(ui::kGemTypes[static_cast<size_t>(p.type)]);
  return p.rows.size() == 1 ? type : type + "_" + UpperKey(p.rows[row]);
}

std::string CapKey(size_t panel, size_t row) {
  return "CAP_" + RowKey(panel, row);
}

std::string PriorityKey(size_t panel, size_t row) {
  return "PRIORITY_" + RowKey(panel, row);
}

namespace {

enum class Field {
  kName,
  kClass,
  kLevel,
  kCrafterName,
  kCrafterLevel,
  kDisplay,
  kEquippedOnly,
  kCap,
  kPriority
};

struct FieldOf {
  Field field;
  size_t row = 0;  // a cap's or a priority's, in kPanels order
};

// Every key of the section, made once.
const std::unordered_map<std::string, FieldOf>& Keys() {
  static const std::unordered_map<std::string, FieldOf> keys = [] {
    std::unordered_map<std::string, FieldOf> k = {
        {std::string(kCharacterNameKey), {Field::kName}},
        {std::string(kCharacterClassKey), {Field::kClass}},
        {std::string(kCharacterLevelKey), {Field::kLevel}},
        {std::string(kCrafterNameKey), {Field::kCrafterName}},
        {std::string(kCrafterLevelKey), {Field::kCrafterLevel}},
        {std::string(kDisplayKey), {Field::kDisplay}},
        {std::string(kEquippedOnlyKey), {Field::kEquippedOnly}},
    };
    size_t at = 0;
    for (size_t p = 0; p < ui::kPanels.size(); ++p) {
      for (size_t row = 0; row < ui::kPanels[p].rows.size(); ++row, ++at) {
        k[CapKey(p, row)] = {Field::kCap, at};
        k[PriorityKey(p, row)] = {Field::kPriority, at};
      }
    }
    // Files written while the focus row was captioned "Mantalism" name it so.
    for (const char* prefix : {"CAP_FOCUS_", "PRIORITY_FOCUS_"})
      k[std::string(prefix) + "MANTALISM"] = k.at(std::string(prefix) + "MENTALISM");
    return k;
  }();
  return keys;
}

// Sets the field of `key` from `value`; the reason it cannot, or nothing.
std::optional<std::string> Set(CharacterSettings& s, const std::string& key, FieldOf of,
                               std::string_view value) {
  const std::string quoted = Quoted(std::string(value));
  switch (of.field) {
    case Field::kName:
      s.name = std::string(value);
      break;
    case Field::kLevel:
      s.level = std::string(value);
      break;
    case Field::kCrafterName:
      s.crafter_name = std::string(value);
      break;
    case Field::kCrafterLevel:
      s.crafter_level = std::string(value);
      break;
    case Field::kClass: {
      const std::optional<int> entry = value.empty() ? -1 : EntryOf(ui::kClasses, value);
      if (!entry) return "class " + quoted + " is not in the class list";
      s.class_choice = entry;
      break;
    }
    case Field::kDisplay:
      if (const std::optional<int> choice = EntryOf(ui::kDisplayChoices, value)) {
        s.distance_to_cap = *choice == 1;
      } else {
        return "display " + quoted + " is neither " + Quoted(std::string(ui::kDisplayChoices[0])) +
               " nor " + Quoted(std::string(ui::kDisplayChoices[1]));
      }
      break;
    case Field::kEquippedOnly:
      if (value != "0" && value != "1") return key + " " + quoted + " is neither 0 nor 1";
      s.equipped_only = value == "1";
      break;
    case Field::kCap:
      if (!IsCapText(value)) return key + " " + quoted + " is not a whole number from 0 to 9999";
      s.caps[of.row] = std::string(value);
      break;
    case Field::kPriority: {
      const std::optional<int> entry = value.empty() ? -1 : EntryOf(ui::kPriorities, value);
      if (!entry) return key + " " + quoted + " is not a priority";
      s.priorities[of.row] = entry;
      break;
    }
  }
  return std::nullopt;
}

}  // namespace

CharacterSettings ReadCharacter(std::string_view text, ImportProblems& problems) {
  CharacterSettings s;
  LineReader lines(text);
  std::string_view line;
  while (lines.Next(line)) {
    // Item lines are most lines, and every key of the section begins with one of these.
    if (line.empty() || std::string_view("CDEP").find(line.front()) == std::string_view::npos ||
        line.substr(0, 4) == "ITEM") {
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string key(line.substr(0, equals));
    const auto found = Keys().find(key);
    if (found == Keys().end()) continue;
    if (const std::optional<std::string> problem =
            Set(s, key, found->second, line.substr(equals + 1))) {
      problems.Add(lines.number(), *problem);
    } else {
      ++s.settings;
    }
  }
  return s;
}

void TransferCharacter(const CharacterSettings& s, ui::MainWindow& w) {
  if (s.name) w.txtName.SetText(*s.name);
  if (s.class_choice) {
    if (*s.class_choice >= 0) {
      w.cboClass.SetListIndex(*s.class_choice);
    } else {
      w.cboClass.Deselect();
    }
  }
  if (s.level) w.cboLevel.SetText(*s.level);
  if (s.crafter_name) w.txtCName.SetText(*s.crafter_name);
  if (s.crafter_level) w.txtCLevel.SetText(*s.crafter_level);
  if (s.distance_to_cap) (*s.distance_to_cap ? w.optCap : w.optTotal).SetValue(true);
  if (s.equipped_only) w.mnuEquippedOnly.SetChecked(*s.equipped_only);
  size_t at = 0;
  for (size_t p = 0; p < ui::kPanels.size(); ++p) {
    const ui::MainWindow::PanelControls<false> panel = w.Panel(p);
    for (size_t row = 0; row < panel.texts.size(); ++row, ++at) {
      if (s.caps[at]) panel.texts[row].SetText(*s.caps[at]);
      if (const std::optional<int> priority = s.priorities[at]) {
        if (*priority >= 0) {
          panel.priorities[row].SetListIndex(*priority);
        } else {
          panel.priorities[row].Deselect();
        }
      }
    }
  }
}

}  // namespace gw
