// Starts an installed Gemwright Workshop through its bin/ link on Qt's offscreen platform and
// proves, from inotify events on the program folder lib/gemwright-workshop/, that it read its
// data files from beside its real executable, in the order it reads them.
//
//   start_check <prefix> 5   a complete install: all five files are read in order, and a second
//                            later the program is still running (a failed start-up would end it
//                            or leave only an error box, a crash would end it).
//   start_check <prefix> N   (N = 0..4) an install whose next file is missing: exactly the first
//                            N files are read, in order, and none of the others; the program may
//                            wait in its error box or end with a failure status, never with
//                            success or by a signal.
//
// Exit status 0 when the check passes; otherwise 1, with the reason on the standard error.
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr std::array<std::string_view, 5> kDataFiles = {
    "ImbuePoints.dat", "GemData1.dat", "GemData2.dat", "GemData3.dat", "velmora.dat"};
constexpr auto kStartTimeout = std::chrono::seconds(30);
constexpr auto kStillRunningAfter = std::chrono::seconds(1);
constexpr auto kQuietAfterFailure = std::chrono::seconds(2);

// A failed check. Thrown rather than exiting at once, so the program is killed on the way out.
struct CheckFailed {
  std::string reason;
};

[[noreturn]] void Fail(const std::string& reason) {
  throw CheckFailed{reason};
}

// `what` failed with `error`.
std::string Errno(const std::string& what, int error) {
  return what + ": " + std::strerror(error);
}

// `what` failed with errno, read before anything can change it.
std::string Errno(const char* what) {
  const int error = errno;
  return Errno(std::string(what), error);
}

std::string DescribeStatus(int status) {
  if (WIFEXITED(status)) return "exited with status " + std::to_string(WEXITSTATUS(status));
  if (WIFSIGNALED(status)) {
    return "was ended by signal " + std::to_string(WTERMSIG(status)) + " (" +
           strsignal(WTERMSIG(status)) + ")";
  }
  return "stopped with wait status " + std::to_string(status);
}

std::string FileList(const std::vector<int>& indices) {
  if (indices.empty()) return "none";
  std::string list;
  for (int i : indices) {
    if (!list.empty()) list += ", ";
    list += kDataFiles[static_cast<size_t>(i)];
  }
  return list;
}

// The started program. Whatever happens to the check, it is killed and reaped on the way out.
class Child {
 public:
  explicit Child(const std::string& program) {
    // The caller's environment, with Qt's offscreen platform in place of any other.
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
      if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0) env.emplace_back(*e);
    }
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (std::string& e : env) {
      envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    std::string arg0 = program;
    std::array<char*, 2> argv = {arg0.data(), nullptr};
    const int error =
        posix_spawn(&pid_, program.c_str(), nullptr, nullptr, argv.data(), envp.data());
    if (error != 0) Fail(Errno("cannot start " + program, error));
  }
  ~Child() {
    if (!status_) {
      kill(pid_, SIGKILL);
      int status = 0;
      while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
      }
    }
  }
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  // The wait status once the program has ended; nothing while it runs.
  std::optional<int> Ended() {
    if (!status_) {
      int status = 0;
      const pid_t result = waitpid(pid_, &status, WNOHANG);
      if (result < 0) Fail(Errno("waitpid"));
      if (result == pid_) status_ = status;
    }
    return status_;
  }

 private:
  pid_t pid_ = 0;
  std::optional<int> status_;
};

// Which data files have been opened, in the order of their first opening, and which of those
// have been closed again, from the inotify events on the program folder.
class Watch {
 public:
  explicit Watch(const std::string& folder) : folder_(folder) {
    fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) Fail(Errno("inotify_init1"));
    if (inotify_add_watch(fd_, folder.c_str(), IN_OPEN | IN_CLOSE_NOWRITE) < 0) {
      const int error = errno;
      close(fd_);
      Fail(Errno("cannot watch " + folder, error));
    }
  }
  ~Watch() { close(fd_); }
  Watch(const Watch&) = delete;
  Watch& operator=(const Watch&) = delete;

  // Reads the events that are waiting, if any.
  void Drain() {
    alignas(inotify_event) char buffer[64 * 1024];
    for (;;) {
      const ssize_t length = read(fd_, buffer, sizeof buffer);
      if (length < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK) return;
        if (errno == EINTR) continue;
        Fail(Errno("reading inotify events"));
      }
      for (ssize_t offset = 0; offset < length;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
        Record(*event);
        offset += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      }
    }
  }

  // Drains events, waiting up to `timeout` for the first of them.
  void WaitAndDrain(milliseconds timeout) {
    pollfd p = {fd_, POLLIN, 0};
    const int ready =
        poll(&p, 1, static_cast<int>(std::max<milliseconds::rep>(timeout.count(), 0)));
    if (ready < 0 && errno != EINTR) Fail(Errno("poll"));
    Drain();
  }

  const std::vector<int>& opened() const { return opened_; }

  // The files opened but not closed again yet.
  std::vector<int> StillOpen() const {
    std::vector<int> still_open;
    for (int i : opened_) {
      if (!closed_[static_cast<size_t>(i)]) still_open.push_back(i);
    }
    return still_open;
  }

  // Whether the first `count` data files have all been opened and closed again.
  bool FirstReadDone(int count) const {
    for (int i = 0; i < count; ++i) {
      if (!closed_[static_cast<size_t>(i)]) return false;
    }
    return true;
  }

 private:
  void Record(const inotify_event& event) {
    if ((event.mask & IN_Q_OVERFLOW) != 0) Fail("the inotify event queue overflowed");
    if ((event.mask & IN_IGNORED) != 0) Fail("the watch on " + folder_ + " was removed");
    if (event.len == 0 || (event.mask & IN_ISDIR) != 0) return;
    const std::string_view name(event.name);
    const auto found = std::find(kDataFiles.begin(), kDataFiles.end(), name);
    if (found == kDataFiles.end()) return;  // the executable itself, say
    const auto index = static_cast<size_t>(found - kDataFiles.begin());
    if ((event.mask & IN_OPEN) != 0 && !open_[index]) {
      open_[index] = true;
      opened_.push_back(static_cast<int>(index));
    }
    if ((event.mask & IN_CLOSE_NOWRITE) != 0 && open_[index]) closed_[index] = true;
  }

  std::string folder_;
  int fd_ = -1;
  std::array<bool, kDataFiles.size()> open_ = {};
  std::array<bool, kDataFiles.size()> closed_ = {};
  std::vector<int> opened_;
};

