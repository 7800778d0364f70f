#include "qt/window_view.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <clocale>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/error.h"
#include "qt/message_box.h"
#include "qt/program.h"
#include "qt/tab_strip.h"
#include "support/snapshot.h"
#include "support/test_data.h"

namespace gw::qt {
namespace {

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() : program(test::SampleDataFolder(), Hooks()) {}

  ProgramHooks Hooks() {
    ProgramHooks hooks;
    hooks.show_error = [this](const std::string&, const std::string& text) {
      errors.push_back(text);
    };
    hooks.terminate = [this](int status) { statuses.push_back(status); };
    hooks.show_message = [this](const std::string&, const std::string& text) {
      messages.push_back(text);
    };
    hooks.choose_file = [this] { return chosen_file; };
    hooks.run_modal = [this](QDialog& dialog) {
      ++modal_runs;
      QTimer::singleShot(0, &dialog, [this, &dialog] {
        if (while_modal) while_modal(dialog);
        dialog.reject();  // the close box, if the test has not closed it
      });
      dialog.exec();
    };
    return hooks;
  }

  template <class W = QWidget>
  W* Find(const std::string& name) {
    return program.main_window()->findChild<W*>(QString::fromStdString(name));
  }

  ui::MainWindow& model() { return program.form().window(); }

  // Clicks a widget of the main window the way the window system delivers a click, so that a
  // modal window blocks it.
  void ClickThroughWindow(QWidget* widget) {
    QWidget* top = program.main_window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(top, widget->rect().center()));
  }

  std::vector<std::string> errors, messages;
  std::vector<int> statuses;
  std::optional<std::string> chosen_file;
  std::function<void(QDialog&)> while_modal;
  int modal_runs = 0;
  Program program;
};

TEST_F(ProgramTest, AChoiceInAComboBoxRunsItsHandlerAndTheCascadeReachesTheScreen) {
  ASSERT_TRUE(program.Start());
  auto* type = Find<QComboBox>("cboType(0)");
  ASSERT_NE(type, nullptr);
  emit type->activated(2);  // "Resist", as a player picks it
  EXPECT_EQ(model().cboType[0].ListIndex(), 2);
  auto* amount = Find<QComboBox>("cboAmount(0)");
  ASSERT_EQ(amount->count(), 10);
  emit amount->activated(4);
  const ui::MainWindow& w = model();
  EXPECT_NE(w.lblGemCost[0].Caption(), " 0g 0s 0c");
  EXPECT_EQ(Find<QLabel>("lblGemCost(0)")->text().toStdString(), w.lblGemCost[0].Caption());
  EXPECT_EQ(Find<QLabel>("lblGemName(0)")->text().toStdString(), w.lblGemName[0].Caption());
  EXPECT_EQ(Find<QLabel>("lblGemPoint(0)")->text().toStdString(), w.lblGemPoint[0].Caption());
  EXPECT_NE(w.lblResVal[0].Caption(), "0");
  EXPECT_EQ(Find<QLabel>("lblResVal(0)")->text().toStdString(), w.lblResVal[0].Caption());
  EXPECT_EQ(Find<QComboBox>("cboEffect(0)")->currentIndex(), 0);
  EXPECT_EQ(Find<QLabel>("lblOverc(0)")->text().toStdString(), w.lblOverc[0].Caption());
  EXPECT_EQ(Find<QLabel>("lblImbPoint(0)")->text().toStdString(), w.lblImbPoint[0].Caption());
}

TEST_F(ProgramTest, ModelChangesReachTheirWidgets) {
  ASSERT_TRUE(program.Start());
  program.gate().Run([&] {
    model().txtItemName[0].SetText("Runed Hauberk");
    model().optDropped[0].SetValue(true);
    model().cboItmQual[0].SetListIndex(6);
  });
  EXPECT_EQ(Find<QLineEdit>("txtItemName(0)")->text(), "Runed Hauberk");
  EXPECT_TRUE(Find<QRadioButton>("optDropped(0)")->isChecked());
  EXPECT_FALSE(Find<QRadioButton>("optCraft(0)")->isChecked());
  EXPECT_EQ(Find<QComboBox>("cboItmQual(0)")->currentText(), "100%");
}

