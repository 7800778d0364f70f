// How long File, Open... takes with the full example item set: on the core model alone, and
// through the Qt program with the shown page's widgets or every page's widgets kept in step; how
// reading an item set grows with its length; and how far a 1M-line item set raises peak memory.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMainWindow>
#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <variant>
#include <vector>

#include "app/main_form.h"
#include "common/error.h"
#include "import/import_problems.h"
#include "import/item_set_reader.h"
#include "qt/program.h"
#include "ui/lists.h"
#include "ui/main_window.h"

extern char** environ;

namespace {

std::filesystem::path DataFolder() {
  return std::filesystem::path(GW_SOURCE_DIR) / "data";
}

std::string ExampleSet() {
  return (std::filesystem::path(GW_SOURCE_DIR) / "examples" / "full-set.txt").string();
}

// The example item set with every item moved one place on (item 18 becomes item 0). Imported in
// turns with the example, every import changes every item, caption and total, where importing
// the same file again leaves unchanged captions alone.
class MovedExampleSet {
 public:
  MovedExampleSet()
      : path_(std::filesystem::temp_directory_path() /
              ("gw_import_bench_" + std::to_string(getpid()) + ".txt")) {
    std::ifstream in(ExampleSet());
    std::ofstream out(path_);
    std::string line;
    while (std::getline(in, line)) {
      if (line.size() > 6 && line.compare(0, 4, "ITEM") == 0 &&
          std::isdigit(static_cast<unsigned char>(line[4])) &&
          std::isdigit(static_cast<unsigned char>(line[5]))) {
        const int item = ((line[4] - '0') * 10 + (line[5] - '0') + 1) % gw::ui::kItemCount;
        line[4] = static_cast<char>('0' + item / 10);
        line[5] = static_cast<char>('0' + item % 10);
      }
      out << line << '\n';
    }
  }
  ~MovedExampleSet() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  MovedExampleSet(const MovedExampleSet&) = delete;
  MovedExampleSet& operator=(const MovedExampleSet&) = delete;

  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

enum class Files { kExampleOnly, kInTurns };

// What the open-file dialog answers: the example every time, or the example and the moved
// example in turns. Remembers its last answer.
class Chooser {
 public:
  explicit Chooser(Files files) {
    paths_.push_back(ExampleSet());
    if (files == Files::kInTurns) {
      static const MovedExampleSet moved;
      paths_.push_back(moved.path());
    }
  }
  std::optional<std::string> operator()() {
    last_ = paths_[next_++ % paths_.size()];
    return last_;
  }
  const std::string& last() const { return last_; }

