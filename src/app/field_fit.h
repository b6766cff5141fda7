// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's field lay-out and tile size: a tileset loaded at the size that fits,
// fitting and zooming (the rules are FitTiles and its neighbours in field/tilesets.h),
// the zoom commands that follow, and the area the field was last laid out in.
#pragma once

#include <QSize>
#include <functional>
#include <string>

#include "field/tilesets.h"
#include "game/host.h"

namespace tv {

class Game;

class FieldFit {
 public:
  // What the lay-out needs of the window.
  struct Calls {
    std::function<QSize()> AvailableArea;  // in the field picture's device pixels
    std::function<void(const std::string& text)> Message;
    std::function<void(Command zoom, bool on)> Enable;
    std::function<void(QSize laidOut)> AfterLayOut;  // every lay-out ends here
    std::function<void()> ClearHover;
  };

  FieldFit(Game& game, Tilesets& tilesets, FieldPictures& pictures, Calls calls);

  // The tileset at the size that fits the window, or the nearest that loads, or another
  // tileset; false after its message. The caller lays out.
  bool LoadTileset(const TILESET_P* tileset);
  // The tile size the window fits, or the next larger or smaller, laid out and redrawn.
  void Fit(TileFit fit);
  void LayOut();
  // After a resize: the tiles fitted again where RefitAfterResize says so, else laid out.
  void Resized();
  void SetZoomCommands();

 private:
  FieldContext Context();

  Game& game_;
  Tilesets& tilesets_;
  FieldPictures& pictures_;
  Calls calls_;
  QSize laidOutArea_;  // the available area of the last lay-out
};

}  // namespace tv
