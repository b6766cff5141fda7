// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel toolkit: the exact arithmetic of each routine, clipping at every edge, and the
// rectangle rules the renderer relies on.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cmath>
#include <numbers>
#include <queue>
#include <random>
#include <utility>
#include <vector>

#include "field/pixel_buffer.h"
#include "field/text.h"

namespace tv {
namespace {

// Fills a buffer with colours that differ at every pixel.
PixelBuffer Numbered(int w, int h) {
  PixelBuffer b(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, JoinColor(x * 10 + 1, y * 10 + 1, x + y + 1));
  }
  return b;
}

PixelBuffer Filled(int w, int h, int color) {
  PixelBuffer b(w, h);
  FillPicture(b, color);
  return b;
}

// ---------------------------------------------------------------------------------------

TEST(SpanRectTest, AccumulatorAndUnion) {
  SpanRect r;
  r.Reset();
  EXPECT_TRUE(r.IsEmpty());
  r.Union(5, 7, 5, 7);  // a single point: left = right, still empty
  EXPECT_TRUE(r.IsEmpty());
  EXPECT_EQ(r.width, 1);
  r.Union(2, 9, 3, 12);
  EXPECT_EQ(r.left, 2);
  EXPECT_EQ(r.top, 7);
  EXPECT_EQ(r.right, 5);
  EXPECT_EQ(r.bottom, 12);
  EXPECT_EQ(r.width, 4);
  EXPECT_EQ(r.height, 6);
  EXPECT_FALSE(r.IsEmpty());

  const SpanRect s = SpanRect::FromOriginSize(3, 4, 10, 2);
  EXPECT_EQ(s.right, 12);
  EXPECT_EQ(s.bottom, 5);
  SpanRect o = s;
  o.Offset(1, 2, 3, 4);
  EXPECT_EQ(o.left, 4);
  EXPECT_EQ(o.top, 6);
  EXPECT_EQ(o.right, 15);
  EXPECT_EQ(o.bottom, 9);
  EXPECT_EQ(o.width, 12);
  EXPECT_TRUE(o.Contains(4, 9));
  EXPECT_TRUE(o.Contains(15, 6));
  EXPECT_FALSE(o.Contains(16, 6));
  EXPECT_FALSE(o.Contains(4, 10));
}

TEST(SpanRectTest, CutModes) {
  const SpanRect other(0, 0, 9, 4);
  SpanRect r(5, 2, 20, 10);
  r.Cut(other, SpanRect::kCutLeftEdge);
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.width, 11);

  r = SpanRect(5, 2, 20, 10);
  r.Cut(SpanRect(12, 0, 30, 3), SpanRect::kCutRightEdge);
  EXPECT_EQ(r.right, 11);

  r = SpanRect(5, 2, 20, 10);
  r.Cut(other, SpanRect::kCutTopEdge);
  EXPECT_EQ(r.top, 5);
  EXPECT_EQ(r.height, 6);

  // No overlap in the cut direction: unchanged.
  r = SpanRect(15, 8, 20, 10);
  r.Cut(other, SpanRect::kCutLeftEdge);
  r.Cut(other, SpanRect::kCutTopEdge);
  EXPECT_EQ(r.left, 15);
  EXPECT_EQ(r.top, 8);

  // Unset rectangles on either side change nothing.
  SpanRect unset;
  unset.Reset();
  for (auto mode : {SpanRect::kCutLeftEdge, SpanRect::kCutRightEdge, SpanRect::kCutTopEdge}) {
    r = SpanRect(5, 2, 20, 10);
    r.Cut(unset, mode);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.right, 20);
    EXPECT_EQ(r.top, 2);
    SpanRect u = unset;
    u.Cut(other, mode);
    EXPECT_TRUE(u.IsEmpty());
    EXPECT_EQ(u.left, SpanRect::kUnset);
  }
}

TEST(SpanRectTest, ClipTo) {
  const SpanRect area(0, 0, 99, 49);
  SpanRect r(-5, -3, 10, 60);
  int mx = -1, my = -1;
  EXPECT_TRUE(r.ClipTo(area, &mx, &my));
  EXPECT_EQ(mx, 5);
  EXPECT_EQ(my, 3);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, 10);
  EXPECT_EQ(r.bottom, 49);
  EXPECT_EQ(r.height, 50);

  r = SpanRect(100, 0, 120, 10);
  EXPECT_FALSE(r.ClipTo(area));
  r = SpanRect(-20, -20, -1, 5);
  EXPECT_FALSE(r.ClipTo(area));
  r = SpanRect(99, 49, 200, 200);  // just the last pixel
  EXPECT_TRUE(r.ClipTo(area));
  EXPECT_EQ(r.width, 1);
  EXPECT_EQ(r.height, 1);
}

