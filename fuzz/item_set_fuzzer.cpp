// Any bytes as an item set file, read and written into the main window with every cascade: no
// crash, no sanitizer finding, no run-time error, the import flag cleared, and a report of it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string_view>

#include "app/main_form.h"
#include "import/item_set_import.h"
#include "import/item_set_reader.h"
#include "import/item_set_transfer.h"
#include "report/report.h"

namespace {

gw::MainForm& Form() {
  static const std::unique_ptr<gw::MainForm> form = [] {
    auto loaded = std::make_unique<gw::MainForm>(std::string(GW_SOURCE_DIR) + "/data");
    loaded->Form_Load();
    return loaded;
  }();
  return *form;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  gw::MainForm& form = Form();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  gw::ItemSetReading reading = gw::ReadItemSet(text, form.reference());
  if (!reading.has_item_lines) return 0;
  {
    const gw::ImportFlag importing(form.window());
    gw::TransferItemSet(reading.ImportedItems, reading.sources, form.window(), form.calculator(),
                        form.reference(), reading.problems);
  }
  // One format per input, picked by its length, so that each run writes half as much and both
  // writers still see every kind of plan.
  const gw::report::Report report = gw::report::Collect(form.window(), reading.problems);
  static std::ostringstream sink;
  sink.str({});
  if (size % 2 == 0) {
    gw::report::WriteText(sink, report);
  } else {
    gw::report::WriteJson(sink, report);
  }
  return 0;
}
