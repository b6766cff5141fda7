// Mouse and keyboard on the field: selection clicks, the face name and hand cursor under
// the mouse, the see-through view of a tile while Ctrl is held, solution stepping keys.
#include <QCursor>
#include <QKeyEvent>

#include "app/main_field.h"
#include "app/main_host.h"
#include "app/main_status.h"
#include "app/main_window.h"
#include "field/geometry.h"
#include "game/faces.h"

namespace tv {

int TF_Main::HitTestField(int x, int y) const {
  const MODE_P& board = game_->Board();
  const bool play = game_->BoardMode() == kPlayMode;
  return HitTest(board, board.Game.TileCount, x, y, play ? game_->SecondTile() : -1);
}

void TF_Main::ShowHover(int slot) {
  const int old = game_->HoverTile();
  if (slot == old) return;
  if (old != kNoTile) host_->RedrawTile(old, Repaint::TileNow);
  game_->SetHoverTile(slot);
  host_->DrawSeeThrough(slot, 66, false, Repaint::TileNow);
}

void TF_Main::ClearHover() {
  const int old = game_->HoverTile();
  if (old == kNoTile) return;
  game_->SetHoverTile(kNoTile);
  if (ready_) host_->RedrawTile(old, Repaint::TileNow);
}

void TF_Main::I_FieldMouseMove(int x, int y, Qt::MouseButtons, Qt::KeyboardModifiers mods) {
  lastMouseX_ = x;
  lastMouseY_ = y;
  if (!ready_) return;
  // The editor's tools (placing, erasing, shifting the field) arrive with the editor.
  if (game_->BoardMode() == kEditMode) return;
  if (game_->SolutionMode()) return;
  const int slot = HitTestField(x, y);
  if (slot < 0) {
    status_->SetCurrentTile("", false);
    field_->unsetCursor();
    return;
  }
  const TILE_P& tile = game_->Board().Tiles[std::size_t(slot)];
  status_->SetCurrentTile(FaceName(tile.Face), tile.Free);
  if (tile.Free)
    field_->setCursor(Qt::PointingHandCursor);
  else
    field_->unsetCursor();
  if (mods & Qt::ControlModifier)
    ShowHover(slot);
  else
    ClearHover();
}

void TF_Main::I_FieldMouseDown(int x, int y, Qt::MouseButton button) {
  if (!ready_) return;
  if (game_->BoardMode() == kEditMode) {
    if (button == Qt::RightButton) {
      SelectTool(editTool_ == 0 ? 1 : 0);
    } else if (editTool_ == 2) {
      dragging_ = true;
      field_->setCursor(dragCursor_);
    }
    return;
  }
  if (game_->SolutionMode()) return;
  const int slot = HitTestField(x, y);
  if (slot < 0 || !game_->Board().Tiles[std::size_t(slot)].Free) return;
  ClearHover();
  game_->ClickTile(slot);
}

void TF_Main::I_FieldMouseUp(int, int, Qt::MouseButton) {
  if (!ready_) return;
  if (game_->BoardMode() == kEditMode && editTool_ == 2 && dragging_) {
    field_->setCursor(moveCursor_);
    dragging_ = false;
  }
}

void TF_Main::keyPressEvent(QKeyEvent* event) {
  if (!ready_) return QMainWindow::keyPressEvent(event);
  const int key = event->key();
  if (game_->BoardMode() == kPlayMode && game_->SolutionMode()) {
    QAction* item = key == Qt::Key_Left    ? menus_.MI_SolPrev
                    : key == Qt::Key_Right ? menus_.MI_SolNext
                    : key == Qt::Key_Home  ? menus_.MI_SolFirst
                    : key == Qt::Key_End   ? menus_.MI_SolLast
                                           : nullptr;
    // Keys follow the items' enabled states, as the buttons do.
    if (item && item->isEnabled()) item->trigger();
    if (item) return;
  } else if (game_->BoardMode() == kPlayMode) {
    if (key == Qt::Key_Control) {
      const QPoint p = field_->mapFromGlobal(QCursor::pos());
      const int slot = field_->rect().contains(p) ? HitTestField(p.x(), p.y()) : -1;
      if (slot >= 0) ShowHover(slot);
      return;
    }
  } else if (key == Qt::Key_Z) {
    SelectZMode(zMode_ == 0 ? 1 : 0);
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void TF_Main::keyReleaseEvent(QKeyEvent* event) {
  if (ready_ && game_->BoardMode() == kPlayMode && !event->isAutoRepeat()) ClearHover();
  QMainWindow::keyReleaseEvent(event);
}

}  // namespace tv
