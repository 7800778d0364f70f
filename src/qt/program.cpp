#include "qt/program.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QDropEvent>
#include <QFileDialog>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <cstdio>
#include <utility>

#include "common/error.h"
#include "qt/file_dialogs.h"
#include "qt/message_box.h"
#include "qt/program_style.h"
#include "qt/qt_text.h"

namespace gw::qt {

// The main window: its close box unloads the model window like "&Exit" does, and one local file
// dropped on it is imported as File, "Open..." imports it.
class MainShell : public QMainWindow {
 public:
  MainShell(EventGate& gate, MainForm& form) : gate_(gate), form_(form) {
    setAcceptDrops(true);
    qApp->installEventFilter(this);
  }

  // Imports `path` as File, "Open..." does, once the event loop is free again: a dropped file
  // (asking first about changes not saved), or the file the program starts with.
  void OpenLater(std::filesystem::path path, bool starting_plan = false) {
    QTimer::singleShot(0, this, [this, path = std::move(path), starting_plan] {
      gate_.Run([&] {
        if (starting_plan) {
          form_.OpenStartingFile(path);
        } else {
          form_.OpenItemSet(path);
        }
      });
    });
  }

 protected:
  // The close box: like "&Exit", it asks first about changes that were not saved.
  void closeEvent(QCloseEvent* event) override {
    bool close = true;
    gate_.Run([&] {
      close = form_.Form_QueryUnload();
      if (close) form_.window().Unload();
    });
    if (close || gate_.terminated()) {
      event->accept();
    } else {
      event->ignore();
    }
  }

  void dragEnterEvent(QDragEnterEvent* event) override {
    if (DroppedFile(*event)) event->acceptProposedAction();
  }
  void dragMoveEvent(QDragMoveEvent* event) override {
    if (DroppedFile(*event)) event->acceptProposedAction();
  }
  // A file dragged over a text box of the window is still a file for the window: a text box
  // would take its path as text and type it in.
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget == this || widget->window() != this) return false;
    auto* drag = static_cast<QDropEvent*>(event);
    if (!DroppedFile(*drag)) return false;
    if (type == QEvent::Drop) {
      dropEvent(drag);
    } else {
      drag->acceptProposedAction();
    }
    return true;
  }

  void dropEvent(QDropEvent* event) override {
    const std::optional<std::filesystem::path> file = DroppedFile(*event);
    if (!file) return;
    event->acceptProposedAction();
    OpenLater(*file);  // the import's message box must not run inside the drag
  }

 private:
  // Exactly one local file, and no modal window open; anything else is no drop for us.
  static std::optional<std::filesystem::path> DroppedFile(const QDropEvent& event) {
    if (QApplication::activeModalWidget() != nullptr) return std::nullopt;
    const QMimeData* data = event.mimeData();
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return std::nullopt;
    const QUrl url = data->urls().front();
    if (!url.isLocalFile()) return std::nullopt;
    return std::filesystem::path(FromQString(url.toLocalFile()));
  }

  EventGate& gate_;
  MainForm& form_;
};

void ApplyProgramLook() {
  QApplication::setStyle(new ProgramStyle);  // the application owns it
  QFont font = QApplication::font();
  font.setFamilies({"Liberation Sans", "Arial", "Helvetica", "Nimbus Sans"});
  font.setPixelSize(10);
  // Unhinted glyphs keep the advances and positions of the light hinting most desktops use, so
  // no caption moves or widens, while each glyph skips FreeType's auto-hinter: a third of the
  // first paint's text cost. At this size the difference is a shade of vertical sharpness.
  font.setHintingPreference(QFont::PreferNoHinting);
  QApplication::setFont(font);
}

namespace {

void DefaultError(const std::string& title, const std::string& text) {
  // Also on the standard error, for whoever started the program from a terminal or a script.
  std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  std::fflush(stderr);
  ShowMessageBox(QMessageBox::Critical, nullptr, title, text);
}

void DefaultTerminate(int status) {
  QCoreApplication::exit(status);
}

}  // namespace

