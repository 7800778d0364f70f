// gemwright-report --check-data: what in the five data files is probably a mistake, although
// start-up reads it without a word (text where a number belongs reads as 0, a short section
// leaves its last entries empty, a later identifier hides an earlier one). Start-up's own reading
// is not changed by any of it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "data/data_files.h"

namespace gw::report {

struct DataFinding {
  DataFile file = DataFile::ImbuePoints;
  int line = 0;  // 0: the file as a whole
  std::string what;
};

// The findings in the text of one data file, in line order; the file as a whole last.
std::vector<DataFinding> CheckDataFile(DataFile file, std::string_view text);

// The findings in the five files in `folder`, in the order start-up reads them. Only for files
// that start-up accepts; a file that cannot be read is a RuntimeError, as at start-up.
std::vector<DataFinding> CheckDataFiles(const std::filesystem::path& folder);

// "velmora.dat line 12: ...", or "GemData1.dat: ..." for the file as a whole.
std::string Describe(const DataFinding& finding);

}  // namespace gw::report