TEST_F(ProgramTest, ClickingTheChosenOptionKeepsItChosen) {
  ASSERT_TRUE(program.Start());
  auto* crafted = Find<QRadioButton>("optCraft(0)");
  QTest::mouseClick(crafted, Qt::LeftButton);
  EXPECT_TRUE(crafted->isChecked());
  EXPECT_TRUE(model().optCraft[0].Value());
  QTest::mouseClick(Find<QRadioButton>("optDropped(0)"), Qt::LeftButton);
  EXPECT_FALSE(crafted->isChecked());
  EXPECT_TRUE(model().optDropped[0].Value());
}

TEST_F(ProgramTest, ADisabledButtonGivesNoClick) {
  ASSERT_TRUE(program.Start());
  int clicks = 0;
  model().cmdSearch.Click = [&] { ++clicks; };
  auto* search = Find<QPushButton>("cmdSearch");
  EXPECT_FALSE(search->isEnabled());
  QTest::mouseClick(search, Qt::LeftButton);
  EXPECT_EQ(clicks, 0);
}

TEST_F(ProgramTest, TheTwoRowStripSwitchesPagesAndRaisesTheTabChange) {
  ASSERT_TRUE(program.Start());
  EXPECT_EQ(Find("cboType(44)"), nullptr);  // the Neck page is built when first shown
  auto* neck = Find<TabButton>("SSTab1 tab 11");
  ASSERT_NE(neck, nullptr);
  QTest::mouseClick(neck, Qt::LeftButton);
  EXPECT_EQ(model().SSTab1.Tab(), 11);
  EXPECT_TRUE(Find("cmdSearch")->isEnabled());
  ASSERT_NE(Find("cboType(44)"), nullptr);
  EXPECT_TRUE(Find("fraItem(11)")->isVisible());
  EXPECT_FALSE(Find("fraItem(0)")->isVisible());
  EXPECT_EQ(Find<QComboBox>("cboGemQual(44)")->currentText(), "94%");
  // The tabs of the upper row end left of the buttons over the strip.
  const int buttons_left = Find("cmdClearItem")->geometry().left();
  auto* right_wrist = Find<TabButton>("SSTab1 tab 18");
  const QPoint right_end =
      right_wrist->mapTo(program.main_window()->centralWidget(), QPoint(right_wrist->width(), 0));
  EXPECT_LE(right_end.x(), buttons_left);
  // The arrow keys move between tabs.
  QTest::keyClick(neck, Qt::Key_Right);
  EXPECT_EQ(model().SSTab1.Tab(), 12);
}

TEST_F(ProgramTest, AScrollBarMovesItsPanelUpToTheLastRowAndNoFurther) {
  ASSERT_TRUE(program.Start());
  auto* bar = Find<QScrollBar>("VScrollSki");
  bar->triggerAction(QAbstractSlider::SliderToMaximum);
  QWidget* panel = Find("ScrollPictureSki");
  QWidget* viewport = panel->parentWidget();
  EXPECT_EQ(model().ScrollPictureSki.Top(), -model().VScrollSki.Max());
  EXPECT_EQ(panel->geometry().bottom() + 1, viewport->height());
  QWidget* last = Find("cboSkillPri(25)");
  EXPECT_LE(last->mapTo(viewport, QPoint(0, last->height())).y(), viewport->height());
  bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(model().VScrollSki.Value(),
            model().VScrollSki.Max() - model().VScrollSki.SmallChange());
}

