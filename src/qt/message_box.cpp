#include "qt/message_box.h"

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

}  // namespace gw::qt
