// A logical window: its caption and client size, every control it holds in creation order, and
// the hooks through which a view shows it, closes it and presents what it opens.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/controls.h"

namespace gw::ui {

class Window {
 public:
  Window(std::string name, std::string caption, int client_width, int client_height);
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window() = default;

  const std::string& name() const { return name_; }
  const std::string& caption() const { return caption_; }
  // Client area in twips, below the menu bar when there is one.
  int client_width() const { return client_width_; }
  int client_height() const { return client_height_; }

  // Every control, menu items included, in creation order: a container always comes before
  // what it holds, and later controls are drawn above earlier ones.
  const std::vector<Control*>& controls() const { return controls_; }

  // What the title bar shows: the caption, or what SetTitle gave; "[*]" in it marks where a view
  // shows that the document has unsaved changes (`modified`). `on_title` tells the view.
  const std::string& title() const { return title_.empty() ? caption_ : title_; }
  bool modified() const { return modified_; }
  void SetTitle(std::string title, bool modified);
  std::function<void()> on_title;

  // Closes the window; `on_unload` tells whoever shows it.
  void Unload();
  bool loaded() const { return loaded_; }
  std::function<void()> on_unload;

  // Shows `child` as a modal window and returns once it is unloaded. `present_modal` does the
  // showing (the view, or a test).
  void ShowModal(Window& child);
  std::function<void(Window& child)> present_modal;

  // A message box with an OK button; `present_message` shows it.
  void MsgBox(const std::string& title, const std::string& text);
  std::function<void(const std::string& title, const std::string& text)> present_message;

  // A question with `buttons` in order (the last one cancels); returns the position of the one
  // chosen, or -1 when the question was closed without an answer, which is a cancel too.
  // `present_question` shows it; without one nothing is asked and the answer is -1.
  using Question = std::function<int(const std::string& title, const std::string& text,
                                     const std::vector<std::string>& buttons)>;
  int Ask(const std::string& title, const std::string& text,
          const std::vector<std::string>& buttons);
  Question present_question;

  // Puts `text` on the clipboard through `present_clipboard` (the view, or a test).
  void CopyText(const std::string& text);
  std::function<void(const std::string& text)> present_clipboard;

 protected:
  template <class C>
  C& Add(C& control, std::string name, Control* container, Rect rect, int page = -1) {
    control.Place(std::move(name), container, rect, page);
    controls_.push_back(&control);
    return control;
  }

 private:
  std::string name_;
  std::string caption_;
  int client_width_;
  int client_height_;
  std::vector<Control*> controls_;
  bool loaded_ = true;
  std::string title_;
  bool modified_ = false;
};

// "cboType(5)": the name of element `index` of a control array.
std::string Indexed(const char* array_name, int index);

}  // namespace gw::ui
