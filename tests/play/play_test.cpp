// SPDX-License-Identifier: GPL-3.0-or-later
// Play through the window's interface: a whole won game, selection, undo, hint,
// stuck games, reshuffles, restarts, game numbers and failed starts.
#include <algorithm>
#include <cmath>

#include "game/edit_controls.h"
#include "game/start_layout.h"
#include "play_fixture.h"

namespace tv::test {
namespace {

TEST_F(PlayTest, GameWonByRemovingTheSolutionFromTheEnd) {
  host.soundOn = true;
  ASSERT_TRUE(Start("pyramid"));
  EXPECT_EQ(host.caption, "Tilvane - pyramid");
  EXPECT_EQ(host.recent, std::vector<std::string>{"pyramid"});
  EXPECT_EQ(host.labels[Label::kTilesLeft], "20 Tiles Left");
  EXPECT_EQ(host.labels[Label::kReshufLeft], "3 Reshuffles Left");
  EXPECT_FALSE(host.enabled[Command::kUndo]);
  EXPECT_TRUE(host.enabled[Command::kHint]);
  EXPECT_TRUE(host.timers[Timer::kUpdateClock]);
  EXPECT_FALSE(B().Game.Counted);
  const double start = B().Game.StartTime;

  for (int left = 20; left > 0; left -= 2) {
    const int a = SolutionSlot(left - 1), b = SolutionSlot(left - 2);
    EXPECT_EQ(B().Game.MovesAvailable, CountMoves(B()));
    EXPECT_GT(B().Game.MovesAvailable, 0);
    const double before = host.now;
    game.ClickTile(a);
    EXPECT_EQ(game.SelectedTile(), a);
    game.ClickTile(b);
    // The fade takes 100 ms; the remove sound is given its full 0.2 s.
    EXPECT_GE(host.Seconds(before), 0.2 - 1e-6);
    EXPECT_FALSE(B().Tiles[a].Present || B().Tiles[b].Present);
    EXPECT_EQ(B().Game.TilesLeft, left - 2);
    EXPECT_EQ(host.labels[Label::kTilesLeft], std::to_string(left - 2) + " Tiles Left");
    EXPECT_EQ(host.labels[Label::kMovesLeft],
              std::to_string(B().Game.MovesAvailable) + " Moves Available");
    EXPECT_TRUE(B().Game.Counted);
    EXPECT_EQ(game.UndoCount(), (20 - left) / 2 + 1);
    EXPECT_EQ(host.enabled[Command::kUndo], left > 2);
  }
  EXPECT_EQ(B().Game.MovesAvailable, 0);
  EXPECT_EQ(host.countedGames, (std::vector<bool>{false, true}));
  EXPECT_FALSE(host.enabled[Command::kUndo]);
  EXPECT_FALSE(host.enabled[Command::kHint]);
  EXPECT_FALSE(host.enabled[Command::kReshuffle]);
  EXPECT_FALSE(host.timers[Timer::kUpdateClock]);
  EXPECT_EQ(B().Game.ClockTime, host.now);
  EXPECT_EQ(B().Game.StartTime, start);
  EXPECT_EQ(host.choosersShown, 1);
  EXPECT_TRUE(host.messages.empty());
  std::vector<Sound> expected;
  for (int k = 0; k < 10; ++k) expected.insert(expected.end(), {Sound::kSelect, Sound::kRemove});
  expected.push_back(Sound::kWin);
  EXPECT_EQ(host.sounds, expected);
  // The chooser was cancelled: the empty field stays, nothing is pending.
  EXPECT_FALSE(host.timers[Timer::kNewGame]);
  game.Undo();
  EXPECT_EQ(B().Game.TilesLeft, 0);
  // Nothing is left to reshuffle, and no message says the layout were at fault.
  EXPECT_FALSE(game.StartGame(kDealReshuffle, false));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(game.ReshufflesLeft(), 3);
}

TEST_F(PlayTest, ChooserConfirmedAfterAWinRequestsANewDeal) {
  host.chooserAnswer = true;
  EXPECT_TRUE(WriteLayoutPositions(dir.dir(), "pair", {{0, 0, 0}, {2, 0, 0}}));
  ASSERT_TRUE(Start("pair"));
  game.RemovePair(0, 1);
  EXPECT_TRUE(host.timers[Timer::kNewGame]);
  EXPECT_EQ(game.PendingMode(), kDealNew);
}

TEST_F(PlayTest, ClicksSelectDeselectMoveAndIgnoreBlockedTiles) {
  host.soundOn = true;
  ASSERT_TRUE(Start("stack"));
  SetFaces({{kTop, kFaceA},
            {kBottom, kFaceA},
            {{4, 0, 0}, kFaceB},
            {{8, 0, 0}, kFaceB},
            {{12, 0, 0}, kFaceA},
            {{16, 0, 0}, kFaceA}});
  const int top = Slot(kTop), lone = Slot({4, 0, 0});
  game.ClickTile(Slot(kBottom));  // covered
  EXPECT_EQ(game.SelectedTile(), kNoTile);
  EXPECT_TRUE(host.sounds.empty());
  game.ClickTile(top);
  game.ClickTile(top);
  EXPECT_EQ(game.SelectedTile(), kNoTile);
  EXPECT_EQ(B().Game.TilesLeft, 6);
  game.ClickTile(top);
  game.ClickTile(lone);  // another class moves the selection
  EXPECT_EQ(game.SelectedTile(), lone);
  EXPECT_EQ(B().Game.TilesLeft, 6);
  game.ClickTile(Slot(kBottom));  // still covered
  EXPECT_EQ(game.SelectedTile(), lone);
  EXPECT_EQ(host.sounds, (std::vector<Sound>{Sound::kSelect, Sound::kSelect, Sound::kSelect}));
}

// Four tiles of one class: two lone ones and the stack. Taking the two lone ones
// together leaves the top tile on its partner: stuck.
class StuckTest : public PlayTest, public ::testing::WithParamInterface<bool> {};

TEST_P(StuckTest, StuckGameReportsOnceAndCanBeUndone) {
  host.soundOn = GetParam();
  ASSERT_TRUE(Start("stack"));
  SetFaces({{kTop, kFaceA},
            {kBottom, kFaceA},
            {{4, 0, 0}, kFaceA},
            {{8, 0, 0}, kFaceA},
            {{12, 0, 0}, kFaceB},
            {{16, 0, 0}, kFaceB}});
  game.RemovePair(Slot({12, 0, 0}), Slot({16, 0, 0}));
  EXPECT_TRUE(host.messages.empty());
  host.now += 0.01;
  game.RemovePair(Slot({4, 0, 0}), Slot({8, 0, 0}));
  EXPECT_EQ(B().Game.TilesLeft, 2);
  EXPECT_EQ(B().Game.MovesAvailable, 0);
  EXPECT_EQ(B().Game.ClockTime, host.now);
  EXPECT_TRUE(host.timers[Timer::kUpdateClock]);
  if (GetParam()) {
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.sounds.back(), Sound::kLoose);
  } else {
    EXPECT_EQ(host.messages, std::vector<std::string>{"No more moves!"});
  }
  EXPECT_EQ(host.choosersShown, 0);

