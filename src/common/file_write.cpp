#include "common/file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

#include "common/text.h"

namespace gw {

namespace {

// Writes everything, through short writes and interruptions; false with errno set on failure.
bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    content.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// The file a path names, links followed even when what they name does not exist yet, so that
// a link stays a link and the file is written where it points.
std::filesystem::path Resolved(std::filesystem::path path) {
  constexpr int kMostLinks = 40;  // as the system allows; a loop then fails as the system says
  for (int link = 0; link < kMostLinks; ++link) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) break;
    const std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error) break;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path;
}

// The temporary file: a short name of fixed length, so that any target name the file system
// takes can be saved.
constexpr std::string_view kTemporaryPrefix = ".gw-";
constexpr size_t kTemporaryRandom = 6;  // mkstemp's XXXXXX

bool IsTemporaryName(const std::string& name) {
  if (name.size() != kTemporaryPrefix.size() + kTemporaryRandom ||
      name.compare(0, kTemporaryPrefix.size(), kTemporaryPrefix) != 0) {
    return false;
  }
  for (size_t i = kTemporaryPrefix.size(); i < name.size(); ++i) {
    const char c = name[i];
    const bool alphanumeric =
        (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!alphanumeric) return false;
  }
  return true;
}

}  // namespace

void RemoveStaleTemporaryFiles(const std::filesystem::path& folder,
                               std::chrono::seconds unchanged_for) {
  namespace fs = std::filesystem;
  std::error_code error;
  const auto now = fs::file_time_type::clock::now();
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const fs::directory_entry& entry = *it;
    std::error_code ignored;
    if (!IsTemporaryName(entry.path().filename().string()) ||
        !fs::is_regular_file(entry.symlink_status(ignored))) {
      continue;
    }
    const fs::file_time_type written = fs::last_write_time(entry.path(), ignored);
    if (!ignored && now - written >= unchanged_for) fs::remove(entry.path(), ignored);
  }
}

bool IsReadOnlyFile(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  return (info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& requested,
                                               std::string_view content) {
  const std::filesystem::path path = Resolved(requested);
  struct stat existing {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  if (exists && !S_ISREG(existing.st_mode)) return std::string("it is not a regular file");
  if (!exists && errno != ENOENT) return ErrorText(errno);

  const std::filesystem::path folder =
      path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  RemoveStaleTemporaryFiles(folder);
  std::string temporary =
      (folder / (std::string(kTemporaryPrefix) + std::string(kTemporaryRandom, 'X'))).string();
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return ErrorText(errno);

  // A new file gets the usual permissions; a replaced one keeps its own, and its owner and group
  // where this process may give them (root may; anyone may keep a group they belong to).
  mode_t mode = existing.st_mode & 07777;
  if (exists) {
    if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
      [[maybe_unused]] const int group_only = ::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
    }
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  int error = 0;
  // The mode after the owner: a change of owner clears the set-user and set-group bits.
  if (::fchmod(fd, mode) != 0 || !WriteAll(fd, content) || ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return ErrorText(error);
  }
  // The rename itself reaches the disk with the folder; a folder that cannot be synced does not
  // undo a file already in place.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return std::nullopt;
}

}  // namespace gw
