// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window at the smallest size it is read at: the figures of the layout
// selected as the history's own code computes them, none of them cut off, and the
// pictures laid out. TILVANE_STATS_SHOT=FILE.png keeps a picture of it.
#include "app/stats_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <cstdlib>
#include <ctime>

#include "app/stats_charts.h"
#include "app/widget_events.h"
#include "game/history.h"

namespace tv {
namespace {

std::vector<HistoryGame> PlayedGames(std::time_t now) {
  std::vector<HistoryGame> games;
  const char* layouts[] = {"Dragon", "Fortress", "Bridge"};
  for (int k = 0; k < 120; ++k) {
    HistoryGame g;
    g.Id = k + 1;
    g.Layout = layouts[k % 5 == 0 ? 2 : k % 2];
    g.StartUtc = now - (120 - k) * 3 * 3600 - (k % 7) * 86400;
    g.Seconds = 240 + (k * 37 % 300) - k;  // getting faster
    g.Result = k % 7 == 3 || k % 11 == 4 ? GameResult::kLost : GameResult::kWon;
    g.Daily = k % 9 == 0 ? LocalDateNumber(g.StartUtc) : 0;
    g.Finished = true;
    games.push_back(g);
  }
  std::sort(games.begin(), games.end(),
            [](const HistoryGame& a, const HistoryGame& b) { return a.StartUtc < b.StartUtc; });
  return games;
}

TEST(StatsWindow, FiguresOfTheSelectedLayoutReadableAt800By600) {
  test::App();
  const std::time_t now = std::time(nullptr);
  const int today = LocalDateNumber(now);
  const std::vector<HistoryGame> games = PlayedGames(now);
  const HistoryStats stats = ComputeStats(games, today);
  TF_Stats window([] {});
  window.Fill(games, "fortress", today);
  window.resize(800, 600);
  window.show();
  QApplication::processEvents();

  auto* list = window.findChild<QListWidget*>("LB_Layouts");
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->count(), 4);  // all layouts and the three
  EXPECT_EQ(list->currentItem()->text(), "Fortress");
  auto figure = [&](int k) { return window.findChild<QLabel*>(QString("L_Figure%1").arg(k)); };
  const HistoryFigures* fortress = stats.Find("Fortress");
  ASSERT_NE(fortress, nullptr);
  EXPECT_EQ(figure(0)->text(), QString::number(fortress->Played));
  EXPECT_EQ(figure(1)->text(), QString::number(fortress->Won));
  EXPECT_EQ(figure(5)->text(), ClockText(fortress->BestTime));
  list->setCurrentRow(0);
  EXPECT_EQ(figure(0)->text(), "120");
  EXPECT_EQ(figure(4)->text(), QString::number(stats.Overall.BestStreak));
  EXPECT_EQ(figure(6)->text(), ClockText(stats.Overall.MedianTime));
  EXPECT_EQ(figure(8)->text(), QString::number(stats.DailyStreak));
  for (int k = 0; k < 9; ++k) {
    QLabel* label = figure(k);
    EXPECT_GE(label->width(), label->sizeHint().width()) << "figure " << k << " is cut off";
  }
  for (const char* name : {"I_TimesChart", "I_TimesHistogram", "I_DaysStrip"}) {
    const QWidget* chart = window.findChild<QWidget*>(name);
    ASSERT_NE(chart, nullptr) << name;
    EXPECT_GE(chart->width(), chart->minimumWidth()) << name;
    EXPECT_GE(chart->height(), 100) << name;
  }
  list->setCurrentRow(2);  // Dragon
  QApplication::processEvents();
  if (const char* shot = std::getenv("TILVANE_STATS_SHOT")) window.grab().save(shot);
}

}  // namespace
}  // namespace tv
