// SPDX-License-Identifier: GPL-3.0-or-later
// Deal of the default layout, the stacking order and the count of moves.
#include "game/deal.h"

#include <benchmark/benchmark.h>

#include <string>

#include "game/board.h"
#include "game/layout_file.h"

namespace {

tv::MODE_P LoadDragon() {
  tv::MODE_P board;
  if (!tv::ReadLayout(std::string(TILVANE_SOURCE_DIR) + "/data/layouts/", "Dragon", board))
    std::abort();
  return board;
}

// A fixed set of game numbers; the time per iteration is one successful deal
// (however many attempts it takes).
void BM_DealDragon(benchmark::State& state) {
  const tv::MODE_P layout = LoadDragon();
  tv::MODE_P board;
  tv::Solution solution;
  std::uint32_t seed = 1;
  std::int64_t attempts = 0;
  for (auto _ : state) {
    board = layout;
    tv::RandState rand{seed};
    const tv::DealResult r = tv::Deal(board, tv::kDealRestart, rand, solution);
    if (!r.ok) state.SkipWithError("deal failed");
    attempts += r.attempts;
    seed = seed % 64 + 1;
    benchmark::DoNotOptimize(board);
  }
  state.counters["attempts/deal"] =
      benchmark::Counter(static_cast<double>(attempts), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_DealDragon)->Unit(benchmark::kMicrosecond);

void BM_StackingOrder(benchmark::State& state) {
  tv::MODE_P board = LoadDragon();
  for (auto _ : state) {
    tv::BuildStackingOrder(board);
    benchmark::DoNotOptimize(board.Order);
  }
}
BENCHMARK(BM_StackingOrder)->Unit(benchmark::kMicrosecond);

void BM_MovesAvailable(benchmark::State& state) {
  tv::MODE_P board = LoadDragon();
  tv::Solution solution;
  tv::RandState rand{42};
  if (!tv::Deal(board, tv::kDealRestart, rand, solution).ok) std::abort();
  board.Game.TilesLeft = board.Game.TileCount;
  for (auto _ : state) {
    tv::MarkFreeTiles(board);
    benchmark::DoNotOptimize(tv::CountMoves(board));
  }
}
BENCHMARK(BM_MovesAvailable)->Unit(benchmark::kMicrosecond);

}  // namespace
