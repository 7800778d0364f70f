// Gemwright Workshop: plans gems for nineteen items of a character and prices them.
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/program_folder.h"
#include "qt/program.h"

namespace {

constexpr const char* kUsage = "Usage: gemwright-workshop [FILE]\n";
constexpr const char* kHelp =
    "Plans the gems imbued into the nineteen items of a character and prices them.\n"
    "FILE, an item set, is opened as File, \"Open...\" opens it once the window is up.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

}  // namespace

int main(int argc, char* argv[]) {
  // Answered before Qt starts, so none of them needs a display.
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const gw::CommandLine line = gw::ParseCommandLine(args, {});
  switch (line.action) {
    case gw::CommandAction::Help:
      std::cout << kUsage << kHelp;
      return 0;
    case gw::CommandAction::Version:
      std::cout << "gemwright-workshop " << GW_VERSION << "\n";
      return 0;
    case gw::CommandAction::UsageError:
      std::cerr << "gemwright-workshop: " << line.error << "\n"
                << kUsage << "Try 'gemwright-workshop --help' for more information.\n";
      return 2;
    case gw::CommandAction::Run:
      break;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName("Gemwright Workshop");
  gw::qt::ApplyProgramLook();

  gw::qt::Program program(gw::ProgramFolder(argc > 0 ? argv[0] : nullptr));
  if (!program.Start()) return 1;
  if (!line.files.empty()) program.OpenWhenShown(line.files.front());
  return QApplication::exec();
}
