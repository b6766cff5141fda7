// SPDX-License-Identifier: GPL-3.0-or-later
// The winnable verdict: hand-made positions, agreement with a plain search on
// small random layouts, every shipped deal, and cancellation.
#include "game/solver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <random>
#include <thread>

#include "game/deal.h"
#include "test_support.h"

namespace tv {
namespace {

using test::BoardFrom;

// Positions with the given classes, all present.
MODE_P Position(const std::vector<LayoutPosition>& pos, const std::vector<int>& classes) {
  MODE_P board = BoardFrom(pos);
  for (std::size_t i = 0; i < classes.size(); ++i)
    board.Tiles[i].MatchClass = static_cast<std::uint8_t>(classes[i]);
  return board;
}

// Every removal of the line must be a legal pair on the real board, and the
// line must clear it.
::testing::AssertionResult ClearsBoard(MODE_P board, const SolveResult& r) {
  for (int k = 0; k < r.lineCount; ++k) {
    const int a = r.line[k][0], b = r.line[k][1];
    if (a == b || !board.Tiles[a].Present || !board.Tiles[b].Present ||
        board.Tiles[a].MatchClass != board.Tiles[b].MatchClass || !IsFree(board, a) ||
        !IsFree(board, b))
      return ::testing::AssertionFailure() << "removal " << k << " (" << a << "," << b << ")";
    board.Tiles[a].Present = board.Tiles[b].Present = false;
  }
  for (int i = 0; i < board.Game.TileCount; ++i)
    if (board.Tiles[i].Present) return ::testing::AssertionFailure() << "slot " << i << " left";
  return ::testing::AssertionSuccess();
}

Verdict Decide(const MODE_P& board) {
  return DecideWinnable(board, SolveLimits{}).verdict;
}

TEST(SolverTest, HandMadePositions) {
  // A pair lying on itself, and two pairs crossing in a column.
  EXPECT_EQ(Decide(Position({{0, 0, 0}, {0, 0, 1}}, {5, 5})), Verdict::kNotWinnable);
  EXPECT_EQ(Decide(Position({{0, 0, 0}, {1, 1, 1}, {2, 0, 0}, {6, 0, 0}}, {5, 5, 7, 7})),
            Verdict::kNotWinnable);
  EXPECT_EQ(Decide(Position({{0, 0, 0}, {0, 0, 1}, {0, 0, 2}, {0, 0, 3}}, {1, 2, 1, 2})),
            Verdict::kNotWinnable);
  EXPECT_EQ(Decide(Position({{0, 0, 0}, {0, 0, 1}, {0, 0, 2}, {0, 0, 3}}, {1, 2, 2, 1})),
            Verdict::kNotWinnable);
  EXPECT_EQ(Decide(Position({{0, 0, 0}, {0, 0, 1}, {0, 0, 2}, {0, 0, 3}}, {1, 1, 2, 2})),
            Verdict::kNotWinnable);
  // Crossing in a row (one pair holds the other's inner side), and nested.
  const std::vector<LayoutPosition> row = {{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {6, 0, 0}};
  EXPECT_EQ(Decide(Position(row, {1, 2, 1, 2})), Verdict::kNotWinnable);
  EXPECT_EQ(Decide(Position(row, {1, 2, 2, 1})), Verdict::kWinnable);
  // Staggered rows: the lower neighbour half a tile down still blocks.
  EXPECT_EQ(Decide(Position({{0, 0, 0}, {2, 1, 0}, {4, 0, 0}, {6, 1, 0}}, {1, 2, 1, 2})),
            Verdict::kNotWinnable);
  EXPECT_EQ(Decide(Position({{0, 0, 0}, {2, 2, 0}, {4, 0, 0}, {6, 2, 0}}, {1, 2, 1, 2})),
            Verdict::kWinnable);
  // Rings through stacks of two classes: each pair lies under the other.
  EXPECT_EQ(Decide(Position({{0, 0, 0}, {0, 0, 1}, {4, 0, 0}, {4, 0, 1}}, {1, 2, 2, 1})),
            Verdict::kNotWinnable);
  // An odd class, and the empty board.
  EXPECT_EQ(Decide(Position({{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {6, 0, 0}}, {1, 1, 1, 2})),
            Verdict::kNotWinnable);
  MODE_P empty = Position({{0, 0, 0}, {4, 0, 0}}, {1, 1});
  empty.Tiles[0].Present = empty.Tiles[1].Present = false;
  EXPECT_EQ(Decide(empty), Verdict::kWinnable);

  // Of three free tiles waiting for a fourth, the one kept for it matters: the
  // fourth lies under a pair whose partner lies under the tile at (4,0,1).
  const std::vector<LayoutPosition> three = {{0, 0, 0}, {0, 0, 1}, {4, 0, 0},
                                             {4, 0, 1}, {8, 0, 0}, {12, 0, 0}};
  const MODE_P choice = Position(three, {1, 2, 2, 1, 1, 1});
  const SolveResult r = DecideWinnable(choice, SolveLimits{});
  EXPECT_EQ(r.verdict, Verdict::kWinnable);
  EXPECT_TRUE(ClearsBoard(choice, r));
  MODE_P kept = choice;
  kept.Tiles[4].Present = kept.Tiles[5].Present = false;
  EXPECT_EQ(Decide(kept), Verdict::kNotWinnable);
}

// The plain search the solver must agree with: every pair, no memory.
bool PlainSearch(MODE_P& board, int left) {
  if (left == 0) return true;
  const int n = board.Game.TileCount;
  for (int a = 0; a < n; ++a) {
    if (!board.Tiles[a].Present || !IsFree(board, a)) continue;
    for (int b = a + 1; b < n; ++b) {
      if (!board.Tiles[b].Present || board.Tiles[b].MatchClass != board.Tiles[a].MatchClass ||
          !IsFree(board, b))
        continue;
      board.Tiles[a].Present = board.Tiles[b].Present = false;
      const bool won = PlainSearch(board, left - 2);
      board.Tiles[a].Present = board.Tiles[b].Present = true;
      if (won) return true;
    }
  }
  return false;
}

// Small crowded layouts: tiles in a few rows, stacked and half-shifted, with
// classes of two, four and six tiles.
MODE_P RandomPosition(std::mt19937& rng, int tiles) {
  std::vector<LayoutPosition> pos;
  std::uniform_int_distribution<int> x(0, 8), y(0, 2), z(0, 4);
  while (static_cast<int>(pos.size()) < tiles) {
    const LayoutPosition p{x(rng), y(rng), z(rng)};
    bool clash = false;
    for (const LayoutPosition& q : pos)
      clash |= q.Z == p.Z && std::abs(q.X - p.X) < 2 && std::abs(q.Y - p.Y) < 2;
    if (!clash) pos.push_back(p);
  }
  std::vector<int> classes;
  std::uniform_int_distribution<int> pick(0, tiles / 4);
  for (int k = 0; k < tiles / 2; ++k) classes.insert(classes.end(), 2, pick(rng));
  std::shuffle(classes.begin(), classes.end(), rng);
  return Position(pos, classes);
}

TEST(SolverTest, AgreesWithPlainSearchOnSmallRandomLayouts) {
  std::mt19937 rng(2026);
  int won = 0, lost = 0;
  for (int round = 0; round < 1500; ++round) {
    const int tiles = 4 + 2 * (round % 9);  // 4 to 20
    MODE_P board = RandomPosition(rng, tiles);
    const SolveResult r = DecideWinnable(board, SolveLimits{});
    MODE_P scratch = board;
    const bool plain = PlainSearch(scratch, tiles);
    ASSERT_NE(r.verdict, Verdict::kUnknown);
    ASSERT_EQ(r.verdict == Verdict::kWinnable, plain) << "round " << round;
    if (plain) {
      EXPECT_TRUE(ClearsBoard(board, r)) << "round " << round;
    }
    (plain ? won : lost)++;
  }
  // Both verdicts must be well represented for the comparison to mean much.
  EXPECT_GT(won, 300);
  EXPECT_GT(lost, 300);
}

std::vector<MODE_P> ShippedLayouts() {
  const std::string dir = std::string(TILVANE_SOURCE_DIR) + "/data/layouts/";
  std::vector<MODE_P> out;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.path().extension() != ".mah") continue;
    MODE_P board;
    EXPECT_TRUE(ReadLayout(dir, entry.path().stem().string(), board).Ok()) << entry.path();
    out.push_back(board);
  }
  return out;
}

// Deals are built to be won, and so is every position along the deal's own
// solution: the solver may run out of budget there but never call one lost.
TEST(SolverTest, DealsAndTheirSolutionsAreNeverCalledLost) {
  SolveLimits limits;
  limits.maxNodes = 20000;  // a node budget, not a clock, so a slow machine gets the same answers
  int decided = 0, asked = 0;
  for (const MODE_P& layout : ShippedLayouts()) {
    for (std::uint32_t seed : {1u, 77u}) {
      MODE_P board = layout;
      RandState rand{seed};
      Solution solution;
      ASSERT_TRUE(Deal(board, kDealRestart, rand, solution).ok);
      board.Game.TilesLeft = board.Game.TileCount;
      for (int k = solution.Count / 2 - 1; k >= 0; k -= 12) {
        const SolveResult r = DecideWinnable(board, limits);
        ++asked;
        ASSERT_NE(r.verdict, Verdict::kNotWinnable) << board.LayoutName() << " seed " << seed;
        if (r.verdict == Verdict::kWinnable) {
          ++decided;
          EXPECT_TRUE(ClearsBoard(board, r));
        }
        for (int m = k; m > k - 12 && m >= 0; --m) {
          board.Tiles[solution.Steps[2 * m].Slot].Present = false;
          board.Tiles[solution.Steps[2 * m + 1].Slot].Present = false;
        }
      }
    }
  }
  EXPECT_GT(decided, asked * 9 / 10) << decided << " of " << asked;
}

// The start of Arena game 10 takes this search over a hundred thousand nodes.
MODE_P HardPosition() {
  MODE_P board;
  EXPECT_TRUE(ReadLayout(std::string(TILVANE_SOURCE_DIR) + "/data/layouts/", "Arena", board).Ok());
  RandState rand{10};
  Solution solution;
  EXPECT_TRUE(Deal(board, kDealRestart, rand, solution).ok);
  return board;
}

TEST(SolverTest, CancelledFromAnotherThreadAndByNewerPositions) {
  const MODE_P hard = HardPosition();
  // A busy machine may start the search late or run it fast, so no single wait is sure
  // to land mid-search: waits double until one does, and every outcome must be sound.
  bool cancelledMidSearch = false;
  for (int wait = 1; wait <= 4096 && !cancelledMidSearch; wait *= 2) {
    std::atomic<bool> cancel{false};
    SolveResult r;
    std::thread search([&] { r = DecideWinnable(hard, SolveLimits{}, &cancel); });
    std::this_thread::sleep_for(std::chrono::milliseconds(wait));
    cancel = true;
    search.join();
    if (r.cancelled) {
      EXPECT_EQ(r.verdict, Verdict::kUnknown);
      cancelledMidSearch = r.nodes > 0;
    } else {
      EXPECT_EQ(r.verdict, Verdict::kWinnable) << "a dealt game finished uncancelled";
      break;  // it ran out between two waits: longer ones would only find it done
    }
  }
  EXPECT_TRUE(cancelledMidSearch);

  // The worker reports only the latest position; the hard one is cancelled.
  std::mutex m;
  std::condition_variable done;
  std::vector<std::pair<std::uint64_t, Verdict>> reports;
  {
    WinnableWorker worker(SolveLimits{}, [&](std::uint64_t ticket, const SolveResult& res) {
      std::lock_guard lock(m);
      reports.emplace_back(ticket, res.verdict);
      done.notify_all();
    });
    // Whether the worker has begun the hard one or not, it gives way to the newer one.
    const MODE_P easy = Position({{0, 0, 0}, {0, 0, 1}}, {3, 3});
    EXPECT_EQ(worker.Submit(hard), 1u);
    EXPECT_EQ(worker.Submit(easy), 2u);
    std::unique_lock lock(m);
    ASSERT_TRUE(done.wait_for(lock, std::chrono::seconds(10), [&] { return !reports.empty(); }));
    EXPECT_EQ(reports,
              (std::vector<std::pair<std::uint64_t, Verdict>>{{2, Verdict::kNotWinnable}}));
    lock.unlock();
    // Destroying the worker mid-search returns at once and reports nothing.
    worker.Submit(hard);
  }
  EXPECT_EQ(reports.size(), 1u);
}

}  // namespace
}  // namespace tv
