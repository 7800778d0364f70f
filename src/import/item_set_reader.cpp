#include "import/item_set_reader.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "common/convert.h"
#include "common/text.h"
#include "data/data_files.h"
#include "data/reference_tables.h"

namespace gw {

namespace {

constexpr int kMaxQualityChoice = 6;

// An identifier as a message names it: a line of any length may hold one, so a long one is cut
// short (never inside a UTF-8 character) rather than copied whole into every report.
std::string ShownIdentifier(std::string_view id) {
  constexpr size_t kLongest = 40;
  if (id.size() <= kLongest) return Quoted(std::string(id));
  size_t end = kLongest;
  while (end > 0 && (static_cast<unsigned char>(id[end]) & 0xC0) == 0x80)
    --end;
  return Quoted(std::string(id.substr(0, end)) + "...");
}

// What follows the first "=" of a line; the whole line when it has none.
std::string_view ValueOf(std::string_view line) {
  const size_t equals = line.find('=');
  return equals == std::string_view::npos ? line : line.substr(equals + 1);
}

// What stands before the first "=" of a line; the whole line when it has none.
std::string_view KeyOf(std::string_view line) {
  return line.substr(0, line.find('='));
}

// One "ITEM" line: its numbers, its value, and the rules that apply to it.
class ItemLine {
 public:
  ItemLine(std::string_view line, int number, ItemSetReading& reading)
      : line_(line),
        number_(number),
        reading_(reading),
        item_(ToInt16(ParseNumber(Mid(line, 5, 2)))),
        value_(ValueOf(line)),
        // The markers belong to the key: a name such as "Blade of _LEVEL" sets no level. A line
        // without "=" has no separate key and is searched whole.
        key_(KeyOf(line)),
        number_value_(ParseNumber(value_)) {}

  bool Has(std::string_view marker) const { return key_.find(marker) != std::string_view::npos; }
  std::string_view value() const { return value_; }
  double number() const { return number_value_; }

  // The item this line sets, or nothing (reported once per line) when its number is not 0..18.
  ImportedItem* Item() {
    if (item_ < 0 || item_ >= ui::kItemCount) {
      Report("item number " + std::to_string(item_) + " is outside 0..18");
      return nullptr;
    }
    return &reading_.ImportedItems[static_cast<size_t>(item_)];
  }

  // The gem this line sets: the digit after the first "_GEM" (a non-digit is gem 0).
  ImportedGem* Gem() {
    ImportedItem* item = Item();
    if (item == nullptr) return nullptr;
    const size_t marker = key_.find("_GEM");
    const int gem = ToInt16(ParseNumber(Mid(line_, marker + 5, 1)));
    if (gem < 0 || gem >= ui::kGemsPerItem) {
      Report("gem number " + std::to_string(gem) + " is outside 0..3");
      return nullptr;
    }
    gem_ = gem;
    return &item->Gems[static_cast<size_t>(gem)];
  }
  GemSourceLines& Sources() {
    return reading_.sources[static_cast<size_t>(item_)][static_cast<size_t>(gem_)];
  }

  std::optional<uint8_t> Byte(const char* field) {
    return Converted(field, TryToByte(number_value_), NumberKind::Byte);
  }
  std::optional<uint8_t> Quality(const char* field) {
    const std::optional<uint8_t> quality = Byte(field);
    if (quality && *quality > kMaxQualityChoice) {
      Report(std::string(field) + " " + std::to_string(*quality) +
             " is outside 0..6 (94% to 100%)");
      return std::nullopt;
    }
    return quality;
  }
  std::optional<float> Single(const char* field) {
    return Converted(field, TryToSingle(number_value_), NumberKind::Single);
  }

  int number_of_line() const { return number_; }

  // A value of the line that cannot be used.
  void Report(std::string reason) {
    if (reported_) return;  // one report per line: the rest of it addresses the same place
    reported_ = true;
    reading_.problems.Add(number_, std::move(reason));
  }

  // Stores a value the line sets, and counts it.
  template <class Field, class Value>
  void Set(Field& field, Value value) {
    field = std::move(value);
    ++reading_.settings;
    if (item_ >= 0 && item_ < ui::kItemCount) reading_.items_set[static_cast<size_t>(item_)] = true;
  }

 private:
  // The line's number converted; a value the conversion refuses is reported and skipped.
  template <class Result>
  std::optional<Result> Converted(const char* field, std::optional<Result> value, NumberKind kind) {
    if (!value) Report(std::string(field) + " " + OverflowDetail(number_value_, kind));
    return value;
  }

