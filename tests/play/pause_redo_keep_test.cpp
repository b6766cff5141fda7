// SPDX-License-Identifier: GPL-3.0-or-later
// Pause and its clock, redo, and the unfinished game kept on disk and taken up again.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "game/files.h"
#include "game/game_file.h"
#include "game/game_keeper.h"
#include "play_fixture.h"

namespace tv::test {
namespace {

constexpr double kHour = 1.0 / 24;

class KeepTest : public PlayTest {
 protected:
  // Removes the next pair of the solution, as the player would.
  void RemoveNext() {
    const int left = B().Game.TilesLeft;
    game.ClickTile(SolutionSlot(left - 1));
    game.ClickTile(SolutionSlot(left - 2));
  }
  std::string GameFile() { return dir.dir() + kGameFileName; }
};

TEST_F(KeepTest, PausedTimeNeitherShowsNorCountsAndCommandsRest) {
  ASSERT_TRUE(Start("pyramid"));
  RemoveNext();
  const double played = game.PlayedDays(host.now);
  EXPECT_GT(played, 0);
  ASSERT_TRUE(game.CanPause());
  game.SetPaused(true);
  EXPECT_FALSE(host.timers[Timer::kUpdateClock]);
  for (Command c : {Command::kUndo, Command::kRedo, Command::kHint, Command::kReshuffle})
    EXPECT_FALSE(host.enabled[c]);
  EXPECT_TRUE(host.enabled[Command::kPause]);
  // Nothing moves while paused.
  host.now += 5 * kHour;
  game.OnClockTimer();
  game.ClickTile(SolutionSlot(B().Game.TilesLeft - 1));
  game.Undo();
  EXPECT_EQ(game.SelectedTile(), kNoTile);
  EXPECT_EQ(game.UndoCount(), 1);
  EXPECT_NEAR(game.PlayedDays(host.now), played, 1e-9);

  game.SetPaused(false);
  EXPECT_TRUE(host.timers[Timer::kUpdateClock]);
  EXPECT_TRUE(host.enabled[Command::kUndo] && host.enabled[Command::kHint]);
  EXPECT_NEAR(B().Game.ClockTime - B().Game.StartTime, played, 1e-9);
  // The won game's time, which the records compare, leaves the five hours out.
  while (B().Game.TilesLeft > 0) RemoveNext();
  EXPECT_LT((B().Game.ClockTime - B().Game.StartTime) * 86400, 60);
  EXPECT_FALSE(game.CanPause());
  // A new game ends a pause.
  ASSERT_TRUE(Start("pyramid"));
  game.SetPaused(true);
  ASSERT_TRUE(Start("pyramid", 7));
  EXPECT_FALSE(game.Paused());
}

TEST_F(KeepTest, RedoPutsUndonePairsBackUntilANewRemovalOrAReshuffle) {
  ASSERT_TRUE(Start("pyramid"));
  RemoveNext();
  RemoveNext();
  const MODE_P afterTwo = B();
  RemoveNext();
  for (int k = 0; k < 3; ++k) game.Undo();
  EXPECT_EQ(game.RedoCount(), 3);
  EXPECT_TRUE(host.enabled[Command::kRedo]);
  game.Redo();
  game.Redo();
  EXPECT_EQ(B().Game.TilesLeft, 16);
  EXPECT_EQ(game.UndoCount(), 2);
  EXPECT_EQ(game.RedoCount(), 1);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(B().Tiles[i].Present, afterTwo.Tiles[i].Present) << i;
  RemoveNext();
  EXPECT_EQ(game.RedoCount(), 0);
  EXPECT_FALSE(host.enabled[Command::kRedo]);

  game.Undo();
  EXPECT_TRUE(host.enabled[Command::kRedo]);
  Tick(kDealReshuffle);
  EXPECT_FALSE(host.enabled[Command::kRedo]);
  const int left = B().Game.TilesLeft;
  game.Redo();
  EXPECT_EQ(B().Game.TilesLeft, left);
}

TEST_F(KeepTest, AKeptGameContinuesExactlyWithItsListsReshufflesAndTime) {
  GameKeeper keeper(GameFile(), dir.dir());
  ASSERT_TRUE(Start("pyramid"));
  EXPECT_TRUE(keeper.Update(game, host.now));
  EXPECT_FALSE(std::filesystem::exists(GameFile()));  // nothing removed yet
  RemoveNext();
  Tick(kDealReshuffle);
  RemoveNext();
  RemoveNext();
  game.Undo();
  host.now += kHour;
  ASSERT_TRUE(keeper.Update(game, host.now));

  FakeHost host2;
  host2.now = host.now + 10 * kHour;
  Game next(host2, dir.dir());
  const std::optional<KeptGame> kept = keeper.TakeKept();
  ASSERT_TRUE(kept);
  next.Resume(*kept);
  const MODE_P& a = B();
  const MODE_P& b = next.PlayBoard();
  ASSERT_EQ(a.Game.TileCount, b.Game.TileCount);
  for (int i = 0; i < a.Game.TileCount; ++i) {
    EXPECT_EQ(a.Tiles[i].Face, b.Tiles[i].Face);
    EXPECT_EQ(a.Tiles[i].Present, b.Tiles[i].Present);
    EXPECT_EQ(a.Tiles[i].Free, b.Tiles[i].Free);
    EXPECT_EQ(a.Tiles[i].DrawKey, b.Tiles[i].DrawKey);
  }
  EXPECT_EQ(b.Game.TilesLeft, a.Game.TilesLeft);
  EXPECT_EQ(b.Game.MovesAvailable, a.Game.MovesAvailable);
  EXPECT_EQ(b.Game.Seed, a.Game.Seed);
  EXPECT_TRUE(b.Game.Counted);
  EXPECT_EQ(next.UndoCount(), 1);
  EXPECT_EQ(next.RedoCount(), 1);
  EXPECT_EQ(host2.labels[Label::kReshufLeft], "2 Reshuffles Left");
  EXPECT_EQ(host2.labels[Label::kGameNumber], GameNumberLabel(a.Game.Seed).English());
  EXPECT_NEAR(host2.Seconds(b.Game.StartTime), host.Seconds(a.Game.StartTime), 1e-3);
  EXPECT_TRUE(host2.enabled[Command::kUndo] && host2.enabled[Command::kRedo]);

  // Both go on alike: the redo, and the replay of the latest reshuffle's deal.
  game.Redo();
  next.Redo();
  EXPECT_EQ(next.PlayBoard().Game.TilesLeft, B().Game.TilesLeft);
  game.ShowSolution();
  next.ShowSolution();
  for (int i = 0; i < B().Game.TileCount; ++i)
    EXPECT_EQ(next.PlayBoard().Tiles[i].Face, B().Tiles[i].Face) << i;
}

TEST_F(KeepTest, AChangedOrMissingLayoutOrADamagedFileStartsAfresh) {
  GameKeeper keeper(GameFile(), dir.dir());
  ASSERT_TRUE(Start("pyramid"));
  RemoveNext();
  ASSERT_TRUE(keeper.Update(game, host.now));
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(GameFile(), bytes));
  KeptGame kept;
  ASSERT_TRUE(DecodeKeptGame(bytes, kept));
  EXPECT_EQ(EncodeKeptGame(kept), bytes);