Program::Program(std::filesystem::path data_folder, ProgramHooks hooks)
    : hooks_(std::move(hooks)),
      form_(std::move(data_folder)),
      gate_(hooks_.show_error ? hooks_.show_error : DefaultError,
            hooks_.terminate ? hooks_.terminate : DefaultTerminate) {
  ui::MainWindow& w = form_.window();
  w.CommonDialog.chooser = [this]() -> std::optional<std::string> {
    if (hooks_.choose_file) return hooks_.choose_file();
    const ui::OpenFileDialog& dialog = form_.window().CommonDialog;
    const std::string& start = dialog.start_folder;
    const std::optional<QString> path = ChooseItemSet(
        main_window(), QFileDialog::AcceptOpen,
        ToQString(start.empty() ? form_.history().document().path : start + "/"), dialog.item_file);
    if (!path) return std::nullopt;
    return FromQString(*path);
  };
  w.present_message = [this](const std::string& title, const std::string& text) {
    gate_.FlushViews();
    if (hooks_.show_message) {
      hooks_.show_message(title, text);
    } else {
      ShowMessageBox(QMessageBox::Information, main_window(), title, text);
    }
  };
  w.CommonDialog.save_chooser = [this](const std::string& proposed) -> std::optional<std::string> {
    if (hooks_.choose_save_file) return hooks_.choose_save_file(proposed);
    // The dialog asks before it lets the player pick a file that exists.
    const std::optional<QString> path =
        ChooseItemSet(main_window(), QFileDialog::AcceptSave, ToQString(proposed),
                      form_.window().CommonDialog.item_file);
    if (!path) return std::nullopt;
    return FromQString(*path);
  };
  w.present_question = [this](const std::string& title, const std::string& text,
                              const std::vector<std::string>& buttons) {
    gate_.FlushViews();
    if (hooks_.ask) return hooks_.ask(title, text, buttons);
    return AskQuestion(main_window(), title, text, buttons);
  };
  w.present_modal = [this](ui::Window& child) { PresentModal(child); };
}

Program::~Program() = default;

QMainWindow* Program::main_window() const {
  return shell_.get();
}

bool Program::Start() {
  try {
    form_.Form_Load();
  } catch (const RuntimeError& e) {
    gate_.Fail(e);
    return false;
  }
  ui::MainWindow& w = form_.window();
  shell_ = std::make_unique<MainShell>(gate_, form_);
  w.on_title = [this, &w] {
    shell_->setWindowTitle(ToQString(w.title()));
    shell_->setWindowModified(w.modified());
  };
  w.on_title();
  auto* client = new QWidget(shell_.get());
  shell_->setCentralWidget(client);
  view_ = std::make_unique<WindowView>(w, gate_, client, shell_->menuBar());
  w.on_unload = [this] {
    shell_->hide();
    QCoreApplication::exit(0);
  };
  // The layout is fixed in twips; nothing in it would follow a resize.
  shell_->layout()->setSizeConstraint(QLayout::SetFixedSize);
  shell_->show();
  return true;
}

void Program::OpenWhenShown(std::filesystem::path path) {
  // After a failed start-up nothing is imported.
  if (shell_) shell_->OpenLater(std::move(path), /*starting_plan=*/true);
}

void Program::PresentModal(ui::Window& child) {
  gate_.FlushViews();
  QDialog dialog(main_window());
  dialog.setWindowTitle(ToQString(child.caption()));
  dialog.setObjectName(ToQString(child.name()));
  WindowView view(child, gate_, &dialog, nullptr);
  dialog.setFixedSize(dialog.size());
  child.on_unload = [&dialog] { dialog.done(QDialog::Accepted); };
  child.present_clipboard = [](const std::string& text) {
    QGuiApplication::clipboard()->setText(ToQString(text));
  };
  // The close box (or Escape) closes the window the same way "Close" does.
  QObject::connect(&dialog, &QDialog::finished, &dialog, [this, &child] {
    if (child.loaded()) gate_.Run([&] { child.Unload(); });
  });
  if (hooks_.run_modal) {
    hooks_.run_modal(dialog);
  } else {
    dialog.exec();
  }
  child.on_unload = nullptr;
}

}  // namespace gw::qt
