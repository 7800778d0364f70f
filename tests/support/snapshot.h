// The visible state of logical windows as text, to prove that something changed nothing
// (GoogleTest shows two unequal snapshots as a diff of their lines).
#pragma once

#include <string>

#include "ui/window.h"

namespace gw::test {

// The text a label, text box or combo box shows; "" for other controls.
inline std::string ShownText(const ui::Control& c) {
  if (auto* l = dynamic_cast<const ui::Label*>(&c)) return l->Caption();
  if (auto* t = dynamic_cast<const ui::TextBox*>(&c)) return t->Text();
  if (auto* b = dynamic_cast<const ui::ComboBox*>(&c)) return b->Text();
  return "";
}

// One control's line of a snapshot.
inline std::string SnapshotLine(const ui::Control* c) {
  using namespace ui;
  std::string text;
  {
    text += c->name() + (c->enabled() ? ":" : " disabled:") + ShownText(*c);
    std::vector<std::string> items;
    if (auto* b = dynamic_cast<const ComboBox*>(c)) {
      text += "|" + std::to_string(b->ListIndex());
      items = b->items();
    }
    if (auto* l = dynamic_cast<const ListBox*>(c)) items = l->items();
    for (const std::string& item : items)
      text += "," + item;
    if (auto* o = dynamic_cast<const OptionButton*>(c)) text += o->Value() ? "on" : "off";
    if (auto* k = dynamic_cast<const CheckBox*>(c)) text += k->Value() ? "on" : "off";
    if (auto* p = dynamic_cast<const PictureBox*>(c)) text += std::to_string(p->Top());
    if (auto* v = dynamic_cast<const VScrollBar*>(c)) text += std::to_string(v->Value());
    if (auto* s = dynamic_cast<const TabContainer*>(c)) text += std::to_string(s->Tab());
    if (auto* m = dynamic_cast<const MenuItem*>(c); m != nullptr && m->checkable)
      text += m->Checked() ? "on" : "off";
    if (auto* l = dynamic_cast<const Label*>(c); l != nullptr && !l->description().empty())
      text += " [" + l->description() + "]";
    text += "\n";
  }
  return text;
}

inline std::string Snapshot(const ui::Window& window) {
  std::string text;
  for (const ui::Control* c : window.controls())
    text += SnapshotLine(c);
  return text;
}

// The window without the undo and redo entries, whose state follows the history, not the plan.
inline std::string PlanSnapshot(const ui::Window& window) {
  std::string text;
  for (const ui::Control* c : window.controls()) {
    if (c->name() != "mnuUndo" && c->name() != "mnuRedo") text += SnapshotLine(c);
  }
  return text;
}

}  // namespace gw::test
