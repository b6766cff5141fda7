// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh folder under the system's temporary directory, removed at the end.
// Header-only so that every test program can use it.
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace tv::test {

class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("tilvane-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder as the readers take it: with a trailing '/'.
  std::string dir() const { return path_.string() + "/"; }

 private:
  std::filesystem::path path_;
};

}  // namespace tv::test
