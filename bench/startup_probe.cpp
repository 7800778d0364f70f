// The program's start-up, measured: exactly what src/main.cpp does, plus the report of the time
// to the main window's first paint and the peak memory. It must sit beside the data files.
//
// With --no-font-preload the font configuration is read when the first text is measured, inside
// the span from the application's creation, as the minimal window reads it: for counting the
// instructions of the program's own work (docs/benchmarks.md).
#include <QApplication>
#include <cstring>
#include <optional>

#include "app/program_folder.h"
#include "probe_report.h"
#include "qt/font_preload.h"
#include "qt/program.h"

int main(int argc, char* argv[]) {
  gw::bench::Mark("main");
  std::optional<gw::qt::FontConfigPreload> fonts;
  if (argc < 2 || std::strcmp(argv[1], "--no-font-preload") != 0) fonts.emplace();
  QApplication app(argc, argv);
  gw::bench::ReportAfterFirstPaint();
  gw::bench::Mark("application");
  if (fonts) fonts->Wait();  // inside the span: a wait for the reading counts as start-up
  QApplication::setApplicationName("Gemwright Workshop");
  gw::qt::ApplyProgramLook();

  gw::qt::Program program(gw::ProgramFolder(argc > 0 ? argv[0] : nullptr));
  gw::bench::Mark("program");
  if (!program.Start()) return 1;
  gw::bench::Mark("started");
  return QApplication::exec();
}
