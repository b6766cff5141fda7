// SPDX-License-Identifier: GPL-3.0-or-later
// The generator, deals in every mode, and the replay check of every solution.
#include "game/deal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "game/faces.h"
#include "test_support.h"

namespace tv {
namespace {

using test::BoardFrom;

struct Dealt {
  MODE_P board;
  Solution solution;
  DealResult result;
  RandState rand;
};

Dealt DealFrom(const std::vector<LayoutPosition>& pos, std::uint32_t seed, int mode = kDealRestart,
               bool check = true) {
  Dealt d;
  d.board = BoardFrom(pos);
  d.rand.value = seed;
  d.result = Deal(d.board, mode, d.rand, d.solution, nullptr, check);
  return d;
}

std::vector<LayoutPosition> Slots(const MODE_P& b) {
  std::vector<LayoutPosition> out;
  for (int i = 0; i < b.Game.TileCount; ++i)
    out.push_back({b.Tiles[i].X, b.Tiles[i].Y, b.Tiles[i].Z});
  return out;
}

// A layout of 144 tiles over four levels with half-tile offsets.
std::vector<LayoutPosition> BigLayout() {
  std::vector<LayoutPosition> pos;
  for (int y = 0; y < 16; y += 2)
    for (int x = 0; x < 24; x += 2) pos.push_back({x, y, 0});  // 96
  for (int y = 2; y < 14; y += 2)
    for (int x = 4; x < 20; x += 2) pos.push_back({x, y, 1});  // 48
  return pos;
}

TEST(Random, DrawSequences) {
  RandState r{12345};
  const std::uint32_t expected[] = {27, 20, 5, 39, 45};
  for (std::uint32_t e : expected) EXPECT_EQ(r.Below(72), e);
  RandState z{0};
  EXPECT_EQ(z.Below(72), 0u);
  EXPECT_EQ(z.Below(72), 2u);
  EXPECT_EQ(z.Below(72), 61u);
}

TEST(Deal, TwoTilesInARow) {
  Dealt d = DealFrom({{0, 0, 0}, {2, 0, 0}}, 12345);
  ASSERT_TRUE(d.result.ok);
  EXPECT_EQ(d.result.attempts, 1);
  EXPECT_EQ(d.board.Tiles[0].Face, 24);
  EXPECT_EQ(d.board.Tiles[1].Face, 24);
  EXPECT_EQ(Slots(d.board), (std::vector<LayoutPosition>{{2, 0, 0}, {0, 0, 0}}));
  ASSERT_EQ(d.solution.Count, 2);
  EXPECT_EQ(d.solution.Steps[0].Slot, 0);
  EXPECT_EQ(d.solution.Steps[0].Cell, 1);
  EXPECT_EQ(d.solution.Steps[1].Slot, 1);
  EXPECT_EQ(d.solution.Steps[1].Cell, 0);
}

TEST(Deal, FourTilesInARowNeedElevenAttempts) {
  Dealt d = DealFrom({{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {6, 0, 0}}, 12345);
  ASSERT_TRUE(d.result.ok);
  EXPECT_EQ(d.result.attempts, 11);
  const int faces[] = {23, 23, 10, 10};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(d.board.Tiles[i].Face, faces[i]);
  EXPECT_EQ(Slots(d.board),
            (std::vector<LayoutPosition>{{2, 0, 0}, {4, 0, 0}, {0, 0, 0}, {6, 0, 0}}));
  // The first pair of a four-tile row is always the middle one.
  std::vector<int> cells = {d.solution.Steps[0].Cell, d.solution.Steps[1].Cell};
  std::sort(cells.begin(), cells.end());
  EXPECT_EQ(cells, (std::vector<int>{1, 2}));
}

TEST(Deal, StackedPairCannotBeDealt) {
  Dealt d = DealFrom({{0, 0, 0}, {0, 0, 1}}, 7);
  EXPECT_FALSE(d.result.ok);
  EXPECT_EQ(d.result.attempts, kDealAttempts);
  EXPECT_FALSE(d.board.Tiles[0].Present);
  EXPECT_FALSE(d.board.Tiles[1].Present);
  Dealt empty = DealFrom({}, 7);
  EXPECT_FALSE(empty.result.ok);
}

TEST(Deal, SameGameNumberSameDeal) {
  for (std::uint32_t seed : {1u, 99u, 4000000000u}) {
    Dealt a = DealFrom(BigLayout(), seed);
    Dealt b = DealFrom(BigLayout(), seed);
    ASSERT_TRUE(a.result.ok);
    EXPECT_EQ(a.rand.value, b.rand.value);
    EXPECT_EQ(a.solution.Count, b.solution.Count);
    for (int i = 0; i < kMaxTiles; ++i) {
      EXPECT_EQ(a.board.Tiles[i].Face, b.board.Tiles[i].Face);
      EXPECT_EQ(a.board.Tiles[i].X, b.board.Tiles[i].X);
      EXPECT_EQ(a.board.Tiles[i].Y, b.board.Tiles[i].Y);
    }
    for (int k = 0; k < a.solution.Count; ++k)
      EXPECT_EQ(a.solution.Steps[k].Cell, b.solution.Steps[k].Cell);
  }
}

TEST(Deal, EverySolutionReplaysAndUsesEveryPosition) {
  const auto layout = BigLayout();
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    Dealt d = DealFrom(layout, seed);
    ASSERT_TRUE(d.result.ok) << seed;
    EXPECT_EQ(d.solution.Count, 144);
    EXPECT_EQ(FirstUnplayablePair(d.board, d.solution), -1) << seed;
    auto dealt = Slots(d.board);
    auto original = layout;
    auto less = [](auto& a, auto& b) { return std::tie(a.X, a.Y, a.Z) < std::tie(b.X, b.Y, b.Z); };
    std::sort(dealt.begin(), dealt.end(), less);
    std::sort(original.begin(), original.end(), less);
    EXPECT_EQ(dealt, original) << seed;
    for (int i = 0; i < 144; ++i) {
      EXPECT_EQ(d.board.Tiles[i].Index, i);
      EXPECT_TRUE(d.board.Tiles[i].Present);
      EXPECT_EQ(d.board.Tiles[i].MatchClass, MatchClassOf(d.board.Tiles[i].Face));
    }
    for (int k = 0; k < 72; ++k)
      EXPECT_EQ(d.board.Tiles[2 * k].MatchClass, d.board.Tiles[2 * k + 1].MatchClass);
  }
}

TEST(Deal, SmallLayoutTakesWholePairsOfTheShuffledSet) {
  std::vector<LayoutPosition> pos;
  for (int i = 0; i < 100; ++i) pos.push_back({2 * (i % 10), 2 * (i / 10), 0});
  Dealt d = DealFrom(pos, 31337);
  ASSERT_TRUE(d.result.ok);
  std::map<int, int> perFace;
  for (int i = 0; i < 144; ++i) ++perFace[d.board.Tiles[i].Face];
  // All 144 slots hold the shuffled full set; only the first 100 are placed.
  for (int f = 0; f < kFaceCount; ++f) {
    const bool single = (f >= 27 && f <= 30) || (f >= 35 && f <= 38);
    EXPECT_EQ(perFace[f], single ? 1 : 4);
  }
  for (int i = 100; i < 144; ++i) EXPECT_FALSE(d.board.Tiles[i].Present);
  EXPECT_EQ(FirstUnplayablePair(d.board, d.solution), -1);
}

TEST(Deal, ReshuffleModesDealTheKeptFacesAgain) {
  const std::vector<LayoutPosition> pos = {{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {0, 2, 0},
                                           {2, 2, 0}, {4, 2, 0}, {1, 1, 1}, {3, 1, 1}};
  const std::int32_t faces[] = {3, 3, 27, 30, 40, 40, 41, 41};
  MODE_P board = BoardFrom(pos);
  RandState rand{555};
  Solution solution;
  const DealResult r = Deal(board, kDealReshuffle, rand, solution, faces);
  ASSERT_TRUE(r.ok);
  std::vector<int> dealt;
  for (int i = 0; i < 8; ++i) dealt.push_back(board.Tiles[i].Face);
  std::sort(dealt.begin(), dealt.end());
  EXPECT_EQ(dealt, (std::vector<int>{3, 3, 27, 30, 40, 40, 41, 41}));
  EXPECT_EQ(FirstUnplayablePair(board, solution), -1);
  // Replaying from the same state gives the same deal.
  MODE_P again = BoardFrom(pos);
  RandState rand2{555};
  Solution solution2;
  ASSERT_TRUE(Deal(again, kDealReplayReshuffle, rand2, solution2, faces).ok);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(again.Tiles[i].Face, board.Tiles[i].Face);
    EXPECT_EQ(again.Tiles[i].X, board.Tiles[i].X);
  }
}

// Shapes on which the bare filling accepts a solution that cannot be played:
// both ends of a started row filled in one step around an empty cell, and an
// upper row started at both ends before its middle is supported.
TEST(Deal, UnplayableSolutionsAreRejected) {
  struct Case {
    std::vector<LayoutPosition> pos;
    std::uint32_t seed;
  };
  const Case cases[] = {
      {{{0, 1, 0}, {2, 0, 0}, {2, 2, 0}, {4, 1, 0}, {8, 0, 0}, {12, 0, 0}}, 5},
      {{{0, 0, 0}, {3, 0, 0}, {6, 0, 0}, {1, 0, 1}, {3, 0, 1}, {5, 0, 1}, {10, 0, 0}, {12, 0, 0}},
       69},
  };
  for (const Case& c : cases) {
    Dealt bare = DealFrom(c.pos, c.seed, kDealRestart, false);
    ASSERT_TRUE(bare.result.ok);
    EXPECT_NE(FirstUnplayablePair(bare.board, bare.solution), -1)
        << "the bare algorithm's first success should be unplayable here";
    Dealt checked = DealFrom(c.pos, c.seed);
    ASSERT_TRUE(checked.result.ok);
    EXPECT_GT(checked.result.attempts, bare.result.attempts);
    EXPECT_EQ(FirstUnplayablePair(checked.board, checked.solution), -1);
  }
}

TEST(Deal, CheckChangesNothingWhenEverySolutionReplays) {
  for (std::uint32_t seed = 100; seed < 120; ++seed) {
    Dealt a = DealFrom(BigLayout(), seed, kDealRestart, true);
    Dealt b = DealFrom(BigLayout(), seed, kDealRestart, false);
    ASSERT_TRUE(a.result.ok && b.result.ok);
    EXPECT_EQ(a.result.attempts, b.result.attempts);
    EXPECT_EQ(a.rand.value, b.rand.value);
  }
}

}  // namespace
}  // namespace tv

