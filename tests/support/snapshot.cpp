#include "support/snapshot.h"

#include <sstream>

namespace gw::test {

std::string Snapshot(const ui::Window& window) {
  std::string text;
  for (const ui::Control* c : window.controls()) {
    text += c->name() + (c->enabled() ? "" : " disabled") + ":";
    switch (c->kind()) {
      case ui::ControlKind::Label:
        text += static_cast<const ui::Label*>(c)->Caption();
        break;
      case ui::ControlKind::TextBox:
        text += static_cast<const ui::TextBox*>(c)->Text();
        break;
      case ui::ControlKind::ComboBox: {
        const auto* box = static_cast<const ui::ComboBox*>(c);
        text += std::to_string(box->ListIndex()) + "|" + box->Text() + "|";
        for (const std::string& item : box->items())
          text += item + ",";
        break;
      }
      case ui::ControlKind::OptionButton:
        text += static_cast<const ui::OptionButton*>(c)->Value() ? "on" : "off";
        break;
      case ui::ControlKind::CheckBox:
        text += static_cast<const ui::CheckBox*>(c)->Value() ? "on" : "off";
        break;
      case ui::ControlKind::PictureBox:
        text += std::to_string(static_cast<const ui::PictureBox*>(c)->Top());
        break;
      case ui::ControlKind::VScrollBar:
        text += std::to_string(static_cast<const ui::VScrollBar*>(c)->Value());
        break;
      case ui::ControlKind::TabContainer:
        text += std::to_string(static_cast<const ui::TabContainer*>(c)->Tab());
        break;
      case ui::ControlKind::ListBox:
        for (const std::string& item : static_cast<const ui::ListBox*>(c)->items()) {
          text += item + ",";
        }
        break;
      default:
        break;
    }
    text += "\n";
  }
  return text;
}

std::string SnapshotDiff(const std::string& before, const std::string& after) {
  std::istringstream a(before), b(after);
  std::string line_a, line_b, diff;
  while (true) {
    const bool more_a = static_cast<bool>(std::getline(a, line_a));
    const bool more_b = static_cast<bool>(std::getline(b, line_b));
    if (!more_a && !more_b) break;
    if (line_a != line_b) diff += line_a + "  ->  " + line_b + "\n";
  }
  return diff;
}

}  // namespace gw::test
