#include "report/data_check.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <optional>
#include <span>
#include <utility>

#include "common/convert.h"
#include "common/text.h"
#include "data/reference_tables.h"
#include "ui/lists.h"

namespace gw::report {

namespace {

// The columns of the number fields, as the readers in data/data_files.cpp cut them.
struct NumberField {
  size_t start;
  size_t width;
  const char* name;
};
constexpr NumberField kImbuePointFields[] = {{1, 2, "94%"},  {4, 2, "95%"},  {7, 2, "96%"},
                                             {10, 2, "97%"}, {13, 2, "98%"}, {16, 2, "99%"},
                                             {19, 2, "100%"}};
constexpr NumberField kGemLevelFields[] = {{16, 7, "UnitPrice"}, {24, 1, "UnitCount"}};
constexpr NumberField kGemAmountFields[] = {
    {1, 2, "CostUnitsA"}, {4, 2, "CostUnitsB"}, {7, 2, "SpareValue"}, {10, 2, "Amount"}};
constexpr size_t kLevelNameStart = 6, kLevelNameWidth = 9;
constexpr size_t kEffectNameStart = 4, kEffectNameWidth = 15;
constexpr size_t kSuffixStart = 74;

std::string Columns(size_t start, size_t width) {
  if (width == 1) return "column " + std::to_string(start);
  return "columns " + std::to_string(start) + "-" + std::to_string(start + width - 1);
}

// "levels 8 to 10", "level 10".
std::string Span(const char* one, const char* many, int first, int last) {
  if (first == last) return std::string(one) + " " + std::to_string(first);
  return std::string(many) + " " + std::to_string(first) + " to " + std::to_string(last);
}

// "1 effect", "8 effects".
std::string Count(int n, const char* noun) {
  return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A number as it would be written on purpose: a sign, digits with at most one ".", an exponent.
// Anything else reads as its leading number, or as 0, and is probably a slip (a letter for a
// digit, a number moved into the next field, blanks inside it).
bool IsNumber(std::string_view text) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool digit = false, point = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      digit = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!digit) return false;
  if (i < text.size() && std::string_view("EeDd").find(text[i]) != std::string_view::npos) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i == text.size()) return false;
    while (i < text.size() && IsDigit(text[i]))
      ++i;
  }
  return i == text.size();
}

std::string TypeName(int type) {
  return std::string(ui::kGemTypes[static_cast<size_t>(type)]);
}

std::string SectionName(int type) {
  return "section [" + std::to_string(type) + "] (" + TypeName(type) + ")";
}

// "effects 20 to 25 (Void to Verdant)": effect indexes and the panel rows that show them.
std::string Effects(int type, int first, int last) {
  const std::span<const std::string_view> rows = ui::PanelRows(type);
  std::string text =
      Span("effect", "effects", first, last) + " (" + std::string(rows[static_cast<size_t>(first)]);
  if (last != first) text += " to " + std::string(rows[static_cast<size_t>(last)]);
  return text + ")";
}

// The runs of entries first..last that no line filled, as (first, last) pairs.
std::vector<std::pair<int, int>> Gaps(const std::vector<bool>& filled, int first, int last) {
  std::vector<std::pair<int, int>> gaps;
  for (int i = first; i <= last; ++i) {
    if (filled[static_cast<size_t>(i)]) continue;
    if (!gaps.empty() && gaps.back().second == i - 1) {
      gaps.back().second = i;
    } else {
      gaps.push_back({i, i});
    }
  }
  return gaps;
}

class Checker {
 public:
  explicit Checker(DataFile file) : file_(file) {}

  void Add(int line, std::string what) { findings_.push_back({file_, line, std::move(what)}); }

