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
  board.Game.TileCount = static_cast<int>(positions.size());
  board.Game.TilesLeft = board.Game.TileCount;
  for (std::size_t i = 0; i < positions.size(); ++i) {
    TILE_P& t = board.Tiles[i];
    t.X = positions[i].X;
    t.Y = positions[i].Y;
    t.Z = positions[i].Z;
    t.Present = true;
    t.Index = static_cast<int>(i);
  }
  return board;
}

}  // namespace tv::test
