// SPDX-License-Identifier: GPL-3.0-or-later
// Pause: the clock stands and the tiles are hidden until the player goes on. The
// pause is taken out of the game's time by moving its start on by the paused span,
// so the clock, the records and a kept game all see the time actually played.
#include "game/game.h"

namespace tv {

bool Game::CanPause() const {
  const GAME_P& g = playBoard_.Game;
  return boardMode_ == BoardMode::kPlay && !solutionMode_ && g.TileCount > 0 && g.TilesLeft > 0;
}

double Game::PlayedDays(double now) const {
  const GAME_P& g = playBoard_.Game;
  if (g.TilesLeft <= 0) return g.ClockTime - g.StartTime;  // won: the clock stands
  return (paused_ ? pausedAt_ : now) - g.StartTime;
}

void Game::SetPaused(bool on) {
  if (on == paused_ || (on && !CanPause())) return;
  GAME_P& g = playBoard_.Game;
  const double now = host_.Now();
  if (on) {
    paused_ = true;
    pausedAt_ = now;
    g.ClockTime = now;
    host_.SetTimer(Timer::kUpdateClock, false);
    pointer_.HoverTile = kNoTile;
  } else {
    paused_ = false;
    g.StartTime += now - pausedAt_;
    g.ClockTime = now;
    host_.SetTimer(Timer::kUpdateClock, true);
  }
  host_.DrawClock();
  EnablePlayCommands();
  host_.SetPausedView(on);
  host_.RedrawAll();
}

}  // namespace tv
