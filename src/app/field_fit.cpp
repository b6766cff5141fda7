// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's field lay-out and tile size, over the fit rules of the tilesets.
#include "app/field_fit.h"

#include <utility>

#include "content/translate.h"
#include "field/geometry.h"
#include "game/editor.h"
#include "game/play.h"

namespace tv {

FieldFit::FieldFit(Game& game, Tilesets& tilesets, FieldPictures& pictures, Calls calls)
    : game_(game), tilesets_(tilesets), pictures_(pictures), calls_(std::move(calls)) {}

bool FieldFit::LoadTileset(const TILESET_P* tileset) {
  const QSize area = calls_.AvailableArea();
  MODE_P* other = game_.BoardMode() == kEditMode ? &game_.PlayBoard() : &game_.EditBoard();
  const TileLoadTarget target{&game_.Board(), other, &pictures_};
  const Result loaded = tilesets_.LoadFittingTileSize(tileset, area.width(), area.height(), target);
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
  calls_.Enable(Command::ZoomIn, zoom.ZoomIn);
  calls_.Enable(Command::ZoomOut, zoom.ZoomOut);
}

FieldContext FieldFit::Context() {
  return FieldContext{&tilesets_, &game_.PlayBoard(), &game_.EditBoard(),
                      game_.BoardMode() == kEditMode, &pictures_};
}

void FieldFit::Fit(TileFit fit) {
  const QSize area = calls_.AvailableArea();
  if (fit != TileFit::Window) calls_.ClearHover();
  const Result fitted = FitTiles(Context(), fit, area.width(), area.height());
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
  const bool edit = game_.BoardMode() == kEditMode;
  LayOutField(game_.Board(), edit, area.width(), area.height());
  PlaceTiles(game_.Board(), edit ? EditPlacedCount(game_.Board()) : game_.Board().Game.TileCount);
  laidOutArea_ = area;
  calls_.AfterLayOut(laidOutArea_);
}

void FieldFit::Resized() {
  const QSize area = calls_.AvailableArea();
  if (RefitAfterResize(tilesets_, game_.Board(), game_.BoardMode() == kPlayMode,
                       laidOutArea_.width(), laidOutArea_.height(), area.width(), area.height())) {
    Fit(TileFit::Window);
    return;
  }
  LayOut();
}

}  // namespace tv