  // Every cut, a trailing byte and values out of place are refused as damage.
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + std::ptrdiff_t(n));
    EXPECT_TRUE(DecodeKeptGame(cut, kept).Is(GameFileCode::kDamaged)) << n;
  }
  std::vector<std::uint8_t> longer = bytes;
  longer.push_back(0);
  EXPECT_FALSE(DecodeKeptGame(longer, kept));
  const std::size_t firstTile = 8 + 4 + 1 + 7 + 8 + 4 + 1 + 8 + 1;  // after "pyramid"
  for (std::size_t field : {firstTile + 3, firstTile + 4}) {
    std::vector<std::uint8_t> bad = bytes;
    bad[field] = bytes[field] == 40 ? 41 : 40;  // a face without its partner, a bad state
    EXPECT_TRUE(DecodeKeptGame(bad, kept).Is(GameFileCode::kDamaged)) << field;
  }
  // A tile moved off the layout reads as a game, but not as one of this layout.
  std::vector<std::uint8_t> moved = bytes;
  moved[firstTile] = 200;
  ASSERT_TRUE(DecodeKeptGame(moved, kept));
  EXPECT_TRUE(CheckKeptLayout(dir.dir(), kept).Is(GameFileCode::kLayoutChanged));

  ASSERT_TRUE(WriteFileAtomically(GameFile(), bytes.data(), bytes.size() - 1));
  EXPECT_FALSE(keeper.TakeKept());
  EXPECT_FALSE(std::filesystem::exists(GameFile()));

  ASSERT_TRUE(keeper.Update(game, host.now));
  std::vector<LayoutPosition> shifted = Pyramid();
  shifted.back().X += 2;
  ASSERT_TRUE(WriteLayoutPositions(dir.dir(), "pyramid", shifted));
  EXPECT_FALSE(keeper.TakeKept());

  ASSERT_TRUE(WriteLayoutPositions(dir.dir(), "pyramid", Pyramid()));
  ASSERT_TRUE(keeper.Update(game, host.now));
  std::filesystem::remove(LayoutPath(dir.dir(), "pyramid"));
  EXPECT_FALSE(keeper.TakeKept());
}

TEST_F(KeepTest, AGameTheReaderWouldRefuseOrThatCannotBeWrittenLeavesTheOldFile) {
  GameKeeper keeper(GameFile(), dir.dir());
  ASSERT_TRUE(Start("pyramid"));
  RemoveNext();
  ASSERT_TRUE(keeper.Update(game, host.now));
  std::vector<std::uint8_t> good;
  ASSERT_TRUE(ReadWholeFile(GameFile(), good));

  KeptGame bad = game.Keep(host.now);
  bad.Tiles[0].Face = 200;  // no such face
  EXPECT_TRUE(WriteGameFile(GameFile(), bad).Is(GameFileCode::kDamaged));
  std::vector<std::uint8_t> after;
  ASSERT_TRUE(ReadWholeFile(GameFile(), after));
  EXPECT_EQ(after, good);

  // A game file that cannot be read now (a pipe, a file far too large) is neither waited
  // for nor thrown away.
  const std::string pipe = dir.dir() + "pipe.sav";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_FALSE(GameKeeper(pipe, dir.dir()).TakeKept());
  EXPECT_TRUE(std::filesystem::exists(pipe));
  std::filesystem::resize_file(GameFile(), 1ull << 31);
  EXPECT_FALSE(keeper.TakeKept());
  EXPECT_EQ(std::filesystem::file_size(GameFile()), 1ull << 31);

  // A folder where the file belongs: the write fails as input/output, for the caller to tell.
  GameKeeper blocked(dir.dir() + "blocked", dir.dir());
  std::filesystem::create_directories(dir.path() / "blocked");
  EXPECT_TRUE(blocked.Update(game, host.now).Is(GameFileCode::kIoError));
}

}  // namespace
}  // namespace tv::test
