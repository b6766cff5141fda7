// SPDX-License-Identifier: GPL-3.0-or-later
// The solution replay: stepping both ways, the jumps, the marks, the enabled
// states, and the return to the game with and without a reshuffle.
#include "play_fixture.h"

namespace tv::test {
namespace {

bool SameTiles(const MODE_P& a, const MODE_P& b) {
  if (a.Game.TilesLeft != b.Game.TilesLeft || a.Game.MovesAvailable != b.Game.MovesAvailable)
    return false;
  for (int i = 0; i < kMaxTiles; ++i) {
    const TILE_P &s = a.Tiles[i], &t = b.Tiles[i];
    if (s.Present != t.Present || s.Free != t.Free || s.Face != t.Face || s.X != t.X ||
        s.Y != t.Y || s.Z != t.Z)
      return false;
  }
  return true;
}

class SolutionTest : public PlayTest {
 protected:
  void ExpectEnabled(bool next, bool prev) {
    EXPECT_EQ(host.enabled[Command::kSolutionNext], next);
    EXPECT_EQ(host.enabled[Command::kSolutionPrev], prev);
  }
};

TEST_F(SolutionTest, SteppingToTheEndLeavesTheFirstFilledPair) {
  host.soundOn = true;
  ASSERT_TRUE(Start("pyramid"));
  game.RemovePair(SolutionSlot(19), SolutionSlot(18));
  const auto sounds = host.sounds;
  const auto counted = host.countedGames;

  game.ShowSolution();
  EXPECT_TRUE(game.SolutionMode());
  EXPECT_TRUE(host.solutionView);
  EXPECT_EQ(B().Game.TilesLeft, 20);
  EXPECT_EQ(game.UndoCount(), 0);
  ExpectEnabled(true, false);
  int steps = 0;
  while (host.enabled[Command::kSolutionNext]) {
    const int left = B().Game.TilesLeft;
    const int a = SolutionSlot(left - 1), b = SolutionSlot(left - 2);
    EXPECT_EQ(game.SolutionTile(0), a);
    EXPECT_EQ(game.SolutionTile(1), b);
    EXPECT_TRUE(B().Tiles[a].Free && B().Tiles[b].Free);
    EXPECT_EQ(B().Tiles[a].MatchClass, B().Tiles[b].MatchClass);
    game.SolutionNext();
    EXPECT_FALSE(B().Tiles[a].Present || B().Tiles[b].Present);
    EXPECT_EQ(B().Game.TilesLeft, left - 2);
    EXPECT_EQ(host.labels[Label::kTilesLeft], std::to_string(left - 2) + " Tiles Left");
    EXPECT_TRUE(host.enabled[Command::kSolutionPrev]);
    ASSERT_LT(++steps, 20);
  }
  EXPECT_EQ(steps, 9);
  EXPECT_EQ(B().Game.TilesLeft, 2);
  int present = 0;
  for (int i = 0; i < 20; ++i) present += B().Tiles[i].Present;
  EXPECT_EQ(present, 2);
  const int a = SolutionSlot(0), b = SolutionSlot(1);
  EXPECT_TRUE(B().Tiles[a].Present && B().Tiles[a].Free);
  EXPECT_TRUE(B().Tiles[b].Present && B().Tiles[b].Free);
  EXPECT_EQ(B().Tiles[a].MatchClass, B().Tiles[b].MatchClass);
  game.SolutionNext();  // the replay never removes the last pair
  EXPECT_EQ(B().Game.TilesLeft, 2);
  // Nothing of it reached the records, the undo list or the speakers.
  EXPECT_EQ(host.sounds, sounds);
  EXPECT_EQ(host.countedGames, counted);
  EXPECT_EQ(game.UndoCount(), 0);
  game.ClickTile(a);
  EXPECT_EQ(game.SelectedTile(), kNoTile);
}

TEST_F(SolutionTest, RestoreMoveAndTheJumps) {
  ASSERT_TRUE(Start("pyramid"));
  game.ShowSolution();
  game.SolutionNext();
  game.SolutionNext();
  const MODE_P before = B();
  game.SolutionNext();
  game.SolutionPrev();
  EXPECT_TRUE(SameTiles(B(), before));
  EXPECT_EQ(game.SolutionTile(0), SolutionSlot(15));
  EXPECT_EQ(game.SelectedTile(), kNoTile);

  game.SolutionLast();
  EXPECT_EQ(B().Game.TilesLeft, 2);
  EXPECT_TRUE(B().Tiles[SolutionSlot(0)].Present && B().Tiles[SolutionSlot(1)].Present);
  EXPECT_EQ(game.SolutionTile(0), SolutionSlot(1));
  EXPECT_EQ(game.SolutionTile(1), SolutionSlot(0));
  ExpectEnabled(false, true);
  game.SolutionPrev();
  EXPECT_EQ(B().Game.TilesLeft, 4);
  EXPECT_TRUE(B().Tiles[SolutionSlot(2)].Present && B().Tiles[SolutionSlot(3)].Present);
  ExpectEnabled(true, true);

  game.SolutionFirst();
  EXPECT_EQ(B().Game.TilesLeft, 20);
  for (int i = 0; i < 20; ++i) EXPECT_TRUE(B().Tiles[i].Present);
  ExpectEnabled(true, false);
  game.SolutionPrev();  // disabled: nothing to restore
  EXPECT_EQ(B().Game.TilesLeft, 20);
}

TEST_F(SolutionTest, ReturningRestartsTheDealOrTheLatestReshuffle) {
  ASSERT_TRUE(Start("pyramid"));
  game.RemovePair(SolutionSlot(19), SolutionSlot(18));
  host.now += 0.25;
  game.ShowSolution();
  game.SolutionNext();
  game.ReturnToGame();
  EXPECT_FALSE(game.SolutionMode());
  EXPECT_FALSE(host.solutionView);
  EXPECT_EQ(game.SolutionTile(0), kNoTile);
  EXPECT_EQ(B().Game.TilesLeft, 20);
  EXPECT_FALSE(B().Game.Counted);
  EXPECT_EQ(B().Game.StartTime, host.now);
  EXPECT_TRUE(host.enabled[Command::kHint]);

  // After a reshuffle and a removal the replay shows the reshuffle's deal.
  game.RemovePair(SolutionSlot(19), SolutionSlot(18));
  const double gameStart = B().Game.StartTime;
  Tick(kDealReshuffle);
  const MODE_P reshuffled = B();
  game.RemovePair(SolutionSlot(17), SolutionSlot(16));
  host.now += 0.25;
  game.ShowSolution();
  EXPECT_TRUE(SameTiles(B(), reshuffled));
  EXPECT_FALSE(host.enabled[Command::kHint]);
  game.SolutionLast();
  game.ReturnToGame();
  EXPECT_TRUE(SameTiles(B(), reshuffled));
  EXPECT_EQ(game.Reshuffle().count, 1);
  EXPECT_EQ(host.labels[Label::kReshufLeft], "2 Reshuffles Left");
  EXPECT_EQ(B().Game.StartTime, gameStart);
  EXPECT_TRUE(B().Game.Counted);
  EXPECT_FALSE(host.enabled[Command::kUndo]);
}

}  // namespace
}  // namespace tv::test
