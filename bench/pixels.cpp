// SPDX-License-Identifier: GPL-3.0-or-later
// Hot pixel routines at the sizes the field uses: one tile's keyed copy, darkening a tile
// sheet, filling and resizing a full-screen picture.
#include <benchmark/benchmark.h>

#include "field/pixel_buffer.h"

namespace tv {
namespace {

// A tile form of the largest common size: grey body, magenta corners outside the block.
PixelBuffer TileForm(int w, int h, int depth) {
  PixelBuffer form(w + depth, h + depth);
  FillPicture(form, kKeyColor);
  FillBlock(form, depth, 0, w, h, 0x808080);
  FillBlock(form, 0, depth, w, h, 0x808080);
  return form;
}

PixelBuffer Noise(int w, int h) {
  PixelBuffer b(w, h);
  std::uint32_t state = 12345;
  for (int y = 0; y < h; ++y) {
    std::uint8_t* p = b.Row(y);
    for (int i = 0; i < w * 3; ++i) {
      state = state * 1664525u + 1013904223u;
      p[i] = static_cast<std::uint8_t>(state >> 24);
    }
  }
  return b;
}

void BM_KeyedCopyTile(benchmark::State& state) {
  const PixelBuffer form = TileForm(64, 84, 8);
  PixelBuffer field(1920, 1080);
  for (auto _ : state) {
    KeyedCopy(field, 500, 300, form.width(), form.height(), form, 0, 0);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_KeyedCopyTile);

void BM_CopyFace(benchmark::State& state) {
  const PixelBuffer sheet = Noise(9 * 64, 5 * 84);
  PixelBuffer field(1920, 1080);
  for (auto _ : state) {
    CopyBlock(field, 508, 300, 64, 84, sheet, 128, 84);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CopyFace);

void BM_DarkenSheet(benchmark::State& state) {
  PixelBuffer sheet = Noise(9 * 64, 5 * 84);
  for (auto _ : state) {
    DarkenBlock(sheet, 0, 0, sheet.width(), sheet.height(), 76);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * sheet.width() * sheet.height());
}
BENCHMARK(BM_DarkenSheet);

void BM_DarkenShadow(benchmark::State& state) {
  PixelBuffer face = Noise(64, 84);
  for (auto _ : state) {
    DarkenBlock(face, 0, 0, 32 + 16, 84, 25);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DarkenShadow);

void BM_KeyedTintTile(benchmark::State& state) {
  const PixelBuffer form = TileForm(64, 84, 8);
  PixelBuffer tile = Noise(form.width(), form.height());
  for (auto _ : state) {
    KeyedTint(tile, 0, 0, tile.width(), tile.height(), 70, 0x0080FF, form, 0, 0);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_KeyedTintTile);

void BM_FillScreen(benchmark::State& state) {
  PixelBuffer field(1920, 1080);
  for (auto _ : state) {
    FillPicture(field, 0x206020);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FillScreen);

void BM_ResizeToScreen(benchmark::State& state) {
  const PixelBuffer picture = Noise(1024, 768);
  PixelBuffer field(1920, 1080);
  for (auto _ : state) {
    ResizeBilinear(picture, field, 0, 0, 1920, 1080);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ResizeToScreen)->Unit(benchmark::kMillisecond);

void BM_FloodFillTileEdge(benchmark::State& state) {
  const PixelBuffer form = TileForm(64, 84, 8);
  for (auto _ : state) {
    PixelBuffer work = form;
    FloodFill(work, 0, 0, 0x000000);
    benchmark::DoNotOptimize(work.data());
  }
}
BENCHMARK(BM_FloodFillTileEdge);

}  // namespace
}  // namespace tv
