// SPDX-License-Identifier: GPL-3.0-or-later
// Colour picker arithmetic. All divisions truncate toward zero, as the integer
// operators do for the non-negative values used here.
#include "field/color_wheel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tv {
namespace {

struct HueSegment {
  int r, g, b;     // start
  int dr, dg, db;  // step per unit
};
constexpr HueSegment kHues[6] = {
    {255, 0, 0, 0, 0, +1},   {255, 0, 255, -1, 0, 0}, {0, 0, 255, 0, +1, 0},
    {0, 255, 255, 0, 0, -1}, {0, 255, 0, +1, 0, 0},   {255, 255, 0, 0, -1, 0},
};

constexpr int kCentre = kGammaSize / 2;

int Rounded(double v) {
  return static_cast<int>(std::lround(v));
}

// A black ring is lost around a dark cell (navy, dark red, the dark greys): yellow there.
int MarkColorFor(int color) {
  const RgbBytes c = SplitColor(color);
  const int luma = (299 * c.red + 587 * c.green + 114 * c.blue) / 1000;
  return luma <= 128 ? JoinColor(255, 255, 0) : kColorBlack;
}

int DistanceFromCentre(int x, int y) {
  return Rounded(std::hypot(double(x - kCentre), double(y - kCentre)));
}

// Towards black above `mid`, towards white below it.
int Shade(int v, int amount, int mid) {
  if (amount > mid) return v - (v * (amount - mid)) / mid;
  if (amount < mid) return v + ((255 - v) * (mid - amount)) / mid;
  return v;
}

int HueColor(int k, int t, int amount, int mid) {
  const HueSegment& s = kHues[k];
  return JoinColor(Shade(s.r + t * s.dr, amount, mid), Shade(s.g + t * s.dg, amount, mid),
                   Shade(s.b + t * s.db, amount, mid));
}

void DrawCell(PixelBuffer& picture, int x, int y, int color, bool marked, int markColor) {
  if (marked) FillBlock(picture, x - 3, y - 3, kCellSize + 6, kCellSize + 6, markColor);
  FillBlock(picture, x, y, kCellSize, kCellSize, color);
}

int CellIndexAt(int x, int y, int columns, int rows) {
  if (x < 6 || y < 6) return -1;
  const int col = (x - 6) / kCellPitch, row = (y - 6) / kCellPitch;
  if (col >= columns || row >= rows) return -1;
  if ((x - 6) % kCellPitch >= kCellSize || (y - 6) % kCellPitch >= kCellSize) return -1;
  return row * columns + col;
}

}  // namespace

const std::array<int, kPaletteCells>& PaletteColors() {
  static const std::array<int, kPaletteCells> colors = {
      JoinColor(128, 0, 128),   JoinColor(160, 0, 160),   JoinColor(192, 0, 192),
      JoinColor(224, 0, 224),   JoinColor(0, 128, 80),    JoinColor(0, 160, 96),
      JoinColor(0, 192, 128),   JoinColor(0, 224, 143),   JoinColor(80, 0, 128),
      JoinColor(96, 0, 160),    JoinColor(128, 0, 192),   JoinColor(144, 0, 224),
      JoinColor(0, 128, 0),     JoinColor(0, 160, 0),     JoinColor(0, 192, 0),
      JoinColor(0, 224, 0),     JoinColor(0, 0, 128),     JoinColor(0, 0, 160),
      JoinColor(0, 0, 192),     JoinColor(0, 0, 224),     JoinColor(128, 128, 0),
      JoinColor(160, 160, 0),   JoinColor(192, 192, 0),   JoinColor(224, 224, 0),
      JoinColor(0, 80, 128),    JoinColor(0, 96, 160),    JoinColor(0, 128, 192),
      JoinColor(0, 144, 224),   JoinColor(128, 80, 0),    JoinColor(160, 96, 0),
      JoinColor(192, 128, 0),   JoinColor(224, 143, 0),   JoinColor(0, 128, 128),
      JoinColor(0, 160, 160),   JoinColor(0, 192, 192),   JoinColor(0, 224, 224),
      JoinColor(128, 0, 0),     JoinColor(160, 0, 0),     JoinColor(192, 0, 0),
      JoinColor(224, 0, 0),     JoinColor(0, 0, 0),       JoinColor(64, 64, 64),
      JoinColor(96, 96, 96),    JoinColor(128, 128, 128), JoinColor(152, 152, 152),
      JoinColor(172, 172, 172), JoinColor(192, 192, 192), JoinColor(255, 255, 255),
  };
  return colors;
}

std::optional<int> GammaColorAt(int mode, int x, int y) {
  if (mode == kGammaSquare) {
    const int k = std::min((6 * x) / kGammaSize, 5);
    const int t = ((6 * x - kGammaSize * k) * 255) / kGammaSize;
    return HueColor(k, t, y, kCentre);
  }
  // The top point and the centre come before the rim test: the top is pure red even
  // though it lies on the rim.
  if (x == kCentre && y == 0) return JoinColor(255, 0, 0);
  if (x == kCentre && y == kCentre) return JoinColor(255, 255, 255);
  const int d = DistanceFromCentre(x, y);
  if (d >= kCentre) return std::nullopt;
  double a = AngleAtVertex(kCentre, 0, kCentre, kCentre, x, y);
  if (x < kCentre) a = 2 * std::numbers::pi - a;
  int deg = Rounded(a * 180 / std::numbers::pi);
  if (deg >= 360) deg = 360 - deg;
  const int k = (6 * deg) / 360;
  const int t = ((deg - (360 * k) / 6) * 1530) / 360;
  return HueColor(k, t, d, 75);
}

