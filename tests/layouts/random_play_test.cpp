// SPDX-License-Identifier: GPL-3.0-or-later
// Careless play, the designer's measure of how forgiving a layout is: it may only take
// free pairs of one class, and it plays on until nothing or no pair is left.
#include "layoutgen/random_play.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "game/board.h"

namespace {

// One row of side-by-side tiles carrying the given match classes, left to right.
tv::MODE_P Row(const std::vector<int>& classes) {
  tv::MODE_P board{};
  board.Game.TileCount = static_cast<int>(classes.size());
  for (std::size_t i = 0; i < classes.size(); ++i) {
    tv::TILE_P& t = board.Tiles[i];
    t.X = 2 * static_cast<int>(i);
    t.Present = true;
    t.MatchClass = static_cast<std::uint8_t>(classes[i]);
  }
  return board;
}

TEST(RandomPlay, TakesOnlyFreeMatchingPairsAndPlaysToTheEnd) {
  for (unsigned seed = 0; seed < 20; ++seed) {
    std::mt19937 random(seed);
    // Only the ends are free: 1 and 2 never meet, though each has a neighbour of its class.
    EXPECT_FALSE(tv::layoutgen::RandomPlayClears(Row({1, 1, 2, 2}), random)) << seed;
    // Every step has exactly one free pair, peeling the row from the outside in.
    EXPECT_TRUE(tv::layoutgen::RandomPlayClears(Row({3, 2, 1, 1, 2, 3}), random)) << seed;
  }
}

}  // namespace
