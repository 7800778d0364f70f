#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/files.h"
#include "ui/controls.h"

namespace gw::ui {
namespace {

void Fill(ComboBox& box, std::initializer_list<const char*> entries,
          ComboStyle style = ComboStyle::DropDownList) {
  box.style = style;
  for (const char* entry : entries)
    box.AddItem(entry);
}

TEST(ComboBox, EditableTextChoosesTheFirstEqualEntryTypingNoneAndNeitherClicks) {
  ComboBox box;
  Fill(box, {"6", "10", "10"}, ComboStyle::Editable);
  box.Click = [] { ADD_FAILURE() << "a click"; };
  std::string shown;
  for (auto [text, typed] : {std::pair{"10", false}, {"10.0", false}, {"10", true}, {"6", false}}) {
    typed ? box.UserTyped(text) : box.SetText(text);
    shown += box.Text() + " " + std::to_string(box.ListIndex()) + ", ";
  }
  EXPECT_EQ(shown, "10 1, 10.0 -1, 10 -1, 6 0, ");
  box.Click = [] {};
  box.SetListIndex(2);
  box.AddItem("3");
  // Appending keeps the choice, and choosing writes the entry into the edit text.
  EXPECT_EQ(box.Text() + " " + std::to_string(box.ListIndex()), "10 2");
  box.Clear();
  EXPECT_EQ(box.Text() + std::to_string(box.ListCount() + box.ListIndex()), "-1");
}

// Whatever set the box last (a choice, text from code, typed text from code, a commit), typing
// is committed exactly when it changed the text or turned a choice into typed text.
TEST(ComboBox, ACommitRunsExactlyWhenTypingChangedWhatWasLastSet) {
  struct Row {
    const char* name;
    std::function<void(ComboBox&)> set;
    const char* typed;  // nullptr: no typing at all
    bool commits;
  };
  const std::vector<Row> rows = {
      {"chosen, the same typed", [](ComboBox& b) { b.SetListIndex(1); }, "22", true},
      {"chosen, nothing typed", [](ComboBox& b) { b.SetListIndex(1); }, nullptr, false},
      {"typed then chosen", [](ComboBox& b) { b.UserTyped("5"), b.SetListIndex(0); }, nullptr,
       false},
      {"text from code, the same typed", [](ComboBox& b) { b.SetText("22"); }, "22", true},
      {"typed from code, the same typed", [](ComboBox& b) { b.SetTypedText("22"); }, "22", false},
      {"typed from code, other", [](ComboBox& b) { b.SetTypedText("22"); }, "21", true},
      {"committed, the same again", [](ComboBox& b) { b.UserTyped("21"), b.UserCommit(); }, "21",
       false},
      {"chosen then deselected", [](ComboBox& b) { b.SetListIndex(1), b.Deselect(); }, nullptr,
       false},
      {"cleared after a choice", [](ComboBox& b) { b.SetListIndex(1), b.Clear(); }, "", false},
  };
  for (const Row& row : rows) {
    ComboBox box;
    Fill(box, {"1", "22"}, ComboStyle::Editable);
    row.set(box);
    int commits = 0;
    box.Commit = [&] { ++commits; };
    if (row.typed != nullptr) box.UserTyped(row.typed);
    EXPECT_EQ(box.HasUncommittedTyping(), row.commits) << row.name;
    box.UserCommit();
    box.UserCommit();
    EXPECT_EQ(commits, row.commits ? 1 : 0) << row.name;
    EXPECT_FALSE(box.HasUncommittedTyping()) << row.name;
  }
}

TEST(Controls, WhatCannotBeChosenOrSetIsRefusedNamingTheControlAndChangesNothing) {
  ComboBox box;
  box.Place("cboType(5)", nullptr, {});
  Fill(box, {"a", "b"});
  box.SetListIndex(1);
  box.Click = [] { ADD_FAILURE(); };
  VScrollBar bar;
  bar.Place("VScrollSki", nullptr, {});
  bar.SetMax(100);
  TabContainer tabs;
  tabs.captions = {"a", "b", "c"};
  const std::function<void()> refused[] = {
      [&] { box.SetListIndex(-1); }, [&] { box.SetListIndex(2); }, [&] { box.SetText("a"); },
      [&] { box.List(2); },          [&] { bar.SetValue(101); },   [&] { bar.SetValue(-1); },
      [&] { tabs.SetTab(3); }};
  for (const auto& action : refused)
    EXPECT_EQ(test::ErrorOf(action).rfind("Invalid argument: ", 0), 0u);
  for (int end : {100, 0}) {  // a bar can be scrolled to either end
    bar.SetValue(end);
    EXPECT_EQ(bar.Value(), end);
  }
  EXPECT_NE(test::ErrorOf(refused[1]).find("cboType(5)"), std::string::npos);
  MenuItem item;  // without a handler, or disabled, a menu item does nothing
  item.Press();
  item.Click = [] { ADD_FAILURE() << "a click"; };
  item.SetEnabled(false);
  item.Press();
  box.UserTyped("zzz");  // a drop-down list cannot be typed into
  EXPECT_EQ(box.Text() + std::to_string(box.ListIndex()) + std::to_string(bar.Value()), "b10");
}

TEST(Reveal, ScrollsOnlyAPanelThatAViewportWithABarClips) {
  // A viewport 100 twips high inside, clipping a panel; then picture boxes that clip nothing:
  // one alone, one in a frame, one whose holder has no bar.
  PictureBox viewport, panel, alone, framed, unbarred, in_unbarred;
  Frame frame;
  viewport.Place("viewport", nullptr, {0, 0, 100, 130});
  viewport.border = 15;
  panel.Place("panel", &viewport, {0, 0, 100, 1000});
  alone.Place("alone", nullptr, {});
  framed.Place("framed", &frame, {});
  in_unbarred.Place("in_unbarred", &unbarred, {});
  VScrollBar bar;
  bar.SetMax(900);
  viewport.scroll_bar = &bar;
  Label row, elsewhere[3];
  row.Place("row", &panel, {0, 500, 50, 20});
  elsewhere[0].Place("a", &alone, {0, 500, 50, 20});
  elsewhere[1].Place("b", &framed, {0, 500, 50, 20});
  elsewhere[2].Place("c", &in_unbarred, {0, 500, 50, 20});
  for (const Label& label : elsewhere)
    Reveal(label);
  EXPECT_EQ(bar.Value(), 0);
  Reveal(row);
  EXPECT_EQ(bar.Value(), 420);  // its bottom at the viewport's
}

}  // namespace
}  // namespace gw::ui
