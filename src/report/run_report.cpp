#include "report/run_report.h"

#include <sstream>

#include "app/command_line.h"
#include "app/main_form.h"
#include "common/error.h"
#include "report/report.h"

namespace gw::report {

namespace {

constexpr const char* kUsage = "Usage: gemwright-report [--data DIR] [--format text|json] FILE\n";

constexpr const char* kHelp =
    "Prints the plan that the item set FILE gives: each of the nineteen items with its gems,\n"
    "prices and imbue points, the character's totals, and any values that were skipped.\n"
    "\n"
    "  --data DIR       read the five data files from DIR (default: the program's folder)\n"
    "  --format FORMAT  text (the default) or json\n"
    "  --help           show this help and exit\n"
    "  --version        show the version and exit\n"
    "\n"
    "Exit status: 0 imported; 3 imported, but some values were skipped (also listed on\n"
    "standard error); 2 usage error, or FILE not imported (unreadable, no ITEM lines,\n"
    "nothing set); 1 a data file is missing or broken.\n";

int UsageError(std::ostream& err, const std::string& error) {
  err << "gemwright-report: " << error << "\n"
      << kUsage << "Try 'gemwright-report --help' for more information.\n";
  return kNotImported;
}

}  // namespace

int RunReport(const std::vector<std::string>& args, const std::filesystem::path& program_folder,
              std::ostream& out, std::ostream& err) {
  const CommandLine line = ParseCommandLine(args, {"--data", "--format"});
  switch (line.action) {
    case CommandAction::Help:
      out << kUsage << kHelp;
      return kSuccess;
    case CommandAction::Version:
      out << "gemwright-report " << GW_VERSION << "\n";
      return kSuccess;
    case CommandAction::UsageError:
      return UsageError(err, line.error);
    case CommandAction::Run:
      break;
  }
  if (line.files.empty()) return UsageError(err, "no FILE given");
  const auto format = line.values.find("--format");
  const bool json = format != line.values.end() && format->second == "json";
  if (format != line.values.end() && !json && format->second != "text") {
    return UsageError(err, "unknown format '" + format->second + "' (text or json)");
  }
  const auto data = line.values.find("--data");

  MainForm form(data != line.values.end() ? std::filesystem::path(data->second) : program_folder);
  try {
    form.Form_Load();
  } catch (const RuntimeError& e) {
    // The same text the window program shows in its message box.
    err << KindName(e.kind()) << "\n\n" << e.detail() << "\n";
    return kBrokenData;
  }
  const ImportOutcome outcome = form.OpenItemSet(line.files.front());
  if (outcome.status != ImportStatus::Imported &&
      outcome.status != ImportStatus::ImportedWithSkips) {
    err << outcome.message << "\n";
    return kNotImported;
  }
  const Report report = Collect(form.window(), outcome.problems);
  if (json) {
    WriteJson(out, report);
  } else {
    WriteText(out, report);
  }
  if (outcome.status == ImportStatus::ImportedWithSkips) {
    err << outcome.message << "\n";
    return kImportedWithSkips;
  }
  return kImported;
}

}  // namespace gw::report
