// SPDX-License-Identifier: GPL-3.0-or-later
// Faces, the free-tile rule, available moves and the stacking order.
#include <gtest/gtest.h>

#include <map>

#include "game/board.h"
#include "game/faces.h"
#include "test_support.h"

namespace tv {
namespace {

using test::BoardFrom;

TEST(Faces, MatchClassesGroupSeasonsAndFlowersOnly) {
  EXPECT_EQ(MatchClassOf(27), MatchClassOf(30));  // Winter and Autumn
  EXPECT_EQ(MatchClassOf(35), MatchClassOf(38));  // two flowers
  EXPECT_NE(MatchClassOf(31), MatchClassOf(32));  // North and South
  for (int f = 0; f < kFaceCount; ++f)
    for (int g = 0; g < kFaceCount; ++g) {
      const bool group =
          (f >= 27 && f <= 30 && g >= 27 && g <= 30) || (f >= 35 && f <= 38 && g >= 35 && g <= 38);
      EXPECT_EQ(MatchClassOf(f) == MatchClassOf(g), f == g || group) << f << " " << g;
    }
  for (int f = 1; f < kFaceCount; ++f) EXPECT_GE(FaceClass[f], FaceClass[f - 1]);
  EXPECT_EQ(FaceClass[41], 35);
}

TEST(Faces, FullSetIsSeventyTwoMatchingPairsWithFourOfEachClass) {
  std::map<int, int> perFace, perClass;
  for (int k = 0; k < kPairCount; ++k) {
    EXPECT_EQ(MatchClassOf(FullSet[2 * k]), MatchClassOf(FullSet[2 * k + 1])) << k;
  }
  for (int f : FullSet) ++perFace[f], ++perClass[MatchClassOf(f)];
  for (int f = 0; f < kFaceCount; ++f) {
    const bool single = (f >= 27 && f <= 30) || (f >= 35 && f <= 38);
    EXPECT_EQ(perFace[f], single ? 1 : 4) << f;
  }
  for (auto [cls, count] : perClass) EXPECT_EQ(count, 4) << cls;
  EXPECT_EQ(FullSet[108], 27);
  EXPECT_EQ(FullSet[109], 28);
}

TEST(Faces, NamesAndSheetCells) {
  struct Case {
    int face;
    const char* name;
    int col, row;
  };
  const Case cases[] = {{0, "Dots 1", 0, 0},        {17, "Bamboos 9", 8, 1},
                        {24, "Characters 7", 6, 2}, {27, "Season Winter", 0, 3},
                        {34, "Wind West", 7, 3},    {35, "Flower", 0, 4},
                        {38, "Flower", 3, 4},       {41, "Red Dragon", 6, 4}};
  for (const Case& c : cases) {
    EXPECT_STREQ(FaceName(c.face), c.name);
    EXPECT_EQ(SheetCellOf(c.face).col, c.col) << c.face;
    EXPECT_EQ(SheetCellOf(c.face).row, c.row) << c.face;
  }
}

struct FreeCase {
  const char* what;
  std::vector<LayoutPosition> others;  // the tested tile stands at (10, 10, 1)
  bool free;
};

TEST(FreeRule, NeighboursAndCovers) {
  const FreeCase cases[] = {
      {"alone", {}, true},
      {"tile directly on top", {{10, 10, 2}}, false},
      {"half a tile higher and to the side, next level", {{11, 9, 2}}, false},
      {"two units to the side on the next level", {{12, 10, 2}}, true},
      {"two levels higher", {{10, 10, 3}}, true},
      {"left (y+1) and right (y-1) neighbours", {{8, 11, 1}, {12, 9, 1}}, false},
      {"left neighbour only", {{8, 11, 1}}, true},
      {"left neighbour two rows off", {{8, 12, 1}, {12, 10, 1}}, true},
      {"neighbours one level lower", {{8, 10, 0}, {12, 10, 0}}, true},
      {"neighbours at distance three", {{7, 10, 1}, {13, 10, 1}}, true},
  };
  for (const FreeCase& c : cases) {
    std::vector<LayoutPosition> all = {{10, 10, 1}};
    all.insert(all.end(), c.others.begin(), c.others.end());
    MODE_P board = BoardFrom(all);
    EXPECT_EQ(IsFree(board, 0), c.free) << c.what;
    // Absent tiles never block.
    for (int i = 1; i < board.Game.TileCount; ++i) board.Tiles[i].Present = false;
    EXPECT_TRUE(IsFree(board, 0)) << c.what;
  }
}

TEST(FreeRule, MarkFreeTilesClearsAbsentSlots) {
  MODE_P board = BoardFrom({{0, 0, 0}, {2, 0, 0}, {4, 0, 0}});
  board.Tiles[3].Free = true;  // beyond TileCount: untouched
  EXPECT_EQ(MarkFreeTiles(board), 2);
  EXPECT_FALSE(board.Tiles[1].Free);
  board.Tiles[0].Present = false;
  EXPECT_EQ(MarkFreeTiles(board), 2);
  EXPECT_FALSE(board.Tiles[0].Free);
  EXPECT_TRUE(board.Tiles[1].Free);
}

// The Winnable panel judges only a game in play: a failed deal leaves tiles counted but
// none present, and neither the editor nor a solution shown is play.
TEST(FreeRule, GameInPlayNeedsPlayTilesLeftAndOnePresent) {
  struct Case {
    const char* what;
    bool play, solution;
    int tilesLeft;
    bool anyPresent;
    bool inPlay;
  } cases[] = {
      {"dealt", true, false, 2, true, true},         {"edit mode", false, false, 2, true, false},
      {"solution", true, true, 2, true, false},      {"won", true, false, 0, true, false},
      {"failed deal", true, false, 2, false, false},
  };
  for (const Case& c : cases) {
    MODE_P board = BoardFrom({{0, 0, 0}, {2, 0, 0}});
    board.Game.TilesLeft = c.tilesLeft;
    for (int i = 0; i < 2; ++i) board.Tiles[std::size_t(i)].Present = c.anyPresent && i == 1;
    EXPECT_EQ(GameInPlay(board, c.play, c.solution), c.inPlay) << c.what;
  }
}

TEST(Moves, CountsPairsOfFreeTilesPerClass) {
  // Three seasons free: 3 moves. Two free Dots 5 and a blocked one: 1 move.
  MODE_P board = BoardFrom({{0, 0, 0},
                            {4, 0, 0},
                            {8, 0, 0},  // seasons
                            {20, 0, 0},
                            {22, 0, 0},
                            {24, 0, 0}});  // dots 5 row
  const int faces[] = {27, 28, 30, 4, 4, 4};
  for (int i = 0; i < 6; ++i) {
    board.Tiles[i].Face = faces[i];
    board.Tiles[i].MatchClass = MatchClassOf(faces[i]);
  }
  MarkFreeTiles(board);
  EXPECT_EQ(CountMoves(board), 4);
  board.Game.TilesLeft = 0;
  EXPECT_EQ(CountMoves(board), 0);
}

TEST(StackingOrder, RowsRightToLeftThenDownThenUp) {
  MODE_P board = BoardFrom({{0, 0, 0}, {2, 0, 0}, {0, 2, 0}});
  BuildStackingOrder(board);
  EXPECT_EQ(board.Order[0].Index, 1);
  EXPECT_EQ(board.Order[1].Index, 0);
  EXPECT_EQ(board.Order[2].Index, 2);
  EXPECT_EQ(board.Tiles[1].DrawKey, 98);
}

TEST(StackingOrder, EveryTileComesAfterTheTilesItRestsOnAndOverlapsDrawCorrectly) {
  // A small pyramid with half-tile offsets on each level.
  std::vector<LayoutPosition> pos;
  for (int y = 0; y < 6; y += 2)
    for (int x = 0; x < 8; x += 2) pos.push_back({x, y, 0});
  for (int y = 1; y < 4; y += 2)
    for (int x = 1; x < 6; x += 2) pos.push_back({x, y, 1});
  pos.push_back({3, 2, 2});
  MODE_P board = BoardFrom(pos);
  BuildStackingOrder(board);
  const int n = board.Game.TileCount;
  std::vector<int> at(n);
  for (int k = 0; k < n; ++k) at[board.Order[k].Index] = k;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      const TILE_P &a = board.Tiles[i], &b = board.Tiles[j];
      if (a.Z == b.Z + 1 && std::abs(a.X - b.X) <= 1 && std::abs(a.Y - b.Y) <= 1) {
        EXPECT_GT(at[i], at[j]) << "tile " << i << " must be drawn after " << j;
      }
    }
}

TEST(StackingOrder, SecondPassPutsTheLowerRightHalfOffsetTileFirst) {
  // By key (0, 0) comes before (2, 1); the second pass swaps them.
  MODE_P board = BoardFrom({{0, 0, 0}, {2, 1, 0}});
  BuildStackingOrder(board);
  EXPECT_EQ(board.Order[0].Index, 1);
  EXPECT_EQ(board.Order[1].Index, 0);
  // Different levels are never swapped by the second pass.
  MODE_P stacked = BoardFrom({{0, 0, 0}, {2, 1, 1}});
  BuildStackingOrder(stacked);
  EXPECT_EQ(stacked.Order[0].Index, 0);
}

}  // namespace
}  // namespace tv