void RenderGamma(PixelBuffer& gamma, int mode, int faceColor) {
  if (gamma.width() != kGammaSize || gamma.height() != kGammaSize)
    gamma.CreateUninitialised(kGammaSize, kGammaSize);
  for (int y = 0; y < kGammaSize; ++y)
    for (int x = 0; x < kGammaSize; ++x)
      gamma.SetPixel(x, y, GammaColorAt(mode, x, y).value_or(faceColor));
  if (mode != kGammaCircle) return;
  // A fringe just outside the rim, blended by how much of each pixel the wheel covers,
  // so the edge is smooth; the wheel's own pixels stay as they are, for the mark.
  const RgbBytes face = SplitColor(faceColor);
  for (int y = 0; y < kGammaSize; ++y) {
    for (int x = 0; x < kGammaSize; ++x) {
      const double r = std::hypot(double(x - kCentre), double(y - kCentre));
      if (r >= kCentre + 0.5 || GammaColorAt(mode, x, y)) continue;
      const double cover = std::clamp(kCentre + 0.5 - r, 0.0, 1.0);
      const double inward = (kCentre - 1) / r;
      const auto rim = GammaColorAt(mode, kCentre + Rounded((x - kCentre) * inward),
                                    kCentre + Rounded((y - kCentre) * inward));
      if (!rim) continue;
      const RgbBytes c = SplitColor(*rim);
      const auto mix = [cover](int a, int b) { return Rounded(a * cover + b * (1 - cover)); };
      gamma.SetPixel(
          x, y, JoinColor(mix(c.red, face.red), mix(c.green, face.green), mix(c.blue, face.blue)));
    }
  }
}

std::optional<GammaPoint> MarkGammaColor(PixelBuffer& gamma, const PixelBuffer& stored, int mode,
                                         int color) {
  gamma = stored;
  const RgbBytes want = SplitColor(color);
  std::optional<GammaPoint> best;
  int bestSum = 1 << 30;
  for (int y = 0; y < stored.height(); ++y) {
    for (int x = 0; x < stored.width(); ++x) {
      if (mode == kGammaCircle && DistanceFromCentre(x, y) >= kCentre) continue;
      const RgbBytes have = SplitColor(stored.GetPixel(x, y));
      const int dr = std::abs(have.red - want.red), dg = std::abs(have.green - want.green),
                db = std::abs(have.blue - want.blue);
      if (dr > 5 || dg > 5 || db > 5) continue;
      if (dr + dg + db < bestSum) {
        bestSum = dr + dg + db;
        best = GammaPoint{x, y};
      }
    }
  }
  if (!best) return best;
  for (int dy = -2; dy <= 2; ++dy) {
    for (int dx = -2; dx <= 2; ++dx) {
      if (std::abs(dx) != 2 && std::abs(dy) != 2) continue;  // the outline only
      const int px = best->x + dx, py = best->y + dy;
      if (gamma.Contains(px, py)) gamma.SetPixel(px, py, gamma.GetPixel(px, py) ^ 0xFFFFFF);
    }
  }
  return best;
}

int DrawPalette(PixelBuffer& palette, int selected, int faceColor) {
  if (palette.width() != kPaletteWidth || palette.height() != kPaletteHeight)
    palette.Create(kPaletteWidth, kPaletteHeight);
  FillPicture(palette, faceColor);
  FrameBlock(palette, 0, 0, kPaletteWidth, kPaletteHeight, kColorBlack);
  int marked = -1;
  const auto& colors = PaletteColors();
  for (int i = 0; i < kPaletteCells; ++i) {
    const bool mark = colors[i] == selected;
    if (mark) marked = i;
    DrawCell(palette, 6 + kCellPitch * (i % kPaletteColumns),
             6 + kCellPitch * (i / kPaletteColumns), colors[i], mark, MarkColorFor(colors[i]));
  }
  return marked;
}

int DrawDefaultColors(PixelBuffer& picture, std::span<const int> colors, int selected,
                      int faceColor) {
  const int count = static_cast<int>(colors.size());
  picture.Create(8 + kCellPitch * count, 36);
  FillPicture(picture, faceColor);
  FrameBlock(picture, 0, 0, picture.width(), picture.height(), kColorBlack);
  int marked = -1;
  for (int i = 0; i < count; ++i) {
    const bool mark = colors[i] == selected;
    if (mark) marked = i;
    DrawCell(picture, 6 + kCellPitch * i, 6, colors[i], mark, MarkColorFor(colors[i]));
  }
  return marked;
}

int PaletteCellAt(int x, int y) {
  return CellIndexAt(x, y, kPaletteColumns, kPaletteCells / kPaletteColumns);
}

int DefaultCellAt(int x, int y, int count) {
  return CellIndexAt(x, y, count, 1);
}

}  // namespace tv
