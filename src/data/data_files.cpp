#include "data/data_files.h"

#include <optional>
#include <string>

#include "common/convert.h"
#include "common/error.h"
#include "common/text.h"

namespace gw {

namespace {

// "1st", "2nd", "11th", "23rd".
std::string Ordinal(int n) {
  const int last_two = n % 100;
  const char* suffix = "th";
  if (last_two < 11 || last_two > 13) {
    switch (n % 10) {
      case 1:
        suffix = "st";
        break;
      case 2:
        suffix = "nd";
        break;
      case 3:
        suffix = "rd";
        break;
      default:
        break;
    }
  }
  return std::to_string(n) + suffix;
}

// "an 11th", "a 54th".
std::string WithArticle(const std::string& ordinal, int n) {
  const bool vowel = n == 11 || n == 18 || ordinal.front() == '8';
  return (vowel ? "an " : "a ") + ordinal;
}

[[noreturn]] void Fail(ErrorKind kind, std::string detail) {
  throw RuntimeError(kind, std::move(detail));
}

// A byte field: its number rounded half to even; the field is named in an overflow report.
uint8_t ByteField(std::string_view line, size_t start, size_t width, const char* field) {
  try {
    return ToByte(ParseNumber(Mid(line, start, width)));
  } catch (const RuntimeError& e) {
    throw e.At(std::string(field) + " (columns " + std::to_string(start) + "-" +
               std::to_string(start + width - 1) + ")");
  }
}

std::string TextField(std::string_view text) {
  return std::string(Trim(text));
}

// The section state of the sectioned files: a header opens a section and restarts the entry
// counter; data lines are numbered within their section.
class Sections {
 public:
  explicit Sections(int first_entry) : first_entry_(first_entry), entry_(first_entry) {}

  // True when the line was a header.
  bool Header(std::string_view line) {
    if (line.empty() || line.front() != '[') return false;
    section_ = ToInt16(ParseNumber(Mid(line, 2, 1)));
    entry_ = first_entry_;
    return true;
  }

  // Counts a data line of the current section; there must be one.
  void Count() {
    if (!section_) Fail(ErrorKind::InvalidArgument, "a data line before the first section header");
    ++entry_;
  }
  // The current section must be a gem type.
  void CheckSection() const {
    if (section() < 0 || section() > kMaxGemType) {
      Fail(ErrorKind::IndexOutOfRange,
           "a data line in section " + std::to_string(section()) + "; sections run from 0 to 6");
    }
  }
  // The entry must lie in first..last; `nth` is its number counted from 1.
  void CheckEntry(int last, int nth) const {
    if (entry_ > last) {
      Fail(ErrorKind::IndexOutOfRange,
           WithArticle(Ordinal(nth), nth) + " data line in section " + std::to_string(section()) +
               "; a section holds at most " + std::to_string(last - first_entry_));
    }
  }

  // Valid once Count has accepted a line.
  int section() const { return *section_; }
  int entry() const { return entry_; }

