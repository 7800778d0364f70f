// Files for the tests: the sample data and examples that ship with the program, temporary folders.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "data/data_files.h"

namespace gw::test {

inline std::filesystem::path SampleDataFolder() {
  return std::filesystem::path(GW_SOURCE_DIR) / "data";
}
inline std::filesystem::path ExamplesFolder() {
  return std::filesystem::path(GW_SOURCE_DIR) / "examples";
}

// A fresh folder under the system's temporary folder, removed with everything in it.
struct TempFolder {
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "gemwright-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  TempFolder(const TempFolder&) = delete;
  ~TempFolder() { std::filesystem::remove_all(path_); }
  const std::filesystem::path& path() const { return path_; }
  // Writes `text` byte for byte into the file `name` of the folder; returns its path.
  std::filesystem::path Write(std::string_view name, std::string_view text) const {
    std::ofstream(path_ / name, std::ios::binary) << text;
    return path_ / name;
  }
  std::filesystem::path path_;
};

// A temporary copy of the sample data folder, for tests that replace one of its files.
struct SampleDataCopy : TempFolder {
  SampleDataCopy() {
    for (DataFile file : kDataFiles)
      std::filesystem::copy_file(SampleDataFolder() / FileName(file), path() / FileName(file));
  }
};

}  // namespace gw::test
