// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the layout chooser: activation with the preview of the current layout,
// over the shipped layouts and over a folder of 500.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <random>

#include "app/layout_commands.h"
#include "game/layout_file.h"
#include "library/layouts.h"

namespace {

namespace fs = std::filesystem;

QApplication& App() {
  static int argc = 1;
  static char name[] = "bench_chooser";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  return app;
}

void OpenChooser(benchmark::State& state, const std::string& layoutsDir) {
  App();
  tv::LayoutLibrary library({layoutsDir, "", ""});
  if (!library.BuildCatalogue().Ok() || !library.FindLayout("Dragon")) {
    state.SkipWithError("no catalogue");
    return;
  }
  tv::LayoutsCallbacks callbacks;
  callbacks.CurrentLayout = [] { return std::string("Dragon"); };
  tv::TF_Layouts chooser(library, tv::LoadLibraryPictures(), callbacks);
  chooser.resize(960, 600);
  for (auto _ : state) {
    chooser.show();  // activation: lists refilled, selection, preview and record
    QApplication::processEvents();
    chooser.hide();
  }
}

void BM_OpenChooserShipped(benchmark::State& state) {
  OpenChooser(state, std::string(TILVANE_SOURCE_DIR) + "/data/layouts/");
}
BENCHMARK(BM_OpenChooserShipped)->Unit(benchmark::kMillisecond);

void BM_OpenChooser500(benchmark::State& state) {
  std::random_device rd;
  const fs::path dir = fs::temp_directory_path() / ("tilvane-bench-" + std::to_string(rd()));
  fs::create_directories(dir);
  std::vector<tv::LayoutPosition> dragon;
  if (!tv::ReadLayoutPositions(std::string(TILVANE_SOURCE_DIR) + "/data/layouts/", "Dragon", dragon)
           .Ok()) {
    state.SkipWithError("Dragon could not be read");
    return;
  }
  for (int i = 0; i < 500; ++i)
    if (!tv::WriteLayoutPositions(dir.string() + "/", i ? "Layout " + std::to_string(i) : "Dragon",
                                  dragon)
             .Ok()) {
      state.SkipWithError("a layout could not be written");
      return;
    }
  OpenChooser(state, dir.string() + "/");
  std::error_code ignored;
  fs::remove_all(dir, ignored);
}
BENCHMARK(BM_OpenChooser500)->Unit(benchmark::kMillisecond);

}  // namespace