 private:
  std::vector<std::string> paths_;
  size_t next_ = 0;
  std::string last_;
};

// After the timed imports: the last file chosen really reached the window, without a message.
void CheckImported(benchmark::State& state, gw::ui::MainWindow& w, const Chooser& chooser,
                   const gw::ReferenceTables& tables, const std::vector<std::string>& messages) {
  if (!messages.empty()) {
    state.SkipWithError(("the import said: " + messages.front()).c_str());
    return;
  }
  const gw::ItemSetReading last = gw::ReadItemSetFile(chooser.last(), tables);
  for (int item = 0; item < gw::ui::kItemCount; ++item) {
    if (w.txtItemName[static_cast<size_t>(item)].Text() !=
        last.ImportedItems[static_cast<size_t>(item)].ItemName) {
      state.SkipWithError("the item set did not reach the window");
      return;
    }
  }
  if (w.lblHitsVal.Caption() == "0") state.SkipWithError("the totals were not rebuilt");
}

// The whole import on the core model: the dialog, reading, the transfer with every cascade of
// handlers, the totals.
void BM_ImportFullSet_Core(benchmark::State& state, Files files) {
  gw::MainForm form(DataFolder());
  try {
    form.Form_Load();
  } catch (const gw::RuntimeError& e) {
    state.SkipWithError(e.detail().c_str());
    return;
  }
  gw::ui::MainWindow& w = form.window();
  Chooser chooser(files);
  w.CommonDialog.chooser = [&chooser] { return chooser(); };
  std::vector<std::string> messages;
  w.present_message = [&messages](const std::string&, const std::string& text) {
    messages.push_back(text);
  };
  for (auto _ : state) {
    w.mnuOpen.Press();
  }
  CheckImported(state, w, chooser, form.reference(), messages);
}
BENCHMARK_CAPTURE(BM_ImportFullSet_Core, Example, Files::kExampleOnly)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_ImportFullSet_Core, InTurnsWithMoved, Files::kInTurns)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

enum class Pages { kShown, kEvery };

// The same import through the Qt program: the event gate runs it and then brings the built
// widgets up to date. With Pages::kEvery all nineteen tab pages were shown once before, so the
// widgets of every page follow the import, not only the shown page's. Painting is not timed: it
// runs between the imports, as in the program, and its average is reported as `repaint_ms`.
void BM_ImportFullSet_Qt(benchmark::State& state, Pages pages, Files files) {
  std::vector<std::string> errors, messages;
  Chooser chooser(files);
  gw::qt::ProgramHooks hooks;
  hooks.show_error = [&errors](const std::string&, const std::string& text) {
    errors.push_back(text);
  };
  hooks.terminate = [](int) {};
  hooks.show_message = [&messages](const std::string&, const std::string& text) {
    messages.push_back(text);
  };
  hooks.choose_file = [&chooser] { return chooser(); };
  hooks.run_modal = [](QDialog&) {};

  gw::qt::Program program(DataFolder(), hooks);
  if (!program.Start()) {
    state.SkipWithError(errors.empty() ? "start-up failed" : errors.front().c_str());
    return;
  }
  gw::ui::MainWindow& model = program.form().window();
  if (pages == Pages::kEvery) {
    const int shown = model.SSTab1.Tab();
    for (int tab = 0; tab < gw::ui::kItemCount; ++tab) {
      program.gate().Run([&] { model.SSTab1.SetTab(tab); });
    }
    program.gate().Run([&] { model.SSTab1.SetTab(shown); });
  }
  QApplication::processEvents();  // the first paint

  double repaint_ms = 0;
  for (auto _ : state) {
    program.gate().Run([&] { model.mnuOpen.Press(); });
    state.PauseTiming();
    QElapsedTimer repaint;
    repaint.start();
    QApplication::processEvents();
    repaint_ms += static_cast<double>(repaint.nsecsElapsed()) / 1e6;
    state.ResumeTiming();
  }
  state.counters["widgets"] = static_cast<double>(program.view()->built());
  state.counters["repaint_ms"] = benchmark::Counter(repaint_ms, benchmark::Counter::kAvgIterations);

  if (!errors.empty()) {
    state.SkipWithError(errors.front().c_str());
    return;
  }
  CheckImported(state, model, chooser, program.form().reference(), messages);
  auto* name = program.main_window()->findChild<QLineEdit*>("txtItemName(0)");
  if (name == nullptr || name->text().toStdString() != model.txtItemName[0].Text()) {
    state.SkipWithError("the widgets did not follow the import");
  }
}
BENCHMARK_CAPTURE(BM_ImportFullSet_Qt, ShownPage_Example, Pages::kShown, Files::kExampleOnly)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_ImportFullSet_Qt, ShownPage_InTurnsWithMoved, Pages::kShown, Files::kInTurns)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_ImportFullSet_Qt, EveryPage_Example, Pages::kEvery, Files::kExampleOnly)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_ImportFullSet_Qt, EveryPage_InTurnsWithMoved, Pages::kEvery, Files::kInTurns)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// The reference tables, read once for all the reading benchmarks.
const gw::ReferenceTables& Tables() {
  static gw::MainForm* const form = [] {
    auto* f = new gw::MainForm(DataFolder());
    f->Form_Load();
    return f;
  }();
  return form->reference();
}

