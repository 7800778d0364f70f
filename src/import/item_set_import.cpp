#include "import/item_set_import.h"

#include <optional>
#include <string>

#include "common/error.h"
#include "common/text.h"
#include "import/item_set_reader.h"
#include "import/item_set_transfer.h"

namespace gw {

namespace {

// Reads the whole file, then writes it into the window only if it sets something: a file that
// is no item set, or whose every setting was refused, costs the player nothing.
ImportOutcome Transfer(ui::MainWindow& w, Calculator& calc, const ReferenceTables& tables,
                       const std::filesystem::path& path, ItemSetReading& reading);

ImportOutcome ReadAndTransfer(ui::MainWindow& w, Calculator& calc, const ReferenceTables& tables,
                              const std::filesystem::path& path) {
  ItemSetReading reading;
  try {
    reading = ReadItemSetFile(path, tables);
  } catch (const RuntimeError& e) {
    ImportOutcome outcome;
    outcome.status = ImportStatus::NotImported;
    outcome.message = e.detail() + ". Nothing was imported.";
    return outcome;
  }
  return Transfer(w, calc, tables, path, reading);
}

ImportOutcome Transfer(ui::MainWindow& w, Calculator& calc, const ReferenceTables& tables,
                       const std::filesystem::path& path, ItemSetReading& reading) {
  ImportOutcome outcome;
  outcome.status = ImportStatus::NotImported;
  const std::string name = path.filename().string();
  if (!reading.has_item_lines) {
    outcome.message = Quoted(path.string()) +
                      " holds no item lines (lines beginning with \"ITEM\"). Nothing was imported.";
  } else if (reading.settings == 0 && reading.problems.empty()) {
    outcome.message = Quoted(path.string()) +
                      " holds item lines, but none of them sets anything. Nothing was imported.";
  } else if (reading.settings == 0) {
    outcome.message = reading.problems.Message("Nothing in " + Quoted(name) +
                                               " could be used, so nothing was imported:");
  } else {
    TransferCharacter(reading.character, w);  // first: the items are evaluated with it
    TransferItemSet(reading.ImportedItems, reading.sources, w, calc, tables, reading.problems);
    outcome.status =
        reading.problems.empty() ? ImportStatus::Imported : ImportStatus::ImportedWithSkips;
    if (!reading.problems.empty()) {
      outcome.message = reading.problems.Message(ImportProblems::SkippedHeading(name));
    }
  }
  outcome.problems = std::move(reading.problems);
  outcome.first_line = std::move(reading.first_line);
  outcome.items_set = reading.items_set;
  return outcome;
}

// The import around a way of choosing the file; nothing chosen is a cancel.
template <class Choose>
ImportOutcome Import(ui::MainWindow& w, Calculator& calc, const ReferenceTables& tables,
                     Choose choose) {
  ImportOutcome outcome;
  {
    ImportFlag flag(w);
    const std::optional<std::filesystem::path> path = choose();
    if (!path) return outcome;
    outcome = ReadAndTransfer(w, calc, tables, *path);
  }
  if (!outcome.message.empty()) w.MsgBox(kImportTitle, outcome.message);
  return outcome;
}

}  // namespace

ImportOutcome ImportItemSet(ui::MainWindow& w, Calculator& calc, const ReferenceTables& tables) {
  return Import(w, calc, tables, [&w]() -> std::optional<std::filesystem::path> {
    if (!w.CommonDialog.ShowOpen()) return std::nullopt;
    return std::filesystem::path(w.CommonDialog.FileName());
  });
}

ImportOutcome ImportItemSetText(ui::MainWindow& w, Calculator& calc, const ReferenceTables& tables,
                                std::string_view text, const std::filesystem::path& name) {
  ImportFlag flag(w);
  ItemSetReading reading = ReadItemSet(text, tables);
  return Transfer(w, calc, tables, name, reading);
}

ImportOutcome ImportItemSetFile(ui::MainWindow& w, Calculator& calc, const ReferenceTables& tables,
                                const std::filesystem::path& path) {
  return Import(w, calc, tables, [&path] { return std::optional(path); });
}

}  // namespace gw
