#include "qt/message_box.h"

#include <QPushButton>

#include "qt/qt_text.h"

namespace gw::qt {

std::unique_ptr<QMessageBox> MakeMessageBox(QMessageBox::Icon icon, QWidget* parent,
                                            const std::string& title, const std::string& text) {
  auto box =
      std::make_unique<QMessageBox>(icon, ToQString(title), QString(), QMessageBox::Ok, parent);
  box->setTextFormat(Qt::PlainText);
  box->setText(ToQString(text));
  return box;
}

void ShowMessageBox(QMessageBox::Icon icon, QWidget* parent, const std::string& title,
                    const std::string& text) {
  MakeMessageBox(icon, parent, title, text)->exec();
}

int AskQuestion(QWidget* parent, const std::string& title, const std::string& text,
                const std::vector<std::string>& buttons) {
  const std::unique_ptr<QMessageBox> box =
      MakeMessageBox(QMessageBox::Question, parent, title, text);
  box->setStandardButtons(QMessageBox::NoButton);
  std::vector<QAbstractButton*> made;
  for (size_t i = 0; i < buttons.size(); ++i) {
    const bool last = i + 1 == buttons.size();
    const QMessageBox::ButtonRole role =
        last ? QMessageBox::RejectRole
             : (i == 0 ? QMessageBox::AcceptRole : QMessageBox::DestructiveRole);
    made.push_back(box->addButton(ToQString(buttons[i]), role));
  }
  if (!made.empty()) {
    box->setDefaultButton(static_cast<QPushButton*>(made.front()));
    box->setEscapeButton(made.back());
  }
  box->exec();
  for (size_t i = 0; i < made.size(); ++i) {
    if (box->clickedButton() == made[i]) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace gw::qt