 private:
  int first_entry_;
  std::optional<int16_t> section_;  // none before the first header
  int entry_;
};

void ReadImbuePoints(std::string_view line, int number, ReferenceTables& t) {
  const int row = number - 1;
  if (row > kMaxItemLevel) {
    Fail(ErrorKind::IndexOutOfRange,
         WithArticle(Ordinal(number), number) +
             " line; the file holds at most 53 lines (item levels 0 to 52)");
  }
  static constexpr const char* kColumns[] = {"94%", "95%", "96%", "97%", "98%", "99%", "100%"};
  for (int q = 0; q <= kMaxQuality; ++q) {
    const size_t start = 1 + 3 * static_cast<size_t>(q);
    t.ImbuePointTable(row, q) = ByteField(line, start, 2, kColumns[q]);
  }
}

void ReadGemData1(std::string_view line, int number, ReferenceTables& t) {
  if (number > kGemLevels) {
    Fail(ErrorKind::IndexOutOfRange,
         WithArticle(Ordinal(number), number) +
             " line; the file holds at most 10 lines (gem levels 1 to 10)");
  }
  GemLevel& level = t.GemLevelTable(number);
  level.LevelCode = TextField(Mid(line, 1, 4));
  level.LevelName = TextField(Mid(line, 6, 9));
  try {
    level.UnitPrice = ToSingle(ParseNumber(Mid(line, 16, 7)));
  } catch (const RuntimeError& e) {
    throw e.At("UnitPrice (columns 16-22)");
  }
  level.UnitCount = ByteField(line, 24, 1, "UnitCount");
}

void ReadGemData2(std::string_view line, Sections& s, ReferenceTables& t) {
  s.Count();
  s.CheckSection();
  s.CheckEntry(kGemLevels, s.entry());
  GemAmount& amount = t.GemAmountTable(s.section(), s.entry());
  amount.CostUnitsA = ByteField(line, 1, 2, "CostUnitsA");
  amount.CostUnitsB = ByteField(line, 4, 2, "CostUnitsB");
  amount.SpareValue = ByteField(line, 7, 2, "SpareValue");
  amount.Amount = ByteField(line, 10, 2, "Amount");
}

void ReadGemData3(std::string_view line, Sections& s, ReferenceTables& t) {
  s.Count();
  s.CheckSection();
  s.CheckEntry(kMaxEffectIndex, s.entry() + 1);
  GemEffect& effect = t.GemEffectTable(s.section(), s.entry());
  effect.EffectName = TextField(Mid(line, 4, 15));
  effect.ExtraTextA = TextField(Mid(line, 20, 27));
  effect.ExtraTextB = TextField(Mid(line, 48, 25));
  effect.GemNameSuffix = TextField(MidRest(line, 74));
}

void ReadVelmora(std::string_view line, Sections& s, int& list, ReferenceTables& t) {
  s.Count();
  ++list;
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) {
    Fail(ErrorKind::InvalidArgument, line.empty()
                                         ? "a blank line; every line must read IDENTIFIER=number"
                                         : "no \"=\" in the line; it must read IDENTIFIER=number");
  }
  const std::string id(Trim(line.substr(0, equals)));
  uint8_t effect_index = 0;
  try {
    effect_index = ToByte(ParseNumber(line.substr(equals + 1)));
  } catch (const RuntimeError& e) {
    throw e.At("the number after \"=\"");
  }
  s.CheckSection();
  s.CheckEntry(kMaxEffectIndex, s.entry() + 1);
  if (list > kGemIds) {
    Fail(ErrorKind::IndexOutOfRange,
         WithArticle(Ordinal(list), list) + " data line in the file; the file holds at most 53");
  }
  t.GemIdTable(s.section(), s.entry()) = {id, effect_index};
  t.GemIdList(list) = {id, static_cast<uint8_t>(s.section()), effect_index};
}

}  // namespace

std::string_view FileName(DataFile file) {
  switch (file) {
    case DataFile::ImbuePoints:
      return "ImbuePoints.dat";
    case DataFile::GemData1:
      return "GemData1.dat";
    case DataFile::GemData2:
      return "GemData2.dat";
    case DataFile::GemData3:
      return "GemData3.dat";
    case DataFile::Velmora:
      return "velmora.dat";
  }
  return "";
}

void ReadDataFile(DataFile file, std::string_view text, ReferenceTables& tables) {
  LineReader lines(text);
  std::string_view line;
  Sections sections(file == DataFile::GemData2 ? 0 : -1);
  int list = 0;
  while (lines.Next(line)) {
    try {
      switch (file) {
        case DataFile::ImbuePoints:
          ReadImbuePoints(line, lines.number(), tables);
          break;
        case DataFile::GemData1:
          ReadGemData1(line, lines.number(), tables);
          break;
        case DataFile::GemData2:
          if (!sections.Header(line)) ReadGemData2(line, sections, tables);
          break;
        case DataFile::GemData3:
          if (!sections.Header(line)) ReadGemData3(line, sections, tables);
          break;
        case DataFile::Velmora:
          if (!sections.Header(line)) ReadVelmora(line, sections, list, tables);
          break;
      }
    } catch (const RuntimeError& e) {
      throw e.At(std::string(FileName(file)) + " line " + std::to_string(lines.number()));
    }
  }
}

void InitData(const std::filesystem::path& folder, ReferenceTables& tables) {
  for (DataFile file : kDataFiles) {
    const std::filesystem::path path = folder / FileName(file);
    std::string text;
    try {
      text = ReadWholeFile(path);
    } catch (const RuntimeError&) {
      // Only a file that is not there at all is "missing"; a link loop, a pipe or a folder in
      // its place keeps the reason the reading gave.
      std::error_code ignored;
      if (std::filesystem::symlink_status(path, ignored).type() !=
          std::filesystem::file_type::not_found) {
        throw;
      }
      throw RuntimeError(ErrorKind::FileNotFound,
                         std::string(FileName(file)) + " is missing from " + folder.string());
    }
    ReadDataFile(file, text, tables);
  }
}

}  // namespace gw
