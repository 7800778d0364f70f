// The whole program driven as a player drives it: clicks, keys, drops and files, offscreen.
#include "qt/window_view.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QSpontaneKeyEvent>
#include <QTest>
#include <QtWidgets>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "calc/gem_price.h"
#include "common/error.h"
#include "qt/event_gate.h"
#include "qt/file_dialogs.h"
#include "qt/message_box.h"
#include "qt/program.h"
#include "qt/tab_strip.h"
#include "support/files.h"
#include "support/snapshot.h"

namespace gw::qt {
namespace {

// The widget named `name` under `parent`; a missing one fails the test, naming it.
template <class W = QWidget>
W* Find(const QObject* parent, const std::string& name) {
  W* widget = parent->findChild<W*>(QString::fromStdString(name));
  if (widget == nullptr) throw std::runtime_error("no widget named " + name);
  return widget;
}

// What a tooltip shows, without the markup that keeps it plain.
QString PlainText(const QString& tool_tip) {
  return QTextDocumentFragment::fromHtml(tool_tip).toPlainText();
}

std::string FullSet() {
  return (test::ExamplesFolder() / "full-set.txt").string();
}

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() : program(test::SampleDataFolder(), Hooks()) {}
  void SetUp() override { ASSERT_TRUE(program.Start()); }

  // Every box the program shows goes into `shown`; a modal window runs `while_modal`, then closes.
  ProgramHooks Hooks() {
    ProgramHooks hooks;
    hooks.show_error = [this](const std::string&, const std::string& t) { shown.push_back(t); };
    hooks.terminate = [this](int status) { shown.push_back("status " + std::to_string(status)); };
    hooks.show_message = hooks.show_error;
    hooks.choose_file = [this] { return chosen_file; };
    hooks.choose_save_file = [this](const std::string&) { return save_as; };
    hooks.ask = [this](const std::string&, const std::string& text,
                       const std::vector<std::string>& buttons) {
      shown.push_back(text);
      const auto found = std::find(buttons.begin(), buttons.end(), answer);
      return found == buttons.end() ? -1 : static_cast<int>(found - buttons.begin());
    };
    // The window is opened modal and waited for without a nested event loop of its own: an
    // earlier test's exit request would end such a loop at once.
    hooks.run_modal = [this](QDialog& dialog) {
      ++modal_runs;
      dialog.setModal(true);
      dialog.show();
      EXPECT_TRUE(QTest::qWaitFor([&dialog] { return dialog.isVisible(); }));
      if (while_modal) while_modal(dialog);
      if (dialog.isVisible()) dialog.reject();  // the close box, if the test has not closed it
    };
    return hooks;
  }

  template <class W = QWidget>
  W* Find(const std::string& name) {
    return qt::Find<W>(program.main_window(), name);
  }
  ui::MainWindow& model() { return program.form().window(); }

  // Each control's widget shows the text the model holds for it.
  void ExpectShown(std::initializer_list<const ui::Control*> controls) {
    for (const ui::Control* c : controls) {
      QWidget* widget = Find(c->name());
      QString text = widget->property("text").toString();  // a label or a line edit
      if (auto* box = qobject_cast<QComboBox*>(widget)) text = box->currentText();
      EXPECT_EQ(text.toStdString(), test::ShownText(*c)) << c->name();
    }
  }

  // Activates the main window and lets it paint for the first time, which builds the panel rows
  // it leaves for then.
  void Activate() {
    program.main_window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(program.main_window()));
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return program.main_window()->findChild<QWidget*>("cboSkillPri(25)"); }));
  }

  // Clicks a widget of the main window the way the window system delivers a click, so that a
  // modal window blocks it.
  void ClickThroughWindow(QWidget* widget) {
    QWidget* top = program.main_window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(top, widget->rect().center()));
  }

  std::vector<std::string> shown;
  std::optional<std::string> chosen_file, save_as;
  std::string answer = "Cancel";
  std::function<void(QDialog&)> while_modal;
  int modal_runs = 0;
  Program program;
};

TEST_F(ProgramTest, TheTwoRowStripSwitchesPagesAndOptionButtonsStayChosen) {
  QMainWindow* top = program.main_window();
  EXPECT_EQ(top->findChild<QWidget*>("cboType(44)"), nullptr);  // built when first shown
  auto* neck = Find<TabButton>("SSTab1 tab 11");
  QTest::mouseClick(neck, Qt::LeftButton);
  EXPECT_EQ(model().SSTab1.Tab(), 11);
  EXPECT_TRUE(Find("cmdSearch")->isEnabled());
  EXPECT_TRUE(Find("fraItem(11)")->isVisible());
  EXPECT_FALSE(Find("fraItem(0)")->isVisible());
  EXPECT_EQ(Find<QComboBox>("cboGemQual(44)")->currentText(), "94%");
  // A click on the current tab leaves it the one tab marked current, for the eye and for
  // assistive technology.
  QTest::mouseClick(neck, Qt::LeftButton);
  int marked = 0;
  for (int k = 0; k < ui::kItemCount; ++k) {
    auto* tab = Find<TabButton>("SSTab1 tab " + std::to_string(k));
    marked += tab->isChecked();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(tab)->state().checked, k == 11) << k;
  }
  EXPECT_EQ(marked, 1);
  // The tabs of the upper row end left of the buttons over the strip.
  auto* right_wrist = Find<TabButton>("SSTab1 tab 18");
  EXPECT_LE(right_wrist->mapTo(top->centralWidget(), QPoint(right_wrist->width(), 0)).x(),
            Find("cmdClearItem")->geometry().left());
  auto* crafted = Find<QRadioButton>("optCraft(11)");
  QTest::mouseClick(crafted, Qt::LeftButton);
  QTest::mouseClick(crafted, Qt::LeftButton);  // clicking the chosen option keeps it chosen
  EXPECT_TRUE(crafted->isChecked() && model().optCraft[11].Value());
  EXPECT_FALSE(Find<QRadioButton>("optDropped(11)")->isChecked());
  QTest::keyClick(neck, Qt::Key_Right);  // the arrow keys move between tabs
  EXPECT_EQ(model().SSTab1.Tab(), 12);
}

