#include "qt/window_view.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <cmath>

#include "qt/qt_text.h"
#include "qt/tab_strip.h"
#include "qt/window_view_binding.h"

namespace gw::qt {

using ui::ControlKind;

int ToPixels(int twips) {
  return static_cast<int>(std::lround(twips / 15.0));
}

QRect ToPixels(const ui::Rect& twips) {
  return QRect(ToPixels(twips.left), ToPixels(twips.top), ToPixels(twips.width),
               ToPixels(twips.height));
}

WindowView::WindowView(ui::Window& model, EventGate& gate, QWidget* client, QMenuBar* menu_bar)
    : model_(model), gate_(gate), client_(client), menu_bar_(menu_bar) {
  client_->setFixedSize(ToPixels(model.client_width()), ToPixels(model.client_height()));
  for (ui::Control* control : model.controls()) {
    auto binding = std::make_unique<Binding>();
    binding->view = this;
    binding->control = control;
    by_control_[control] = binding.get();
    control->SetView(binding.get());
    bindings_.push_back(std::move(binding));
  }
  for (ui::Control* control : model.controls())
    BuildOrWait(*control);
  gate_.Attach(this);
  // The rows below the viewports are built right after the window's first paint: long before the
  // Tab key could reach them, and out of the time to the first picture.
  if (!deferred_.empty()) client_->installEventFilter(this);
  started_ = true;
  // A control that takes the keyboard focus inside a scrolling panel is scrolled into view.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    for (QWidget* w = now; w != nullptr; w = w->parentWidget()) {
      const auto found = control_of_.find(w);
      if (found == control_of_.end()) continue;
      gate_.Run([control = found->second] { ui::Reveal(*control); });
      return;
    }
  });
}

WindowView::~WindowView() {
  gate_.Detach(this);
  for (ui::Control* control : model_.controls())
    control->SetView(nullptr);
}

WindowView::Binding& WindowView::BindingFor(const ui::Control& control) {
  return *by_control_.at(&control);
}

QWidget* WindowView::WidgetFor(const ui::Control& control) const {
  const auto found = by_control_.find(&control);
  return found == by_control_.end() ? nullptr : found->second->widget;
}

std::pair<const ui::Control*, int> WindowView::PageOf(const ui::Control& control) {
  for (const ui::Control* c = &control; c->container() != nullptr; c = c->container()) {
    if (c->container()->kind() == ControlKind::TabContainer) return {c->container(), c->page()};
  }
  return {nullptr, -1};
}

void WindowView::BuildOrWait(ui::Control& control) {
  if (control.kind() == ControlKind::MenuItem) {
    BuildMenuItem(BindingFor(control));
    return;
  }
  const auto [tabs, page] = PageOf(control);
  if (BuildLater(control)) {
    deferred_.push_back(&control);
  } else if (tabs == nullptr || page == static_cast<const ui::TabContainer*>(tabs)->Tab()) {
    Build(BindingFor(control));
  } else {
    auto& pages = pending_[tabs];
    if (pages.size() <= static_cast<size_t>(page)) pages.resize(static_cast<size_t>(page) + 1);
    pages[static_cast<size_t>(page)].push_back(&control);
  }
}