// ---------------------------------------------------------------------------------------

TEST(PixelBufferTest, LayoutAndPixels) {
  PixelBuffer b(5, 3);
  EXPECT_EQ(b.stride(), 16);  // 15 bytes padded to 16
  EXPECT_EQ(b.size(), 48u);
  b.SetPixel(4, 2, JoinColor(0x11, 0x22, 0x33));
  // Blue, green, red in memory, rows top-down.
  const std::uint8_t* p = b.data() + 2 * 16 + 12;
  EXPECT_EQ(p[0], 0x33);
  EXPECT_EQ(p[1], 0x22);
  EXPECT_EQ(p[2], 0x11);
  EXPECT_EQ(b.GetPixel(4, 2), 0x332211);
  EXPECT_EQ(b.GetPixel(5, 2), -1);
  EXPECT_EQ(b.GetPixel(0, -1), -1);
  b.SetPixel(-1, 0, 0xFFFFFF);  // ignored
  b.SetPixel(0, 3, 0xFFFFFF);
  EXPECT_EQ(b.GetPixel(0, 0), 0);

  const RgbBytes c = SplitColor(0x0080FF);
  EXPECT_EQ(c.red, 255);
  EXPECT_EQ(c.green, 128);
  EXPECT_EQ(c.blue, 0);

  PixelBuffer huge(PixelBuffer::kMaxDimension + 1, 1);
  EXPECT_TRUE(huge.IsEmpty());
  PixelBuffer none(0, 10);
  EXPECT_TRUE(none.IsEmpty());
  // Routines on empty buffers do nothing (and must not touch memory).
  FillPicture(none, 0xFF);
  DarkenBlock(none, 0, 0, 5, 5, 76);
  CopyBlock(b, 0, 0, 5, 5, none, 0, 0);
  ResizeBilinear(none, b, 0, 0, 5, 3);
  EXPECT_FALSE(FloodFill(none, 0, 0, 1));
  EXPECT_EQ(b.GetPixel(0, 0), 0);
}

TEST(PixelBufferTest, DarkenArithmetic) {
  PixelBuffer b(4, 2);
  b.SetPixel(0, 0, JoinColor(255, 100, 0));
  b.SetPixel(1, 0, JoinColor(1, 254, 128));
  b.SetPixel(3, 1, JoinColor(255, 255, 255));
  DarkenBlock(b, -1, 0, 3, 1, 76);  // covers (0, 0) and (1, 0) only
  EXPECT_EQ(SplitColor(b.GetPixel(0, 0)).red, 179);
  EXPECT_EQ(SplitColor(b.GetPixel(0, 0)).green, 71);
  EXPECT_EQ(SplitColor(b.GetPixel(0, 0)).blue, 0);
  // 1 - 76 div 255 = 1; 254 - 19304 div 255 = 179; 128 - 9728 div 255 = 90.
  EXPECT_EQ(b.GetPixel(1, 0), JoinColor(1, 179, 90));
  EXPECT_EQ(b.GetPixel(3, 1), 0xFFFFFF);

  DarkenRect(b, SpanRect(3, 1, 3, 1), 25);  // 255 - 6375 div 255 = 230
  EXPECT_EQ(b.GetPixel(3, 1), JoinColor(230, 230, 230));
  DarkenBlock(b, 3, 1, 1, 1, 255);
  EXPECT_EQ(b.GetPixel(3, 1), 0);
}

TEST(PixelBufferTest, KeyedTintBlendsUnderTheMask) {
  PixelBuffer tile = Filled(3, 2, 0x808080);
  PixelBuffer mask = Filled(3, 2, 0x808080);
  mask.SetPixel(2, 1, kKeyColor);
  KeyedTint(tile, 0, 0, 3, 2, 70, 0x0080FF, mask, 0, 0);
  // Red (30 * 255 + 70 * 128) div 100 = 166, green 128, blue 8960 div 100 = 89.
  EXPECT_EQ(tile.GetPixel(0, 0), JoinColor(166, 128, 89));
  EXPECT_EQ(tile.GetPixel(1, 1), JoinColor(166, 128, 89));
  EXPECT_EQ(tile.GetPixel(2, 1), 0x808080);

  // Mask offset: the block at (1, 0) of the target uses the mask from (0, 0).
  PixelBuffer target = Filled(4, 2, 0);
  KeyedTint(target, 1, 0, 3, 2, 0, 0xFFFFFF, mask, 0, 0);
  EXPECT_EQ(target.GetPixel(0, 0), 0);
  EXPECT_EQ(target.GetPixel(1, 0), 0xFFFFFF);
  EXPECT_EQ(target.GetPixel(3, 1), 0);  // mask (2, 1) is the key
}

