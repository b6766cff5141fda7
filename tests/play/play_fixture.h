// SPDX-License-Identifier: GPL-3.0-or-later
// A game over a fake window and small layouts written to a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "fake_host.h"
#include "game/faces.h"
#include "game/game.h"
#include "game/layout_file.h"
#include "support/temp_dir.h"

namespace tv::test {

// Three levels, 20 tiles, half-tile offsets between levels.
inline std::vector<LayoutPosition> Pyramid() {
  std::vector<LayoutPosition> p;
  for (int y = 0; y <= 4; y += 2)
    for (int x = 0; x <= 6; x += 2) p.push_back({x, y, 0});
  for (int y = 1; y <= 3; y += 2)
    for (int x = 1; x <= 5; x += 2) p.push_back({x, y, 1});
  p.push_back({2, 2, 2});
  p.push_back({4, 2, 2});
  return p;
}

// One tile on another, and four lone tiles beside them.
constexpr LayoutPosition kBottom{0, 0, 0}, kTop{0, 0, 1};
inline std::vector<LayoutPosition> Stack() {
  return {kBottom, kTop, {4, 0, 0}, {8, 0, 0}, {12, 0, 0}, {16, 0, 0}};
}

class PlayTest : public ::testing::Test {
 protected:
  PlayTest() : game(host, dir.dir()) {
    EXPECT_TRUE(WriteLayoutPositions(dir.dir(), "pyramid", Pyramid()));
    EXPECT_TRUE(WriteLayoutPositions(dir.dir(), "stack", Stack()));
    EXPECT_TRUE(WriteLayoutPositions(dir.dir(), "tower", {{0, 0, 0}, {0, 0, 1}}));
  }

  // A new game of `layout` drawn from `seed`, through the deferred start.
  bool Start(const char* layout, std::uint32_t seed = 12345, int mode = kDealNew) {
    game.ChooseLayout(layout);
    game.Rand().value = seed;
    game.DeferredStart(mode);
    EXPECT_TRUE(host.timers[Timer::kNewGame]);
    const int before = host.redrawAlls;
    game.OnNewGameTimer();
    EXPECT_FALSE(host.timers[Timer::kNewGame]);
    return host.redrawAlls > before && host.messages.empty();
  }
  void Tick(int mode) {
    game.DeferredStart(mode);
    game.OnNewGameTimer();
  }

  const MODE_P& B() { return game.PlayBoard(); }
  int Slot(LayoutPosition p) {
    for (int i = 0; i < B().Game.TileCount; ++i) {
      const TILE_P& t = B().Tiles[i];
      if (t.X == p.X && t.Y == p.Y && t.Z == p.Z) return i;
    }
    ADD_FAILURE() << "no tile at " << p.X << "," << p.Y << "," << p.Z;
    return 0;
  }
  // Gives the tiles at these positions these faces, as a kept game taken up again, then
  // recounts the moves.
  void SetFaces(const std::vector<std::pair<LayoutPosition, int>>& faces) {
    KeptGame kept = game.Keep(0);
    for (auto [pos, face] : faces) kept.Tiles[std::size_t(Slot(pos))].Face = face;
    game.Resume(kept);
    game.UpdatePlayState();
  }
  int SolutionSlot(int entry) { return game.DealSolution().Steps[entry].Slot; }
  int Count(bool won) {
    return static_cast<int>(std::count(host.countedGames.begin(), host.countedGames.end(), won));
  }

  TempDir dir;
  FakeHost host;
  Game game;
};

// Faces of two different classes for the hand-made positions.
constexpr int kFaceA = 0, kFaceB = 9;

}  // namespace tv::test
