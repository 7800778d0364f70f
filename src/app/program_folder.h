// The program's own folder, where its data files live.
#pragma once

#include <filesystem>

namespace gw {

// The folder of the real executable, symbolic links resolved, so a link to the program in
// another folder still finds the data beside the program itself. `argv0` is the fallback where
// the system cannot tell.
std::filesystem::path ProgramFolder(const char* argv0);

}  // namespace gw
