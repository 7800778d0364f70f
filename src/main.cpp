// Gemwright Workshop: plans gems for nineteen items of a character and prices them.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/program_folder.h"
#include "qt/font_preload.h"
#include "qt/program.h"

namespace {

constexpr const char* kUsage = "Usage: gemwright-workshop [FILE]\n";
constexpr const char* kHelp =
    "Plans the gems imbued into the nineteen items of a character and prices them.\n"
    "FILE, an item set, is opened as File, \"Open...\" opens it once the window is up.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

constexpr const char* kNoWindow = "gemwright-workshop: cannot open a window: ";

// While the application starts, Qt's platform messages are held back. When no platform can be
// opened Qt would abort, with the advice to reinstall; instead the program ends with status 1 and
// one line that gives the platform's own reason. When one opens, the held messages go out as
// usual.
class PlatformStart {
 public:
  PlatformStart() { previous_ = qInstallMessageHandler(&PlatformStart::Handle); }
  ~PlatformStart() {
    qInstallMessageHandler(previous_);
    for (const Held& message : held_) {
      const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
      previous_(message.type, context, message.text);
    }
    held_.clear();
  }
  PlatformStart(const PlatformStart&) = delete;
  PlatformStart& operator=(const PlatformStart&) = delete;

 private:
  struct Held {
    QtMsgType type;
    std::string category;
    QString text;
  };

  static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::string category = context.category != nullptr ? context.category : "";
    if (type == QtFatalMsg) {
      // The first platform message says why (no such plugin, no connection to the display);
      // Qt's own closing message only that none could be started.
      QString reason = text.section('\n', 0, 0);
      for (const Held& message : held_) {
        if (message.category.rfind("qt.qpa", 0) == 0) {
          reason = message.text;
          break;
        }
      }
      std::fprintf(stderr, "%s%s\n", kNoWindow, reason.toLocal8Bit().constData());
      std::_Exit(1);
    }
    if (category.rfind("qt.qpa", 0) == 0) {
      held_.push_back({type, category, text});
    } else {
      previous_(type, context, text);
    }
  }

  static inline QtMessageHandler previous_ = nullptr;
  static inline std::vector<Held> held_;
};

// Without a platform chosen, Qt tries the X server and then gives up: say so plainly before
// that, and how to give it one.
bool NoDisplay() {
  return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
         qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

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

  if (NoDisplay()) {
    std::cerr << kNoWindow << "no display (set DISPLAY or WAYLAND_DISPLAY)\n";
    return 1;
  }
  gw::qt::FontConfigPreload fonts;
  std::optional<PlatformStart> platform_start(std::in_place);
  QApplication app(argc, argv);
  platform_start.reset();
  fonts.Wait();
  QApplication::setApplicationName("Gemwright Workshop");
  gw::qt::ApplyProgramLook();

  gw::qt::Program program(gw::ProgramFolder(argc > 0 ? argv[0] : nullptr));
  if (!program.Start()) return 1;
  if (!line.files.empty()) program.OpenWhenShown(line.files.front());
  return QApplication::exec();
}
