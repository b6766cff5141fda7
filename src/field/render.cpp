// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the field, its local redraws and the status panel pictures into a given buffer.
#include "field/render.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

namespace tv {

namespace {

constexpr int kSolutionTint = 0x0080FF;  // orange: red 255, green 128, blue 0
constexpr int kShadowDarken = 25;
// Focus ring: a bright band between two black lines shows on any face and background.
constexpr int kRingColor = 0x00D8FF;  // amber: red 255, green 216, blue 0
constexpr int kRingBlack = 0x000000;

bool RectHasArea(const SpanRect& r) {
  return !r.IsEmpty() && r.left != SpanRect::kUnset && r.top != SpanRect::kUnset &&
         r.right >= r.left && r.bottom >= r.top;
}

// Vertical and horizontal shadow spans of a higher neighbour, in face pixels.
bool ShadowSpan(int offset, int faceSize, int shadow, int& first, int& last) {
  switch (offset) {
    case -2:
      first = 0, last = shadow;
      return true;
    case -1:
      first = 0, last = faceSize / 2 + shadow - 1;
      return true;
    case 0:
      first = 0, last = faceSize - 1;
      return true;
    case 1:
      first = faceSize / 2, last = faceSize - 1;
      return true;
    default:
      return false;
  }
}

// The tile body for a tile whose face is drawn next: the face drawing covers the
// form's whole face rectangle, so only the side and bottom edges are copied.
void DrawEdges(PixelBuffer& target, int x, int y, const GAME_P& g, const PixelBuffer& form) {
  KeyedCopy(target, x, y, g.EdgeWidth, g.TileHeight, form, 0, 0);
  KeyedCopy(target, x + g.EdgeWidth, y + g.FaceHeight, g.FaceWidth, g.EdgeHeight, form, g.EdgeWidth,
            g.FaceHeight);
}

// Where the form is not the key colour: byte = (100 - p) tile / 100 + p under / 100.
void BlendWhereFormIsSet(PixelBuffer& under, const PixelBuffer& tile, const PixelBuffer& form,
                         int w, int h, int p) {
  w = std::min({w, under.width(), tile.width(), form.width()});
  h = std::min({h, under.height(), tile.height(), form.height()});
  std::array<std::uint8_t, 256> top, below;
  for (int v = 0; v < 256; ++v) {
    top[v] = static_cast<std::uint8_t>((100 - p) * v / 100);
    below[v] = static_cast<std::uint8_t>(p * v / 100);
  }
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* f = form.Row(y);
    const std::uint8_t* s = tile.Row(y);
    std::uint8_t* d = under.Row(y);
    for (int x = 0; x < w; ++x, f += 3, s += 3, d += 3) {
      if (f[0] == 0xFF && f[1] == 0x00 && f[2] == 0xFF) continue;
      d[0] = static_cast<std::uint8_t>(top[s[0]] + below[d[0]]);
      d[1] = static_cast<std::uint8_t>(top[s[1]] + below[d[1]]);
      d[2] = static_cast<std::uint8_t>(top[s[2]] + below[d[2]]);
    }
  }
}

}  // namespace

int FieldRenderer::OrderCount(const MODE_P& board, const FieldMarks& marks) const {
  int n = std::clamp(board.Game.TileCount, 0, kMaxTiles);
  if (marks.EditMode && marks.HasCursorTile && n < kMaxTiles) ++n;
  return n;
}

bool FieldRenderer::IsMarked(const MODE_P& board, const FieldMarks& marks, int slot) const {
  if (slot == marks.SelectedTile) return true;
  if (!marks.EditMode && slot == marks.SecondTile) return true;
  return board.Tiles[slot].HintMark;
}

bool FieldRenderer::IsSolutionTile(const FieldMarks& marks, int slot) const {
  return marks.SolutionMode && (slot == marks.SolutionTiles[0] || slot == marks.SolutionTiles[1]);
}

void FieldRenderer::PaintBackground(PixelBuffer& target, int fx, int fy, int w, int h,
                                    const DrawSwitches& sw) {
  const PixelBuffer* bkg = sw.Background;
  if (bkg == nullptr || bkg->IsEmpty()) {
    FillBlock(target, 0, 0, w, h, sw.BkgColor);
    return;
  }
  // Parts of the region outside the picture still need a defined colour.
  if (fx < 0 || fy < 0 || fx + w > bkg->width() || fy + h > bkg->height())
    FillBlock(target, 0, 0, w, h, sw.BkgColor);
  CopyBlock(target, 0, 0, w, h, *bkg, fx, fy);
}