TEST(PixelBufferTest, KeyedCopyAtNegativePosition) {
  PixelBuffer src = Numbered(4, 4);
  src.SetPixel(2, 3, kKeyColor);
  PixelBuffer dst = Filled(3, 3, 0x123456);
  KeyedCopy(dst, -1, -2, 4, 4, src, 0, 0);
  // Destination (x, y) holds source (x + 1, y + 2), except where the source is the key.
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) {
      int expected = 0x123456;
      if (y < 2 && !(x + 1 == 2 && y + 2 == 3)) expected = src.GetPixel(x + 1, y + 2);
      EXPECT_EQ(dst.GetPixel(x, y), expected) << x << "," << y;
    }
  }
  // Entirely outside: nothing happens.
  PixelBuffer before = dst;
  KeyedCopy(dst, -4, 0, 4, 4, src, 0, 0);
  KeyedCopy(dst, 3, 0, 4, 4, src, 0, 0);
  KeyedCopy(dst, 0, 0, 4, 4, src, 4, 0);
  EXPECT_EQ(dst.GetPixel(0, 0), before.GetPixel(0, 0));
  EXPECT_EQ(std::vector<std::uint8_t>(dst.data(), dst.data() + dst.size()),
            std::vector<std::uint8_t>(before.data(), before.data() + before.size()));
}

TEST(PixelBufferTest, CopiesAndRasterOps) {
  PixelBuffer src = Numbered(4, 3);
  src.SetPixel(1, 1, kKeyColor);

  // Plain copy with a negative source position: the block shifts into the destination.
  PixelBuffer dst = Filled(4, 3, 0);
  CopyBlock(dst, 0, 0, 4, 3, src, -1, 0);
  EXPECT_EQ(dst.GetPixel(0, 0), 0);
  EXPECT_EQ(dst.GetPixel(1, 0), src.GetPixel(0, 0));
  EXPECT_EQ(dst.GetPixel(3, 2), src.GetPixel(2, 2));

  // Inverted copy touches every pixel; the keyed form skips the key.
  PixelBuffer inv = Filled(4, 3, 0x010203);
  InvertedCopy(inv, 0, 0, 4, 3, src, 0, 0);
  EXPECT_EQ(inv.GetPixel(1, 1), 0x00FF00);
  EXPECT_EQ(inv.GetPixel(2, 0), 0xFFFFFF - src.GetPixel(2, 0));
  PixelBuffer kinv = Filled(4, 3, 0x010203);
  KeyedInvertedCopy(kinv, 0, 0, 4, 3, src, 0, 0);
  EXPECT_EQ(kinv.GetPixel(1, 1), 0x010203);
  EXPECT_EQ(kinv.GetPixel(3, 2), 0xFFFFFF - src.GetPixel(3, 2));

  PixelBuffer form = src;
  InvertNonKey(form);
  EXPECT_EQ(form.GetPixel(1, 1), kKeyColor);
  EXPECT_EQ(form.GetPixel(0, 2), 0xFFFFFF - src.GetPixel(0, 2));

  PixelBuffer a = Filled(2, 1, 0xF0F0F0);
  BlitBlock(a, 0, 0, 1, 1, Filled(1, 1, 0x0FFF00), 0, 0, RasterOp::kAnd);
  EXPECT_EQ(a.GetPixel(0, 0), 0x00F000);
  BlitBlock(a, 0, 0, 1, 1, Filled(1, 1, 0x00000F), 0, 0, RasterOp::kOr);
  EXPECT_EQ(a.GetPixel(0, 0), 0x00F00F);
  BlitBlock(a, 1, 0, 5, 5, PixelBuffer(), 0, 0, RasterOp::kWhiteness);
  EXPECT_EQ(a.GetPixel(1, 0), 0xFFFFFF);
  EXPECT_EQ(a.GetPixel(0, 0), 0x00F00F);

  // Overlapping copy within one buffer moves the rows intact.
  PixelBuffer self = Numbered(3, 5);
  const PixelBuffer original = self;
  CopyBlock(self, 0, 1, 3, 4, self, 0, 0);
  for (int y = 1; y < 5; ++y) EXPECT_EQ(self.GetPixel(2, y), original.GetPixel(2, y - 1));
}