TEST_F(ProgramTest, EveryCaptionFitsItsControl) {
  ASSERT_TRUE(program.Start());
  // Every effect name of every type in some gem slot, and the longest amounts.
  program.gate().Run([&] {
    for (int type = 1; type <= 6; ++type)
      model().cboType[ui::GemSlot(type, 0)].SetListIndex(type);
  });
  for (int tab = 0; tab < ui::kItemCount; ++tab) {
    program.gate().Run([&] { model().SSTab1.SetTab(tab); });
  }
  int checked = 0;
  for (QWidget* widget : program.main_window()->findChildren<QWidget*>()) {
    QString text;
    int room = widget->width();
    if (auto* tab = dynamic_cast<TabButton*>(widget)) {
      text = tab->text();
      room -= 2 * TabButton::kPadding;
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      text = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      text = button->text().remove('&');
      room -= qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget) ? 20 : 8;
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      // Every entry must fit the box's text field, beside its arrow, less the inset the text is
      // drawn with (a pixel each side; a line edit's two).
      QStyleOptionComboBox option;
      option.initFrom(combo);
      option.editable = combo->isEditable();
      const int field =
          combo->style()
              ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
              .width() -
          (combo->isEditable() ? 4 : 2);
      for (int i = 0; i < combo->count(); ++i) {
        ++checked;
        EXPECT_LE(combo->fontMetrics().horizontalAdvance(combo->itemText(i)), field)
            << combo->objectName().toStdString() << ": \"" << combo->itemText(i).toStdString()
            << "\"";
      }
      continue;
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      text = group->title();
      room -= 16;
    } else {
      continue;
    }
    if (text.isEmpty()) continue;
    ++checked;
    EXPECT_LE(widget->fontMetrics().horizontalAdvance(text), room)
        << widget->objectName().toStdString() << ": \"" << text.toStdString() << "\"";
  }
  EXPECT_GT(checked, 500);
}

TEST_F(ProgramTest, ARunTimeErrorInAHandlerIsShownAndEndsTheProgram) {
  ASSERT_TRUE(program.Start());
  model().cmdLoadItem.Click = [] {
    throw RuntimeError(ErrorKind::Overflow, "40000 is outside -32768..32767");
  };
  QTest::mouseClick(Find<QPushButton>("cmdLoadItem"), Qt::LeftButton);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "Overflow\n\n40000 is outside -32768..32767");
  EXPECT_EQ(statuses, std::vector<int>{1});
}

TEST_F(ProgramTest, OpenLoadsAnItemSetIntoShownAndLaterBuiltPages) {
  ASSERT_TRUE(program.Start());
  chosen_file = (test::ExamplesFolder() / "full-set.txt").string();
  program.main_window()->findChild<QAction*>("mnuOpen")->trigger();
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(model().ImportInProgress);
  EXPECT_EQ(Find<QLineEdit>("txtItemName(0)")->text().toStdString(), model().txtItemName[0].Text());
  EXPECT_EQ(Find<QLabel>("lblOverc(0)")->text().toStdString(), model().lblOverc[0].Caption());
  EXPECT_EQ(Find<QLabel>("lblHitsVal")->text().toStdString(), model().lblHitsVal.Caption());
  EXPECT_NE(model().lblHitsVal.Caption(), "0");
  QTest::mouseClick(Find<TabButton>("SSTab1 tab 15"), Qt::LeftButton);
  EXPECT_EQ(Find<QLineEdit>("txtItemName(15)")->text().toStdString(),
            model().txtItemName[15].Text());
  EXPECT_TRUE(Find<QRadioButton>("optDropped(15)")->isChecked());
  EXPECT_EQ(Find<QComboBox>("cboAmount(60)")->currentText().toStdString(),
            model().cboAmount[60].Text());
  EXPECT_EQ(Find<QCheckBox>("chkEquip(15)")->isChecked(), model().chkEquip[15].Value());
}

