#include "app/main_form.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/help_text.h"
#include "common/text.h"
#include "data/data_files.h"
#include "library/item_library.h"
#include "plan/plan.h"
#include "support/desk.h"
#include "support/files.h"
#include "support/snapshot.h"
#include "ui/choice_window.h"
#include "ui/help_window.h"
#include "ui/search_window.h"

namespace gw {
namespace {

// The program's model after start-up over the sample data, with every message kept.
class MainFormTest : public ::testing::Test, public test::Desk {
 protected:
  // Opens `text` through File, "Open..." as a player would.
  void Import(const std::string& text) { ImportFile(folder.Write("set.txt", text).string()); }
  void ImportFile(std::optional<std::string> path) {
    open = std::move(path);
    w.mnuOpen.Press();
  }
  // Opens the search window from "Search..." and lets `use` work in it while it is open.
  void OpenSearch(const std::function<void(ui::ItemSearchWindow&)>& use) {
    w.present_modal = [&](ui::Window& child) {
      ++openings;
      use(static_cast<ui::ItemSearchWindow&>(child));
    };
    w.cmdSearch.Press();
  }

  test::TempFolder folder;
  int openings = 0;
};

TEST_F(MainFormTest, RevealScrollsAPanelJustEnoughToShowAControlAndTheLastRowFits) {
  const int inner = w.MainPictureSki.ScaleHeight();
  ui::Reveal(w.txtSkillMax[25]);
  const ui::Rect& last = w.txtSkillMax[25].rect();
  EXPECT_EQ(w.VScrollSki.Value(), last.top + last.height - inner);
  EXPECT_LT(w.VScrollSki.Max() - w.VScrollSki.Value(), last.height);  // no room for another row
  EXPECT_EQ(w.ScrollPictureSki.Top(), -w.VScrollSki.Value());         // Change moved the panel
  ui::Reveal(w.cboSkillPri[24]);  // already in view: nothing moves
  EXPECT_EQ(w.VScrollSki.Value(), last.top + last.height - inner);
  ui::Reveal(w.lblSkillVal[0]);
  EXPECT_EQ(w.VScrollSki.Value(), w.lblSkillVal[0].rect().top);
  ui::Reveal(w.txtStat[7]);  // not in a scrolling panel
  ui::Reveal(w.cmdExit);     // in no container at all
  ui::Reveal(w.cboType[3]);
  EXPECT_EQ(w.VScrollSki.Value(), w.lblSkillVal[0].rect().top);
}

TEST_F(MainFormTest, EachBarScrollsItsPanelToItsLastRowInPagesOfATenth) {
  const struct {
    ui::PictureBox& viewport;
    ui::PictureBox& panel;
    ui::VScrollBar& bar;
    int16_t range;
  } bars[] = {{w.MainPictureFoc, w.ScrollPictureFoc, w.VScrollFoc, w.FocusScrollRange},
              {w.MainPictureSki, w.ScrollPictureSki, w.VScrollSki, w.SkillScrollRange}};
  for (const auto& b : bars) {
    SCOPED_TRACE(b.bar.name());
    b.bar.SetValue(b.bar.Max());  // at the end, the panel's bottom meets the viewport's
    EXPECT_EQ(b.panel.Top() + b.panel.Height(), b.viewport.ScaleHeight());
    EXPECT_EQ(b.range, -b.bar.Max());
    // A page click moves a tenth of the way, the remainder dropped; an arrow click less.
    const int page = b.bar.LargeChange();
    EXPECT_TRUE(10 * page <= b.bar.Max() && b.bar.Max() < 10 * (page + 1)) << page;
    EXPECT_LT(b.bar.SmallChange(), page);
  }
}

TEST_F(MainFormTest, ATabsFirstShowingFillsItsEmptyQualitiesAndSearchOpensOnlyFromNeckOn) {
  w.cboGemQual[ui::GemSlot(5, 1)].SetListIndex(6);
  for (int tab = 0; tab < ui::kItemCount; ++tab)
    w.SSTab1.SetTab(tab);  // every item shown once, which fills its empty quality boxes
  std::string qualities;
  for (int g = 0; g < 4; ++g)
    qualities += w.cboGemQual[ui::GemSlot(5, g)].Text() + w.cboGemQual[ui::GemSlot(18, g)].Text();
  EXPECT_EQ(qualities, "94%94%100%94%94%94%94%94%");
  for (int tab : {0, 10, 11, 15, 18}) {
    w.SSTab1.SetTab(tab);
    EXPECT_EQ(w.cmdSearch.enabled(), tab >= 11) << tab;
    OpenSearch([](ui::ItemSearchWindow& s) { s.cboType[0].SetListIndex(2); });
  }
  EXPECT_EQ(openings, 3);
}

// Every menu item a player can choose does something to see, or is shown disabled: the help
// window shows the README's own walk-through and keys, About and the version say the build's
// version, Quit asks as Exit does, and Craft Pricing shows the one price there is.
TEST_F(MainFormTest, EveryMenuItemActsOrIsShownDisabled) {
  std::vector<std::string> without_action;
  for (const ui::Control* control : w.controls()) {
    if (control->kind() != ui::ControlKind::MenuItem) continue;
    const bool has_items =
        std::any_of(w.controls().begin(), w.controls().end(),
                    [&](const ui::Control* c) { return c->container() == control; });
    const auto& item = static_cast<const ui::MenuItem&>(*control);
    if (!has_items && item.enabled() && !item.Click) without_action.push_back(item.name());
  }
  EXPECT_EQ(without_action, std::vector<std::string>{});
  EXPECT_EQ(w.mnuVersion.Caption(), "&Version " GW_VERSION);
  for (ui::MenuItem* about : {&w.mnuAbout, &w.mnuVersion}) {
    messages.clear();
    about->Press();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("Gemwright Workshop " GW_VERSION "\n"), std::string::npos);
    EXPECT_NE(messages[0].find("Data folder: /"), std::string::npos);
  }
  std::vector<std::string> help;
  w.present_modal = [&](ui::Window& child) {
    help = static_cast<ui::HelpWindow&>(child).lstHelp.items();
  };
  w.mnuHelpContents.Press();
  ASSERT_GT(help.size(), 10u);
  EXPECT_EQ(help[0], "Planning an item");
  EXPECT_NE(std::find(help.begin(), help.end(), "Ctrl+L: File, \"Shopping List...\""), help.end());
  EXPECT_EQ(std::count_if(help.begin(), help.end(),
                          [](const std::string& p) { return p.find("**") != std::string::npos; }),
            0);
  // Markdown into paragraphs: items and rows each their own, wrapped lines joined.
  EXPECT_EQ(HelpParagraphs("## Keys\n\nSome `code` and **bold**\nwrapped.\n1. One\n   two\n- Dot\n"
                           "| Key | Does |\n|---|---|\n| F1 | help |\n"),
            (std::vector<std::string>{"Keys", "Some code and bold wrapped.", "1. One two",
                                      "\u2022 Dot", "Key: Does", "F1: help"}));
  w.mnuGW.Press();
  EXPECT_TRUE(w.mnuGW.Checked());
  EXPECT_FALSE(w.mnuAlc.enabled() || w.mnuWC.enabled());
  w.cboItmQual[0].SetListIndex(2);  // a change to ask about
  questions.clear();
  answer = "Cancel";
  w.mnuQuit.Press();
  EXPECT_EQ(questions, std::vector<std::string>{"Save the changes to this plan?"});
  EXPECT_TRUE(w.loaded());
}

// "Clear" puts the shown item back as a new window shows it, control for control, as one step
// that undo takes back; the totals follow it.
TEST_F(MainFormTest, ClearGivesTheShownItemOfANewWindowInOneStep) {
  ImportFile((test::ExamplesFolder() / "full-set.txt").string());
  const std::string example = test::PlanSnapshot(w);
  test::Desk fresh;
  for (const int k : {0, 13}) {
    w.SSTab1.SetTab(k);
    fresh.w.SSTab1.SetTab(k);
    w.cmdClearItem.Press();
    EXPECT_EQ(w.mnuUndo.Caption(), "&Undo Clear " + std::string(ui::kItemNames[k]));
    std::string cleared, expected;
    for (const ui::Control* c : w.controls())
      if (c->container() == &w.fraItem[k]) cleared += test::SnapshotLine(c);
    for (const ui::Control* c : fresh.w.controls())
      if (c->container() == &fresh.w.fraItem[k]) expected += test::SnapshotLine(c);
    EXPECT_EQ(cleared, expected) << k;
  }
  // The window is what its plan gives when restored into another: every caption computed.
  RestorePlan(fresh.w, fresh.form.calculator(), CapturePlan(w));
  EXPECT_EQ(test::PlanSnapshot(fresh.w), test::PlanSnapshot(w));
  w.mnuUndo.Press();
  w.mnuUndo.Press();
  w.SSTab1.SetTab(0);
  EXPECT_EQ(test::PlanSnapshot(w), example);
}

// "Swap..." asks which other item (never the shown one) and exchanges the two, every field, as
// one step; twice is the identity, undo gives the other, Cancel changes nothing.
TEST_F(MainFormTest, SwapExchangesTwoItemsInOneStepAndTwiceIsTheIdentity) {
  ImportFile((test::ExamplesFolder() / "full-set.txt").string());
  const auto index = [](std::string_view name) {
    return static_cast<int>(std::find(ui::kItemNames.begin(), ui::kItemNames.end(), name) -
                            ui::kItemNames.begin());
  };
  const int left = index("Left Hand"), right = index("Right Hand");
  std::string answer_with = "Right Hand";
  std::vector<std::string> offered;
  w.present_modal = [&](ui::Window& child) {
    auto& choice = static_cast<ui::ChoiceWindow&>(child);
    offered = choice.cboChoice.items();
    for (size_t i = 0; i < offered.size(); ++i) {
      if (offered[i].starts_with(answer_with)) choice.cboChoice.SetListIndex(static_cast<int>(i));
    }
    (answer_with.empty() ? choice.cmdCancel : choice.cmdOK).Press();
  };
  w.SSTab1.SetTab(left);
  const std::string example = test::PlanSnapshot(w);
  const Plan before = CapturePlan(w);
  w.cmdSwapItem.Press();
  EXPECT_EQ(offered.size(), 18u);
  EXPECT_EQ(std::count_if(offered.begin(), offered.end(),
                          [](const std::string& o) { return o.starts_with("Left Hand"); }),
            0);
  const Plan swapped = CapturePlan(w);
  EXPECT_EQ(swapped.items[left], before.items[right]);
  EXPECT_EQ(swapped.items[right], before.items[left]);
  EXPECT_EQ(w.mnuUndo.Caption(), "&Undo Swap Right Hand, Left Hand");
  const std::string once = test::PlanSnapshot(w);
  w.cmdSwapItem.Press();
  EXPECT_EQ(test::PlanSnapshot(w), example);
  w.mnuUndo.Press();
  EXPECT_EQ(test::PlanSnapshot(w), once);
  answer_with.clear();
  w.cmdSwapItem.Press();
  EXPECT_EQ(test::PlanSnapshot(w), once);
  EXPECT_EQ(w.mnuUndo.Caption(), "&Undo Swap Right Hand, Left Hand");
}

// The item library as a player meets it. Save... writes the shown item alone; the search finds
// items of the kind whose gems give every row's effect, at least its value, the largest sum
// first, and Enter loads one back as one step; Load... puts an item of any item set into the
// shown tab, asking which when it sets several, and refuses a file without items. A file that
// cannot be read or sets no item is named once; hidden files and folders are not the library's.
TEST_F(MainFormTest, TheItemLibrarySavesFindsAndLoadsItems) {
  const std::filesystem::path data = folder.path() / "data";
  const std::filesystem::path library = data / "gemwright-workshop" / "items";
  for (const char* other : {"", "relative/data", static_cast<const char*>(nullptr)}) {
    other ? setenv("XDG_DATA_HOME", other, 1) : unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(ItemLibraryFolder(),
              std::filesystem::path(getenv("HOME")) / ".local/share/gemwright-workshop/items");
  }
  ASSERT_EQ(setenv("XDG_DATA_HOME", data.c_str(), 1), 0);
  // The kind's place in its list (-1: none) and rows "Type/Effect/at least"; each result as
  // "file:kind", the kind checked to stand in its column however long the name.
  const auto search = [&](int kind, const std::vector<std::string>& rows, bool load = false) {
    std::string found;
    OpenSearch([&](ui::ItemSearchWindow& s) {
      if (kind >= 0) s.cboItem.SetListIndex(kind);
      for (size_t r = 0; r < rows.size(); ++r) {
        std::istringstream row(rows[r]);
        std::string type, effect, value;
        std::getline(row, type, '/');
        std::getline(row, effect, '/');
        std::getline(row, value);
        const auto t = std::find(ui::kGemTypes.begin(), ui::kGemTypes.end(), type);
        s.cboType[r].SetListIndex(static_cast<int>(t - ui::kGemTypes.begin()));
        const std::vector<std::string>& effects = s.cboEffect[r].items();
        const auto e = std::find(effects.begin(), effects.end(), effect);
        if (type != "Unused") s.cboEffect[r].SetListIndex(static_cast<int>(e - effects.begin()));
        s.txtValue[r].SetText(value);
      }
      s.cmdSearch.Press();
      for (size_t r = 0; r < rows.size(); ++r) {  // a heading over each effect asked for
        const std::string effect = s.cboEffect[r].ListIndex() == -1 ? "" : s.cboEffect[r].Text();
        if (s.lblHeadings.Caption().find(effect) == std::string::npos) found += "no heading ";
      }
      for (const std::string& line : s.lstItems.items())
        found += std::string(Trim(line.substr(line.rfind(' ') + 1))) + ":" +
                 (line[25] == ' ' && line[26] != ' ' ? "" : "misaligned ") +
                 std::string(Trim(line.substr(26, 12))) + " ";
      found += "| " + s.lblStatus.Caption();
      load ? s.lstItems.Activate(s.lstItems.ListIndex()) : s.cmdClose.Press();
      if (s.loaded()) found += " (still open)";
    });
    return found;
  };

  // Save... a ring, Clear it, find it and load it back: the example again, caption for caption.
  form.OpenStartingFile(test::ExamplesFolder() / "full-set.txt");
  const int left_ring = 15, right_ring = 16;
  w.SSTab1.SetTab(left_ring);  // Search... opens from the jewellery
  const std::string example = test::PlanSnapshot(w);
  const Plan before = CapturePlan(w);
  EXPECT_EQ(search(4, {}), "| The library is empty: Save... on an item puts it there");
  std::string proposed;
  w.CommonDialog.save_chooser = [&](const std::string& p) {
    proposed = p;
    return p.ends_with("b.txt") ? std::nullopt : std::optional((library / "quiet.txt").string());
  };
  w.cmdSaveItem.Press();
  EXPECT_EQ(proposed, (library / "Ring of the Quiet Step.txt").string());
  EXPECT_EQ(questions, std::vector<std::string>{});  // it comes back the same: nothing to ask
  const std::string text = ReadWholeFile(library / "quiet.txt");
  EXPECT_TRUE(text.starts_with("; Gemwright Workshop item set"));
  std::istringstream saved(text);  // that item alone, and no character
  for (std::string line; std::getline(saved, line);) {
    EXPECT_TRUE(!line.starts_with("ITEM") || line.starts_with("ITEM15_")) << line;
  }
  EXPECT_EQ(text.find("CHARACTER"), std::string::npos);
  w.cmdClearItem.Press();
  EXPECT_EQ(search(4, {"Resist/Thrust/5"}, true), "quiet.txt:Left Ring | 1 item matches");
  EXPECT_EQ(test::PlanSnapshot(w), example);
  EXPECT_EQ(w.mnuUndo.Caption(), "&Undo Load Left Ring");
  w.mnuUndo.Press();
  w.mnuUndo.Press();
  EXPECT_EQ(test::PlanSnapshot(w), example);
  EXPECT_FALSE(w.mnuUndo.enabled());

  // Load... into another tab: the same item, control for control and caption for caption.
  const auto captions = [&](int k) {
    std::string shown = w.lblImbPoint[k].Caption() + w.lblOverc[k].Caption();
    for (int g = 0; g < 4; ++g) {
      const int i = ui::GemSlot(k, g);
      shown += w.lblGemPoint[i].Caption() + w.lblGemCost[i].Caption() + w.lblGemName[i].Caption();
    }
    return shown + w.lblItemCost[k].Caption();
  };
  w.SSTab1.SetTab(right_ring);
  open = (library / "quiet.txt").string();
  w.cmdLoadItem.Press();
  EXPECT_EQ(CapturePlan(w).items[right_ring], before.items[left_ring]);
  EXPECT_EQ(captions(right_ring), captions(left_ring));
  EXPECT_EQ(w.mnuUndo.Caption(), "&Undo Load Right Ring");
  w.mnuUndo.Press();
  // The whole example sets nineteen items: a question asks which; Cancel changes nothing.
  std::vector<std::string> offered;
  bool take = false;
  w.present_modal = [&](ui::Window& child) {
    auto& choice = static_cast<ui::ChoiceWindow&>(child);
    offered = choice.cboChoice.items();
    choice.cboChoice.SetListIndex(1);
    (take ? choice.cmdOK : choice.cmdCancel).Press();
  };
  open = (test::ExamplesFolder() / "full-set.txt").string();
  for (const bool answer : {false, true}) {
    take = answer;
    w.cmdLoadItem.Press();
  }
  EXPECT_EQ(offered.size(), 19u);
  EXPECT_EQ(CapturePlan(w).items[right_ring], before.items[1]);  // the Arms, after Cancel
  w.mnuUndo.Press();
  // A file that sets no item, none at all, or none that exists changes nothing and says so.
  messages.clear();
  for (const char* bad : {"CHARACTER_NAME=x\n", "nothing here\n"}) {
    open = folder.Write("bad.txt", bad).string();
    w.cmdLoadItem.Press();
  }
  open = (folder.path() / "missing.txt").string();
  w.cmdLoadItem.Press();
  EXPECT_EQ(messages.size(), 3u);
  EXPECT_EQ(CapturePlan(w), before);
  // The name offered is a file of the library, never a path or a hidden file.
  w.SSTab1.SetTab(left_ring);
  w.txtItemName[left_ring].UserTyped(" ./a/b ");
  w.txtItemName[left_ring].UserCommit();
  w.cmdSaveItem.Press();
  EXPECT_EQ(proposed, (library / "item.-a-b.txt").string());

  // The search, over a library of several kinds of file.
  const std::string whole = ReadWholeFile(test::ExamplesFolder() / "full-set.txt");
  const auto item = [&](const char* from, const char* to) {  // item `from` alone, as `to`
    std::istringstream lines(whole);
    std::string text, line;
    while (std::getline(lines, line)) {
      if (line.starts_with(std::string("ITEM") + from + "_"))
        text += std::string("ITEM") + to + line.substr(4 + std::strlen(from)) + "\n";
    }
    return text;
  };
  std::filesystem::create_directories(library / "old");
  for (const auto& [name, text] : std::vector<std::pair<std::string, std::string>>{
           {"copper.txt", item("16", "16")},         // Right Ring: STR 10, DEX 10
           {"copper-neck.txt", item("16", "11")},    // the same gems on a Neck
           {"plan.txt", whole},                      // nineteen items
           {"notes.txt", "nothing here\n"},          // not an item set
           {"character.txt", "CHARACTER_NAME=x\n"},  // sets no item
           {".gw-a1b2c3", "ITEM15_LEVEL=2\n"},       // a save's leftover: hidden
           {"old/inner.txt", item("15", "15")}}) {   // in a folder of the library
    std::ofstream(library / name, std::ios::binary) << text;
  }
  const struct {
    const char* what;
    int kind;
    std::vector<std::string> rows;
    std::string found;
  } cases[] = {
      {"a tie: by name, then file",
       4,
       {"Resist/Thrust/5"},
       "plan.txt:Left Ring quiet.txt:Left Ring | 2 items match"},
      {"exactly the amount",
       4,
       {"Resist/Thrust/6"},
       "plan.txt:Left Ring quiet.txt:Left Ring | 2 items match"},
      {"one more", 4, {"Resist/Thrust/7"}, "| No item in the library matches"},
      {"any kind",
       -1,
       {"Resist/Thrust/"},
       "plan.txt:Left Hand plan.txt:Left Ring quiet.txt:Left Ring | 3 items match"},
      {"the tab saved from", 0, {"Stat/Strength/"}, "copper-neck.txt:Neck | 1 item matches"},
      {"every row; the sum ranks",
       4,
       {"Stat/Strength/", "Stat/Dexterity/10"},
       "copper.txt:Right Ring plan.txt:Right Ring | 2 items match"},
      {"Unused asks nothing",
       5,
       {"Resist/Thrust/", "Unused//99"},
       "| No item in the library matches"},
      {"a long name", 0, {}, "copper-neck.txt:Neck plan.txt:Neck | 2 items match"},
      {"no row: by name",
       5,
       {"Unused//99"},
       "plan.txt:Left Wrist plan.txt:Right Wrist | 2 items match"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(search(c.kind, c.rows),
              c.found + "; 2 files in the library could not be read: character.txt, notes.txt")
        << c.what;
  }
  std::filesystem::remove(library / "notes.txt");  // read afresh: one file left to name
  EXPECT_EQ(search(0, {"Stat/Strength/10"}),
            "copper-neck.txt:Neck | 1 item matches; 1 file in the library could not be read: "
            "character.txt");
  unsetenv("XDG_DATA_HOME");
}

TEST_F(MainFormTest, ASearchTypeFillsItsRowsEffects) {
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
  });
}

