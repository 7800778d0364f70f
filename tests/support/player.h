// A player for property tests, whose choices come from a numbered random sequence: each Act does
// one thing a player can do to item k of the main window (as on its shown tab): a choice in one of
// its lists, a text typed and committed, a click on an option or "Equipped", the crafter level, or
// an item set opened.
#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "app/main_form.h"

namespace gw::test {

class RandomPlayer {
 public:
  // `sets` are item set files the player may open now and then.
  RandomPlayer(MainForm& form, uint32_t start, std::vector<std::filesystem::path> sets)
      : form_(form), w_(form.window()), random_(start), sets_(std::move(sets)) {}

  int Item() { return Pick(ui::kItemCount); }

  // Does one thing to item k and says what, for the message of a failing test.
  std::string Act(int k) {
    const int slot = ui::GemSlot(k, Pick(ui::kGemsPerItem));
    const std::string at = " on item " + std::to_string(k) + " slot " + std::to_string(slot);
    switch (Pick(14)) {
      case 0:
      case 1:
        return Choose(w_.cboType[slot]) + at;
      case 2:
        return Choose(w_.cboEffect[slot]) + at;
      case 3:
        return Choose(w_.cboAmount[slot]) + at;
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
      default:
        if (sets_.empty()) return "nothing";
        const std::filesystem::path set =
            sets_[static_cast<size_t>(Pick(static_cast<int>(sets_.size())))];
        form_.OpenItemSet(set);
        return "open " + set.filename().string();
    }
  }

 private:
  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

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
  std::vector<std::filesystem::path> sets_;
};

}  // namespace gw::test
