// The item library: a search over a library of 2,000 item files, read afresh as every search
// reads it (target: at most 100 ms), and Clear, Swap and Load of one item on the core model
// (target: at most 1 ms each, so the screen follows within one frame).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "common/text.h"
#include "data/data_files.h"
#include "library/item_library.h"
#include "ui/choice_window.h"

namespace {

namespace fs = std::filesystem;

fs::path Source() {
  return fs::path(GW_SOURCE_DIR);
}

// A library of `count` item files: the example's nineteen items in turn, each file one item
// named after its number, in a fresh folder removed at the end.
class Library {
 public:
  explicit Library(int count) {
    std::string pattern = (fs::temp_directory_path() / "gw-library-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    folder_ = pattern;
    std::vector<std::string> sections(gw::ui::kItemCount);
    std::istringstream lines(gw::ReadWholeFile(Source() / "examples" / "full-set.txt"));
    std::string line;
    while (std::getline(lines, line)) {
      if (!line.starts_with("ITEM") || line.size() < 7) continue;
      const int k = std::stoi(line.substr(4, 2));
      if (line.find("_NAME=") == std::string::npos) sections[static_cast<size_t>(k)] += line + "\n";
    }
    for (int i = 0; i < count; ++i) {
      const int k = i % gw::ui::kItemCount;
      std::ofstream(folder_ / ("item " + std::to_string(i) + ".txt"))
          << "; Gemwright Workshop item set\n"
          << sections[static_cast<size_t>(k)] << "ITEM" << (k < 10 ? "0" : "") << k << "_NAME=Item "
          << i << "\n";
    }
  }
  Library(const Library&) = delete;
  ~Library() { fs::remove_all(folder_); }
  const fs::path& folder() const { return folder_; }

 private:
  fs::path folder_;
};

void BM_Search_Library(benchmark::State& state) {
  const Library library(static_cast<int>(state.range(0)));
  gw::ReferenceTables tables;
  gw::InitData(Source() / "data", tables);
  // A ring with some thrust and quickness: what a player asks.
  const gw::LibraryQuery query{"Ring", {{gw::ui::kResist, 7, 1}, {gw::ui::kStat, 3, 0}}};
  size_t found = 0;
  for (auto _ : state) {
    const gw::LibrarySearch search = gw::SearchLibrary(library.folder(), query, tables);
    found = search.found.size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["found"] = static_cast<double>(found);
  state.SetItemsProcessed(state.iterations() * state.range(0));  // files read
}
BENCHMARK(BM_Search_Library)->Arg(2000)->Unit(benchmark::kMillisecond);

// The program's model after start-up with the example set opened, the Left Ring shown, every
// question answered with its first button and every choice with its first entry.
std::unique_ptr<gw::MainForm> OpenedForm() {
  auto form = std::make_unique<gw::MainForm>(Source() / "data");
  form->Form_Load();
  gw::ui::MainWindow& w = form->window();
  w.present_message = [](const std::string&, const std::string&) {};
  w.present_question = [](const std::string&, const std::string&, const std::vector<std::string>&) {
    return 1;
  };
  w.present_modal = [](gw::ui::Window& child) {
    static_cast<gw::ui::ChoiceWindow&>(child).cmdOK.Press();
  };
  form->OpenItemSet(Source() / "examples" / "full-set.txt");
  w.SSTab1.SetTab(15);
  return form;
}

// Clear, then undo, so that every Clear has an item to clear.
void BM_ClearItem(benchmark::State& state) {
  const std::unique_ptr<gw::MainForm> form = OpenedForm();
  gw::ui::MainWindow& w = form->window();
  for (auto _ : state) {
    w.cmdClearItem.Press();
    state.PauseTiming();
    w.mnuUndo.Press();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ClearItem)->Unit(benchmark::kMicrosecond);

void BM_SwapItem(benchmark::State& state) {
  const std::unique_ptr<gw::MainForm> form = OpenedForm();
  for (auto _ : state)
    form->window().cmdSwapItem.Press();
}
BENCHMARK(BM_SwapItem)->Unit(benchmark::kMicrosecond);

// An item file read, imported and taken into the shown item, as Enter on a search result does.
void BM_LoadItem(benchmark::State& state) {
  const Library library(1);
  const std::unique_ptr<gw::MainForm> form = OpenedForm();
  gw::ui::MainWindow& w = form->window();
  w.CommonDialog.chooser = [&] {
    return std::optional((library.folder() / "item 0.txt").string());
  };
  for (auto _ : state)
    w.cmdLoadItem.Press();
}
BENCHMARK(BM_LoadItem)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
