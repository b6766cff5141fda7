// SPDX-License-Identifier: GPL-3.0-or-later
// tilvane-layoutgen: turns the layout text sources (format in layout_source.h)
// into layout files, and with --check deals every layout for game numbers 1 to
// 200 so a designer sees at once whether a shape deals reliably; --play also plays
// each of those deals carelessly to show how forgiving the shape is.
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "game/board.h"
#include "game/deal.h"
#include "layout_source.h"
#include "random_play.h"

namespace {

constexpr std::uint32_t kFirstCheckedGame = 1;
constexpr std::uint32_t kLastCheckedGame = 200;

struct DealStats {
  int failures = 0;
  int worstAttempts = 0;
  double meanAttempts = 0;
};

void FillBoard(const std::vector<tv::LayoutPosition>& positions, tv::MODE_P& board) {
  board = tv::MODE_P{};
  tv::PutPositions(board, positions);
}

DealStats CheckDeals(const std::vector<tv::LayoutPosition>& positions) {
  DealStats stats;
  long total = 0;
  tv::MODE_P board;
  tv::Solution solution;
  for (std::uint32_t game = kFirstCheckedGame; game <= kLastCheckedGame; ++game) {
    FillBoard(positions, board);
    tv::RandState rand{game};
    const tv::DealResult result = tv::Deal(board, tv::kDealRestart, rand, solution);
    if (!result.ok || tv::FirstUnplayablePair(board, solution) != -1) ++stats.failures;
    stats.worstAttempts = std::max(stats.worstAttempts, result.attempts);
    total += result.attempts;
  }
  stats.meanAttempts = double(total) / double(kLastCheckedGame - kFirstCheckedGame + 1);
  return stats;
}

struct PlayStats {
  int cleared = 0;
  double meanOpeningMoves = 0;  // removable pairs on the fresh deal
};

PlayStats PlayDeals(const std::vector<tv::LayoutPosition>& positions) {
  PlayStats stats;
  long moves = 0;
  tv::MODE_P board;
  tv::Solution solution;
  for (std::uint32_t game = kFirstCheckedGame; game <= kLastCheckedGame; ++game) {
    FillBoard(positions, board);
    tv::RandState rand{game};
    if (!tv::Deal(board, tv::kDealRestart, rand, solution).ok) continue;
    board.Game.TilesLeft = board.Game.TileCount;
    tv::MarkFreeTiles(board);
    moves += tv::CountMoves(board);
    std::mt19937 random(game);
    if (tv::layoutgen::RandomPlayClears(board, random)) ++stats.cleared;
  }
  stats.meanOpeningMoves = double(moves) / double(kLastCheckedGame - kFirstCheckedGame + 1);
  return stats;
}

int Usage() {
  std::fprintf(stderr,
               "usage: tilvane-layoutgen [--check] [--play] SRC_DIR OUT_DIR\n"
               "  Writes OUT_DIR/<Name>.mah for every SRC_DIR/<Name>.txt.\n"
               "  --check  also deals each layout for game numbers %u to %u.\n"
               "  --play   also plays those deals picking pairs at random and counts the\n"
               "           games cleared, and the pairs open at the start.\n",
               kFirstCheckedGame, kLastCheckedGame);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool check = false, play = false;
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--check") == 0)
      check = true;
    else if (std::strcmp(argv[i], "--play") == 0)
      play = true;
    else
      args.push_back(argv[i]);
  }
  if (args.size() != 2) return Usage();

  std::vector<tv::layoutgen::ParsedLayout> layouts;
  std::string error;
  if (!tv::layoutgen::GenerateLayouts(args[0], args[1], layouts, error)) {
    std::fprintf(stderr, "tilvane-layoutgen: %s\n", error.c_str());
    return 1;
  }

  int badDeals = 0;
  for (const auto& layout : layouts) {
    tv::MODE_P board;
    FillBoard(layout.positions, board);
    tv::ComputeGridExtent(board);
    const int freeCount = tv::MarkFreeTiles(board);
    std::printf("%-16s %3d tiles  %d levels  %2dx%-2d units  %2d free", layout.name.c_str(),
                board.Game.TileCount, board.Game.Levels, board.Game.GridWidth,
                board.Game.GridHeight, freeCount);
    if (check) {
      const DealStats stats = CheckDeals(layout.positions);
      std::printf("  deals: %d failed, attempts mean %.1f worst %d", stats.failures,
                  stats.meanAttempts, stats.worstAttempts);
      if (stats.failures > 0) ++badDeals;
    }
    if (play) {
      const PlayStats stats = PlayDeals(layout.positions);
      std::printf("  random play clears %3d of %u, %4.1f pairs open", stats.cleared,
                  kLastCheckedGame - kFirstCheckedGame + 1, stats.meanOpeningMoves);
    }
    std::printf("\n");
  }
  return badDeals > 0 ? 1 : 0;
}
