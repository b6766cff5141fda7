// SPDX-License-Identifier: GPL-3.0-or-later
// The field on screen: the field picture, its renderer and the drawing requests they serve.
#include "app/field_view.h"

#include <QCoreApplication>

#include "app/field_widget.h"
#include "content/settings.h"
#include "content/translate.h"
#include "field/paused.h"
#include "game/editor.h"
#include "game/faces.h"
#include "game/game.h"

namespace tv {

FieldView::FieldView(const Game& game, const Settings& settings, FieldPictures& pictures,
                     PixelBuffer& picture, FieldWidget& widget)
    : game_(game),
      settings_(settings),
      widget_(widget),
      picture_(picture),
      renderer_(pictures, picture, this) {
  widget_.Bind(picture);
  widget_.setAccessibleDescription(QCoreApplication::translate(
      "Field",
      "Arrow keys move the focus ring from tile to tile; Space or Enter selects the tile."));
  SetFocusTile(-1);
}

void FieldView::SetAvailableArea(QSize area) {
  area_ = area;
  renderer_.SetAvailableArea(area.width(), area.height());
}

FieldMarks FieldView::Marks() const {
  FieldMarks marks;
  marks.SelectedTile = game_.SelectedTile();
  marks.SecondTile = game_.SecondTile();
  marks.EditMode = game_.Mode() == BoardMode::kEdit;
  marks.SolutionMode = game_.SolutionMode();
  marks.SolutionTiles[0] = game_.SolutionTile(0);
  marks.SolutionTiles[1] = game_.SolutionTile(1);
  if (marks.EditMode && editor_) {
    marks.SelectedTile = editor_->EraseCandidate();
    marks.SecondTile = editor_->CursorSlot();
    marks.HasCursorTile = editor_->HasCursorTile();
  }
  if (marks.EditMode || marks.SolutionMode) return marks;
  marks.FocusTile = focusTile_;
  return marks;
}

DrawSwitches FieldView::Switches() const {
  DrawSwitches sw;
  sw.DrawShadows = settings_.DrawShadows;
  sw.DimLockedTiles = settings_.DimLockedTiles;
  sw.BkgColor = settings_.BkgColor;
  if (BackgroundSource) sw.Background = BackgroundSource();
  return sw;
}

void FieldView::SetEditor(const Editor* editor) {
  editor_ = editor;
  SetFocusTile(-1);
}

void FieldView::SetFocusTile(int slot) {
  focusTile_ = slot;
  const auto& tiles = game_.Board().Tiles;
  QString name;
  if (slot >= 0 && std::size_t(slot) < tiles.size()) {
    const auto& tile = tiles[std::size_t(slot)];
    name = (tile.Free ? QCoreApplication::translate("Field", "%1, free")
                      : QCoreApplication::translate("Field", "%1, blocked"))
               .arg(Translated(FaceText(tile.Face)));
  } else {
    name = editor_ ? QCoreApplication::translate("Field", "Layout editor field")
                   : QCoreApplication::translate("Field", "Playing field");
  }
  if (widget_.accessibleName() != name) widget_.setAccessibleName(name);
}

void FieldView::RedrawAll() {
  if (game_.Paused()) {
    // The header alone: the background of the field, without a tile on it.
    MODE_P bare;
    bare.Game = game_.Board().Game;
    bare.Game.TileCount = 0;
    renderer_.RedrawAll(bare, Marks(), Switches());
    DrawPausedNotice(picture_, area_.width(), area_.height(),
                     QCoreApplication::translate("Field", "Paused").toStdString());
    RepaintField();
    return;
  }
  renderer_.RedrawAll(game_.Board(), Marks(), Switches());
}

void FieldView::RedrawTile(int slot, Repaint mode) {
  renderer_.RedrawTile(game_.Board(), Marks(), Switches(), slot, mode);
}

void FieldView::RedrawAround(int slot, bool skipSelf, Repaint mode) {
  renderer_.RedrawAround(game_.Board(), Marks(), Switches(), slot, skipSelf, mode);
}

void FieldView::DrawSeeThrough(int slot, int percent, bool fade, Repaint mode) {
  renderer_.DrawSeeThrough(game_.Board(), Marks(), Switches(), slot, percent, fade, mode);
}

void FieldView::RepaintField() {
  widget_.RepaintPicture(0, 0, area_.width(), area_.height());
}

void FieldView::RepaintNow(int x, int y, int width, int height) {
  widget_.RepaintPicture(x, y, width, height);
}

void FieldView::Invalidate(int x, int y, int width, int height) {
  widget_.UpdatePicture(x, y, width, height);
}

}  // namespace tv
