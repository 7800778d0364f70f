#include "report/report.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/main_form.h"
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
    const char* in_err;  // a part of the message; stdout is empty unless the status is 0 or 3
  } cases[] = {
      {"no FILE", {}, kNotImported, "no FILE given"},
      {"unknown option", {"--colour", good}, kNotImported, "unknown option '--colour'"},
      {"unknown format", {"--format=xml", good}, kNotImported, "unknown format 'xml'"},
      {"missing file", {dir + "/none.txt"}, kNotImported, "none.txt"},
      {"a folder", {dir}, kNotImported, "Nothing was imported"},
      {"no ITEM lines", {write("a.txt", "[Chest]\nNAME=x\n")}, kNotImported, "no item lines"},
      {"sets nothing", {write("b.txt", "ITEM00_COLOUR=1\n")}, kNotImported, "sets anything"},
      {"all refused", {write("c.txt", "ITEM30_LEVEL=1\n")}, kNotImported, "line 1"},
      {"broken data", {"--data", dir, good}, kBrokenData, "File not found\n\nImbuePoints.dat"},
      {"skipped values", {skips}, kImportedWithSkips, "line 2"},
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

}  // namespace
}  // namespace gw::report
