// SPDX-License-Identifier: GPL-3.0-or-later
// The colour picker's pictures: the fixed palette, the default colours, the hue
// wheel and square ("gamma") with the colour at each point, and the marks that
// show the selected colour in each of them.
#pragma once

#include <array>
#include <optional>
#include <span>

#include "field/pixel_buffer.h"

namespace tv {

constexpr int kGammaSize = 300;
enum GammaMode : int { kGammaCircle = 0, kGammaSquare = 1 };

constexpr int kPaletteCells = 48;
constexpr int kPaletteColumns = 8;
constexpr int kPaletteWidth = 232;
constexpr int kPaletteHeight = 176;
constexpr int kCellSize = 24;
constexpr int kCellPitch = 28;
constexpr int kMaxDefaultColors = 8;

// The 48 palette colours, row by row, packed.
const std::array<int, kPaletteCells>& PaletteColors();

// The colour at (x, y) of the 300 by 300 gamma picture; none outside the wheel.
std::optional<int> GammaColorAt(int mode, int x, int y);

// Every pixel by GammaColorAt, `faceColor` where there is none.
void RenderGamma(PixelBuffer& gamma, int mode, int faceColor);

// Copies `stored` into `gamma` and marks the pixel nearest to `color` (each channel
// within 5) with an inverted 5 by 5 outline. Returns the marked pixel, if any.
struct GammaPoint {
  int x = 0, y = 0;
};
std::optional<GammaPoint> MarkGammaColor(PixelBuffer& gamma, const PixelBuffer& stored, int mode,
                                         int color);

// The palette picture with the cell of `selected` marked; returns that cell or -1.
int DrawPalette(PixelBuffer& palette, int selected, int faceColor);
// The default colours' picture, (8 + 28 * count) by 36; returns the marked cell or -1.
int DrawDefaultColors(PixelBuffer& picture, std::span<const int> colors, int selected,
                      int faceColor);

// The cell under (x, y) of the palette, or of a row of `count` default colours; -1 for none.
int PaletteCellAt(int x, int y);
int DefaultCellAt(int x, int y, int count);

}  // namespace tv
