// A temporary folder for tests that need files on disk.
#pragma once

#include <filesystem>
#include <string_view>

namespace gw::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

  const std::filesystem::path& path() const { return path_; }
  // Writes `text` byte for byte into the file `name` of the folder; returns its path.
  std::filesystem::path Write(std::string_view name, std::string_view text) const;

 private:
  std::filesystem::path path_;
};

}  // namespace gw::test
