// Gemwright Workshop: plans gems for nineteen items of a character and prices them.
#include <QApplication>

#include "app/program_folder.h"
#include "qt/program.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Gemwright Workshop");
  gw::qt::ApplyProgramLook();

  gw::qt::Program program(gw::ProgramFolder(argc > 0 ? argv[0] : nullptr));
  if (!program.Start()) return 1;
  return QApplication::exec();
}