milliseconds Until(Clock::time_point deadline) {
  return std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
}

// Watches the program until the first `count` files have been read, failing if it ends first
// or the time runs out.
void AwaitReads(Watch& watch, Child& child, int count, const std::string& program) {
  const Clock::time_point deadline = Clock::now() + kStartTimeout;
  for (;;) {
    watch.Drain();
    if (watch.FirstReadDone(count)) return;
    if (const std::optional<int> status = child.Ended()) {
      watch.Drain();  // events of its last moments
      if (watch.FirstReadDone(count)) return;
      Fail(program + " " + DescribeStatus(*status) + " before it had read the first " +
           std::to_string(count) + " data files; it opened: " + FileList(watch.opened()));
    }
    if (Clock::now() >= deadline) {
      Fail(program + " had not read the first " + std::to_string(count) + " data files after " +
           std::to_string(kStartTimeout.count()) + " seconds; it opened: " +
           FileList(watch.opened()) + "; not closed again: " + FileList(watch.StillOpen()));
    }
    watch.WaitAndDrain(std::min(Until(deadline), milliseconds(100)));
  }
}

// Watches for `period`, failing if the program ends (when `must_run`) or opens more than the
// first `count` files.
void Observe(Watch& watch, Child& child, int count, Clock::duration period, bool must_run,
             const std::string& program) {
  const Clock::time_point end = Clock::now() + period;
  for (;;) {
    watch.Drain();
    if (watch.opened().size() > static_cast<size_t>(count)) {
      Fail(program + " read more than the first " + std::to_string(count) +
           " data files; it opened: " + FileList(watch.opened()));
    }
    if (const std::optional<int> status = child.Ended()) {
      if (must_run) {
        Fail(program + " " + DescribeStatus(*status) + " within " +
             std::to_string(std::chrono::duration_cast<milliseconds>(period).count()) +
             " ms after reading its data");
      }
      const bool failure_status = WIFEXITED(*status) && WEXITSTATUS(*status) != 0;
      if (!failure_status) {
        Fail(program + " " + DescribeStatus(*status) + "; a failed start must end with a " +
             "failure status or wait in its error box");
      }
    }
    if (Clock::now() >= end) return;
    watch.WaitAndDrain(std::min(Until(end), milliseconds(100)));
  }
}

void CheckOrder(const Watch& watch, int count, const std::string& program) {
  std::vector<int> expected;
  for (int i = 0; i < count; ++i) {
    expected.push_back(i);
  }
  if (watch.opened() != expected) {
    Fail(program + " opened its data files in the order " + FileList(watch.opened()) +
         "; expected " + FileList(expected));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: start_check <install prefix> <data files expected to be read>\n");
    return 2;
  }
  const std::string prefix = argv[1];
  char* end = nullptr;
  const long count = std::strtol(argv[2], &end, 10);
  if (*argv[2] == '\0' || *end != '\0' || count < 0 ||
      count > static_cast<long>(kDataFiles.size())) {
    std::fprintf(stderr, "start_check: the file count must be 0 to %zu\n", kDataFiles.size());
    return 2;
  }
  const int expected = static_cast<int>(count);
  const bool complete = expected == static_cast<int>(kDataFiles.size());
  const std::string folder = prefix + "/lib/gemwright-workshop";
  const std::string program = prefix + "/bin/gemwright-workshop";

  try {
    // The watch is in place before the program starts, so no opening goes unseen.
    Watch watch(folder);
    Child child(program);
    AwaitReads(watch, child, expected, program);
    CheckOrder(watch, expected, program);
    if (complete) {
      Observe(watch, child, expected, kStillRunningAfter, true, program);
      std::printf(
          "start_check: passed: %s read %s from %s, in that order, and was still running a "
          "second later\n",
          program.c_str(), FileList(watch.opened()).c_str(), folder.c_str());
    } else {
      Observe(watch, child, expected, kQuietAfterFailure, false, program);
      const std::optional<int> status = child.Ended();
      std::printf(
          "start_check: passed: %s read only %s from %s, in that order, and no other data file; "
          "it %s\n",
          program.c_str(), FileList(watch.opened()).c_str(), folder.c_str(),
          status ? DescribeStatus(*status).c_str()
                 : "was still running (a failed start-up waits in its error box)");
    }
  } catch (const CheckFailed& failure) {
    std::fprintf(stderr, "start_check: FAILED: %s\n", failure.reason.c_str());
    return 1;
  }
  return 0;
}