TEST_F(ProgramTest, SearchOpensAModalWindowOnlyFromNeckOnThatBlocksTheMainWindow) {
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(program.main_window()));
  int loads = 0;
  model().cmdLoadItem.Click = [&] { ++loads; };
  ClickThroughWindow(Find("cmdLoadItem"));
  ASSERT_EQ(loads, 1);  // the main window takes clicks while no modal window is open

  ClickThroughWindow(Find("cmdSearch"));  // disabled on the Chest tab
  EXPECT_EQ(modal_runs, 0);

  QTest::mouseClick(Find<TabButton>("SSTab1 tab 17"), Qt::LeftButton);
  int effects = -1;
  while_modal = [&](QDialog& dialog) {
    EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
    EXPECT_EQ(dialog.windowTitle(), "Item Search");
    ClickThroughWindow(Find("cmdLoadItem"));
    emit dialog.findChild<QComboBox*>("cboType(0)")->activated(6);
    effects = dialog.findChild<QComboBox*>("cboEffect(0)")->count();
    auto* results = dialog.findChild<QListWidget*>("lstItems");
    EXPECT_TRUE(QFontInfo(results->font()).fixedPitch());  // Lucida Console or the system's
    EXPECT_EQ(results->palette().color(QPalette::Text), QColor(0, 0, 192));
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
  };
  QTest::mouseClick(Find<QPushButton>("cmdSearch"), Qt::LeftButton);
  EXPECT_EQ(modal_runs, 1);
  EXPECT_EQ(loads, 1);  // blocked while the search window was open
  EXPECT_EQ(effects, 26);

  // Opened again, it starts clean; its close box closes it too.
  int fresh_effects = -1;
  while_modal = [&](QDialog& dialog) {
    fresh_effects = dialog.findChild<QComboBox*>("cboEffect(0)")->count();
    EXPECT_EQ(dialog.findChild<QComboBox*>("cboType(0)")->currentIndex(), -1);
  };
  QTest::mouseClick(Find<QPushButton>("cmdSearch"), Qt::LeftButton);
  EXPECT_EQ(modal_runs, 2);
  EXPECT_EQ(fresh_effects, 0);
  EXPECT_TRUE(errors.empty());
}

TEST_F(ProgramTest, TheTabKeyReachesAPagesInputsInReadingOrder) {
  ASSERT_TRUE(program.Start());
  QMainWindow* top = program.main_window();
  top->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  auto* tab = Find<TabButton>("SSTab1 tab 5");
  QTest::mouseClick(tab, Qt::LeftButton);  // a page built after start-up
  tab->setFocus();
  std::vector<std::string> reached;
  for (int i = 0; i < 26; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    reached.push_back(QApplication::focusWidget()->objectName().toStdString());
  }
  std::vector<std::string> expected = {"cboItmQual(5)", "txtItemName(5)", "txtItmlevel(5)",
                                       "txtAF(5)",      "txtSpeed(5)",    "txtBonus(5)"};
  for (int slot = 20; slot < 24; ++slot) {
    for (const char* name : {"cboType", "cboAmount", "cboEffect", "cboGemQual"}) {
      expected.push_back(name + ("(" + std::to_string(slot) + ")"));
    }
  }
  for (const char* name : {"optDropped(5)", "optCraft(5)", "chkEquip(5)", "cmdClearItem"}) {
    expected.push_back(name);
  }
  EXPECT_EQ(reached, expected);
}

TEST_F(ProgramTest, EveryInputHasAnAccessibleNameFromItsCaption) {
  ASSERT_TRUE(program.Start());
  auto name_of = [](QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name).toStdString() : std::string();
  };
  EXPECT_EQ(name_of(Find("cboEffect(1)")), "Gem 2 effect");
  EXPECT_EQ(name_of(Find("txtItmlevel(0)")), "Item Level");
  EXPECT_EQ(name_of(Find("cboAmount(3)")), "Gem 4 amount");
  EXPECT_EQ(name_of(Find("txtStat(2)")), "DEX cap");
  EXPECT_EQ(name_of(Find("cboSkillPri(25)")), "Verdant priority");
  EXPECT_EQ(name_of(Find("txtCLevel")), "Crafter level");
  int inputs = 0;
  for (QWidget* widget : program.main_window()->findChildren<QWidget*>()) {
    if (!(widget->focusPolicy() & Qt::TabFocus) || widget->objectName().isEmpty()) continue;
    ++inputs;
    EXPECT_FALSE(name_of(widget).empty()) << widget->objectName().toStdString();
  }
  EXPECT_GT(inputs, 100);
}

