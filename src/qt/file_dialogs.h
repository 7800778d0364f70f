// The file dialogs for item sets: text files first, any file second, starting in the folder of
// the plan's file (or the documents folder), and a name saved without an extension gets ".txt".
#pragma once

#include <QFileDialog>
#include <QString>
#include <memory>
#include <optional>

namespace gw::qt {

// The user's documents folder, or the home folder where there is none.
QString DocumentsFolder();

// A dialog to open an item set (AcceptOpen) or to save one (AcceptSave); `current` is the plan's
// file, empty when it has none. With `item`, the dialog is for one item of the item library.
std::unique_ptr<QFileDialog> MakeItemSetDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                               const QString& current, bool item = false);

// Shows one and waits: the file chosen, or nothing.
std::optional<QString> ChooseItemSet(QWidget* parent, QFileDialog::AcceptMode mode,
                                     const QString& current, bool item = false);

}  // namespace gw::qt
