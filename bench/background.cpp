// The background picture stretched over the field, as every lay-out of the window does
// it: a 1920 by 1200 picture into a 1920 by 1040 available area.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "content/background.h"
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
  if (!SavePng(picture, (dir / "bench.jpg").string(), nullptr)) {
    state.SkipWithError("could not write the picture");
    return;
  }
  Settings settings;
  Background background(settings, dir.string() + "/");
  background.SetFieldSize(1920, 1200);
  background.ResizeBkgPic(1920, 1040);
  if (!background.LoadBkgPic("bench").Ok()) {
    state.SkipWithError("could not load the picture");
    return;
  }
  for (auto _ : state) {
    background.ResizeBkgPic(1920, 1040);
    benchmark::DoNotOptimize(background.Picture());
    benchmark::ClobberMemory();
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ResizeBkgPic)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tv
