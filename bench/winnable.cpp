// SPDX-License-Identifier: GPL-3.0-or-later
// The still-winnable verdict over positions met in random play on every shipped
// layout, from the deal to the end: median and 99th percentile of the decision
// time under the play budget, and the share left undecided.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "game/board.h"
#include "game/deal.h"
#include "game/layout_file.h"
#include "game/random.h"
#include "game/solver.h"

namespace {

constexpr int kPositions = 1000;

// Plays game `seed` of the layout with uniformly random moves, keeping every
// position from the deal until no pair is left.
void CollectGame(const tv::MODE_P& layout, std::uint32_t seed, std::vector<tv::MODE_P>& out) {
  tv::MODE_P board = layout;
  tv::RandState rand{seed};
  tv::Solution solution;
  if (!tv::Deal(board, tv::kDealRestart, rand, solution).ok) return;
  const int n = board.Game.TileCount;
  board.Game.TilesLeft = n;
  for (;;) {
    out.push_back(board);
    tv::MarkFreeTiles(board);
    std::vector<std::pair<int, int>> moves;
    for (int a = 0; a < n; ++a)
      for (int b = a + 1; b < n; ++b)
        if (board.Tiles[a].Free && board.Tiles[b].Free &&
            board.Tiles[a].MatchClass == board.Tiles[b].MatchClass)
          moves.emplace_back(a, b);
    if (moves.empty()) return;
    const auto [a, b] = moves[rand.Below(static_cast<std::uint32_t>(moves.size()))];
    board.Tiles[a].Present = board.Tiles[b].Present = false;
    board.Game.TilesLeft -= 2;
  }
}

std::vector<tv::MODE_P> RandomPlayPositions() {
  const std::string dir = std::string(TILVANE_SOURCE_DIR) + "/data/layouts/";
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    if (entry.path().extension() == ".mah") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  std::vector<tv::MODE_P> layouts;
  for (const std::string& name : names) {
    tv::MODE_P board;
    if (tv::ReadLayout(dir, name, board).Ok()) layouts.push_back(board);
  }
  // Every layout gives its share, spread evenly from the deals to the ends of its games.
  std::vector<tv::MODE_P> positions;
  const std::size_t count = layouts.size();
  std::uint32_t game = 1;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t share = kPositions / count + (i < kPositions % count ? 1 : 0);
    std::vector<tv::MODE_P> played;
    for (int tries = 0; played.size() < share && tries < 50; ++tries)
      CollectGame(layouts[i], game++ * 7919u, played);
    const std::size_t taken = std::min(share, played.size());
    for (std::size_t k = 0; k < taken; ++k) positions.push_back(played[k * played.size() / taken]);
  }
  return positions;
}

// Time this thread has run, so a busy machine does not inflate the figures.
double ThreadMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double Percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

// One iteration decides all positions with the given budget of wall-clock
// milliseconds; "ms" counters are wall-clock, "cpu" counters the thread's own time.
void BM_WinnableRandomPlay(benchmark::State& state) {
  const std::vector<tv::MODE_P> positions = RandomPlayPositions();
  tv::SolveLimits limits;
  limits.maxTime = std::chrono::milliseconds(state.range(0));
  std::vector<double> ms, cpu;
  int undecided = 0, winnable = 0, late = 0;
  for (auto _ : state) {
    ms.clear();
    cpu.clear();
    undecided = winnable = late = 0;
    for (const tv::MODE_P& board : positions) {
      const double start = ThreadMs();
      const tv::SolveResult r = tv::DecideWinnable(board, limits);
      cpu.push_back(ThreadMs() - start);
      ms.push_back(r.ms);
      if (r.verdict == tv::Verdict::kUnknown) ++undecided;
      if (r.verdict == tv::Verdict::kWinnable) ++winnable;
      if (r.verdict == tv::Verdict::kUnknown || r.ms > 100) ++late;
    }
  }
  const double count = static_cast<double>(positions.size());
  state.counters["positions"] = count;
  state.counters["median_ms"] = Percentile(ms, 0.5);
  state.counters["p99_ms"] = Percentile(ms, 0.99);
  state.counters["max_ms"] = Percentile(ms, 1.0);
  state.counters["cpu_median_ms"] = Percentile(cpu, 0.5);
  state.counters["cpu_p99_ms"] = Percentile(cpu, 0.99);
  state.counters["undecided_pct"] = 100.0 * undecided / count;
  state.counters["decided_100ms_pct"] = 100.0 * (count - late) / count;
  state.counters["winnable_pct"] = 100.0 * winnable / count;
}
BENCHMARK(BM_WinnableRandomPlay)->Arg(100)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
