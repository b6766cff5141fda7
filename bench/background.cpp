// SPDX-License-Identifier: GPL-3.0-or-later
// The background picture as start-up and every lay-out of the window use it: a 1920 by
// 1200 picture stretched into a 1920 by 1040 available area, and the default picture loaded.
#include "content/background.h"

#include <benchmark/benchmark.h>

#include <filesystem>

#include "field/picture_loader.h"

namespace tv {
namespace {

void BM_ResizeBkgPic(benchmark::State& state) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / "tilvane-bench-background";
  std::filesystem::create_directories(dir);
  PixelBuffer picture(1920, 1200);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      picture.SetPixel(x, y, JoinColor(x & 255, y & 255, (x ^ y) & 255));
  if (!SavePng(picture, (dir / "bench.jpg").string())) {
    state.SkipWithError("could not write the picture");
    return;
  }
  Settings settings;
  Background background(settings, {dir.string() + "/"});
  background.SetFieldSize(1920, 1200);
  background.ResizeBkgPic(1920, 1040);
  if (!background.LoadBkgPic("bench").Ok()) {
    state.SkipWithError("could not load the picture");
    return;
  }
  // An unchanged area is not stretched again, so every other pass is one row shorter.
  int height = 1040;
  for (auto _ : state) {
    height = height == 1040 ? 1039 : 1040;
    background.ResizeBkgPic(1920, height);
    benchmark::DoNotOptimize(background.Picture());
    benchmark::ClobberMemory();
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ResizeBkgPic)->Unit(benchmark::kMillisecond);

// What start-up spends on the default picture: decoding the JPEG and stretching it.
void BM_LoadDefaultBkgPic(benchmark::State& state) {
  const std::string dir = TILVANE_SOURCE_DIR "/data/bkg/";
  if (!std::filesystem::exists(dir + "li-river.jpg")) {
    state.SkipWithError("no data/bkg/li-river.jpg");
    return;
  }
  Settings settings;
  Background background(settings, {dir});
  background.SetFieldSize(1920, 1200);
  background.ResizeBkgPic(1920, 1040);
  for (auto _ : state) {
    if (!background.LoadBkgPic("li-river").Ok()) state.SkipWithError("could not load");
    benchmark::DoNotOptimize(background.Picture());
  }
}
BENCHMARK(BM_LoadDefaultBkgPic)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tv
