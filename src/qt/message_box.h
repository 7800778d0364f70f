// The program's message boxes. Their text often holds text from outside (a file's name, a name
// read from a file), so it is always shown as plain text, never guessed to be markup.
#pragma once

#include <QMessageBox>
#include <memory>
#include <string>
#include <vector>

namespace gw::qt {

std::unique_ptr<QMessageBox> MakeMessageBox(QMessageBox::Icon icon, QWidget* parent,
                                            const std::string& title, const std::string& text);

// Shows one and waits until it is closed.
void ShowMessageBox(QMessageBox::Icon icon, QWidget* parent, const std::string& title,
                    const std::string& text);

// Asks a question with `buttons` in order, the last one cancelling (also by Escape or the close
// box); returns the position of the button chosen, or -1.
int AskQuestion(QWidget* parent, const std::string& title, const std::string& text,
                const std::vector<std::string>& buttons);

}  // namespace gw::qt
