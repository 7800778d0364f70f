// gemwright-report: imports an item set into the main window's model, as File, "Open..." does,
// and prints the plan it gives. The whole program but main(), so tests run it in-process.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace gw::report {

// Exit statuses.
inline constexpr int kSuccess = 0;          // --help or --version answered
inline constexpr int kImported = kSuccess;  // FILE imported and reported, every value used
inline constexpr int kBrokenData = 1;
inline constexpr int kNotImported = 2;  // a usage error, or FILE not imported
inline constexpr int kImportedWithSkips = 3;
// Standard output could not be written: the report did not reach its reader.
inline constexpr int kOutputFailed = 1;
// --check-data found something that is probably a mistake.
inline constexpr int kDataFindings = 4;

// `args` without the program name; the data files are read from `program_folder` unless
// "--data DIR" says otherwise. The report goes to `out`, every message to `err`.
// "--check-data [DIR]" checks the data files instead of reporting an item set.
int RunReport(const std::vector<std::string>& args, const std::filesystem::path& program_folder,
              std::ostream& out, std::ostream& err);

// Writes all of `text` to the file descriptor `fd` (standard output). False when it could not: then
// one line on `err` names the cause, unless the reader has gone away (a broken pipe), which ends
// the program quietly as it would any command whose reader stopped early.
bool WriteOutput(int fd, std::string_view text, std::ostream& err);

}  // namespace gw::report