TEST_F(ProgramTest, AnErrorIsShownAndEndsTheProgramAndNothingRunsAfterIt) {
  int clicks = 0;
  model().cmdLoadItem.Click = [&] {
    ++clicks;
    throw RuntimeError(ErrorKind::Overflow, "40000 is outside -32768..32767");
  };
  for (int i = 0; i < 2; ++i)
    QTest::mouseClick(Find<QPushButton>("cmdLoadItem"), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(shown,
            (std::vector<std::string>{"Overflow\n\n40000 is outside -32768..32767", "status 1"}));
  std::string text;
  EventGate gate([&](const std::string& title, const std::string& t) { text = title + "|" + t; },
                 [&](int status) { text += "|" + std::to_string(status); });
  gate.Run([] { throw std::logic_error("broken"); });
  EXPECT_EQ(text, "Gemwright Workshop|Internal error\n\nbroken|1");
}

TEST_F(ProgramTest, FileOpenTheCommandLineAndOneDroppedLocalFileLoadAnItemSetAlike) {
  chosen_file = FullSet();
  Find<QAction>("mnuOpen")->trigger();
  const std::string opened = test::Snapshot(model());
  const std::string opened_plan = test::PlanSnapshot(model());
  const ui::MainWindow& w = model();
  EXPECT_NE(w.lblHitsVal.Caption(), "0");
  ExpectShown({&w.txtItemName[0], &w.lblOverc[0], &w.lblHitsVal, &w.cboItmQual[0]});
  QTest::mouseClick(Find<TabButton>("SSTab1 tab 15"), Qt::LeftButton);  // a page built later
  ExpectShown({&w.txtItemName[15], &w.cboAmount[60]});
  EXPECT_EQ(Find<QCheckBox>("chkEquip(15)")->isChecked(), w.chkEquip[15].Value());
  EXPECT_EQ(Find<QRadioButton>("optDropped(15)")->isChecked(), w.optDropped[15].Value());
  Program argument(test::SampleDataFolder(), Hooks());
  ASSERT_TRUE(argument.Start());
  argument.OpenWhenShown(FullSet());
  QApplication::processEvents();
  // The same window, but the file it starts with is no step to undo.
  EXPECT_EQ(test::PlanSnapshot(argument.form().window()), opened_plan);
  EXPECT_FALSE(argument.form().window().mnuUndo.enabled());

  test::TempFolder folder;
  const QString path = QString::fromStdString(FullSet());
  const std::string markup = "<font size=7 color=red>ALL PLANS DELETED<b>.txt";  // no items
  const QUrl set = QUrl::fromLocalFile(path),
             no_items = QUrl::fromLocalFile(folder.Write(markup, "[Chest]\n").c_str()),
             pipe = QUrl::fromLocalFile((folder.path() / "pipe.txt").c_str());
  ASSERT_EQ(::mkfifo(pipe.toLocalFile().toUtf8().constData(), 0600), 0);
  alarm(60);  // a blocking open of the pipe ends the test instead of hanging it
  const struct {
    const char* name;
    QList<QUrl> urls;
    QString text;
    bool modal_open, imported, message;
    const char* onto = nullptr;  // a widget of the window; nullptr for the window itself
  } cases[] = {
      {"one local file", {set}, {}, false, true, false},
      {"a file without item lines", {no_items}, {}, false, false, true},
      {"two files", {set, set}, {}, false, false, false},
      {"text naming the file", {}, path, false, false, false},
      {"a remote file", {QUrl("https://example.org/full-set.txt")}, {}, false, false, false},
      {"while a modal window is open", {set}, {}, true, false, false},
      {"a file and its path, onto a text box", {set}, path, false, true, false, "txtItemName(0)"},
      {"a named pipe nobody writes to", {pipe}, {}, false, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    shown.clear();
    Program p(test::SampleDataFolder(), Hooks());
    ASSERT_TRUE(p.Start());
    QDialog modal(p.main_window());
    modal.setModal(true);
    modal.setVisible(c.modal_open);
    const std::string before = test::Snapshot(p.form().window());
    QMimeData data;
    if (!c.urls.isEmpty()) data.setUrls(c.urls);
    if (!c.text.isEmpty()) data.setText(c.text);
    QWidget* target = c.onto ? qt::Find(p.main_window(), c.onto) : p.main_window();
    QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop({10.0, 10.0}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QApplication::processEvents();
    EXPECT_EQ(enter.isAccepted(), c.urls.size() == 1 && c.urls[0].isLocalFile() && !c.modal_open);
    EXPECT_EQ(test::Snapshot(p.form().window()), c.imported ? opened : before);
    ASSERT_EQ(shown.size(), c.message ? 1u : 0u);
    if (c.urls == QList{pipe}) {
      EXPECT_EQ(shown[0], pipe.toLocalFile().toStdString() +
                              " cannot be read (it is a named pipe). Nothing was imported.");
    } else if (c.message) {  // a file name is shown as it is, never as markup
      const auto box = MakeMessageBox(QMessageBox::Information, nullptr, "Open", shown[0]);
      EXPECT_NE(box->text().toStdString().find(markup), std::string::npos);
      EXPECT_EQ(box->textFormat(), Qt::PlainText);
    }
  }
  // The pipe chosen in File, "Open...": refused at once, and the window answers the next click.
  shown.clear();
  chosen_file = pipe.toLocalFile().toStdString();
  Find<QAction>("mnuOpen")->trigger();
  EXPECT_EQ(shown, std::vector<std::string>{*chosen_file +
                                            " cannot be read (it is a named pipe). Nothing was "
                                            "imported."});
  QTest::mouseClick(Find<TabButton>("SSTab1 tab 3"), Qt::LeftButton);
  EXPECT_EQ(model().SSTab1.Tab(), 3);
  alarm(0);
}

TEST_F(ProgramTest, SearchOpensAModalWindowOnlyFromNeckOnThatBlocksTheMainWindow) {
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
    emit qt::Find<QComboBox>(&dialog, "cboType(0)")->activated(6);
    effects = qt::Find<QComboBox>(&dialog, "cboEffect(0)")->count();
    QTest::mouseClick(qt::Find<QPushButton>(&dialog, "cmdClose"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
  };
  QTest::mouseClick(Find<QPushButton>("cmdSearch"), Qt::LeftButton);
  EXPECT_EQ(modal_runs, 1);
  EXPECT_EQ(loads, 1);  // blocked while the search window was open
  EXPECT_EQ(effects, 26);
  EXPECT_TRUE(shown.empty());
}

TEST_F(ProgramTest, TheTabKeyFollowsReadingOrderIntoThePanelRowsAndAltEEnds) {
  Activate();
  QTest::mouseClick(Find<TabButton>("SSTab1 tab 5"), Qt::LeftButton);  // built after start-up
  std::string page =
      "cboItmQual(5)|txtItemName(5)|txtItmlevel(5)|txtAF(5)|txtSpeed(5)|txtBonus(5)|";
  for (int slot = 20; slot < 24; ++slot) {
    for (const char* name : {"cboType", "cboAmount", "cboEffect", "cboGemQual"})
      page += name + ("(" + std::to_string(slot) + ")|");
  }
  const std::pair<const char*, std::string> cases[] = {
      {"SSTab1 tab 5", page + "optDropped(5)|optCraft(5)|chkEquip(5)|cmdClearItem|"},
      {"cboFocusPri(3)", "txtFocusMax(4)|cboFocusPri(4)|txtFocusMax(5)|"},
      {"cboSkillPri(8)", "txtSkillMax(9)|cboSkillPri(9)|txtSkillMax(10)|"},
      {"cboFocusPri(7)", "txtSkillMax(0)|"},
      {"txtSkillMax(25)", "cboSkillPri(25)|SSTab1 tab 5|"},
  };
  for (const auto& [from, expected] : cases) {
    Find(from)->setFocus();
    std::string reached;
    for (auto stops = std::ranges::count(expected, '|'); stops > 0; --stops) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      reached += QApplication::focusWidget()->objectName().toStdString() + "|";
    }
    EXPECT_EQ(reached, expected) << from;
  }
  // Alt+E presses Exit as a click the player sees, which takes a moment; the close box ends too.
  QTest::keyClick(program.main_window()->windowHandle(), Qt::Key_E, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([this] { return !model().loaded(); }));
  EXPECT_FALSE(program.main_window()->isVisible());
  Program other(test::SampleDataFolder(), Hooks());
  ASSERT_TRUE(other.Start());
  other.main_window()->close();  // the title bar's close box
  EXPECT_FALSE(other.form().window().loaded());
  EXPECT_TRUE(shown.empty());
}

TEST_F(ProgramTest, InputsAreNamedForAssistiveTechnologyAndResultsSayWhatTheyShow) {
  Activate();
  auto spoken = [](QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name).toStdString() : std::string();
  };
  int inputs = 0;
  for (QWidget* widget : program.main_window()->findChildren<QWidget*>()) {
    if (!(widget->focusPolicy() & Qt::TabFocus) || widget->objectName().isEmpty()) continue;
    ++inputs;
    EXPECT_FALSE(spoken(widget).empty()) << widget->objectName().toStdString();
  }
  EXPECT_GT(inputs, 100);
  const auto said = [&](std::initializer_list<const char*> names) {
    std::string text;
    for (const char* name : names)
      text += spoken(Find(name)) + "|";
    return text;
  };
  EXPECT_EQ(said({"cboAmount(3)", "txtStat(2)", "cboSkillPri(25)", "txtCLevel", "lblGemCost(0)",
                  "lblStatVal(0)", "lblStat(0)"}),
            "Gem 4 amount|DEX cap|Verdant priority|Crafter level|Gem 1 cost:  0g 0s 0c|"
            "STR total: 0|STR|");  // a row caption is read as it is
  program.gate().Run([&] {
    model().txtItmlevel[0].SetText("20");
    model().cboItmQual[0].SetListIndex(6);
    model().cboType[0].SetListIndex(1);
    model().cboAmount[0].SetListIndex(9);
    model().lblStatVal[1].SetCaption("123522");  // wider than its label
  });
  EXPECT_EQ(said({"lblGemCost(0)", "lblStatVal(0)", "lblImbPoint(0)", "lblStatVal(1)"}),
            "Gem 1 cost: " + model().lblGemCost[0].Caption() + "|STR total: " +
                model().lblStatVal[0].Caption() + "|" + model().lblImbPoint[0].Caption() +
                "|CON total: 123522|");  // "Imbue Points: ..." names itself
  auto* con = Find<QLabel>("lblStatVal(1)");
  EXPECT_TRUE(con->text().endsWith(QChar(0x2026))) << con->text().toStdString();
  EXPECT_EQ(PlainText(con->toolTip()).toStdString().substr(0, 8), "123522\n\n");
  // Every caption of an item frame and of the panels says what it means; text from a file in a
  // tooltip is shown as it stands, never read as markup.
  int explained = 0;
  for (const char* frame :
       {"fraItem(0)", "fraStats", "fraResists", "fraHit", "fraPower", "fraForuc", "fraSkills"}) {
    for (QLabel* label : Find(frame)->findChildren<QLabel*>()) {
      ++explained;
      EXPECT_FALSE(PlainText(label->toolTip()).trimmed().isEmpty())
          << label->objectName().toStdString();
    }
  }
  EXPECT_GT(explained, 120);
  const std::string markup = "<b>Bold</b> & a name far too long for its label to hold it whole";
  program.gate().Run([&] { model().lblGemName[0].SetCaption(markup); });
  EXPECT_TRUE(PlainText(Find<QLabel>("lblGemName(0)")->toolTip())
                  .startsWith(QString::fromStdString(markup + "\n\n")));
}

TEST_F(ProgramTest, EveryCaptionAndListEntryFitsItsControl) {
  Activate();
  program.gate().Run([&] {
    for (int type = 1; type <= 6; ++type)  // every effect name, and the longest amounts
      model().cboType[ui::GemSlot(type, 0)].SetListIndex(type);
    for (int tab = 0; tab < ui::kItemCount; ++tab)
      model().SSTab1.SetTab(tab);
  });
  int checked = 0;
  for (QWidget* widget : program.main_window()->findChildren<QWidget*>()) {
    QStringList texts;
    int room = widget->width();
    if (auto* tab = dynamic_cast<TabButton*>(widget)) {
      texts << tab->text();
      room -= 2 * TabButton::kPadding;
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      texts << label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      texts << button->text().remove('&');
      room -= qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget) ? 20 : 8;
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      texts << group->title();
      room -= 16;
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      // The text field beside the arrow, less the inset the text is drawn with (a pixel each
      // side; a line edit's two).
      QStyleOptionComboBox option;
      option.initFrom(combo);
      option.editable = combo->isEditable();
      room = combo->style()
                 ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                 .width() -
             (combo->isEditable() ? 4 : 2);
      for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    }
    for (const QString& text : texts) {
      ++checked;
      EXPECT_LE(widget->fontMetrics().horizontalAdvance(text), room)
          << widget->objectName().toStdString() << ": \"" << text.toStdString() << "\"";
    }
  }
  EXPECT_GT(checked, 500);
}

// Qt's editable list commits typed text that equals an entry as if it were chosen; only the rules
// decide. On a dropped item a typed amount stays typed; on a crafted one, the rule makes an entry
// the choice and marks any other amount.
TEST_F(ProgramTest, TypedTextIsNeverAChoiceInAnyEditableListButTheArrowKeysChoose) {
  Activate();
  std::vector<std::string> boxes = {"cboLevel"};
  for (int slot = 0; slot < ui::kGemSlotCount; ++slot)
    boxes.push_back("cboAmount(" + std::to_string(slot) + ")");
  for (const std::string& name : boxes) {
    const int slot = name == "cboLevel" ? 0 : std::stoi(name.substr(10));
    program.gate().Run([&] {
      model().SSTab1.SetTab(ui::ItemOfSlot(slot));
      model().optDropped[ui::ItemOfSlot(slot)].UserClick();
      model().cboType[slot].SetListIndex(2);
    });
    auto* box = Find<QComboBox>(name);
    ui::ComboBox& logical = name == "cboLevel" ? model().cboLevel : model().cboAmount[slot];
    const std::string before = test::PlanSnapshot(model());
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), QString::fromStdString(logical.List(2)));
    QTest::keyClick(box->lineEdit(), Qt::Key_Tab);  // leave the box
    ASSERT_FALSE(box->hasFocus());
    box->setFocus();
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(box->currentIndex(), -1) << name;
    EXPECT_EQ(box->currentText().toStdString(), logical.List(2)) << name;
    EXPECT_EQ(logical.ListIndex(), -1) << name;
    // The typed text is a typed amount, not a choice: the window shows what typing the same
    // text into the model and committing it shows, and typing back what was there gives back
    // what the window showed.
    const std::string typed = test::PlanSnapshot(model());
    program.gate().Run([&] {
      logical.UserTyped("");
      logical.UserCommit();
    });
    EXPECT_EQ(test::PlanSnapshot(model()), before) << name;
    program.gate().Run([&] {
      logical.UserTyped(logical.List(2));
      logical.UserCommit();
    });
    EXPECT_EQ(test::PlanSnapshot(model()), typed) << name;
    program.gate().Run([&] {
      logical.UserTyped("");
      logical.UserCommit();
    });
  }
  // A crafted item: typing an entry and Tab is choosing it, one step; any other amount is no gem.
  program.gate().Run([&] {
    model().SSTab1.SetTab(0);
    model().optCraft[0].UserClick();
    model().cboType[0].SetListIndex(ui::kStat);
    model().cboType[1].SetListIndex(ui::kStat);
    model().cboAmount[1].SetListIndex(9);
  });
  auto* amount = Find<QComboBox>("cboAmount(0)");
  const auto type_amount = [&](const QString& text) {
    amount->setFocus();
    amount->lineEdit()->selectAll();
    QTest::keyClicks(amount->lineEdit(), text);
    QTest::keyClick(amount->lineEdit(), Qt::Key_Tab);
  };
  const std::string before = test::PlanSnapshot(model());
  type_amount(QString::fromStdString(model().cboAmount[0].List(9)));
  EXPECT_EQ(model().cboAmount[0].ListIndex(), 9);
  EXPECT_EQ(Find<QLabel>("lblGemCost(0)")->text(), Find<QLabel>("lblGemCost(1)")->text());
  EXPECT_EQ(Find<QLabel>("lblGemName(0)")->text(), Find<QLabel>("lblGemName(1)")->text());
  QTest::keyClick(program.main_window(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(test::PlanSnapshot(model()), before);  // one step
  type_amount("21");
  EXPECT_EQ(Find<QLabel>("lblGemCost(0)")->text().toStdString(), "??g ??s ??c");
  EXPECT_TRUE(
      Find<TabButton>("SSTab1 tab 0")->accessibleDescription().startsWith("imbue points unknown"));
  EXPECT_FALSE(Find<QLabel>("lblGemPoint(0)")->toolTip().isEmpty());

  QTest::keyClick(Find<QComboBox>("cboAmount(75)"), Qt::Key_Down);  // a choice on the closed box
  const ui::MainWindow& w = model();
  EXPECT_EQ(w.cboAmount[75].ListIndex(), 0);
  EXPECT_NE(w.lblResVal[0].Caption(), "0");  // the cascade reaches the screen
  ExpectShown({&w.lblGemCost[75], &w.lblGemName[75], &w.lblGemPoint[75], &w.lblResVal[0],
               &w.cboEffect[75], &w.cboAmount[75], &w.lblOverc[18], &w.lblImbPoint[18]});
}

// The menu's shortcuts as a player presses them: Ctrl+Z and Ctrl+Y take back and bring again the
// plan's steps, caption for caption on the screen, except while a text box holds typing of its
// own; the close box asks before changes are lost; Save As writes a file that opens to the same.
TEST_F(ProgramTest, ShortcutsUndoRedoAndSaveAndTheCloseBoxAsksAboutChanges) {
  Activate();
  QMainWindow* top = program.main_window();
  auto keys = [&](const char* action) {
    QStringList list;
    for (const QKeySequence& key : Find<QAction>(action)->shortcuts())
      list << key.toString(QKeySequence::PortableText);
    return list.join(" ").toStdString();
  };
  EXPECT_EQ(keys("mnuOpen") + "|" + keys("mnuSave") + "|" + keys("mnuSaveAs") + "|" +
                keys("mnuUndo") + "|" + keys("mnuRedo") + "|" + keys("mnuShopping") + "|" +
                keys("mnuQuit") + "|" + keys("mnuHelpContents"),
            "Ctrl+O|Ctrl+S|Ctrl+Shift+S|Ctrl+Z|Ctrl+Y Ctrl+Shift+Z|Ctrl+L|Ctrl+Q|F1");
  QStringList bar;
  for (QAction* menu : top->menuBar()->actions())
    bar << menu->text();
  EXPECT_EQ(bar.join("|").toStdString(),
            "&File|E&dit|V&iew|&Craft Pricing|&Help|&About|" + model().mnuVersion.Caption());
  // Craft Pricing shows the one price there is, checked, and no other as if it could be had.
  Find<QAction>("mnuGW")->trigger();
  EXPECT_TRUE(Find<QAction>("mnuGW")->isChecked());
  EXPECT_FALSE(Find<QAction>("mnuAlc")->isEnabled());
  // F1 opens the help, whose first words are the README's.
  QString first_help;
  while_modal = [&](QDialog& dialog) {
    first_help = qt::Find<QListWidget>(&dialog, "lstHelp")->item(1)->text();
  };
  QTest::keyClick(top, Qt::Key_F1);
  EXPECT_TRUE(first_help.startsWith("1. Pick the item.")) << first_help.toStdString();
  while_modal = nullptr;
  auto* undo = Find<QAction>("mnuUndo");
  auto* redo = Find<QAction>("mnuRedo");
  EXPECT_FALSE(undo->isEnabled() || redo->isEnabled());

  const ui::MainWindow& w = model();
  const std::string start = test::PlanSnapshot(w);
  auto* type = Find<QComboBox>("cboType(1)");
  type->setFocus();
  QTest::keyClick(type, Qt::Key_Down);  // a choice on the closed box: "Unused"
  QTest::keyClick(type, Qt::Key_Down);  // "Stat"
  const std::string chosen = test::PlanSnapshot(w);
  ASSERT_NE(chosen, start);
  EXPECT_EQ(undo->text().toStdString(), "&Undo Chest Gem 2 type");
  const std::initializer_list<const ui::Control*> on_screen = {
      &w.cboType[1],     &w.cboEffect[1],  &w.lblGemCost[1], &w.lblGemName[1],
      &w.lblItemCost[0], &w.lblStatVal[0], &w.lblOverc[0]};
  QTest::keyClick(top, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(w.cboType[1].Text(), "Unused");
  ExpectShown(on_screen);
  QTest::keyClick(top, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(test::PlanSnapshot(w), start);
  ExpectShown(on_screen);
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_TRUE(redo->isEnabled());
  QTest::keyClick(top, Qt::Key_Y, Qt::ControlModifier);
  QTest::keyClick(top, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(test::PlanSnapshot(w), chosen);
  ExpectShown(on_screen);

  // Typing not yet committed: Ctrl+Z is the box's own; once committed, the plan's.
  auto* name = Find<QLineEdit>("txtItemName(0)");
  name->setFocus();
  QTest::keyClicks(name, "Mine");
  QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(name->text(), "");
  EXPECT_EQ(w.txtItemName[0].Text(), "");  // the model follows the box's own undo
  EXPECT_EQ(w.cboType[1].Text(), "Stat");  // the plan's last step is still there
  QTest::keyClicks(name, "Mine");
  QTest::keyClick(name, Qt::Key_Return);  // committed: one step
  EXPECT_EQ(undo->text().toStdString(), "&Undo Chest Item Name");
  QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(name->text(), "");
  EXPECT_EQ(w.txtItemName[0].Text(), "");
  EXPECT_EQ(w.cboType[1].Text(), "Stat");
  QTest::keyClick(name, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(name->text(), "Mine");
  // A choice in an amount list is a step, which Ctrl+Z takes back while the list still has the
  // focus. On a crafted item, the chosen amount typed over the choice is that choice again.
  auto* amount = Find<QComboBox>("cboAmount(1)");
  amount->setFocus();
  QTest::keyClick(amount, Qt::Key_Down);
  QTest::keyClick(amount, Qt::Key_Down);
  ASSERT_EQ(w.cboAmount[1].ListIndex(), 1);
  QTest::keyClick(amount->lineEdit(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(w.cboAmount[1].ListIndex(), 0);
  QTest::keyClick(amount, Qt::Key_Down);
  const std::string chosen_cost = w.lblGemCost[1].Caption();
  amount->lineEdit()->selectAll();
  QTest::keyClicks(amount->lineEdit(), amount->currentText());
  QTest::keyClick(amount->lineEdit(), Qt::Key_Tab);
  EXPECT_EQ(w.cboAmount[1].ListIndex(), 1);
  EXPECT_EQ(w.lblGemCost[1].Caption(), chosen_cost);
  ExpectShown({&w.lblGemCost[1], &w.lblGemPoint[1], &w.lblItemCost[0]});
  // An amount typed and left with Tab is one step, and evaluated at once.
  amount->setFocus();
  amount->lineEdit()->selectAll();
  QTest::keyClicks(amount->lineEdit(), "16");
  QTest::keyClick(amount->lineEdit(), Qt::Key_Tab);
  EXPECT_EQ(undo->text().toStdString(), "&Undo Chest Gem 2 amount");
  EXPECT_EQ(w.lblStatVal[0].Caption(), "16");
  ExpectShown({&w.lblStatVal[0]});

  // Text set through the accessibility interface, not typed, is committed at once: one step.
  QAccessible::queryAccessibleInterface(Find("txtAF(0)"))->setText(QAccessible::Value, "102");
  EXPECT_EQ(w.txtAF[0].Text(), "102");
  EXPECT_EQ(undo->text().toStdString(), "&Undo Chest AF/DPS");

  // The title names the plan's file, with a mark while it has unsaved changes.
  const QString program_title = " - Orvalis's Gemwrighting Workshop";
  EXPECT_EQ(top->windowTitle(), "Untitled[*]" + program_title);
  EXPECT_TRUE(top->isWindowModified());
  // The close box asks while the plan has changes; Cancel keeps the window.
  shown.clear();
  top->close();
  EXPECT_EQ(shown, std::vector<std::string>{"Save the changes to this plan?"});
  EXPECT_TRUE(top->isVisible() && w.loaded());
  // Save As (Ctrl+Shift+S) writes the plan; after it, closing asks nothing.
  test::TempFolder folder;
  save_as = (folder.path() / "plan.txt").string();
  program.gate().Run([&] {  // a quality and a chosen amount: a file holds both
    model().cboItmQual[0].SetListIndex(3);
    model().cboAmount[1].SetListIndex(5);
  });
  shown.clear();
  QTest::keyClick(top, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_TRUE(shown.empty()) << shown.front();
  EXPECT_EQ(top->windowTitle(), "plan.txt[*]" + program_title);
  EXPECT_FALSE(top->isWindowModified());
  QTest::keyClick(top, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(top->isWindowModified());
  QTest::keyClick(top, Qt::Key_Y, Qt::ControlModifier);  // back to the plan saved
  EXPECT_FALSE(top->isWindowModified());
  top->close();
  EXPECT_TRUE(shown.empty());
  EXPECT_FALSE(w.loaded());
}

TEST_F(ProgramTest, TheWheelChangesAClosedListOnlyWhileItHasTheKeyboardFocus) {
  Activate();
  program.gate().Run([&] { model().cboType[0].SetListIndex(1); });  // a stat: amounts to choose
  QWidget* top = program.main_window();
  // One notch down over the middle of a widget, delivered as the window system delivers it: to
  // the innermost widget there, passed on to what holds it while nobody takes it.
  auto wheel_over = [top](QWidget* widget) {
    const QPoint at = widget->mapTo(top, widget->rect().center());
    QWidget* target = top->childAt(at);
    const QPoint local = target->mapFrom(top, at);
    QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(target, &wheel);  // as QTest delivers input: sendEvent would make it synthetic
  };
  const ui::MainWindow& w = model();
  const struct {
    const char* list;
    bool focused;
    const ui::ComboBox& logical;
    const ui::VScrollBar* panel;  // the scrolling panel holding the list, if any
  } cases[] = {
      {"cboFocusPri(0)", false, w.cboFocusPri[0], &w.VScrollFoc},
      {"cboSkillPri(1)", false, w.cboSkillPri[1], &w.VScrollSki},
      {"cboType(0)", false, w.cboType[0], nullptr},
      {"cboAmount(0)", false, w.cboAmount[0], nullptr},  // an editable list: its text box
      {"cboLevel", false, w.cboLevel, nullptr},
      {"cboType(0)", true, w.cboType[0], nullptr},
      {"cboAmount(0)", true, w.cboAmount[0], nullptr},
      {"cboSkillPri(1)", true, w.cboSkillPri[1], &w.VScrollSki},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.list) + (c.focused ? ", focused" : ", not focused"));
    program.gate().Run([&] {
      model().VScrollFoc.SetValue(0);
      model().VScrollSki.SetValue(0);
    });
    auto* list = Find<QComboBox>(c.list);
    if (c.focused) {
      list->setFocus();
    } else {
      Find("txtCLevel")->setFocus();
    }
    const std::string before = test::Snapshot(model());
    const int choice = c.logical.ListIndex();
    wheel_over(list);
    if (c.focused) {
      EXPECT_EQ(c.logical.ListIndex(), choice + 1);
      EXPECT_EQ(list->currentIndex(), choice + 1);
    } else {
      EXPECT_EQ(c.logical.ListIndex(), choice);
      EXPECT_EQ(list->currentIndex(), choice);
    }
    if (c.panel != nullptr) {
      EXPECT_EQ(c.panel->Value() > 0, !c.focused);  // the panel scrolls instead
    } else if (!c.focused) {
      EXPECT_EQ(test::Snapshot(model()), before);  // nothing happens
    }
  }
}

TEST_F(ProgramTest, CtrlTabAndCtrlPageDownSwitchItemTabsWhereverTheFocusIs) {
  Activate();
  program.gate().Run([&] { model().cboType[0].SetListIndex(1); });
  const ui::MainWindow& w = model();
  const int effect = w.cboEffect[0].ListIndex();
  const struct {
    const char* focus;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int tab;  // the item tab afterwards
  } steps[] = {
      {"cboEffect(0)", Qt::Key_PageDown, Qt::ControlModifier, 1},
      {"txtItemName(1)", Qt::Key_Tab, Qt::ControlModifier, 2},
      {"cboLevel", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 1},
      {"txtCLevel", Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, 0},
      {"SSTab1 tab 0", Qt::Key_PageUp, Qt::ControlModifier, ui::kItemCount - 1},  // round the end
      {"cboFocusPri(2)", Qt::Key_PageDown, Qt::ControlModifier, 0},
      {"txtItemName(0)", Qt::Key_PageDown, Qt::ShiftModifier, 0},  // not a tab key
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.focus);
    QWidget* focus = Find(step.focus);
    focus->setFocus();
    ASSERT_TRUE(focus->hasFocus());
    QTest::keyClick(focus, step.key, step.modifiers);
    EXPECT_EQ(w.SSTab1.Tab(), step.tab);
    // The same change as a click on the tab: its page shows, its tab is the chosen one.
    EXPECT_TRUE(Find("fraItem(" + std::to_string(step.tab) + ")")->isVisible());
    EXPECT_TRUE(Find<TabButton>("SSTab1 tab " + std::to_string(step.tab))->isChecked());
  }
  EXPECT_EQ(w.cboEffect[0].ListIndex(), effect);  // the list kept its choice
  EXPECT_EQ(w.txtItemName[1].Text(), "");         // and no text box took a tab

  // The keys of a modal window above it are that window's.
  QTest::mouseClick(Find<TabButton>("SSTab1 tab 11"), Qt::LeftButton);
  while_modal = [&](QDialog& dialog) {
    QWidget* list = qt::Find(&dialog, "cboType(0)");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_PageDown, Qt::ControlModifier);
  };
  QTest::mouseClick(Find<QPushButton>("cmdSearch"), Qt::LeftButton);
  EXPECT_EQ(modal_runs, 1);
  EXPECT_EQ(w.SSTab1.Tab(), 11);
  EXPECT_TRUE(shown.empty());
}

}  // namespace
}  // namespace gw::qt

namespace gw::qt {
namespace {

// Planning to caps as a player does: a cap typed into a row's box (only digits go in) and
// "Distance to Cap" chosen: the row shows how far its total is, red over the cap and green at
// it, and says so in words; "Count Equipped Items Only" leaves out what is not worn, and Ctrl+Z
// from the window takes it back.
TEST_F(ProgramTest, CapsDistanceToCapAndEquippedItemsOnlyAsAPlayerUsesThem) {
  Activate();
  chosen_file = FullSet();
  Find<QAction>("mnuOpen")->trigger();
  QMainWindow* top = program.main_window();
  auto* cap = Find<QLineEdit>("txtStat(0)");
  auto* value = Find<QLabel>("lblStatVal(0)");
  ASSERT_EQ(value->text(), "88");
  cap->setFocus();
  cap->selectAll();
  QTest::keyClicks(cap, "7x5");  // the letter is refused as it is typed
  EXPECT_EQ(cap->text(), "75");
  QTest::keyClick(cap, Qt::Key_Tab);
  EXPECT_EQ(value->text(), "88");
  EXPECT_EQ(value->palette().color(QPalette::WindowText), QColor(0xB0, 0x00, 0x00));
  EXPECT_EQ(value->accessibleDescription(), "over cap by 13");
  QTest::mouseClick(Find<QRadioButton>("optCap"), Qt::LeftButton);
  EXPECT_EQ(value->text(), "-13");
  EXPECT_EQ(value->accessibleName(), "STR 88, cap 75, over by 13");
  EXPECT_EQ(Find<QLabel>("lblHitsVal")->text(), "");
  EXPECT_EQ(Find<QLabel>("lblHitsVal")->accessibleName(), "Hits, no cap");
  EXPECT_EQ(Find<QAction>("mnuUndo")->text(), "&Undo Distance to Cap");
  cap->setFocus();
  cap->selectAll();
  QTest::keyClicks(cap, "88");
  QTest::keyClick(cap, Qt::Key_Return);
  EXPECT_EQ(value->text(), "0");
  EXPECT_EQ(value->palette().color(QPalette::WindowText), QColor(0x00, 0x64, 0x00));
  EXPECT_EQ(value->accessibleDescription(), "at cap");

  // Equipped items only: the example's Spare, dropped and not worn, adds Blunt 8.
  QTest::mouseClick(Find<QRadioButton>("optTotal"), Qt::LeftButton);
  auto* blunt = Find<QLabel>("lblSkillVal(1)");
  const int all = blunt->text().toInt();
  auto* equipped_only = Find<QAction>("mnuEquippedOnly");
  ASSERT_TRUE(equipped_only->isCheckable());
  program.gate().Run([&] {  // every item but the spare worn
    for (int k = 0; k < ui::kItemCount; ++k)
      model().chkEquip[k].UserSetValue(k != 10);
  });
  equipped_only->trigger();
  EXPECT_TRUE(equipped_only->isChecked());
  EXPECT_EQ(blunt->text().toInt(), all - 8);
  EXPECT_EQ(Find<QAction>("mnuUndo")->text(), "&Undo Count Equipped Items Only");

  // Ctrl+Z from the window, the focus out of every box, takes the last step back.
  top->setFocus();
  QTest::keyClick(top, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(equipped_only->isChecked());
  EXPECT_EQ(blunt->text().toInt(), all);

  // On a dark desktop the text of every label on a fixed background stays readable on it.
  const QPalette light = QApplication::palette();
  QPalette dark = light;
  dark.setColor(QPalette::WindowText, Qt::white);
  dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
  QApplication::setPalette(dark);
  Program night(test::SampleDataFolder(), Hooks());
  ASSERT_TRUE(night.Start());
  qt::Find<QAction>(night.main_window(), "mnuOpen")->trigger();
  auto luminance = [](const QColor& c) {
    auto channel = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  int fixed = 0;
  for (const QLabel* label : night.main_window()->findChildren<QLabel*>()) {
    if (!label->autoFillBackground()) continue;
    ++fixed;
    const double text = luminance(label->palette().color(QPalette::WindowText));
    const double back = luminance(label->palette().color(QPalette::Window));
    EXPECT_GE((std::max(text, back) + 0.05) / (std::min(text, back) + 0.05), 4.5)
        << label->objectName().toStdString();
  }
  EXPECT_GT(fixed, 40);  // those built so far: the panels and the shown item
  QApplication::setPalette(light);
}

// The item set dialogs offer item sets first, start in the plan's folder (or the documents
// folder), and a name saved without an extension gets ".txt".
TEST(ItemSetDialog, FiltersStartFolderAndDefaultExtension) {
  test::TempFolder folder;
  const QString current = QString::fromStdString((folder.path() / "old.txt").string());
  for (const auto mode : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
    const auto dialog = MakeItemSetDialog(nullptr, mode, current);
    EXPECT_EQ(dialog->nameFilters(), (QStringList{"Item sets (*.txt)", "All files (*)"}));
    EXPECT_EQ(dialog->directory().absolutePath(), QFileInfo(current).absolutePath());
    EXPECT_EQ(MakeItemSetDialog(nullptr, mode, "")->directory().absolutePath(),
              QDir(DocumentsFolder()).absolutePath());
    // An item of the library: the dialog names item files and starts in the folder given.
    const auto item = MakeItemSetDialog(nullptr, mode, current, true);
    EXPECT_EQ(item->nameFilters().value(0), "Item files (*.txt)");
    EXPECT_EQ(item->windowTitle(), mode == QFileDialog::AcceptSave ? "Save Item" : "Open Item");
  }
  const auto save = MakeItemSetDialog(nullptr, QFileDialog::AcceptSave, current);
  save->setOption(QFileDialog::DontUseNativeDialog);
  save->show();
  for (const auto& [typed, chosen] : std::vector<std::pair<QString, QString>>{
           {"tank-plan", "tank-plan.txt"}, {"tank.plan", "tank.plan"}, {"t.txt", "t.txt"}}) {
    save->findChild<QLineEdit*>("fileNameEdit")->setText(typed);
    EXPECT_EQ(QFileInfo(save->selectedFiles().value(0)).fileName(), chosen);
  }
}

// An item that cannot be made warns on its tab and in its captions, in colour and in words, and
// the warning goes with the change that caused it.
TEST_F(ProgramTest, AnImpossibleItemIsMarkedOnItsTabAndInItsCaptionsUntilUndone) {
  Activate();
  chosen_file = FullSet();
  Find<QAction>("mnuOpen")->trigger();
  auto* chest = Find<TabButton>("SSTab1 tab 0");
  auto* overcharge = Find<QLabel>("lblOverc(0)");
  // The example's chest is 3 points over its capacity: it can be made, with an overcharge.
  const QString made = chest->accessibleDescription();
  ASSERT_EQ(made.toStdString(), "over capacity by 3 points: can be made, with an overcharge");
  auto* quality = Find<QComboBox>("cboItmQual(0)");
  quality->setFocus();
  QTest::keyClick(quality, Qt::Key_Home);  // 94%
  ASSERT_EQ(overcharge->text(), "Overcharge: IMPOS.");
  EXPECT_TRUE(chest->accessibleDescription().startsWith("impossible: over capacity by"));
  EXPECT_EQ(overcharge->accessibleDescription(), "impossible");
  EXPECT_EQ(overcharge->palette().color(QPalette::WindowText), QColor(0xB0, 0x00, 0x00));
  EXPECT_EQ(Find<QLabel>("lblImbPoint(0)")->palette().color(QPalette::WindowText),
            QColor(0xB0, 0x00, 0x00));
  QTest::keyClick(program.main_window(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_NE(overcharge->text(), "Overcharge: IMPOS.");
  // The item level takes whole numbers up to 255 only, refused as they are typed.
  auto* level = Find<QLineEdit>("txtItmlevel(0)");
  level->setFocus();
  level->selectAll();
  QTest::keyClicks(level, "4x9");
  EXPECT_EQ(level->text().toStdString(), "49");
  level->selectAll();
  QTest::keyClicks(level, "300");
  EXPECT_EQ(level->text().toStdString() + "|" + model().txtItmlevel[0].Text(), "30|30");
  EXPECT_EQ(chest->accessibleDescription(), made);
  EXPECT_EQ(overcharge->accessibleDescription(), "");
  EXPECT_TRUE(PlainText(overcharge->toolTip()).contains("crafter level over ten"));

  // File, "Shopping List..." (Ctrl+L): what to make, and a total that is the sum of the nineteen
  // "Cost" captions; "Copy" puts the list on the clipboard as it is shown.
  std::vector<std::string> costs;
  for (int k = 0; k < ui::kItemCount; ++k)
    costs.push_back(model().lblItemCost[k].Caption().substr(6));
  QStringList listed;
  while_modal = [&](QDialog& dialog) {
    auto* list = qt::Find<QListWidget>(&dialog, "lstGems");
    for (int i = 0; i < list->count(); ++i)
      listed << list->item(i)->text();
    listed << qt::Find<QLabel>(&dialog, "lblTotal")->text()
           << qt::Find<QLabel>(&dialog, "lblNote")->text();
    QTest::mouseClick(qt::Find<QPushButton>(&dialog, "cmdCopy"), Qt::LeftButton);
    QTest::mouseClick(qt::Find<QPushButton>(&dialog, "cmdClose"), Qt::LeftButton);
  };
  auto* shopping = Find<QAction>("mnuShopping");
  EXPECT_EQ(shopping->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
  shopping->trigger();
  EXPECT_EQ(modal_runs, 1);
  EXPECT_TRUE(listed.contains("Total cost: " + QString::fromStdString(*SumOfCoinTexts(costs))));
  EXPECT_TRUE(listed.filter("Radiant Oxblood Stone").value(0).startsWith("    3  "));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), listed.join('\n') + '\n');

  // "Swap..." asks which item in a window of its own, and "OK" exchanges the two; "Clear"
  // empties the shown one.
  const QString arms = QString::fromStdString(model().txtItemName[1].Text());
  QString question;
  while_modal = [&](QDialog& dialog) {
    question = qt::Find<QLabel>(&dialog, "lblQuestion")->text();
    QTest::mouseClick(qt::Find<QPushButton>(&dialog, "cmdOK"), Qt::LeftButton);  // Arms, first
  };
  QTest::mouseClick(Find<QPushButton>("cmdSwapItem"), Qt::LeftButton);
  EXPECT_EQ(question, "Swap Chest with:");
  EXPECT_EQ(Find<QLineEdit>("txtItemName(0)")->text(), arms);
  QTest::mouseClick(Find<QPushButton>("cmdClearItem"), Qt::LeftButton);
  EXPECT_EQ(Find<QLineEdit>("txtItemName(0)")->text(), "");
  EXPECT_EQ(Find<QLabel>("lblImbPoint(0)")->text(), "Imbue Points: 00.0 / 00");
  EXPECT_EQ(Find<QAction>("mnuUndo")->text(), "&Undo Clear Chest");
}

// The item library through real widgets: each item button says what it acts on; in the search
// window the value box refuses letters as they are typed, the results stand under their
// headings, and Return on the selected result loads it and closes the window.
TEST_F(ProgramTest, TheItemButtonsSayWhatTheyActOnAndReturnLoadsASearchResult) {
  test::TempFolder data;
  ASSERT_EQ(setenv("XDG_DATA_HOME", data.path().c_str(), 1), 0);
  Activate();
  chosen_file = FullSet();
  Find<QAction>("mnuOpen")->trigger();
  for (const char* name :
       {"cmdClearItem", "cmdLoadItem", "cmdSaveItem", "cmdSwapItem", "cmdSearch"}) {
    auto* button = Find<QPushButton>(name);
    EXPECT_FALSE(PlainText(button->toolTip()).isEmpty()) << name;
    EXPECT_EQ(button->accessibleDescription(), PlainText(button->toolTip())) << name;
  }
  EXPECT_EQ(Find("cmdSaveItem")->accessibleDescription(), "Save this item to the item library");
  QTest::mouseClick(Find<TabButton>("SSTab1 tab 15"), Qt::LeftButton);
  save_as = (data.path() / "gemwright-workshop" / "items" / "quiet.txt").string();
  QTest::mouseClick(Find<QPushButton>("cmdSaveItem"), Qt::LeftButton);
  QTest::mouseClick(Find<QPushButton>("cmdClearItem"), Qt::LeftButton);
  QString results, headings, typed;
  bool closed = false;
  while_modal = [&](QDialog& dialog) {
    auto* type = qt::Find<QComboBox>(&dialog, "cboType(0)");
    emit type->activated(type->findText("Resist"));
    auto* effect = qt::Find<QComboBox>(&dialog, "cboEffect(0)");
    emit effect->activated(effect->findText("Thrust"));
    auto* value = qt::Find<QLineEdit>(&dialog, "txtValue(0)");
    value->setFocus();
    QTest::keyClicks(value, "5x.");
    typed = value->text();
    QTest::mouseClick(qt::Find<QPushButton>(&dialog, "cmdSearch"), Qt::LeftButton);
    auto* list = qt::Find<QListWidget>(&dialog, "lstItems");
    for (int i = 0; i < list->count(); ++i)
      results += list->item(i)->text() + "\n";
    headings = qt::Find<QLabel>(&dialog, "lblHeadings")->text();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    closed = !dialog.isVisible();
  };
  QTest::mouseClick(Find<QPushButton>("cmdSearch"), Qt::LeftButton);
  EXPECT_EQ(typed, "5");
  EXPECT_TRUE(results.startsWith("Ring of the Quiet Step") && results.count('\n') == 1)
      << results.toStdString();
  // The amount's last digit stands under the last letter of its effect's heading.
  EXPECT_EQ(headings.indexOf("Thrust") + 5, results.indexOf(" 6 ") + 1) << headings.toStdString();
  EXPECT_TRUE(closed);
  EXPECT_EQ(Find<QLineEdit>("txtItemName(15)")->text(), "Ring of the Quiet Step");
  EXPECT_EQ(Find<QAction>("mnuUndo")->text(), "&Undo Load Left Ring");
  EXPECT_TRUE(shown.empty());
  unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace gw::qt
