// SPDX-License-Identifier: GPL-3.0-or-later
// The game history: one row per counted game in an SQLite file beside the records,
// and the figures drawn from it (played, won, streaks, times), shared by the
// statistics window and the command-line tool.
#pragma once

#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/result.h"

struct sqlite3;

namespace tv {

constexpr const char* kHistoryFileName = "history.sqlite";
// PRAGMA user_version of the files this program writes; older ones are migrated.
constexpr int kHistorySchemaVersion = 1;
// PRAGMA application_id: tells our file from another program's database.
constexpr std::int32_t kHistoryApplicationId = 0x54564853;

// Won: the field was cleared. Stuck: no pair was left when the row was written, and
// the player may still undo or reshuffle. Lost: a stuck game left for another.
// Abandoned: left, or still in play, with moves on the field.
enum class GameResult : int { kWon = 0, kLost = 1, kStuck = 2, kAbandoned = 3 };

const char* GameResultName(GameResult result);

struct HistoryGame {
  std::int64_t Id = 0;  // 0 until written
  std::string Layout;   // the name at the time of play
  std::uint64_t LayoutHash = 0;
  std::uint32_t GameNumber = 0;
  std::int64_t StartUtc = 0;  // seconds since 1970, UTC
  double Seconds = 0;         // time played, pauses left out
  GameResult Result = GameResult::kAbandoned;
  int TilesLeft = 0;
  int Reshuffles = 0;
  int Hints = 0;
  int Undos = 0;
  int Daily = 0;          // the daily deal's local date as yyyymmdd; 0 for any other deal
  bool Finished = false;  // false while the game may still go on (in play, or kept at exit)
  bool operator==(const HistoryGame&) const = default;
};

enum class HistoryError : int {
  kNone = 0,
  kOpen = 1,     // the file or its folder cannot be opened
  kDamaged = 2,  // damaged or another program's: moved aside, a new history started
  kNewer = 3,    // written by a newer version: left as it is, nothing is written
  kWrite = 4,    // a game could not be written
  kRead = 5,
};

class History {
 public:
  History();
  ~History();
  History(const History&) = delete;
  History& operator=(const History&) = delete;

  // Opens or creates the history. A damaged or foreign file (and its journal) is moved
  // aside as "history-YYYY-MM-DD.sqlite" and a new one started: the history is then
  // open and the result (Damaged) says what happened, once. A newer file stays closed.
  Result Open(const std::string& path);
  // For readers that must change nothing (the tool): no move, no migration.
  Result OpenReadOnly(const std::string& path);
  void Close();
  bool IsOpen() const { return db_ != nullptr; }
  const std::string& Path() const { return path_; }
  // Where the last Open moved a damaged file; empty when it did not.
  const std::string& MovedAside() const { return movedAside_; }

  // Inserts a game (Id 0; Id is set) or replaces its row, in one committed transaction.
  Result Write(HistoryGame& game);
  // Many games in one transaction: all of them or none.
  Result WriteMany(std::vector<HistoryGame>& games);
  // Every game, in the order played.
  Result ReadAll(std::vector<HistoryGame>& games) const;
  // The latest unfinished game of this layout and number: the one a resumed game goes on.
  std::optional<HistoryGame> FindUnfinished(const std::string& layout,
                                            std::uint32_t gameNumber) const;

 private:
  // Opens the file with the sqlite3_open_v2 flags, closing whatever was open.
  Result OpenFile(const std::string& path, int flags);
  Result Prepare(bool readOnly);
  Result Migrate();
  Result Exec(const char* sql) const;

  sqlite3* db_ = nullptr;
  std::string path_;
  std::string movedAside_;
};

// Figures of one layout, or of all games. Times in seconds; -1 when no game was won.
struct HistoryFigures {
  std::string Name;  // empty for all games
  int Played = 0;
  int Won = 0;
  int CurrentStreak = 0;  // wins since the last finished game that was not won
  int BestStreak = 0;
  double BestTime = -1;
  double MedianTime = -1;
  double Last10Average = -1;  // of the last ten won games
  double WinRate() const { return Played > 0 ? static_cast<double>(Won) / Played : 0.0; }
};

struct HistoryStats {
  HistoryFigures Overall;
  std::vector<HistoryFigures> Layouts;  // by name, ignoring letter case
  int DailyPlayed = 0;
  int DailyWon = 0;
  // Days in a row, up to today (or yesterday while today's deal is still open), on
  // which the daily deal was won.
  int DailyStreak = 0;
  const HistoryFigures* Find(const std::string& layout) const;
};

// `today` is the local date as yyyymmdd.
HistoryStats ComputeStats(const std::vector<HistoryGame>& games, int today);

// The figures of the games of one layout (all games for an empty name), in order.
HistoryFigures ComputeFigures(const std::vector<const HistoryGame*>& games);

// The median of each window of `width` values ending at every value.
std::vector<double> MovingMedian(const std::vector<double>& values, int width);

// The stats as the tool prints them:
// {"games":N,"won":W,"streak":S,"best_streak":B,"layouts":[...]}.
std::string StatsJson(const HistoryStats& stats);

// Local dates as yyyymmdd, and days between them.
int LocalDateNumber(std::time_t when);
int DayNumber(int date);  // days since 1970-01-01
int DateFromDayNumber(int day);

}  // namespace tv
