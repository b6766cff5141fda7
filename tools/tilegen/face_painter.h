// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the face pictures of a tileset: one sheet cell at any face size.
#pragma once

#include <QImage>
#include <string>

#include "tile_style.h"

namespace tv::tilegen {

// Empty when the glyph font is available, else a message for the user. Needs a
// running QGuiApplication, as all drawing here does.
std::string CheckGlyphFont();

// The face of sheet cell (col, row), width by height pixels, fully opaque. Cells
// that hold no face are blank faces; the editor's two cells get their own looks.
QImage DrawCell(const TileStyle& style, int col, int row, int width, int height);

}  // namespace tv::tilegen