TEST_F(MainFormTest, TheExampleSetPricesEveryGemByItsOwnItemWhateverTabIsShown) {
  w.SSTab1.SetTab(11);  // the example's Neck is a dropped item
  Import(ReadWholeFile(test::ExamplesFolder() / "full-set.txt"));
  ASSERT_TRUE(messages.empty()) << messages[0];
  ASSERT_TRUE(w.optDropped[11].Value());
  for (int k = 0; k < ui::kItemCount; ++k) {
    EXPECT_NE(w.optCraft[k].Value(), w.optDropped[k].Value()) << k;  // one option of the two
    EXPECT_EQ(w.chkEquip[k].Value(), k != 8 && k != 10) << k;        // all but two are worn
  }
  EXPECT_NE(w.lblOverc[0].Caption(), "Overcharge: none");  // the example overcharges its chest
  // Every item shows what choosing its tab shows, also after a set that empties the chest.
  for (const char* set : {"", "ITEM0_NAME=Plain robe\n"}) {
    if (*set != '\0') Import(set);
    const std::string imported = test::Snapshot(w);
    for (int k : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 11})
      w.SSTab1.SetTab(k);
    EXPECT_EQ(test::Snapshot(w), imported);
  }
  EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: none");
}

// The example set with `changes` after it (the last line wins) and without the lines that
// contain `dropped`.
std::string ExampleSet(const std::string& changes, const std::string& dropped = "\n") {
  std::istringstream example(ReadWholeFile(test::ExamplesFolder() / "full-set.txt"));
  std::string text;
  for (std::string line; std::getline(example, line);) {
    if (line.find(dropped) == std::string::npos) text += line + "\n";
  }
  return text + changes;
}

