// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's field lay-out and tile size, over the fit rules of the tilesets.
#include "app/field_fit.h"

#include <utility>

#include "content/translate.h"
#include "field/geometry.h"
#include "game/editor.h"
#include "game/game.h"

namespace tv {

FieldFit::FieldFit(Game& game, Tilesets& tilesets, FieldPictures& pictures, Calls calls)
    : game_(game), tilesets_(tilesets), pictures_(pictures), calls_(std::move(calls)) {}

bool FieldFit::LoadTileset(const TILESET_P* tileset) {
  const QSize area = calls_.AvailableArea();
  Result loaded;
  game_.PlaceBoards([&](MODE_P& shown, MODE_P& other) {
    const TileLoadTarget target{&shown, &other, &pictures_};
    loaded = tilesets_.LoadFittingTileSize(tileset, area.width(), area.height(), target);
  });
  if (!loaded) {
    if (!loaded.Words().Empty()) calls_.Message(MessageOf(loaded));
    return false;
  }
  SetZoomCommands();
  laidOutArea_ = area;
  return true;
}

void FieldFit::SetZoomCommands() {
  const ZoomStates zoom = ZoomCommandStates(tilesets_);
  calls_.Enable(Command::kZoomIn, zoom.ZoomIn);
  calls_.Enable(Command::kZoomOut, zoom.ZoomOut);
}

FieldContext FieldFit::Context(MODE_P& shown, MODE_P& other) {
  const bool edit = game_.Mode() == BoardMode::kEdit;
  return FieldContext{&tilesets_, edit ? &other : &shown, edit ? &shown : &other, edit, &pictures_};
}

void FieldFit::Fit(TileFit fit) {
  const QSize area = calls_.AvailableArea();
  if (fit != TileFit::kWindow) calls_.ClearHover();
  Result fitted;
  game_.PlaceBoards([&](MODE_P& shown, MODE_P& other) {
    fitted = FitTiles(Context(shown, other), fit, area.width(), area.height());
  });
  if (!fitted) {
    if (!fitted.Words().Empty()) calls_.Message(MessageOf(fitted));
    return;
  }
  SetZoomCommands();
  laidOutArea_ = area;
  calls_.AfterLayOut(laidOutArea_);
}

void FieldFit::LayOut() {
  const QSize area = calls_.AvailableArea();
  const bool edit = game_.Mode() == BoardMode::kEdit;
  game_.PlaceBoards([&](MODE_P& board, MODE_P&) {
    LayOutField(board, edit, area.width(), area.height());
    PlaceTiles(board, edit ? EditPlacedCount(board) : board.Game.TileCount);
  });
  laidOutArea_ = area;
  calls_.AfterLayOut(laidOutArea_);
}

void FieldFit::Resized() {
  const QSize area = calls_.AvailableArea();
  if (RefitAfterResize(tilesets_, game_.Board(), game_.Mode() == BoardMode::kPlay,
                       laidOutArea_.width(), laidOutArea_.height(), area.width(), area.height())) {
    Fit(TileFit::kWindow);
    return;
  }
  LayOut();
}

}  // namespace tv