namespace tv {
namespace {

// Pins whole deals (faces, places, solution, generator state) for fixed game
// numbers, so that no change of the generator goes unnoticed: saved game numbers
// must keep giving the same deal.
TEST(Deal, GoldenDealsForFixedGameNumbers) {
  std::uint64_t hash = 1469598103934665603ull;
  auto mix = [&](std::int64_t v) {
    hash = (hash ^ static_cast<std::uint64_t>(v)) * 1099511628211ull;
  };
  std::vector<LayoutPosition> layout;
  for (int y = 0; y < 16; y += 2)
    for (int x = 0; x < 24; x += 2) layout.push_back({x, y, 0});
  for (int y = 3; y < 13; y += 2)
    for (int x = 5; x < 19; x += 2) layout.push_back({x, y, 1});
  for (int y = 4; y < 12; y += 2)
    for (int x = 8; x < 14; x += 2) layout.push_back({x, y, 2});
  layout.resize(layout.size() & ~std::size_t{1});
  ASSERT_LE(layout.size(), static_cast<std::size_t>(kMaxTiles));
  for (std::uint32_t seed : {0u, 1u, 2u, 77u, 12345u, 2147483648u, 4294967295u}) {
    MODE_P board = test::BoardFrom(layout);
    RandState rand{seed};
    Solution solution;
    const DealResult r = Deal(board, kDealRestart, rand, solution);
    mix(r.ok);
    mix(r.attempts);
    mix(rand.value);
    for (int i = 0; i < kMaxTiles; ++i) {
      const TILE_P& t = board.Tiles[i];
      mix(t.Face), mix(t.X), mix(t.Y), mix(t.Z), mix(t.Present);
    }
    for (int k = 0; k < solution.Count; ++k)
      mix(solution.Steps[k].Slot), mix(solution.Steps[k].Cell);
  }
  EXPECT_EQ(hash, 3597937857902975956ull);
}

}  // namespace
}  // namespace tv
