// Start-up against a minimal window of the program's kind on the same machine: runs the program's
// probe and the minimal probe in turns, each in a fresh process on one virtual X display (Qt's
// offscreen platform when Xvfb is missing) and one private session bus, as on a desktop (none
// when dbus-run-session is missing). Reports per pair and in medians the time from the spawn to
// the end of the main window's first paint, the CPU time the process spent until then, the peak
// resident memory, and their ratios; and the same span from the application's creation on, which
// leaves out what both spend alike on loading libraries and connecting to the display.
// Targets, on the ratio of the medians: time at most 1.15, CPU time at most 1.25, time from the
// application's creation at most 1.5, peak memory at most 1.15.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

extern char** environ;

namespace {

constexpr const char* kSpawnVariable = "GW_SPAWN_NS";  // as in probe_report.h
constexpr int kDefaultPairs = 21;
constexpr int kProbeTimeoutMs = 60'000;
constexpr double kTimeTarget = 1.15;
constexpr double kCpuTarget = 1.25;
constexpr double kOwnTimeTarget = 1.5;
constexpr double kMemoryTarget = 1.15;
// Set in the benchmark's own environment once it runs under its private session bus.
constexpr const char* kSessionBusVariable = "GW_BENCH_SESSION_BUS";

int64_t MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

std::filesystem::path OwnFolder() {
  return std::filesystem::canonical("/proc/self/exe").parent_path();
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Reads what a child writes into `fd` until it closes it or `deadline_ns` passes; false on the
// deadline.
bool ReadAll(int fd, std::string& out, int64_t deadline_ns, bool stop_at_newline = false) {
  char buffer[4096];
  while (true) {
    if (stop_at_newline && out.find('\n') != std::string::npos) return true;
    const int64_t left_ms = (deadline_ns - MonotonicNs()) / 1'000'000;
    if (left_ms <= 0) return false;
    pollfd p{fd, POLLIN, 0};
    const int ready = poll(&p, 1, static_cast<int>(left_ms));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return false;
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return true;
    out.append(buffer, static_cast<size_t>(n));
  }
}

// One virtual X display for the whole run, on the first free number from 93; stopped at the end.
class VirtualDisplay {
 public:
  VirtualDisplay() {
    for (int number = 93; number < 93 + 20; ++number) {
      const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
      const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
      if (std::filesystem::exists(lock) || std::filesystem::exists(socket)) continue;
      if (TryStart(number)) return;
    }
  }
  ~VirtualDisplay() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  // ":93", or empty when no display could be started.
  const std::string& name() const { return name_; }

 private:
  // Xvfb writes the display number to -displayfd once it accepts clients; it exits at once when
  // the number is taken.
  bool TryStart(int number) {
    int ready[2];
    if (pipe(ready) != 0) return false;
    const std::string display = ":" + std::to_string(number);
    const std::string fd = std::to_string(ready[1]);
    std::vector<std::string> args = {"Xvfb",      display, "-screen",    "0", "1280x1024x24",
                                     "-nolisten", "tcp",   "-displayfd", fd};
    std::vector<char*> argv;
    for (std::string& arg : args)
      argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, ready[0]);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ready[1]);
    std::string said;
    const bool in_time =
        spawned == 0 && ReadAll(ready[0], said, MonotonicNs() + 20'000'000'000LL, true);
    close(ready[0]);
    if (spawned != 0) return false;
    if (!in_time || said.find('\n') == std::string::npos) {
      kill(pid, SIGTERM);
      waitpid(pid, nullptr, 0);
      return false;
    }
    pid_ = pid;
    name_ = display;
    return true;
  }

  pid_t pid_ = 0;
  std::string name_;
};

struct MarkAt {
  double ms = 0, resident_kb = 0, cpu_ms = 0;
};

struct ProbeResult {
  bool ok = false;
  std::string error;
  double first_paint_ms = 0;
  double cpu_ms = 0;
  double peak_rss_kb = 0;
  std::string since;
  std::map<std::string, MarkAt> marks;
};

ProbeResult Failure(std::string error) {
  ProbeResult result;
  result.error = std::move(error);
  return result;
}

ProbeResult Parse(const std::string& output) {
  ProbeResult result;
  std::istringstream lines(output);
  std::string line;
  bool paint = false, cpu = false, peak = false;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string key;
    words >> key;
    if (key == "first_paint_ms") {
      paint = static_cast<bool>(words >> result.first_paint_ms);
    } else if (key == "cpu_ms") {
      cpu = static_cast<bool>(words >> result.cpu_ms);
    } else if (key == "peak_rss_kb") {
      peak = static_cast<bool>(words >> result.peak_rss_kb);
    } else if (key == "since") {
      words >> result.since;
    } else if (key == "mark") {
      std::string name;
      MarkAt at;
      if (words >> name >> at.ms >> at.resident_kb >> at.cpu_ms) result.marks[name] = at;
    }
  }
  result.ok = paint && cpu && peak;
  if (!result.ok) result.error = "no report in the output: " + output;
  return result;
}

