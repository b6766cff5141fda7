// SPDX-License-Identifier: GPL-3.0-or-later
// Play without a mouse: the arrow keys move a focus ring between free tiles, Space
// or Enter act on the ringed tile as a click would, Escape drops the selection and
// H asks for a hint. The ring appears with the first arrow key and goes with the
// next mouse move.
#pragma once

#include <functional>

namespace tv {

class FieldView;
class Game;

class KeyPlay {
 public:
  KeyPlay(Game& game, FieldView& view) : game_(game), view_(view) {}

  // Play mode outside the solution only; true when the key was used.
  bool KeyPress(int key);
  // The mouse moved: the ring goes.
  void Hide();
  // The tiles changed: a ring on a tile that left or got blocked moves to the nearest
  // free tile.
  void AfterPositionChange();
  int Focus() const { return focus_; }

  std::function<void()> OnHint;  // runs the Hint command when it is enabled

 private:
  void MoveTo(int slot);

  Game& game_;
  FieldView& view_;
  int focus_ = -1;  // -1: the ring is hidden
};

}  // namespace tv
