// SPDX-License-Identifier: GPL-3.0-or-later
// What the game in play tells its history: the facts as they stand.
#include "game/game.h"

namespace tv {

PlayedGame Game::Played(double now) const {
  const GAME_P& g = playBoard_.Game;
  PlayedGame played;
  played.Layout = std::string(playBoard_.LayoutName());
  played.GameNumber = g.Seed;
  played.Seconds = PlayedDays(now) * 86400.0;
  played.TilesLeft = g.TilesLeft;
  played.MovesAvailable = g.MovesAvailable;
  played.Reshuffles = reshuffle_.count;
  played.Hints = hintsUsed_;
  played.Undos = undosUsed_;
  played.Daily = daily_;
  return played;
}

void Game::LeaveInHistory() {
  if (history_) history_->Left(Played(host_.Now()));
}

void Game::KeepInHistory() {
  if (history_) history_->Kept(Played(host_.Now()));
}

}  // namespace tv
