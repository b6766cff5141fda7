// SPDX-License-Identifier: GPL-3.0-or-later
// The game history: what an open makes of every kind of file, the figures over a
// small table of games, the results a game's row goes through, and a writer killed
// at random moments that never loses a game it had written.
#include "game/history.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <thread>

#include "game/daily_deal.h"
#include "game/history_log.h"
#include "support/succeeded.h"
#include "support/temp_dir.h"

namespace tv {
namespace {

namespace fs = std::filesystem;

HistoryGame Game(const std::string& layout, GameResult result, double seconds, std::int64_t start,
                 int daily = 0, bool finished = true) {
  HistoryGame g;
  g.Layout = layout;
  g.GameNumber = static_cast<std::uint32_t>(start);
  g.StartUtc = start;
  g.Seconds = seconds;
  g.Result = result;
  g.TilesLeft = result == GameResult::kWon ? 0 : 40;
  g.Daily = daily;
  g.Finished = finished || result == GameResult::kWon;
  return g;
}

void Sql(const std::string& path, const char* sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  char* error = nullptr;
  EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
  sqlite3_free(error);
  sqlite3_close(db);
}

std::vector<std::string> AsideFiles(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) {
    const std::string name = e.path().filename().string();
    if (name.rfind("history-", 0) == 0 && name.size() > 7 &&
        name.substr(name.size() - 7) == ".sqlite")
      names.push_back(name);
  }
  return names;
}

TEST(History, EveryKindOfFileOpensAsItShould) {
  enum class Expect { kKept, kMovedAside, kLeftAlone };
  struct Case {
    const char* what;
    std::function<void(const std::string& path)> make;
    Expect expect;
    std::size_t games;  // in the history once open
  };
  const std::vector<Case> cases = {
      {"no file: a new history", [](const std::string&) {}, Expect::kKept, 0},
      {"an empty file: a new history",
       [](const std::string& p) { std::ofstream(p, std::ios::binary); }, Expect::kKept, 0},
      {"our file with games: kept with them",
       [](const std::string& p) {
         History h;
         ASSERT_TRUE(test::Succeeded(h.Open(p)));
         HistoryGame g = Game("Dragon", GameResult::kWon, 300, 1000);
         ASSERT_TRUE(test::Succeeded(h.Write(g)));
       },
       Expect::kKept, 1},
      {"an older schema (version 0, our id): brought up to date",
       [](const std::string& p) { Sql(p, "PRAGMA application_id=1414940755;"); }, Expect::kKept, 0},
      {"another program's database: moved aside",
       [](const std::string& p) {
         Sql(p, "CREATE TABLE notes(text); INSERT INTO notes VALUES(1);");
       },
       Expect::kMovedAside, 0},
      {"not a database at all: moved aside",
       [](const std::string& p) {
         std::ofstream(p, std::ios::binary) << std::string(4096, 'x') << "garbage";
       },
       Expect::kMovedAside, 0},
      {"our file with its pages torn: moved aside",
       [](const std::string& p) {
         {
           History h;
           ASSERT_TRUE(test::Succeeded(h.Open(p)));
           for (int k = 0; k < 300; ++k) {
             HistoryGame g = Game("Layout " + std::to_string(k % 7), GameResult::kWon, k, k);
             ASSERT_TRUE(test::Succeeded(h.Write(g)));
           }
         }
         // Every page after the first overwritten: the header reads, the tables do not.
         std::fstream f(p, std::ios::in | std::ios::out | std::ios::binary);
         f.seekp(4096);
         f << std::string(8192, '\x5a');
       },
       Expect::kMovedAside, 0},
      {"a newer version: left as it is, not opened",
       [](const std::string& p) {
         Sql(p, "PRAGMA application_id=1414940755; PRAGMA user_version=99;");
       },
       Expect::kLeftAlone, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    const std::string path = dir.dir() + kHistoryFileName;
    c.make(path);
    const auto before = fs::exists(path) ? fs::file_size(path) : 0;
    History history;
    const Result opened = history.Open(path);
    switch (c.expect) {
      case Expect::kKept:
        EXPECT_TRUE(test::Succeeded(opened));
        EXPECT_TRUE(AsideFiles(dir.path()).empty());
        break;
      case Expect::kMovedAside: {
        EXPECT_TRUE(opened.Is(HistoryError::kDamaged));
        EXPECT_NE(opened.Message().find(path), std::string::npos) << opened.Message();
        const auto aside = AsideFiles(dir.path());
        ASSERT_EQ(aside.size(), 1u);
        EXPECT_EQ(dir.dir() + aside[0], history.MovedAside());
        EXPECT_EQ(fs::file_size(history.MovedAside()), before);  // moved whole, not rewritten
        break;
      }
      case Expect::kLeftAlone:
        EXPECT_TRUE(opened.Is(HistoryError::kNewer));
        EXPECT_FALSE(history.IsOpen());
        EXPECT_EQ(fs::file_size(path), before);
        EXPECT_TRUE(AsideFiles(dir.path()).empty());
        continue;
    }
    ASSERT_TRUE(history.IsOpen());
    std::vector<HistoryGame> games;
    ASSERT_TRUE(test::Succeeded(history.ReadAll(games)));
    EXPECT_EQ(games.size(), c.games);
    // The history is usable, and at the current version, whatever it started as.
    HistoryGame g = Game("Fortress", GameResult::kLost, 12.5, 5000);
    ASSERT_TRUE(test::Succeeded(history.Write(g)));
    history.Close();
    History again;
    ASSERT_TRUE(test::Succeeded(again.OpenReadOnly(path)));
    ASSERT_TRUE(test::Succeeded(again.ReadAll(games)));
    ASSERT_EQ(games.size(), c.games + 1);
    EXPECT_EQ(games.back(), g);
  }
}

TEST(History, FiguresOverATableOfGames) {
  using R = GameResult;
  // Days are counted in yyyymmdd; today is 2026-03-01, so the 28th of February is yesterday.
  const std::vector<HistoryGame> games = {
      Game("Dragon", R::kWon, 300, 1),
      Game("dragon", R::kWon, 200, 2),  // the same layout, another spelling
      Game("Dragon", R::kLost, 50, 3),
      Game("Fortress", R::kWon, 100, 4, 20260227),
      Game("Dragon", R::kWon, 400, 5, 20260228),
      Game("Fortress", R::kAbandoned, 10, 6, 0, false),  // still in play: no break
      Game("Dragon", R::kWon, 250, 7),
  };
  const HistoryStats stats = ComputeStats(games, 20260301);
  const HistoryFigures& all = stats.Overall;
  EXPECT_EQ(all.Played, 7);
  EXPECT_EQ(all.Won, 5);
  EXPECT_EQ(all.CurrentStreak, 3);  // Fortress 100, Dragon 400, Dragon 250
  EXPECT_EQ(all.BestStreak, 3);
  EXPECT_DOUBLE_EQ(all.BestTime, 100);
  EXPECT_DOUBLE_EQ(all.MedianTime, 250);  // 100 200 250 300 400
  EXPECT_DOUBLE_EQ(all.Last10Average, (300 + 200 + 100 + 400 + 250) / 5.0);
  EXPECT_DOUBLE_EQ(all.WinRate(), 5.0 / 7);

  ASSERT_EQ(stats.Layouts.size(), 2u);
  const HistoryFigures* dragon = stats.Find("DRAGON");
  ASSERT_NE(dragon, nullptr);
  EXPECT_EQ(dragon->Name, "Dragon");
  EXPECT_EQ(dragon->Played, 5);
  EXPECT_EQ(dragon->Won, 4);
  EXPECT_EQ(dragon->CurrentStreak, 2);
  EXPECT_EQ(dragon->BestStreak, 2);
  EXPECT_DOUBLE_EQ(dragon->MedianTime, 275);  // 200 250 300 400: the middle two
  EXPECT_DOUBLE_EQ(stats.Find("Fortress")->BestTime, 100);
  EXPECT_EQ(stats.Find("Fortress")->CurrentStreak, 1);

  EXPECT_EQ(stats.DailyPlayed, 2);
  EXPECT_EQ(stats.DailyWon, 2);
  EXPECT_EQ(stats.DailyStreak, 2);  // yesterday and the day before, today still ahead
  EXPECT_EQ(ComputeStats(games, 20260302).DailyStreak, 0);  // a day missed
  EXPECT_EQ(ComputeStats({}, 20260301).Overall.BestTime, -1);

  EXPECT_EQ(StatsJson(ComputeStats({games[3]}, 20260301)),
            "{\"games\":1,\"won\":1,\"streak\":1,\"best_streak\":1,\"layouts\":["
            "{\"name\":\"Fortress\",\"played\":1,\"won\":1,\"best_time\":100.000,"
            "\"median_time\":100.000}]}");
  EXPECT_EQ(MovingMedian({5, 1, 3, 9, 7}, 3), (std::vector<double>{5, 3, 3, 3, 7}));
  for (const int date : {19700101, 20240229, 20261231, 20270101})
    EXPECT_EQ(DateFromDayNumber(DayNumber(date)), date);
  EXPECT_EQ(DayNumber(20260301) - DayNumber(20260228), 1);
}

TEST(History, AGamesRowFollowsItsResults) {
  test::TempDir dir;
  fs::create_directories(dir.path() / "layouts");
  std::ofstream(dir.path() / "layouts" / "Dragon.mah", std::ios::binary) << "layout bytes";
  History history;
  ASSERT_TRUE(test::Succeeded(history.Open(dir.dir() + kHistoryFileName)));
  std::int64_t clock = 1'000'000;
  HistoryLog log(history, dir.dir() + "layouts/", [&] { return clock; });
  std::vector<std::string> failures;
  log.OnFailure = [&](const Result& r) { failures.push_back(r.Message()); };

  auto rows = [&] {
    std::vector<HistoryGame> games;
    EXPECT_TRUE(test::Succeeded(history.ReadAll(games)));
    return games;
  };
  PlayedGame g{"Dragon", 77, 30, 140, 5, 0, 0, 0, 0};
  log.Left(g);  // nothing counted yet: nothing written
  EXPECT_TRUE(rows().empty());
  log.Counted(g);
  ASSERT_EQ(rows().size(), 1u);
  EXPECT_EQ(rows()[0].StartUtc, clock - 30);
  EXPECT_NE(rows()[0].LayoutHash, 0u);
  EXPECT_FALSE(rows()[0].Finished);

  // Stuck, kept at exit, taken up at the next start with its hints, then lost.
  g = {"Dragon", 77, 90, 20, 0, 1, 4, 2, 0};
  log.Stuck(g);
  EXPECT_EQ(rows()[0].Result, GameResult::kStuck);
  log.Kept(g);
  HistoryLog next(history, dir.dir() + "layouts/", [&] { return clock; });
  const auto resumed = next.Resumed({"Dragon", 77, 95, 20, 0, 1, 0, 0, 0}, true);
  ASSERT_TRUE(resumed.has_value());
  EXPECT_EQ(resumed->Hints, 4);
  EXPECT_EQ(rows().size(), 1u);
  next.Left({"Dragon", 77, 120, 20, 0, 1, 4, 2, 0});
  EXPECT_EQ(rows()[0].Result, GameResult::kLost);
  EXPECT_TRUE(rows()[0].Finished);
  EXPECT_DOUBLE_EQ(rows()[0].Seconds, 120);

  // The next game: abandoned with moves on the field; one more, won as a daily deal.
  next.Counted({"Dragon", 78, 5, 142, 9, 0, 0, 0, 0});
  next.Left({"Dragon", 78, 40, 100, 9, 0, 0, 0, 0});
  next.Counted({"Dragon", 79, 5, 142, 9, 0, 0, 0, 20261209});
  next.Won({"Dragon", 79, 200, 0, 0, 2, 1, 3, 20261209});
  next.Left({"Dragon", 80, 1, 144, 9, 0, 0, 0, 0});  // after a win nothing is open
  const auto all = rows();
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(all[1].Result, GameResult::kAbandoned);
  EXPECT_EQ(all[2].Result, GameResult::kWon);
  EXPECT_EQ(all[2].Daily, 20261209);
  EXPECT_EQ(all[2].Reshuffles, 2);
  EXPECT_TRUE(failures.empty());
}

// A writer that reports every game it has written on a pipe, killed at random
// moments: whatever it reported must be in the file, at that result or a later one.
TEST(History, AKilledWriterLosesNoGameItHadWritten) {
  test::TempDir dir;
  const std::string path = dir.dir() + kHistoryFileName;
  std::mt19937 random(12345);
  std::map<std::int64_t, int> reported;  // id -> tiles left when reported
  int kills = 0;
  for (int round = 0; round < 40; ++round) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(fds[0]);
      History h;
      if (!h.Open(path)) _exit(2);
      for (int n = 0;; ++n) {
        HistoryGame g = Game("Layout " + std::to_string(n % 13), GameResult::kAbandoned, n,
                             round * 100000 + n, 0, false);
        g.TilesLeft = 144;
        for (const int left : {144, 60, 0}) {
          g.TilesLeft = left;
          g.Result = left == 0 ? GameResult::kWon : GameResult::kAbandoned;
          if (!h.Write(g)) _exit(3);
          const std::int64_t message[2] = {g.Id, left};
          if (write(fds[1], message, sizeof message) != sizeof message) _exit(4);
        }
      }
    }
    close(fds[1]);
    std::this_thread::sleep_for(std::chrono::microseconds(2000 + random() % 100000));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    kills += WIFSIGNALED(status) ? 1 : 0;
    std::int64_t message[2];
    while (read(fds[0], message, sizeof message) == sizeof message)
      reported[message[0]] = static_cast<int>(message[1]);
    close(fds[0]);
    History check;
    ASSERT_TRUE(test::Succeeded(check.Open(path))) << "round " << round;
    std::vector<HistoryGame> games;
    ASSERT_TRUE(test::Succeeded(check.ReadAll(games)));
    std::map<std::int64_t, int> stored;
    for (const HistoryGame& g : games) stored[g.Id] = g.TilesLeft;
    for (const auto& [id, left] : reported) {
      ASSERT_TRUE(stored.count(id)) << "game " << id << " lost in round " << round;
      EXPECT_LE(stored[id], left) << "game " << id << " went back in round " << round;
    }
  }
  EXPECT_EQ(kills, 40);
  EXPECT_GT(reported.size(), 40u);  // the writer got far enough to be killed mid-way
  EXPECT_TRUE(AsideFiles(dir.path()).empty());
}

}  // namespace
}  // namespace tv

