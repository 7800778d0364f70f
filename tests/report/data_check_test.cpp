#include "report/data_check.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "data/data_files.h"
#include "report/run_report.h"
#include "support/files.h"

namespace gw::report {
namespace {

using Lines = std::vector<std::string>;

struct Outcome {
  int status;
  std::string out, err;
};

Outcome RunWith(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunReport(args, test::SampleDataFolder(), out, err);
  return {status, out.str(), err.str()};
}

Lines ReadLines(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  Lines lines;
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

// A copy of the project's data files, one of them changed line by line.
struct BrokenCopy {
  BrokenCopy(DataFile file, const std::function<void(Lines&)>& change) {
    for (const DataFile each : kDataFiles) {
      Lines lines = ReadLines(test::SampleDataFolder() / FileName(each));
      if (each == file) change(lines);
      std::string text;
      for (const std::string& line : lines)
        text += line + "\n";
      folder.Write(FileName(each), text);
    }
  }
  test::TempFolder folder;
};

// Line `n` (1-based) of the file.
std::string& Line(Lines& lines, size_t n) {
  return lines.at(n - 1);
}

// Removes lines first..last (1-based).
void Drop(Lines& lines, size_t first, size_t last) {
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(first - 1),
              lines.begin() + static_cast<std::ptrdiff_t>(last));
}

TEST(CheckData, TheProjectsDataHoldsNoProbableMistake) {
  const std::string folder = test::SampleDataFolder().string();
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--check-data", folder},
                                               {"--check-data", "--data", folder},
                                               {"--check-data"}}) {
    const Outcome run = RunWith(args);
    EXPECT_EQ(run.status, kImported) << run.out;
    EXPECT_EQ(run.out, "No probable mistakes in the data files in " + folder + ".\n");
    EXPECT_EQ(run.err, "");
  }
}

