// SPDX-License-Identifier: GPL-3.0-or-later
// The game in play's row in the history, written at every result.
#include "game/history_log.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "game/game_file.h"

namespace tv {

HistoryLog::HistoryLog(History& history, std::string layoutsDir,
                       std::function<std::int64_t()> utcNow)
    : history_(history), layoutsDir_(std::move(layoutsDir)), utcNow_(std::move(utcNow)) {}

void HistoryLog::Begin(const PlayedGame& game) {
  HistoryGame row;
  row.Layout = game.Layout;
  // A layout renamed or changed later keeps its games under the name and file they had.
  std::uint64_t hash = 0;
  if (LayoutFileHash(layoutsDir_, game.Layout, hash)) row.LayoutHash = hash;
  row.GameNumber = game.GameNumber;
  row.StartUtc = utcNow_() - static_cast<std::int64_t>(std::llround(game.Seconds));
  row_ = std::move(row);
}

void HistoryLog::Write(const PlayedGame& game, GameResult result, bool finished) {
  if (!row_) return;
  HistoryGame& row = *row_;
  row.Seconds = std::max(0.0, game.Seconds);
  row.Result = result;
  row.TilesLeft = game.TilesLeft;
  row.Reshuffles = game.Reshuffles;
  row.Hints = game.Hints;
  row.Undos = game.Undos;
  row.Daily = game.Daily;
  row.Finished = finished;
  if (!history_.IsOpen()) return;
  if (Result written = history_.Write(row); !written && OnFailure) OnFailure(written);
}

void HistoryLog::Counted(const PlayedGame& game) {
  Begin(game);
  Write(game, GameResult::kAbandoned, false);
}

void HistoryLog::Stuck(const PlayedGame& game) {
  Write(game, GameResult::kStuck, false);
}

void HistoryLog::Won(const PlayedGame& game) {
  Write(game, GameResult::kWon, true);
  row_.reset();
}

void HistoryLog::Left(const PlayedGame& game) {
  if (!row_) return;
  Write(game,
        game.MovesAvailable <= 0 && game.TilesLeft > 0 ? GameResult::kLost : GameResult::kAbandoned,
        true);
  row_.reset();
}

void HistoryLog::Kept(const PlayedGame& game) {
  if (!row_) return;
  Write(
      game,
      game.MovesAvailable <= 0 && game.TilesLeft > 0 ? GameResult::kStuck : GameResult::kAbandoned,
      false);
}

std::optional<HistoryGame> HistoryLog::Resumed(const PlayedGame& game, bool counted) {
  row_.reset();
  if (!counted) return std::nullopt;
  std::optional<HistoryGame> found = history_.FindUnfinished(game.Layout, game.GameNumber);
  if (found) {
    row_ = found;
  } else {
    Begin(game);
  }
  PlayedGame goingOn = game;
  if (found) {
    goingOn.Hints = found->Hints;
    goingOn.Undos = found->Undos;
    goingOn.Daily = found->Daily;
  }
  Kept(goingOn);
  return found;
}

}  // namespace tv
