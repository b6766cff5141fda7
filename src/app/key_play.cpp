// SPDX-License-Identifier: GPL-3.0-or-later
// Play by keyboard: the focus ring over the free tiles and the keys that act on it.
#include "app/key_play.h"

#include <Qt>

#include "app/field_view.h"
#include "game/game.h"
#include "game/key_focus.h"

namespace tv {

void KeyPlay::MoveTo(int slot) {
  const int old = focus_;
  focus_ = slot;
  view_.SetFocusTile(slot);
  if (old >= 0 && old != slot) view_.RedrawTile(old, Repaint::kDeferred);
  if (slot >= 0) view_.RedrawTile(slot, Repaint::kDeferred);
  view_.RepaintField();
}

void KeyPlay::Hide() {
  if (focus_ >= 0) MoveTo(-1);
}

void KeyPlay::AfterPositionChange() {
  if (focus_ < 0) return;
  const int settled = SettleFocusTile(game_.PlayBoard(), focus_);
  // The ring's tile may be gone: its rectangle is redrawn as a neighbour's.
  if (settled != focus_) MoveTo(settled);
}

bool KeyPlay::KeyPress(int key) {
  if (game_.Mode() != BoardMode::kPlay || game_.SolutionMode()) return false;
  const MODE_P& board = game_.PlayBoard();
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
      if (board.Game.TilesLeft <= 0) return true;
      if (focus_ < 0) {
        // The first arrow shows the ring where the player is: on the selection, or
        // in the middle of the layout.
        MoveTo(SettleFocusTile(board, game_.SelectedTile()));
        return true;
      }
      const FocusDirection direction = key == Qt::Key_Left    ? FocusDirection::kLeft
                                       : key == Qt::Key_Right ? FocusDirection::kRight
                                       : key == Qt::Key_Up    ? FocusDirection::kUp
                                                              : FocusDirection::kDown;
      const int next = NextFocusTile(board, SettleFocusTile(board, focus_), direction);
      if (next >= 0) MoveTo(next);
      return true;
    }
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (focus_ < 0) return false;
      game_.ClickTile(focus_);
      AfterPositionChange();
      return true;
    case Qt::Key_Escape:
      // A click on the selected tile is what drops the selection.
      if (game_.SelectedTile() == kNoTile) return false;
      game_.ClickTile(game_.SelectedTile());
      return true;
    case Qt::Key_H:
      if (OnHint) OnHint();
      return true;
    default:
      return false;
  }
}

}  // namespace tv