  // The two tiles cannot be dealt again: the reshuffle leaves everything as it was.
  const MODE_P stuck = B();
  Tick(kDealReshuffle);
  EXPECT_EQ(host.messages.back(), "Cannot create playable game for this layout!");
  EXPECT_EQ(game.Reshuffle().count, 0);
  EXPECT_EQ(B().Game.TileCount, 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(B().Tiles[i].Present, stuck.Tiles[i].Present);

  ASSERT_TRUE(host.enabled[Command::kUndo]);
  game.Undo();
  EXPECT_EQ(B().Game.TilesLeft, 4);
  EXPECT_EQ(B().Game.MovesAvailable, 3);
  EXPECT_EQ(host.labels[Label::kMovesLeft], "3 Moves Available");
  EXPECT_TRUE(B().Tiles[Slot({4, 0, 0})].Present && B().Tiles[Slot({8, 0, 0})].Present);
  game.Undo();
  EXPECT_EQ(B().Game.TilesLeft, 6);
  EXPECT_FALSE(host.enabled[Command::kUndo]);
}
INSTANTIATE_TEST_SUITE_P(Sound, StuckTest, ::testing::Bool());

TEST_F(PlayTest, HintShowsPairsInOrderAndStartsAgainAfterRemovalAndUndo) {
  ASSERT_NE(MatchClassOf(kFaceA), MatchClassOf(kFaceB));
  ASSERT_TRUE(Start("stack"));
  std::vector<std::pair<int, int>> shown;
  int flashed = 0;
  host.onPause = [&] {
    for (int i = 0; i < 6; ++i) flashed += B().Tiles[i].HintMark;
    if (game.SecondTile() != kNoTile) shown.emplace_back(game.SelectedTile(), game.SecondTile());
  };
  SetFaces({{kTop, kFaceA},
            {{4, 0, 0}, kFaceA},
            {kBottom, kFaceB},
            {{8, 0, 0}, kFaceB},
            {{12, 0, 0}, kFaceB},
            {{16, 0, 0}, kFaceB}});
  ASSERT_EQ(B().Game.MovesAvailable, 4);
  // Every pair a < b of free tiles of one class, a first, then b.
  std::vector<std::pair<int, int>> order;
  for (int a = 0; a < 6; ++a)
    for (int b = a + 1; b < 6; ++b)
      if (B().Tiles[a].Free && B().Tiles[b].Free &&
          B().Tiles[a].MatchClass == B().Tiles[b].MatchClass)
        order.emplace_back(a, b);
  ASSERT_EQ(order.size(), 4u);
  for (int k = 0; k < 5; ++k) game.Hint();
  EXPECT_EQ(shown,
            (std::vector<std::pair<int, int>>{order[0], order[1], order[2], order[3], order[0]}));
  EXPECT_EQ(game.SelectedTile(), kNoTile);

  // Removing the top frees the bottom: six moves. Five hints later an undo
  // brings back four moves, and the next hint starts from the first pair.
  game.RemovePair(Slot(kTop), Slot({4, 0, 0}));
  EXPECT_EQ(game.HintIndex(), 0);
  ASSERT_EQ(B().Game.MovesAvailable, 6);
  for (int k = 0; k < 5; ++k) game.Hint();
  game.Undo();
  shown.clear();
  game.Hint();
  EXPECT_EQ(shown, (std::vector<std::pair<int, int>>{order[0]}));
  EXPECT_TRUE(host.messages.empty());

  // With a selection the hint flashes the partners only.
  game.ClickTile(Slot({8, 0, 0}));
  flashed = 0;
  game.Hint();
  EXPECT_EQ(flashed, 2);  // the two other lone ones; the bottom tile is covered again
  EXPECT_EQ(game.SelectedTile(), Slot({8, 0, 0}));
  for (int i = 0; i < 6; ++i) EXPECT_FALSE(B().Tiles[i].HintMark);
}

// Each pause of a hint in milliseconds, and whether a hint mark showed during it.
TEST_F(PlayTest, LongerHintsShowForOneAndAHalfSecondsBlinkingTwice) {
  ASSERT_TRUE(Start("pyramid"));
  EXPECT_EQ(host.labels[Label::kGameNumber], "Game 12345");
  std::vector<std::pair<long, bool>> steps;
  double last = host.now;
  host.onPause = [&] {
    bool shown = game.SecondTile() != kNoTile;
    for (int i = 0; i < B().Game.TileCount; ++i) shown = shown || B().Tiles[i].HintMark;
    steps.emplace_back(std::lround(host.Seconds(last) * 1000), shown);
    last = host.now;
  };
  game.Hint();
  EXPECT_EQ(steps, (std::vector<std::pair<long, bool>>{{200, true}}));
  game.SetLongerHints(true);
  for (const bool selected : {false, true}) {  // a pair, then a selection's partners
    if (selected) game.ClickTile(SolutionSlot(19));
    steps.clear();
    game.Hint();
    EXPECT_EQ(steps, (std::vector<std::pair<long, bool>>{
                         {400, true}, {150, false}, {400, true}, {150, false}, {400, true}}));
    EXPECT_EQ(game.SecondTile(), kNoTile);
    for (int i = 0; i < B().Game.TileCount; ++i) EXPECT_FALSE(B().Tiles[i].HintMark);
  }
}

TEST_F(PlayTest, ThreeReshufflesPerGameKeepTheClockAndTheCount) {
  ASSERT_TRUE(Start("pyramid"));
  game.RemovePair(SolutionSlot(19), SolutionSlot(18));
  const double start = B().Game.StartTime;
  host.now += 0.5;
  const char* labels[] = {"2 Reshuffles Left", "1 Reshuffle Left", "0 Reshuffles Left"};
  for (int k = 0; k < 3; ++k) {
    EXPECT_TRUE(host.enabled[Command::kReshuffle]);
    Tick(kDealReshuffle);
    EXPECT_EQ(host.labels[Label::kReshufLeft], labels[k]);
    EXPECT_EQ(B().Game.TileCount, 18);
    EXPECT_EQ(B().Game.TilesLeft, 18);
    EXPECT_EQ(FirstUnplayablePair(B(), game.DealSolution()), -1);
    EXPECT_EQ(B().Game.StartTime, start);
    EXPECT_EQ(game.UndoCount(), 0);
  }
  EXPECT_FALSE(host.enabled[Command::kReshuffle]);
  EXPECT_EQ(game.Reshuffle().count, 3);
  EXPECT_EQ(host.countedGames.size(), 1u);  // a reshuffle does not count again
  // The faces are those that were left, two of each class at least.
  std::vector<int> faces;
  for (int i = 0; i < 18; ++i) faces.push_back(B().Tiles[i].Face);
  std::sort(faces.begin(), faces.end());
  EXPECT_TRUE(std::equal(faces.begin(), faces.end(), game.Reshuffle().faces.begin()));
  const MODE_P before = B();
  Tick(kDealReshuffle);  // no allowance left
  EXPECT_EQ(game.Reshuffle().count, 3);
  EXPECT_EQ(B().Tiles[0].Face, before.Tiles[0].Face);

  Tick(kDealRestart);
  EXPECT_EQ(host.labels[Label::kReshufLeft], "3 Reshuffles Left");
  EXPECT_EQ(B().Game.StartTime, host.now);
  EXPECT_EQ(B().Game.TileCount, 20);
}

TEST_F(PlayTest, RestartCountsThePlayedGameAgain) {
  ASSERT_TRUE(Start("pyramid"));
  game.RemovePair(SolutionSlot(19), SolutionSlot(18));
  game.RemovePair(SolutionSlot(17), SolutionSlot(16));
  EXPECT_EQ(Count(false), 1);
  Tick(kDealRestart);
  EXPECT_FALSE(B().Game.Counted);
  game.RemovePair(SolutionSlot(19), SolutionSlot(18));
  EXPECT_EQ(Count(false), 2);
}

TEST_F(PlayTest, TheSameGameNumberGivesTheSameDealAfterOtherGames) {
  ASSERT_TRUE(Start("pyramid", 777));
  host.gameNumberAnswer = true;
  host.gameNumber = 12345;
  game.SelectGameShuffle();
  EXPECT_EQ(host.offeredNumber, 777u);
  game.OnNewGameTimer();
  const MODE_P first = B();
  EXPECT_EQ(first.Game.Seed, 12345u);
  Tick(kDealNew);
  Tick(kDealNew);
  EXPECT_NE(B().Game.Seed, 12345u);
  game.SelectGameShuffle();
  game.OnNewGameTimer();
  for (int i = 0; i < 20; ++i) {
    EXPECT_EQ(B().Tiles[i].Face, first.Tiles[i].Face) << i;
    EXPECT_EQ(B().Tiles[i].X, first.Tiles[i].X) << i;
    EXPECT_EQ(B().Tiles[i].Y, first.Tiles[i].Y) << i;
    EXPECT_EQ(B().Tiles[i].Z, first.Tiles[i].Z) << i;
  }
  host.gameNumberAnswer = false;  // cancelled: nothing pending
  host.timers[Timer::kNewGame] = false;
  game.SelectGameShuffle();
  EXPECT_FALSE(host.timers[Timer::kNewGame]);
  // Every number the game makes is one the dialog takes (1 to 4294967295).
  game.Rand().value = 0;
  Tick(kDealNew);
  EXPECT_EQ(B().Game.Seed, 1u);
}

TEST_F(PlayTest, DealAnimationBuildsThePairsInTheirOrderOfFilling) {
  std::vector<int> present;
  host.onRedrawAll = [&] {
    int n = 0;
    for (int i = 0; i < B().Game.TileCount; ++i) n += B().Tiles[i].Present;
    present.push_back(n);
  };
  ASSERT_TRUE(Start("pyramid"));
  // Five redraws during the animation, each before every second pair, then the
  // complete board.
  EXPECT_EQ(present, (std::vector<int>{0, 4, 8, 12, 16, 20}));
}

TEST_F(PlayTest, FailedStarts) {
  // A missing layout with nothing to deal again is reported.
  EXPECT_FALSE(Start("missing"));
  EXPECT_EQ(host.messages, std::vector<std::string>{"File \"missing.mah\" does not exist!"});
  EXPECT_FALSE(host.timers[Timer::kUpdateClock]);

  // With a board already dealt, its positions are dealt again.
  host.messages.clear();
  ASSERT_TRUE(Start("pyramid"));
  ASSERT_TRUE(Start("missing", 99));
  EXPECT_EQ(B().Game.TileCount, 20);
  EXPECT_EQ(B().Game.TilesLeft, 20);

  // A layout that cannot be dealt leaves no tile and nothing to undo.
  game.RemovePair(SolutionSlot(19), SolutionSlot(18));
  const std::string tilesLabel = host.labels[Label::kTilesLeft];
  EXPECT_FALSE(Start("tower"));
  EXPECT_EQ(host.messages,
            std::vector<std::string>{"Cannot create playable game for this layout!"});
  for (int i = 0; i < kMaxTiles; ++i) EXPECT_FALSE(B().Tiles[i].Present);
  // Nothing of the previous game stays on show over the empty field.
  EXPECT_NE(tilesLabel, "");
  for (const Label label :
       {Label::kTilesLeft, Label::kMovesLeft, Label::kReshufLeft, Label::kGameNumber})
    EXPECT_EQ(host.labels[label], "") << int(label);
  EXPECT_EQ(B().Game.ClockTime, B().Game.StartTime);
  EXPECT_FALSE(host.timers[Timer::kUpdateClock]);
  for (const Command command :
       {Command::kUndo, Command::kHint, Command::kReshuffle, Command::kPause})
    EXPECT_FALSE(host.enabled[command]) << int(command);
  EXPECT_EQ(game.UndoCount(), 0);
}

TEST_F(PlayTest, AFullSetCanBeUndoneBackToTheDeal) {
  Game shipped(host, std::string(TILVANE_SOURCE_DIR) + "/data/layouts/");
  shipped.ChooseLayout("Dragon");
  shipped.Rand().value = 2024;
  ASSERT_TRUE(shipped.StartGame(kDealNew, false));
  const MODE_P& b = shipped.PlayBoard();
  ASSERT_EQ(b.Game.TileCount, 144);
  const MODE_P dealt = b;
  for (int left = 144; left > 2; left -= 2) {
    const Solution& s = shipped.DealSolution();
    shipped.RemovePair(s.Steps[left - 1].Slot, s.Steps[left - 2].Slot);
  }
  EXPECT_EQ(shipped.UndoCount(), 71);
  while (shipped.UndoCount() > 0) shipped.Undo();
  EXPECT_EQ(b.Game.TilesLeft, 144);
  EXPECT_EQ(b.Game.MovesAvailable, dealt.Game.MovesAvailable);
  for (int i = 0; i < 144; ++i)
    EXPECT_TRUE(b.Tiles[i].Present && b.Tiles[i].Free == dealt.Tiles[i].Free);
  EXPECT_FALSE(host.enabled[Command::kUndo]);
}

TEST_F(PlayTest, EditModeStartsOnACopyThatLeavesThePlayBoardAlone) {
  ASSERT_TRUE(Start("pyramid"));
  game.ClickTile(Slot({2, 2, 2}));
  const MODE_P before = B();
  game.EnterEditMode();
  EXPECT_EQ(game.Mode(), BoardMode::kEdit);
  EXPECT_EQ(game.SelectedTile(), kNoTile);
  EXPECT_EQ(game.EditBoard().Game.TileCount, before.Game.TileCount);
  EXPECT_EQ(game.EditBoard().Tiles[5].X, before.Tiles[5].X);
  EditControls controls;
  Editor editor = game.MakeEditor(controls, host);
  editor.NewLayout();
  ASSERT_EQ(game.Board().Game.TileCount, 0);
  EXPECT_EQ(B().Game.TileCount, before.Game.TileCount);
  EXPECT_EQ(B().Tiles[5].X, before.Tiles[5].X);
}

TEST(EditControlsTest, RightButtonZKeyAndTheCustomLevelRange) {
  EditControls c;
  c.Tool = EditTool::kMove;
  EXPECT_EQ(c.RightButtonTool(), EditTool::kDraw);
  c.Tool = EditTool::kDraw;
  EXPECT_EQ(c.RightButtonTool(), EditTool::kErase);
  EXPECT_EQ(c.OtherZMode(), LevelMode::kCustom);
  c.ChangeCustomZ(25);
  EXPECT_EQ(c.CustomZ, 20);
  c.ChangeCustomZ(-21);
  EXPECT_EQ(c.CustomZ, 0);
}

TEST(StartLayoutTest, RememberedThenFallbackThenTheFirstByName) {
  TempDir dir;
  ASSERT_TRUE(WriteLayoutPositions(dir.dir(), "beta", Stack()).Ok());
  ASSERT_TRUE(WriteLayoutPositions(dir.dir(), "Alpha", Pyramid()).Ok());
  MODE_P board;
  ASSERT_TRUE(ReadStartLayout(dir.dir(), "beta", "Alpha", board));
  EXPECT_EQ(board.LayoutName(), "beta");
  EXPECT_FALSE(board.Tiles[0].Present);
  ASSERT_TRUE(ReadStartLayout(dir.dir(), "gone", "Alpha", board));
  EXPECT_EQ(board.Game.TileCount, 20);
  ASSERT_TRUE(ReadStartLayout(dir.dir(), "gone", "missing", board));
  EXPECT_EQ(board.LayoutName(), "Alpha");
  TempDir empty;
  EXPECT_FALSE(ReadStartLayout(empty.dir(), "gone", "missing", board));
}

}  // namespace
}  // namespace tv::test