TEST(PixelBufferTest, FillAndFrameClip) {
  PixelBuffer b(5, 4);
  FillBlock(b, -2, -2, 4, 4, 0x0000FF);
  EXPECT_EQ(b.GetPixel(1, 1), 0x0000FF);
  EXPECT_EQ(b.GetPixel(2, 1), 0);
  EXPECT_EQ(b.GetPixel(1, 2), 0);

  PixelBuffer f(6, 5);
  FrameBlock(f, 1, 1, 4, 3, 0xABCDEF);
  int count = 0;
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 6; ++x) count += f.GetPixel(x, y) == 0xABCDEF;
  }
  EXPECT_EQ(count, 10);  // 4 + 4 + 1 + 1
  EXPECT_EQ(f.GetPixel(2, 2), 0);
  EXPECT_EQ(f.GetPixel(4, 3), 0xABCDEF);
  FrameBlock(f, 3, 3, 10, 10, 0x111111);  // runs off two edges
  EXPECT_EQ(f.GetPixel(5, 3), 0x111111);
  EXPECT_EQ(f.GetPixel(3, 4), 0x111111);
}

TEST(PixelBufferTest, LinesAreContinuousAndClipped) {
  struct Case {
    int x1, y1, x2, y2;
  };
  const Case cases[] = {{0, 0, 9, 3}, {9, 3, 0, 0}, {2, 9, 5, 0}, {0, 5, 9, 5},
                        {7, 8, 7, 1}, {4, 4, 4, 4}, {0, 9, 9, 0}, {-20, -5, 15, 12}};
  for (const Case& c : cases) {
    PixelBuffer b(10, 10);
    DrawLine(b, c.x1, c.y1, c.x2, c.y2, 0xFFFFFF);
    const int dx = std::abs(c.x2 - c.x1), dy = std::abs(c.y2 - c.y1);
    const bool x_major = dx >= dy;
    int set = 0;
    for (int y = 0; y < 10; ++y) {
      for (int x = 0; x < 10; ++x) {
        if (b.GetPixel(x, y) != 0xFFFFFF) continue;
        ++set;
        // Every pixel lies within half a pixel of the ideal line along the minor axis.
        if (dx == 0 && dy == 0) continue;
        const double t =
            x_major ? double(x - c.x1) / (c.x2 - c.x1) : double(y - c.y1) / (c.y2 - c.y1);
        const double ideal = x_major ? c.y1 + t * (c.y2 - c.y1) : c.x1 + t * (c.x2 - c.x1);
        EXPECT_LE(std::abs((x_major ? y : x) - ideal), 0.5 + 1e-9)
            << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2 << " at " << x << "," << y;
      }
    }
    const bool inside = c.x1 >= 0 && c.x2 >= 0 && c.y1 >= 0 && c.y2 >= 0;
    if (inside) {
      EXPECT_EQ(set, std::max(dx, dy) + 1);  // one pixel per step of the major axis
      EXPECT_EQ(b.GetPixel(c.x1, c.y1), 0xFFFFFF);
      EXPECT_EQ(b.GetPixel(c.x2, c.y2), 0xFFFFFF);
    } else {
      EXPECT_GT(set, 0);
    }
  }
}

// Reference fill: a breadth-first walk, slow but obviously right.
int ReferenceFill(PixelBuffer& b, int sx, int sy, int color) {
  const int old = b.GetPixel(sx, sy);
  if (old == color) return 0;
  std::queue<std::pair<int, int>> todo;
  todo.push({sx, sy});
  b.SetPixel(sx, sy, color);
  int n = 1;
  while (!todo.empty()) {
    auto [x, y] = todo.front();
    todo.pop();
    const int nx[] = {x - 1, x + 1, x, x}, ny[] = {y, y, y - 1, y + 1};
    for (int i = 0; i < 4; ++i) {
      if (b.GetPixel(nx[i], ny[i]) == old) {
        b.SetPixel(nx[i], ny[i], color);
        todo.push({nx[i], ny[i]});
        ++n;
      }
    }
  }
  return n;
}