namespace tv {
namespace {

TEST(History, TheDailyDealDependsOnTheDateAlone) {
  const std::vector<std::string> layouts = {"Dragon", "fortress", "Bridge", "Arena", "Cat"};
  std::vector<std::string> shuffled = {"Cat", "Arena", "fortress", "Dragon", "Bridge"};
  std::set<std::string> chosen;
  std::set<std::uint32_t> numbers;
  for (int day = DayNumber(20260101); day < DayNumber(20260101) + 60; ++day) {
    const int date = DateFromDayNumber(day);
    const DailyDeal deal = MakeDailyDeal(date, layouts);
    EXPECT_EQ(deal.Date, date);
    EXPECT_NE(deal.GameNumber, 0u);
    EXPECT_EQ(MakeDailyDeal(date, shuffled).Layout,
              deal.Layout);  // the folder's order is no matter
    EXPECT_EQ(MakeDailyDeal(date, shuffled).GameNumber, deal.GameNumber);
    chosen.insert(deal.Layout);
    numbers.insert(deal.GameNumber);
  }
  EXPECT_EQ(chosen.size(), layouts.size());  // over two months every layout comes up
  EXPECT_EQ(numbers.size(), 60u);
  EXPECT_TRUE(MakeDailyDeal(20260101, {}).Layout.empty());
}

}  // namespace
}  // namespace tv