const PixelBuffer& FieldRenderer::FaceSheet(const TILE_P& tile, const DrawSwitches& sw) const {
  if (sw.DimLockedTiles && !tile.Free && !pics_.DimmedTiles.IsEmpty()) return pics_.DimmedTiles;
  return pics_.Tiles;
}

void FieldRenderer::DrawPlainTile(PixelBuffer& target, int x, int y, const MODE_P& board,
                                  const DrawSwitches& sw, int slot) {
  const GAME_P& g = board.Game;
  const TILE_P& t = board.Tiles[slot];
  DrawEdges(target, x, y, g, pics_.TileForm);
  CopyBlock(target, x + g.EdgeWidth, y, g.FaceWidth, g.FaceHeight, FaceSheet(t, sw),
            t.SheetCol * g.FaceWidth, t.SheetRow * g.FaceHeight);
}

void FieldRenderer::DrawNormalTile(PixelBuffer& target, int x, int y, const MODE_P& board,
                                   const FieldMarks& marks, const DrawSwitches& sw, int slot) {
  if (!sw.DrawShadows) {
    DrawPlainTile(target, x, y, board, sw, slot);
    return;
  }
  const GAME_P& g = board.Game;
  const TILE_P& t = board.Tiles[slot];
  const int W = g.FaceWidth, H = g.FaceHeight;
  DrawEdges(target, x, y, g, pics_.TileForm);

  // A pair being removed casts no shadow on what lies under it.
  const bool pairLeaving = marks.SelectedTile >= 0 && marks.SecondTile >= 0;
  // Higher neighbours within two half-tiles, indexed by (ox + 2, oy + 2).
  bool above[5][5] = {};
  bool any = false;
  const int n = OrderCount(board, marks);
  for (int i = 0; i < n; ++i) {
    const TILE_P& o = board.Tiles[i];
    if (!o.Present || o.Z != t.Z + 1) continue;
    if (pairLeaving && (i == marks.SelectedTile || i == marks.SecondTile)) continue;
    const int ox = o.X - t.X, oy = o.Y - t.Y;
    if (std::abs(ox) > 2 || std::abs(oy) > 2) continue;
    above[ox + 2][oy + 2] = true;
    any = true;
  }
  auto at = [&](int ox, int oy) { return above[ox + 2][oy + 2]; };
  const int sheetX = t.SheetCol * W, sheetY = t.SheetRow * H;
  const PixelBuffer& sheet = FaceSheet(t, sw);
  if (!any) {
    CopyBlock(target, x + g.EdgeWidth, y, W, H, sheet, sheetX, sheetY);
    return;
  }
  if ((at(-1, -1) && at(1, -1) && at(-1, 1) && at(1, 1)) || (at(0, -1) && at(0, 1)) ||
      (at(-1, 0) && at(1, 0))) {
    // Covered: the body alone (its face rectangle has no key pixels).
    CopyBlock(target, x + g.EdgeWidth, y, W, H, pics_.TileForm, g.EdgeWidth, 0);
    return;
  }

  // Only the part of the face inside the target is worked on; local redraws clip
  // most neighbours heavily.
  const int fx = x + g.EdgeWidth;
  const int vx0 = std::max(0, -fx), vy0 = std::max(0, -y);
  const int vx1 = std::min(W, target.width() - fx), vy1 = std::min(H, target.height() - y);
  if (vx0 >= vx1 || vy0 >= vy1) return;
  // The face goes straight to the target and is darkened there: the shadows lie inside it.
  CopyBlock(target, fx + vx0, y + vy0, vx1 - vx0, vy1 - vy0, sheet, sheetX + vx0, sheetY + vy0);
  SpanRect left, top, topLeft, topRight, bottomLeft;
  for (int ox = -2; ox <= 2; ++ox)
    for (int oy = -2; oy <= 2; ++oy) {
      if (!at(ox, oy)) continue;
      int r0, r1, c0, c1;
      if (!ShadowSpan(oy, H, g.ShadowHeight, r0, r1) || !ShadowSpan(ox, W, g.ShadowWidth, c0, c1))
        continue;
      const bool oxLeft = ox == -2 || ox == -1, oyUp = oy == -2 || oy == -1;
      SpanRect* acc = nullptr;
      if (oy == 0 && oxLeft)
        acc = &left;
      else if (ox == 0 && oyUp)
        acc = &top;
      else if (oxLeft && oyUp)
        acc = &topLeft;
      else if (ox == 1 && oyUp)
        acc = &topRight;
      else if (oy == 1 && oxLeft)
        acc = &bottomLeft;
      if (acc != nullptr) acc->Union(c0, r0, c1, r1);
    }
  left.Cut(topLeft, SpanRect::kCutTopEdge);
  bottomLeft.Cut(topLeft, SpanRect::kCutTopEdge);
  bottomLeft.Cut(top, SpanRect::kCutTopEdge);
  top.Cut(topLeft, SpanRect::kCutLeftEdge);
  top.Cut(left, SpanRect::kCutLeftEdge);
  topRight.Cut(topLeft, SpanRect::kCutLeftEdge);
  topRight.Cut(left, SpanRect::kCutLeftEdge);
  for (const SpanRect* r : {&left, &top, &topLeft, &topRight, &bottomLeft}) {
    if (!RectHasArea(*r)) continue;
    const int c0 = std::max(r->left, vx0), c1 = std::min(r->right, vx1 - 1);
    const int r0 = std::max(r->top, vy0), r1 = std::min(r->bottom, vy1 - 1);
    if (c0 <= c1 && r0 <= r1)
      DarkenBlock(target, fx + c0, y + r0, c1 - c0 + 1, r1 - r0 + 1, kShadowDarken);
  }
}

