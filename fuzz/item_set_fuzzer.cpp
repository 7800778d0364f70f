// Any bytes as an item set file, read and written into the main window with every cascade: no
// crash, no sanitizer finding, no run-time error, the import flag cleared, and a report of it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "app/main_form.h"
#include "calc/wiring.h"
#include "import/item_set_import.h"
#include "report/report.h"

namespace {

// A main window wired to the evaluation over the shipped data, as start-up leaves it. It keeps no
// undo history: a history that grows with every input would look like a leak to the fuzzer.
struct Desk {
  Desk()
      : form(std::string(GW_SOURCE_DIR) + "/data"),
        calc(window, form.reference(), form.constants()) {
    form.Form_Load();
    gw::WireEvaluation(window, calc);
    calc.PrepareItem(0);
  }
  gw::MainForm form;  // reads the data files as start-up does
  gw::ui::MainWindow window;
  gw::Calculator calc;
};

Desk& TheDesk() {
  static Desk desk;
  return desk;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Desk& desk = TheDesk();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const gw::ImportOutcome outcome =
      gw::ImportItemSetText(desk.window, desk.calc, desk.form.reference(), text, "fuzz.txt");
  if (desk.window.ImportInProgress) std::abort();
  if (outcome.status == gw::ImportStatus::NotImported) return 0;  // the plan is as it was
  // One format per input, picked by its length, so that each run writes half as much and both
  // writers still see every kind of plan.
  const gw::report::Report report = gw::report::Collect(desk.window, outcome.problems);
  static std::ostringstream sink;
  sink.str({});
  if (size % 2 == 0) {
    gw::report::WriteText(sink, report);
  } else {
    gw::report::WriteJson(sink, report);
  }
  return 0;
}
