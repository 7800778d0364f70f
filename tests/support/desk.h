// The program's model after start-up over the sample data, as a player at the desk has it: every
// message kept, every question kept and answered with `answer`, the file dialogs answered with
// `open` and `save_as` (nothing: cancelled).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "support/files.h"

namespace gw::test {

struct Desk {
  explicit Desk(const std::filesystem::path& data = SampleDataFolder())
      : form(data), w(form.window()) {
    form.Form_Load();
    w.present_message = [this](const std::string&, const std::string& text) {
      messages.push_back(text);
    };
    w.present_question = [this](const std::string&, const std::string& text,
                                const std::vector<std::string>& buttons) {
      questions.push_back(text);
      for (size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i] == answer) return static_cast<int>(i);
      }
      return -1;
    };
    w.CommonDialog.save_chooser = [this](const std::string&) { return save_as; };
    w.CommonDialog.chooser = [this] { return open; };
  }
  Desk(const Desk&) = delete;
  Desk& operator=(const Desk&) = delete;

  // Every tab shown once, then the first again: what a player who looked everywhere sees.
  void ShowEveryTab() {
    for (int k = ui::kItemCount - 1; k >= 0; --k)
      w.SSTab1.SetTab(k);
  }

  MainForm form;
  ui::MainWindow& w;
  std::vector<std::string> messages, questions;
  std::string answer = "Discard";  // changes not saved are discarded unless a test says
  std::optional<std::string> save_as, open;
};

}  // namespace gw::test