void FieldRenderer::DrawMarkedTile(PixelBuffer& target, int x, int y, const MODE_P& board,
                                   int slot) {
  const GAME_P& g = board.Game;
  const TILE_P& t = board.Tiles[slot];
  DrawEdges(target, x, y, g, pics_.InvertedTileForm);
  InvertedCopy(target, x + g.EdgeWidth, y, g.FaceWidth, g.FaceHeight, pics_.Tiles,
               t.SheetCol * g.FaceWidth, t.SheetRow * g.FaceHeight);
}

void FieldRenderer::DrawSolutionTile(PixelBuffer& target, int x, int y, const MODE_P& board,
                                     int slot) {
  const GAME_P& g = board.Game;
  const TILE_P& t = board.Tiles[slot];
  DrawEdges(target, x, y, g, pics_.TileForm);
  CopyBlock(target, x + g.EdgeWidth, y, g.FaceWidth, g.FaceHeight, pics_.Tiles,
            t.SheetCol * g.FaceWidth, t.SheetRow * g.FaceHeight);
  KeyedTint(target, x, y, g.TileWidth, g.TileHeight, 70, kSolutionTint, pics_.TileForm, 0, 0);
}

void FieldRenderer::Repaint(int x, int y, int w, int h, tv::Repaint mode) {
  if (sink_ == nullptr) return;
  switch (mode) {
    case Repaint::kTileNow:
      sink_->RepaintNow(x, y, w, h);
      break;
    case Repaint::kAreaNow:
      sink_->RepaintNow(0, 0, availWidth_, availHeight_);
      break;
    case Repaint::kDeferred:
      sink_->Invalidate(x, y, w, h);
      break;
  }
}

void FieldRenderer::RedrawAll(const MODE_P& board, const FieldMarks& marks,
                              const DrawSwitches& sw) {
  const GAME_P& g = board.Game;
  PaintBackground(field_, 0, 0, std::min(g.FieldWidth, field_.width()),
                  std::min(g.FieldHeight, field_.height()), sw);
  if (g.FaceWidth > 0 && !pics_.TileForm.IsEmpty()) {
    const int n = OrderCount(board, marks);
    for (int k = 0; k < n; ++k) {
      const int slot = board.Order[k].Index;
      if (slot < 0 || slot >= kMaxTiles) continue;
      const TILE_P& t = board.Tiles[slot];
      if (!t.Present) continue;
      if (IsMarked(board, marks, slot))
        DrawMarkedTile(field_, t.Left, t.Top, board, slot);
      else if (IsSolutionTile(marks, slot))
        DrawSolutionTile(field_, t.Left, t.Top, board, slot);
      else
        DrawNormalTile(field_, t.Left, t.Top, board, marks, sw, slot);
    }
    DrawFocusRing(field_, 0, 0, board, marks);
  }
  if (sink_ != nullptr) sink_->RepaintNow(0, 0, availWidth_, availHeight_);
}

