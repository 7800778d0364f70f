#include "app/main_form.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "common/error.h"
#include "support/snapshot.h"
#include "support/test_data.h"

namespace gw {
namespace {

class MainFormTest : public ::testing::Test {
 protected:
  MainFormTest() : form(test::SampleDataFolder()), w(form.window()) { form.Form_Load(); }
  MainForm form;
  ui::MainWindow& w;
};

TEST_F(MainFormTest, StartUpState) {
  EXPECT_EQ(w.SSTab1.Tab(), 0);
  EXPECT_FALSE(w.cmdSearch.enabled());
  EXPECT_FALSE(w.ImportInProgress);
  for (int i = 0; i < ui::kGemSlotCount; ++i) {
    EXPECT_EQ(w.cboGemQual[i].Text(), i < 4 ? "94%" : "") << i;
    EXPECT_EQ(w.lblGemPoint[i].Caption(), i < 4 ? "0" : "0.0") << i;
    EXPECT_EQ(w.lblGemCost[i].Caption(), " 0g 0s 0c") << i;
  }
  EXPECT_EQ(w.lblImbPoint[0].Caption(), "Imbue Points: 00.0 / 00");
  EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: none");
  for (const ui::Label& value : w.lblSkillVal)
    EXPECT_EQ(value.Caption(), "0");
  EXPECT_EQ(w.lblHitsVal.Caption(), "0");
}

TEST_F(MainFormTest, ScrollBarsAreSizedFromTheirPanels) {
  const int foc_inner = 1365 - 2 * ui::MainWindow::kViewportBorder;
  const int ski_inner = 2670 - 2 * ui::MainWindow::kViewportBorder;
  EXPECT_EQ(w.FocusScrollRange, foc_inner - 2655);
  EXPECT_EQ(w.SkillScrollRange, ski_inner - 8280);
  EXPECT_EQ(w.VScrollFoc.Max(), 2655 - foc_inner);
  EXPECT_EQ(w.VScrollFoc.LargeChange(), (2655 - foc_inner) / 10);
  EXPECT_EQ(w.VScrollSki.Max(), 8280 - ski_inner);
  EXPECT_EQ(w.VScrollSki.LargeChange(), (8280 - ski_inner) / 10);
  EXPECT_EQ(w.VScrollFoc.SmallChange(), w.VScrollSki.SmallChange());
  EXPECT_LT(w.VScrollFoc.SmallChange(), w.VScrollFoc.LargeChange());
  EXPECT_EQ(w.VScrollFoc.Value(), 0);
}

TEST_F(MainFormTest, AtItsMaximumABarShowsTheLastRowAtTheBottomAndNeverFurther) {
  w.VScrollSki.SetValue(w.VScrollSki.Max());
  const ui::PictureBox& panel = w.ScrollPictureSki;
  EXPECT_EQ(panel.Top() + panel.Height(), w.MainPictureSki.ScaleHeight());
  const ui::Label& last = w.lblSkill[25];
  EXPECT_LE(panel.Top() + last.rect().top + last.rect().height, w.MainPictureSki.ScaleHeight());
  EXPECT_GE(panel.Top() + w.cboSkillPri[25].rect().top + 315, w.MainPictureSki.ScaleHeight() - 315);
  w.VScrollSki.UserDrag(w.VScrollSki.Max() + 500);
  EXPECT_EQ(panel.Top() + panel.Height(), w.MainPictureSki.ScaleHeight());
  w.VScrollFoc.UserDrag(w.VScrollFoc.Max());
  EXPECT_EQ(w.ScrollPictureFoc.Top() + w.ScrollPictureFoc.Height(), w.MainPictureFoc.ScaleHeight());
  w.VScrollFoc.SetValue(0);
  EXPECT_EQ(w.ScrollPictureFoc.Top(), 0);
  EXPECT_EQ(w.ScrollPictureFoc.rect().left, -15);
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
  ui::Reveal(w.cboType[3]);
  EXPECT_EQ(w.VScrollSki.Value(), w.lblSkillVal[0].rect().top);
}

TEST_F(MainFormTest, TabChangesEnableSearchOnlyFromNeckOn) {
  w.SSTab1.SetTab(11);
  EXPECT_TRUE(w.cmdSearch.enabled());
  w.SSTab1.SetTab(18);
  EXPECT_TRUE(w.cmdSearch.enabled());
  w.SSTab1.SetTab(10);
  EXPECT_FALSE(w.cmdSearch.enabled());
  w.SSTab1.SetTab(0);
  EXPECT_FALSE(w.cmdSearch.enabled());
}

TEST_F(MainFormTest, ATabsFirstShowingFillsOnlyItsEmptyQualityBoxes) {
  w.cboGemQual[ui::GemSlot(5, 1)].SetListIndex(6);
  int evaluations = 0;
  for (int g = 0; g < 4; ++g) {
    const int slot = ui::GemSlot(5, g);
    w.cboGemQual[slot].Click = [&evaluations] { ++evaluations; };
  }
  w.SSTab1.SetTab(5);
  EXPECT_EQ(evaluations, 3);
  EXPECT_EQ(w.cboGemQual[ui::GemSlot(5, 0)].Text(), "94%");
  EXPECT_EQ(w.cboGemQual[ui::GemSlot(5, 1)].Text(), "100%");
  EXPECT_EQ(w.lblGemPoint[ui::GemSlot(5, 3)].Caption(), "0");  // the item was evaluated
  EXPECT_EQ(w.cboGemQual[ui::GemSlot(6, 0)].Text(), "");
  w.SSTab1.SetTab(0);
  w.SSTab1.SetTab(5);
  EXPECT_EQ(evaluations, 3);
}

TEST_F(MainFormTest, TheButtonsAndMenuItemsWithoutEffectChangeNothing) {
  const std::string before = test::Snapshot(w);
  for (ui::CommandButton* b : {&w.cmdClearItem, &w.cmdLoadItem, &w.cmdSaveItem, &w.cmdSwapItem}) {
    b->Press();
  }
  for (ui::MenuItem* m : {&w.mnuAlc, &w.mnuAC, &w.mnuFlet, &w.mnuGW, &w.mnuTail, &w.mnuWC,
                          &w.mnuAbout, &w.mnuVersion}) {
    m->Press();
  }
  w.cmdSearch.Press();  // disabled on the Chest tab
  EXPECT_EQ(test::Snapshot(w), before);
}

TEST_F(MainFormTest, TypingAndOptionsStartNoEvaluation) {
  const std::string before = test::Snapshot(w);
  w.txtItmlevel[0].SetText("40");
  w.cboAmount[0].UserTyped("7");
  w.optDropped[0].SetValue(true);
  w.chkEquip[0].SetValue(true);
  w.cboClass.SetListIndex(2);
  w.cboResPri[4].SetListIndex(1);
  std::string after = test::Snapshot(w);
  // Only the controls just set differ.
  for (const char* changed :
       {"txtItmlevel(0):40", "cboAmount(0):-1|7|", "optDropped(0):on", "optCraft(0):off",
        "chkEquip(0):on", "cboClass:2|", "cboResPri(4):1|"}) {
    EXPECT_NE(after.find(changed), std::string::npos) << changed;
  }
  EXPECT_EQ(w.lblStatVal[0].Caption(), "0");
  EXPECT_EQ(w.lblGemPoint[0].Caption(), "0");
  EXPECT_NE(before, after);
}

TEST_F(MainFormTest, ExitUnloadsTheWindow) {
  int unloads = 0;
  w.on_unload = [&] { ++unloads; };
  w.cmdExit.Press();
  EXPECT_EQ(unloads, 1);
  EXPECT_FALSE(w.loaded());
}

TEST(MainFormStartUp, ADataFileThatCannotBeReadStopsFormLoadNamingFileAndReason) {
  const struct {
    const char* name;
    void (*replace)(const std::filesystem::path& file);
    const char* reason;
  } cases[] = {
      {"missing", [](const auto&) {}, "velmora.dat is missing from "},
      {"named pipe", [](const auto& f) { ::mkfifo(f.c_str(), 0600); }, "it is a named pipe"},
      {"link to a device", [](const auto& f) { std::filesystem::create_symlink("/dev/zero", f); },
       "it is a device"},
      {"link loop", [](const auto& f) { std::filesystem::create_symlink(f, f); },
       "Too many levels of symbolic links"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::SampleDataCopy folder;
    std::filesystem::remove(folder.path() / "velmora.dat");
    c.replace(folder.path() / "velmora.dat");
    MainForm form(folder.path());
    try {
      form.Form_Load();
      ADD_FAILURE() << "loaded";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.kind(), ErrorKind::FileNotFound);
      EXPECT_NE(e.detail().find("velmora.dat"), std::string::npos);
      EXPECT_NE(e.detail().find(c.reason), std::string::npos) << e.detail();
    }
  }
}

}  // namespace
}  // namespace gw
