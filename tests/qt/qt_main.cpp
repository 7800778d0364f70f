// The Qt tests' entry: Qt's offscreen platform unless a display is chosen, so the tests need no
// display (they also run while CMake discovers them at build time).
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include "qt/font_preload.h"
#include "qt/program.h"

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  gw::qt::FontConfigPreload fonts;  // as the program starts, so the tests measure what it shows
  QApplication app(argc, argv);
  fonts.Wait();
  gw::qt::ApplyProgramLook();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