// Inside the tile's face rectangle, so a redraw of the tile's own rectangle covers it.
void FieldRenderer::DrawFocusRing(PixelBuffer& target, int fx, int fy, const MODE_P& board,
                                  const FieldMarks& marks) {
  const int slot = marks.FocusTile;
  if (slot < 0 || slot >= kMaxTiles || !board.Tiles[slot].Present) return;
  const GAME_P& g = board.Game;
  const int x = board.Tiles[slot].Left + g.EdgeWidth - fx, y = board.Tiles[slot].Top - fy;
  // Thicker on large tiles, never more than a quarter of the face.
  const int band = std::clamp(std::min(g.FaceWidth, g.FaceHeight) / 12, 1, 5);
  if (g.FaceWidth < 2 * band + 4 || g.FaceHeight < 2 * band + 4) return;
  FrameBlock(target, x, y, g.FaceWidth, g.FaceHeight, kRingBlack);
  for (int k = 1; k <= band; ++k)
    FrameBlock(target, x + k, y + k, g.FaceWidth - 2 * k, g.FaceHeight - 2 * k, kRingColor);
  FrameBlock(target, x + band + 1, y + band + 1, g.FaceWidth - 2 * band - 2,
             g.FaceHeight - 2 * band - 2, kRingBlack);
}

template <class DrawTile>
void FieldRenderer::RedrawRegion(PixelBuffer& region, const MODE_P& board, const FieldMarks& marks,
                                 const DrawSwitches& sw, int rx, int ry, int w, int h,
                                 tv::Repaint mode, DrawTile drawTile) {
  PaintBackground(region, rx, ry, w, h, sw);
  const int n = OrderCount(board, marks);
  for (int k = 0; k < n; ++k) {
    const int i = board.Order[k].Index;
    if (i < 0 || i >= kMaxTiles) continue;
    const TILE_P& t = board.Tiles[i];
    if (!t.Present || std::abs(t.Left - rx) > w || std::abs(t.Top - ry) > h) continue;
    drawTile(i, t.Left - rx, t.Top - ry);
  }
  DrawFocusRing(region, rx, ry, board, marks);
  CopyBlock(field_, rx, ry, w, h, region, 0, 0);
  Repaint(rx, ry, w, h, mode);
}

void FieldRenderer::RedrawTile(const MODE_P& board, const FieldMarks& marks, const DrawSwitches& sw,
                               int slot, tv::Repaint mode) {
  if (slot < 0 || slot >= kMaxTiles || pics_.TileForm.IsEmpty()) return;
  const GAME_P& g = board.Game;
  PixelBuffer& region = pics_.DrawTile;
  RedrawRegion(region, board, marks, sw, board.Tiles[slot].Left, board.Tiles[slot].Top, g.TileWidth,
               g.TileHeight, mode, [&](int i, int x, int y) {
                 if (IsMarked(board, marks, i))
                   DrawMarkedTile(region, x, y, board, i);
                 else if (IsSolutionTile(marks, i))
                   DrawSolutionTile(region, x, y, board, i);
                 else
                   DrawNormalTile(region, x, y, board, marks, sw, i);
               });
}

void FieldRenderer::RedrawAround(const MODE_P& board, const FieldMarks& marks,
                                 const DrawSwitches& sw, int slot, bool skipSelf,
                                 tv::Repaint mode) {
  if (slot < 0 || slot >= kMaxTiles || pics_.TileForm.IsEmpty()) return;
  const GAME_P& g = board.Game;
  PixelBuffer& region = pics_.HiddenTile;
  RedrawRegion(region, board, marks, sw, board.Tiles[slot].Left, board.Tiles[slot].Top,
               g.TileWidth + g.ShadowWidth, g.TileHeight + g.ShadowHeight, mode,
               [&](int i, int x, int y) {
                 if (skipSelf && i == slot) return;
                 // The editor's cursor tile stays out of these redraws.
                 if (marks.EditMode && marks.HasCursorTile && i == board.Game.TileCount) return;
                 DrawNormalTile(region, x, y, board, marks, sw, i);
               });
}