TEST_F(MainFormTest, AfterAnySequenceOfImportsTheWindowShowsWhatAFreshOneShowsForTheLastFile) {
  // Each set in turn, each changing what an earlier one left: a crafted item made dropped, its
  // level emptied or past the table, a gem left unused, then all back.
  const std::pair<const char*, std::string> sets[] = {
      {"the example", ExampleSet("")},
      {"chest dropped", ExampleSet("ITEM00_PLAYER_MADE=0\n")},
      {"example again", ExampleSet("")},
      {"chest without a level", ExampleSet("ITEM00_LEVEL=0\n")},
      {"chest past the table", ExampleSet("ITEM00_LEVEL=53\n")},
      {"chest's third gem unused", ExampleSet("", "ITEM00_GEM2_GEM_ID")},
      {"legs and bow dropped", ExampleSet("ITEM03_PLAYER_MADE=0\nITEM09_PLAYER_MADE=0\n")},
      {"a typo in an identifier", ExampleSet("ITEM01_GEM1_GEM_ID=ST_QUICK\n")},
      {"one name only", "ITEM00_NAME=Plain robe\n"},
      {"example at last", ExampleSet("")},
  };
  for (const auto& [name, set] : sets) {
    SCOPED_TRACE(name);
    Import(set);
    MainForm fresh(test::SampleDataFolder());
    fresh.Form_Load();
    fresh.OpenItemSet(folder.Write("fresh.txt", set));
    EXPECT_EQ(test::Snapshot(w), test::Snapshot(fresh.window()));
  }
  // The typo is reported by its line (the example has 399).
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("\n\nline 400: gem identifier \"ST_QUICK\" is not in velmora.dat"),
            std::string::npos);
}

