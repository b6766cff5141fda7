// SPDX-License-Identifier: GPL-3.0-or-later
// Field drawing costs on a dealt layout with the shipped standard tileset.
#include <benchmark/benchmark.h>

#include <string>

#include "field/geometry.h"
#include "field/render.h"
#include "field/tilesets.h"
#include "game/deal.h"
#include "game/layout_file.h"

namespace {

constexpr int kWidth = 1920, kHeight = 1080;

// A dealt Dragon fitted to 1920 by 1080, as the window would hold it.
struct Field {
  tv::Tilesets sets;
  tv::FieldPictures pictures;
  tv::MODE_P board, other;
  tv::PixelBuffer picture{kWidth, kHeight};
  tv::FieldRenderer renderer{pictures, picture};
  tv::DrawSwitches sw;
  bool ok = false;

  Field() {
    const std::string root = TILVANE_SOURCE_DIR;
    if (!tv::ReadLayout(root + "/data/layouts/", "Dragon", board)) return;
    tv::RandState rand{1234};
    tv::Solution solution;
    if (!tv::Deal(board, tv::kDealRestart, rand, solution).ok) return;
    board.Game.TilesLeft = board.Game.TileCount;
    tv::MarkFreeTiles(board);
    sets.ScanTilesets(root + "/data/tiles");
    const tv::TILESET_P* ts = sets.FindTileset("standard");
    const int index = tv::ChooseTileSize(board, ts, kWidth, kHeight);
    if (!sets.LoadTileSize(ts, index, false, {&board, &other, &pictures})) return;
    tv::LayOutField(board, false, kWidth, kHeight);
    tv::PlaceTiles(board, board.Game.TileCount);
    renderer.SetAvailableArea(kWidth, kHeight);
    renderer.RedrawAll(board, {}, sw);
    ok = true;
  }

  // A free tile of the topmost level, and a second free tile of its class.
  bool FreePair(int& a, int& b) const {
    for (int i = 0; i < board.Game.TileCount; ++i)
      for (int j = i + 1; j < board.Game.TileCount; ++j)
        if (board.Tiles[i].Free && board.Tiles[j].Free &&
            board.Tiles[i].MatchClass == board.Tiles[j].MatchClass) {
          a = i, b = j;
          return true;
        }
    return false;
  }
};

Field& Shared() {
  static Field field;
  return field;
}

void BM_RedrawAll(benchmark::State& state) {
  Field& f = Shared();
  if (!f.ok) return state.SkipWithError("no layout or tileset");
  state.counters["tiles"] = f.board.Game.TileCount;
  state.counters["face_width"] = f.board.Game.FaceWidth;
  for (auto _ : state) {
    f.renderer.RedrawAll(f.board, {}, f.sw);
    benchmark::DoNotOptimize(f.picture.data());
  }
}
BENCHMARK(BM_RedrawAll)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_RedrawTile(benchmark::State& state) {
  Field& f = Shared();
  if (!f.ok) return state.SkipWithError("no layout or tileset");
  tv::FieldMarks marks;
  marks.SelectedTile = f.board.Order[f.board.Game.TileCount / 2].Index;
  for (auto _ : state) {
    f.renderer.RedrawTile(f.board, marks, f.sw, marks.SelectedTile, tv::Repaint::kTileNow);
    benchmark::DoNotOptimize(f.picture.data());
  }
}
BENCHMARK(BM_RedrawTile)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_FadeStep(benchmark::State& state) {
  Field& f = Shared();
  int a = -1, b = -1;
  if (!f.ok || !f.FreePair(a, b)) return state.SkipWithError("no free pair");
  tv::FieldMarks marks;
  marks.SelectedTile = a;
  marks.SecondTile = b;
  int p = 10;
  for (auto _ : state) {
    f.renderer.DrawSeeThrough(f.board, marks, f.sw, a, p, true, tv::Repaint::kTileNow);
    f.renderer.DrawSeeThrough(f.board, marks, f.sw, b, p, true, tv::Repaint::kTileNow);
    p = p == 100 ? 10 : p + 10;
    benchmark::DoNotOptimize(f.picture.data());
  }
}
BENCHMARK(BM_FadeStep)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_LoadLargestSize(benchmark::State& state) {
  Field& f = Shared();
  if (!f.ok) return state.SkipWithError("no layout or tileset");
  const tv::TILESET_P* ts = f.sets.FindTileset("standard");
  tv::MODE_P board = f.board, other;
  tv::FieldPictures pictures;
  state.counters["face_width"] = ts->Sizes[ts->SizeCount - 1].W;
  for (auto _ : state) {
    if (!f.sets.LoadTileSize(ts, ts->SizeCount - 1, false, {&board, &other, &pictures}))
      return state.SkipWithError("load failed");
    benchmark::DoNotOptimize(pictures.DimmedTiles.data());
  }
}
BENCHMARK(BM_LoadLargestSize)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// Every size of the standard set, the largest included: none may hold a window back.
// The counters tell which size a 3840 by 2160 picture area takes for Dragon, and whether
// a larger one would still fit (no: the field fills the area).
void BM_LoadTileSize(benchmark::State& state) {
  Field& f = Shared();
  if (!f.ok) return state.SkipWithError("no layout or tileset");
  const tv::TILESET_P* ts = f.sets.FindTileset("standard");
  const int index = static_cast<int>(state.range(0));
  if (index >= ts->SizeCount) return state.SkipWithError("no such size");
  tv::MODE_P board = f.board, other;
  tv::FieldPictures pictures;
  state.counters["face_width"] = ts->Sizes[index].W;
  for (auto _ : state) {
    if (!f.sets.LoadTileSize(ts, index, false, {&board, &other, &pictures}))
      return state.SkipWithError("load failed");
    benchmark::DoNotOptimize(pictures.DimmedTiles.data());
  }
  const int at4k = tv::ChooseTileSize(f.board, ts, 3840, 2160);
  state.counters["face_width_4k"] = ts->Sizes[at4k].W;
  state.counters["largest_fits_4k"] = at4k == ts->SizeCount - 1;
}
BENCHMARK(BM_LoadTileSize)
    ->DenseRange(0, tv::kMaxTileSizes - 1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

}  // namespace
