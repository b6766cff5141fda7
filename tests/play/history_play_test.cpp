// SPDX-License-Identifier: GPL-3.0-or-later
// The game writes its history as it is played: a counted game gets its row at its first
// pair, and each way it ends (won, left for a new game or a restart, stuck, kept at exit,
// taken up again) is written with its hints, undos, reshuffles, time and daily mark.
#include <gtest/gtest.h>

#include "game/game_file.h"
#include "game/history_log.h"
#include "play_fixture.h"
#include "support/succeeded.h"

namespace tv {
namespace {

class HistoryPlayTest : public test::PlayTest {
 protected:
  HistoryPlayTest() : log(history, dir.dir(), [this] { return utc; }) {
    EXPECT_TRUE(test::Succeeded(history.Open(dir.dir() + kHistoryFileName)));
    game.SetHistory(&log);
  }
  std::vector<HistoryGame> Rows() {
    std::vector<HistoryGame> games;
    EXPECT_TRUE(test::Succeeded(history.ReadAll(games)));
    return games;
  }
  void Pass(double seconds) { host.now += seconds / 86400.0; }

  History history;
  std::int64_t utc = 1'800'000'000;
  HistoryLog log;
};

TEST_F(HistoryPlayTest, EveryWayAGameEndsIsWritten) {
  ASSERT_TRUE(Start("pyramid"));
  game.Hint();
  Tick(kDealNew);  // nothing removed: not a game yet
  EXPECT_TRUE(Rows().empty());

  // Abandoned for a new game, with its hint and undo.
  game.Hint();
  game.RemovePair(SolutionSlot(19), SolutionSlot(18));
  game.Undo();
  game.RemovePair(SolutionSlot(19), SolutionSlot(18));
  ASSERT_EQ(Rows().size(), 1u);
  EXPECT_FALSE(Rows()[0].Finished);
  Pass(30);
  Tick(kDealNew);
  ASSERT_EQ(Rows().size(), 1u);
  HistoryGame first = Rows()[0];
  EXPECT_EQ(first.Layout, "pyramid");
  EXPECT_EQ(first.Result, GameResult::kAbandoned);
  EXPECT_TRUE(first.Finished);
  EXPECT_EQ(first.TilesLeft, 18);
  EXPECT_EQ(first.Hints, 1);
  EXPECT_EQ(first.Undos, 1);
  EXPECT_NEAR(first.Seconds, 30, 1);
  std::uint64_t hash = 0;
  ASSERT_TRUE(LayoutFileHash(dir.dir(), "pyramid", hash));
  EXPECT_EQ(first.LayoutHash, hash);

  // The daily deal, won: the hints start again from none, the pauses do not count.
  game.PlayGameNumber(4242, 20261209);
  game.OnNewGameTimer();
  EXPECT_EQ(game.Daily(), 20261209);
  for (int left = 20; left > 0; left -= 2) {
    game.RemovePair(SolutionSlot(left - 1), SolutionSlot(left - 2));
    if (left == 20) {
      game.SetPaused(true);
      Pass(600);
      game.SetPaused(false);
      EXPECT_EQ(Rows().back().Result, GameResult::kAbandoned);
    }
    Pass(5);
  }
  ASSERT_EQ(Rows().size(), 2u);
  const HistoryGame won = Rows()[1];
  EXPECT_EQ(won.Result, GameResult::kWon);
  EXPECT_EQ(won.GameNumber, 4242u);
  EXPECT_EQ(won.Daily, 20261209);
  EXPECT_EQ(won.Hints, 0);
  EXPECT_EQ(won.TilesLeft, 0);
  EXPECT_NEAR(won.Seconds, 9 * 5 + 1, 0.5);  // nine gaps between ten pairs, and the fades

  // A restart of the daily deal stays the daily deal; stuck, kept at exit, taken up and lost.
  Tick(kDealRestart);
  EXPECT_EQ(game.Daily(), 20261209);
  ASSERT_TRUE(Start("stack"));
  EXPECT_EQ(game.Daily(), 0);
  SetFaces({{test::kTop, 0},
            {test::kBottom, 1},
            {{4, 0, 0}, 0},
            {{8, 0, 0}, 2},
            {{12, 0, 0}, 3},
            {{16, 0, 0}, 4}});
  game.RemovePair(Slot({4, 0, 0}), Slot(test::kTop));
  EXPECT_EQ(Rows().back().Result, GameResult::kStuck);
  EXPECT_FALSE(Rows().back().Finished);
  const KeptGame kept = game.Keep(host.now);
  game.KeepInHistory();
  game.SetHistory(nullptr);
  HistoryLog next(history, dir.dir(), [this] { return utc; });
  game.SetHistory(&next);
  game.Resume(kept);
  Tick(kDealNew);
  ASSERT_EQ(Rows().size(), 3u);
  EXPECT_EQ(Rows()[2].Result, GameResult::kLost);
  EXPECT_EQ(Rows()[2].Layout, "stack");
  EXPECT_TRUE(Rows()[2].Finished);
}

}  // namespace
}  // namespace tv
