// SPDX-License-Identifier: GPL-3.0-or-later
// Careless play on a dealt board: at every step one of the removable pairs is taken at
// random. How often that clears a layout tells a designer how forgiving the shape is;
// every deal can be won, so the rest of the difference is in the shape.
#pragma once

#include <random>
#include <utility>
#include <vector>

#include "game/board.h"

namespace tv::layoutgen {

// Plays `board` (all dealt tiles present) to the end; true when no tile is left.
inline bool RandomPlayClears(MODE_P board, std::mt19937& random) {
  const int n = board.Game.TileCount;
  int left = 0;
  for (int i = 0; i < n; ++i) left += board.Tiles[i].Present ? 1 : 0;
  std::vector<int> free;
  std::vector<std::pair<int, int>> pairs;
  while (left > 0) {
    free.clear();
    for (int i = 0; i < n; ++i)
      if (board.Tiles[i].Present && IsFree(board, i)) free.push_back(i);
    pairs.clear();
    for (std::size_t a = 0; a < free.size(); ++a)
      for (std::size_t b = a + 1; b < free.size(); ++b)
        if (board.Tiles[free[a]].MatchClass == board.Tiles[free[b]].MatchClass)
          pairs.emplace_back(free[a], free[b]);
    if (pairs.empty()) return false;
    const auto [a, b] =
        pairs[std::uniform_int_distribution<std::size_t>(0, pairs.size() - 1)(random)];
    board.Tiles[a].Present = board.Tiles[b].Present = false;
    left -= 2;
  }
  return true;
}

}  // namespace tv::layoutgen