  std::string_view line_;
  int number_;
  ItemSetReading& reading_;
  int item_;
  int gem_ = 0;  // set by Gem()
  std::string_view value_;
  std::string_view key_;
  double number_value_;
  bool reported_ = false;
};

void ApplyItemRules(ItemLine& line, bool gem_line) {
  if (line.Has("_QUALITY") && !gem_line) {
    if (ImportedItem* item = line.Item()) {
      if (auto q = line.Quality("item quality")) line.Set(item->ItemQuality, *q);
    }
  }
  if (line.Has("_LEVEL") && !gem_line) {
    if (ImportedItem* item = line.Item()) {
      if (auto level = line.Byte("item level")) line.Set(item->ItemLevel, *level);
    }
  }
  if (line.Has("_EQUIPPED")) {
    if (ImportedItem* item = line.Item()) line.Set(item->Equipped, line.number() == 1);
  }
  if (line.Has("_PLAYER_MADE")) {
    if (ImportedItem* item = line.Item()) line.Set(item->PlayerMade, line.number() == 1);
  }
  if (line.Has("_DPS")) {
    if (ImportedItem* item = line.Item()) {
      if (auto v = line.Single("AF/DPS")) line.Set(item->AfDps, *v);
    }
  }
  if (line.Has("_SPEED")) {
    if (ImportedItem* item = line.Item()) {
      if (auto v = line.Single("speed")) line.Set(item->Speed, *v);
    }
  }
  if (line.Has("_BONUS")) {
    if (ImportedItem* item = line.Item()) {
      if (auto v = line.Single("bonus")) line.Set(item->Bonus, *v);
    }
  }
  if (line.Has("_NAME")) {
    if (ImportedItem* item = line.Item()) line.Set(item->ItemName, std::string(line.value()));
  }
}

void ApplyGemRules(ItemLine& line, const ReferenceTables& tables) {
  if (line.Has("_QUALITY")) {
    if (ImportedGem* gem = line.Gem()) {
      if (auto q = line.Quality("gem quality")) line.Set(gem->GemQuality, *q);
    }
  }
  if (line.Has("_LEVEL")) {
    if (ImportedGem* gem = line.Gem()) {
      if (auto code = line.Byte("gem level")) {
        line.Set(gem->AmountCode, *code);
        line.Sources().amount_code = line.number_of_line();
      }
    }
  }
  if (line.Has("GEM_ID")) {
    // Every equal identifier is applied in list order, so the last one wins. An unknown
    // identifier changes nothing, but is reported: a typo would otherwise leave the gem as it
    // was without a word.
    const std::string_view id = Trim(line.value());
    bool known = false;
    for (int i = 1; i <= kGemIds; ++i) {
      const GemIdRecord& record = tables.GemIdList(i);
      if (record.GemId != id) continue;
      known = true;
      ImportedGem* gem = line.Gem();
      if (gem == nullptr) break;
      line.Set(gem->GemType, record.GemType);
      line.Set(gem->EffectIndex, static_cast<int16_t>(record.EffectIndex));
      line.Sources().gem_id = line.number_of_line();
    }
    if (!known) {
      line.Report("gem identifier " + ShownIdentifier(id) + " is not in " +
                  std::string(FileName(DataFile::Velmora)));
    }
  }
}

}  // namespace

ItemSetReading ReadItemSet(std::string_view text, const ReferenceTables& tables) {
  ItemSetReading reading;
  reading.first_line = text.substr(0, std::min(text.find_first_of("\r\n"), kFirstLineKept));
  LineReader lines(text);
  std::string_view line;
  while (lines.Next(line)) {
    if (line.substr(0, 4) != "ITEM") continue;
    reading.has_item_lines = true;
    ItemLine item_line(line, lines.number(), reading);
    const bool gem_line = item_line.Has("_GEM");
    ApplyItemRules(item_line, gem_line);
    if (gem_line) ApplyGemRules(item_line, tables);
  }
  reading.character = ReadCharacter(text, reading.problems);
  reading.settings += reading.character.settings;
  return reading;
}

ItemSetReading ReadItemSetFile(const std::filesystem::path& path, const ReferenceTables& tables) {
  const std::string text = ReadWholeFile(path);
  return ReadItemSet(text, tables);
}

}  // namespace gw
