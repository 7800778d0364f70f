// The program's message boxes. Their text often holds text from outside (a file's name, a name
// read from a file), so it is always shown as plain text, never guessed to be markup.
#pragma once

#include <QMessageBox>
#include <memory>
#include <string>

namespace gw::qt {

std::unique_ptr<QMessageBox> MakeMessageBox(QMessageBox::Icon icon, QWidget* parent,
                                            const std::string& title, const std::string& text);

// Shows one and waits until it is closed.
void ShowMessageBox(QMessageBox::Icon icon, QWidget* parent, const std::string& title,
                    const std::string& text);

}  // namespace gw::qt
