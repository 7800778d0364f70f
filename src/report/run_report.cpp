#include "report/run_report.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sstream>

#include "app/command_line.h"
#include "app/main_form.h"
#include "common/error.h"
#include "common/terminal_text.h"
#include "common/text.h"
#include "plan/item_set_writer.h"
#include "plan/round_trip.h"
#include "report/data_check.h"
#include "report/report.h"

namespace gw::report {

namespace {

constexpr const char* kUsage =
    "Usage: gemwright-report [--data DIR] [--format text|json|items|shopping] FILE\n"
    "       gemwright-report --check-data [DIR]\n";

constexpr const char* kHelp =
    "Prints the plan that the item set FILE gives: each of the nineteen items with its gems,\n"
    "prices and imbue points, the character's totals, and any values that were skipped.\n"
    "\n"
    "  --data DIR       read the five data files from DIR (default: the program's folder)\n"
    "  --format FORMAT  text (the default), json, items: the item set that File, Save\n"
    "                   writes for FILE's plan, or shopping: the gems to make and what the\n"
    "                   plan costs, as File, Shopping List shows them\n"
    "  --check-data [DIR]\n"
    "                   instead of a report: read the data files of DIR (or --data DIR, or the\n"
    "                   program's folder) as start-up does, and list what in them is probably\n"
    "                   a mistake\n"
    "  --help           show this help and exit\n"
    "  --version        show the version and exit\n"
    "\n"
    "Exit status: 0 imported; 3 imported, but some values were skipped (also listed on\n"
    "standard error), or with --format items what would not come back the same from the item\n"
    "set printed (listed on standard error); 2 usage error, or FILE not imported (unreadable, no "
    "ITEM lines,\n"
    "nothing set); 1 a data file is missing or broken, or standard output could not be\n"
    "written. With --check-data: 0 no findings, 4 findings, 1 start-up refuses the files.\n";

int UsageError(std::ostream& err, const std::string& error) {
  err << "gemwright-report: " << error << "\n"
      << kUsage << "Try 'gemwright-report --help' for more information.\n";
  return kNotImported;
}

// Start-up's reading of the data files; false, with the message the window program shows in its
// message box, when it refuses them.
bool LoadData(MainForm& form, std::ostream& err) {
  try {
    form.Form_Load();
  } catch (const RuntimeError& e) {
    err << KindName(e.kind()) << "\n\n" << e.detail() << "\n";
    return false;
  }
  return true;
}

int CheckData(const std::filesystem::path& folder, std::ostream& out, std::ostream& err) {
  MainForm form(folder);
  if (!LoadData(form, err)) return kBrokenData;
  std::vector<DataFinding> findings;
  try {
    findings = CheckDataFiles(folder);
  } catch (const RuntimeError& e) {  // a file taken away since start-up's reading
    err << KindName(e.kind()) << "\n\n" << e.detail() << "\n";
    return kBrokenData;
  }
  // Findings quote the files' own bytes, which may be anything.
  for (const DataFinding& finding : findings)
    out << TerminalText(ShownText(Describe(finding))) << "\n";
  const std::string where = "the data files in " + folder.string();
  if (findings.empty()) {
    out << "No probable mistakes in " << where << ".\n";
    return kImported;
  }
  out << std::to_string(findings.size())
      << (findings.size() == 1 ? " probable mistake in " : " probable mistakes in ") << where
      << ".\n";
  return kDataFindings;
}

// The item set that File, Save writes for the plan the window holds, checked the same way: false
// (with what would differ on standard error) when opening it would not give back that plan.
bool WriteItems(MainForm& form, const std::string& file, std::ostream& out, std::ostream& err) {
  const Plan plan = CapturePlan(form.window());
  const std::string text = WriteItemSet(plan, form.reference());
  out << text;
  const std::vector<RoundTripDifference> differences =
      CompareRoundTrip(text, plan, form.reference(), form.constants());
  if (differences.empty()) return true;
  err << "gemwright-report: opening the item set printed would not give back the plan of "
      << TerminalText(ShownText(Quoted(file))) << " exactly:\n";
  std::istringstream lines(DescribeDifferences(differences));
  for (std::string difference; std::getline(lines, difference);)
    err << TerminalText(ShownText(difference)) << "\n";  // names from the file may be anything
  return false;
}

}  // namespace

int RunReport(const std::vector<std::string>& args, const std::filesystem::path& program_folder,
              std::ostream& out, std::ostream& err) {
  // "--check-data" takes its folder as the one argument that is no option.
  std::vector<std::string> rest;
  bool check_data = false;
  for (const std::string& arg : args) {
    if (arg == "--check-data" && std::find(rest.begin(), rest.end(), "--") == rest.end()) {
      check_data = true;
    } else {
      rest.push_back(arg);
    }
  }
  const CommandLine line = ParseCommandLine(rest, {"--data", "--format"});
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
  const auto data = line.values.find("--data");
  const auto format = line.values.find("--format");
  if (check_data) {
    if (format != line.values.end()) return UsageError(err, "--check-data takes no --format");
    if (!line.files.empty() && data != line.values.end())
      return UsageError(err, "give the data folder as DIR or as --data DIR, not both");
    return CheckData(!line.files.empty()         ? std::filesystem::path(line.files.front())
                     : data != line.values.end() ? std::filesystem::path(data->second)
                                                 : program_folder,
                     out, err);
  }
  if (line.files.empty()) return UsageError(err, "no FILE given");
  const std::string kind = format != line.values.end() ? format->second : "text";
  if (kind != "text" && kind != "json" && kind != "items" && kind != "shopping") {
    return UsageError(err, "unknown format '" + kind + "' (text, json, items or shopping)");
  }

  MainForm form(data != line.values.end() ? std::filesystem::path(data->second) : program_folder);
  if (!LoadData(form, err)) return kBrokenData;
  const ImportOutcome outcome = form.OpenItemSet(line.files.front());
  if (outcome.status != ImportStatus::Imported &&
      outcome.status != ImportStatus::ImportedWithSkips) {
    err << outcome.message << "\n";
    return kNotImported;
  }
  int status = kImported;
  if (outcome.status == ImportStatus::ImportedWithSkips) {
    err << outcome.message << "\n";
    status = kImportedWithSkips;
  }
  if (kind == "items") {
    return WriteItems(form, line.files.front(), out, err) ? status : kImportedWithSkips;
  }
  const Report report = Collect(form.window(), outcome.problems);
  if (kind == "json") {
    WriteJson(out, report);
  } else if (kind == "shopping") {
    for (const std::string& shopping_line : ShoppingListLines(report.shopping))
      out << shopping_line << "\n";
  } else {
    WriteText(out, report);
  }
  return status;
}

bool WriteOutput(int fd, std::string_view text, std::ostream& err) {
  while (!text.empty()) {
    const ssize_t written = write(fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      const int cause = written < 0 ? errno : EIO;
      if (cause != EPIPE)
        err << "gemwright-report: cannot write to standard output: " << ErrorText(cause) << "\n";
      return false;
    }
    text.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace gw::report