TEST_F(ProgramTest, AltEAndTheCloseBoxEndTheProgram) {
  ASSERT_TRUE(program.Start());
  QMainWindow* top = program.main_window();
  top->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  QTest::keyClick(top->windowHandle(), Qt::Key_E, Qt::AltModifier);
  // An access key presses its button as a click the player sees, which takes a moment.
  for (int waited = 0; waited < 2000 && model().loaded(); waited += 20)
    QTest::qWait(20);
  EXPECT_FALSE(model().loaded());
  EXPECT_FALSE(top->isVisible());

  Program other(test::SampleDataFolder(), Hooks());
  ASSERT_TRUE(other.Start());
  other.main_window()->close();  // the title bar's close box
  EXPECT_FALSE(other.form().window().loaded());
  EXPECT_TRUE(errors.empty());
}

TEST(ProgramStartUp, ABrokenDataFileIsReportedAndNoWindowIsShown) {
  test::SampleDataCopy folder;
  folder.Write("GemData2.dat", "[1]\n 1  1  1  1\n[9]\n 1  1  1  1\n");
  std::vector<std::string> errors;
  std::vector<int> statuses;
  ProgramHooks hooks;
  hooks.show_error = [&](const std::string&, const std::string& text) { errors.push_back(text); };
  hooks.terminate = [&](int status) { statuses.push_back(status); };
  Program program(folder.path(), hooks);
  EXPECT_FALSE(program.Start());
  EXPECT_EQ(program.main_window(), nullptr);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0],
            "Index out of range\n\nGemData2.dat line 4: a data line in section 9; sections run "
            "from 0 to 6");
  EXPECT_EQ(statuses, std::vector<int>{1});
}

TEST(ProgramStartUp, AMissingDataFileIsNamed) {
  test::SampleDataCopy folder;
  std::filesystem::remove(folder.path() / "ImbuePoints.dat");
  std::string error;
  ProgramHooks hooks;
  hooks.show_error = [&](const std::string&, const std::string& text) { error = text; };
  hooks.terminate = [](int) {};
  Program program(folder.path(), hooks);
  EXPECT_FALSE(program.Start());
  EXPECT_EQ(error, "File not found\n\nImbuePoints.dat is missing from " + folder.path().string());
}

TEST_F(ProgramTest, TypedTextIsNeverAChoiceInAnyEditableList) {
  ASSERT_TRUE(program.Start());
  QWidget* top = program.main_window();
  top->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  int clicks = 0;
  std::vector<std::string> boxes = {"cboLevel"};
  for (int slot = 0; slot < ui::kGemSlotCount; ++slot) {
    boxes.push_back("cboAmount(" + std::to_string(slot) + ")");
    auto& amount = model().cboAmount[slot];
    amount.Click = [&clicks, chosen = amount.Click] {
      ++clicks;
      chosen();
    };
  }
  for (const std::string& name : boxes) {
    SCOPED_TRACE(name);
    const int slot = name == "cboLevel" ? 0 : std::stoi(name.substr(10));
    program.gate().Run([&] {
      model().SSTab1.SetTab(ui::ItemOfSlot(slot));
      model().cboType[slot].SetListIndex(2);
    });
    auto* box = Find<QComboBox>(name);
    const ui::ComboBox& logical = name == "cboLevel" ? model().cboLevel : model().cboAmount[slot];
    const std::string before = test::Snapshot(model());
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), QString::fromStdString(logical.List(2)));
    QTest::keyClick(box->lineEdit(), Qt::Key_Tab);  // leave the box
    ASSERT_FALSE(box->hasFocus());
    box->setFocus();
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(logical.ListIndex(), -1);
    EXPECT_EQ(box->currentIndex(), -1);
    EXPECT_EQ(box->currentText().toStdString(), logical.List(2));
    EXPECT_EQ(clicks, 0);
    // Nothing but the typed text changed: no level, price, name or points.
    const std::string typed = test::SnapshotDiff(before, test::Snapshot(model()));
    EXPECT_EQ(std::count(typed.begin(), typed.end(), '\n'), 1) << typed;
    EXPECT_NE(typed.find(name), std::string::npos) << typed;
  }
  // The arrow keys on the closed box choose, as a choice from the list does.
  QTest::keyClick(Find<QComboBox>("cboAmount(75)"), Qt::Key_Down);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(model().cboAmount[75].ListIndex(), 0);
}