void FieldRenderer::DrawSeeThrough(const MODE_P& board, const FieldMarks& marks,
                                   const DrawSwitches& sw, int slot, int percent, bool fade,
                                   tv::Repaint mode) {
  if (slot < 0 || slot >= kMaxTiles || pics_.TileForm.IsEmpty()) return;
  const GAME_P& g = board.Game;
  const int w = g.TileWidth, h = g.TileHeight;
  const int p = std::clamp(percent, 0, 100);
  PixelBuffer& region = pics_.DrawTile;
  PixelBuffer& tile = pics_.TileBitmap;
  RedrawRegion(region, board, marks, sw, board.Tiles[slot].Left, board.Tiles[slot].Top, w, h, mode,
               [&](int i, int x, int y) {
                 if (i != slot) {
                   if (!fade)
                     DrawPlainTile(region, x, y, board, sw, i);
                   else if (i != marks.SelectedTile && i != marks.SecondTile)
                     DrawNormalTile(region, x, y, board, marks, sw, i);
                   return;
                 }
                 DrawPlainTile(tile, 0, 0, board, sw, i);
                 // The region is this tile's own rectangle, so the two line up at (0, 0).
                 BlendWhereFormIsSet(region, tile, pics_.TileForm, w, h, p);
               });
}

PixelBuffer BuildStatusFrame(const PixelBuffer& frame, int width, double scale) {
  PixelBuffer out;
  const int h = frame.height();
  out.Create(width, h);
  const int left = static_cast<int>(std::lround(10 * scale));
  const int right = frame.width() - static_cast<int>(std::lround(20 * scale));
  const int middle = frame.width() - left - right;
  if (out.IsEmpty() || left < 1 || right < 1 || middle < 1) return out;
  CopyBlock(out, 0, 0, left, h, frame, 0, 0);
  for (int x = left; x < width - right; x += middle)
    CopyBlock(out, x, 0, std::min(middle, width - right - x), h, frame, left, 0);
  CopyBlock(out, width - right, 0, right, h, frame, left + middle, 0);
  return out;
}

PixelBuffer BuildStatusFrame(const PixelBuffer& frame, int width) {
  return BuildStatusFrame(frame, width, 1.0);
}

namespace {

struct ClockParts {
  long long hours;
  int minutes, seconds;
};

ClockParts SplitElapsed(double startTime, double clockTime) {
  double elapsed = clockTime - startTime;
  if (!(elapsed > 0)) elapsed = 0;
  // Whole milliseconds first, so that 0.9999996 s reads as 1 s and not 0 s.
  const long long ms = std::llround(elapsed * 86400000.0);
  const long long secs = ms / 1000;
  return {secs / 3600, static_cast<int>(secs / 60 % 60), static_cast<int>(secs % 60)};
}

// A wide pen: the line and its neighbours across the main direction (width 2 adds the
// one below or to the right).
void DrawWideLine(PixelBuffer& dst, int x1, int y1, int x2, int y2, int color, int width) {
  const bool flat = std::abs(x2 - x1) >= std::abs(y2 - y1);
  for (int k = -((width - 1) / 2); k < width - (width - 1) / 2; ++k) {
    if (flat)
      DrawLine(dst, x1, y1 + k, x2, y2 + k, color);
    else
      DrawLine(dst, x1 + k, y1, x2 + k, y2, color);
  }
}

}  // namespace

std::string ClockText(double startTime, double clockTime) {
  const ClockParts p = SplitElapsed(startTime, clockTime);
  char text[64];
  std::snprintf(text, sizeof text, "%.2lld:%.2d:%.2d", p.hours, p.minutes, p.seconds);
  return text;
}

void DrawAnalogClock(PixelBuffer& clock, const PixelBuffer& face, double startTime,
                     double clockTime, double scale) {
  const int size = static_cast<int>(std::lround(34 * scale));
  const int c = static_cast<int>(std::lround(17 * scale));
  if (clock.width() != size || clock.height() != size) clock.Create(size, size);
  CopyBlock(clock, 0, 0, size, size, face, 0, 0);
  const ClockParts p = SplitElapsed(startTime, clockTime);
  constexpr double pi = std::numbers::pi;
  auto hand = [&](double angle, double length, int color, int width) {
    const int x = static_cast<int>(std::lround(c + std::cos(angle) * length * scale));
    const int y = static_cast<int>(std::lround(c - std::sin(angle) * length * scale));
    DrawWideLine(clock, c, c, x, y, color,
                 std::max(1, static_cast<int>(std::lround(width * scale))));
  };
  hand(pi / 2 - p.seconds * pi / 30, 8, 0xFF0000, 1);
  hand(pi / 2 - p.minutes * pi / 30, 7, 0x800000, 2);
  hand(pi / 2 - static_cast<int>(p.hours % 12) * pi / 6, 4, 0x000000, 2);
}

}  // namespace tv
