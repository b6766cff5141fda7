// SPDX-License-Identifier: GPL-3.0-or-later
// Orders the hint's pairs so those that keep the game winnable come first.
#include "game/hint_choice.h"

#include <algorithm>

#include "game/solver.h"

namespace tv {

std::vector<HintPair> HintPairs(const MODE_P& board) {
  const int n = std::clamp(board.Game.TileCount, 0, kMaxTiles);
  auto playable = [&](int i) { return board.Tiles[i].Present && board.Tiles[i].Free; };
  std::vector<HintPair> pairs;
  for (int a = 0; a < n; ++a) {
    if (!playable(a)) continue;
    for (int b = a + 1; b < n; ++b)
      if (playable(b) && board.Tiles[b].MatchClass == board.Tiles[a].MatchClass)
        pairs.push_back({a, b});
  }
  return pairs;
}

std::vector<HintPair> RankHintPairs(const MODE_P& board, std::chrono::milliseconds budget) {
  const std::vector<HintPair> pairs = HintPairs(board);
  const auto end = std::chrono::steady_clock::now() + budget;
  std::vector<int> rank(pairs.size(), 1);  // 0 keeps the game winnable, 1 unknown, 2 loses
  MODE_P after = board;
  for (std::size_t k = 0; k < pairs.size(); ++k) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        end - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    const auto share = left / static_cast<long>(std::min<std::size_t>(pairs.size() - k, 4));
    after.Tiles[pairs[k][0]].Present = after.Tiles[pairs[k][1]].Present = false;
    SolveLimits limits;
    limits.maxTime = std::max(share, std::chrono::milliseconds(1));
    const Verdict verdict = DecideWinnable(after, limits).verdict;
    after.Tiles[pairs[k][0]].Present = after.Tiles[pairs[k][1]].Present = true;
    rank[k] = verdict == Verdict::kWinnable ? 0 : verdict == Verdict::kNotWinnable ? 2 : 1;
  }
  std::vector<std::size_t> order(pairs.size());
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t x, std::size_t y) { return rank[x] < rank[y]; });
  std::vector<HintPair> ranked;
  ranked.reserve(pairs.size());
  for (std::size_t k : order) ranked.push_back(pairs[k]);
  return ranked;
}

const std::vector<HintPair>& HintRanking::For(const MODE_P& board,
                                              std::chrono::milliseconds budget) {
  if (!valid_) {
    pairs_ = RankHintPairs(board, budget);
    valid_ = true;
  }
  return pairs_;
}

}  // namespace tv
