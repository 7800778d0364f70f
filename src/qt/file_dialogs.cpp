#include "qt/file_dialogs.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace gw::qt {

QString DocumentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

std::unique_ptr<QFileDialog> MakeItemSetDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                               const QString& current, bool item) {
  const bool save = mode == QFileDialog::AcceptSave;
  const QString what = item ? "Item" : "Item Set";
  auto dialog = std::make_unique<QFileDialog>(parent, (save ? "Save " : "Open ") + what);
  dialog->setAcceptMode(mode);
  dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog->setNameFilters({item ? "Item files (*.txt)" : "Item sets (*.txt)", "All files (*)"});
  // Every item set the program ships and writes is a .txt file; a name typed without any
  // extension gets it, and the dialog asks before replacing the file of that full name.
  dialog->setDefaultSuffix("txt");
  const QFileInfo file(current);
  if (!current.isEmpty()) {
    dialog->setDirectory(file.absolutePath());
    if (save) dialog->selectFile(file.fileName());
  } else {
    dialog->setDirectory(DocumentsFolder());
  }
  return dialog;
}

std::optional<QString> ChooseItemSet(QWidget* parent, QFileDialog::AcceptMode mode,
                                     const QString& current, bool item) {
  const std::unique_ptr<QFileDialog> dialog = MakeItemSetDialog(parent, mode, current, item);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
  return dialog->selectedFiles().front();
}

}  // namespace gw::qt
