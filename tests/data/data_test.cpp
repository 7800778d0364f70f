#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "data/data_files.h"
#include "support/files.h"

namespace gw {
namespace {

// Reads one file's text into `tables`; returns the error message, or "" when it loaded.
std::string Load(DataFile file, const std::string& text, ReferenceTables* tables = nullptr) {
  ReferenceTables fresh;
  return test::ErrorOf([&] { ReadDataFile(file, text, tables ? *tables : fresh); });
}

std::string Repeat(const std::string& line, int times) {
  std::string text;
  for (int i = 0; i < times; ++i)
    text += line + "\r\n";
  return text;
}

// Identifier lines: 24 in sections 1 and 2, then `last` in section 3.
std::string Identifiers(int last) {
  std::string text;
  for (int section = 1; section <= 3; ++section) {
    text += "[" + std::to_string(section) + "]\n";
    for (int i = 0; i < (section == 3 ? last : 24); ++i)
      text += "ID" + std::to_string(i) + "=1\n";
  }
  return text;
}

// GemData1: code, name at column 6, price at 16, count at 24. GemData3: effect name at 4, extra
// texts at 20 and 48, suffix from 74. What lies between the fields ("*") is not read.
const std::string kLevel = "L01 *Exquisite*   0.2592";
const std::string kEffect = "  *Blades         *extra" + std::string(22, ' ') + "*other" +
                            std::string(20, ' ') + "*Razor Sigil  ";

TEST(DataFiles, WhatCannotBeReadIsReportedByFileAndLine) {
  const DataFile imbue = DataFile::ImbuePoints, amounts = DataFile::GemData2,
                 velmora = DataFile::Velmora;
  const struct {
    DataFile file;
    std::string text, error;
  } cases[] = {
      {imbue, Repeat(" 1  2  3  4  5  6  7", 54),
       "Index out of range: ImbuePoints.dat line 54: a 54th line; the file holds at most 53 "
       "lines (item levels 0 to 52)"},
      {imbue, "99\n-1",
       "Overflow: ImbuePoints.dat line 2: 94% (columns 1-2): -1 is outside 0..255"},
      {DataFile::GemData1, Repeat(kLevel, 11),
       "Index out of range: GemData1.dat line 11: an 11th line; the file holds at most 10 lines "
       "(gem levels 1 to 10)"},
      {DataFile::GemData1, "L01  Big       9e99    1",
       "Overflow: GemData1.dat line 1: UnitPrice (columns 16-22): 9E+99 is too large for single "
       "precision"},
      {amounts, "[1]\n 1  1  1  1\n[7]", ""},  // an invalid section is harmless until used
      {amounts, "[1]\n 1  1  1  1\n[7]\n 1  1  1  1",
       "Index out of range: GemData2.dat line 4: a data line in section 7; sections run from 0 "
       "to 6"},
      {velmora, " [1]\nA=1",  // blanks before "[" make a data line
       "Invalid argument: velmora.dat line 1: a data line before the first section header"},
      {amounts, "[1]\n" + Repeat(" 1  2  3  4", 10) + "[2]\n" + Repeat(" 1  2  3  4", 11),
       "Index out of range: GemData2.dat line 23: an 11th data line in section 2; a section "
       "holds at most 10"},
      {amounts, "[1]\n 1  1  1 -1",
       "Overflow: GemData2.dat line 2: Amount (columns 10-11): -1 is outside 0..255"},
      {DataFile::GemData3, "[6]\n" + Repeat(kEffect, 27),
       "Index out of range: GemData3.dat line 28: a 27th data line in section 6; a section "
       "holds at most 26"},
      {velmora, "[5]\n" + Repeat("A=1", 27),
       "Index out of range: velmora.dat line 28: a 27th data line in section 5; a section "
       "holds at most 26"},
      {velmora, "[1]\nA=255\nB=256",
       "Overflow: velmora.dat line 3: the number after \"=\": 256 is outside 0..255"},
      {velmora, "[1]\nA=1\n\nB=2",
       "Invalid argument: velmora.dat line 3: a blank line; every line must read "
       "IDENTIFIER=number"},
      {velmora, "[1]\nA 1",
       "Invalid argument: velmora.dat line 2: no \"=\" in the line; it must read "
       "IDENTIFIER=number"},
      {velmora, Identifiers(6),
       "Index out of range: velmora.dat line 57: a 54th data line in the file; the file holds "
       "at most 53"},
  };
  // A file one line too long is refused at that line, so every line before it was taken.
  for (const auto& c : cases)
    EXPECT_EQ(Load(c.file, c.text), c.error) << c.text;
}

TEST(DataFiles, FieldsAreCutByColumnRoundedToEvenAndPlacedBySectionHeaders) {
  ReferenceTables t;
  EXPECT_EQ(Load(DataFile::ImbuePoints, "12 34 56  x  .  9 99\n\n123456789", &t), "");
  std::string points;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 7; ++column)
      points += std::to_string(t.ImbuePointTable(row, column)) + " ";
  }
  // Text and a lone point read as 0, a blank line is a row of zeros, and columns 3, 6 and 9
  // are not read.
  EXPECT_EQ(points, "12 34 56 0 0 9 99 0 0 0 0 0 0 0 12 45 78 0 0 0 0 ");
  EXPECT_EQ(Load(DataFile::GemData1, kLevel, &t), "");
  const GemLevel& l = t.GemLevelTable(1);
  EXPECT_EQ(l.LevelCode + "|" + l.LevelName + "|" + std::to_string(l.UnitCount), "L01|Exquisite|2");
  EXPECT_EQ(l.UnitPrice, 0.25f);
  const std::string text =
      "[12]\n 1  0  0 12\n 2  0  0  6\n"  // column 2 holds 1: section 1
      "[x]\n 0  0  0 30\n"                // a letter opens section 0
      "[-]\n 0  0  0 31\n"                // so does a minus sign
      "[\n 0  0  0 32\n"                  // and nothing at all
      "[3\n10  5 99 33\n.5 1.\n"          // no closing bracket needed
      "[2]\n11922933944\n"                // columns 3, 6 and 9 are not read
      "[1]\n 3  0  0  7\n";               // a repeated header overwrites from the first entry
  EXPECT_EQ(Load(DataFile::GemData2, text, &t), "");
  std::string amounts;
  for (auto [type, level] : {std::pair{1, 1}, {1, 2}, {0, 1}, {0, 2}, {3, 1}, {3, 2}, {2, 1}}) {
    const GemAmount& a = t.GemAmountTable(type, level);
    for (int field : {a.CostUnitsA, a.CostUnitsB, a.SpareValue, a.Amount})
      amounts += std::to_string(field) + " ";
  }
  // ".5" rounds to even: 0.
  EXPECT_EQ(amounts, "3 0 0 7 2 0 0 6 0 0 0 32 0 0 0 0 10 5 99 33 0 1 0 0 11 22 33 44 ");
  EXPECT_EQ(Load(DataFile::GemData3, "[6]\n" + kEffect + "\n   Blunt\n\n", &t), "");
  std::string effects;  // a short line has no suffix; a blank line is an empty entry
  for (const GemEffect& e :
       {t.GemEffectTable(6, 0), t.GemEffectTable(6, 1), t.GemEffectTable(6, 2)})
    effects += e.EffectName + "|" + e.ExtraTextA + "|" + e.ExtraTextB + "|" + e.GemNameSuffix + " ";
  EXPECT_EQ(effects, "Blades|extra|other|Razor Sigil Blunt||| ||| ");
  // A file of exactly 53 identifiers is read whole.
  EXPECT_EQ(Load(DataFile::Velmora, Identifiers(5), &t), "");
  EXPECT_EQ(t.GemIdList(53).GemType, 3);
}

TEST(InitData, ReadsEveryFileAndNamesOneThatIsMissingOrCannotBeRead) {
  ReferenceTables t;
  test::TempFolder folder;
  for (DataFile file : kDataFiles)
    folder.Write(FileName(file), "");
  const auto init = [&] { return test::ErrorOf([&] { InitData(folder.path(), t); }); };
  EXPECT_EQ(init(), "");  // empty files are allowed
  const std::filesystem::path file = folder.path() / "GemData3.dat";
  std::filesystem::remove(file);
  EXPECT_EQ(init(), "File not found: GemData3.dat is missing from " + folder.path().string());
  std::filesystem::create_symlink(file, file);  // a link loop is there, though unreadable
  EXPECT_EQ(init(), "File not found: " + file.string() +
                        " cannot be read (Too many levels of symbolic links)");
  std::filesystem::remove(file);
  ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);  // refused at once, never waited on
  EXPECT_EQ(init(), "File not found: " + file.string() + " cannot be read (it is a named pipe)");
}

}  // namespace
}  // namespace gw
