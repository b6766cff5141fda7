// SPDX-License-Identifier: GPL-3.0-or-later
// Colour picker arithmetic at its sample points, the palette marks, the gamma mark,
// and the order in which chooser thumbnails are filled in.
#include "field/color_wheel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "field/tileset_thumb.h"

namespace tv {
namespace {

constexpr int kFace = 0xC0C0C0;

TEST(GammaColor, SquareAndCircleAtTheirSamplePoints) {
  struct Case {
    int mode, x, y;
    int expected;  // -1: no colour
  } cases[] = {
      {kGammaSquare, 0, 150, JoinColor(255, 0, 0)},    // red at mid-height
      {kGammaSquare, 0, 0, JoinColor(255, 255, 255)},  // the top row is white
      {kGammaSquare, 173, 0, JoinColor(255, 255, 255)},
      {kGammaSquare, 75, 150, JoinColor(128, 0, 255)},  // segment 1, t = 127
      {kGammaSquare, 75, 225, JoinColor(64, 0, 128)},   // halfway to black
      {kGammaSquare, 299, 150, JoinColor(255, 6, 0)},   // last column: k stays 5
      {kGammaSquare, 0, 299, JoinColor(2, 0, 0)},       // the bottom row almost black
      {kGammaCircle, 150, 0, JoinColor(255, 0, 0)},     // the top point, on the rim
      {kGammaCircle, 150, 150, JoinColor(255, 255, 255)},
      {kGammaCircle, 149, 0, -1},  // distance rounds to 150
      {kGammaCircle, 0, 0, -1},
      {kGammaCircle, 150, 299, JoinColor(0, 4, 4)},      // distance 149, hue 180
      {kGammaCircle, 225, 150, JoinColor(128, 0, 255)},  // 90 degrees clockwise, d = 75
      {kGammaCircle, 75, 150, JoinColor(127, 255, 0)},   // 270 degrees, segment 4
  };
  for (const Case& c : cases) {
    const auto color = GammaColorAt(c.mode, c.x, c.y);
    EXPECT_EQ(color.value_or(-1), c.expected) << c.mode << " " << c.x << "," << c.y;
  }
  // Row 299 is nearly black in every column.
  for (int x = 0; x < kGammaSize; x += 13) {
    const RgbBytes rgb = SplitColor(*GammaColorAt(kGammaSquare, x, 299));
    EXPECT_LE(std::max({rgb.red, rgb.green, rgb.blue}), 2) << x;
  }
}

TEST(GammaColor, RenderFillsOutsideTheWheelWithTheFaceColour) {
  PixelBuffer gamma;
  RenderGamma(gamma, kGammaCircle, kFace);
  EXPECT_EQ(gamma.GetPixel(0, 0), kFace);
  EXPECT_EQ(gamma.GetPixel(150, 0), JoinColor(255, 0, 0));
  EXPECT_EQ(gamma.GetPixel(150, 299), JoinColor(0, 4, 4));
  // The rim is smoothed: along a diagonal the face colour gives way to the wheel's through
  // a pixel of both, never in one step.
  int blended = 0;
  for (int k = 0; k < 60; ++k) {
    const int v = gamma.GetPixel(k, k);
    blended += v != kFace && !GammaColorAt(kGammaCircle, k, k).has_value();
  }
  EXPECT_GE(blended, 1);
}

TEST(GammaMark, OutlinesTheNearestPixelInsideTheWheelOrNothing) {
  PixelBuffer stored, gamma;
  RenderGamma(stored, kGammaCircle, kFace);
  // Pure red is exact only at the top point, which lies on the rim: the mark goes to the
  // nearest colour strictly inside.
  const auto mark = MarkGammaColor(gamma, stored, kGammaCircle, JoinColor(255, 0, 0));
  ASSERT_TRUE(mark.has_value());
  EXPECT_LT(std::lround(std::hypot(mark->x - 150.0, mark->y - 150.0)), 150);
  for (int d = -2; d <= 2; ++d) {
    const int x = mark->x + d, y = mark->y - 2;
    if (gamma.Contains(x, y)) {
      EXPECT_EQ(gamma.GetPixel(x, y), stored.GetPixel(x, y) ^ 0xFFFFFF);
    }
  }
  EXPECT_EQ(gamma.GetPixel(mark->x, mark->y), stored.GetPixel(mark->x, mark->y));  // centre kept

  RenderGamma(stored, kGammaSquare, kFace);
  const auto exact = MarkGammaColor(gamma, stored, kGammaSquare, JoinColor(255, 0, 0));
  ASSERT_TRUE(exact.has_value());
  EXPECT_EQ(stored.GetPixel(exact->x, exact->y), JoinColor(255, 0, 0));
  EXPECT_EQ(exact->x, 0);
  EXPECT_EQ(exact->y, 150);

  // Mid grey is nowhere in the square: no mark, the picture is the stored one.
  EXPECT_FALSE(MarkGammaColor(gamma, stored, kGammaSquare, JoinColor(128, 128, 128)));
  EXPECT_EQ(0, std::memcmp(gamma.data(), stored.data(), stored.size()));
}

TEST(Palette, MarksTheSelectedCellYellowOnDarkCellsAndBlackOnLightOnes) {
  PixelBuffer palette;
  // Cell 41 (dark grey) at column 1 of row 5; its ring starts 3 pixels outside.
  EXPECT_EQ(DrawPalette(palette, JoinColor(64, 64, 64), kFace), 41);
  EXPECT_EQ(palette.GetPixel(6 + 28 - 2, 6 + 28 * 5 - 2), JoinColor(255, 255, 0));
  EXPECT_EQ(palette.GetPixel(6 + 28, 6 + 28 * 5), JoinColor(64, 64, 64));
  // Cell 44 is the first light grey: black ring.
  EXPECT_EQ(DrawPalette(palette, JoinColor(152, 152, 152), kFace), 44);
  EXPECT_EQ(palette.GetPixel(6 + 28 * 4 - 1, 6 + 28 * 5 - 1), kColorBlack);
  // Navy (cell 16) would hide a black ring as the greys do.
  EXPECT_EQ(DrawPalette(palette, JoinColor(0, 0, 128), kFace), 16);
  EXPECT_EQ(palette.GetPixel(6 - 1, 6 + 28 * 2 - 1), JoinColor(255, 255, 0));
  // Not in the palette: no mark anywhere, the gaps show the face colour.
  EXPECT_EQ(DrawPalette(palette, JoinColor(1, 2, 3), kFace), -1);
  EXPECT_EQ(palette.GetPixel(6 + 28 - 2, 6 + 28 * 5 - 2), kFace);
  EXPECT_EQ(palette.GetPixel(0, 0), kColorBlack);  // the outline

  const int defaults[] = {JoinColor(0, 128, 0), JoinColor(64, 64, 64)};
  PixelBuffer row;
  EXPECT_EQ(DrawDefaultColors(row, defaults, JoinColor(64, 64, 64), kFace), 1);
  EXPECT_EQ(row.width(), 8 + 28 * 2);
  EXPECT_EQ(row.GetPixel(6 + 28 - 2, 4), JoinColor(255, 255, 0));  // the same rule
  EXPECT_EQ(DrawDefaultColors(row, defaults, JoinColor(0, 128, 0), kFace), 0);
  EXPECT_EQ(row.GetPixel(6 - 2, 4), JoinColor(255, 255, 0));
}

TEST(Palette, CellsUnderThePointer) {
  EXPECT_EQ(PaletteCellAt(6, 6), 0);
  EXPECT_EQ(PaletteCellAt(29, 29), 0);
  EXPECT_EQ(PaletteCellAt(30, 6), -1);  // the gap between cells
  EXPECT_EQ(PaletteCellAt(34, 6), 1);
  EXPECT_EQ(PaletteCellAt(6 + 28 * 7, 6 + 28 * 5), 47);
  EXPECT_EQ(PaletteCellAt(6 + 28 * 8, 6), -1);
  EXPECT_EQ(DefaultCellAt(6 + 28, 10, 2), 1);
  EXPECT_EQ(DefaultCellAt(6 + 28 * 2, 10, 2), -1);
}

TEST(ThumbOrder, SelectedVisibleFirstThenVisibleThenAny) {
  const ThumbSlot a{false, false}, drawn{true, true}, shown{false, true};
  EXPECT_EQ(NextThumbToDraw(std::vector<ThumbSlot>{a, shown, shown}, 2), 2);
  EXPECT_EQ(NextThumbToDraw(std::vector<ThumbSlot>{a, shown, drawn}, 2), 1);
  EXPECT_EQ(NextThumbToDraw(std::vector<ThumbSlot>{a, shown, shown}, 0), 1);
  EXPECT_EQ(NextThumbToDraw(std::vector<ThumbSlot>{drawn, a, a}, -1), 1);
  EXPECT_EQ(NextThumbToDraw(std::vector<ThumbSlot>{drawn, drawn}, 0), -1);
}

}  // namespace
}  // namespace tv
