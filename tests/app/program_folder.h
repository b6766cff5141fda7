// SPDX-License-Identifier: GPL-3.0-or-later
// A program folder for window tests: the standard tileset's sheets and every shipped layout.
#pragma once

#include <filesystem>

namespace tv::test {

inline void CopyPlayContent(const std::filesystem::path& dir) {
  namespace fs = std::filesystem;
  const fs::path data = fs::path(TILVANE_SOURCE_DIR) / "data";
  fs::create_directories(dir / "tiles");
  for (const auto& entry : fs::directory_iterator(data / "tiles"))
    if (entry.path().filename().string().rfind("standard", 0) == 0)
      fs::copy_file(entry.path(), dir / "tiles" / entry.path().filename());
  fs::copy(data / "layouts", dir / "layouts");
}

}  // namespace tv::test
