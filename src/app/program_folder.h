// The folders the program uses: its own, where its data files live, and the user's item
// library.
#pragma once

#include <filesystem>

namespace gw {

// The folder of the real executable, symbolic links resolved, so a link to the program in
// another folder still finds the data beside the program itself. `argv0` is the fallback where
// the system cannot tell.
std::filesystem::path ProgramFolder(const char* argv0);

// The item library: "gemwright-workshop/items" in the user's data folder ($XDG_DATA_HOME, or
// ~/.local/share when that is unset or not an absolute path). Nothing is created here.
std::filesystem::path ItemLibraryFolder();

}  // namespace gw
