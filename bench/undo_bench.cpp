// Undo and redo on the core model: one gem choice and a whole import taken back and brought
// again, what a player's choice costs with its step kept against the bare evaluation, what a cap
// and the totals read against caps cost, and how many bytes a step of the history holds.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/main_form.h"
#include "calc/wiring.h"
#include "data/data_files.h"

namespace {

std::filesystem::path DataFolder() {
  return std::filesystem::path(GW_SOURCE_DIR) / "data";
}

std::string ExampleSet() {
  return (std::filesystem::path(GW_SOURCE_DIR) / "examples" / "full-set.txt").string();
}

// The program's model after start-up with the example set opened, questions answered "Discard".
std::unique_ptr<gw::MainForm> OpenedForm() {
  auto form = std::make_unique<gw::MainForm>(DataFolder());
  form->Form_Load();
  gw::ui::MainWindow& w = form->window();
  w.present_message = [](const std::string&, const std::string&) {};
  w.present_question = [](const std::string&, const std::string&, const std::vector<std::string>&) {
    return 1;
  };
  form->OpenItemSet(ExampleSet());
  return form;
}

// A gem's type chosen, then undone and redone: each iteration is one undo and one redo.
void BM_UndoRedo_OneGemChoice(benchmark::State& state) {
  const std::unique_ptr<gw::MainForm> form = OpenedForm();
  gw::ui::MainWindow& w = form->window();
  w.cboType[1].SetListIndex(gw::ui::kResist);
  for (auto _ : state) {
    w.mnuUndo.Press();
    w.mnuRedo.Press();
  }
  state.SetItemsProcessed(2 * state.iterations());  // undo or redo steps
}
BENCHMARK(BM_UndoRedo_OneGemChoice)->Unit(benchmark::kMicrosecond);

// The example set's import undone (every item back to the empty plan) and redone.
void BM_UndoRedo_WholeImport(benchmark::State& state) {
  const std::unique_ptr<gw::MainForm> form = OpenedForm();
  gw::ui::MainWindow& w = form->window();
  for (auto _ : state) {
    w.mnuUndo.Press();
    w.mnuRedo.Press();
  }
  state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_UndoRedo_WholeImport)->Unit(benchmark::kMicrosecond);

// A player's gem choice in the program's model, which keeps it as a step for undo...
void BM_Choice_WithHistory(benchmark::State& state) {
  const std::unique_ptr<gw::MainForm> form = OpenedForm();
  gw::ui::MainWindow& w = form->window();
  int type = gw::ui::kStat;
  for (auto _ : state) {
    type = type == gw::ui::kStat ? gw::ui::kResist : gw::ui::kStat;
    w.cboType[1].SetListIndex(type);
  }
}
BENCHMARK(BM_Choice_WithHistory)->Unit(benchmark::kMicrosecond);

// ...against the same choice on a window wired to the evaluation alone.
void BM_Choice_EvaluationAlone(benchmark::State& state) {
  gw::ReferenceTables tables;
  gw::InitData(DataFolder(), tables);
  gw::ConstantTables constants;
  gw::InitConst(constants);
  gw::ui::MainWindow w;
  gw::Calculator calc(w, tables, constants);
  gw::WireEvaluation(w, calc);
  int type = gw::ui::kStat;
  for (auto _ : state) {
    type = type == gw::ui::kStat ? gw::ui::kResist : gw::ui::kStat;
    w.cboType[1].SetListIndex(type);
  }
}
BENCHMARK(BM_Choice_EvaluationAlone)->Unit(benchmark::kMicrosecond);

// A cap typed and committed in the program's model, in "Distance to Cap": the totals read
// against every cap, the step kept.
void BM_CapCommit_WithHistory(benchmark::State& state) {
  const std::unique_ptr<gw::MainForm> form = OpenedForm();
  gw::ui::MainWindow& w = form->window();
  w.optCap.UserClick();
  bool odd = false;
  for (auto _ : state) {
    odd = !odd;
    w.txtStat[0].UserTyped(odd ? "75" : "88");
    w.txtStat[0].UserCommit();
  }
}
BENCHMARK(BM_CapCommit_WithHistory)->Unit(benchmark::kMicrosecond);

// The totals' evaluation alone, every row capped and read as distance to cap: what a cap, the
// display choice or the equipped-only rule sets off.
void BM_Totals_AgainstCaps(benchmark::State& state) {
  const std::unique_ptr<gw::MainForm> form = OpenedForm();
  gw::ui::MainWindow& w = form->window();
  for (size_t p = 0; p < gw::ui::kPanels.size(); ++p) {
    for (gw::ui::TextBox& cap : w.Panel(p).texts)
      cap.SetText("50");
  }
  w.optCap.UserClick();
  for (auto _ : state)
    form->calculator().DisplayTotal();
}
BENCHMARK(BM_Totals_AgainstCaps)->Unit(benchmark::kMicrosecond);

// The heap a full history holds: a thousand steps over the example set, each naming an item
// anew with a name too long to be kept inside the string itself.
void BM_History_BytesPerStep(benchmark::State& state) {
  for (auto _ : state) {
    const std::unique_ptr<gw::MainForm> form = OpenedForm();
    gw::ui::MainWindow& w = form->window();
    const size_t before = mallinfo2().uordblks;
    const size_t steps = gw::PlanHistory::kSteps;
    for (size_t i = 0; i < steps; ++i) {
      gw::ui::TextBox& name = w.txtItemName[static_cast<int>(i % gw::ui::kItemCount)];
      name.UserTyped("A name longer than a short string " + std::to_string(i));
      name.UserCommit();
    }
    const size_t after = mallinfo2().uordblks;
    state.counters["bytes_per_step"] =
        static_cast<double>(after - before) / static_cast<double>(steps);
    state.counters["history_MB"] = static_cast<double>(after - before) / 1e6;
    state.counters["steps"] = static_cast<double>(form->history().size() - 1);
  }
}
BENCHMARK(BM_History_BytesPerStep)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
