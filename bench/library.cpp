// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue build over a large layouts folder with a full records file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "game/layout_file.h"
#include "game/layout_library.h"

namespace {

namespace fs = std::filesystem;

// 500 layouts of 144 tiles and a record for each, in a fresh temporary folder.
class LargeFolder {
 public:
  LargeFolder() {
    std::random_device rd;
    root_ = fs::temp_directory_path() / ("tilvane-bench-" + std::to_string(rd()));
    fs::create_directories(root_ / "layouts");
    std::vector<tv::LayoutPosition> dragon;
    if (!tv::ReadLayoutPositions(std::string(TILVANE_SOURCE_DIR) + "/data/layouts/", "Dragon",
                                 dragon)
             .Ok())
      std::abort();
    for (int i = 0; i < kLayouts; ++i)
      if (!tv::WriteLayoutPositions(Paths().LayoutsDir, Name(i), dragon)) std::abort();
    tv::LayoutLibrary library(Paths());
    if (!library.BuildCatalogue().Ok()) std::abort();
    for (int i = 0; i < kLayouts; ++i) {
      library.CountGame(Name(i), false, 0, 0);
      tv::LayoutInfo* entry = library.FindLayout(Name(i));
      entry->Won = 1;
      entry->BestTime = 0.01 + i * 1e-5;
      entry->BestPlayer = "Player " + std::to_string(i);
    }
    if (!library.SaveRecords().Ok()) std::abort();
  }
  ~LargeFolder() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  tv::LibraryPaths Paths() const {
    const std::string dir = root_.string() + "/";
    return {dir + "layouts/", dir + "tilvane.won2", dir + "tilvane.won"};
  }
  static std::string Name(int i) { return "Layout " + std::to_string(1000 + i); }
  static constexpr int kLayouts = 500;

 private:
  fs::path root_;
};

void BM_BuildCatalogue500(benchmark::State& state) {
  const LargeFolder folder;
  tv::LayoutLibrary library(folder.Paths());
  for (auto _ : state) {
    if (!library.BuildCatalogue().Ok()) state.SkipWithError("build failed");
    benchmark::DoNotOptimize(library.Layouts().Size());
  }
  if (library.Layouts().Size() != LargeFolder::kLayouts ||
      library.FindLayout(LargeFolder::Name(7))->Played != 1)
    state.SkipWithError("catalogue incomplete");
}
BENCHMARK(BM_BuildCatalogue500)->Unit(benchmark::kMillisecond);

}  // namespace
