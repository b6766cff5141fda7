// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window: the figures come whole from the history's own code; the
// window only lays them out and hands the times and days to the pictures.
#include "app/stats_window.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/stats_charts.h"
#include "game/files.h"

namespace tv {
namespace {

constexpr const char* kFigureNames[] = {QT_TRANSLATE_NOOP("Statistics", "Played"),
                                        QT_TRANSLATE_NOOP("Statistics", "Won"),
                                        QT_TRANSLATE_NOOP("Statistics", "Win rate"),
                                        QT_TRANSLATE_NOOP("Statistics", "Streak"),
                                        QT_TRANSLATE_NOOP("Statistics", "Best streak"),
                                        QT_TRANSLATE_NOOP("Statistics", "Best time"),
                                        QT_TRANSLATE_NOOP("Statistics", "Median time"),
                                        QT_TRANSLATE_NOOP("Statistics", "Last 10 average"),
                                        QT_TRANSLATE_NOOP("Statistics", "Daily streak")};

QString Time(double seconds) {
  return seconds < 0 ? QString("-") : ClockText(seconds);
}

}  // namespace

TF_Stats::TF_Stats(std::function<void()> showHelp, QWidget* parent) : QDialog(parent) {
  setObjectName("TF_Stats");
  setWindowTitle(QCoreApplication::translate("Statistics", "Statistics"));
  setMinimumSize(700, 500);
  resize(860, 600);

  LB_Layouts = new QListWidget(this);
  LB_Layouts->setObjectName("LB_Layouts");
  LB_Layouts->setMaximumWidth(200);
  LB_Layouts->setMinimumWidth(140);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(14);
  grid->setVerticalSpacing(4);
  for (int k = 0; k < int(std::size(kFigureNames)); ++k) {
    auto* caption = new QLabel(QCoreApplication::translate("Statistics", "%1:")
                                   .arg(QCoreApplication::translate("Statistics", kFigureNames[k])),
                               this);
    auto* value = new QLabel(this);
    value->setObjectName(QString("L_Figure%1").arg(k));
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    // Wide enough for the longest value, so the columns stay put from layout to layout.
    value->setMinimumWidth(QFontMetrics(bold).horizontalAdvance("00:00:00"));
    const int row = k % 3, column = k / 3 * 2;
    grid->addWidget(caption, row, column);
    grid->addWidget(value, row, column + 1);
    figures_.push_back(value);
  }
  grid->setColumnStretch(5, 1);

  I_Times = new TimesChart(this);
  I_Histogram = new TimesHistogram(this);
  I_Days = new DaysStrip(this);
  auto* charts = new QHBoxLayout;
  charts->addWidget(I_Times, 3);
  charts->addWidget(I_Histogram, 2);

  auto* right = new QVBoxLayout;
  right->addLayout(grid);
  right->addLayout(charts, 3);
  right->addWidget(I_Days, 2);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Help, this);
  buttons->button(QDialogButtonBox::Close)->setObjectName("B_Close");
  buttons->button(QDialogButtonBox::Help)->setObjectName("B_Help");
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this, [showHelp] {
    if (showHelp) showHelp();
  });

  auto* body = new QHBoxLayout;
  body->addWidget(LB_Layouts);
  body->addLayout(right, 1);
  auto* all = new QVBoxLayout(this);
  all->addLayout(body, 1);
  all->addWidget(buttons);
  connect(LB_Layouts, &QListWidget::currentRowChanged, this, [this] { ShowSelection(); });
}

void TF_Stats::Fill(std::vector<HistoryGame> games, const std::string& currentLayout, int today) {
  games_ = std::move(games);
  today_ = today;
  stats_ = ComputeStats(games_, today);
  QSignalBlocker quiet(LB_Layouts);
  LB_Layouts->clear();
  LB_Layouts->addItem(QCoreApplication::translate("Statistics", "All layouts"));
  int selected = 0;
  for (const HistoryFigures& f : stats_.Layouts) {
    LB_Layouts->addItem(QString::fromStdString(f.Name));
    if (EqualsIgnoreCase(f.Name, currentLayout)) selected = LB_Layouts->count() - 1;
  }
  LB_Layouts->setCurrentRow(selected);
  ShowSelection();
}

void TF_Stats::Run(std::vector<HistoryGame> games, const std::string& currentLayout, int today) {
  Fill(std::move(games), currentLayout, today);
  exec();
}

void TF_Stats::ShowSelection() {
  const int row = LB_Layouts->currentRow();
  const bool all = row <= 0;
  const HistoryFigures& f = all ? stats_.Overall : stats_.Layouts[std::size_t(row - 1)];
  const QString values[] = {QString::number(f.Played),
                            QString::number(f.Won),
                            f.Played ? QCoreApplication::translate("Statistics", "%1 %")
                                           .arg(QLocale().toString(100.0 * f.WinRate(), 'f', 0))
                                     : QString("-"),
                            QString::number(f.CurrentStreak),
                            QString::number(f.BestStreak),
                            Time(f.BestTime),
                            Time(f.MedianTime),
                            Time(f.Last10Average),
                            QString::number(stats_.DailyStreak)};
  for (std::size_t k = 0; k < figures_.size(); ++k) figures_[k]->setText(values[k]);

  std::vector<double> times;
  std::map<QDate, DayPlayed> days;
  for (const HistoryGame& g : games_) {
    if (!all && !EqualsIgnoreCase(g.Layout, f.Name)) continue;
    const bool won = g.Result == GameResult::kWon;
    if (won) times.push_back(g.Seconds);
    DayPlayed& day = days[QDateTime::fromSecsSinceEpoch(g.StartUtc).date()];
    ++day.Games;
    day.Won += won ? 1 : 0;
    day.DailyWon = day.DailyWon || (won && g.Daily != 0);
  }
  I_Times->SetTimes(times);
  I_Histogram->SetTimes(std::move(times));
  I_Days->SetDays(std::move(days), QDate(today_ / 10000, today_ / 100 % 100, today_ % 100));
}

}  // namespace tv
