#include "plan/plan.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "common/convert.h"
#include "common/file_write.h"
#include "common/text.h"
#include "import/item_set_reader.h"
#include "import/item_set_transfer.h"
#include "plan/item_set_writer.h"
#include "plan/plan_history.h"
#include "plan/round_trip.h"
#include "support/desk.h"
#include "support/files.h"
#include "support/player.h"
#include "support/snapshot.h"

namespace gw {
namespace {

namespace fs = std::filesystem;

using test::Desk;

fs::path ExampleSet() {
  return test::ExamplesFolder() / "full-set.txt";
}

// A file that would not be written back the same: the example set with the chest dropped.
fs::path DroppedChestSet(const test::TempFolder& folder) {
  std::string text = ReadWholeFile(ExampleSet());
  const size_t at = text.find("ITEM00_PLAYER_MADE=1");
  text.replace(at, 20, "ITEM00_PLAYER_MADE=0");
  return folder.Write("dropped-chest.txt", text);
}

TEST(SaveTest, ASavedPlanOpensToTheSameWindowExceptWhatTheQuestionListed) {
  test::TempFolder folder;
  const std::vector<fs::path> sets = {ExampleSet(), DroppedChestSet(folder)};
  int asked = 0;
  for (uint32_t run = 0; run < 24; ++run) {
    Desk desk;
    test::RandomPlayer player(desk.form, run, sets);
    std::string actions;
    for (int step = 0; step < 30; ++step) {
      const int k = player.Item();
      desk.w.SSTab1.SetTab(k);
      actions += player.Act(k) + "\n";
    }
    const fs::path file = folder.path() / ("plan" + std::to_string(run) + ".txt");
    desk.save_as = file.string();
    desk.answer = "Save anyway";
    desk.questions.clear();
    const Plan plan = CapturePlan(desk.w);
    const std::vector<RoundTripDifference> listed =
        CompareRoundTrip(WriteItemSet(plan, desk.form.reference()), plan, desk.form.reference(),
                         desk.form.constants());
    ASSERT_TRUE(desk.form.mnuSaveAs_Click()) << actions;
    ASSERT_EQ(desk.questions.size(), listed.empty() ? 0u : 1u) << actions;
    asked += !listed.empty();

    Desk reopened;
    reopened.open = file.string();
    reopened.w.mnuOpen.Press();
    // A file opens without a word, unless the question said what it cannot hold (an amount
    // typed past what a file's gem level holds comes back skipped, and says so).
    ASSERT_TRUE(reopened.messages.empty() || !listed.empty()) << reopened.messages[0];
    desk.ShowEveryTab();
    reopened.ShowEveryTab();

    std::set<std::string> allowed;
    for (const RoundTripDifference& d : listed)
      allowed.insert(d.control);
    const std::vector<ui::Control*>& now = desk.w.controls();
    const std::vector<ui::Control*>& after = reopened.w.controls();
    for (size_t i = 0; i < now.size(); ++i) {
      if (now[i]->name().rfind("mnu", 0) == 0) continue;  // the menus follow the history
      const std::string a = test::SnapshotLine(now[i]), b = test::SnapshotLine(after[i]);
      if (a == b || allowed.count(now[i]->name()) != 0) continue;
      // A list the player never chose in (or an unused slot's amount box) comes back with what
      // an import writes there.
      const auto* list = dynamic_cast<const ui::ComboBox*>(now[i]);
      if (list != nullptr && list->ListIndex() == -1 && list->Text().empty()) continue;
      // The character's level is its text, typed or chosen: "50" typed opens as "50" chosen.
      if (list == &desk.w.cboLevel && list->Text() == reopened.w.cboLevel.Text()) continue;
      ADD_FAILURE() << "run " << run << ": " << a << "came back as " << b << actions;
    }
  }
  EXPECT_GT(asked, 0);  // the actions reach plans that cannot be written as they are
  EXPECT_LT(asked, 24);
}

// Each way a plan can hold what an item set cannot say is found by opening the text, and asks
// once; Cancel writes nothing, "Save anyway" writes the file.
TEST(SaveTest, WhatAFileCannotHoldIsListedOnceBeforeAnythingIsWritten) {
  test::TempFolder folder;
  // Data in which the strength gem has no identifier.
  const fs::path data = folder.path() / "data";
  fs::copy(test::SampleDataFolder(), data);
  std::string ids = ReadWholeFile(data / "velmora.dat");
  ids.erase(ids.find("ST_STR="), ids.find('\n', ids.find("ST_STR=")) - ids.find("ST_STR=") + 1);
  folder.Write("data/velmora.dat", ids);

  struct Row {
    const char* name;
    std::function<void(ui::MainWindow&)> plan;
    const char* listed;
  };
  const std::vector<Row> rows = {
      {"gem without identifier",
       [](ui::MainWindow& w) {
         w.cboType[0].SetListIndex(ui::kStat);  // chooses the first effect, strength
       },
       "Chest, Gem 1 type: \"Stat\" now, \"Unused\" after opening"},
      {"amount typed on a crafted item",
       [](ui::MainWindow& w) {
         w.cboType[1].SetListIndex(ui::kResist);
         w.cboAmount[1].UserTyped("8");
         w.cboAmount[1].UserCommit();
       },
       "Chest, Gem 2 amount: \"8 (typed)\" now, \"1\" after opening"},
      {"item level written with a leading zero (a word or past 255 is refused as typed)",
       [](ui::MainWindow& w) {
         for (const char* refused : {"fifty", "256", "-1", "5 "})
           w.txtItmlevel[2].UserTyped(refused);
         w.txtItmlevel[2].UserTyped("051");
         w.txtItmlevel[2].UserCommit();
       },
       "Head, Item Level: \"051\" now, \"51\" after opening"},
      {"AF/DPS out of range",
       [](ui::MainWindow& w) {
         w.txtAF[3].UserTyped("1e40");
         w.txtAF[3].UserCommit();
       },
       "Legs, AF/DPS: \"1e40\""},
      {"planned item without a quality",
       [](ui::MainWindow& w) { w.cboType[ui::GemSlot(4, 0)].SetListIndex(ui::kHits); },
       "Hands, Item Quality: \"\" now, \"94%\" after opening"},
  };
  for (const Row& row : rows) {
    Desk desk(data);
    row.plan(desk.w);
    const fs::path file = folder.path() / "refused.txt";
    desk.save_as = file.string();
    desk.answer = "Cancel";
    EXPECT_FALSE(desk.form.mnuSaveAs_Click()) << row.name;
    ASSERT_EQ(desk.questions.size(), 1u) << row.name;
    EXPECT_NE(desk.questions[0].find(row.listed), std::string::npos) << row.name << "\n"
                                                                     << desk.questions[0];
    EXPECT_FALSE(fs::exists(file)) << row.name;
    desk.answer = "Save anyway";
    EXPECT_TRUE(desk.form.mnuSaveAs_Click()) << row.name;
    EXPECT_TRUE(fs::exists(file)) << row.name;
    EXPECT_FALSE(desk.form.PlanChanged()) << row.name;
    fs::remove(file);
  }
}

// The file sets every field of every item, so what was open before does not shine through.
TEST(SaveTest, TheFileSaysWhoWroteItAndOpensAloneToTheSamePlan) {
  test::TempFolder folder;
  Desk desk;
  desk.open = ExampleSet().string();
  desk.w.mnuOpen.Press();
  const Plan plan = CapturePlan(desk.w);
  const std::string text = WriteItemSet(plan, desk.form.reference());
  EXPECT_EQ(text.substr(0, text.find("\r\n")),
            std::string(kItemSetSignature) + ", version " + GW_VERSION);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r'));
  EXPECT_TRUE(CompareRoundTrip(text, plan, desk.form.reference(), desk.form.constants()).empty());

  Desk other;
  other.open = DroppedChestSet(folder).string();
  other.w.mnuOpen.Press();
  other.w.txtItemName[18].UserTyped("left over");
  other.w.txtItemName[18].UserCommit();
  other.open = folder.Write("saved.txt", text).string();
  other.w.mnuOpen.Press();
  EXPECT_TRUE(other.messages.empty());
  EXPECT_EQ(test::PlanSnapshot(other.w), test::PlanSnapshot(desk.w));
}

// Looking through the tabs plans nothing, and an unused slot holds nothing to lose: a chest
// planned whole saves without a question.
TEST(SaveTest, AFullyPlannedItemSavesWithoutAQuestionWhateverTabsWereShown) {
  test::TempFolder folder;
  Desk desk;
  desk.ShowEveryTab();
  desk.w.cboItmQual[0].SetListIndex(3);
  desk.w.cboType[0].SetListIndex(ui::kResist);
  desk.w.cboAmount[0].SetListIndex(4);
  desk.w.cboType[1].SetListIndex(ui::kStat);  // tried, then taken out again
  desk.w.cboType[1].SetListIndex(ui::kUnused);
  desk.save_as = (folder.path() / "chest.txt").string();
  EXPECT_TRUE(desk.form.mnuSaveAs_Click());
  EXPECT_TRUE(desk.questions.empty()) << desk.questions.front();
}

// The whole character (the crafter level among it) is saved: the file opens to the same
// character and the same captions over any other, without a question when saved. A file without
// the section (any hand-written set) leaves the character as it was, and neither kind of line
// sets anything of the other.
TEST(SaveTest, TheCharacterIsSavedAndOpensOverAnyOther) {
  test::TempFolder folder;
  Desk desk;
  desk.open = ExampleSet().string();
  desk.w.mnuOpen.Press();
  auto plan_character = [](Desk& d, const char* cap, int priority, bool distance) {
    auto type = [](auto& box, const std::string& text) {
      box.UserTyped(text);
      box.UserCommit();
    };
    type(d.w.txtCLevel, cap == std::string("75") ? "50" : "7");
    type(d.w.txtStat[0], cap);
    type(d.w.txtHits, "100");
    type(d.w.txtSkillMax[25], "9999");
    d.w.cboStatsPri[0].SetListIndex(priority);
    d.w.cboSkillPri[25].SetListIndex(priority);
    (distance ? d.w.optCap : d.w.optTotal).UserClick();
    if (d.w.mnuEquippedOnly.Checked() != distance) d.w.mnuEquippedOnly.Press();
    d.w.cboClass.SetListIndex(priority + 2);
    type(d.w.cboLevel, distance ? "50" : "12");
    type(d.w.txtName, distance ? "Thane" : "Other");
    type(d.w.txtCName, distance ? "Smith" : "");
  };
  plan_character(desk, "75", 1, true);
  desk.questions.clear();
  const fs::path file = folder.path() / "crafted.txt";
  desk.save_as = file.string();
  EXPECT_TRUE(desk.form.mnuSaveAs_Click());
  EXPECT_TRUE(desk.questions.empty()) << desk.questions.front();
  const std::string text = ReadWholeFile(file);
  for (const char* line : {"\r\n[Character]\r\nCHARACTER_NAME=Thane\r\n", "\r\nCAP_STAT_STR=75\r\n",
                           "\r\nPRIORITY_SKILL_VERDANT=High\r\n", "\r\nCAP_HITS=100\r\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }

  Desk other;
  plan_character(other, "20", 3, false);
  other.open = file.string();
  other.w.mnuOpen.Press();
  EXPECT_EQ(CapturePlan(other.w), CapturePlan(desk.w));
  const std::vector<ui::Control*>& now = desk.w.controls();
  const std::vector<ui::Control*>& after = other.w.controls();
  for (size_t i = 0; i < now.size(); ++i) {
    if (now[i]->kind() != ui::ControlKind::Label) continue;
    EXPECT_EQ(test::SnapshotLine(after[i]), test::SnapshotLine(now[i]));
  }
  // The example set has no character section: the character stays; and an item name that reads
  // like a character line is a name, a character line that holds an item key is no item's.
  const Plan before = CapturePlan(other.w);
  other.open =
      folder.Write("mixed.txt", "ITEM00_NAME=CAP_STAT_STR=5\nCHARACTER_NAME=ITEM01_NAME=x\n")
          .string();
  other.answer = "Discard";
  other.w.mnuOpen.Press();
  CharacterPlan expected = before.character;
  expected.name = "ITEM01_NAME=x";
  const Plan mixed = CapturePlan(other.w);
  EXPECT_EQ(mixed.items[0].name + "|" + mixed.items[1].name, "CAP_STAT_STR=5|");
  EXPECT_EQ(mixed.character, expected);
  EXPECT_EQ(mixed.crafter_level, before.crafter_level);
  other.open = ExampleSet().string();
  other.w.mnuOpen.Press();
  EXPECT_EQ(CapturePlan(other.w).character, expected);
  EXPECT_EQ(CapturePlan(other.w).crafter_level, before.crafter_level);
  // Without a way to ask, a question is answered as cancelled: nothing is lost or written.
  MainForm bare(test::SampleDataFolder());
  bare.Form_Load();
  bare.OpenItemSet(file);
  const std::string saved = ReadWholeFile(file);
  bare.window().cboAmount[0].UserTyped("8");  // not what an item set can say
  bare.window().cboAmount[0].UserCommit();
  EXPECT_FALSE(bare.mnuSave_Click());
  EXPECT_EQ(ReadWholeFile(file), saved);
  bare.window().cmdExit.Press();
  EXPECT_TRUE(bare.window().loaded());
}

// An unknown identifier is named whole up to forty bytes, and cut short after.
TEST(SaveTest, AnUnknownIdentifierIsNamedWholeUpToFortyBytes) {
  Desk desk;
  const std::string forty(40, 'Q');
  const ItemSetReading reading =
      ReadItemSet("ITEM00_GEM0_GEM_ID=" + forty + "\nITEM00_GEM1_GEM_ID=" + forty + "R\n",
                  desk.form.reference());
  ASSERT_EQ(reading.problems.count(), 2u);
  EXPECT_EQ(reading.problems.first()[0].reason,
            "gem identifier \"" + forty + "\" is not in velmora.dat");
  EXPECT_EQ(reading.problems.first()[1].reason,
            "gem identifier \"" + forty + "...\" is not in velmora.dat");
}

TEST(SaveTest, MarkersInAValueSetNothingElse) {
  Desk desk;
  const ReferenceTables& tables = desk.form.reference();
  const ItemSetReading reading = ReadItemSet(
      "ITEM00_LEVEL=51\nITEM00_NAME=Blade of _LEVEL_QUALITY GEM_ID\nITEM00_GEM1_LEVEL=3\n"
      "ITEM01_BONUS=7 _GEM2_QUALITY=5\nITEM02_LEVEL 9\n",
      tables);
  EXPECT_EQ(reading.ImportedItems[0].ItemLevel, 51);
  EXPECT_EQ(reading.ImportedItems[0].ItemQuality, 0);
  EXPECT_EQ(reading.ImportedItems[0].ItemName, "Blade of _LEVEL_QUALITY GEM_ID");
  EXPECT_EQ(reading.ImportedItems[0].Gems[1].AmountCode, 3);
  EXPECT_EQ(reading.ImportedItems[1].Bonus, 7);
  EXPECT_EQ(reading.ImportedItems[1].Gems[2].GemQuality, 0);
  // A line without "=" is still searched whole; its value, the whole line, holds no number.
  EXPECT_EQ(reading.ImportedItems[2].ItemLevel, 0);
  EXPECT_EQ(reading.settings, 5);
}

// A failed write leaves the file that was there byte for byte and says why.
TEST(SaveTest, AFailedWriteLeavesTheTargetAsItWas) {
  test::TempFolder folder;
  const std::string old_text = "ITEM00_NAME=kept\r\n";
  const fs::path target = folder.Write("set.txt", old_text);
  EXPECT_EQ(WriteFileAtomically(folder.path(), "x"), "it is not a regular file");
  EXPECT_EQ(WriteFileAtomically(folder.path() / "no" / "set.txt", "x"),
            "No such file or directory");
  EXPECT_EQ(WriteFileAtomically(folder.path() / std::string(300, 'n'), "x"), "File name too long");
  if (geteuid() != 0) {  // root writes into any folder
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(WriteFileAtomically(target, "x"), "Permission denied");
    fs::permissions(folder.path(), fs::perms::owner_all);
  }
  // A disk that fills up: the size a process may write is capped below the new content.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    const std::optional<std::string> error = WriteFileAtomically(target, std::string(1 << 20, 'x'));
    _exit(error == std::optional<std::string>("File too large") ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(ReadWholeFile(target), old_text);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);

  // Through the window: one message naming the file and the cause, and the plan still changed.
  Desk desk;
  desk.answer = "Save anyway";
  desk.w.txtItemName[0].UserTyped("Mine");
  desk.w.txtItemName[0].UserCommit();
  desk.save_as = folder.path().string();
  EXPECT_FALSE(desk.form.mnuSaveAs_Click());
  ASSERT_EQ(desk.messages.size(), 1u);
  EXPECT_EQ(desk.messages[0], "Could not save " + Quoted(folder.path().string()) +
                                  ": it is not a regular file. The file on the disk was not "
                                  "changed.");
  EXPECT_TRUE(desk.form.PlanChanged());
  // A successful write replaces the file and keeps no temporary file beside it.
  EXPECT_EQ(WriteFileAtomically(target, "new"), std::nullopt);
  EXPECT_EQ(ReadWholeFile(target), "new");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

// A replaced file stays what it was: a link stays a link (even one to a file not there yet), the
// mode, owner and group stay, a read-only file is replaced only when the player says so. Any name
// the file system takes can be saved, and a killed save's temporary file goes with the next save.
TEST(SaveTest, AReplacedFileStaysWhatItWasAndAnyNameCanBeSaved) {
  test::TempFolder folder;
  const fs::path dir = folder.path();
  const fs::path longest = folder.Write(std::string(255, 'n'), "old");
  EXPECT_EQ(WriteFileAtomically(longest, "new"), std::nullopt);
  EXPECT_EQ(ReadWholeFile(longest), "new");

  fs::create_symlink("sub/target.txt", dir / "link.txt");  // dangling, relative to its folder
  fs::create_directory(dir / "sub");
  EXPECT_EQ(WriteFileAtomically(dir / "link.txt", "through"), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
  EXPECT_EQ(ReadWholeFile(dir / "sub" / "target.txt"), "through");

  const fs::path owned = folder.Write("owned.txt", "old");
  fs::permissions(owned, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const uid_t nobody = 65534;
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(owned.c_str(), nobody, nobody), 0);
  }
  EXPECT_EQ(WriteFileAtomically(owned, "new"), std::nullopt);
  struct stat info {};
  ASSERT_EQ(::stat(owned.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(info.st_uid + info.st_gid, 2 * nobody);
  }

  // Only regular files of the temporary pattern, untouched for a minute, are a killed save's.
  const auto two_minutes_ago = fs::file_time_type::clock::now() - std::chrono::minutes(2);
  for (const char* name : {".gw-Ab12Z9", ".gw-fresh1", ".gw-toolong", ".gw-ab-cd1", "keep.txt"}) {
    folder.Write(name, "left");
    if (std::string_view(name) != ".gw-fresh1") fs::last_write_time(dir / name, two_minutes_ago);
  }
  fs::create_directory(dir / ".gw-dir123");
  fs::last_write_time(dir / ".gw-dir123", two_minutes_ago);
  EXPECT_EQ(WriteFileAtomically(dir / "keep.txt", "new"), std::nullopt);
  std::set<std::string> left;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir))
    left.insert(entry.path().filename().string());
  EXPECT_EQ(left, (std::set<std::string>{std::string(255, 'n'), "link.txt", "sub", "owned.txt",
                                         ".gw-fresh1", ".gw-toolong", ".gw-ab-cd1", "keep.txt",
                                         ".gw-dir123"}));

  // Read-only: asked before anything is written, by Save As and Save alike. Only a file is: a
  // folder or a name not there yet is no file to ask about.
  const fs::path read_only = folder.Write("read-only.txt", "old");
  fs::permissions(read_only, fs::perms::owner_read | fs::perms::group_read);
  fs::create_directory(dir / "locked");
  fs::permissions(dir / "locked", fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_TRUE(IsReadOnlyFile(read_only));
  EXPECT_FALSE(IsReadOnlyFile(dir / "locked") || IsReadOnlyFile(dir / "missing.txt") ||
               IsReadOnlyFile(owned));
  Desk desk;
  desk.w.cboItmQual[0].SetListIndex(1);
  desk.save_as = read_only.string();
  desk.answer = "Cancel";
  EXPECT_FALSE(desk.form.mnuSaveAs_Click());
  EXPECT_EQ(desk.questions,
            std::vector<std::string>{"'read-only.txt' is read-only. Replace it anyway?"});
  EXPECT_EQ(ReadWholeFile(read_only), "old");
  desk.answer = "Replace";
  EXPECT_TRUE(desk.form.mnuSaveAs_Click());
  EXPECT_TRUE(WrittenByThisProgram(ReadWholeFile(read_only)));
  EXPECT_EQ(fs::status(read_only).permissions(), fs::perms::owner_read | fs::perms::group_read);
  desk.w.cboItmQual[0].SetListIndex(2);
  desk.answer = "Cancel";
  EXPECT_FALSE(desk.form.mnuSave_Click());
  EXPECT_EQ(desk.questions.size(), 3u);
  EXPECT_TRUE(desk.form.PlanChanged());
}

// Exit, the close box and Open ask only when the plan differs from the one last opened or
// saved; Cancel keeps everything, Save writes first.
TEST(SaveTest, OnlyARealChangeAsksBeforeItIsLost) {
  test::TempFolder folder;
  const fs::path saved = folder.path() / "saved.txt";
  struct Row {
    const char* name;
    std::function<void(Desk&)> before;
    bool asks;
  };
  auto type = [](ui::TextBox& box, const char* text) {
    box.UserTyped(text);
    box.UserCommit();
  };
  const std::vector<Row> rows = {
      {"nothing", [](Desk&) {}, false},
      {"tabs only looked at", [](Desk& d) { d.ShowEveryTab(); }, false},
      {"a change undone by hand",
       [&](Desk& d) {
         type(d.w.txtCLevel, "50");
         type(d.w.txtCLevel, "");
       },
       false},
      {"a change undone",
       [&](Desk& d) {
         d.w.cboType[0].SetListIndex(3);
         d.w.mnuUndo.Press();
       },
       false},
      {"a change", [](Desk& d) { d.w.cboItmQual[0].SetListIndex(2); }, true},
      {"typing not yet committed",
       [&](Desk& d) {
         d.w.cboItmQual[5].SetListIndex(1);
         d.save_as = saved.string();
         d.answer = "Save anyway";
         d.w.mnuSaveAs.Press();
         d.w.txtItemName[5].UserTyped("x");
       },
       true},
      {"a change, then saved",
       [&](Desk& d) {
         d.w.chkEquip[2].UserSetValue(true);
         d.save_as = saved.string();
         d.answer = "Save anyway";
         d.w.mnuSaveAs.Press();
       },
       false},
      {"saved, changed, undone to the saved plan",
       [&](Desk& d) {
         d.w.chkEquip[2].UserSetValue(true);
         d.save_as = saved.string();
         d.answer = "Save anyway";
         d.w.mnuSaveAs.Press();
         d.w.optDropped[0].UserClick();
         d.w.mnuUndo.Press();
       },
       false},
      {"saved, opened, changed and saved again, undone to the first save",
       [&](Desk& d) {
         d.w.cboItmQual[0].SetListIndex(1);
         d.save_as = saved.string();
         d.answer = "Save anyway";
         d.w.mnuSaveAs.Press();
         d.open = saved.string();
         d.w.mnuOpen.Press();
         d.w.cboItmQual[0].SetListIndex(3);
         d.w.mnuSave.Press();
         d.w.mnuUndo.Press();
         d.w.mnuUndo.Press();
       },
       true},
      {"opened, then changed",
       [](Desk& d) {
         d.open = ExampleSet().string();
         d.w.mnuOpen.Press();
         d.w.cboGemQual[0].SetListIndex(0);
       },
       true},
  };
  for (const Row& row : rows) {
    for (const char* answer : {"Cancel", "Discard", "Save"}) {
      Desk d;
      row.before(d);
      d.questions.clear();
      d.answer = answer;
      d.save_as = (folder.path() / "answer.txt").string();
      d.w.cmdExit.Press();
      EXPECT_EQ(d.questions.size(), row.asks ? 1u : 0u) << row.name;
      if (!row.asks) {
        EXPECT_TRUE(!d.w.loaded()) << row.name;
        continue;
      }
      EXPECT_EQ(d.questions[0], "Save the changes to this plan?");
      EXPECT_EQ(!d.w.loaded(), std::string(answer) != "Cancel") << row.name << answer;
      EXPECT_EQ(d.form.PlanChanged(), std::string(answer) != "Save") << row.name << answer;
      fs::remove(folder.path() / "answer.txt");
      // The close box and Open ask the same.
      Desk again;
      row.before(again);
      again.answer = "Cancel";
      again.questions.clear();
      EXPECT_FALSE(again.form.Form_QueryUnload()) << row.name;
      const std::string before = test::PlanSnapshot(again.w);
      again.open = ExampleSet().string();
      again.w.mnuOpen.Press();
      EXPECT_EQ(again.questions.size(), 2u) << row.name;
      EXPECT_EQ(test::PlanSnapshot(again.w), before) << row.name;
    }
  }
}

// "Save" writes where the last Open or Save was, but replaces a file only this program wrote; a
// hand-written file is replaced only once the player picked it in the dialog.
TEST(SaveTest, SaveGoesToTheOpenedFileOnlyWhenThisProgramWroteIt) {
  test::TempFolder folder;
  const fs::path hand = folder.Write("hand.txt", "; my notes\r\nITEM00_NAME=Mine\r\n");
  Desk desk;
  desk.open = hand.string();
  desk.w.mnuOpen.Press();
  desk.w.txtItmlevel[0].UserTyped("12");
  desk.w.txtItmlevel[0].UserCommit();
  desk.save_as = std::nullopt;  // the dialog is cancelled
  EXPECT_FALSE(desk.form.mnuSave_Click());
  EXPECT_EQ(ReadWholeFile(hand), "; my notes\r\nITEM00_NAME=Mine\r\n");
  desk.save_as = hand.string();  // now picked in the dialog
  EXPECT_TRUE(desk.form.mnuSave_Click());
  EXPECT_TRUE(WrittenByThisProgram(ReadWholeFile(hand)));
  desk.save_as = (folder.path() / "never.txt").string();
  desk.w.txtItmlevel[0].UserTyped("13");
  desk.w.txtItmlevel[0].UserCommit();
  EXPECT_TRUE(desk.form.mnuSave_Click());  // no dialog: the file is ours now
  EXPECT_FALSE(fs::exists(folder.path() / "never.txt"));
  EXPECT_NE(ReadWholeFile(hand).find("ITEM00_LEVEL=13\r\n"), std::string::npos);
  // Opened again later, the file is known for ours by its first line.
  Desk later;
  later.open = hand.string();
  later.w.mnuOpen.Press();
  later.w.txtItmlevel[0].UserTyped("14");
  later.w.txtItmlevel[0].UserCommit();
  later.save_as = (folder.path() / "never.txt").string();
  EXPECT_TRUE(later.form.mnuSave_Click());
  EXPECT_FALSE(fs::exists(folder.path() / "never.txt"));
  EXPECT_NE(ReadWholeFile(hand).find("ITEM00_LEVEL=14\r\n"), std::string::npos);
}

// Undo and redo over random steps (saves and opens among them): every change is one step and
// only an Open is a step without one; all the way back gives the start, all the way forward the
// end, any number back and forward again the same window, caption for caption; and wherever undo
// stands, the question comes exactly when the window differs from what its file now holds.
TEST(UndoTest, UndoAndRedoReturnExactlyWhatTheWindowShowed) {
  test::TempFolder folder;
  const std::vector<fs::path> sets = {ExampleSet(), DroppedChestSet(folder)};
  const std::vector<fs::path> save_to = {folder.path() / "a.txt", folder.path() / "b.txt"};
  for (uint32_t run = 0; run < 12; ++run) {
    Desk desk;
    desk.w.present_question = [](const std::string&, const std::string&,
                                 const std::vector<std::string>& buttons) {
      return buttons.front() == "Save" ? 1 : 0;  // discard changes, save anyway, replace
    };
    desk.ShowEveryTab();  // a tab's first showing fills its lists, which is no step
    test::RandomPlayer player(desk.form, 1000 + run, sets, save_to);
    std::vector<std::string> shown = {test::PlanSnapshot(desk.w)};
    std::string actions;
    for (int step = 0; step < 25; ++step) {
      const size_t kept = desk.form.history().size();
      const std::string act = player.Act(player.Item());
      actions += act + "\n";
      const std::string now = test::PlanSnapshot(desk.w);
      const bool stepped = desk.form.history().size() > kept;
      const bool opened = act.find("open ") != std::string::npos;
      ASSERT_EQ(stepped, now != shown.back() || (stepped && opened)) << actions;
      if (stepped) shown.push_back(now);
    }
    auto asks_exactly_when_changed = [&] {
      const PlanDocument& document = desk.form.history().document();
      return desk.form.PlanChanged() == (CapturePlan(desk.w) != player.files().at(document.path));
    };
    ASSERT_EQ(desk.form.history().size(), shown.size()) << actions;
    const size_t steps = shown.size() - 1;
    std::mt19937 random(run);
    for (int trial = 0; trial < 4; ++trial) {
      const size_t back = std::uniform_int_distribution<size_t>(0, steps)(random);
      for (size_t i = 0; i < back; ++i)
        desk.w.mnuUndo.Press();
      ASSERT_EQ(test::PlanSnapshot(desk.w), shown[steps - back]) << back << "\n" << actions;
      ASSERT_TRUE(asks_exactly_when_changed()) << back << "\n" << actions;
      for (size_t i = 0; i < back; ++i)
        desk.w.mnuRedo.Press();
      ASSERT_EQ(test::PlanSnapshot(desk.w), shown[steps]) << back << "\n" << actions;
    }
    for (size_t i = 0; i < steps; ++i)
      desk.w.mnuUndo.Press();
    EXPECT_EQ(test::PlanSnapshot(desk.w), shown.front()) << actions;
    EXPECT_FALSE(desk.w.mnuUndo.enabled());
    EXPECT_TRUE(asks_exactly_when_changed()) << actions;
    for (size_t i = 0; i < steps; ++i)
      desk.w.mnuRedo.Press();
    EXPECT_EQ(test::PlanSnapshot(desk.w), shown.back()) << actions;
    EXPECT_FALSE(desk.w.mnuRedo.enabled());
  }
}

// The item library weighs an item from its file alone, without a window: what it finds must be
// what the window adds to the totals once the file is opened: crafted and dropped items, and what
// no player saves (a crafted level past the list, dropped amounts of 0 and 255, an unused gem
// with an amount, a crafted level 0).
TEST(ItemLibraryTest, AnItemsAmountsAreWhatOpeningItsFileAddsToTheTotals) {
  test::TempFolder folder;
  const std::vector<fs::path> files = {
      ExampleSet(), DroppedChestSet(folder),
      folder.Write("edges.txt",
                   "ITEM0_PLAYER_MADE=1\nITEM0_GEM0_LEVEL=10\nITEM0_GEM0_GEM_ID=ST_STR\n"
                   "ITEM0_GEM1_LEVEL=9\nITEM0_GEM1_GEM_ID=ST_STR\nITEM0_GEM2_LEVEL=0\n"
                   "ITEM0_GEM2_GEM_ID=RS_THRUST\nITEM0_GEM3_LEVEL=4\n"
                   "ITEM1_PLAYER_MADE=0\nITEM1_GEM0_LEVEL=0\nITEM1_GEM0_GEM_ID=ST_DEX\n"
                   "ITEM1_GEM1_LEVEL=255\nITEM1_GEM1_GEM_ID=ST_DEX\n"
                   "ITEM1_GEM2_LEVEL=7\nITEM1_GEM2_GEM_ID=RS_THRUST\n")};
  for (const fs::path& file : files) {
    Desk opened;
    const ReferenceTables& tables = opened.form.reference();
    const ItemSetReading reading = ReadItemSetFile(file, tables);
    std::array<std::array<double, ui::kMaxPanelRows>, ui::kGemTypes.size()> added{};
    for (const ImportedItem& item : reading.ImportedItems) {
      for (int g = 0; g < ui::kGemsPerItem; ++g) {
        if (const std::optional<AddedAmount> a = AmountAdded(item, g, tables))
          added[static_cast<size_t>(a->type)][static_cast<size_t>(a->effect)] += a->amount;
      }
    }
    opened.open = file.string();
    opened.w.mnuOpen.Press();
    if (opened.w.mnuEquippedOnly.Checked()) opened.w.mnuEquippedOnly.Press();
    opened.w.optTotal.UserClick();
    std::string window, library;
    for (size_t p = 0; p < ui::kPanels.size(); ++p) {
      const ui::Panel& panel = ui::kPanels[p];
      for (size_t row = 0; row < panel.rows.size(); ++row) {
        window += opened.w.Panel(p).values[row].Caption() + " ";
        library += NumberToText(added[static_cast<size_t>(panel.type)][row]) + " ";
      }
    }
    EXPECT_EQ(library, window) << file;
  }
}

TEST(UndoTest, AnUndoneImportIsAsIfItNeverHappened) {
  test::TempFolder folder;
  const fs::path ours = folder.path() / "ours.txt";
  Desk desk;
  desk.w.txtItemName[0].UserTyped("Before");
  desk.w.txtItemName[0].UserCommit();
  desk.save_as = ours.string();
  desk.answer = "Save anyway";
  desk.form.mnuSaveAs_Click();
  const std::string before = test::PlanSnapshot(desk.w);
  desk.open = ExampleSet().string();
  desk.w.mnuOpen.Press();
  const std::string opened = test::PlanSnapshot(desk.w);
  EXPECT_EQ(desk.w.mnuUndo.Caption(), "&Undo Open");
  desk.w.mnuUndo.Press();
  EXPECT_EQ(test::PlanSnapshot(desk.w), before);
  EXPECT_EQ(desk.w.mnuRedo.Caption(), "&Redo Open");
  // The document is the one before the import again: Save writes to ours, and nothing changed.
  EXPECT_FALSE(desk.form.PlanChanged());
  desk.w.txtItemName[0].UserTyped("After");
  desk.w.txtItemName[0].UserCommit();
  EXPECT_FALSE(desk.w.mnuRedo.enabled());  // a new step drops what could have been redone
  EXPECT_EQ(desk.w.mnuUndo.Caption(), "&Undo Chest Item Name");
  desk.save_as = std::nullopt;
  EXPECT_TRUE(desk.form.mnuSave_Click());
  EXPECT_NE(ReadWholeFile(ours).find("ITEM00_NAME=After"), std::string::npos);
  desk.w.mnuUndo.Press();
  desk.w.mnuRedo.Press();
  EXPECT_EQ(desk.w.txtItemName[0].Text(), "After");
  desk.w.mnuUndo.Press();
  desk.w.mnuUndo.Press();
  EXPECT_NE(test::PlanSnapshot(desk.w), opened);
  EXPECT_FALSE(desk.w.mnuUndo.enabled());
}

// "Equipped" feeds no figure, but it is part of the plan: ticked and cleared, each a step.
TEST(UndoTest, EquippedIsAStepOfItsOwn) {
  Desk desk;
  desk.w.chkEquip[4].UserSetValue(true);
  EXPECT_TRUE(desk.w.chkEquip[4].Value());
  EXPECT_EQ(desk.w.mnuUndo.Caption(), "&Undo Hands Equipped");
  desk.w.chkEquip[4].UserSetValue(true);  // no change, no step
  desk.w.mnuUndo.Press();
  EXPECT_FALSE(desk.w.chkEquip[4].Value());
  EXPECT_FALSE(desk.w.mnuUndo.enabled());
  EXPECT_FALSE(desk.form.PlanChanged());
}

TEST(UndoTest, AShownTabKeepsItsFilledQualitiesUnderUndo) {
  Desk desk;
  desk.w.cboType[0].SetListIndex(2);
  desk.w.SSTab1.SetTab(7);  // fills item 7's empty quality lists: no step
  EXPECT_EQ(desk.w.mnuUndo.Caption(), "&Undo Chest Gem 1 type");
  desk.w.mnuUndo.Press();
  for (int g = 0; g < ui::kGemsPerItem; ++g)
    EXPECT_EQ(desk.w.cboGemQual[ui::GemSlot(7, g)].Text(), "94%");
  EXPECT_EQ(desk.w.cboType[0].ListIndex(), -1);
  EXPECT_FALSE(desk.form.PlanChanged());  // only a look at another tab since the start
}

// The file given on the command line is where the player starts: nothing to undo, nothing
// changed, and "Save" goes back to it only if this program wrote it.
TEST(UndoTest, TheStartingFileIsNoStep) {
  test::TempFolder folder;
  Desk desk;
  desk.w.cboItmQual[0].SetListIndex(1);  // a step before the file, which the file replaces
  desk.form.OpenStartingFile(ExampleSet());
  EXPECT_FALSE(desk.w.mnuUndo.enabled());
  EXPECT_FALSE(desk.form.PlanChanged());
  EXPECT_EQ(desk.w.txtItemName[0].Text(), "Runed Hauberk");
  desk.w.txtItemName[0].UserTyped("Mine");
  desk.w.txtItemName[0].UserCommit();
  desk.w.mnuUndo.Press();
  EXPECT_EQ(desk.w.txtItemName[0].Text(), "Runed Hauberk");
  EXPECT_FALSE(desk.w.mnuUndo.enabled());
  desk.w.mnuRedo.Press();
  desk.save_as = (folder.path() / "mine.txt").string();
  EXPECT_TRUE(desk.form.mnuSave_Click());  // the example set is no file of ours: Save As
  EXPECT_TRUE(fs::exists(folder.path() / "mine.txt"));
}

TEST(UndoTest, TheHistoryKeepsTheLastThousandSteps) {
  PlanHistory history;
  Plan plan;
  history.Reset(plan);
  for (int i = 1; i <= 1005; ++i) {
    plan.crafter_level = std::to_string(i);
    history.Record(plan, "step " + std::to_string(i));
  }
  history.Record(plan, "no change");
  EXPECT_EQ(history.UndoLabel(), "step 1005");
  int undone = 0;
  while (history.CanUndo()) {
    history.Undo();
    ++undone;
  }
  EXPECT_EQ(undone, 1000);
  EXPECT_EQ(history.plan().crafter_level, "5");
}

}  // namespace
}  // namespace gw

namespace gw {
namespace {

// After anything a player commits or clicks, every caption is what a fresh window shows for the
// same plan: the figures never lag behind the inputs.
TEST(FiguresTest, AfterEveryCommittedInputEveryCaptionIsWhatAFreshWindowShows) {
  test::TempFolder folder;
  const std::vector<fs::path> sets = {ExampleSet(), DroppedChestSet(folder)};
  for (uint32_t run = 0; run < 16; ++run) {
    Desk desk;
    test::RandomPlayer player(desk.form, 2000 + run, sets);
    std::string actions;
    for (int step = 0; step < 30; ++step) {
      const int k = player.Item();
      desk.w.SSTab1.SetTab(k);
      actions += player.Act(k) + "\n";
      Desk fresh;
      RestorePlan(fresh.w, fresh.form.calculator(), CapturePlan(desk.w));
      const std::vector<ui::Control*>& now = desk.w.controls();
      const std::vector<ui::Control*>& evaluated = fresh.w.controls();
      for (size_t i = 0; i < now.size(); ++i) {
        if (now[i]->kind() != ui::ControlKind::Label) continue;
        ASSERT_EQ(test::ShownText(*now[i]), test::ShownText(*evaluated[i]))
            << now[i]->name() << " after\n"
            << actions;
      }
    }
  }
}

// What each committed input evaluates at once, and that an input feeding no figure, or a text
// committed unchanged, starts nothing (a caption written by hand stays).
TEST(FiguresTest, ACommittedInputEvaluatesWhatItFeedsAndNothingElse) {
  Desk desk;
  ui::MainWindow& w = desk.w;
  desk.open = ExampleSet().string();
  w.mnuOpen.Press();
  auto type = [](auto& box, const char* text) {
    box.UserTyped(text);
    box.UserCommit();
  };
  type(w.txtItmlevel[0], "45");
  EXPECT_EQ(w.lblImbPoint[0].Caption(),
            "Imbue Points: 38.5 / " + std::to_string(desk.form.reference().ImbuePointTable(45, 4)));
  const std::string price = w.lblGemCost[1].Caption();
  w.optDropped[0].UserClick();
  for (int g = 0; g < ui::kGemsPerItem; ++g)
    EXPECT_EQ(w.lblGemCost[g].Caption() + w.lblGemName[g].Caption(), " 0g 0s 0c") << g;
  EXPECT_EQ(w.lblItemCost[0].Caption(), "Cost: 0g 0s 0c");
  EXPECT_EQ(w.lblImbPoint[0].Caption(), "Imbue Points: 00.0 / 00");
  w.optCraft[0].UserClick();
  EXPECT_EQ(w.lblGemCost[1].Caption(), price);
  type(w.txtItmlevel[0], "51");
  EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: 6.");
  w.SSTab1.SetTab(5);
  type(w.txtCLevel, "100");
  EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: 16.");  // every item, not only the shown one
  const int hits = std::stoi(w.lblHitsVal.Caption());
  const std::string level_7 = w.lblGemCost[2].Caption();
  type(w.cboAmount[2], "40");  // the chest's hits gem, 17 from its list before
  EXPECT_EQ(std::stoi(w.lblHitsVal.Caption()), hits - 17 + 40);
  EXPECT_NE(w.lblGemCost[2].Caption(), level_7);  // a typed amount prices as level 1
  w.cboType[3].SetListIndex(ui::kStat);           // empties the amount box, and evaluates
  // Inputs that feed no figure, and texts committed as they were, evaluate nothing.
  w.lblOverc[0].SetCaption("by hand");
  w.lblImbPoint[0].SetCaption("by hand");
  type(w.txtItemName[0], "Other");
  type(w.txtAF[0], "7");
  type(w.txtSpeed[0], "3");
  type(w.txtBonus[0], "1");
  w.chkEquip[0].UserSetValue(false);
  type(w.txtItmlevel[0], "51");  // as it was
  w.optCraft[0].UserClick();     // chosen already
  type(w.txtCLevel, "100");
  w.cboAmount[3].UserCommit();  // emptied by its type's choice, left without typing
  EXPECT_EQ(w.lblOverc[0].Caption() + "|" + w.lblImbPoint[0].Caption(), "by hand|by hand");
}

}  // namespace
}  // namespace gw
