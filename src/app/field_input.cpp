// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse and keyboard on the field, turned into the game's and the editor's commands.
#include "app/field_input.h"

#include <QAction>
#include <QCursor>
#include <algorithm>

#include "app/art.h"
#include "app/field_view.h"
#include "app/field_widget.h"
#include "app/main_menus.h"
#include "app/status_bars.h"
#include "content/translate.h"
#include "field/geometry.h"
#include "game/editor.h"
#include "game/faces.h"
#include "game/game.h"

namespace tv {

FieldInput::FieldInput(Game& game, FieldView& view, FieldWidget& field, StatusBars& status,
                       const MainMenus& menus, const EditControls& edit)
    : game_(game),
      view_(view),
      field_(field),
      status_(status),
      menus_(menus),
      edit_(edit),
      keys_(game, view) {
  field.OnMouse = [this](FieldWidget::MouseEventKind kind, int x, int y, Qt::MouseButton button,
                         Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
    switch (kind) {
      case FieldWidget::MouseEventKind::kMove:
        MouseMove(x, y, mods, buttons);
        break;
      case FieldWidget::MouseEventKind::kDown:
        MouseDown(x, y, button, mods);
        break;
      case FieldWidget::MouseEventKind::kUp:
        MouseUp(x, y, button);
        break;
    }
  };
}

const QCursor& FieldInput::EditCursor(bool drag) {
  const double ratio = field_.devicePixelRatioF();
  if (ratio != cursorRatio_) {
    cursorRatio_ = ratio;
    dragCursor_ = ArtCursor("drag", ratio);
    moveCursor_ = ArtCursor("move", ratio);
  }
  return drag ? dragCursor_ : moveCursor_;
}

void FieldInput::RatioChanged() {
  if (field_.cursor().shape() == Qt::BitmapCursor) field_.setCursor(EditCursor(dragging_));
}

int FieldInput::HitTestField(int x, int y) const {
  const MODE_P& board = game_.Board();
  const bool play = game_.Mode() == BoardMode::kPlay;
  return HitTest(board, board.Game.TileCount, x, y, play ? game_.SecondTile() : -1);
}

void FieldInput::ShowHover(int slot) {
  const int old = game_.HoverTile();
  if (slot == old) return;
  if (old != kNoTile) view_.RedrawTile(old, Repaint::kTileNow);
  game_.SetHoverTile(slot);
  view_.DrawSeeThrough(slot, 66, false, Repaint::kTileNow);
}

void FieldInput::ClearHover() {
  const int old = game_.HoverTile();
  if (old == kNoTile) return;
  game_.SetHoverTile(kNoTile);
  if (ready_) view_.RedrawTile(old, Repaint::kTileNow);
}

void FieldInput::EditMouseMove(int x, int y, Qt::MouseButtons buttons) {
  if (editor_ == nullptr) return;
  // Every tool keeps the pointer known, so Draw chosen later starts under it.
  editor_->PointerMove(x, y);
  switch (edit_.Tool) {
    case EditTool::kDraw:
      break;
    case EditTool::kErase: {
      const int slot = HitTestField(x, y);
      editor_->HoverErase(slot);
      if (slot >= 0)
        field_.setCursor(Qt::PointingHandCursor);
      else
        field_.unsetCursor();
      break;
    }
    case EditTool::kMove: {
      if (!dragging_ || !(buttons & (Qt::LeftButton | Qt::RightButton))) break;
      const GAME_P& g = game_.Board().Game;
      const int cx = x / std::max(1, g.FaceWidth), cy = y / std::max(1, g.FaceHeight);
      if (cx == dragX_ && cy == dragY_) break;
      // Whole tiles under the pointer, two half-units each: the layout follows the hand.
      editor_->ShiftLayout(2 * (cx - dragX_), 2 * (cy - dragY_), dragShifted_);
      dragShifted_ = true;
      dragX_ = cx;
      dragY_ = cy;
      break;
    }
  }
}

void FieldInput::EraseUnderPointer() {
  if (!ready_ || editor_ == nullptr || !editor_->PointerKnown()) return;
  EditMouseMove(editor_->PointerX(), editor_->PointerY(), {});
}

void FieldInput::MouseMove(int x, int y, Qt::KeyboardModifiers mods, Qt::MouseButtons buttons) {
  if (!ready_) return;
  if (game_.Mode() == BoardMode::kEdit) return EditMouseMove(x, y, buttons);
  if (game_.SolutionMode() || game_.Paused()) return;
  if (QPoint(x, y) != lastMouse_) keys_.Hide();
  lastMouse_ = QPoint(x, y);
  const int slot = HitTestField(x, y);
  NameTile(slot);
  if (slot < 0) {
    field_.unsetCursor();
    return;
  }
  const TILE_P& tile = game_.Board().Tiles[std::size_t(slot)];
  if (tile.Free)
    field_.setCursor(Qt::PointingHandCursor);
  else
    field_.unsetCursor();
  if (mods & Qt::ControlModifier)
    ShowHover(slot);
  else
    ClearHover();
}

void FieldInput::NameTile(int slot) {
  namedSlot_ = slot;
  if (slot < 0) return status_.SetCurrentTile("", false);
  const TILE_P& tile = game_.Board().Tiles[std::size_t(slot)];
  status_.SetCurrentTile(TranslatedUtf8(FaceText(tile.Face)), tile.Free);
}

void FieldInput::AfterPositionChange() {
  if (namedSlot_ < 0) return;
  const bool playing =
      ready_ && game_.Mode() == BoardMode::kPlay && !game_.SolutionMode() && !game_.Paused();
  NameTile(playing ? HitTestField(lastMouse_.x(), lastMouse_.y()) : -1);
}

void FieldInput::MouseDown(int x, int y, Qt::MouseButton button, Qt::KeyboardModifiers mods) {
  if (!ready_) return;
  if (game_.Mode() == BoardMode::kEdit) {
    if (button == Qt::RightButton) {
      if (OnSelectTool) OnSelectTool(edit_.RightButtonTool());
    } else if (edit_.Tool == EditTool::kMove) {
      dragging_ = true;
      dragShifted_ = false;
      const GAME_P& g = game_.Board().Game;
      dragX_ = x / std::max(1, g.FaceWidth);
      dragY_ = y / std::max(1, g.FaceHeight);
      field_.setCursor(EditCursor(true));
    } else if (editor_) {
      editor_->PointerDown(x, y, mods & Qt::ShiftModifier);
      // The next erase candidate is the tile now under the pointer.
      if (edit_.Tool == EditTool::kErase) EditMouseMove(x, y, {});
    }
    return;
  }
  if (game_.SolutionMode()) return;
  if (game_.Paused()) {
    // The click that ends a pause selects nothing: the tiles were not on view.
    game_.SetPaused(false);
    return;
  }
  const int slot = HitTestField(x, y);
  if (slot < 0 || !game_.Board().Tiles[std::size_t(slot)].Free) return;
  ClearHover();
  game_.ClickTile(slot);
}

void FieldInput::MouseUp(int, int, Qt::MouseButton) {
  if (!ready_) return;
  if (game_.Mode() == BoardMode::kEdit && edit_.Tool == EditTool::kMove && dragging_) {
    field_.setCursor(EditCursor(false));
    dragging_ = false;
  }
}

bool FieldInput::KeyPress(int key, Qt::KeyboardModifiers mods) {
  if (!ready_) return false;
  if (game_.Mode() == BoardMode::kPlay && game_.SolutionMode()) {
    QAction* item = key == Qt::Key_Left    ? menus_.MI_SolPrev
                    : key == Qt::Key_Right ? menus_.MI_SolNext
                    : key == Qt::Key_Home  ? menus_.MI_SolFirst
                    : key == Qt::Key_End   ? menus_.MI_SolLast
                                           : nullptr;
    // Keys follow the items' enabled states, as the buttons do.
    if (item && item->isEnabled()) item->trigger();
    return item != nullptr;
  }
  if (game_.Mode() == BoardMode::kPlay) {
    if (!game_.Paused() && keys_.KeyPress(key)) return true;
    if (key != Qt::Key_Control || game_.Paused()) return false;
    const QPointF at = field_.mapFromGlobal(QPointF(QCursor::pos()));
    const QPoint p = field_.PicturePoint(at);
    const int slot = field_.rect().contains(at.toPoint()) ? HitTestField(p.x(), p.y()) : -1;
    if (slot >= 0) ShowHover(slot);
    return true;
  }
  return EditKeyPress(key, mods);
}

bool FieldInput::EditKeyPress(int key, Qt::KeyboardModifiers mods) {
  // Ctrl+Z with nothing to undo reaches here: a shortcut never falls through to a key.
  if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  if (key == Qt::Key_Z) {
    if (OnSelectZMode) OnSelectZMode(edit_.OtherZMode());
    return true;
  }
  if (editor_ == nullptr) return false;
  int dx = 0, dy = 0;
  switch (key) {
    case Qt::Key_Left:
      dx = -1;
      break;
    case Qt::Key_Right:
      dx = 1;
      break;
    case Qt::Key_Up:
      dy = -1;
      break;
    case Qt::Key_Down:
      dy = 1;
      break;
    case Qt::Key_Home:
      dx = -1;
      dy = -1;
      break;
    case Qt::Key_PageUp:
      dx = 1;
      dy = -1;
      break;
    case Qt::Key_End:
      dx = -1;
      dy = 1;
      break;
    case Qt::Key_PageDown:
      dx = 1;
      dy = 1;
      break;
    default:
      break;  // any other key redraws the field
  }
  editor_->ShiftLayout(dx, dy);
  return dx != 0 || dy != 0;
}

void FieldInput::KeyRelease(bool autoRepeat) {
  if (ready_ && game_.Mode() == BoardMode::kPlay && !autoRepeat) ClearHover();
}

}  // namespace tv
