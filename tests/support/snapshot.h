// The whole visible state of a logical window as text, to prove that something changed nothing
// (GoogleTest shows two unequal snapshots as a diff of their lines).
#pragma once

#include <string>

#include "ui/window.h"

namespace gw::test {

inline std::string Snapshot(const ui::Window& window) {
  using namespace ui;
  auto list = [](const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
      text += item + ",";
    return text;
  };
  std::string text;
  for (const Control* c : window.controls()) {
    text += c->name() + (c->enabled() ? ":" : " disabled:");
    if (auto* l = dynamic_cast<const Label*>(c)) text += l->Caption();
    if (auto* t = dynamic_cast<const TextBox*>(c)) text += t->Text();
    if (auto* b = dynamic_cast<const ComboBox*>(c))
      text += std::to_string(b->ListIndex()) + "|" + b->Text() + "|" + list(b->items());
    if (auto* o = dynamic_cast<const OptionButton*>(c)) text += o->Value() ? "on" : "off";
    if (auto* k = dynamic_cast<const CheckBox*>(c)) text += k->Value() ? "on" : "off";
    if (auto* p = dynamic_cast<const PictureBox*>(c)) text += std::to_string(p->Top());
    if (auto* v = dynamic_cast<const VScrollBar*>(c)) text += std::to_string(v->Value());
    if (auto* s = dynamic_cast<const TabContainer*>(c)) text += std::to_string(s->Tab());
    if (auto* l = dynamic_cast<const ListBox*>(c)) text += list(l->items());
    text += "\n";
  }
  return text;
}

}  // namespace gw::test