TEST_F(MainFormTest, ACancelledUnreadableItemlessOrEmptyImportChangesNothing) {
  w.cboType[0].SetListIndex(2);
  w.txtItemName[0].SetText("My plan");
  const std::string before = test::Snapshot(w);
  ImportFile(std::nullopt);
  ImportFile((folder.path() / "missing.txt").string());
  ImportFile("/dev/zero");  // would never end
  // A named pipe nobody writes to: Open, a drop and the starting file each read it once, without
  // waiting, and never open it again to see who wrote it (that would block for good).
  const std::filesystem::path pipe = folder.path() / "pipe.txt";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  alarm(30);  // a blocking open ends the test here instead of hanging it
  ImportFile(pipe.string());
  form.OpenItemSet(pipe);
  test::Desk starting;
  starting.form.OpenStartingFile(pipe);
  alarm(0);
  const std::string refused =
      pipe.string() + " cannot be read (it is a named pipe). Nothing was imported.";
  EXPECT_EQ(starting.messages, std::vector{refused});
  Import("[Chest]\n\nName=Runed Hauberk\n");
  Import("ITEM");
  Import("ITEM19_NAME=x\nITEM3_GEM0_GEM_ID=NO_SUCH_GEM\n");
  ASSERT_EQ(messages.size(), 7u);
  EXPECT_EQ(messages[1], "/dev/zero cannot be read (it is a device). Nothing was imported.");
  EXPECT_EQ(std::vector(messages.begin() + 2, messages.begin() + 4),
            std::vector<std::string>(2, refused));
  messages.erase(messages.begin() + 2, messages.begin() + 4);
  EXPECT_NE(messages[2].find("set.txt\" holds no item lines"), std::string::npos);
  EXPECT_NE(messages[3].find("none of them sets anything. Nothing was imported."),
            std::string::npos);
  EXPECT_EQ(messages[4],
            "Nothing in \"set.txt\" could be used, so nothing was imported:\n\n"
            "line 1: item number 19 is outside 0..18\n"
            "line 2: gem identifier \"NO_SUCH_GEM\" is not in velmora.dat");
  EXPECT_EQ(test::Snapshot(w), before);
  w.cboItmQual[4].Click = [] { throw RuntimeError(ErrorKind::Overflow, "test"); };
  EXPECT_THROW(Import("ITEM4_LEVEL=1\n"), RuntimeError);
  EXPECT_FALSE(w.ImportInProgress);  // even after an error
}

