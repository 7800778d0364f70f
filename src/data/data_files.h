// Reading the five data files into the reference tables. A failure names the file, the line and
// what was wrong there, and stops the reading.
#pragma once

#include <array>
#include <filesystem>
#include <string_view>

#include "data/reference_tables.h"

namespace gw {

enum class DataFile { ImbuePoints, GemData1, GemData2, GemData3, Velmora };

// In the order they are read.
inline constexpr std::array<DataFile, 5> kDataFiles = {DataFile::ImbuePoints, DataFile::GemData1,
                                                       DataFile::GemData2, DataFile::GemData3,
                                                       DataFile::Velmora};

// "ImbuePoints.dat", ...
std::string_view FileName(DataFile file);

// Reads the five files from `folder` in order into `tables`, which start empty.
void InitData(const std::filesystem::path& folder, ReferenceTables& tables);

// Reads the text of one file into its table. Errors carry "<file> line <n>: " before their detail.
void ReadDataFile(DataFile file, std::string_view text, ReferenceTables& tables);

}  // namespace gw
