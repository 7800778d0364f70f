// gemwright-report: imports an item set into the main window's model, as File, "Open..." does,
// and prints the plan it gives. The whole program but main(), so tests run it in-process.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace gw::report {

// Exit statuses.
inline constexpr int kSuccess = 0;          // --help or --version answered
inline constexpr int kImported = kSuccess;  // FILE imported and reported, every value used
inline constexpr int kBrokenData = 1;
inline constexpr int kNotImported = 2;  // a usage error, or FILE not imported
inline constexpr int kImportedWithSkips = 3;

// `args` without the program name; the data files are read from `program_folder` unless
// "--data DIR" says otherwise. The report goes to `out`, every message to `err`.
int RunReport(const std::vector<std::string>& args, const std::filesystem::path& program_folder,
              std::ostream& out, std::ostream& err);

}  // namespace gw::report
