#include "search/item_search.h"

#include <algorithm>
#include <string>
#include <utility>

#include "calc/effect_list.h"
#include "common/convert.h"
#include "common/terminal_text.h"
#include "common/text.h"
#include "ui/lists.h"

namespace gw {

namespace {

// The result list's columns, in the columns of its fixed-pitch face. An amount's column is as
// wide as its effect's name (up to a limit) and its figures stand right under the name's end.
constexpr size_t kNameWidth = 26, kKindWidth = 12, kMinAmountWidth = 5, kMaxAmountWidth = 14;

std::string Columns(const std::string& name, const std::string& kind,
                    const std::vector<std::string>& amounts, const std::vector<size_t>& widths,
                    const std::string& file) {
  std::string line = PadRight(FitWidth(name, kNameWidth - 1), kNameWidth) +
                     PadRight(FitWidth(kind, kKindWidth - 1), kKindWidth);
  for (size_t i = 0; i < amounts.size(); ++i)
    line += PadLeft(FitWidth(amounts[i], widths[i]), widths[i]) + "  ";
  return line + file;
}

}  // namespace

ItemSearchForm::ItemSearchForm(ui::ItemSearchWindow& window, const ReferenceTables& reference,
                               std::filesystem::path library)
    : w_(window), ref_(reference), library_(std::move(library)) {
  for (int r = 0; r < ui::ItemSearchWindow::kRows; ++r) {
    w_.cboType[r].Click = [this, r] { cboType_Click(r); };
  }
  w_.cmdSearch.Click = [this] { cmdSearch_Click(); };
  w_.lstItems.DblClick = [this] { lstItems_DblClick(); };
  w_.cmdClose.Click = [this] { cmdClose_Click(); };
}

void ItemSearchForm::cboType_Click(int Index) {
  const std::string type = w_.cboType[Index].Text();
  AssignEffect(Index, type);
}

void ItemSearchForm::AssignEffect(int iRow, std::string_view sGemType) {
  ui::ComboBox& effects = w_.cboEffect[iRow];
  FillEffectList(effects, sGemType, ref_);
  if (effects.ListCount() > 0) effects.SetListIndex(0);  // no handler: nothing further runs
}

bool ItemSearchForm::RowAsks(int r) const {
  return w_.cboType[r].ListIndex() > ui::kUnused && w_.cboEffect[r].ListIndex() != -1;
}

LibraryQuery ItemSearchForm::Query() const {
  LibraryQuery query;
  query.kind = w_.cboItem.ListIndex() == -1 ? "" : w_.cboItem.Text();
  for (int r = 0; r < ui::ItemSearchWindow::kRows; ++r) {
    if (!RowAsks(r)) continue;
    // The box takes digits only, so the value is a whole number; an empty one asks any amount.
    const double at_least = ParseNumber(w_.txtValue[r].Text());
    query.effects.push_back(
        {w_.cboType[r].ListIndex(), w_.cboEffect[r].ListIndex(),
         static_cast<int>(std::min<double>(at_least, ui::ItemSearchWindow::kMaxValue))});
  }
  return query;
}

void ItemSearchForm::cmdSearch_Click() {
  const LibraryQuery query = Query();
  LibrarySearch search = SearchLibrary(library_, query, ref_);
  found_ = std::move(search.found);
  std::vector<std::string> asked;
  for (int r = 0; r < ui::ItemSearchWindow::kRows; ++r) {
    if (RowAsks(r)) asked.push_back(PrintableText(w_.cboEffect[r].Text()));
  }
  std::vector<size_t> widths;
  for (const std::string& effect : asked)
    widths.push_back(std::clamp(DisplayWidth(effect), kMinAmountWidth, kMaxAmountWidth));
  w_.lblHeadings.SetCaption(Columns("Name", "Kind", asked, widths, "File"));
  w_.lstItems.Clear();
  for (const LibraryItem& item : found_) {
    std::vector<std::string> amounts;
    for (const double amount : item.amounts)
      amounts.push_back(NumberToText(amount));
    const std::string name = PrintableText(Trim(item.name));
    w_.lstItems.AddItem(Columns(name.empty() ? "(no name)" : name,
                                std::string(ui::kItemNames[static_cast<size_t>(item.item)]),
                                amounts, widths, PrintableText(item.file.filename().string())));
  }
  if (!found_.empty()) w_.lstItems.SetListIndex(0);

  std::string status;
  if (search.files == 0) {
    status = "The library is empty: Save... on an item puts it there";
  } else if (found_.empty()) {
    status = "No item in the library matches";
  } else {
    status =
        std::to_string(found_.size()) + (found_.size() == 1 ? " item matches" : " items match");
  }
  if (!search.unreadable.empty()) {
    const size_t n = search.unreadable.size();
    status += "; " + std::to_string(n) + (n == 1 ? " file" : " files") +
              " in the library could not be read: ";
    for (size_t i = 0; i < n; ++i)
      status += (i == 0 ? "" : ", ") + PrintableText(search.unreadable[i]);
  }
  w_.lblStatus.SetCaption(std::move(status));
}

void ItemSearchForm::lstItems_DblClick() {
  const int index = w_.lstItems.ListIndex();
  if (index < 0 || static_cast<size_t>(index) >= found_.size()) return;
  chosen_ = found_[static_cast<size_t>(index)];
  w_.Unload();
}

void ItemSearchForm::cmdClose_Click() {
  chosen_.reset();
  w_.Unload();
}

}  // namespace gw
