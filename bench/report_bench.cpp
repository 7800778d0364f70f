// gemwright-report as a whole process: the report of the example set against a process that
// only starts and exits (gemwright-report --version), in turns. Reports the medians of both and
// of their difference, the report's own cost, in wall time and in the CPU time the two
// processes used (steadier on a busy machine). Target: at most 5 ms more than the start.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Times {
  double wall_ms = -1;  // from the spawn to the exit; negative when it failed
  double cpu_ms = 0;    // user and system time of the process
};

// Runs `gemwright-report argument`, output discarded.
Times RunReport(const std::string& argument) {
  static const std::string program =
      (std::filesystem::canonical("/proc/self/exe").parent_path() / "gemwright-report").string();
  std::string path = program, arg = argument;
  char* argv[] = {path.data(), arg.data(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  rusage usage{};
  if (spawned != 0 || wait4(pid, &status, 0, &usage) != pid) return {};
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
  const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
  return {std::chrono::duration<double, std::milli>(end - start).count(),
          ms(usage.ru_utime) + ms(usage.ru_stime)};
}

void ReportOverStart(benchmark::State& state) {
  const std::string example = std::string(GW_SOURCE_DIR) + "/examples/full-set.txt";
  std::vector<double> starts, reports, extras, extras_cpu;
  for (auto _ : state) {
    const Times start = RunReport("--version");
    const Times report = RunReport(example);
    if (start.wall_ms < 0 || report.wall_ms < 0) {
      state.SkipWithError("gemwright-report failed");
      return;
    }
    starts.push_back(start.wall_ms);
    reports.push_back(report.wall_ms);
    extras.push_back(report.wall_ms - start.wall_ms);
    extras_cpu.push_back(report.cpu_ms - start.cpu_ms);
    state.SetIterationTime(std::max(0.0, report.wall_ms - start.wall_ms) / 1000);
  }
  state.counters["start_ms"] = Median(starts);
  state.counters["report_ms"] = Median(reports);
  state.counters["extra_ms"] = Median(extras);
  state.counters["extra_cpu_ms"] = Median(extras_cpu);
}
BENCHMARK(ReportOverStart)->UseManualTime()->Iterations(41)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
