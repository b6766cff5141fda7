// SPDX-License-Identifier: GPL-3.0-or-later
// How the catalogue and the layout chooser grow with the layouts folder: 50, 500 and
// 5,000 copies of Dragon in a temporary folder; the fitted complexity should be linear.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "app/layout_commands.h"
#include "game/layout_library.h"
#include "library/layouts.h"

namespace {

namespace fs = std::filesystem;

QApplication& App() {
  static int argc = 1;
  static char name[] = "bench_growth";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  return app;
}

// A folder of `count` layouts, made once per size and removed at exit.
class Folders {
 public:
  ~Folders() {
    std::error_code ignored;
    for (const auto& [count, dir] : dirs_) fs::remove_all(dir, ignored);
  }
  std::string Of(int count) {
    auto& dir = dirs_[count];
    if (!dir.empty()) return dir.string() + "/";
    std::random_device rd;
    dir = fs::temp_directory_path() /
          ("tilvane-growth-" + std::to_string(count) + "-" + std::to_string(rd()));
    fs::create_directories(dir);
    const fs::path dragon = fs::path(TILVANE_SOURCE_DIR) / "data/layouts/Dragon.mah";
    fs::copy_file(dragon, dir / "Dragon.mah");
    for (int i = 1; i < count; ++i)
      fs::copy_file(dragon, dir / ("Layout " + std::to_string(i) + ".mah"));
    return dir.string() + "/";
  }

 private:
  std::map<int, fs::path> dirs_;
};

Folders& SharedFolders() {
  static Folders folders;
  return folders;
}

void BM_BuildCatalogue(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  tv::LayoutLibrary library({SharedFolders().Of(count), "", ""});
  for (auto _ : state) {
    if (!library.BuildCatalogue().Ok()) state.SkipWithError("build failed");
    benchmark::DoNotOptimize(library.Layouts().Size());
  }
  if (static_cast<int>(library.Layouts().Size()) != count)
    state.SkipWithError("catalogue incomplete");
  state.SetComplexityN(count);
}
BENCHMARK(BM_BuildCatalogue)
    ->Arg(50)
    ->Arg(500)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// Activation of the chooser: lists refilled, selection, preview and record.
void BM_OpenChooser(benchmark::State& state) {
  App();
  const int count = static_cast<int>(state.range(0));
  tv::LayoutLibrary library({SharedFolders().Of(count), "", ""});
  if (!library.BuildCatalogue().Ok() || !library.FindLayout("Dragon"))
    return state.SkipWithError("no catalogue");
  tv::LayoutsCallbacks callbacks;
  callbacks.CurrentLayout = [] { return std::string("Dragon"); };
  tv::TF_Layouts chooser(library, tv::LoadLibraryPictures(), callbacks);
  chooser.resize(960, 600);
  for (auto _ : state) {
    chooser.show();
    QApplication::processEvents();
    chooser.hide();
  }
  state.SetComplexityN(count);
}
BENCHMARK(BM_OpenChooser)
    ->Arg(50)
    ->Arg(500)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace
