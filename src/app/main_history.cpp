// SPDX-License-Identifier: GPL-3.0-or-later
// The history's owner in the window, the statistics command and the daily deal.
#include "app/main_history.h"

#include <QAction>
#include <QCoreApplication>
#include <QToolButton>
#include <ctime>

#include "app/main_window.h"
#include "app/stats_window.h"
#include "content/translate.h"
#include "game/daily_deal.h"
#include "game/game.h"

namespace tv {

MainHistory::MainHistory(const std::string& historyFile, const std::string& layoutsDir, Game& game,
                         std::function<void(const std::string&)> warn, QWidget* owner,
                         std::function<void()> showHelp)
    : log_(history_, layoutsDir, [] { return static_cast<std::int64_t>(std::time(nullptr)); }),
      game_(game),
      path_(historyFile),
      warn_(std::move(warn)),
      owner_(owner),
      showHelp_(std::move(showHelp)) {
  log_.OnFailure = [this](const Result& failed) {
    if (reported_ || !warn_) return;
    reported_ = true;
    warn_(QCoreApplication::translate("Messages", "Could not write the game history!$D")
              .toStdString() +
          MessageOf(failed));
  };
  game_.SetHistory(&log_);
}

MainHistory::~MainHistory() {
  game_.SetHistory(nullptr);
}

void MainHistory::Open() {
  if (history_.IsOpen()) return;
  // A damaged file is already moved aside and a new one open: the player hears of it once.
  if (const Result opened = history_.Open(path_); !opened && warn_) warn_(MessageOf(opened));
}

void MainHistory::ShowStatistics(const std::string& currentLayout) {
  std::vector<HistoryGame> games;
  if (history_.IsOpen()) {
    if (const Result read = history_.ReadAll(games); !read && warn_) warn_(MessageOf(read));
  }
  Window()->Run(std::move(games), currentLayout, LocalDateNumber(std::time(nullptr)));
}

// Made when first asked for: a game that never opens it carries none of its widgets.
TF_Stats* MainHistory::Window() {
  if (!stats_) stats_ = new TF_Stats(showHelp_, owner_);
  return stats_;
}

void MainHistory::Exit(bool kept) {
  kept ? game_.KeepInHistory() : game_.LeaveInHistory();
}

// The main window's part: the history made with what it needs, and its commands.
void TF_Main::CreateHistory() {
  history_ = std::make_unique<MainHistory>(
      paths_.HistoryFile, paths_.LayoutsDir, *game_,
      [this](const std::string& text) { Message(text, kMessageWarning); }, this,
      [this] { ShowHelpTopic("stats.htm"); });
  connect(menus_.MI_GameStats, &QAction::triggered, this,
          [this] { history_->ShowStatistics(std::string(game_->PlayBoard().LayoutName())); });
  menus_.MI_GameStats->setToolTip(bars_.B_Stats->toolTip());
  bars_.B_Stats->setDefaultAction(menus_.MI_GameStats);
  connect(menus_.MI_GameDaily, &QAction::triggered, this, [this] { PlayDailyDeal(); });
}

void TF_Main::PlayDailyDeal() {
  // Everyone's shipped set when installed; run portable, the folder is that set.
  const std::string& shipped =
      paths_.ShippedLayoutsDir.empty() ? paths_.LayoutsDir : paths_.ShippedLayoutsDir;
  const DailyDeal deal = DailyDealIn(LocalDateNumber(std::time(nullptr)), shipped);
  if (deal.Layout.empty() || !OpenForPlay(deal.Layout)) {
    Message(QCoreApplication::translate("Messages",
                                        "Today's deal is played on the layout \"%1\", which "
                                        "cannot be read from the layouts folder.")
                .arg(QString::fromStdString(deal.Layout))
                .toStdString(),
            kMessageWarning);
    return;
  }
  game_->PlayGameNumber(deal.GameNumber, deal.Date);
}

}  // namespace tv
