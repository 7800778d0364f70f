// Writing a whole file so that it is never torn: the text goes into a temporary file beside the
// target, is flushed to the disk, and only then renamed over the target.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace gw {

// Replaces (or creates) `path` with `content`. On any failure the target is left as it was, the
// temporary file is removed, and the result says what failed ("No space left on device"); on
// success it is empty. A target that exists and is no regular file is refused. A symbolic link
// keeps pointing where it did, even to a file that does not exist yet: the file it names is
// written. A replaced file keeps its mode, and its owner and group where the process may set
// them. Temporary files that a killed save left in the folder are removed first.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path,
                                               std::string_view content);

// Removes from `folder` the temporary files of WriteFileAtomically's own pattern that are
// regular files unchanged for `unchanged_for`: left by a save that was killed, not one running.
void RemoveStaleTemporaryFiles(const std::filesystem::path& folder,
                               std::chrono::seconds unchanged_for = std::chrono::minutes(1));

// Whether `path` (links followed) is a regular file that nobody, or not this process, may write:
// replacing it anyway is the player's decision.
bool IsReadOnlyFile(const std::filesystem::path& path);

}  // namespace gw