void WindowView::BuildPage(const ui::Control& tabs, int page) {
  const auto found = pending_.find(&tabs);
  if (found == pending_.end() || static_cast<size_t>(page) >= found->second.size()) return;
  std::vector<ui::Control*> controls = std::move(found->second[static_cast<size_t>(page)]);
  found->second[static_cast<size_t>(page)].clear();
  for (ui::Control* control : controls)
    Build(BindingFor(*control));

  // Widgets made now would come last in the keyboard order; put them right after their tab, in
  // the order the window created them, which is their reading order.
  QWidget* previous = BindingFor(tabs).tabs->button(page);
  for (ui::Control* control : controls) {
    QWidget* widget = BindingFor(*control).widget;
    if (widget == nullptr || !(widget->focusPolicy() & Qt::TabFocus)) continue;
    QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

bool WindowView::BuildLater(const ui::Control& control) const {
  const ui::Control* panel = control.container();
  if (panel == nullptr || panel->kind() != ControlKind::PictureBox) return false;
  const ui::Control* viewport = panel->container();
  if (viewport == nullptr || viewport->kind() != ControlKind::PictureBox) return false;
  const auto& view = *static_cast<const ui::PictureBox*>(viewport);
  if (view.scroll_bar == nullptr) return false;
  const int top = control.rect().top + static_cast<const ui::PictureBox*>(panel)->Top();
  return top >= view.ScaleHeight();
}

void WindowView::BuildDeferred() {
  if (deferred_.empty()) return;
  const std::vector<ui::Control*> controls = std::move(deferred_);
  deferred_.clear();
  for (ui::Control* control : controls)
    Build(BindingFor(*control));
  // Widgets made now would come last in the keyboard order; put each after the control created
  // before it, which is the reading order.
  QWidget* previous = nullptr;
  size_t next = 0;
  for (ui::Control* control : model_.controls()) {
    const bool made_now = next < controls.size() && controls[next] == control;
    if (made_now) ++next;
    QWidget* widget = BindingFor(*control).widget;
    if (widget == nullptr || !(widget->focusPolicy() & Qt::TabFocus)) continue;
    if (made_now && previous != nullptr) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

QWidget* WindowView::ParentFor(const ui::Control& control, QPoint& offset) {
  offset = QPoint(0, 0);
  if (control.container() == nullptr) return client_;
  Binding& holder = BindingFor(*control.container());
  if (holder.tabs != nullptr) {
    // Positions inside a tab container count from its top-left corner, tab strip included.
    offset = QPoint(0, holder.tabs->strip_height());
    return holder.tabs->page(control.page());
  }
  return holder.inner;
}

void WindowView::Build(Binding& b) {
  ui::Control* c = b.control;
  QPoint offset;
  QWidget* parent = ParentFor(*c, offset);
  QWidget* widget = MakeWidget(b, parent);
  if (widget == nullptr) return;

  b.widget = widget;
  control_of_[widget] = c;
  widget->setObjectName(ToQString(c->name()));
  if (!c->accessible_name.empty()) widget->setAccessibleName(ToQString(c->accessible_name));
  widget->setGeometry(ToPixels(c->rect()).translated(-offset));
  ++built_;
  Apply(b);
  widget->show();
}

void WindowView::BuildMenuItem(Binding& b) {
  ui::Control* c = b.control;
  const QString caption = ToQString(As<ui::MenuItem>(c).Caption());
  bool has_items = false;
  for (const ui::Control* other : model_.controls())
    has_items |= other->container() == c;
  if (c->container() == nullptr) {
    if (menu_bar_ == nullptr) return;
    if (has_items) {
      b.menu = menu_bar_->addMenu(caption);
      b.menu->setObjectName(ToQString(c->name()));
      b.action = b.menu->menuAction();
    } else {
      b.action = menu_bar_->addAction(caption);
    }
  } else {
    QMenu* parent = BindingFor(*c->container()).menu;
    if (parent == nullptr) return;
    b.action = parent->addAction(caption);
  }
  b.action->setObjectName(ToQString(c->name()));
  QList<QKeySequence> keys;
  for (const std::string& shortcut : As<ui::MenuItem>(c).shortcuts)
    keys << QKeySequence(ToQString(shortcut), QKeySequence::PortableText);
  b.action->setShortcuts(keys);
  if (!has_items) {
    connect(b.action, &QAction::triggered, this, [this, c] {
      gate_.Run([&] {
        // Typing in the box that has the focus counts before the menu does anything with the plan.
        CommitFocusedTyping();
        As<ui::MenuItem>(c).Press();
      });
    });
  }
  Apply(b);
}

ui::Control* WindowView::ControlWithFocus() const {
  for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
    const auto found = control_of_.find(w);
    if (found != control_of_.end()) return found->second;
  }
  return nullptr;
}

void WindowView::CommitFocusedTyping() {
  ui::Control* control = ControlWithFocus();
  if (control == nullptr) return;
  if (control->kind() == ControlKind::TextBox) As<ui::TextBox>(control).UserCommit();
  if (control->kind() == ControlKind::ComboBox) As<ui::ComboBox>(control).UserCommit();
}

bool WindowView::HoldsUncommittedTyping(QObject* editor) const {
  for (auto* w = qobject_cast<QWidget*>(editor); w != nullptr; w = w->parentWidget()) {
    const auto found = control_of_.find(w);
    if (found == control_of_.end()) continue;
    ui::Control* control = found->second;
    if (control->kind() == ControlKind::TextBox) {
      return As<ui::TextBox>(control).HasUncommittedTyping();
    }
    if (control->kind() == ControlKind::ComboBox) {
      return As<ui::ComboBox>(control).HasUncommittedTyping();
    }
    return false;
  }
  return false;
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    // A line edit takes Ctrl+Z and the redo keys for its own typing. Once that typing is
    // committed there is none left to undo there, and the keys undo the plan's last step.
    auto* key = static_cast<QKeyEvent*>(event);
    const bool undo_key = key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                          (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier);
    // An editable list has the focus itself and hands the key to its line edit directly, past
    // the line edit's filters: it is asked here the same.
    auto* list = qobject_cast<QComboBox*>(watched);
    const bool editor = qobject_cast<QLineEdit*>(watched) != nullptr ||
                        (list != nullptr && list->lineEdit() != nullptr);
    if (undo_key && editor && !HoldsUncommittedTyping(watched)) {
      return true;  // not taken by the line edit: the menu's shortcut runs
    }
    return false;
  }
  if (watched == client_ && event->type() == QEvent::Paint) {
    client_->removeEventFilter(this);
    QTimer::singleShot(0, this, &WindowView::BuildDeferred);
    return false;
  }
  if (event->type() == QEvent::Wheel) {
    // A player scrolling a panel past a list means the panel: the wheel changes a closed list
    // only while the list has the keyboard focus. Left unaccepted, it goes on to the list's
    // holders, up to a scrolling viewport (below) or the window, where it does nothing.
    if (auto* list = qobject_cast<QComboBox*>(watched); list != nullptr && !list->hasFocus()) {
      event->ignore();
      return true;
    }
    const auto found = wheel_targets_.find(watched);
    if (found != wheel_targets_.end()) {
      // The bar's own wheel handling moves it, which reports its new value as usual.
      if (QWidget* bar = WidgetFor(*found->second)) return QCoreApplication::sendEvent(bar, event);
    }
  }
  return QObject::eventFilter(watched, event);
}

void WindowView::Flush() {
  while (!dirty_.empty()) {
    const std::vector<Binding*> dirty = std::move(dirty_);
    dirty_.clear();
    for (Binding* b : dirty) {
      b->dirty = false;
      Apply(*b);
    }
  }
}

}  // namespace gw::qt