TEST_F(MainFormTest, AnImportedEffectPastItsTypesListIsSkipped) {
  // An identifier file that gives a Hits gem a second effect, which the Hits list lacks.
  test::TempFolder data;
  for (DataFile file : kDataFiles)
    std::filesystem::copy(test::SampleDataFolder() / FileName(file), data.path());
  data.Write("velmora.dat", "[3]\nHT_HITS=0\nHT_MORE=1\n[1]\nST_STR=9\n");
  MainForm other(data.path());
  other.Form_Load();
  const ImportOutcome outcome = other.OpenItemSet(
      folder.Write("set.txt", "ITEM0_GEM0_GEM_ID=HT_MORE\nITEM0_GEM1_GEM_ID=ST_STR\n"));
  EXPECT_NE(outcome.message.find("line 1: effect 1 is outside the 1 effects of a Hits gem\n"
                                 "line 2: effect 9 is outside the 8 effects of a Stat gem"),
            std::string::npos);
  EXPECT_EQ(other.window().cboEffect[0].ListIndex(), -1);
  EXPECT_EQ(other.window().cboType[1].Text(), "Stat");
}

TEST(CommandLine, OptionsValuesAndFilesOrWhatIsWrongWithThem) {
  // What a command line reads as: the action or the error, then the values and the files.
  const auto read = [](std::vector<std::string> args) {
    const CommandLine line = ParseCommandLine(args, {"--data"});
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