  // A number field that is blank, is no plain number, or runs on into the column after it,
  // which nothing reads.
  void Number(int n, std::string_view line, const NumberField& field) {
    const std::string_view text = Mid(line, field.start, field.width);
    const std::string_view trimmed = Trim(text);
    const std::string where =
        std::string(field.name) + " (" + Columns(field.start, field.width) + ")";
    if (trimmed.empty()) {
      Add(n, where + " is blank: it reads as 0");
    } else if (!IsNumber(trimmed)) {
      Add(n, where + " holds " + Quoted(std::string(trimmed)) +
                 ", which is not a number: it reads as " + NumberToText(ParseNumber(text)));
    } else if (const size_t after = field.start + field.width;
               after <= line.size() && line[after - 1] != ' ') {
      Add(n, where + " runs on into " + Columns(after, 1) + " (" +
                 Quoted(std::string(line.substr(after - 1, 1))) +
                 "), which nothing reads: the number is cut short");
    }
  }

  // In line order, the file as a whole last.
  static int Order(const DataFinding& f) {
    return f.line == 0 ? std::numeric_limits<int>::max() : f.line;
  }

  std::vector<DataFinding> Done() {
    std::stable_sort(
        findings_.begin(), findings_.end(),
        [](const DataFinding& a, const DataFinding& b) { return Order(a) < Order(b); });
    return std::move(findings_);
  }

 private:
  DataFile file_;
  std::vector<DataFinding> findings_;
};

// A sectioned file's sections as the reader fills them: a header restarts the entry counter at
// `first_entry`; each data line first counts on.
class Sections {
 public:
  Sections(int first_entry, int entries) : first_entry_(first_entry) {
    for (Section& s : sections_)
      s.filled.assign(static_cast<size_t>(entries), false);
  }

  // True when the line is a header; a header that is not a single digit is reported.
  bool Header(Checker& c, int n, std::string_view line) {
    if (line.empty() || line.front() != '[') return false;
    const std::string_view digit = Mid(line, 2, 1);
    section_ = ToInt16(ParseNumber(digit));
    entry_ = first_entry_;
    if (digit.empty() || !IsDigit(digit[0]) || (line.size() > 2 && IsDigit(line[2]))) {
      c.Add(n, "the section header " + Quoted(std::string(line)) + " opens section " +
                   std::to_string(section_) + ": only its second character is read");
    }
    if (Valid()) {
      sections_[static_cast<size_t>(section_)].seen = true;
      sections_[static_cast<size_t>(section_)].last_line = n;
    }
    return true;
  }

  // Counts a data line; its entry, or -1 where the reader would have refused the line.
  int Data(int n) {
    ++entry_;
    if (!Valid() || entry_ < 0 || entry_ >= static_cast<int>(Current().filled.size())) return -1;
    Current().filled[static_cast<size_t>(entry_)] = true;
    Current().last_line = n;
    return entry_;
  }

  int section() const { return section_; }
  bool Valid() const { return section_ >= 0 && section_ <= kMaxGemType; }
  bool Seen(int type) const { return sections_[static_cast<size_t>(type)].seen; }
  int LastLine(int type) const { return sections_[static_cast<size_t>(type)].last_line; }
  const std::vector<bool>& Filled(int type) const {
    return sections_[static_cast<size_t>(type)].filled;
  }

 private:
  struct Section {
    bool seen = false;
    int last_line = 0;
    std::vector<bool> filled;
  };
  Section& Current() { return sections_[static_cast<size_t>(section_)]; }

  int first_entry_;
  int section_ = 0;
  int entry_ = 0;
  std::array<Section, kMaxGemType + 1> sections_;
};

void CheckImbuePoints(Checker& c, std::string_view text) {
  LineReader lines(text);
  std::string_view line;
  int count = 0;
  while (lines.Next(line)) {
    count = lines.number();
    for (const NumberField& field : kImbuePointFields)
      c.Number(count, line, field);
  }
  if (count > 0 && count <= kMaxItemLevel) {
    c.Add(count, "the file ends after " + Count(count, "line") + ": the capacities of " +
                     Span("item level", "item levels", count, kMaxItemLevel) + " stay 0");
  }
}

