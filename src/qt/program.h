// The running program: the main form's model, the event gate, the main window's widgets and the
// real dialogs behind the model's open-file dialog, message boxes and modal windows. Every
// dialog is injectable, so tests drive the whole program without blocking.
#pragma once

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/main_form.h"
#include "qt/event_gate.h"
#include "qt/window_view.h"

namespace gw::qt {

// The program's font and style: the layout is measured in twips for a small dialog font, and a
// larger or wider one would clip captions. Liberation Sans (or Arial, whose metrics it shares)
// at 10 device-independent pixels fits every caption, and combo boxes with a slightly narrower
// arrow fit every entry ("100%" in the 51-pixel quality lists). Call before building widgets.
void ApplyProgramLook();

struct ProgramHooks {
  // A fatal error (start-up included): title and text. Default: a critical message box.
  EventGate::ErrorPresenter show_error;
  // Ends the program after a fatal error. Default: leaves the event loops with the status.
  EventGate::Terminator terminate;
  // An ordinary message. Default: an information box over the main window.
  std::function<void(const std::string& title, const std::string& text)> show_message;
  // The open-file dialog; nothing when cancelled. Default: QFileDialog.
  std::function<std::optional<std::string>()> choose_file;
  // The save dialog, given the path it proposes; nothing when cancelled. Default: QFileDialog.
  std::function<std::optional<std::string>(const std::string& proposed)> choose_save_file;
  // A question: the position of the button chosen, -1 for none. Default: a message box.
  ui::Window::Question ask;
  // Runs a modal window already built into `dialog` until it closes. Default: QDialog::exec.
  std::function<void(QDialog& dialog)> run_modal;
};

class MainShell;

class Program {
 public:
  Program(std::filesystem::path data_folder, ProgramHooks hooks = {});
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Runs start-up; on success builds and shows the main window. On a run-time error the error is
  // shown, no window is ever built, and the result is false.
  bool Start();
  // Imports `path` as File, "Open..." does, once the event loop runs, so that its messages
  // appear over the shown main window. For a file given on the command line.
  void OpenWhenShown(std::filesystem::path path);

  MainForm& form() { return form_; }
  EventGate& gate() { return gate_; }
  QMainWindow* main_window() const;
  WindowView* view() const { return view_.get(); }

 private:
  void PresentModal(ui::Window& child);

  ProgramHooks hooks_;
  MainForm form_;
  EventGate gate_;
  std::unique_ptr<MainShell> shell_;
  std::unique_ptr<WindowView> view_;
};

}  // namespace gw::qt
