// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the game history: opens the history file, lets the game
// write its results to it, and shows the statistics window.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "game/history.h"
#include "game/history_log.h"

class QWidget;

namespace tv {

class Game;
class TF_Stats;

class MainHistory {
 public:
  // `warn` shows a message; a failed write is told once a session.
  MainHistory(const std::string& historyFile, const std::string& layoutsDir, Game& game,
              std::function<void(const std::string&)> warn, QWidget* owner,
              std::function<void()> showHelp);
  ~MainHistory();
  // Once the start-up has succeeded: a start that fails leaves no file behind.
  void Open();
  MainHistory(const MainHistory&) = delete;
  MainHistory& operator=(const MainHistory&) = delete;

  void ShowStatistics(const std::string& currentLayout);
  // Shutdown: the game in play is written as it stands, left open when the next start
  // takes it up again (`kept`), ended otherwise.
  void Exit(bool kept);
  History& Data() { return history_; }
  TF_Stats* Window();

 private:
  History history_;
  HistoryLog log_;
  Game& game_;
  std::string path_;
  std::function<void(const std::string&)> warn_;
  QWidget* owner_;
  std::function<void()> showHelp_;
  TF_Stats* stats_ = nullptr;
  bool reported_ = false;
};

}  // namespace tv
