// SPDX-License-Identifier: GPL-3.0-or-later
// Board positions to field pixels: tile size fields, layout extent, centring,
// the fit and zoom choices among a tileset's sizes, and hit-testing.
#pragma once

#include <span>

#include "field/tileset_descriptor.h"
#include "game/board.h"

namespace tv {

// Writes the geometry fields of a tile size into a board header.
void SetTileGeometry(GAME_P& game, const TileSize& size);

// Copies the geometry fields (origin, sizes, field size, shadow) between headers.
void CopyTileGeometry(const GAME_P& from, GAME_P& to);

struct LayoutExtent {
  int Width = 0, Height = 0;
  int ZA = 0, ZB = 0;  // levels of the slots that set the least a and b
};

// Pixel extent of slots 0..TileCount-1 (present or not) at a tile size,
// with 10 pixels of margin on each side.
LayoutExtent ComputeLayoutExtent(const MODE_P& board, const TileSize& size);

// Centres the layout in AW by AH (or, for an empty editor board, puts the
// origin at (10, 10)): sets OriginX/Y and FieldWidth/Height.
void LayOutField(MODE_P& board, bool editMode, int availWidth, int availHeight);

// Left and Top of slots 0..count-1 (count includes the editor's cursor tile).
void PlaceTiles(MODE_P& board, int count);

// Index of the largest size whose extent fits (width <= AW, height < AH), else 0.
// Returns -1 only for an empty list.
int FitTileSizeIndex(const MODE_P& board, std::span<const TileSize> sizes, int availWidth,
                     int availHeight);

// The size of face width `faceWidth` the player zoomed to, when its extent fits by the
// same rule; otherwise (or for 0, or a width the list lacks) FitTileSizeIndex.
int ZoomedTileSizeIndex(const MODE_P& board, std::span<const TileSize> sizes, int faceWidth,
                        int availWidth, int availHeight);

// First size wider than faceWidth / last size narrower; -1 when there is none.
int ZoomInIndex(std::span<const TileSize> sizes, int faceWidth);
int ZoomOutIndex(std::span<const TileSize> sizes, int faceWidth);

// Whether the board's layout extent at its loaded size fits width by height, by
// the fit rule (width <= width, height < height).
bool LayoutFits(const MODE_P& board, int availWidth, int availHeight);

// The slot under (px, py), trying the top of the stacking order first; walks
// order entries 0..orderCount-1 and skips absent slots and `skipSlot`.
// The hit rectangle starts at Left (the outer side edge) and is W by H.
int HitTest(const MODE_P& board, int orderCount, int px, int py, int skipSlot = -1);

}  // namespace tv