// Line `i` of a generated item set, as a player's file holds them: the nineteen items in turn,
// each with every item field and the three fields of its four gems, with values that vary from
// item to item.
void AppendItemSetLine(std::string& text, int64_t i, const gw::ReferenceTables& tables) {
  constexpr int kItemFields = 8;
  constexpr int kGemFields = 3;
  constexpr int kFieldsPerItem = kItemFields + gw::ui::kGemsPerItem * kGemFields;
  char line[96];
  const int64_t block = i / kFieldsPerItem;
  const int field = static_cast<int>(i % kFieldsPerItem);
  const int item = static_cast<int>(block % gw::ui::kItemCount);
  const int vary = static_cast<int>(block % 97);
  int n = 0;
  if (field < kItemFields) {
    switch (field) {
      case 0:
        n = std::snprintf(line, sizeof line, "ITEM%02d_NAME=Generated Item %d\n", item, vary);
        break;
      case 1:
        n = std::snprintf(line, sizeof line, "ITEM%02d_QUALITY=%d\n", item, vary % 7);
        break;
      case 2:
        n = std::snprintf(line, sizeof line, "ITEM%02d_LEVEL=%d\n", item, 1 + vary % 51);
        break;
      case 3:
        n = std::snprintf(line, sizeof line, "ITEM%02d_EQUIPPED=%d\n", item, vary % 2);
        break;
      case 4:
        n = std::snprintf(line, sizeof line, "ITEM%02d_PLAYER_MADE=%d\n", item, 1 - vary % 3 / 2);
        break;
      case 5:
        n = std::snprintf(line, sizeof line, "ITEM%02d_DPS=%d.%d\n", item, 80 + vary % 30,
                          vary % 10);
        break;
      case 6:
        n = std::snprintf(line, sizeof line, "ITEM%02d_SPEED=%d.%d\n", item, 2 + vary % 4,
                          vary % 10);
        break;
      default:
        n = std::snprintf(line, sizeof line, "ITEM%02d_BONUS=%d\n", item, 5 + vary % 31);
        break;
    }
  } else {
    const int gem = (field - kItemFields) / kGemFields;
    switch ((field - kItemFields) % kGemFields) {
      case 0:
        n = std::snprintf(line, sizeof line, "ITEM%02d_GEM%d_QUALITY=%d\n", item, gem,
                          (vary + gem) % 7);
        break;
      case 1:
        n = std::snprintf(line, sizeof line, "ITEM%02d_GEM%d_LEVEL=%d\n", item, gem,
                          (vary + gem) % 10);
        break;
      default: {
        const int id = 1 + static_cast<int>((block * gw::ui::kGemsPerItem + gem) % gw::kGemIds);
        n = std::snprintf(line, sizeof line, "ITEM%02d_GEM%d_GEM_ID=%s\n", item, gem,
                          tables.GemIdList(id).GemId.c_str());
        break;
      }
    }
  }
  text.append(line, static_cast<size_t>(n));
}

// Line `i` of an item set whose every line but the first is refused, in four ways in turn: an
// item quality, an item number, a gem number and a gem level outside what they may be. The first
// line sets an item level, so the import goes ahead and lists what it skipped.
void AppendRefusedLine(std::string& text, int64_t i) {
  char line[64];
  const int vary = static_cast<int>(i % 97);
  int n = 0;
  switch (i == 0 ? -1 : i % 4) {
    case -1:
      n = std::snprintf(line, sizeof line, "ITEM00_LEVEL=50\n");
      break;
    case 0:
      n = std::snprintf(line, sizeof line, "ITEM%02d_QUALITY=%d\n", vary % gw::ui::kItemCount,
                        7 + vary);
      break;
    case 1:
      n = std::snprintf(line, sizeof line, "ITEM%02d_LEVEL=5\n", gw::ui::kItemCount + vary % 80);
      break;
    case 2:
      n = std::snprintf(line, sizeof line, "ITEM%02d_GEM%d_QUALITY=1\n", vary % gw::ui::kItemCount,
                        gw::ui::kGemsPerItem + vary % 6);
      break;
    default:
      n = std::snprintf(line, sizeof line, "ITEM%02d_GEM%d_LEVEL=%d\n", vary % gw::ui::kItemCount,
                        vary % gw::ui::kGemsPerItem, 256 + vary);
      break;
  }
  text.append(line, static_cast<size_t>(n));
}

enum class Lines { kValid, kRefused };

// The first `lines` lines of the generated item set.
std::string GenerateItemSet(int64_t lines, const gw::ReferenceTables& tables) {
  std::string text;
  text.reserve(static_cast<size_t>(lines) * 32);
  for (int64_t i = 0; i < lines; ++i)
    AppendItemSetLine(text, i, tables);
  return text;
}

