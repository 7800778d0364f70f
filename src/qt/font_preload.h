// The font configuration, read on a second core while the application object is built.
//
// The first text the window measures makes fontconfig parse its configuration (dozens of XML
// files) and load its font cache: about a quarter of the time from the program's start to its
// first paint, on one core, while the other waits. Nothing before the application object needs
// fonts, and building that object mostly loads libraries and talks to the display, so the
// configuration is read meanwhile. Fontconfig is thread-safe, and reads its configuration once:
// whoever asks first does it, the other finds it done.
#pragma once

#include <thread>

namespace gw::qt {

class FontConfigPreload {
 public:
  FontConfigPreload();   // starts the reading, where the platform's fonts come from fontconfig
  ~FontConfigPreload();  // waits for it
  FontConfigPreload(const FontConfigPreload&) = delete;
  FontConfigPreload& operator=(const FontConfigPreload&) = delete;

  // Waits until the configuration is read: before the first text is measured, so that Qt's own
  // reading finds it done instead of starting a second one.
  void Wait();

 private:
  std::thread reader_;
};

}  // namespace gw::qt
