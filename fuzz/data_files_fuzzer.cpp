// Any bytes as any of the five data files: each either loads or gives the clear report (the
// file, the line and what was wrong); nothing else may happen.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/error.h"
#include "data/data_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the file: '0' ImbuePoints.dat .. '4' velmora.dat.
  const auto which =
      static_cast<size_t>(static_cast<uint8_t>(data[0] - '0') % gw::kDataFiles.size());
  const gw::DataFile file = gw::kDataFiles[which];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  auto tables = std::make_unique<gw::ReferenceTables>();
  try {
    gw::ReadDataFile(file, text, *tables);
  } catch (const gw::RuntimeError& e) {
    const std::string where = std::string(gw::FileName(file)) + " line ";
    if (e.detail().rfind(where, 0) != 0) std::abort();  // a report that does not say where
  }
  return 0;
}
