#include "support/snapshot.h"

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

}  // namespace gw::test
