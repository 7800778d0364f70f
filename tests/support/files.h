// Test files (the shipped sample data and examples, temporary folders) and the errors they raise.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>

#include "common/error.h"

namespace gw::test {
namespace fs = std::filesystem;

inline fs::path SampleDataFolder() {
  return fs::path(GW_SOURCE_DIR) / "data";
}
inline fs::path ExamplesFolder() {
  return fs::path(GW_SOURCE_DIR) / "examples";
}

// The error `action` raises, as "Kind: detail"; "" when it raises none.
inline std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const RuntimeError& e) {
    return e.what();
  }
  return "";
}

// A fresh folder under the system's temporary folder, removed with everything in it.
struct TempFolder {
  TempFolder() : path_((fs::temp_directory_path() / "gemwright-XXXXXX").string()) {
    if (mkdtemp(path_.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  }
  TempFolder(const TempFolder&) = delete;
  ~TempFolder() { fs::remove_all(path_); }
  fs::path path() const { return path_; }
  // Writes `text` byte for byte into the file `name` of the folder; returns its path.
  fs::path Write(std::string_view name, std::string_view text) const {
    std::ofstream(path() / name, std::ios::binary) << text;
    return path() / name;
  }
  std::string path_;
};

}  // namespace gw::test
