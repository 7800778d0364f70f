#include "plan/item_set_writer.h"

#include <cstdio>

#include "import/character_section.h"

namespace gw {

namespace {

std::string Key(int item, std::string_view field) {
  char key[16];
  std::snprintf(key, sizeof key, "ITEM%02d", item);
  return key + std::string(field);
}

std::string GemKey(int item, int gem, std::string_view field) {
  return Key(item, "_GEM" + std::to_string(gem) + std::string(field));
}

// A list with nothing chosen is written as its first entry: nothing else reads back.
std::string Choice(int index) {
  return std::to_string(index < 0 ? 0 : index);
}

class Lines {
 public:
  void Add(const std::string& key, std::string_view value) {
    text_ += key;
    text_ += '=';
    text_ += value;
    text_ += "\r\n";
  }
  void Raw(std::string_view line) {
    text_ += line;
    text_ += "\r\n";
  }
  std::string& text() { return text_; }

 private:
  std::string text_;
};

void WriteGem(Lines& out, const ReferenceTables& tables, int k, int g, const ItemPlan& item) {
  const GemPlan& gem = item.gems[static_cast<size_t>(g)];
  out.Add(GemKey(k, g, "_QUALITY"), Choice(gem.quality));
  // A crafted gem's amount is its entry in the amount list; a dropped gem's, the amount itself.
  out.Add(GemKey(k, g, "_LEVEL"), item.crafted ? Choice(gem.amount) : gem.amount_text);
  // "Unused" needs no line: an import starts from an empty staging table.
  if (gem.type <= ui::kUnused) return;
  if (const std::optional<std::string> id = GemIdentifier(tables, gem.type, gem.effect)) {
    out.Add(GemKey(k, g, "_GEM_ID"), *id);
  }
}

// Every field of the character, so that the file opens to the same character whatever was open.
void WriteCharacter(Lines& out, const Plan& plan) {
  const CharacterPlan& c = plan.character;
  auto entry = [](const auto& list, int choice) {
    return choice < 0 ? std::string() : std::string(list[static_cast<size_t>(choice)]);
  };
  out.Raw(kCharacterHeader);
  out.Add(std::string(kCharacterNameKey), c.name);
  out.Add(std::string(kCharacterClassKey), entry(ui::kClasses, c.class_choice));
  out.Add(std::string(kCharacterLevelKey), c.level);
  out.Add(std::string(kCrafterNameKey), c.crafter_name);
  out.Add(std::string(kCrafterLevelKey), plan.crafter_level);
  out.Add(std::string(kDisplayKey), ui::kDisplayChoices[c.distance_to_cap]);
  out.Add(std::string(kEquippedOnlyKey), c.equipped_only ? "1" : "0");
  size_t at = 0;
  for (size_t p = 0; p < ui::kPanels.size(); ++p) {
    for (size_t row = 0; row < ui::kPanels[p].rows.size(); ++row, ++at) {
      out.Add(CapKey(p, row), c.caps[at]);
      out.Add(PriorityKey(p, row), entry(ui::kPriorities, c.priorities[at]));
    }
  }
}

void WriteItem(Lines& out, const ReferenceTables& tables, int k, const ItemPlan& item) {
  out.Raw("[" + std::string(ui::kItemNames[static_cast<size_t>(k)]) + "]");
  out.Add(Key(k, "_NAME"), item.name);
  out.Add(Key(k, "_QUALITY"), Choice(item.quality));
  out.Add(Key(k, "_LEVEL"), item.level);
  out.Add(Key(k, "_EQUIPPED"), item.equipped ? "1" : "0");
  out.Add(Key(k, "_PLAYER_MADE"), item.crafted ? "1" : "0");
  out.Add(Key(k, "_DPS"), item.af_dps);
  out.Add(Key(k, "_SPEED"), item.speed);
  out.Add(Key(k, "_BONUS"), item.bonus);
  for (int g = 0; g < ui::kGemsPerItem; ++g)
    WriteGem(out, tables, k, g, item);
}

}  // namespace

std::optional<std::string> GemIdentifier(const ReferenceTables& tables, int type, int effect) {
  for (int i = 1; i <= kGemIds; ++i) {
    const GemIdRecord& record = tables.GemIdList(i);
    if (record.GemId.empty() || record.GemType != type || record.EffectIndex != effect) continue;
    bool last = true;
    for (int j = i + 1; j <= kGemIds && last; ++j)
      last = tables.GemIdList(j).GemId != record.GemId;
    if (last) return record.GemId;
  }
  return std::nullopt;
}

std::string WriteItemSet(const Plan& plan, const ReferenceTables& tables) {
  Lines out;
  out.Raw(std::string(kItemSetSignature) + ", version " + GW_VERSION);
  WriteCharacter(out, plan);
  for (int k = 0; k < ui::kItemCount; ++k)
    WriteItem(out, tables, k, plan.items[static_cast<size_t>(k)]);
  return std::move(out.text());
}

std::string WriteItemFile(const ItemPlan& item, int k, const ReferenceTables& tables) {
  Lines out;
  out.Raw(std::string(kItemSetSignature) + ", version " + GW_VERSION);
  WriteItem(out, tables, k, item);
  return std::move(out.text());
}

bool WrittenByThisProgram(std::string_view text) {
  return text.substr(0, kItemSetSignature.size()) == kItemSetSignature;
}

}  // namespace gw