// Runs a probe in a fresh process with `environment` (which gets the spawn time) and reads its
// report; its standard error joins its output.
ProbeResult RunProbe(const std::filesystem::path& probe,
                     const std::vector<std::string>& environment) {
  std::vector<std::string> env_strings = environment;
  std::vector<char*> envp;
  for (std::string& entry : env_strings)
    envp.push_back(entry.data());
  char spawn_entry[64] = {};
  envp.push_back(spawn_entry);
  envp.push_back(nullptr);
  std::string path = probe.string();
  char* argv[] = {path.data(), nullptr};

  int out[2];
  if (pipe(out) != 0) return Failure("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[1]);
  pid_t pid = 0;

  const int64_t spawned_at = MonotonicNs();
  std::snprintf(spawn_entry, sizeof spawn_entry, "%s=%lld", kSpawnVariable,
                static_cast<long long>(spawned_at));
  const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());

  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return Failure("cannot start " + path + ": " + std::strerror(spawned));
  }
  std::string output;
  const bool in_time = ReadAll(out[0], output, spawned_at + kProbeTimeoutMs * 1'000'000LL);
  close(out[0]);
  if (!in_time) kill(pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!in_time) return Failure(probe.filename().string() + " timed out: " + output);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return Failure(probe.filename().string() + " failed (status " + std::to_string(status) +
                   "): " + output);
  }
  return Parse(output);
}

// The mark from which a probe's own work is counted: right after the application's creation.
constexpr const char* kOwnWorkMark = "application";

struct Samples {
  std::vector<double> time_ms, cpu_ms, peak_kb;
  // From the application's creation to the end of the first paint.
  std::vector<double> own_ms, own_cpu_ms;
  struct MarkSamples {
    std::vector<double> ms, resident_kb, cpu_ms;
  };
  std::map<std::string, MarkSamples> marks;
  void Add(const ProbeResult& r) {
    time_ms.push_back(r.first_paint_ms);
    cpu_ms.push_back(r.cpu_ms);
    peak_kb.push_back(r.peak_rss_kb);
    const auto own = r.marks.find(kOwnWorkMark);
    if (own != r.marks.end()) {
      own_ms.push_back(r.first_paint_ms - own->second.ms);
      own_cpu_ms.push_back(r.cpu_ms - own->second.cpu_ms);
    }
    for (const auto& [name, at] : r.marks) {
      marks[name].ms.push_back(at.ms);
      marks[name].resident_kb.push_back(at.resident_kb);
      marks[name].cpu_ms.push_back(at.cpu_ms);
    }
  }
};

struct Run {
  std::filesystem::path program_probe, minimal_probe;
  std::vector<std::string> environment;
  std::string platform;  // what the probes run on, for the output
  Samples program, minimal;
  std::vector<double> time_ratios, cpu_ratios, own_ratios, memory_ratios;
  int pairs_run = 0;
};

Run& TheRun() {
  static Run run;
  return run;
}

// The child's environment: ours without any display choice, plus the display of the run.
std::vector<std::string> ProbeEnvironment(const std::string& display) {
  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    const std::string name = text.substr(0, text.find('='));
    if (name == "DISPLAY" || name == "QT_QPA_PLATFORM" || name == "WAYLAND_DISPLAY" ||
        name == kSpawnVariable) {
      continue;
    }
    env.push_back(text);
  }
  if (display.empty()) {
    env.push_back("QT_QPA_PLATFORM=offscreen");
  } else {
    env.push_back("DISPLAY=" + display);
    env.push_back("QT_QPA_PLATFORM=xcb");
  }
  return env;
}

