// Where the tests find the data files and item sets that ship with the program.
#pragma once

#include <filesystem>

#include "support/temp_folder.h"

namespace gw::test {

// The sample data files that ship with the program.
std::filesystem::path SampleDataFolder();
// The example item sets.
std::filesystem::path ExamplesFolder();

// A temporary copy of the sample data folder, for tests that replace one of its files.
class SampleDataCopy : public TempFolder {
 public:
  SampleDataCopy();
};

}  // namespace gw::test
