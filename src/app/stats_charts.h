// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's three pictures, drawn with our own painter code in the
// game's colours: the times of won games with their moving median, a histogram of
// those times, and a strip of the days played.
#pragma once

#include <QDate>
#include <QWidget>
#include <map>
#include <vector>

namespace tv {

// Won games' times in seconds, in the order played, as points; the moving median as a line.
class TimesChart : public QWidget {
 public:
  explicit TimesChart(QWidget* parent = nullptr);
  void SetTimes(std::vector<double> seconds);
  QSize sizeHint() const override { return {420, 170}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<double> times_;
  std::vector<double> median_;
};

// How many won games took how long, in up to 12 even bins.
class TimesHistogram : public QWidget {
 public:
  explicit TimesHistogram(QWidget* parent = nullptr);
  void SetTimes(std::vector<double> seconds);
  QSize sizeHint() const override { return {260, 170}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<double> times_;
};

struct DayPlayed {
  int Games = 0;
  int Won = 0;
  bool DailyWon = false;
};

// The last weeks up to `today`, one column a week and one cell a day: the more games,
// the deeper the green; a won daily deal is ringed.
class DaysStrip : public QWidget {
 public:
  explicit DaysStrip(QWidget* parent = nullptr);
  void SetDays(std::map<QDate, DayPlayed> days, QDate today);
  QSize sizeHint() const override { return {600, 112}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::map<QDate, DayPlayed> days_;
  QDate today_;
};

// "1:05" or "1:02:05".
QString ClockText(double seconds);

}  // namespace tv
