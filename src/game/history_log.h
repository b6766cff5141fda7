// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the game in play into the history: its row begins with the first removed
// pair and is written again at each result (stuck, won, left for another game, kept
// at exit, taken up again at the next start).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "game/history.h"

namespace tv {

// The game as it stands, as the play logic knows it.
struct PlayedGame {
  std::string Layout;
  std::uint32_t GameNumber = 0;
  double Seconds = 0;  // pauses left out
  int TilesLeft = 0;
  int MovesAvailable = 0;
  int Reshuffles = 0;
  int Hints = 0;
  int Undos = 0;
  int Daily = 0;  // yyyymmdd of the daily deal, 0 for any other
};

class HistoryLog {
 public:
  // `utcNow` gives seconds since 1970, UTC; the layout files' hashes come from `layoutsDir`.
  HistoryLog(History& history, std::string layoutsDir, std::function<std::int64_t()> utcNow);

  // The first removed pair: the game is counted and its row begins.
  void Counted(const PlayedGame& game);
  void Stuck(const PlayedGame& game);
  void Won(const PlayedGame& game);
  // A new game or a restart: the game ends as it stands, lost when it was stuck.
  void Left(const PlayedGame& game);
  // Exit: written as it stands and left open for the next start.
  void Kept(const PlayedGame& game);
  // The next start takes the kept game up again in its own row (a new one when the
  // history has none); the row's hints and undos are handed back to go on from.
  std::optional<HistoryGame> Resumed(const PlayedGame& game, bool counted);

  bool InGame() const { return row_.has_value(); }
  // Told of every failed write; the window says it once a session.
  std::function<void(const Result&)> OnFailure;

 private:
  void Write(const PlayedGame& game, GameResult result, bool finished);
  void Begin(const PlayedGame& game);

  History& history_;
  std::string layoutsDir_;
  std::function<std::int64_t()> utcNow_;
  std::optional<HistoryGame> row_;  // the game in play once counted
};

}  // namespace tv