// One pair per repetition, in alternating order so that drifts of a shared machine hit both.
// The iteration time is the program's; the counters carry the minimal program's and the ratios.
void BM_StartUp_ProgramVsMinimal(benchmark::State& state) {
  Run& run = TheRun();
  for (auto _ : state) {
    const bool program_first = run.pairs_run % 2 == 0;
    ++run.pairs_run;
    ProbeResult program, minimal;
    if (program_first) {
      program = RunProbe(run.program_probe, run.environment);
      minimal = RunProbe(run.minimal_probe, run.environment);
    } else {
      minimal = RunProbe(run.minimal_probe, run.environment);
      program = RunProbe(run.program_probe, run.environment);
    }
    if (!program.ok || !minimal.ok) {
      state.SkipWithError((program.ok ? minimal.error : program.error).c_str());
      break;
    }
    state.SetIterationTime(program.first_paint_ms / 1e3);
    run.program.Add(program);
    run.minimal.Add(minimal);
    const double time_ratio = program.first_paint_ms / minimal.first_paint_ms;
    const double cpu_ratio = program.cpu_ms / minimal.cpu_ms;
    const double memory_ratio = program.peak_rss_kb / minimal.peak_rss_kb;
    run.time_ratios.push_back(time_ratio);
    run.cpu_ratios.push_back(cpu_ratio);
    run.memory_ratios.push_back(memory_ratio);
    const auto program_own = program.marks.find(kOwnWorkMark);
    const auto minimal_own = minimal.marks.find(kOwnWorkMark);
    if (program_own != program.marks.end() && minimal_own != minimal.marks.end()) {
      run.own_ratios.push_back((program.first_paint_ms - program_own->second.ms) /
                               (minimal.first_paint_ms - minimal_own->second.ms));
    }
    state.counters["program_ms"] = program.first_paint_ms;
    state.counters["minimal_ms"] = minimal.first_paint_ms;
    state.counters["time_ratio"] = time_ratio;
    state.counters["program_cpu_ms"] = program.cpu_ms;
    state.counters["minimal_cpu_ms"] = minimal.cpu_ms;
    state.counters["cpu_ratio"] = cpu_ratio;
    state.counters["program_peak_kB"] = program.peak_rss_kb;
    state.counters["minimal_peak_kB"] = minimal.peak_rss_kb;
    state.counters["memory_ratio"] = memory_ratio;
  }
}

// One figure of both probes: their medians, the ratio of the medians against its target (none
// when `target` is 0) and the median of the pairs' own ratios.
void PrintFigure(const char* what, const char* unit, const std::vector<double>& program,
                 const std::vector<double>& minimal, const std::vector<double>& pair_ratios,
                 double target) {
  if (program.empty() || minimal.empty()) return;
  const double p = Median(program), m = Median(minimal), ratio = p / m;
  std::fprintf(stderr, "  %s: program %.1f %s, minimal %.1f %s, ratio of the medians %.2f", what, p,
               unit, m, unit, ratio);
  if (!pair_ratios.empty()) {
    std::fprintf(stderr, " (median of the pairs' ratios %.2f)", Median(pair_ratios));
  }
  if (target > 0) {
    std::fprintf(stderr, "; target at most %.2f: %s", target, ratio <= target ? "met" : "NOT MET");
  }
  std::fprintf(stderr, "\n");
}

