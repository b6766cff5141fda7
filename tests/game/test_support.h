// SPDX-License-Identifier: GPL-3.0-or-later
// Boards built from positions, for the game tests.
#pragma once

#include <vector>

#include "game/board.h"
#include "game/layout_file.h"
#include "support/temp_dir.h"

namespace tv::test {

// A board holding these positions in slot order, all present.
inline MODE_P BoardFrom(const std::vector<LayoutPosition>& positions) {
  MODE_P board;
  PutPositions(board, positions);
  board.Game.TilesLeft = board.Game.TileCount;
  for (int i = 0; i < board.Game.TileCount; ++i) board.Tiles[i].Index = i;
  return board;
}

}  // namespace tv::test
