#include "app/main_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/command_line.h"
#include "support/files.h"
#include "support/snapshot.h"
#include "ui/search_window.h"

namespace gw {
namespace {

class MainFormTest : public ::testing::Test {
 protected:
  MainFormTest() : form(test::SampleDataFolder()), w(form.window()) { form.Form_Load(); }
  // Opens the search window from "Search..." and lets `use` work in it while it is open.
  void OpenSearch(const std::function<void(ui::ItemSearchWindow&)>& use) {
    w.present_modal = [&](ui::Window& child) {
      ++openings;
      use(static_cast<ui::ItemSearchWindow&>(child));
    };
    w.cmdSearch.Press();
  }
  MainForm form;
  ui::MainWindow& w;
  int openings = 0;
};

TEST_F(MainFormTest, StartUpEvaluatesTheFirstItemAndAtItsMaximumABarShowsTheLastRow) {
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(w.cboGemQual[i].Text() + w.lblGemPoint[i].Caption(), i < 4 ? "94%0" : "0.0") << i;
  const struct {
    ui::VScrollBar* bar;
    const ui::PictureBox *panel, *viewport;
    int range;
  } panels[] = {{&w.VScrollSki, &w.ScrollPictureSki, &w.MainPictureSki, w.SkillScrollRange},
                {&w.VScrollFoc, &w.ScrollPictureFoc, &w.MainPictureFoc, w.FocusScrollRange}};
  for (auto [bar, panel, viewport, range] : panels) {
    EXPECT_EQ(range, -bar->Max());
    EXPECT_EQ(bar->LargeChange(), bar->Max() / 10);
    bar->UserDrag(bar->Max() + 500);
    EXPECT_EQ(panel->Top() + panel->Height(), viewport->ScaleHeight());
  }
  w.VScrollSki.SetValue(w.VScrollSki.Max());
  const int bottom = w.MainPictureSki.ScaleHeight() - w.ScrollPictureSki.Top();
  EXPECT_LE(w.lblSkill[25].rect().top + w.lblSkill[25].rect().height, bottom);
  EXPECT_GE(w.cboSkillPri[25].rect().top + 630, bottom);  // and no room below it
}

TEST_F(MainFormTest, RevealScrollsAPanelJustEnoughToShowAControl) {
  const int inner = w.MainPictureSki.ScaleHeight();
  ui::Reveal(w.txtSkillMax[25]);
  const ui::Rect& last = w.txtSkillMax[25].rect();
  EXPECT_EQ(w.VScrollSki.Value(), last.top + last.height - inner);
  EXPECT_EQ(w.ScrollPictureSki.Top(), -w.VScrollSki.Value());  // Change moved the panel
  ui::Reveal(w.cboSkillPri[24]);                               // already in view: nothing moves
  EXPECT_EQ(w.VScrollSki.Value(), last.top + last.height - inner);
  ui::Reveal(w.lblSkillVal[0]);
  EXPECT_EQ(w.VScrollSki.Value(), w.lblSkillVal[0].rect().top);
  ui::Reveal(w.txtFocusMax[7]);
  EXPECT_GT(w.VScrollFoc.Value(), 0);
  ui::Reveal(w.txtStat[7]);  // not in a scrolling panel
  ui::Reveal(w.cmdExit);     // in no container at all
  ui::Reveal(w.cboType[3]);
  EXPECT_EQ(w.VScrollSki.Value(), w.lblSkillVal[0].rect().top);
}

TEST_F(MainFormTest, ATabsFirstShowingFillsOnlyItsEmptyQualityBoxes) {
  w.cboGemQual[ui::GemSlot(5, 1)].SetListIndex(6);
  int evaluations = 0;
  for (int g = 0; g < 4; ++g)
    w.cboGemQual[ui::GemSlot(5, g)].Click = [&evaluations] { ++evaluations; };
  w.SSTab1.SetTab(5);
  EXPECT_EQ(evaluations, 3);
  // The item was evaluated; the next item has not been shown yet.
  EXPECT_EQ(w.cboGemQual[ui::GemSlot(5, 0)].Text() + w.cboGemQual[ui::GemSlot(5, 1)].Text() +
                w.lblGemPoint[ui::GemSlot(5, 3)].Caption() + w.cboGemQual[ui::GemSlot(6, 0)].Text(),
            "94%100%0");
  w.SSTab1.SetTab(0);
  w.SSTab1.SetTab(5);
  EXPECT_EQ(evaluations, 3);
}

TEST_F(MainFormTest, SearchOpensOnlyFromNeckToRightWristAndNoButtonChangesThePlanButExit) {
  for (int tab = 0; tab < ui::kItemCount; ++tab)
    w.SSTab1.SetTab(tab);  // every item shown once
  const std::string plan = test::Snapshot(w);
  for (int tab : {0, 10, 11, 15, 18}) {
    w.SSTab1.SetTab(tab);
    EXPECT_EQ(w.cmdSearch.enabled(), tab >= 11) << tab;
    OpenSearch([](ui::ItemSearchWindow& s) { s.cboType[0].SetListIndex(2); });
  }
  EXPECT_EQ(openings, 3);
  for (ui::CommandButton* b : {&w.cmdClearItem, &w.cmdLoadItem, &w.cmdSaveItem, &w.cmdSwapItem})
    b->Press();
  for (ui::MenuItem* m : {&w.mnuAlc, &w.mnuAC, &w.mnuFlet, &w.mnuGW, &w.mnuTail, &w.mnuWC,
                          &w.mnuAbout, &w.mnuVersion})
    m->Press();
  EXPECT_EQ(test::Snapshot(w), plan);
  int unloads = 0;
  w.on_unload = [&] { ++unloads; };
  w.cmdExit.Press();
  EXPECT_EQ(unloads, 1);
  EXPECT_FALSE(w.loaded());
}

TEST_F(MainFormTest, ASearchTypeFillsItsRowsEffectsAndEachOpeningStartsClean) {
  w.SSTab1.SetTab(11);
  w.ImportInProgress = true;  // the first effect is chosen even then
  OpenSearch([](ui::ItemSearchWindow& s) {
    // Skill, Hits and Power; the last row's Skill then Unused, which empties it.
    for (auto [row, type] : {std::pair{0, 6}, {1, 3}, {2, 4}, {3, 6}, {3, 0}})
      s.cboType[row].SetListIndex(type);
    std::string rows;
    for (const ui::ComboBox& e : s.cboEffect)
      rows += std::to_string(e.ListCount()) + "/" + std::to_string(e.ListIndex()) + e.Text() + " ";
    EXPECT_EQ(rows, "26/0Blades 1/0Hits 1/0Power 0/-1 ");
    s.cboItem.SetListIndex(2);
    s.txtValue[3].SetText("12");
    const std::string before = test::Snapshot(s);
    s.cmdSearch.Press();  // finds nothing and changes nothing
    EXPECT_EQ(test::Snapshot(s), before);
    s.cmdClose.Press();
    EXPECT_FALSE(s.loaded());
  });
  const std::string fresh = test::Snapshot(ui::ItemSearchWindow());
  OpenSearch([&](ui::ItemSearchWindow& s) { EXPECT_EQ(test::Snapshot(s), fresh); });
  EXPECT_EQ(openings, 2);
}

TEST(CommandLine, OptionsValuesAndFilesOrWhatIsWrongWithThem) {
  // What a command line reads as: the action or the error, then the values and the files.
  const auto read = [](std::vector<std::string> args) {
    const CommandLine line = ParseCommandLine(args, {"--data"}, 1);
    std::string text = std::to_string(static_cast<int>(line.action)) + " " + line.error;
    for (const auto& [name, value] : line.values)
      text += " " + name + "=" + value;
    for (const std::string& file : line.files)
      text += " [" + file + "]";
    return text;
  };
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--data", "d", "f"}, "0  --data=d [f]"},
      {{"--data=d=e", "--", "--help"}, "0  --data=d=e [--help]"},
      {{"-"}, "0  [-]"},
      {{"f", "-h", "--bogus"}, "1  [f]"},  // help answers at once
      {{"--version", "g", "h"}, "2 "},
      {{"--colour"}, "3 unknown option '--colour'"},
      {{"f", "--data"}, "3 option '--data' needs a value"},
      {{"f", "g"}, "3 only one FILE may be given"},
  };
  for (const auto& [args, expected] : cases)
    EXPECT_EQ(read(args), expected);
}

}  // namespace
}  // namespace gw
