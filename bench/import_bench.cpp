// How long File, Open... takes with the full example item set: on the core model alone, and
// through the Qt program with the shown page's widgets or every page's widgets kept in step; and
// how reading an item set grows with its length.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMainWindow>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "app/main_form.h"
#include "common/error.h"
#include "import/item_set_reader.h"
#include "qt/program.h"
#include "ui/lists.h"
#include "ui/main_window.h"

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

// `lines` item lines as a player's file holds them: the nineteen items in turn, each with every
// item field and the three fields of its four gems, with values that vary from item to item.
std::string GenerateItemSet(int64_t lines, const gw::ReferenceTables& tables) {
  constexpr int kItemFields = 8;
  constexpr int kGemFields = 3;
  constexpr int kFieldsPerItem = kItemFields + gw::ui::kGemsPerItem * kGemFields;
  std::string text;
  text.reserve(static_cast<size_t>(lines) * 32);
  char line[96];
  for (int64_t i = 0; i < lines; ++i) {
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

}  // namespace

// Qt's offscreen platform unless a display is chosen: the Qt benchmarks need no display.
int main(int argc, char** argv) {
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