TEST(PixelBufferTest, FloodFillMatchesReferenceOnRandomMazes) {
  std::mt19937 rng(12345);
  for (int round = 0; round < 200; ++round) {
    const int w = 1 + static_cast<int>(rng() % 40), h = 1 + static_cast<int>(rng() % 30);
    PixelBuffer maze(w, h);
    const int density = 30 + static_cast<int>(rng() % 40);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        maze.SetPixel(x, y, static_cast<int>(rng() % 100) < density ? 0x000000 : 0x808080);
      }
    }
    const int sx = static_cast<int>(rng() % w), sy = static_cast<int>(rng() % h);
    PixelBuffer expected = maze;
    ReferenceFill(expected, sx, sy, 0x0000FF);
    PixelBuffer actual = maze;
    SpanRect bounds;
    ASSERT_TRUE(FloodFill(actual, sx, sy, 0x0000FF, &bounds));
    SpanRect changed;
    changed.Reset();
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        ASSERT_EQ(actual.GetPixel(x, y), expected.GetPixel(x, y))
            << "round " << round << " at " << x << "," << y;
        if (maze.GetPixel(x, y) != actual.GetPixel(x, y)) changed.Union(x, y, x, y);
      }
    }
    EXPECT_EQ(bounds.left, changed.left);
    EXPECT_EQ(bounds.top, changed.top);
    EXPECT_EQ(bounds.right, changed.right);
    EXPECT_EQ(bounds.bottom, changed.bottom);
  }
}

TEST(PixelBufferTest, FloodFillNoOpCases) {
  PixelBuffer b = Filled(4, 4, 0x808080);
  SpanRect bounds(1, 2, 3, 4);
  EXPECT_FALSE(FloodFill(b, 1, 1, 0x808080, &bounds));  // already the colour
  EXPECT_EQ(bounds.left, 1);                            // untouched
  EXPECT_FALSE(FloodFill(b, -1, 0, 0xFF));
  EXPECT_FALSE(FloodFill(b, 0, 4, 0xFF));
  EXPECT_EQ(b.GetPixel(0, 0), 0x808080);
}

TEST(PixelBufferTest, ResizeWeightsAreExact) {
  // 2 by 1 source black to red, 3 wide: steps of 32768 div 3 = 10922; the weights truncate
  // (10922 * 255) shr 15 = 84 and (21844 * 255) shr 15 = 169, where rounding would give 85, 170.
  PixelBuffer src(2, 1);
  src.SetPixel(1, 0, JoinColor(255, 0, 0));
  PixelBuffer dst(3, 1);
  ResizeBilinear(src, dst, 0, 0, 3, 1);
  EXPECT_EQ(dst.GetPixel(0, 0), 0);
  EXPECT_EQ(dst.GetPixel(1, 0), JoinColor(84, 0, 0));
  EXPECT_EQ(dst.GetPixel(2, 0), JoinColor(169, 0, 0));

  // 3 by 3 to 4 by 4: half steps, so the four weights are equal at odd positions.
  PixelBuffer grid(3, 3);
  const int values[3][3] = {{0, 100, 200}, {50, 151, 250}, {9, 90, 255}};
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) grid.SetPixel(x, y, JoinColor(values[y][x], 0, 255 - values[y][x]));
  }
  PixelBuffer out(4, 4);
  ResizeBilinear(grid, out, 0, 0, 4, 4);
  EXPECT_EQ(SplitColor(out.GetPixel(0, 0)).red, 0);
  EXPECT_EQ(SplitColor(out.GetPixel(1, 0)).red, 50);                          // (0 + 100) / 2
  EXPECT_EQ(SplitColor(out.GetPixel(1, 1)).red, (0 + 100 + 50 + 151) / 4);    // 75
  EXPECT_EQ(SplitColor(out.GetPixel(3, 3)).red, (151 + 250 + 90 + 255) / 4);  // 186
  EXPECT_EQ(SplitColor(out.GetPixel(2, 1)).red, (100 + 151) / 2);             // 125
  EXPECT_EQ(SplitColor(out.GetPixel(3, 3)).blue, (104 + 5 + 165 + 0) / 4);    // 68

  // Clipped placement equals the matching part of an unclipped one.
  PixelBuffer big(6, 6);
  ResizeBilinear(grid, big, -2, -1, 7, 5);
  PixelBuffer whole(7, 5);
  ResizeBilinear(grid, whole, 0, 0, 7, 5);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(big.GetPixel(x, y), whole.GetPixel(x + 2, y + 1));
  }
  EXPECT_EQ(big.GetPixel(5, 0), 0);
  EXPECT_EQ(big.GetPixel(0, 4), 0);

  // A one-pixel source spreads its colour (the neighbours are the pixel itself).
  PixelBuffer dot(1, 1);
  dot.SetPixel(0, 0, 0x345678);
  PixelBuffer spread(5, 3);
  ResizeBilinear(dot, spread, 0, 0, 5, 3);
  EXPECT_EQ(spread.GetPixel(4, 2), 0x345678);
}

