// SPDX-License-Identifier: GPL-3.0-or-later
// The focus ring's moves between free tiles, and the hint's order of pairs.
#include "game/key_focus.h"

#include <gtest/gtest.h>

#include "game/hint_choice.h"
#include "test_support.h"

namespace tv {
namespace {

MODE_P Marked(const std::vector<LayoutPosition>& positions) {
  MODE_P board = test::BoardFrom(positions);
  MarkFreeTiles(board);
  return board;
}

TEST(KeyFocus, NearestFreeTileInTheDirection) {
  // 0 (0,0); 1 (2,0) blocked between 0 and 2; 2 (4,0); 3 (2,2) one row down;
  // 4 (4,-4) far up; 5 (-4,0) to the left.
  const MODE_P board = Marked({{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {2, 2, 0}, {4, -4, 0}, {-4, 0, 0}});
  ASSERT_FALSE(board.Tiles[1].Free);
  EXPECT_EQ(NextFocusTile(board, 0, FocusDirection::kRight), 2);  // row kept, blocked skipped
  EXPECT_EQ(NextFocusTile(board, 0, FocusDirection::kDown), 3);
  EXPECT_EQ(NextFocusTile(board, 0, FocusDirection::kUp), 4);
  EXPECT_EQ(NextFocusTile(board, 0, FocusDirection::kLeft), 5);
  EXPECT_EQ(NextFocusTile(board, 5, FocusDirection::kLeft), -1);  // nothing beyond: stays
  EXPECT_EQ(NextFocusTile(board, 3, FocusDirection::kDown), -1);
}

TEST(KeyFocus, TiesGoToTheNearerAlongTheAxisThenTheHigherLevel) {
  // From 0, tiles 1 (6,0) and 2 (2,2) cost the same; 2 is nearer along the axis.
  EXPECT_EQ(NextFocusTile(Marked({{0, 0, 0}, {6, 0, 0}, {2, 2, 0}}), 0, FocusDirection::kRight), 2);
  // Same distances, one a level higher.
  EXPECT_EQ(NextFocusTile(Marked({{0, 0, 0}, {6, 1, 0}, {6, -1, 1}}), 0, FocusDirection::kRight),
            2);
}

TEST(KeyFocus, SettlesOnTheNearestFreeTile) {
  MODE_P board = Marked({{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {12, 0, 0}, {14, 0, 0}});
  EXPECT_EQ(SettleFocusTile(board, 0), 0);
  EXPECT_EQ(SettleFocusTile(board, 1), 0);  // blocked: a neighbour, the lower slot on a tie
  board.Tiles[0].Present = false;
  MarkFreeTiles(board);
  EXPECT_EQ(SettleFocusTile(board, 0), 1);   // removed: the nearest
  EXPECT_EQ(SettleFocusTile(board, -1), 2);  // the middle of the layout
  for (int i = 0; i < 5; ++i) board.Tiles[i].Present = false;
  MarkFreeTiles(board);
  EXPECT_EQ(SettleFocusTile(board, 3), -1);
}

}  // namespace
}  // namespace tv

namespace tv {
namespace {

TEST(HintRanking, PairsThatKeepTheGameWinnableComeFirst) {
  // One class: 0 and 1 side by side, 3 resting on 2. Taking 0 and 1 leaves 3 on its own
  // partner; taking 3 with either keeps the game winnable.
  MODE_P board = test::BoardFrom({{4, 0, 0}, {8, 0, 0}, {0, 0, 0}, {0, 0, 1}});
  MarkFreeTiles(board);
  ASSERT_EQ(HintPairs(board), (std::vector<HintPair>{{0, 1}, {0, 3}, {1, 3}}));
  EXPECT_EQ(RankHintPairs(board, std::chrono::milliseconds(50)),
            (std::vector<HintPair>{{0, 3}, {1, 3}, {0, 1}}));
  // Without time the order stays as it is.
  EXPECT_EQ(RankHintPairs(board, std::chrono::milliseconds(0)), HintPairs(board));
}

}  // namespace
}  // namespace tv
