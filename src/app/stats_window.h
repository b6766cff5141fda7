// SPDX-License-Identifier: GPL-3.0-or-later
// TF_Stats: the statistics window. All games or one layout's (chosen in the list beside),
// with the figures, the times of won games, their histogram and the days played.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "game/history.h"

class QLabel;
class QListWidget;

namespace tv {

class TimesChart;
class TimesHistogram;
class DaysStrip;

class TF_Stats : public QDialog {
 public:
  explicit TF_Stats(std::function<void()> showHelp, QWidget* parent = nullptr);

  // Shows `games` (in the order played) modally, `currentLayout` selected; `today` is yyyymmdd.
  void Run(std::vector<HistoryGame> games, const std::string& currentLayout, int today);
  // Fills the window without showing it (Run does this first).
  void Fill(std::vector<HistoryGame> games, const std::string& currentLayout, int today);

 private:
  void ShowSelection();

  QListWidget* LB_Layouts = nullptr;
  std::vector<QLabel*> figures_;
  TimesChart* I_Times = nullptr;
  TimesHistogram* I_Histogram = nullptr;
  DaysStrip* I_Days = nullptr;
  std::vector<HistoryGame> games_;
  HistoryStats stats_;
  int today_ = 0;
};

}  // namespace tv
