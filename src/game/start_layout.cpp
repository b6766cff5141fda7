// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/start_layout.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "game/files.h"
#include "game/layout_file.h"

namespace tv {

std::string FirstLayoutName(const std::string& layoutsDir) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(layoutsDir, error)) {
    const std::string file = entry.path().filename().string();
    if (file.size() > 4 && EqualsIgnoreCase(file.substr(file.size() - 4), ".mah"))
      names.push_back(BareLayoutName(file));
  }
  if (names.empty()) return {};
  return *std::min_element(names.begin(), names.end(),
                           [](const auto& a, const auto& b) { return LessIgnoreCase(a, b); });
}

bool ReadStartLayout(const std::string& layoutsDir, const std::string& remembered,
                     const std::string& fallback, MODE_P& board) {
  bool read = ReadLayout(layoutsDir, remembered, board).Ok() ||
              ReadLayout(layoutsDir, fallback, board).Ok();
  if (!read) {
    const std::string first = FirstLayoutName(layoutsDir);
    read = !first.empty() && ReadLayout(layoutsDir, first, board).Ok();
  }
  if (!read) return false;
  // Nothing is shown before the first deal places the faces.
  for (TILE_P& tile : board.Tiles) tile.Present = false;
  return true;
}

}  // namespace tv