TEST(PixelBufferTest, IconStripBandsAndDrawing) {
  PixelBuffer icon(2, 1);
  icon.SetPixel(0, 0, JoinColor(10, 20, 60));
  icon.SetPixel(1, 0, kKeyColor);
  const PixelBuffer strip = BuildIconStrip(icon);
  ASSERT_EQ(strip.width(), 2);
  ASSERT_EQ(strip.height(), 4);
  EXPECT_EQ(strip.GetPixel(0, 0), JoinColor(10, 20, 60));
  EXPECT_EQ(strip.GetPixel(1, 0), 0);
  EXPECT_EQ(strip.GetPixel(0, 1), 0);
  EXPECT_EQ(strip.GetPixel(1, 1), 0xFFFFFF);
  EXPECT_EQ(strip.GetPixel(0, 2), JoinColor(245, 235, 195));
  EXPECT_EQ(strip.GetPixel(1, 2), 0);
  EXPECT_EQ(strip.GetPixel(0, 3), JoinColor(30, 30, 30));
  EXPECT_EQ(strip.GetPixel(1, 3), 0);

  for (int band : {kIconNormal, kIconInverted, kIconGrey}) {
    PixelBuffer canvas = Filled(3, 2, 0x445566);
    DrawFromIconStrip(canvas, 1, 1, strip, band, 0, 0, 2, 5);  // height cut to the band
    EXPECT_EQ(canvas.GetPixel(1, 1), strip.GetPixel(0, band));
    EXPECT_EQ(canvas.GetPixel(2, 1), 0x445566);  // transparent keeps what was under it
    EXPECT_EQ(canvas.GetPixel(1, 0), 0x445566);
  }
}

TEST(PixelBufferTest, AngleAtVertex) {
  EXPECT_NEAR(AngleAtVertex(1, 0, 0, 0, 0, 1), std::numbers::pi / 2, 1e-12);
  EXPECT_NEAR(AngleAtVertex(2, 2, 1, 1, 0, 0), std::numbers::pi, 1e-6);
  EXPECT_NEAR(AngleAtVertex(5, 1, 1, 1, 9, 1), 0, 1e-6);
  EXPECT_EQ(AngleAtVertex(1, 1, 1, 1, 3, 4), 0);
}

// ---------------------------------------------------------------------------------------

void EnsureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "test_field";
  static char* argv[] = {name, nullptr};
  new QGuiApplication(argc, argv);  // lives for the rest of the test program
}

TEST(TextTest, DrawsInsideTheRectangleOnly) {
  EnsureGuiApplication();
  TextStyle style;
  style.pixel_size = 12;
  style.color = 0xFFFFFF;
  const SpanRect rect = SpanRect::FromOriginSize(10, 5, 40, 20);
  for (int align : {kTextAlignLeft, kTextAlignRight}) {
    PixelBuffer b(80, 30);
    DrawTextInRect(b, "A rather long line that cannot fit", rect, align, style);
    int inside = 0, outside = 0, left_half = 0;
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 80; ++x) {
        if (b.GetPixel(x, y) == 0) continue;
        (rect.Contains(x, y) ? inside : outside)++;
        left_half += x < 30;
      }
    }
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0);
    EXPECT_GT(left_half, 0);
  }
  // Short text sits at the chosen side.
  PixelBuffer right(80, 30);
  DrawTextInRect(right, "ii", rect, kTextAlignRight, style);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 35; ++x) EXPECT_EQ(right.GetPixel(x, y), 0);
  }
  PixelBuffer none(80, 30);
  DrawTextInRect(none, "text", rect, 2, style);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 80; ++x) EXPECT_EQ(none.GetPixel(x, y), 0);
  }
  EXPECT_GT(TextWidth("A rather long line that cannot fit", style), 40);
}

}  // namespace
}  // namespace tv
