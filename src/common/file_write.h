// Writing a whole file so that it is never torn: the text goes into a temporary file beside the
// target, is flushed to the disk, and only then renamed over the target.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace gw {

// Replaces (or creates) `path` with `content`. On any failure the target is left as it was, the
// temporary file is removed, and the result says what failed ("No space left on device"); on
// success it is empty. A target that exists and is no regular file is refused. A symbolic link
// keeps pointing where it did: the file it names is replaced.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path,
                                               std::string_view content);

}  // namespace gw
