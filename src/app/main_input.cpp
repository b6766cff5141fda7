#include "app/main_input.h"

#include <QAction>
#include <QCursor>

#include "app/art.h"
#include "app/field_view.h"
#include "app/main_field.h"
#include "app/main_menus.h"
#include "app/main_status.h"
#include "field/geometry.h"
#include "game/faces.h"
#include "game/play.h"

namespace tv {

FieldInput::FieldInput(Game& game, FieldView& view, FieldWidget& field, StatusBars& status,
                       const MainMenus& menus, const EditControls& edit)
    : game_(game),
      view_(view),
      field_(field),
      status_(status),
      menus_(menus),
      edit_(edit),
      dragCursor_(ArtCursor("drag")),
      moveCursor_(ArtCursor("move")),
      keys_(game, view) {}

int FieldInput::HitTestField(int x, int y) const {
  const MODE_P& board = game_.Board();
  const bool play = game_.BoardMode() == kPlayMode;
  return HitTest(board, board.Game.TileCount, x, y, play ? game_.SecondTile() : -1);
}

void FieldInput::ShowHover(int slot) {
  const int old = game_.HoverTile();
  if (slot == old) return;
  if (old != kNoTile) view_.RedrawTile(old, Repaint::TileNow);
  game_.SetHoverTile(slot);
  view_.DrawSeeThrough(slot, 66, false, Repaint::TileNow);
}

void FieldInput::ClearHover() {
  const int old = game_.HoverTile();
  if (old == kNoTile) return;
  game_.SetHoverTile(kNoTile);
  if (ready_) view_.RedrawTile(old, Repaint::TileNow);
}

void FieldInput::MouseMove(int x, int y, Qt::KeyboardModifiers mods) {
  if (!ready_) return;
  // The editor's tools (placing, erasing, shifting the field) arrive with the editor.
  if (game_.BoardMode() == kEditMode) return;
  if (game_.SolutionMode() || game_.Paused()) return;
  if (QPoint(x, y) != lastMouse_) keys_.Hide();
  lastMouse_ = QPoint(x, y);
  const int slot = HitTestField(x, y);
  if (slot < 0) {
    status_.SetCurrentTile("", false);
    field_.unsetCursor();
    return;
  }
  const TILE_P& tile = game_.Board().Tiles[std::size_t(slot)];
  status_.SetCurrentTile(FaceName(tile.Face), tile.Free);
  if (tile.Free)
    field_.setCursor(Qt::PointingHandCursor);
  else
    field_.unsetCursor();
  if (mods & Qt::ControlModifier)
    ShowHover(slot);
  else
    ClearHover();
}

void FieldInput::MouseDown(int x, int y, Qt::MouseButton button) {
  if (!ready_) return;
  if (game_.BoardMode() == kEditMode) {
    if (button == Qt::RightButton) {
      if (OnSelectTool) OnSelectTool(edit_.RightButtonTool());
    } else if (edit_.Tool == EditTool::Move) {
      dragging_ = true;
      field_.setCursor(dragCursor_);
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
  if (game_.BoardMode() == kEditMode && edit_.Tool == EditTool::Move && dragging_) {
    field_.setCursor(moveCursor_);
    dragging_ = false;
  }
}

bool FieldInput::KeyPress(int key) {
  if (!ready_) return false;
  if (game_.BoardMode() == kPlayMode && game_.SolutionMode()) {
    QAction* item = key == Qt::Key_Left    ? menus_.MI_SolPrev
                    : key == Qt::Key_Right ? menus_.MI_SolNext
                    : key == Qt::Key_Home  ? menus_.MI_SolFirst
                    : key == Qt::Key_End   ? menus_.MI_SolLast
                                           : nullptr;
    // Keys follow the items' enabled states, as the buttons do.
    if (item && item->isEnabled()) item->trigger();
    return item != nullptr;
  }
  if (game_.BoardMode() == kPlayMode) {
    if (!game_.Paused() && keys_.KeyPress(key)) return true;
    if (key != Qt::Key_Control || game_.Paused()) return false;
    const QPointF at = field_.mapFromGlobal(QPointF(QCursor::pos()));
    const QPoint p = field_.PicturePoint(at);
    const int slot = field_.rect().contains(at.toPoint()) ? HitTestField(p.x(), p.y()) : -1;
    if (slot >= 0) ShowHover(slot);
    return true;
  }
  if (key == Qt::Key_Z) {
    if (OnSelectZMode) OnSelectZMode(edit_.OtherZMode());
    return true;
  }
  return false;
}

void FieldInput::KeyRelease(bool autoRepeat) {
  if (ready_ && game_.BoardMode() == kPlayMode && !autoRepeat) ClearHover();
}

}  // namespace tv
