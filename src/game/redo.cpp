// SPDX-License-Identifier: GPL-3.0-or-later
// Redo: the pairs taken back by undo come off again in the order they were undone
// backwards, each as a removal of its own (fade, sound, undo entry, end of game).
#include "game/game.h"

namespace tv {

void Game::ForgetRedo() {
  redoCount_ = 0;
  host_.Enable(Command::kRedo, false);
}

void Game::Redo() {
  MODE_P& b = ShownBoard();
  if (redoCount_ <= 0 || b.Game.TilesLeft <= 0 || solutionMode_ || paused_ ||
      boardMode_ != BoardMode::kPlay)
    return;
  const UNDO_P step = redoSteps_[redoCount_ - 1];
  // Only a pair that can be removed as the board stands: anything else means the
  // list no longer belongs to this board, and it is dropped.
  const bool playable = TileInPlay(step.FirstSlot) && TileInPlay(step.SecondSlot) &&
                        step.FirstSlot != step.SecondSlot && IsFree(b, step.FirstSlot) &&
                        IsFree(b, step.SecondSlot) &&
                        b.Tiles[step.FirstSlot].MatchClass == b.Tiles[step.SecondSlot].MatchClass;
  if (!playable) {
    ForgetRedo();
    return;
  }
  --redoCount_;
  if (redoCount_ == 0) host_.Enable(Command::kRedo, false);
  redoing_ = true;
  RemovePair(step.SecondSlot, step.FirstSlot);
  redoing_ = false;
}

void Game::EnablePlayCommands() {
  const bool inPlay = ShownBoard().Game.TilesLeft > 0 && !solutionMode_ && !paused_;
  host_.Enable(Command::kUndo, inPlay && undoCount_ > 0);
  host_.Enable(Command::kRedo, inPlay && redoCount_ > 0);
  host_.Enable(Command::kHint, inPlay);
  host_.Enable(Command::kReshuffle, inPlay && ReshufflesLeft() > 0);
  host_.Enable(Command::kPause, paused_ || CanPause());
}

}  // namespace tv
