// SPDX-License-Identifier: GPL-3.0-or-later
// The history's owner in the window: the file opened, results written, statistics shown.
#include "app/main_history.h"

#include <QCoreApplication>
#include <ctime>

#include "app/stats_window.h"
#include "content/translate.h"
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

}  // namespace tv
