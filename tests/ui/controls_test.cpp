#include "ui/controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/error.h"

namespace gw::ui {
namespace {

ComboBox& Filled(ComboBox& box, std::initializer_list<const char*> entries) {
  for (const char* entry : entries)
    box.AddItem(entry);
  return box;
}

TEST(ComboBox, SettingTheChoiceRunsClickAtOnceEvenWhenUnchanged) {
  ComboBox box;
  Filled(box, {"a", "b"});
  std::vector<int> seen;
  box.Click = [&] { seen.push_back(box.ListIndex()); };
  box.SetListIndex(1);
  box.SetListIndex(1);
  box.SetListIndex(0);
  EXPECT_EQ(seen, (std::vector<int>{1, 1, 0}));
  EXPECT_EQ(box.Text(), "a");
}

TEST(ComboBox, NestedClicksRunToTheirEndBeforeTheSetterReturns) {
  ComboBox outer, inner;
  Filled(outer, {"x"});
  Filled(inner, {"y"});
  std::vector<std::string> order;
  inner.Click = [&] { order.push_back("inner"); };
  outer.Click = [&] {
    order.push_back("outer begins");
    inner.SetListIndex(0);
    order.push_back("outer ends");
  };
  outer.SetListIndex(0);
  order.push_back("setter returned");
  EXPECT_EQ(order,
            (std::vector<std::string>{"outer begins", "inner", "outer ends", "setter returned"}));
}

TEST(ComboBox, APositionOutsideTheListIsAnInvalidArgument) {
  ComboBox box;
  box.Place("cboType(5)", nullptr, {});
  Filled(box, {"a"});
  int clicks = 0;
  box.Click = [&] { ++clicks; };
  for (int bad : {-1, 1, 7}) {
    try {
      box.SetListIndex(bad);
      ADD_FAILURE() << bad;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.kind(), ErrorKind::InvalidArgument);
      EXPECT_NE(e.detail().find("cboType(5)"), std::string::npos);
    }
  }
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(box.ListIndex(), -1);
}

TEST(ComboBox, ClearAndAddItem) {
  ComboBox box;
  box.style = ComboStyle::Editable;
  Filled(box, {"1", "2"});
  box.SetListIndex(1);
  box.AddItem("3");
  EXPECT_EQ(box.ListIndex(), 1);  // appending keeps the choice
  box.Clear();
  EXPECT_EQ(box.ListCount(), 0);
  EXPECT_EQ(box.ListIndex(), -1);
  EXPECT_EQ(box.Text(), "");
}

TEST(ComboBox, EditableTextFromCodeChoosesTheEqualEntryWithoutClick) {
  ComboBox box;
  box.style = ComboStyle::Editable;
  Filled(box, {"6", "10", "10"});
  int clicks = 0;
  box.Click = [&] { ++clicks; };
  box.SetText("10");
  EXPECT_EQ(box.ListIndex(), 1);  // the first equal entry
  EXPECT_EQ(box.Text(), "10");
  box.SetText("10.0");  // equal in value is not equal in text
  EXPECT_EQ(box.ListIndex(), -1);
  EXPECT_EQ(box.Text(), "10.0");
  box.SetText("6");
  EXPECT_EQ(box.ListIndex(), 0);
  EXPECT_EQ(clicks, 0);
}

TEST(ComboBox, TypingLeavesNothingChosenAndRunsNoHandler) {
  ComboBox box;
  box.style = ComboStyle::Editable;
  Filled(box, {"6", "10"});
  int clicks = 0;
  box.Click = [&] { ++clicks; };
  box.SetListIndex(0);
  box.UserTyped("10");  // even the text of an entry
  EXPECT_EQ(box.ListIndex(), -1);
  EXPECT_EQ(box.Text(), "10");
  EXPECT_EQ(clicks, 1);
  box.SetListIndex(1);
  EXPECT_EQ(box.Text(), "10");  // choosing writes the entry into the edit text
}

TEST(ComboBox, TheTextOfADropDownListIsItsChoice) {
  ComboBox box;
  Filled(box, {"a", "b"});
  EXPECT_EQ(box.Text(), "");
  box.SetListIndex(1);
  EXPECT_EQ(box.Text(), "b");
  EXPECT_THROW(box.SetText("a"), RuntimeError);
  box.UserTyped("zzz");  // a drop-down list cannot be typed into
  EXPECT_EQ(box.Text(), "b");
}

TEST(OptionButton, ChoosingOneClearsTheOthersOfItsGroupOnly) {
  OptionGroup first, second;
  OptionButton a, b, c;
  first.Add(a);
  first.Add(b);
  second.Add(c);
  a.group = b.group = &first;
  c.group = &second;
  a.SetValue(true);
  c.SetValue(true);
  b.SetValue(true);
  EXPECT_FALSE(a.Value());
  EXPECT_TRUE(b.Value());
  EXPECT_TRUE(c.Value());
}

TEST(CommandButton, ADisabledButtonRaisesNoClick) {
  CommandButton button;
  int clicks = 0;
  button.Click = [&] { ++clicks; };
  button.Press();
  button.SetEnabled(false);
  button.Press();
  EXPECT_EQ(clicks, 1);
  MenuItem item;
  item.Click = [&] { ++clicks; };
  item.SetEnabled(false);
  item.Press();
  EXPECT_EQ(clicks, 1);
}

TEST(VScrollBar, ChangeRunsOnNewValuesAndScrollWhileDragging) {
  VScrollBar bar;
  bar.SetMax(100);
  std::vector<std::string> events;
  bar.Change = [&] { events.push_back("change " + std::to_string(bar.Value())); };
  bar.Scroll = [&] { events.push_back("scroll " + std::to_string(bar.Value())); };
  bar.SetValue(40);
  bar.SetValue(40);
  bar.UserDrag(150);
  EXPECT_EQ(events, (std::vector<std::string>{"change 40", "scroll 100"}));
  EXPECT_THROW(bar.SetValue(101), RuntimeError);
  bar.SetMax(10);
  EXPECT_EQ(bar.Value(), 10);
}

TEST(TabContainer, ClickCarriesThePreviousTabAndOnlyOnAChange) {
  TabContainer tabs;
  tabs.captions = {"a", "b", "c"};
  std::vector<int> previous;
  tabs.Click = [&](int16_t p) { previous.push_back(p); };
  tabs.SetTab(2);
  tabs.SetTab(2);
  tabs.SetTab(0);
  EXPECT_EQ(previous, (std::vector<int>{0, 2}));
  EXPECT_THROW(tabs.SetTab(3), RuntimeError);
  EXPECT_EQ(tabs.Tab(), 0);
}

TEST(OpenFileDialog, KeepsTheLastFileNameWhenCancelled) {
  OpenFileDialog dialog;
  EXPECT_FALSE(dialog.ShowOpen());  // nothing to show it with
  dialog.chooser = [] { return std::optional<std::string>("/tmp/set.txt"); };
  EXPECT_TRUE(dialog.ShowOpen());
  dialog.chooser = [] { return std::optional<std::string>(); };
  EXPECT_FALSE(dialog.ShowOpen());
  EXPECT_EQ(dialog.FileName(), "/tmp/set.txt");
}

class CountingView : public ViewHook {
 public:
  void ModelChanged() override { ++changes; }
  int changes = 0;
};

TEST(ViewHook, IsToldOfRealChangesOnly) {
  Label label;
  CountingView view;
  label.SetView(&view);
  label.SetCaption("0");
  label.SetCaption("0");
  label.SetCaption("1");
  EXPECT_EQ(view.changes, 2);
}

}  // namespace
}  // namespace gw::ui
