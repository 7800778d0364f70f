#include "report/report.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "calc/gem_price.h"
#include "common/terminal_text.h"
#include "common/text.h"
#include "report/run_report.h"
#include "support/files.h"
#include "support/snapshot.h"

namespace gw::report {
namespace {

struct Outcome {
  int status;
  std::string out, err;
};

Outcome RunWith(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = RunReport(args, test::SampleDataFolder(), out, err);
  return {status, out.str(), err.str()};
}

TEST(Report, PrintsEveryCaptionTheWindowShowsAfterFileOpen) {
  const std::string file = (test::ExamplesFolder() / "full-set.txt").string();
  MainForm menu(test::SampleDataFolder());
  menu.Form_Load();
  menu.window().CommonDialog.chooser = [&file] { return std::optional(file); };
  menu.mnuOpen_Click();
  const ui::MainWindow& w = menu.window();
  const Report shown = Collect(w, {});

  // Each figure is its control's caption, and every control appears once.
  std::vector<const Figure*> figures;
  for (const ItemFigures& item : shown.items) {
    figures.insert(figures.end(), {&item.name, &item.level, &item.quality, &item.imbue_points,
                                   &item.overcharge, &item.cost});
    for (const GemFigures& gem : item.gems) {
      figures.insert(figures.end(), {&gem.type, &gem.effect, &gem.amount, &gem.quality, &gem.name,
                                     &gem.price, &gem.points});
    }
  }
  for (const Panel& panel : shown.panels) {
    for (const PanelRow& row : panel.rows)
      figures.insert(figures.end(), {&row.caption, &row.value});
  }
  std::set<std::string> names;
  for (const ui::Control* c : w.controls()) {
    for (const Figure* figure : figures) {
      if (figure->control != c->name()) continue;
      EXPECT_EQ(figure->text, test::ShownText(*c)) << c->name();
      names.insert(c->name());
    }
  }
  EXPECT_EQ(names.size(), figures.size());
  EXPECT_EQ(figures.size(), 19u * (6 + 4 * 7) + 2 * (8 + 9 + 1 + 1 + 8 + 26));
  for (int k = 0; k < ui::kItemCount; ++k) {
    EXPECT_EQ(shown.items[k].crafted, w.optCraft[k].Value()) << k;
    EXPECT_EQ(shown.items[k].equipped, w.chkEquip[k].Value()) << k;
  }

  // What to make: the crafted items' gems, whose prices add up to the sum of the nineteen "Cost"
  // captions, which is the plan's total cost; a dropped item's gems are left out.
  const auto sum = [](const std::vector<std::string>& texts) {
    return SumOfCoinTexts(texts).value_or("none");
  };
  const auto check_shopping = [&](const ShoppingList& list) {
    std::vector<std::string> costs, all;
    int count = 0, crafted_gems = 0;
    for (int k = 0; k < ui::kItemCount; ++k) {
      costs.push_back(w.lblItemCost[k].Caption().substr(6));
      for (int g = 0; g < 4; ++g)
        crafted_gems += w.optCraft[k].Value() && w.cboType[ui::GemSlot(k, g)].ListIndex() > 0;
    }
    for (const ShoppingRow& row : list.rows) {
      all.push_back(row.all);
      count += row.count;
      EXPECT_EQ(row.all, sum(std::vector<std::string>(static_cast<size_t>(row.count), row.each)));
    }
    EXPECT_EQ(list.total, sum(costs));
    EXPECT_EQ(list.total, sum(all));
    EXPECT_EQ(count, crafted_gems);
    return list.total;
  };
  const std::string total = check_shopping(shown.shopping);
  const Outcome shopping = RunWith({"--format", "shopping", file});
  EXPECT_NE(shopping.out.find("    3  Radiant Oxblood Stone"), std::string::npos);
  EXPECT_NE(shopping.out.find("\nTotal cost: " + total + "\n"), std::string::npos);
  EXPECT_NE(RunWith({"--format", "json", file}).out.find("\"total_cost\": \"" + total + "\""),
            std::string::npos);
  menu.window().optDropped[0].UserClick();
  EXPECT_NE(check_shopping(MakeShoppingList(w)), total);

  // The program prints exactly those figures, in either format.
  for (const std::string format : {"text", "json"}) {
    SCOPED_TRACE(format);
    std::ostringstream expected;
    format == "json" ? WriteJson(expected, shown) : WriteText(expected, shown);
    const Outcome run = RunWith({"--format", format, file});
    EXPECT_EQ(run.status, kImported);
    EXPECT_EQ(run.out, expected.str());
    EXPECT_EQ(run.err, "");
  }
}

// A set with a character section: the report reads it as the window does (the crafter level in
// every overcharge, the caps, the display choice, equipped items only) and says each capped
// total's cap, distance and state.
TEST(Report, ReadsTheCharacterSectionAsTheWindowDoes) {
  test::TempFolder folder;
  const std::string file =
      folder
          .Write("caps.txt", ReadWholeFile(test::ExamplesFolder() / "full-set.txt") +
                                 "[Character]\r\nCRAFTER_LEVEL=50\r\nCAP_STAT_STR=10\r\n"
                                 "CAP_HITS=9999\r\nDISPLAY=Distance to Cap\r\nEQUIPPED_ONLY=1\r\n"
                                 "CHARACTER_CLASS=Bard\r\n")
          .string();
  MainForm window(test::SampleDataFolder());
  window.Form_Load();
  window.OpenItemSet(file);
  const Report shown = Collect(window.window(), {});
  EXPECT_EQ(shown.character.crafter_level.text, "50");
  EXPECT_EQ(shown.character.class_name.text, "Bard");
  const PanelRow& str = shown.panels[0].rows[0];
  EXPECT_EQ(str.cap, 10);
  EXPECT_EQ(str.distance, str.value.text);  // shown as the distance itself
  const PanelRow& hits = shown.panels[2].rows[0];
  EXPECT_EQ(hits.cap, 9999);
  EXPECT_EQ(hits.state, "");
  const Outcome json = RunWith({"--format", "json", file});
  std::ostringstream expected;
  WriteJson(expected, shown);
  EXPECT_EQ(json.out, expected.str());
  EXPECT_NE(json.out.find("\"crafter_level\": \"50\""), std::string::npos);
  EXPECT_NE(json.out.find("\"cap\": 10, \"distance\": \"" + str.distance + "\""),
            std::string::npos);
  const Outcome text = RunWith({file});
  EXPECT_NE(text.out.find("cap 10, distance " + str.distance), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("Distance to Cap; equipped items only"), std::string::npos);
}

TEST(Report, AgreesWithAWindowThatOpenedOtherSetsBeforeTheSameFile) {
  test::TempFolder folder;
  const std::string example = ReadWholeFile(test::ExamplesFolder() / "full-set.txt");
  MainForm window(test::SampleDataFolder());
  window.Form_Load();
  // The example, then its chest dropped, without a level, and with its first gem unused; its
  // arms with a gem identifier misspelt.
  for (const std::string changes : {"", "ITEM00_PLAYER_MADE=0\n", "ITEM00_LEVEL=0\n", "",
                                    "ITEM00_GEM0_GEM_ID=\n", "ITEM01_GEM1_GEM_ID=ST_QUICK\n"}) {
    SCOPED_TRACE(changes);
    const std::string file = folder.Write("set.txt", example + changes).string();
    const ImportOutcome outcome = window.OpenItemSet(file);
    std::ostringstream shown;
    WriteText(shown, Collect(window.window(), outcome.problems));
    const Outcome run = RunWith({file});
    EXPECT_EQ(run.out, shown.str());
    EXPECT_EQ(run.status, outcome.problems.empty() ? kImported : kImportedWithSkips);
  }
}

// The item set --format items prints opens to the same plan: its report is the original's.
TEST(Report, ItemsFormatPrintsTheItemSetThatSaveWritesAndItOpensToTheSamePlan) {
  const std::string example = (test::ExamplesFolder() / "full-set.txt").string();
  const Outcome items = RunWith({"--format", "items", example});
  ASSERT_EQ(items.status, kImported) << items.err;
  EXPECT_TRUE(items.err.empty());
  test::TempFolder folder;
  const Outcome reopened = RunWith({folder.Write("a.txt", items.out).string()});
  EXPECT_EQ(reopened.status, kImported);
  EXPECT_EQ(reopened.out, RunWith({example}).out);
  EXPECT_EQ(RunWith({"--format", "items", folder.path() / "a.txt"}).out, items.out);
}

TEST(Report, ExitStatusAndMessageForEachInput) {
  test::TempFolder folder;
  const auto write = [&](const char* name, const char* text) {
    return folder.Write(name, text).string();
  };
  const std::string dir = folder.path().string(), good = write("good.txt", "ITEM00_LEVEL=50\n"),
                    skips = write("d.txt", "ITEM00_LEVEL=50\nITEM30_LEVEL=1\n");
  const struct {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string in_err;  // a part of the message; stdout is empty unless the status is 0 or 3
  } cases[] = {
      {"no FILE", {}, kNotImported, "no FILE given"},
      {"unknown option", {"--colour", good}, kNotImported, "unknown option '--colour'"},
      {"unknown format", {"--format=xml", good}, kNotImported, "unknown format 'xml'"},
      {"missing file", {dir + "/none.txt"}, kNotImported, "none.txt"},
      {"a folder", {dir}, kNotImported, "Nothing was imported"},
      {"no ITEM lines", {write("a.txt", "[Chest]\nNAME=x\n")}, kNotImported, "no item lines"},
      {"sets nothing", {write("b.txt", "ITEM00_COLOUR=1\n")}, kNotImported, "sets anything"},
      {"unknown gem identifier",
       {write("e.txt", "ITEM00_LEVEL=50\nITEM00_GEM0_GEM_ID=ST_QUICK\n")},
       kImportedWithSkips,
       "line 2: gem identifier \"ST_QUICK\" is not in velmora.dat"},
      {"all refused", {write("c.txt", "ITEM30_LEVEL=1\n")}, kNotImported, "line 1"},
      {"broken data", {"--data", dir, good}, kBrokenData, "File not found\n\nImbuePoints.dat"},
      {"skipped values", {skips}, kImportedWithSkips, "line 2"},
      {"an item set that would not come back the same",
       {"--format", "items",
        write("f.txt",
              "ITEM00_PLAYER_MADE=1\nITEM00_GEM0_LEVEL=12\n"
              "ITEM00_GEM0_GEM_ID=RS_BODY\n")},
       kImportedWithSkips,
       "would not give back the plan of \"" + dir +
           "/f.txt\" exactly:\n"
           "Chest, Gem 1 amount: \"\" now, \"1\" after opening\n"},
      {"help", {"--help", "--bogus"}, kSuccess, ""},
      {"version", {"--version"}, kSuccess, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome run = RunWith(c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_NE(run.err.find(c.in_err), std::string::npos) << run.err;
    EXPECT_EQ(run.out.empty(), c.status != kImported && c.status != kImportedWithSkips);
  }
  EXPECT_NE(RunWith({"--format", "json", skips})
                .out.find("\"skipped\": [\n    {\"line\": 2, \"reason\": \"item number 30"),
            std::string::npos);
}

TEST(Report, SkippedValuesAreTheFirstTwentyByLineAndACountOfTheRest) {
  // The reader refuses lines 3 to 27; the transfer, which runs after it, refuses line 2.
  test::TempFolder folder;
  std::string text = "ITEM00_PLAYER_MADE=1\nITEM00_GEM0_LEVEL=12\n";
  for (int i = 0; i < 25; ++i)
    text += "ITEM30_LEVEL=1\n";
  const std::string file = folder.Write("many.txt", text).string();

  const Outcome shown = RunWith({file});
  EXPECT_EQ(shown.status, kImportedWithSkips);
  const size_t listed = shown.out.find("\nSkipped values:\n");
  ASSERT_NE(listed, std::string::npos);
  std::string expected =
      "\nSkipped values:\n  line 2: gem level 12 is outside 0..9 for a crafted item\n";
  for (int line = 3; line <= 21; ++line)
    expected += "  line " + std::to_string(line) + ": item number 30 is outside 0..18\n";
  EXPECT_EQ(shown.out.substr(listed), expected + "  ... and 6 more\n");
  EXPECT_NE(shown.err.find("line 21: item number 30 is outside 0..18\n\n... and 6 more."),
            std::string::npos);

  const std::string json = RunWith({"--format", "json", file}).out;
  EXPECT_NE(json.find("\"skipped\": [\n    {\"line\": 2, \"reason\": \"gem level 12"),
            std::string::npos);
  EXPECT_NE(json.find("{\"line\": 21, \"reason\": \"item number 30 is outside 0..18\"}\n  ],\n"
                      "  \"skipped_more\": 6\n}\n"),
            std::string::npos);
}

TEST(Report, TextShowsNoControlCharacterAndAlignsByTerminalColumns) {
  const struct {
    const char* name;
    std::string text, shown;
    size_t width;
  } rows[] = {
      {"plain", "Jade", "Jade", 4},
      {"C0 and DEL", "a\x01\x1b[2J\x7f", "a??[2J?", 7},
      {"C1: NEL and CSI",
       "a\xC2\x85"
       "b\xC2\x9B"
       "31mc",
       "a?b?31mc", 8},
      {"the first and last C1", "\xC2\x80\xC2\x9F", "??", 2},
      {"the last two-byte character", "\xDF\xBF", "\xDF\xBF", 1},
      {"no-break space and e acute", "\xC2\xA0\xC3\xA9", "\xC2\xA0\xC3\xA9", 2},
      {"CJK", "\xE7\xBF\xA0\xE7\x8E\x89", "\xE7\xBF\xA0\xE7\x8E\x89", 4},
      {"fullwidth A, hangul", "\xEF\xBC\xA1\xEA\xB0\x80", "\xEF\xBC\xA1\xEA\xB0\x80", 4},
      {"emoji past U+FFFF", "\xF0\x9F\x92\x8E!", "\xF0\x9F\x92\x8E!", 3},
      {"combining acute", "e\xCC\x81", "e\xCC\x81", 1},
      {"not UTF-8", "\xFF\xC2", "\xFF\xC2", 2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(TerminalText(row.text), row.shown);
    EXPECT_EQ(DisplayWidth(row.text), row.width);
    // Cut to fit a column: whole characters only, and "~" where it was cut.
    EXPECT_EQ(FitWidth(row.text, row.width), row.text);
    if (row.width < 2) continue;
    const std::string cut = FitWidth(row.text, row.width - 1);
    EXPECT_TRUE(cut.ends_with("~") && DisplayWidth(cut) <= row.width - 1) << cut;
    EXPECT_TRUE(row.text.starts_with(cut.substr(0, cut.size() - 1))) << cut;
  }
  EXPECT_EQ(FitWidth("\xE7\xBF\xA0\xE7\x8E\x89", 3), "\xE7\xBF\xA0~");  // never half a wide one
  EXPECT_EQ(FitWidth("\xE7\xBF\xA0\xE7\x8E\x89", 2), "~");
  EXPECT_EQ(FitWidth("Jade", 0), "");

  // Two items whose gem names take the same number of characters but not of columns.
  Report report;
  for (const char* gem_name : {"\xE7\xBF\xA0\xE7\x8E\x89 Stone", "Jade Stone Big"}) {
    ItemFigures item;
    item.tab = report.items.empty() ? "Chest" : "Arms";
    item.name.text = "x\xC2\x85y";
    item.gems[0] = {{"", "Stat"},   {"", "Strength"}, {"", "1"}, {"", "94%"},
                    {"", gem_name}, {"", "1g 0s 0c"}, {"", "1"}};
    for (size_t g = 1; g < item.gems.size(); ++g)
      item.gems[g].type.text = "Unused";
    report.items.push_back(item);
  }
  std::ostringstream out;
  WriteText(out, report);
  const std::string text = out.str();
  EXPECT_EQ(text.find("Chest: \"x?y\", level"), 0u) << text;
  EXPECT_NE(
      text.find(
          "  Gem 1  Stat    Strength  1  94%  \xE7\xBF\xA0\xE7\x8E\x89 Stone      1g 0s 0c  1\n"),
      std::string::npos)
      << text;
  EXPECT_NE(text.find("  Gem 1  Stat    Strength  1  94%  Jade Stone Big  1g 0s 0c  1\n"),
            std::string::npos)
      << text;
}

}  // namespace
}  // namespace gw::report