// Reading alone, on generated item sets of growing length: it must grow linearly.
void BM_ReadItemSet(benchmark::State& state) {
  const gw::ReferenceTables& tables = Tables();
  const std::string text = GenerateItemSet(state.range(0), tables);
  if (!gw::ReadItemSet(text, tables).problems.empty()) {
    state.SkipWithError("the generated item set has settings that cannot be used");
    return;
  }
  for (auto _ : state) {
    gw::ItemSetReading reading = gw::ReadItemSet(text, tables);
    benchmark::DoNotOptimize(reading);
    benchmark::ClobberMemory();
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
  state.counters["lines"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_ReadItemSet)
    ->RangeMultiplier(10)
    ->Range(1'000, 100'000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The peak resident memory since the last reset, and the resident memory now, in bytes; -1 when
// unknown.
int64_t StatusBytes(const char* field) {
  std::ifstream in("/proc/self/status");
  std::string line;
  const size_t length = std::strlen(field);
  while (std::getline(in, line)) {
    if (line.compare(0, length, field) == 0) {
      return std::strtoll(line.c_str() + length, nullptr, 10) * 1024;
    }
  }
  return -1;
}

// Sets the peak resident memory back to the resident memory now (Linux 4.0 on).
bool ResetPeakMemory() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  clear.flush();
  return static_cast<bool>(clear);
}

// A generated item set of `lines` lines in a file of its own, written a little at a time so that
// making it leaves no large block in the heap to flatter the import's peak memory.
class GeneratedItemSetFile {
 public:
  GeneratedItemSetFile(Lines kind, int64_t lines, const gw::ReferenceTables& tables)
      : path_(std::filesystem::temp_directory_path() /
              ("gw_import_bench_big_" + std::to_string(getpid()) + ".txt")) {
    std::ofstream out(path_, std::ios::binary);
    std::string chunk;
    for (int64_t i = 0; i < lines; ++i) {
      if (kind == Lines::kValid) {
        AppendItemSetLine(chunk, i, tables);
      } else {
        AppendRefusedLine(chunk, i);
      }
      if (chunk.size() > 60'000) {
        out << chunk;
        chunk.clear();
      }
    }
    out << chunk;
    out.close();
    ok_ = static_cast<bool>(out);
  }
  ~GeneratedItemSetFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  GeneratedItemSetFile(const GeneratedItemSetFile&) = delete;
  GeneratedItemSetFile& operator=(const GeneratedItemSetFile&) = delete;

  bool ok() const { return ok_; }
  std::string path() const { return path_.string(); }
  int64_t size() const {
    std::error_code ignored;
    return static_cast<int64_t>(std::filesystem::file_size(path_, ignored));
  }

 private:
  std::filesystem::path path_;
  bool ok_ = false;
};

constexpr const char* kPeakChildOption = "--import-peak-of=";

// In a process of its own, so that what earlier imports and benchmarks left in the heap does not
// change the figure: loads the data files, resets the peak, opens `path` through File, Open... on
// the core model and prints how far the import raised the peak resident memory, in bytes, how long
// it took, in milliseconds, and then the import's message, if any; or an error. Returns the
// process status.
int ImportPeakChild(const std::string& path) {
  gw::MainForm form(DataFolder());
  try {
    form.Form_Load();
  } catch (const gw::RuntimeError& e) {
    std::printf("error %s\n", e.detail().c_str());
    return 1;
  }
  gw::ui::MainWindow& w = form.window();
  w.CommonDialog.chooser = [&path]() -> std::optional<std::string> { return path; };
  std::string message;
  w.present_message = [&message](const std::string&, const std::string& text) { message = text; };
  if (!ResetPeakMemory()) {
    std::printf("error the peak memory cannot be reset (/proc/self/clear_refs)\n");
    return 1;
  }
  const int64_t before = StatusBytes("VmRSS:");
  const auto start = std::chrono::steady_clock::now();
  w.mnuOpen.Press();
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  const int64_t peak = StatusBytes("VmHWM:");
  if (before < 0 || peak < 0) {
    std::printf("error the resident memory cannot be read (/proc/self/status)\n");
    return 1;
  }
  std::printf("growth %lld %.3f\n%s", static_cast<long long>(peak - before), took.count(),
              message.c_str());
  return 0;
}

struct ChildImport {
  int64_t growth_bytes = 0;
  double ms = 0;
  std::string message;
};

// Runs ImportPeakChild in a fresh process of this program; what it measured, or an error.
std::variant<ChildImport, std::string> ImportPeakInChild(const std::string& path) {
  std::string self = std::filesystem::canonical("/proc/self/exe").string();
  std::string option = kPeakChildOption + path;
  char* argv[] = {self.data(), option.data(), nullptr};
  int out[2];
  if (pipe(out) != 0) return std::string("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[1]);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, self.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  std::string said;
  if (spawned == 0) {
    char buffer[512];
    ssize_t n = 0;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
      said.append(buffer, static_cast<size_t>(n));
  }
  close(out[0]);
  if (spawned != 0) return "cannot start " + self + ": " + std::strerror(spawned);
  int status = 0;
  waitpid(pid, &status, 0);
  long long growth = 0;
  double ms = 0;
  const size_t end_of_figures = said.find('\n');
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0 && end_of_figures != std::string::npos &&
      std::sscanf(said.c_str(), "growth %lld %lf", &growth, &ms) == 2) {
    return ChildImport{static_cast<int64_t>(growth), ms, said.substr(end_of_figures + 1)};
  }
  return said.empty() ? "the measuring process failed" : said;
}

// File, Open... of a generated item set on the core model, each time in a fresh process: how far
// the import raises the peak resident memory over what the program held before, against the
// file's size, and how long it takes. Target: at most 1.1 times the file, for a valid set and for
// one whose every line but the first is refused (only the first twenty refusals are kept).
void BM_ImportMillionLines_PeakMemory(benchmark::State& state, Lines kind) {
  const int64_t lines = state.range(0);
  const GeneratedItemSetFile file(kind, lines, Tables());
  if (!file.ok()) {
    state.SkipWithError("the generated item set cannot be written");
    return;
  }
  // A valid set imports without a word; a refused one lists the first twenty and counts the rest.
  const std::string expected_end =
      kind == Lines::kValid
          ? ""
          : "... and " + std::to_string(lines - 1 - int64_t{gw::ImportProblems::kKept}) + " more.";
  std::vector<double> growths, times;
  for (auto _ : state) {
    const std::variant<ChildImport, std::string> run = ImportPeakInChild(file.path());
    if (const auto* error = std::get_if<std::string>(&run)) {
      state.SkipWithError(error->c_str());
      return;
    }
    const ChildImport& measured = std::get<ChildImport>(run);
    const std::string& message = measured.message;
    if (message.size() < expected_end.size() ||
        message.compare(message.size() - expected_end.size(), std::string::npos, expected_end) !=
            0 ||
        (kind == Lines::kValid) != message.empty()) {
      state.SkipWithError(("the import said: " + message.substr(0, 300)).c_str());
      return;
    }
    growths.push_back(static_cast<double>(measured.growth_bytes));
    times.push_back(measured.ms);
  }
  std::sort(growths.begin(), growths.end());
  std::sort(times.begin(), times.end());
  const double growth_bytes = growths[growths.size() / 2];
  const double ms = times[times.size() / 2];
  const double file_bytes = static_cast<double>(file.size());
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["file_MB"] = file_bytes / 1e6;
  state.counters["peak_growth_MB"] = growth_bytes / 1e6;
  state.counters["growth_per_file_byte"] = growth_bytes / file_bytes;
  state.counters["import_ms"] = ms;
  std::fprintf(stderr,
               "%lld %s lines: file %.1f MB, peak memory growth %.1f MB, %.2f times the file "
               "(target at most 1.1: %s); import %.0f ms, %.2f us a line (medians of %zu)\n",
               static_cast<long long>(lines), kind == Lines::kValid ? "valid" : "refused",
               file_bytes / 1e6, growth_bytes / 1e6, growth_bytes / file_bytes,
               growth_bytes <= 1.1 * file_bytes ? "met" : "NOT MET", ms,
               ms * 1000 / static_cast<double>(lines), growths.size());
}
BENCHMARK_CAPTURE(BM_ImportMillionLines_PeakMemory, Valid, Lines::kValid)
    ->Arg(1'000'000)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
// At two lengths, so that the time a line takes shows the import stays linear.
BENCHMARK_CAPTURE(BM_ImportMillionLines_PeakMemory, Refused, Lines::kRefused)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace

// Qt's offscreen platform unless a display is chosen: the Qt benchmarks need no display.
int main(int argc, char** argv) {
  if (argc == 2 && std::strncmp(argv[1], kPeakChildOption, std::strlen(kPeakChildOption)) == 0) {
    return ImportPeakChild(argv[1] + std::strlen(kPeakChildOption));
  }
  // The offscreen platform warns on every fixed-size main window; nothing to act on here.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context,
                            const QString& text) {
    if (text.startsWith("This plugin does not support propagateSizeHints")) return;
    std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, text).toLocal8Bit().constData());
  });
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  gw::qt::ApplyProgramLook();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::AddCustomContext("qt_platform", QApplication::platformName().toStdString());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
