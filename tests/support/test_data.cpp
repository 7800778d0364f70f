#include "support/test_data.h"

#include "data/data_files.h"

namespace gw::test {

std::filesystem::path SampleDataFolder() {
  return std::filesystem::path(GW_SOURCE_DIR) / "data";
}
std::filesystem::path ExamplesFolder() {
  return std::filesystem::path(GW_SOURCE_DIR) / "examples";
}

SampleDataCopy::SampleDataCopy() {
  for (DataFile file : kDataFiles) {
    std::filesystem::copy_file(SampleDataFolder() / FileName(file), path() / FileName(file));
  }
}

}  // namespace gw::test
