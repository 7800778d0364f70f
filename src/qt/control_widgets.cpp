// The per-kind half of the renderer: which Qt widget shows each kind of logical control, how
// the player's input on it reaches the model, and how the model's state is shown on it.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <map>

#include "qt/qt_text.h"
#include "qt/shaped_text.h"
#include "qt/tab_strip.h"
#include "qt/window_view_binding.h"

namespace gw::qt {

using ui::ControlKind;

namespace {

QColor ToColor(ui::Color rgb) {
  return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

TabButton::Mark ToTabMark(ui::TabMark::Shape shape) {
  switch (shape) {
    case ui::TabMark::Shape::Triangle:
      return TabButton::Mark::Triangle;
    case ui::TabMark::Shape::Cross:
      return TabButton::Mark::Cross;
    case ui::TabMark::Shape::Ring:
      return TabButton::Mark::Ring;
    case ui::TabMark::Shape::None:
      break;
  }
  return TabButton::Mark::None;
}

Qt::Alignment ToAlignment(ui::Alignment alignment) {
  switch (alignment) {
    case ui::Alignment::Center:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case ui::Alignment::Right:
      return Qt::AlignRight | Qt::AlignVCenter;
    case ui::Alignment::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

// The face a control asks for, else the system's fixed-pitch face.
QFont FixedFont(const std::string& family, double points) {
  QFont font;
  font.setFamilies({ToQString(family), QFontDatabase::systemFont(QFontDatabase::FixedFont).family(),
                    "Liberation Mono", "DejaVu Sans Mono", "monospace"});
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(points);
  return font;
}

QLabel* MakeLabel(const ui::Label& label, QWidget* parent) {
  auto* w = new QLabel(parent);
  w->setTextFormat(Qt::PlainText);
  if (!label.font_family.empty()) w->setFont(FixedFont(label.font_family, label.font_points));
  w->setAlignment(ToAlignment(label.alignment));
  if (label.back_color) {
    // Text on a background the layout fixes has a colour fixed against it too: the desktop's
    // text colour (light on a dark desktop) would vanish on the grey.
    w->setAutoFillBackground(true);
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, ToColor(*label.back_color));
    palette.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(palette);
  }
  return w;
}

// A caption that does not fit its label is shortened visibly ("12…"), never cut into another
// number, and shown whole in its tooltip, above what it means. A label that shows a result tells
// assistive technology what it is and what it shows ("Gem 1 cost: 66g 86s 59c"): Qt reports a
// fixed accessible name instead of the text, which would silence the figure.
void ShowCaption(QLabel& label, const QString& caption, const std::string& accessible_name,
                 const std::string& meaning) {
  const int room = label.contentsRect().width() - 2 * label.margin();
  const bool fits = CaptionAdvance(label.font(), caption) <= room;  // shaped once, paint included
  label.setText(fits ? caption : label.fontMetrics().elidedText(caption, Qt::ElideRight, room));
  QString tip = ToQString(meaning);
  if (!fits) tip = tip.isEmpty() ? caption : caption + "\n\n" + tip;
  tip = PlainToolTip(tip);
  if (label.toolTip() != tip) label.setToolTip(tip);
  if (accessible_name.empty()) return;
  QString name = ToQString(accessible_name);
  if (!caption.isEmpty()) name += ": " + caption;
  if (label.accessibleName() != name) label.setAccessibleName(name);
}

// A result the rules colour and describe (a total at or over its cap): the colour as the rules
// give it, and what the rules say of it in words, so the colour is never all there is.
void ShowLabel(QLabel& w, const ui::Label& label) {
  ShowCaption(w, ToQString(label.Caption()), label.accessible_name, label.tool_tip());
  if (!label.spoken_name().empty()) w.setAccessibleName(ToQString(label.spoken_name()));
  const QString description = ToQString(label.description());
  if (w.accessibleDescription() != description) w.setAccessibleDescription(description);
  const QColor text = label.fore_color() ? ToColor(*label.fore_color())
                      : label.back_color ? QColor(Qt::black)
                                         : QApplication::palette(&w).color(QPalette::WindowText);
  if (w.palette().color(QPalette::WindowText) == text) return;
  QPalette palette = w.palette();
  palette.setColor(QPalette::WindowText, text);
  w.setPalette(palette);
}

void ShowMenuItem(QAction& action, const ui::MenuItem& item) {
  action.setEnabled(item.enabled());
  action.setText(ToQString(item.Caption()));
  action.setCheckable(item.checkable);
  action.setChecked(item.Checked());
}

void ShowTextBox(QLineEdit& w, const ui::TextBox& box) {
  const QString text = ToQString(box.Text());
  if (w.text() != text) w.setText(text);
}

// `shown_version` is the version of the list the widget holds.
void ShowComboBox(QComboBox& w, const ui::ComboBox& box, uint64_t& shown_version) {
  if (shown_version != box.list_version()) {
    w.clear();
    QStringList items;
    for (const std::string& item : box.items())
      items << ToQString(item);
    w.addItems(items);
    shown_version = box.list_version();
  }
  if (w.currentIndex() != box.ListIndex()) w.setCurrentIndex(box.ListIndex());
  if (box.style == ui::ComboStyle::Editable) {
    const QString text = ToQString(box.Text());
    if (w.currentText() != text) w.setEditText(text);
  }
}

void ShowScrollBar(QScrollBar& w, const ui::VScrollBar& bar) {
  w.setRange(bar.Min(), bar.Max());
  w.setSingleStep(bar.SmallChange());
  w.setPageStep(bar.LargeChange());
  w.setValue(bar.Value());
}

QListWidget* MakeListBox(const ui::ListBox& list, QWidget* parent) {
  auto* w = new QListWidget(parent);
  w->setWordWrap(list.word_wrap);
  if (list.word_wrap) w->setSpacing(3);  // paragraphs, told apart
  if (!list.font_family.empty()) w->setFont(FixedFont(list.font_family, list.font_points));
  // Its text colour is fixed, so is the ground it stands on: on a dark desktop's ground the
  // text would vanish.
  QPalette palette = w->palette();
  palette.setColor(QPalette::Text, ToColor(list.fore_color));
  palette.setColor(QPalette::Base, Qt::white);
  w->setPalette(palette);
  return w;
}

void ShowListBox(QListWidget& w, const ui::ListBox& list) {
  const std::vector<std::string>& items = list.items();
  bool same = w.count() == static_cast<int>(items.size());
  for (int i = 0; same && i < w.count(); ++i)
    same = w.item(i)->text() == ToQString(items[static_cast<size_t>(i)]);
  const QSignalBlocker quiet(w);  // the model's own selection is no player's
  if (!same) {
    w.clear();
    for (const std::string& item : items)
      w.addItem(ToQString(item));
  }
  if (w.currentRow() != list.ListIndex()) w.setCurrentRow(list.ListIndex());
}

}  // namespace

QWidget* WindowView::MakeWidget(Binding& b, QWidget* parent) {
  ui::Control* c = b.control;
  switch (c->kind()) {
    case ControlKind::Label:
      return MakeLabel(As<ui::Label>(c), parent);
    case ControlKind::TextBox:
      return MakeTextBox(b, parent);
    case ControlKind::ComboBox:
      return MakeComboBox(b, parent);
    case ControlKind::OptionButton:
      return MakeOptionButton(b, parent);
    case ControlKind::CheckBox:
      return MakeCheckBox(b, parent);
    case ControlKind::CommandButton:
      return MakeCommandButton(b, parent);
    case ControlKind::Frame:
      return b.inner = new QGroupBox(ToQString(As<ui::Frame>(c).caption), parent);
    case ControlKind::PictureBox:
      return MakePictureBox(b, parent);
    case ControlKind::VScrollBar:
      return MakeScrollBar(b, parent);
    case ControlKind::TabContainer:
      return MakeTabContainer(b, parent);
    case ControlKind::ListBox: {
      QListWidget* list = MakeListBox(As<ui::ListBox>(c), parent);
      // A row chosen by arrow keys or a click is the model's selection; Enter or a double-click
      // activates it.
      connect(list, &QListWidget::currentRowChanged, this,
              [this, c](int row) { gate_.Run([&] { As<ui::ListBox>(c).SetListIndex(row); }); });
      connect(list, &QListWidget::itemActivated, this, [this, c, list](QListWidgetItem* item) {
        const int row = list->row(item);
        gate_.Run([&] { As<ui::ListBox>(c).Activate(row); });
      });
      return list;
    }
    case ControlKind::MenuItem:
      break;
  }
  return nullptr;
}

QWidget* WindowView::MakeTextBox(Binding& b, QWidget* parent) {
  ui::Control* c = b.control;
  auto* w = new QLineEdit(parent);
  if (const int digits = As<ui::TextBox>(c).MaxDigits(); digits > 0) {
    // Digits only, refused as they are typed or pasted; the model refuses a number past its
    // largest, and the box shows what it kept. One validator serves every box of a length: the
    // caps are fifty-three boxes built at start-up.
    static std::map<int, QPointer<QValidator>> validators;
    QPointer<QValidator>& validator = validators[digits];
    if (validator == nullptr) {
      const QRegularExpression whole_number(QString("[0-9]{0,%1}").arg(digits));
      validator = new QRegularExpressionValidator(whole_number, qApp);
    }
    w->setValidator(validator);
  }
  connect(w, &QLineEdit::textEdited, this, [this, c](const QString& text) {
    gate_.Run([&] { As<ui::TextBox>(c).UserTyped(FromQString(text)); });
  });
  // Text set another way than typing (an assistive tool through the accessibility interface):
  // committed as typed text at once. Typing reached the model first through textEdited, and the
  // model's own text is applied with the signals blocked, so neither arrives here as a change.
  connect(w, &QLineEdit::textChanged, this, [this, c](const QString& text) {
    auto& box = As<ui::TextBox>(c);
    const std::string now = FromQString(text);
    // Typing the model refused (a level past 255) is still on its way back to the box: no text.
    if (now == box.Text() || !box.Accepts(now)) return;
    gate_.Run([&] {
      box.UserTyped(now);
      box.UserCommit();
    });
  });
  // Focus leaving the box, or Enter: the typing is committed.
  connect(w, &QLineEdit::editingFinished, this,
          [this, c] { gate_.Run([&] { As<ui::TextBox>(c).UserCommit(); }); });
  w->installEventFilter(this);  // Ctrl+Z: the box's own typing, or the plan's last step
  return w;
}

QWidget* WindowView::MakeComboBox(Binding& b, QWidget* parent) {
  ui::Control* c = b.control;
  auto* w = new QComboBox(parent);
  // The wheel gives a list no focus, and changes it only while it has the focus (eventFilter).
  w->setFocusPolicy(Qt::StrongFocus);
  w->installEventFilter(this);
  if (As<ui::ComboBox>(c).style == ui::ComboStyle::Editable) MakeEditable(*w, b);
  // Only the player's choice: setting the index from the model raises no `activated`.
  connect(w, &QComboBox::activated, this, [this, c, &b](int index) {
    if (b.committing_typed_text) {
      Apply(b);  // back to what the model holds: the typed text, nothing chosen
      return;
    }
    gate_.Run([&] { As<ui::ComboBox>(c).SetListIndex(index); });
  });
  return w;
}

void WindowView::MakeEditable(QComboBox& box, Binding& b) {
  ui::Control* c = b.control;
  // Our own line edit, so that we hear it finish editing before the combo box does: the combo
  // box's own handler of that signal is connected by setLineEdit, and slots run in the order
  // they were connected.
  // It comes with a bare completer: then the box builds neither a completer nor its drop-down
  // list at once (it builds the list when first opened), which made an editable box cost as much
  // as twenty plain ones at start-up. The box lets go of it again below, so one serves them all.
  static QPointer<QCompleter> bare;
  if (bare == nullptr) bare = new QCompleter(qApp);
  auto* edit = new QLineEdit(&box);
  edit->setCompleter(bare);
  connect(edit, &QLineEdit::editingFinished, this, [&b] { b.committing_typed_text = true; });
  box.setLineEdit(edit);
  connect(edit, &QLineEdit::editingFinished, this, [this, &b, c] {
    b.committing_typed_text = false;
    gate_.Run([&] { As<ui::ComboBox>(c).UserCommit(); });
  });
  edit->installEventFilter(this);  // Ctrl+Z: the box's own typing, or the plan's last step
  box.setInsertPolicy(QComboBox::NoInsert);
  box.setCompleter(nullptr);  // completion would change the text behind the model's back
  connect(edit, &QLineEdit::textEdited, this, [this, c](const QString& text) {
    gate_.Run([&] { As<ui::ComboBox>(c).UserTyped(FromQString(text)); });
  });
  // Text set another way than typing (an assistive tool) is typing the model has not heard of;
  // it is committed when the box is left, or before the plan is saved or compared. A choice the
  // list makes itself (keys, wheel, pop-up) also changes the text, just before `activated`
  // reports it: the list then shows another entry than the model's, and the choice decides.
  connect(edit, &QLineEdit::textChanged, this, [this, c, &box](const QString& text) {
    auto& logical = As<ui::ComboBox>(c);
    const std::string now = FromQString(text);
    if (box.currentIndex() != logical.ListIndex() || now == logical.Text()) return;
    gate_.Run([&] { logical.UserTyped(now); });
  });
}

QWidget* WindowView::MakeOptionButton(Binding& b, QWidget* parent) {
  ui::Control* c = b.control;
  auto* w = new QRadioButton(ToQString(As<ui::OptionButton>(c).caption), parent);
  w->setAutoExclusive(false);  // the model's group decides
  connect(w, &QRadioButton::clicked, this, [this, c, &b] {
    gate_.Run([&] { As<ui::OptionButton>(c).UserClick(); });
    Apply(b);  // a click on the chosen button unchecks the widget but not the model
  });
  return w;
}

QWidget* WindowView::MakeCheckBox(Binding& b, QWidget* parent) {
  ui::Control* c = b.control;
  auto* w = new QCheckBox(ToQString(As<ui::CheckBox>(c).caption), parent);
  connect(w, &QCheckBox::clicked, this, [this, c](bool checked) {
    gate_.Run([&] { As<ui::CheckBox>(c).UserSetValue(checked); });
  });
  return w;
}

QWidget* WindowView::MakeCommandButton(Binding& b, QWidget* parent) {
  ui::Control* c = b.control;
  const auto& button = As<ui::CommandButton>(c);
  auto* w = new QPushButton(ToQString(button.caption), parent);
  w->setAutoDefault(false);
  if (!button.tool_tip.empty()) {
    w->setToolTip(PlainToolTip(ToQString(button.tool_tip)));
    w->setAccessibleDescription(ToQString(button.tool_tip));
  }
  connect(w, &QPushButton::clicked, this,
          [this, c] { gate_.Run([&] { As<ui::CommandButton>(c).Press(); }); });
  return w;
}

QWidget* WindowView::MakePictureBox(Binding& b, QWidget* parent) {
  auto& picture = As<ui::PictureBox>(b.control);
  if (picture.border <= 0) return b.inner = new QWidget(parent);
  // The frame draws the border; a client widget inside it clips what the box holds.
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setLineWidth(ToPixels(picture.border));
  b.inner = new QWidget(frame);
  const int border = ToPixels(picture.border);
  const QRect outer = ToPixels(picture.rect());
  b.inner->setGeometry(border, border, outer.width() - 2 * border, outer.height() - 2 * border);
  if (picture.scroll_bar != nullptr) {
    wheel_targets_[frame] = picture.scroll_bar;
    frame->installEventFilter(this);
  }
  return frame;
}

QWidget* WindowView::MakeScrollBar(Binding& b, QWidget* parent) {
  ui::Control* c = b.control;
  auto* w = new QScrollBar(Qt::Vertical, parent);
  connect(w, &QScrollBar::sliderMoved, this,
          [this, c](int value) { gate_.Run([&] { As<ui::VScrollBar>(c).UserDrag(value); }); });
  connect(w, &QScrollBar::sliderReleased, this,
          [this, c] { gate_.Run([&] { As<ui::VScrollBar>(c).UserRelease(); }); });
  connect(w, &QScrollBar::valueChanged, this, [this, c, w](int value) {
    if (w->isSliderDown()) return;  // the drag reports itself
    gate_.Run([&] { As<ui::VScrollBar>(c).SetValue(value); });
  });
  return w;
}

QWidget* WindowView::MakeTabContainer(Binding& b, QWidget* parent) {
  ui::Control* c = b.control;
  auto& tabs = As<ui::TabContainer>(c);
  std::vector<QString> captions;
  for (const std::string& caption : tabs.captions)
    captions.push_back(ToQString(caption));
  const int upper = tabs.upper_row_width > 0 ? tabs.upper_row_width : c->rect().width;
  auto* w =
      new TabStrip(captions, tabs.tabs_per_row, ToPixels(tabs.row_height), ToPixels(upper), parent);
  for (int i = 0; i < w->count(); ++i) {
    w->button(i)->setObjectName(ToQString(c->name() + " tab " + std::to_string(i)));
  }
  w->on_chosen = [this, c](int index) {
    gate_.Run([&] { As<ui::TabContainer>(c).SetTab(index); });
  };
  b.tabs = w;
  return w;
}

void WindowView::Apply(Binding& b) {
  if (b.action != nullptr) {
    ShowMenuItem(*b.action, As<ui::MenuItem>(b.control));
    return;
  }
  const QSignalBlocker block(b.widget);
  // An editable list's line edit reports the texts the list passes through while it is rebuilt.
  auto* list = qobject_cast<QComboBox*>(b.widget);
  const QSignalBlocker block_edit(list != nullptr ? list->lineEdit() : nullptr);
  b.widget->setEnabled(b.control->enabled());
  ShowKind(b);
}

void WindowView::ShowKind(Binding& b) {
  ui::Control* c = b.control;
  QWidget* widget = b.widget;
  switch (c->kind()) {
    case ControlKind::Label:
      ShowLabel(*static_cast<QLabel*>(widget), As<ui::Label>(c));
      break;
    case ControlKind::TextBox:
      ShowTextBox(*static_cast<QLineEdit*>(widget), As<ui::TextBox>(c));
      break;
    case ControlKind::ComboBox:
      ShowComboBox(*static_cast<QComboBox*>(widget), As<ui::ComboBox>(c), b.list_version);
      break;
    case ControlKind::OptionButton:
      static_cast<QRadioButton*>(widget)->setChecked(As<ui::OptionButton>(c).Value());
      break;
    case ControlKind::CheckBox:
      static_cast<QCheckBox*>(widget)->setChecked(As<ui::CheckBox>(c).Value());
      break;
    case ControlKind::PictureBox:
      ShowPictureBox(b);
      break;
    case ControlKind::VScrollBar:
      ShowScrollBar(*static_cast<QScrollBar*>(widget), As<ui::VScrollBar>(c));
      break;
    case ControlKind::TabContainer:
      ShowTabContainer(b);
      break;
    case ControlKind::ListBox:
      ShowListBox(*static_cast<QListWidget*>(widget), As<ui::ListBox>(c));
      break;
    case ControlKind::CommandButton:
    case ControlKind::Frame:
    case ControlKind::MenuItem:
      break;
  }
}

void WindowView::ShowPictureBox(Binding& b) {
  ui::Control* c = b.control;
  if (started_) BuildDeferred();  // the panel may move its hidden rows into view
  const QPoint at(ToPixels(c->rect().left), ToPixels(As<ui::PictureBox>(c).Top()));
  QPoint offset;
  ParentFor(*c, offset);
  b.widget->move(at - offset);
}

void WindowView::ShowTabContainer(Binding& b) {
  const auto& tabs = As<ui::TabContainer>(b.control);
  for (int i = 0; i < b.tabs->count(); ++i) {
    const ui::TabMark& mark = tabs.Mark(i);
    b.tabs->button(i)->SetMark(ToTabMark(mark.shape), ToColor(mark.color),
                               ToQString(mark.description));
  }
  const int tab = tabs.Tab();
  b.tabs->SetCurrent(tab);  // first: its tab leads the keyboard order of the page built now
  BuildPage(*b.control, tab);
}

}  // namespace gw::qt
