#include "ui/window.h"

#include <utility>

namespace gw::ui {

Window::Window(std::string name, std::string caption, int client_width, int client_height)
    : name_(std::move(name)),
      caption_(std::move(caption)),
      client_width_(client_width),
      client_height_(client_height) {}

void Window::Unload() {
  if (!loaded_) return;
  loaded_ = false;
  if (on_unload) on_unload();
}

void Window::ShowModal(Window& child) {
  if (present_modal) present_modal(child);
}

void Window::MsgBox(const std::string& title, const std::string& text) {
  if (present_message) present_message(title, text);
}

int Window::Ask(const std::string& title, const std::string& text,
                const std::vector<std::string>& buttons) {
  if (!present_question) return -1;
  const int answer = present_question(title, text, buttons);
  return answer >= 0 && answer < static_cast<int>(buttons.size()) ? answer : -1;
}

void Window::SetTitle(std::string title, bool modified) {
  if (title == title_ && modified == modified_) return;
  title_ = std::move(title);
  modified_ = modified;
  if (on_title) on_title();
}

void Window::CopyText(const std::string& text) {
  if (present_clipboard) present_clipboard(text);
}

std::string Indexed(const char* array_name, int index) {
  return std::string(array_name) + "(" + std::to_string(index) + ")";
}

}  // namespace gw::ui
