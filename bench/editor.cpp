// SPDX-License-Identifier: GPL-3.0-or-later
// Placing the last tile of a 144-tile layout in the editor: the placement with its
// free-tile count, stacking order and the check that game number 1 deals.
#include "game/editor.h"

#include <benchmark/benchmark.h>

#include <string>

#include "game/layout_file.h"

namespace {

tv::MODE_P LoadLayout(const char* name) {
  tv::MODE_P board;
  if (!tv::ReadLayout(std::string(TILVANE_SOURCE_DIR) + "/data/layouts/", name, board))
    std::abort();
  tv::GAME_P& g = board.Game;
  g.FaceWidth = 40;
  g.FaceHeight = 52;
  g.EdgeWidth = 5;
  g.EdgeHeight = 5;
  g.OriginX = g.OriginY = 10;
  return board;
}

// Each iteration puts a different tile of the layout back, on a fresh editor, so no
// remembered verdict helps.
void PlaceLastTile(benchmark::State& state, const char* name) {
  const tv::MODE_P layout = LoadLayout(name);
  const int n = layout.Game.TileCount;
  tv::NullGameHost host;
  int k = 0;
  int dealable = 0;
  for (auto _ : state) {
    state.PauseTiming();
    tv::MODE_P board = layout;
    const tv::TILE_P missing = board.Tiles[k];
    board.Tiles[k] = board.Tiles[n - 1];
    board.Game.TileCount = n - 1;
    tv::EditControls controls;
    controls.ZMode = tv::LevelMode::kCustom;
    controls.CustomZ = missing.Z;
    tv::Editor editor(board, controls, host);
    editor.Begin();
    const tv::GAME_P& g = board.Game;
    editor.PointerMove(
        g.OriginX + missing.Z * g.EdgeWidth + missing.X * (g.FaceWidth / 2) + 1,
        g.OriginY - missing.Z * (g.EdgeHeight - 1) + missing.Y * (g.FaceHeight / 2) + 1);
    state.ResumeTiming();
    editor.PointerDown(0, 0, false);
    if (board.Game.TileCount != n) state.SkipWithError("tile refused");
    dealable += editor.Status().Dealable;
    k = (k + 1) % n;
  }
  state.counters["dealable"] =
      benchmark::Counter(static_cast<double>(dealable), benchmark::Counter::kAvgIterations);
}

void BM_PlaceLastTileDragon(benchmark::State& state) {
  PlaceLastTile(state, "Dragon");
}
BENCHMARK(BM_PlaceLastTileDragon)->Unit(benchmark::kMillisecond);

void BM_DealabilityCheck(benchmark::State& state) {
  const tv::MODE_P layout = LoadLayout("Dragon");
  for (auto _ : state) benchmark::DoNotOptimize(tv::LayoutDealable(layout, 144));
}
BENCHMARK(BM_DealabilityCheck)->Unit(benchmark::kMillisecond);

}  // namespace
