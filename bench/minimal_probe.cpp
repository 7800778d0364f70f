// The yardstick for the program's start-up: a minimal Qt program, an empty main window with a
// title, measured the same way as the program.
#include <QApplication>
#include <QMainWindow>

#include "probe_report.h"

int main(int argc, char* argv[]) {
  gw::bench::Mark("main");
  QApplication app(argc, argv);
  gw::bench::ReportAfterFirstPaint();
  gw::bench::Mark("application");
  QMainWindow window;
  window.setWindowTitle("Minimal");
  window.show();
  gw::bench::Mark("started");
  return QApplication::exec();
}