TEST(CheckData, EachProbableMistakeIsNamedWithItsFileAndLine) {
  const struct {
    const char* name;
    DataFile file;
    std::function<void(Lines&)> change;
    std::vector<std::string> findings;
  } rows[] = {
      {"an empty file",
       DataFile::ImbuePoints,
       [](Lines& l) { l.clear(); },
       {"ImbuePoints.dat: the file holds no data lines: its table stays all 0 and blank"}},
      {"headers only",
       DataFile::Velmora,
       [](Lines& l) {
         l = {"[1]", "[2]"};
       },
       {"velmora.dat: the file holds no data lines: its table stays all 0 and blank"}},
      {"text in a number field",
       DataFile::ImbuePoints,
       [](Lines& l) { Line(l, 5) = " 4  4  4  S  5  5  5"; },
       {"ImbuePoints.dat line 5: 97% (columns 10-11) holds \"S\", which is not a number: it "
        "reads as 0"}},
      {"a number with a letter",
       DataFile::GemData1,
       [](Lines& l) { Line(l, 4) = "L04  Veiled      0.15x 2"; },
       {"GemData1.dat line 4: UnitPrice (columns 16-22) holds \"0.15x\", which is not a number: "
        "it reads as 0.15"}},
      {"blanks inside a number",
       DataFile::GemData1,
       [](Lines& l) { Line(l, 4) = "L04  Veiled      0.1 5 2"; },
       {"GemData1.dat line 4: UnitPrice (columns 16-22) holds \"0.1 5\", which is not a number: "
        "it reads as 0.15"}},
      {"blank, text and a letter in the fields of a level",
       DataFile::GemData2,
       [](Lines& l) { Line(l, 14) = "    x 6  3x"; },
       {"GemData2.dat line 14: CostUnitsA (columns 1-2) is blank: it reads as 0",
        "GemData2.dat line 14: CostUnitsB (columns 4-5) holds \"x\", which is not a number: it "
        "reads as 0",
        "GemData2.dat line 14: Amount (columns 10-11) holds \"3x\", which is not a number: it "
        "reads as 3"}},
      {"control characters and Latin-1 in a field",
       DataFile::ImbuePoints,
       [](Lines& l) { Line(l, 5) = " 4  4  4 \x1b\x85  5 \xe9  5"; },
       {"ImbuePoints.dat line 5: 97% (columns 10-11) holds \"??\", which is not a number: it "
        "reads as 0",
        "ImbuePoints.dat line 5: 99% (columns 16-17) holds \"\xC3\xA9\", which is not a number: "
        "it reads as 0"}},
      {"a hexadecimal number",
       DataFile::GemData1,
       [](Lines& l) { Line(l, 4) = "L04  Veiled       &H1F 2"; },
       {"GemData1.dat line 4: UnitPrice (columns 16-22) holds \"&H1F\", which is not a number: "
        "it reads as 31"}},
      {"a blank number field",
       DataFile::ImbuePoints,
       [](Lines& l) { Line(l, 5) = " 4  4  4  5  5  5"; },
       {"ImbuePoints.dat line 5: 100% (columns 19-20) is blank: it reads as 0"}},
      {"a number cut short",
       DataFile::ImbuePoints,
       [](Lines& l) { Line(l, 5) = " 40 4  4  5  5  5  5"; },
       {"ImbuePoints.dat line 5: 94% (columns 1-2) runs on into column 3 (\"0\"), which nothing "
        "reads: the number is cut short"}},
      {"a unit count of two digits",
       DataFile::GemData1,
       [](Lines& l) { Line(l, 1) += "2"; },
       {"GemData1.dat line 1: UnitCount (column 24) runs on into column 25 (\"2\"), which "
        "nothing reads: the number is cut short"}},
      {"a non-number after \"=\"",
       DataFile::Velmora,
       [](Lines& l) { Line(l, 4) = "ST_DEX=two"; },
       {"velmora.dat line 4: the effect index after \"=\" holds \"two\", which is not a number: "
        "it reads as 0",
        "velmora.dat line 9: section [1] (Stat) has no identifier for effect 2 (DEX): no item set "
        "can give "
        "such a gem"}},
      {"fewer rows of capacities",
       DataFile::ImbuePoints,
       [](Lines& l) { Drop(l, 51, 53); },
       {"ImbuePoints.dat line 50: the file ends after 50 lines: the capacities of item levels 50 "
        "to 52 stay 0"}},
      {"fewer gem levels",
       DataFile::GemData1,
       [](Lines& l) { Drop(l, 10, 10); },
       {"GemData1.dat line 9: the file ends after 9 lines: no name or price for gem level 10"}},
      {"a blank level name",
       DataFile::GemData1,
       [](Lines& l) { Line(l, 3).replace(5, 9, 9, ' '); },
       {"GemData1.dat line 3: LevelName (columns 6-14) is blank: the gems of level 3 have no "
        "first name"}},
      {"a section of amounts one level short",
       DataFile::GemData2,
       [](Lines& l) { Drop(l, 33, 33); },
       {"GemData2.dat line 32: section [2] (Resist) leaves level 10 empty: their amounts and "
        "costs stay 0"}},
      {"no section of amounts",
       DataFile::GemData2,
       [](Lines& l) { Drop(l, 34, 44); },
       {"GemData2.dat: no section [3] (Hits): the amounts and costs of its 10 levels stay 0"}},
      {"a header of two digits",
       DataFile::GemData2,
       [](Lines& l) { Line(l, 12) = "[12]"; },
       {"GemData2.dat line 12: the section header \"[12]\" opens section 1: only its second "
        "character is read"}},
      {"a missing gem name suffix",
       DataFile::GemData3,
       [](Lines& l) { Line(l, 5).resize(72); },
       {"GemData3.dat line 5: GemNameSuffix (column 74 on) of effect 3 (QUI) in section [1] "
        "(Stat) is missing: its gems are named by their level alone"}},
      {"a blank effect name",
       DataFile::GemData3,
       [](Lines& l) { Line(l, 11).replace(3, 15, 15, ' '); },
       {"GemData3.dat line 11: EffectName (columns 4-18) of effect 0 (Body) in section [2] "
        "(Resist) is blank: a blank entry in its list"}},
      {"a section of effects one short",
       DataFile::GemData3,
       [](Lines& l) { l.pop_back(); },
       {"GemData3.dat line 58: section [6] (Skill) leaves effect 25 (Verdant) empty: blank "
        "entries in its list, and unnamed gems"}},
      {"an effect no list shows",
       DataFile::GemData3,
       [](Lines& l) { l.insert(l.begin() + 21, l.at(20)); },
       {"GemData3.dat line 22: effect 1 of section [3] (Hits) is beyond its list, which shows "
        "1 effect: no list shows this line"}},
      {"no section of effects",
       DataFile::GemData3,
       [](Lines& l) { Drop(l, 20, 23); },
       {"GemData3.dat: no section [3] (Hits): blank entries in its list, and unnamed gems, for "
        "effect 0 (Hits)",
        "GemData3.dat: no section [4] (Power): blank entries in its list, and unnamed gems, for "
        "effect 0 (Power)"}},
      {"an identifier defined twice",
       DataFile::Velmora,
       [](Lines& l) { Line(l, 3) = "ST_STR=1"; },
       {"velmora.dat line 3: gem identifier \"ST_STR\" is defined again (first on line 2): item "
        "sets get this one"}},
      {"an effect index beyond its section's list",
       DataFile::Velmora,
       [](Lines& l) { Line(l, 19) = "RS_SLASH=9"; },
       {"velmora.dat line 19: effect index 9 is beyond the 9 effects of section [2] (Resist): an "
        "import skips the effect of \"RS_SLASH\"",
        "velmora.dat line 19: section [2] (Resist) has no identifier for effect 8 (Slash): no "
        "item set can give such a gem"}},
      {"no section of identifiers",
       DataFile::Velmora,
       [](Lines& l) { Drop(l, 20, 21); },
       {"velmora.dat: no section [3] (Hits): no item set can give a gem of effect 0 (Hits)"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const BrokenCopy copy(row.file, row.change);
    const std::string folder = copy.folder.path().string();
    const Outcome run = RunWith({"--check-data", folder});
    std::string expected;
    for (const std::string& finding : row.findings)
      expected += finding + "\n";
    expected += std::to_string(row.findings.size()) +
                (row.findings.size() == 1 ? " probable mistake" : " probable mistakes") +
                " in the data files in " + folder + ".\n";
    EXPECT_EQ(run.status, kDataFindings);
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err, "");
  }
}

TEST(CheckData, WhatStartUpRefusesIsReportedAsStartUpReportsIt) {
  const BrokenCopy copy(DataFile::GemData1, [](Lines& l) { l.push_back(l.back()); });
  const Outcome run = RunWith({"--check-data", copy.folder.path().string()});
  EXPECT_EQ(run.status, kBrokenData);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.find("Index out of range\n\nGemData1.dat line 11: "), 0u) << run.err;

  const std::string folder = test::SampleDataFolder().string();
  EXPECT_EQ(RunWith({"--check-data", "--format", "json", folder}).status, kNotImported);
  EXPECT_EQ(RunWith({"--check-data", folder, "--data", folder}).status, kNotImported);
}

}  // namespace
}  // namespace gw::report
