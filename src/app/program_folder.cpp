#include "app/program_folder.h"

#include <system_error>

namespace gw {

std::filesystem::path ProgramFolder(const char* argv0) {
  std::error_code error;
  std::filesystem::path exe = std::filesystem::canonical("/proc/self/exe", error);
  if (error && argv0 != nullptr) exe = std::filesystem::weakly_canonical(argv0, error);
  if (error) return std::filesystem::current_path(error);
  return exe.parent_path();
}

}  // namespace gw
