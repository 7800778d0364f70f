// An item set that reaches the program from outside the menu: a file given on the command line
// and a file dropped on the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <string>
#include <vector>

#include "qt/program.h"
#include "support/files.h"
#include "support/snapshot.h"

namespace gw::qt {
namespace {

struct Shown {
  std::vector<std::string> messages;
  std::vector<int> statuses;
};

ProgramHooks Hooks(Shown& shown, std::optional<std::string> chosen = {}) {
  ProgramHooks hooks;
  hooks.show_error = [&shown](const std::string&, const std::string& text) {
    shown.messages.push_back(text);
  };
  hooks.terminate = [&shown](int status) { shown.statuses.push_back(status); };
  hooks.show_message = [&shown](const std::string&, const std::string& text) {
    shown.messages.push_back(text);
  };
  hooks.choose_file = [chosen] { return chosen; };
  return hooks;
}

std::string FullSet() {
  return (test::ExamplesFolder() / "full-set.txt").string();
}

TEST(FileEntry, AFileOnTheCommandLineGivesThePlanThatFileOpenGives) {
  Shown by_menu, by_argument;
  Program menu(test::SampleDataFolder(), Hooks(by_menu, FullSet()));
  ASSERT_TRUE(menu.Start());
  menu.main_window()->findChild<QAction*>("mnuOpen")->trigger();

  Program argument(test::SampleDataFolder(), Hooks(by_argument));
  ASSERT_TRUE(argument.Start());
  const std::string before = test::Snapshot(argument.form().window());
  argument.OpenWhenShown(FullSet());
  QApplication::processEvents();

  const std::string after = test::Snapshot(argument.form().window());
  EXPECT_NE(after, before);
  EXPECT_EQ(after, test::Snapshot(menu.form().window()));
  EXPECT_TRUE(by_argument.messages.empty());
  EXPECT_TRUE(by_argument.statuses.empty());
}

TEST(FileEntry, OnlyOneDroppedLocalFileIsImportedAndNotWhileAModalWindowIsOpen) {
  test::TempFolder folder;
  const QUrl full_set = QUrl::fromLocalFile(QString::fromStdString(FullSet()));
  const QUrl no_items =
      QUrl::fromLocalFile(QString::fromStdString(folder.Write("notes.txt", "[Chest]\n").string()));
  struct Case {
    const char* name;
    QList<QUrl> urls;
    QString text;
    bool modal_open;
    bool imported;
    bool message;
    const char* onto = nullptr;  // a widget of the window; nullptr for the window itself
  };
  const Case cases[] = {
      {"one local file", {full_set}, {}, false, true, false},
      {"a file without item lines", {no_items}, {}, false, false, true},
      {"two files", {full_set, full_set}, {}, false, false, false},
      {"text naming the file", {}, QString::fromStdString(FullSet()), false, false, false},
      {"a remote file", {QUrl("https://example.org/full-set.txt")}, {}, false, false, false},
      {"while a modal window is open", {full_set}, {}, true, false, false},
      {"a file with its path as text, onto a text box",
       {full_set},
       QString::fromStdString(FullSet()),
       false,
       true,
       false,
       "txtItemName(0)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Shown shown;
    Program program(test::SampleDataFolder(), Hooks(shown));
    ASSERT_TRUE(program.Start());
    QDialog modal(program.main_window());
    if (c.modal_open) {
      modal.setModal(true);
      modal.show();
    }
    const std::string before = test::Snapshot(program.form().window());
    QMimeData data;
    if (!c.urls.isEmpty()) data.setUrls(c.urls);
    if (!c.text.isEmpty()) data.setText(c.text);
    QWidget* target = program.main_window();
    if (c.onto) target = target->findChild<QWidget*>(c.onto);
    QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop({10.0, 10.0}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QApplication::processEvents();

    EXPECT_EQ(enter.isAccepted(), c.urls.size() == 1 && c.urls[0].isLocalFile() && !c.modal_open);
    EXPECT_EQ(program.form().window().txtItemName[0].Text() == "Runed Hauberk", c.imported);
    if (!c.imported) {
      const std::string after = test::Snapshot(program.form().window());
      EXPECT_EQ(after, before);
    }
    EXPECT_EQ(shown.messages.size(), c.message ? 1u : 0u);
    EXPECT_TRUE(shown.statuses.empty());
  }
}

}  // namespace
}  // namespace gw::qt