void CheckGemLevels(Checker& c, std::string_view text) {
  LineReader lines(text);
  std::string_view line;
  int count = 0;
  while (lines.Next(line)) {
    count = lines.number();
    if (Trim(Mid(line, kLevelNameStart, kLevelNameWidth)).empty()) {
      c.Add(count, "LevelName (" + Columns(kLevelNameStart, kLevelNameWidth) +
                       ") is blank: the gems of level " + std::to_string(count) +
                       " have no first name");
    }
    for (const NumberField& field : kGemLevelFields)
      c.Number(count, line, field);
  }
  if (count > 0 && count < kGemLevels) {
    c.Add(count, "the file ends after " + Count(count, "line") + ": no name or price for " +
                     Span("gem level", "gem levels", count + 1, kGemLevels));
  }
}

// Section 0, "Unused", is never shown or priced, so none of its entries is missed.
constexpr int kFirstShownType = 1;

void CheckGemAmounts(Checker& c, std::string_view text) {
  LineReader lines(text);
  std::string_view line;
  Sections sections(0, kGemLevels + 1);
  while (lines.Next(line)) {
    if (sections.Header(c, lines.number(), line)) continue;
    sections.Data(lines.number());
    for (const NumberField& field : kGemAmountFields)
      c.Number(lines.number(), line, field);
  }
  for (int type = kFirstShownType; type <= kMaxGemType; ++type) {
    if (!sections.Seen(type)) {
      c.Add(0, "no " + SectionName(type) + ": the amounts and costs of its 10 levels stay 0");
      continue;
    }
    for (const auto& [first, last] : Gaps(sections.Filled(type), 1, kGemLevels)) {
      c.Add(sections.LastLine(type), SectionName(type) + " leaves " +
                                         Span("level", "levels", first, last) +
                                         " empty: their amounts and costs stay 0");
    }
  }
}

void CheckGemEffects(Checker& c, std::string_view text) {
  LineReader lines(text);
  std::string_view line;
  Sections sections(-1, kMaxEffectIndex + 1);
  while (lines.Next(line)) {
    const int n = lines.number();
    if (sections.Header(c, n, line)) continue;
    const int effect = sections.Data(n);
    const int type = sections.section();
    if (effect < 0 || type < kFirstShownType) continue;
    const int shown = ui::EffectCount(type);
    if (effect >= shown) {
      c.Add(n, "effect " + std::to_string(effect) + " of " + SectionName(type) +
                   " is beyond its list, which shows " + Count(shown, "effect") +
                   ": no list shows this line");
      continue;
    }
    const std::string name(Trim(Mid(line, kEffectNameStart, kEffectNameWidth)));
    if (name.empty()) {
      c.Add(n, "EffectName (" + Columns(kEffectNameStart, kEffectNameWidth) + ") of " +
                   Effects(type, effect, effect) + " in " + SectionName(type) +
                   " is blank: a blank entry in its list");
    }
    if (Trim(MidRest(line, kSuffixStart)).empty()) {
      c.Add(n, "GemNameSuffix (column " + std::to_string(kSuffixStart) + " on) of " +
                   Effects(type, effect, effect) + " in " + SectionName(type) +
                   " is missing: its gems are named by their level alone");
    }
  }
  for (int type = kFirstShownType; type <= kMaxGemType; ++type) {
    const int shown = ui::EffectCount(type);
    if (!sections.Seen(type)) {
      c.Add(0, "no " + SectionName(type) + ": blank entries in its list, and unnamed gems, for " +
                   Effects(type, 0, shown - 1));
      continue;
    }
    for (const auto& [first, last] : Gaps(sections.Filled(type), 0, shown - 1)) {
      c.Add(sections.LastLine(type), SectionName(type) + " leaves " + Effects(type, first, last) +
                                         " empty: blank entries in its list, and unnamed gems");
    }
  }
}

