// SPDX-License-Identifier: GPL-3.0-or-later
// The hint's order of pairs when it prefers pairs that keep the game winnable: the
// pairs in the hint's own order, those after which the tiles can still all be
// removed first, then those the solver could not decide in its budget, then those
// that lose. Worked out once per position and kept until the position changes.
#pragma once

#include <array>
#include <chrono>
#include <vector>

#include "game/board.h"

namespace tv {

using HintPair = std::array<int, 2>;

// Present, free pairs of one match class: slot a ascending, then b ascending (a < b).
std::vector<HintPair> HintPairs(const MODE_P& board);

// `budget` bounds the whole ranking; every pair gets at most a share of what is left,
// so a hard position makes the hint no slower than the budget.
std::vector<HintPair> RankHintPairs(const MODE_P& board, std::chrono::milliseconds budget);

class HintRanking {
 public:
  void Invalidate() { valid_ = false; }
  const std::vector<HintPair>& For(const MODE_P& board, std::chrono::milliseconds budget);

 private:
  bool valid_ = false;
  std::vector<HintPair> pairs_;
};

}  // namespace tv
