// A player for property tests, whose choices come from a numbered random sequence: each Act does
// one thing a player can do to item k of the main window (as on its shown tab): a choice in one of
// its lists, a text typed and committed (the amount that is chosen, too), a click on an option or
// "Equipped", the crafter level, something of the character (caps, priorities, display,
// equipped only, class, level, names), an item set opened, or the plan saved and perhaps opened
// again.
#pragma once

#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "plan/plan.h"

namespace gw::test {

class RandomPlayer {
 public:
  // `sets` are item set files the player may open now and then; `save_to`, files the player may
  // save to (through Save As, its questions answered by the window's) and open again.
  RandomPlayer(MainForm& form, uint32_t start, std::vector<std::filesystem::path> sets,
               std::vector<std::filesystem::path> save_to = {})
      : form_(form),
        w_(form.window()),
        random_(start),
        sets_(std::move(sets)),
        save_to_(std::move(save_to)) {
    files_[""] = CapturePlan(w_);
  }

  // The plan the player last opened from or saved to each file; "" is the plan at the start.
  const std::map<std::string, Plan>& files() const { return files_; }

  int Item() { return Pick(ui::kItemCount); }

  // Does one thing to item k and says what, for the message of a failing test.
  std::string Act(int k) {
    // Often a gem is planned in a row: its type, then its amount, then that amount typed over
    // the choice.
    if (just_chosen_ != nullptr) {
      ui::ComboBox& amount = *std::exchange(just_chosen_, nullptr);
      if (Pick(2) == 0) return Type(amount, {amount.Text()}) + " over its choice";
    }
    if (just_typed_ >= 0) {
      const int typed = std::exchange(just_typed_, -1);
      if (Pick(2) == 0) return ChooseAmount(typed);
    }
    const int slot = ui::GemSlot(k, Pick(ui::kGemsPerItem));
    const std::string at = " on item " + std::to_string(k) + " slot " + std::to_string(slot);
    switch (Pick(16)) {
      case 0:
      case 1:
        just_typed_ = slot;
        return Choose(w_.cboType[slot]) + at;
      case 2:
        return Choose(w_.cboEffect[slot]) + at;
      case 3:
        return ChooseAmount(slot);
      case 4:
        return Type(w_.cboAmount[slot], {"7", "15", "22", "abc", "", "300"}) + at;
      case 5:
        return Choose(w_.cboGemQual[slot]) + at;
      case 6:
        return Choose(w_.cboItmQual[k]) + at;
      case 7:
        return Type(w_.txtItmlevel[k], {"51", "45", "0", "", "abc", "60", "30"}) + at;
      case 8:
        return Type(w_.txtItemName[k],
                    {"Runed Hauberk", "Blade of _LEVEL", "Gl\xc3\xb6ve", "a=b", " padded "}) +
               at;
      case 9: {
        ui::TextBox* boxes[] = {&w_.txtAF[k], &w_.txtSpeed[k], &w_.txtBonus[k]};
        return Type(*boxes[Pick(3)], {"102", "12.50", "3", "", "-4"}) + at;
      }
      case 10:
        (Pick(2) == 0 ? w_.optCraft[k] : w_.optDropped[k]).UserClick();
        return "crafted or dropped" + at;
      case 11:
        w_.chkEquip[k].UserSetValue(!w_.chkEquip[k].Value());
        return "equipped" + at;
      case 12:
        return Type(w_.txtCLevel, {"", "50", "100.5", "7"});
      case 13: {
        if (save_to_.empty()) return "nothing";
        const std::string path =
            save_to_[static_cast<size_t>(Pick(static_cast<int>(save_to_.size())))].string();
        w_.CommonDialog.save_chooser = [path](const std::string&) { return path; };
        if (!form_.mnuSaveAs_Click()) return "save as " + path + ", cancelled";
        files_[path] = CapturePlan(w_);
        if (Pick(2) == 0) return "save as " + path;
        return "save as " + path + ", " + Open(path);
      }
      case 14:
        return Character();
      default:
        if (sets_.empty()) return "nothing";
        return Open(sets_[static_cast<size_t>(Pick(static_cast<int>(sets_.size())))]);
    }
  }

 private:
  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

  std::string Open(const std::filesystem::path& set) {
    const ImportStatus status = form_.OpenItemSet(set).status;
    if (status == ImportStatus::Imported || status == ImportStatus::ImportedWithSkips)
      files_[set.string()] = CapturePlan(w_);
    return "open " + set.filename().string();
  }

  // Something of the character: a cap or a priority of a panel row, the display choice, the
  // equipped-only rule, the class, the level or a name.
  std::string Character() {
    const size_t p = static_cast<size_t>(Pick(static_cast<int>(ui::kPanels.size())));
    const ui::MainWindow::PanelControls<false> panel = w_.Panel(p);
    const size_t row = static_cast<size_t>(Pick(static_cast<int>(panel.texts.size())));
    switch (Pick(8)) {
      case 0:
        return Type(panel.texts[row], {"75", "0", "", "26", "9999", "100", "12a"});
      case 1:
        return Choose(panel.priorities[row]);
      case 2:
        (Pick(2) == 0 ? w_.optCap : w_.optTotal).UserClick();
        return "display";
      case 3:
        w_.mnuEquippedOnly.Press();
        return "equipped only";
      case 4:
        return Choose(w_.cboClass);
      case 5:
        return Pick(2) == 0 ? Choose(w_.cboLevel) : Type(w_.cboLevel, {"50", "51", "abc", ""});
      case 6:
        return Type(w_.txtName, {"Thane", "", "Gl\xc3\xb6ve"});
      default:
        return Type(w_.txtCName, {"Smith", ""});
    }
  }

  std::string ChooseAmount(int slot) {
    just_chosen_ = &w_.cboAmount[slot];
    return Choose(w_.cboAmount[slot]) + " on slot " + std::to_string(slot);
  }

  std::string Choose(ui::ComboBox& box) {
    if (box.ListCount() == 0) return "nothing to choose in " + box.name();
    const int index = Pick(box.ListCount());
    box.SetListIndex(index);
    return "choose " + std::to_string(index) + " in " + box.name();
  }
  template <class Box>
  std::string Type(Box& box, std::vector<std::string> texts) {
    const std::string& text = texts[static_cast<size_t>(Pick(static_cast<int>(texts.size())))];
    box.UserTyped(text);
    box.UserCommit();
    return "type \"" + text + "\" in " + box.name();
  }

  MainForm& form_;
  ui::MainWindow& w_;
  std::mt19937 random_;
  std::vector<std::filesystem::path> sets_, save_to_;
  std::map<std::string, Plan> files_;
  int just_typed_ = -1;                  // a slot whose type was just chosen
  ui::ComboBox* just_chosen_ = nullptr;  // an amount box just chosen in
};

}  // namespace gw::test
