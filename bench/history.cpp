// SPDX-License-Identifier: GPL-3.0-or-later
// The game history: writing one game's result (synced to disk, as at every result),
// and opening the statistics of 10,000 games in 100 layouts, with that file's size.
#include "game/history.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

// A folder of its own on the machine's disk, removed afterwards.
class Folder {
 public:
  Folder()
      : path_(fs::temp_directory_path() / ("tilvane-bench-history-" + std::to_string(getpid()))) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~Folder() { fs::remove_all(path_); }
  std::string File() const { return (path_ / tv::kHistoryFileName).string(); }

 private:
  fs::path path_;
};

tv::HistoryGame PlayedGame(std::mt19937& random, int k) {
  tv::HistoryGame g;
  g.Layout = "Layout number " + std::to_string(k % 100);
  g.LayoutHash = random() * 0x9E3779B97F4A7C15ull;
  g.GameNumber = static_cast<std::uint32_t>(random());
  g.StartUtc = 1'700'000'000 + 600ll * k;
  g.Seconds = 120.0 + static_cast<double>(random() % 1200) + 0.25;
  g.Result = random() % 3 ? tv::GameResult::kWon : tv::GameResult::kLost;
  g.TilesLeft = g.Result == tv::GameResult::kWon ? 0 : static_cast<int>(random() % 140) + 2;
  g.Reshuffles = static_cast<int>(random() % 4);
  g.Hints = static_cast<int>(random() % 6);
  g.Undos = static_cast<int>(random() % 10);
  g.Daily = k % 7 == 0 ? 20240101 + k % 28 : 0;
  g.Finished = true;
  return g;
}

// One game as each result writes it: one committed, synced transaction.
void BM_WriteOneGame(benchmark::State& state) {
  Folder folder;
  tv::History history;
  if (!history.Open(folder.File())) state.SkipWithError("cannot open");
  std::mt19937 random(1);
  int k = 0;
  for (auto _ : state) {
    tv::HistoryGame g = PlayedGame(random, k++);
    if (!history.Write(g)) state.SkipWithError("cannot write");
  }
}
BENCHMARK(BM_WriteOneGame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A file of 10,000 games in 100 layouts, written in one transaction.
std::string Fill(const Folder& folder) {
  tv::History history;
  if (!history.Open(folder.File())) return {};
  std::mt19937 random(2);
  std::vector<tv::HistoryGame> games;
  for (int k = 0; k < 10000; ++k) games.push_back(PlayedGame(random, k));
  if (!history.WriteMany(games)) return {};
  return folder.File();
}

// What opening the statistics window does with the open history: read every game
// and compute the figures.
void BM_StatisticsOf10000Games(benchmark::State& state) {
  Folder folder;
  const std::string path = Fill(folder);
  tv::History history;
  if (path.empty() || !history.Open(path)) state.SkipWithError("cannot write");
  for (auto _ : state) {
    std::vector<tv::HistoryGame> games;
    if (!history.ReadAll(games)) state.SkipWithError("cannot read");
    const tv::HistoryStats stats = tv::ComputeStats(games, 20240201);
    if (stats.Overall.Played != 10000 || stats.Layouts.size() != 100)
      state.SkipWithError("wrong figures");
    benchmark::DoNotOptimize(stats);
  }
  state.counters["file_bytes"] = static_cast<double>(fs::file_size(path));
}
BENCHMARK(BM_StatisticsOf10000Games)->Unit(benchmark::kMillisecond);

// The program's start and the tool: opening the file checks it whole first.
void BM_OpenAndReadOf10000Games(benchmark::State& state) {
  Folder folder;
  const std::string path = Fill(folder);
  if (path.empty()) state.SkipWithError("cannot write");
  for (auto _ : state) {
    tv::History history;
    std::vector<tv::HistoryGame> games;
    if (!history.OpenReadOnly(path) || !history.ReadAll(games)) state.SkipWithError("cannot read");
    benchmark::DoNotOptimize(games);
  }
}
BENCHMARK(BM_OpenAndReadOf10000Games)->Unit(benchmark::kMillisecond);

}  // namespace
