// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures the field drawing works with, made when a tile size is loaded.
#pragma once

#include "field/pixel_buffer.h"

namespace tv {

struct FieldPictures {
  PixelBuffer Tiles;             // the tile sheet, 9 W by 5 H (or a little more)
  PixelBuffer DimmedTiles;       // the sheet darkened, for blocked tiles
  PixelBuffer TileForm;          // grey body with black outline, magenta outside
  PixelBuffer InvertedTileForm;  // the form with every non-magenta pixel inverted
  PixelBuffer DrawTile;          // region scratch of single-tile redraws
  PixelBuffer TileBitmap;        // scratch for one tile
  PixelBuffer HiddenTile;        // region scratch of redraws around a removed tile
};

}  // namespace tv
