// SPDX-License-Identifier: GPL-3.0-or-later
// An unfinished game as it is kept between runs: enough to continue exactly where
// the player stopped, with undo, redo, reshuffles, clock and solution. Plain data;
// the game file (game_file.h) reads and writes it, the game takes it up again.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tv {

struct KeptTile {
  std::int32_t X = 0, Y = 0, Z = 0;
  std::int32_t Face = 0;
  bool Present = true;
  bool operator==(const KeptTile&) const = default;
};

struct KeptStep {
  std::int32_t FirstSlot = 0, SecondSlot = 0, MovesAvailable = 0, TilesLeft = 0;
  bool operator==(const KeptStep&) const = default;
};

struct KeptGame {
  std::string LayoutName;
  std::uint64_t LayoutHash = 0;  // of the layout file's bytes
  std::uint32_t Seed = 0;        // the game number
  bool Counted = false;
  double PlayedDays = 0;        // the game's time, pauses left out
  std::vector<KeptTile> Tiles;  // slots 0..TileCount-1
  std::vector<std::int32_t> SolutionSlots, SolutionCells;
  std::vector<KeptStep> Undo;  // oldest first
  std::vector<KeptStep> Redo;  // the next redo last
  std::int32_t ReshuffleCount = 0;
  std::uint32_t ReshuffleSeed = 0;
  std::vector<KeptTile> ReshuffleSaved;  // the compacted board of the latest reshuffle
  bool operator==(const KeptGame&) const = default;
};

}  // namespace tv
