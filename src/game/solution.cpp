// SPDX-License-Identifier: GPL-3.0-or-later
// The replay of a deal's solution on the play board: the deal shown whole, then
// stepped through pair by pair. Nothing here keeps undo entries, plays sounds or
// counts games.
#include "game/game.h"

namespace tv {

int Game::SolutionSlot(int entry) const {
  if (entry < 0 || entry >= solution_.Count) return kNoTile;
  return solution_.Steps[entry].Slot;
}

void Game::SetSolutionEnabled() {
  const GAME_P& g = Board().Game;
  host_.Enable(Command::kSolutionNext, g.TilesLeft > 2);
  host_.Enable(Command::kSolutionPrev, g.TilesLeft < g.TileCount);
}

void Game::ShowSolution() {
  if (solutionMode_ || boardMode_ != BoardMode::kPlay) return;
  solutionMode_ = true;
  host_.SetSolutionView(true);
  solutionTiles_ = {kNoTile, kNoTile};
  StartGame(reshuffle_.done ? kDealReplayReshuffle : kDealRestart, false);
  SetSolutionEnabled();
}

void Game::SolutionNext() {
  MODE_P& b = ShownBoard();
  if (!solutionMode_ || b.Game.TilesLeft <= 2) return;
  const int first = SolutionSlot(b.Game.TilesLeft - 1);
  const int second = SolutionSlot(b.Game.TilesLeft - 2);
  if (!TileInPlay(first) || !TileInPlay(second)) return;
  solutionTiles_ = {kNoTile, kNoTile};
  pointer_.SelectedTile = first;
  pointer_.SecondTile = second;
  host_.RedrawAll();
  host_.Pause(300);

  FadePair();
  b.Tiles[first].Present = false;
  b.Tiles[second].Present = false;
  pointer_.SelectedTile = pointer_.SecondTile = kNoTile;
  host_.RedrawAround(second, true, Repaint::kDeferred);
  host_.RedrawAround(first, true, Repaint::kTileNow);

  b.Game.TilesLeft -= 2;
  UpdatePlayState();
  if (b.Game.TilesLeft > 0) pointer_.HintIndex = 0;
  SetSolutionEnabled();
}

void Game::SolutionPrev() {
  MODE_P& b = ShownBoard();
  if (!solutionMode_ || b.Game.TilesLeft >= b.Game.TileCount) return;
  solutionTiles_ = {kNoTile, kNoTile};
  b.Game.TilesLeft += 2;
  const int first = SolutionSlot(b.Game.TilesLeft - 1);
  const int second = SolutionSlot(b.Game.TilesLeft - 2);
  if (first == kNoTile || second == kNoTile) return;
  b.Tiles[first].Present = true;
  b.Tiles[second].Present = true;
  pointer_.SelectedTile = first;
  pointer_.SecondTile = second;
  host_.RedrawAll();
  host_.Pause(300);

  pointer_.SelectedTile = pointer_.SecondTile = kNoTile;
  host_.RedrawTile(first, Repaint::kDeferred);
  host_.RedrawTile(second, Repaint::kTileNow);
  UpdatePlayState();
  pointer_.HintIndex = 0;
  SetSolutionEnabled();
}

void Game::SolutionFirst() {
  MODE_P& b = ShownBoard();
  if (!solutionMode_) return;
  for (int i = 0; i < b.Game.TileCount; ++i) b.Tiles[i].Present = true;
  b.Game.TilesLeft = b.Game.TileCount;
  UpdatePlayState();
  pointer_.HintIndex = 0;
  SetSolutionEnabled();
}

void Game::SolutionLast() {
  MODE_P& b = ShownBoard();
  if (!solutionMode_ || b.Game.TileCount < 2) return;
  for (int i = 0; i < b.Game.TileCount; ++i) b.Tiles[i].Present = false;
  b.Game.TilesLeft = 2;
  for (int entry = 0; entry < 2; ++entry)
    if (const int slot = SolutionSlot(entry); slot != kNoTile) b.Tiles[slot].Present = true;
  UpdatePlayState();
  pointer_.HintIndex = 0;
  SetSolutionEnabled();
}

void Game::ReturnToGame() {
  if (!solutionMode_) return;
  solutionMode_ = false;
  host_.SetSolutionView(false);
  solutionTiles_ = {kNoTile, kNoTile};
  StartGame(reshuffle_.done ? kDealReplayReshuffle : kDealRestart, false);
}

}  // namespace tv
