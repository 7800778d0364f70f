// The program's start-up, measured: exactly what src/main.cpp does, plus the report of the time
// to the main window's first paint and the peak memory. It must sit beside the data files.
#include <QApplication>

#include "app/program_folder.h"
#include "probe_report.h"
#include "qt/program.h"

int main(int argc, char* argv[]) {
  gw::bench::Mark("main");
  QApplication app(argc, argv);
  gw::bench::ReportAfterFirstPaint();
  gw::bench::Mark("application");
  QApplication::setApplicationName("Gemwright Workshop");
  gw::qt::ApplyProgramLook();

  gw::qt::Program program(gw::ProgramFolder(argc > 0 ? argv[0] : nullptr));
  gw::bench::Mark("program");
  if (!program.Start()) return 1;
  gw::bench::Mark("started");
  return QApplication::exec();
}
