// SPDX-License-Identifier: GPL-3.0-or-later
// Deal generation: fills the layout's positions pair by pair, backwards from a
// won game, so that every deal can be won by undoing the order of filling.
#pragma once

#include <array>
#include <cstdint>

#include "game/board.h"
#include "game/random.h"

namespace tv {

enum DealMode : int {
  kDealNew = 0,
  kDealRestart = 1,
  kDealReshuffle = 2,
  kDealReplayReshuffle = 3,
};

constexpr int kDealAttempts = 100;

struct STEP_P {
  std::int32_t Slot = 0;
  std::int32_t Cell = 0;
};

struct Solution {
  std::array<STEP_P, kMaxTiles> Steps{};
  int Count = 0;
};

struct DealResult {
  bool ok = false;
  int attempts = 0;  // attempts run, 1 to 100
};

// Deals the board's TileCount positions. Modes 0 and 1 use the full set; modes 2
// and 3 use `reshuffleFaces` (the first TileCount entries, sorted ascending).
// Draws from `rand`; fills `solution`. On failure no slot of the deal is present.
// `checkReplay` off gives the bare filling algorithm, for tests that show why the
// check exists.
DealResult Deal(MODE_P& board, int mode, RandState& rand, Solution& solution,
                const std::int32_t* reshuffleFaces = nullptr, bool checkReplay = true);

// Removes the solution's pairs from the last backwards on a copy of the board and
// checks each is present, free and of one class. Returns the failing pair number
// (0-based, counted from the first entry) or -1 when the whole solution replays.
int FirstUnplayablePair(const MODE_P& board, const Solution& solution);

}  // namespace tv