void CheckGemIds(Checker& c, std::string_view text) {
  LineReader lines(text);
  std::string_view line;
  Sections sections(-1, kMaxEffectIndex + 1);
  std::map<std::string, int, std::less<>> first_line;
  std::array<std::vector<bool>, kMaxGemType + 1> named;
  for (std::vector<bool>& effects : named)
    effects.assign(kMaxEffectIndex + 1, false);
  while (lines.Next(line)) {
    const int n = lines.number();
    if (sections.Header(c, n, line)) continue;
    sections.Data(n);
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;  // start-up refuses it
    const std::string id(Trim(line.substr(0, equals)));
    const std::string_view number = line.substr(equals + 1);
    const std::string where = "the effect index after \"=\"";
    if (Trim(number).empty()) {
      c.Add(n, where + " is blank: it reads as 0");
    } else if (!IsNumber(Trim(number))) {
      c.Add(n, where + " holds " + Quoted(std::string(Trim(number))) +
                   ", which is not a number: it reads as " + NumberToText(ParseNumber(number)));
    }
    if (id.empty()) c.Add(n, "the gem identifier before \"=\" is blank");
    const auto [first, inserted] = first_line.try_emplace(id, n);
    if (!inserted) {
      c.Add(n, "gem identifier " + Quoted(id) + " is defined again (first on line " +
                   std::to_string(first->second) + "): item sets get this one");
    }
    const int type = sections.section();
    if (!sections.Valid() || type < kFirstShownType) continue;
    const double index = ParseNumber(number);
    const std::optional<uint8_t> effect = TryToByte(index);
    if (!effect) continue;  // start-up refuses it
    const int shown = ui::EffectCount(type);
    if (*effect >= shown) {
      c.Add(n, "effect index " + std::to_string(*effect) + " is beyond the " +
                   Count(shown, "effect") + " of " + SectionName(type) +
                   ": an import skips the effect of " + Quoted(id));
    } else {
      named[static_cast<size_t>(type)][*effect] = true;
    }
  }
  for (int type = kFirstShownType; type <= kMaxGemType; ++type) {
    const int shown = ui::EffectCount(type);
    if (!sections.Seen(type)) {
      c.Add(0, "no " + SectionName(type) + ": no item set can give a gem of " +
                   Effects(type, 0, shown - 1));
      continue;
    }
    for (const auto& [first, last] : Gaps(named[static_cast<size_t>(type)], 0, shown - 1)) {
      c.Add(sections.LastLine(type), SectionName(type) + " has no identifier for " +
                                         Effects(type, first, last) +
                                         ": no item set can give such a gem");
    }
  }
}

}  // namespace

std::vector<DataFinding> CheckDataFile(DataFile file, std::string_view text) {
  Checker c(file);
  if (text.empty() || [&] {
        // Only headers, or nothing at all: no data line.
        LineReader lines(text);
        std::string_view line;
        const bool sectioned =
            file == DataFile::GemData2 || file == DataFile::GemData3 || file == DataFile::Velmora;
        while (lines.Next(line)) {
          if (!sectioned || line.empty() || line.front() != '[') return false;
        }
        return true;
      }()) {
    c.Add(0, "the file holds no data lines: its table stays all 0 and blank");
    return c.Done();
  }
  switch (file) {
    case DataFile::ImbuePoints:
      CheckImbuePoints(c, text);
      break;
    case DataFile::GemData1:
      CheckGemLevels(c, text);
      break;
    case DataFile::GemData2:
      CheckGemAmounts(c, text);
      break;
    case DataFile::GemData3:
      CheckGemEffects(c, text);
      break;
    case DataFile::Velmora:
      CheckGemIds(c, text);
      break;
  }
  return c.Done();
}

std::vector<DataFinding> CheckDataFiles(const std::filesystem::path& folder) {
  std::vector<DataFinding> findings;
  for (const DataFile file : kDataFiles) {
    const std::vector<DataFinding> found =
        CheckDataFile(file, ReadWholeFile(folder / FileName(file)));
    findings.insert(findings.end(), found.begin(), found.end());
  }
  return findings;
}

std::string Describe(const DataFinding& finding) {
  std::string text(FileName(finding.file));
  if (finding.line > 0) text += " line " + std::to_string(finding.line);
  return text + ": " + finding.what;
}

}  // namespace gw::report
