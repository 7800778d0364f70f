#include "data/data_files.h"

#include <gtest/gtest.h>

#include <string>

#include "common/error.h"
#include "support/test_data.h"

namespace gw {
namespace {

// Reads one file's text into fresh tables; returns the error message, or "" when it loaded.
std::string Load(DataFile file, const std::string& text, ReferenceTables& tables) {
  try {
    ReadDataFile(file, text, tables);
    return "";
  } catch (const RuntimeError& e) {
    return e.what();
  }
}

std::string Repeat(const std::string& line, int times) {
  std::string text;
  for (int i = 0; i < times; ++i)
    text += line + "\r\n";
  return text;
}

// A GemData3 line: effect name at column 4, extra texts at 20 and 48, suffix from 74.
std::string EffectLine(const std::string& name, const std::string& suffix) {
  std::string line(73, ' ');
  line.replace(3, name.size(), name);
  line.replace(19, 5, "extra");
  line.replace(47, 5, "other");
  return line + suffix;
}

TEST(ImbuePoints, FiftyThreeLinesLoadAndAFiftyFourthIsReported) {
  ReferenceTables t;
  const std::string row = " 1  2  3  4  5  6  7";
  EXPECT_EQ(Load(DataFile::ImbuePoints, Repeat(row, 53), t), "");
  EXPECT_EQ(t.ImbuePointTable(52, 6), 7);
  EXPECT_EQ(t.ImbuePointTable(0, 0), 1);  // line 1 fills row 0
  ReferenceTables more;
  EXPECT_EQ(Load(DataFile::ImbuePoints, Repeat(row, 54), more),
            "Index out of range: ImbuePoints.dat line 54: a 54th line; the file holds at most 53 "
            "lines (item levels 0 to 52)");
}

TEST(ImbuePoints, FieldsAreCutByColumnAndOverflowAbove255) {
  ReferenceTables t;
  EXPECT_EQ(Load(DataFile::ImbuePoints, "12 34 56  x  .  9 99\n\n123456789", t), "");
  EXPECT_EQ(t.ImbuePointTable(0, 0), 12);
  EXPECT_EQ(t.ImbuePointTable(0, 2), 56);
  EXPECT_EQ(t.ImbuePointTable(0, 3), 0);  // text reads as 0
  EXPECT_EQ(t.ImbuePointTable(0, 4), 0);  // so does a lone point
  EXPECT_EQ(t.ImbuePointTable(0, 5), 9);
  EXPECT_EQ(t.ImbuePointTable(0, 6), 99);
  EXPECT_EQ(t.ImbuePointTable(1, 0), 0);   // a blank line is a row of zeros
  EXPECT_EQ(t.ImbuePointTable(2, 0), 12);  // columns 3, 6 and 9 are not read
  EXPECT_EQ(t.ImbuePointTable(2, 1), 45);
  EXPECT_EQ(t.ImbuePointTable(2, 2), 78);
  EXPECT_EQ(t.ImbuePointTable(2, 3), 0);  // cut short at the end of the line
  ReferenceTables over;
  EXPECT_EQ(Load(DataFile::ImbuePoints, "99\n-1", over),
            "Overflow: ImbuePoints.dat line 2: 94% (columns 1-2): -1 is outside 0..255");
}

// A GemData1 line: code at column 1, name at 6, price at 16, count at 24.
std::string LevelLine(const std::string& code, const std::string& name, const std::string& price,
                      const std::string& count) {
  std::string line(24, ' ');
  line.replace(0, code.size(), code);
  line.replace(5, name.size(), name);
  line.replace(15, price.size(), price);
  return line.substr(0, 23) + count;
}

TEST(GemData1, ReadsLevelsAndReportsAnEleventhLine) {
  ReferenceTables t;
  const std::string line = LevelLine("L01", "Chipped", "   0.25", "2");
  EXPECT_EQ(Load(DataFile::GemData1, Repeat(line, 10), t), "");
  EXPECT_EQ(t.GemLevelTable(10).LevelCode, "L01");
  EXPECT_EQ(t.GemLevelTable(10).LevelName, "Chipped");
  EXPECT_EQ(t.GemLevelTable(10).UnitPrice, 0.25f);
  EXPECT_EQ(t.GemLevelTable(10).UnitCount, 2);
  ReferenceTables more;
  EXPECT_EQ(Load(DataFile::GemData1, Repeat(line, 11), more),
            "Index out of range: GemData1.dat line 11: an 11th line; the file holds at most 10 "
            "lines (gem levels 1 to 10)");
  ReferenceTables huge;
  EXPECT_EQ(Load(DataFile::GemData1, LevelLine("L01", "Big", "9e99", "1"), huge),
            "Overflow: GemData1.dat line 1: UnitPrice (columns 16-22): 9E+99 is too large for "
            "single precision");
}

TEST(Sections, HeadersOpenSectionsByTheirSecondCharacter) {
  ReferenceTables t;
  const std::string text =
      "[12]\n 0  0  0 12\n"  // column 2 holds 1: section 1
      "[x]\n 0  0  0 30\n"   // a letter opens section 0
      "[-]\n 0  0  0 31\n"   // so does a minus sign
      "[\n 0  0  0 32\n"     // and nothing at all
      "[3\n 0  0  0 33\n";   // no closing bracket needed
  EXPECT_EQ(Load(DataFile::GemData2, text, t), "");
  EXPECT_EQ(t.GemAmountTable(1, 1).Amount, 12);
  EXPECT_EQ(t.GemAmountTable(0, 1).Amount, 32);  // section 0 restarted twice, overwritten
  EXPECT_EQ(t.GemAmountTable(3, 1).Amount, 33);
  EXPECT_EQ(t.GemAmountTable(0, 2).Amount, 0);
}

TEST(Sections, ARepeatedHeaderOverwritesFromTheFirstEntry) {
  ReferenceTables t;
  EXPECT_EQ(Load(DataFile::GemData2, "[1]\n 1  0  0  5\n 2  0  0  6\n[1]\n 3  0  0  7\n", t), "");
  EXPECT_EQ(t.GemAmountTable(1, 1).Amount, 7);
  EXPECT_EQ(t.GemAmountTable(1, 1).CostUnitsA, 3);
  EXPECT_EQ(t.GemAmountTable(1, 2).Amount, 6);
  EXPECT_EQ(t.GemAmountTable(1, 3).Amount, 0);  // fewer than 10 lines leave zeros
}

TEST(Sections, AnInvalidSectionIsHarmlessUntilADataLineFollows) {
  ReferenceTables t;
  EXPECT_EQ(Load(DataFile::GemData2, "[1]\n 1  1  1  1\n[7]", t), "");
  ReferenceTables bad;
  EXPECT_EQ(Load(DataFile::GemData2, "[1]\n 1  1  1  1\n[7]\n 1  1  1  1", bad),
            "Index out of range: GemData2.dat line 4: a data line in section 7; sections run "
            "from 0 to 6");
  ReferenceTables nine;
  EXPECT_NE(Load(DataFile::GemData3, "[9]\n" + EffectLine("x", "y"), nine), "");
}

TEST(Sections, ADataLineBeforeTheFirstHeaderIsReported) {
  ReferenceTables t;
  EXPECT_EQ(Load(DataFile::GemData2, " 1  1  1  1\n[1]\n", t),
            "Invalid argument: GemData2.dat line 1: a data line before the first section header");
  ReferenceTables u;
  EXPECT_EQ(Load(DataFile::Velmora, " [1]\nA=1", u),  // blanks before "[" make a data line
            "Invalid argument: velmora.dat line 1: a data line before the first section header");
}

TEST(GemData2, AnEleventhLineInASectionIsReported) {
  ReferenceTables t;
  const std::string text =
      "[1]\n" + Repeat(" 1  2  3  4", 10) + "[2]\n" + Repeat(" 1  2  3  4", 11);
  EXPECT_EQ(Load(DataFile::GemData2, text, t),
            "Index out of range: GemData2.dat line 23: an 11th data line in section 2; a section "
            "holds at most 10");
}

TEST(GemData2, Fields) {
  ReferenceTables t;
  EXPECT_EQ(Load(DataFile::GemData2, "[1]\n10  5 99 12\n[2]\n.5 1.\n", t), "");
  const GemAmount& a = t.GemAmountTable(1, 1);
  EXPECT_EQ(a.CostUnitsA, 10);
  EXPECT_EQ(a.CostUnitsB, 5);
  EXPECT_EQ(a.SpareValue, 99);
  EXPECT_EQ(a.Amount, 12);
  EXPECT_EQ(t.GemAmountTable(2, 1).CostUnitsA, 0);  // 0.5 to even
  EXPECT_EQ(t.GemAmountTable(2, 1).CostUnitsB, 1);
  ReferenceTables over;
  EXPECT_EQ(Load(DataFile::GemData2, "[1]\n 1  1  1 -1", over),
            "Overflow: GemData2.dat line 2: Amount (columns 10-11): -1 is outside 0..255");
}

TEST(GemData3, TrimsFieldsAndAShortLineHasNoSuffix) {
  ReferenceTables t;
  const std::string text =
      "[6]\n" + EffectLine("Blades", "  Razor Sigil  ") + "\n" + std::string("   Blunt") + "\n\n";
  EXPECT_EQ(Load(DataFile::GemData3, text, t), "");
  EXPECT_EQ(t.GemEffectTable(6, 0).EffectName, "Blades");
  EXPECT_EQ(t.GemEffectTable(6, 0).ExtraTextA, "extra");
  EXPECT_EQ(t.GemEffectTable(6, 0).ExtraTextB, "other");
  EXPECT_EQ(t.GemEffectTable(6, 0).GemNameSuffix, "Razor Sigil");
  EXPECT_EQ(t.GemEffectTable(6, 1).EffectName, "Blunt");
  EXPECT_EQ(t.GemEffectTable(6, 1).GemNameSuffix, "");
  EXPECT_EQ(t.GemEffectTable(6, 2).EffectName, "");  // a blank line is an empty entry
}

TEST(GemData3, TwentySixLinesLoadAndATwentySeventhIsReported) {
  ReferenceTables t;
  EXPECT_EQ(Load(DataFile::GemData3, "[6]\n" + Repeat(EffectLine("x", "y"), 26), t), "");
  EXPECT_EQ(t.GemEffectTable(6, 25).EffectName, "x");
  ReferenceTables more;
  EXPECT_EQ(Load(DataFile::GemData3, "[6]\n" + Repeat(EffectLine("x", "y"), 27), more),
            "Index out of range: GemData3.dat line 28: a 27th data line in section 6; a section "
            "holds at most 26");
}

TEST(Velmora, NumbersTheListAcrossSectionsAndTrimsTheKey) {
  ReferenceTables t;
  EXPECT_EQ(Load(DataFile::Velmora, "[1]\nST_STR = 0\n ST_CON=3.5 \n[2]\nRS_BODY=  2.5\n", t), "");
  EXPECT_EQ(t.GemIdList(1).GemId, "ST_STR");
  EXPECT_EQ(t.GemIdList(2).GemId, "ST_CON");
  EXPECT_EQ(t.GemIdList(3).GemId, "RS_BODY");
  EXPECT_EQ(t.GemIdList(3).GemType, 2);
  EXPECT_EQ(t.GemIdList(3).EffectIndex, 2);  // 2.5 to even
  EXPECT_EQ(t.GemIdTable(2, 0).GemId, "RS_BODY");
  EXPECT_EQ(t.GemIdTable(1, 1).EffectIndex, 4);  // 3.5 to even
  EXPECT_EQ(t.GemIdList(4).GemId, "");
}

TEST(Velmora, AnEffectIndexAbove255IsAnOverflow) {
  ReferenceTables t;
  EXPECT_EQ(Load(DataFile::Velmora, "[1]\nA=255\nB=256", t),
            "Overflow: velmora.dat line 3: the number after \"=\": 256 is outside 0..255");
  EXPECT_EQ(t.GemIdList(1).EffectIndex, 255);
}

TEST(Velmora, ABlankLineOrOneWithoutEqualsIsReported) {
  ReferenceTables t;
  EXPECT_EQ(Load(DataFile::Velmora, "[1]\nA=1\n\nB=2", t),
            "Invalid argument: velmora.dat line 3: a blank line; every line must read "
            "IDENTIFIER=number");
  ReferenceTables u;
  EXPECT_EQ(Load(DataFile::Velmora, "[1]\nA 1", u),
            "Invalid argument: velmora.dat line 2: no \"=\" in the line; it must read "
            "IDENTIFIER=number");
}

TEST(Velmora, FiftyThreeLinesLoadAndAFiftyFourthIsReported) {
  std::string text;
  for (int section = 1; section <= 3; ++section) {
    text += "[" + std::to_string(section) + "]\n";
    for (int i = 0; i < (section == 3 ? 5 : 24); ++i)
      text += "ID" + std::to_string(i) + "=1\n";
  }
  ReferenceTables t;
  EXPECT_EQ(Load(DataFile::Velmora, text, t), "");  // 24 + 24 + 5 = 53
  EXPECT_EQ(t.GemIdList(53).GemType, 3);
  ReferenceTables more;
  EXPECT_EQ(Load(DataFile::Velmora, text + "ONE_MORE=1\n", more),
            "Index out of range: velmora.dat line 57: a 54th data line in the file; the file "
            "holds at most 53");
}

TEST(InitData, LoadsTheSampleData) {
  ReferenceTables t;
  ASSERT_NO_THROW(InitData(test::SampleDataFolder(), t));
  // Effect names follow the panel rows; 53 identifiers, one per effect.
  EXPECT_FALSE(t.GemEffectTable(1, 7).EffectName.empty());
  EXPECT_FALSE(t.GemEffectTable(6, 25).EffectName.empty());
  for (int i = 1; i <= 53; ++i)
    EXPECT_FALSE(t.GemIdList(i).GemId.empty()) << i;
  EXPECT_GT(t.ImbuePointTable(52, 6), t.ImbuePointTable(1, 0));
  for (int level = 1; level <= 10; ++level) {
    EXPECT_FALSE(t.GemLevelTable(level).LevelName.empty());
    EXPECT_LE(t.GemLevelTable(level).LevelName.size(), 9u);
  }
}

TEST(InitData, EmptyFilesLeaveZerosAndAMissingFileIsNamed) {
  test::TempFolder folder;
  for (DataFile file : kDataFiles)
    folder.Write(FileName(file), "");
  ReferenceTables t;
  EXPECT_NO_THROW(InitData(folder.path(), t));
  EXPECT_EQ(t.GemLevelTable(1).LevelName, "");
  std::filesystem::remove(folder.path() / "GemData3.dat");
  try {
    InitData(folder.path(), t);
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.kind(), ErrorKind::FileNotFound);
    EXPECT_EQ(e.detail(), "GemData3.dat is missing from " + folder.path().string());
  }
}

}  // namespace
}  // namespace gw
