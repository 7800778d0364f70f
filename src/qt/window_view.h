// The generic renderer: turns a logical window into Qt widgets at its twip geometry, names each
// widget after its control, and keeps model and widgets in step both ways. The player's input
// goes into the model through the event gate; model changes mark widgets dirty and are applied
// when the gate flushes. The controls of a tab page are built when the page is first shown.
// What is particular to each kind of control (its widget, its signals, how it shows the model)
// lives in control_widgets.cpp; this file keeps the bindings, the lazy pages and the dirty list.
#pragma once

#include <QObject>
#include <QRect>
#include <memory>
#include <unordered_map>
#include <vector>

#include "qt/event_gate.h"
#include "ui/window.h"

class QComboBox;
class QMenuBar;
class QWidget;

namespace gw::qt {

class TabStrip;

// 15 twips to a device-independent pixel.
QRect ToPixels(const ui::Rect& twips);
int ToPixels(int twips);

class WindowView : public QObject, public Flushable {
 public:
  // Builds into `client` (the window's client area, sized here) and `menu_bar` (may be null).
  WindowView(ui::Window& model, EventGate& gate, QWidget* client, QMenuBar* menu_bar);
  ~WindowView() override;
  WindowView(const WindowView&) = delete;
  WindowView& operator=(const WindowView&) = delete;

  void Flush() override;
  // Passes the mouse wheel over a scrolling viewport on to its scroll bar, and the wheel over a
  // list without the keyboard focus on to what holds the list.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The widget of a control; nullptr while its tab page has not been shown.
  QWidget* WidgetFor(const ui::Control& control) const;
  // How many controls have widgets so far.
  size_t built() const { return built_; }
  // Builds the panel rows that start-up left for later (see BuildLater); the first paint does it.
  void BuildDeferred();
  // Commits what was typed into the text box or amount box that has the keyboard focus, as the
  // focus leaving it would: before a menu command, which leaves the focus where it is.
  void CommitFocusedTyping();

 private:
  struct Binding;
  friend struct Binding;

  Binding& BindingFor(const ui::Control& control);
  // The control whose widget (or a widget inside it) has the keyboard focus; nullptr if none.
  ui::Control* ControlWithFocus() const;
  // Whether the box that `editor` belongs to holds typing not yet committed.
  bool HoldsUncommittedTyping(QObject* editor) const;
  // The tab container and page a control lives on, through its containers; {nullptr, -1} if none.
  std::pair<const ui::Control*, int> PageOf(const ui::Control& control);
  // Builds a control's widget or menu entry now, or leaves it for later: a panel row below its
  // viewport until the first paint (BuildLater), a control on a hidden tab page until it shows.
  void BuildOrWait(ui::Control& control);
  void Build(Binding& binding);
  // The widget of a control's kind, wired to the model; nullptr for a menu item. Each kind has
  // its own function in control_widgets.cpp: these members for the kinds that need the view (its
  // event gate, its event filter), plain functions there for the rest.
  QWidget* MakeWidget(Binding& binding, QWidget* parent);
  QWidget* MakeTextBox(Binding& binding, QWidget* parent);
  QWidget* MakeComboBox(Binding& binding, QWidget* parent);
  // Typing into an editable combo box changes its text, never its choice.
  void MakeEditable(QComboBox& box, Binding& binding);
  QWidget* MakeOptionButton(Binding& binding, QWidget* parent);
  QWidget* MakeCheckBox(Binding& binding, QWidget* parent);
  QWidget* MakeCommandButton(Binding& binding, QWidget* parent);
  QWidget* MakePictureBox(Binding& binding, QWidget* parent);
  QWidget* MakeScrollBar(Binding& binding, QWidget* parent);
  QWidget* MakeTabContainer(Binding& binding, QWidget* parent);
  void BuildPage(const ui::Control& tabs, int page);
  // Whether start-up may leave a control for later: a row of a scrolling panel that lies wholly
  // below its viewport, which nobody sees before scrolling.
  bool BuildLater(const ui::Control& control) const;
  void BuildMenuItem(Binding& binding);
  QWidget* ParentFor(const ui::Control& control, QPoint& offset);
  // Shows the model's state on the control's widget or menu action, without raising its signals.
  void Apply(Binding& binding);
  // What is particular to the control's kind; the view's own part for a picture box (it moves,
  // which can bring deferred rows into view) and a tab container (it builds the page it shows).
  void ShowKind(Binding& binding);
  void ShowPictureBox(Binding& binding);
  void ShowTabContainer(Binding& binding);

  ui::Window& model_;
  EventGate& gate_;
  QWidget* client_;
  QMenuBar* menu_bar_;
  std::vector<std::unique_ptr<Binding>> bindings_;
  std::unordered_map<const ui::Control*, Binding*> by_control_;
  // Panel rows below their viewport, in creation order, until the first paint or a scroll.
  std::vector<ui::Control*> deferred_;
  // Controls waiting for their tab page to be shown, by tab container and page.
  std::unordered_map<const ui::Control*, std::vector<std::vector<ui::Control*>>> pending_;
  std::vector<Binding*> dirty_;
  // Which control a widget shows, for the events that name only the widget.
  std::unordered_map<const QWidget*, ui::Control*> control_of_;
  // Viewport widget -> the scroll bar control that scrolls it.
  std::unordered_map<const QObject*, const ui::Control*> wheel_targets_;
  size_t built_ = 0;
  bool started_ = false;  // every control is built or waiting
};

}  // namespace gw::qt
