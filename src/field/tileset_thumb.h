// SPDX-License-Identifier: GPL-3.0-or-later
// Thumbnails of tilesets for the chooser: seven sample tiles of a tileset drawn on a
// colour, and the order in which a list of thumbnails is filled in.
#pragma once

#include <span>

#include "field/pixel_buffer.h"
#include "field/tilesets.h"
#include "game/board.h"
#include "game/result.h"

namespace tv {

constexpr int kTileThumbWidth = 321;
constexpr int kTileThumbHeight = 241;

// Seven tiles at level 0 with their stacking order, on a 321 by 241 field.
MODE_P MakeSampleBoard();

enum class ThumbError { kNone = 0, kUnreadable = 1 };

// Loads the size of `tileset` that fits the sample into `pictures` (only the sheet and the
// tile form) and draws the sample on `color` into `thumb` (made 321 by 241, each side
// times `ratio`, the device pixels per point of the screen it is for).
Result DrawTilesetThumb(Tilesets& sets, const TILESET_P* tileset, MODE_P& sample,
                        FieldPictures& pictures, PixelBuffer& thumb, int color, double ratio = 1);

// One entry of a thumbnail list as the filling order sees it.
struct ThumbSlot {
  bool Drawn = false;    // has a thumbnail or is marked unreadable
  bool Visible = false;  // at least partly inside the list's viewport
};

// The item to draw next: the selected one if it lacks a thumbnail and is visible,
// else the first visible one without, else the first one without; -1 when all are done.
int NextThumbToDraw(std::span<const ThumbSlot> items, int selected);

}  // namespace tv
