// SPDX-License-Identifier: GPL-3.0-or-later
// Chooses the layout the program starts with, falling back step by step.
#include "game/start_layout.h"

#include <vector>

#include "game/layout_file.h"
#include "game/names.h"

namespace tv {

std::string FirstLayoutName(const std::string& layoutsDir) {
  const std::vector<LayoutFile> files = ListLayoutFolder(layoutsDir);
  return files.empty() ? std::string() : files.front().Name;
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