void PrintSummary(const Run& run) {
  if (run.time_ratios.empty()) return;
  std::fprintf(stderr, "\nStart-up on %s, %zu pairs (medians)\n", run.platform.c_str(),
               run.time_ratios.size());
  PrintFigure("time to the end of the first paint", "ms", run.program.time_ms, run.minimal.time_ms,
              run.time_ratios, kTimeTarget);
  PrintFigure("CPU time until then", "ms", run.program.cpu_ms, run.minimal.cpu_ms, run.cpu_ratios,
              kCpuTarget);
  // What both spend alike before their own work (loading the libraries, creating the
  // application) swings with the machine's load; from the application on, the time is their own.
  PrintFigure("from the application's creation", "ms", run.program.own_ms, run.minimal.own_ms,
              run.own_ratios, kOwnTimeTarget);
  PrintFigure("CPU time from the application's creation", "ms", run.program.own_cpu_ms,
              run.minimal.own_cpu_ms, {}, 0);
  PrintFigure("peak memory", "kB", run.program.peak_kb, run.minimal.peak_kb, run.memory_ratios,
              kMemoryTarget);
  for (const auto* samples : {&run.program, &run.minimal}) {
    // The CPU time at each mark shows which stretch of the start-up the extra work is in.
    std::fprintf(stderr,
                 "  %s, medians of ms since the spawn, CPU ms spent and resident MB then:\n",
                 samples == &run.program ? "program" : "minimal");
    std::vector<std::tuple<double, std::string, double, double>> marks;
    for (const auto& [name, values] : samples->marks)
      marks.emplace_back(Median(values.ms), name, Median(values.cpu_ms),
                         Median(values.resident_kb));
    std::sort(marks.begin(), marks.end());
    for (const auto& [ms, name, cpu, kb] : marks)
      std::fprintf(stderr, "    %-24s %6.1f ms %6.1f ms CPU %6.1f MB\n", name.c_str(), ms, cpu,
                   kb / 1024);
    std::fprintf(stderr, "    %-24s %6.1f ms %6.1f ms CPU %6.1f MB (peak)\n", "first_paint_done",
                 Median(samples->time_ms), Median(samples->cpu_ms),
                 Median(samples->peak_kb) / 1024);
  }
}

// Runs this benchmark again under a private session bus: Qt on a desktop talks to one at start-up
// (accessibility, the platform theme), so the probes should find one too. Returns only when that
// cannot be done, and the run goes on without a bus.
void ReexecUnderSessionBus(int argc, char** argv) {
  if (std::getenv(kSessionBusVariable) != nullptr) return;
  setenv(kSessionBusVariable, "1", 1);
  std::vector<char*> args;
  std::string runner = "dbus-run-session", separator = "--";
  args.push_back(runner.data());
  args.push_back(separator.data());
  std::string self = (OwnFolder() / "startup_bench").string();
  args.push_back(self.data());
  for (int i = 1; i < argc; ++i)
    args.push_back(argv[i]);
  args.push_back(nullptr);
  execvp(runner.c_str(), args.data());
  std::fprintf(stderr, "dbus-run-session cannot run (%s); measuring without a session bus\n",
               std::strerror(errno));
  unsetenv(kSessionBusVariable);
}

}  // namespace

// Own option: --pairs=N (default 21) program/minimal pairs; the rest goes to Google Benchmark.
int main(int argc, char** argv) {
  ReexecUnderSessionBus(argc, argv);
  int pairs = kDefaultPairs;
  std::vector<char*> args;
  for (int i = 0; i < argc; ++i) {
    if (std::strncmp(argv[i], "--pairs=", 8) == 0) {
      pairs = std::max(1, std::atoi(argv[i] + 8));
    } else {
      args.push_back(argv[i]);
    }
  }
  int arg_count = static_cast<int>(args.size());
  args.push_back(nullptr);
  benchmark::Initialize(&arg_count, args.data());
  if (benchmark::ReportUnrecognizedArguments(arg_count, args.data())) return 1;

  Run& run = TheRun();
  run.program_probe = OwnFolder() / "startup_probe";
  run.minimal_probe = OwnFolder() / "minimal_probe";
  VirtualDisplay display;
  run.environment = ProbeEnvironment(display.name());
  run.platform = display.name().empty() ? "Qt's offscreen platform (no Xvfb could be started)"
                                        : "Xvfb " + display.name() + " (xcb)";
  run.platform +=
      std::getenv(kSessionBusVariable) != nullptr ? ", a private session bus" : ", no session bus";
  benchmark::AddCustomContext("probes_run_on", run.platform);

  // One pair before measuring: the files and font caches the probes read are then warm.
  for (const auto* probe : {&run.program_probe, &run.minimal_probe}) {
    const ProbeResult warm = RunProbe(*probe, run.environment);
    if (!warm.ok) {
      std::fprintf(stderr, "%s\n", warm.error.c_str());
      return 1;
    }
  }

  benchmark::RegisterBenchmark("BM_StartUp_ProgramVsMinimal", BM_StartUp_ProgramVsMinimal)
      ->Iterations(1)
      ->Repetitions(pairs)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond)
      ->ReportAggregatesOnly(true);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  PrintSummary(run);
  return run.time_ratios.size() == static_cast<size_t>(pairs) ? 0 : 1;
}
