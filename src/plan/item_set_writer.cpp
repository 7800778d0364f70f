#include "plan/item_set_writer.h"

#include <cstdio>

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
  for (int k = 0; k < ui::kItemCount; ++k) {
    const ItemPlan& item = plan.items[static_cast<size_t>(k)];
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
  return std::move(out.text());
}

bool WrittenByThisProgram(std::string_view text) {
  return text.substr(0, kItemSetSignature.size()) == kItemSetSignature;
}

}  // namespace gw
