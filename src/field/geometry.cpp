// SPDX-License-Identifier: GPL-3.0-or-later
// Board positions to field pixels, the fit and zoom choices, and hit-testing.
#include "field/geometry.h"

#include <algorithm>

namespace tv {

void SetTileGeometry(GAME_P& game, const TileSize& size) {
  game.FaceWidth = size.W;
  game.FaceHeight = size.H;
  game.EdgeWidth = size.dx;
  game.EdgeHeight = size.dy;
  game.TileWidth = size.W + size.dx;
  game.TileHeight = size.H + size.dy;
  game.ShadowWidth = game.ShadowHeight = std::min(size.W, size.H) / 4;
}

void CopyTileGeometry(const GAME_P& from, GAME_P& to) {
  to.OriginX = from.OriginX;
  to.OriginY = from.OriginY;
  to.FaceWidth = from.FaceWidth;
  to.FaceHeight = from.FaceHeight;
  to.EdgeWidth = from.EdgeWidth;
  to.EdgeHeight = from.EdgeHeight;
  to.TileWidth = from.TileWidth;
  to.TileHeight = from.TileHeight;
  to.FieldWidth = from.FieldWidth;
  to.FieldHeight = from.FieldHeight;
  to.ShadowWidth = from.ShadowWidth;
  to.ShadowHeight = from.ShadowHeight;
}

LayoutExtent ComputeLayoutExtent(const MODE_P& board, const TileSize& size) {
  int minA = kUnsetBound, maxA = kUnsetBound, minB = kUnsetBound, maxB = kUnsetBound;
  LayoutExtent e;
  const int n = std::clamp(board.Game.TileCount, 0, kMaxTiles);
  for (int i = 0; i < n; ++i) {
    const TILE_P& t = board.Tiles[i];
    const int a = (size.W / 2) * t.X + size.dx * t.Z;
    const int b = (size.H / 2) * t.Y - (size.dy - 1) * t.Z;
    if (minA == kUnsetBound || a < minA) {
      minA = a;
      e.ZA = t.Z;
    }
    if (maxA == kUnsetBound || a > maxA) maxA = a;
    if (minB == kUnsetBound || b < minB) {
      minB = b;
      e.ZB = t.Z;
    }
    if (maxB == kUnsetBound || b > maxB) maxB = b;
  }
  if (n == 0) minA = maxA = minB = maxB = 0;
  e.Width = maxA - minA + size.W + size.dx + 20;
  e.Height = maxB - minB + size.H + size.dy + 20;
  return e;
}

void LayOutField(MODE_P& board, bool editMode, int availWidth, int availHeight) {
  GAME_P& g = board.Game;
  if (editMode && g.TileCount <= 0) {
    g.FieldWidth = availWidth;
    g.FieldHeight = availHeight;
    g.OriginX = g.OriginY = 10;
    return;
  }
  const TileSize size{g.FaceWidth, g.FaceHeight, g.EdgeWidth, g.EdgeHeight};
  const LayoutExtent e = ComputeLayoutExtent(board, size);
  g.FieldWidth = std::max(availWidth, e.Width);
  g.FieldHeight = std::max(availHeight, e.Height);
  g.OriginX = std::max((availWidth - e.Width) / 2 - size.dx * e.ZA + 10, 10);
  g.OriginY = std::max((availHeight - e.Height) / 2 + (size.dy - 1) * e.ZB + 10, 10);
}

void PlaceTiles(MODE_P& board, int count) {
  const GAME_P& g = board.Game;
  count = std::clamp(count, 0, kMaxTiles);
  for (int i = 0; i < count; ++i) {
    TILE_P& t = board.Tiles[i];
    t.Left = (g.FaceWidth / 2) * t.X + g.OriginX + t.Z * g.EdgeWidth;
    t.Top = (g.FaceHeight / 2) * t.Y + g.OriginY - (g.EdgeHeight - 1) * t.Z;
  }
}

int FitTileSizeIndex(const MODE_P& board, std::span<const TileSize> sizes, int availWidth,
                     int availHeight) {
  if (sizes.empty()) return -1;
  for (int i = static_cast<int>(sizes.size()) - 1; i >= 0; --i) {
    const LayoutExtent e = ComputeLayoutExtent(board, sizes[i]);
    if (e.Width <= availWidth && e.Height < availHeight) return i;
  }
  return 0;
}

int ZoomedTileSizeIndex(const MODE_P& board, std::span<const TileSize> sizes, int faceWidth,
                        int availWidth, int availHeight) {
  for (int i = 0; i < static_cast<int>(sizes.size()); ++i) {
    if (sizes[i].W != faceWidth) continue;
    const LayoutExtent e = ComputeLayoutExtent(board, sizes[i]);
    if (e.Width <= availWidth && e.Height < availHeight) return i;
    break;
  }
  return FitTileSizeIndex(board, sizes, availWidth, availHeight);
}

int ZoomInIndex(std::span<const TileSize> sizes, int faceWidth) {
  for (int i = 0; i < static_cast<int>(sizes.size()); ++i)
    if (sizes[i].W > faceWidth) return i;
  return -1;
}

int ZoomOutIndex(std::span<const TileSize> sizes, int faceWidth) {
  for (int i = static_cast<int>(sizes.size()) - 1; i >= 0; --i)
    if (sizes[i].W < faceWidth) return i;
  return -1;
}

bool LayoutFits(const MODE_P& board, int availWidth, int availHeight) {
  const GAME_P& g = board.Game;
  const LayoutExtent e =
      ComputeLayoutExtent(board, TileSize{g.FaceWidth, g.FaceHeight, g.EdgeWidth, g.EdgeHeight});
  return e.Width <= availWidth && e.Height < availHeight;
}

int HitTest(const MODE_P& board, int orderCount, int px, int py, int skipSlot) {
  const GAME_P& g = board.Game;
  orderCount = std::clamp(orderCount, 0, kMaxTiles);
  for (int k = orderCount - 1; k >= 0; --k) {
    const int slot = board.Order[k].Index;
    if (slot < 0 || slot >= kMaxTiles || slot == skipSlot) continue;
    const TILE_P& t = board.Tiles[slot];
    if (!t.Present) continue;
    if (t.Left <= px && px < t.Left + g.FaceWidth && t.Top <= py && py < t.Top + g.FaceHeight)
      return slot;
  }
  return -1;
}

}  // namespace tv
