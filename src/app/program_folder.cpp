#include "app/program_folder.h"

#include <cstdlib>
#include <system_error>

namespace gw {

std::filesystem::path ProgramFolder(const char* argv0) {
  std::error_code error;
  std::filesystem::path exe = std::filesystem::canonical("/proc/self/exe", error);
  if (error && argv0 != nullptr) exe = std::filesystem::weakly_canonical(argv0, error);
  if (error) return std::filesystem::current_path(error);
  return exe.parent_path();
}

std::filesystem::path ItemLibraryFolder() {
  const char* data_home = std::getenv("XDG_DATA_HOME");
  std::filesystem::path data;
  if (data_home != nullptr && std::filesystem::path(data_home).is_absolute()) {
    data = data_home;
  } else {
    const char* home = std::getenv("HOME");
    data = std::filesystem::path(home != nullptr ? home : "") / ".local" / "share";
  }
  return data / "gemwright-workshop" / "items";
}

}  // namespace gw