TEST_F(ProgramTest, ResultLabelsTellAssistiveTechnologyWhatTheyShow) {
  ASSERT_TRUE(program.Start());
  auto spoken = [&](const char* name) {
    QAccessibleInterface* label = QAccessible::queryAccessibleInterface(Find<QLabel>(name));
    return label->text(QAccessible::Name).toStdString();
  };
  EXPECT_EQ(spoken("lblGemCost(0)"), "Gem 1 cost:  0g 0s 0c");
  EXPECT_EQ(spoken("lblStatVal(0)"), "STR total: 0");
  EXPECT_EQ(spoken("lblStat(0)"), "STR");  // a row caption is read as it is
  program.gate().Run([&] {
    model().optCraft[0].SetValue(true);
    model().txtItmlevel[0].SetText("20");
    model().cboItmQual[0].SetListIndex(6);
    model().cboType[0].SetListIndex(1);
    model().cboAmount[0].SetListIndex(9);
    model().lblStatVal[1].SetCaption("123522");  // wider than its label
  });
  EXPECT_EQ(spoken("lblGemCost(0)"), "Gem 1 cost: " + model().lblGemCost[0].Caption());
  // A caption that names itself is read as it is.
  EXPECT_EQ(spoken("lblImbPoint(0)"), model().lblImbPoint[0].Caption());
  EXPECT_NE(model().lblImbPoint[0].Caption(), "Imbue Points: 00.0 / 00");
  EXPECT_EQ(spoken("lblStatVal(0)"), "STR total: " + model().lblStatVal[0].Caption());
  EXPECT_NE(model().lblStatVal[0].Caption(), "0");
  // A value too wide for its label is visibly shortened, never shown as another number.
  auto* con = Find<QLabel>("lblStatVal(1)");
  EXPECT_TRUE(con->text().endsWith(QChar(0x2026))) << con->text().toStdString();
  EXPECT_EQ(con->toolTip(), "123522");
  EXPECT_EQ(spoken("lblStatVal(1)"), "CON total: 123522");
}

TEST_F(ProgramTest, AFileNamedLikeMarkupIsShownLiterally) {
  ASSERT_TRUE(program.Start());
  test::TempFolder folder;
  const std::string name = "<font size=7 color=red>ALL PLANS DELETED<b>.txt";
  chosen_file = folder.Write(name, "ITEM").string();
  program.gate().Run([&] { model().mnuOpen.Press(); });
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find(name), std::string::npos);
  const auto box = MakeMessageBox(QMessageBox::Information, nullptr, "Open", messages[0]);
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
  EXPECT_EQ(box->text().toStdString(), messages[0]);
}

TEST_F(ProgramTest, ADecimalCommaLocaleChangesNoCaption) {
  ASSERT_TRUE(program.Start());
  const auto act = [](Program& p) {
    p.gate().Run([&] {
      ui::MainWindow& w = p.form().window();
      w.CommonDialog.chooser = [] { return (test::ExamplesFolder() / "full-set.txt").string(); };
      w.mnuOpen.Press();
      w.cboAmount[2].UserTyped("2.5");
      w.txtCLevel.SetText("45.5");
      w.SSTab1.SetTab(4);
    });
    return test::Snapshot(p.form().window());
  };
  const std::string in_c = act(program);
  const std::string old_locale = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  Program german(test::SampleDataFolder(), Hooks());
  ASSERT_TRUE(german.Start());
  const std::string in_german = act(german);
  std::setlocale(LC_ALL, old_locale.c_str());
  EXPECT_EQ(test::SnapshotDiff(in_c, in_german), "");
  EXPECT_NE(in_c.find("2.5"), std::string::npos);
}

}  // namespace
}  // namespace gw::qt
