// SPDX-License-Identifier: GPL-3.0-or-later
// Moves the keyboard's focus ring to the nearest free tile in an arrow's direction.
#include "game/key_focus.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace tv {

namespace {

bool Playable(const MODE_P& board, int slot) {
  return slot >= 0 && slot < std::clamp(board.Game.TileCount, 0, kMaxTiles) &&
         board.Tiles[slot].Present && board.Tiles[slot].Free;
}

}  // namespace

int NextFocusTile(const MODE_P& board, int from, FocusDirection direction) {
  if (from < 0 || from >= kMaxTiles) return -1;
  const TILE_P& f = board.Tiles[from];
  const bool horizontal = direction == FocusDirection::kLeft || direction == FocusDirection::kRight;
  const int sign =
      direction == FocusDirection::kRight || direction == FocusDirection::kDown ? 1 : -1;
  int best = -1;
  std::tuple<int, int, int> bestKey{};
  for (int i = 0; i < std::clamp(board.Game.TileCount, 0, kMaxTiles); ++i) {
    if (i == from || !Playable(board, i)) continue;
    const TILE_P& t = board.Tiles[i];
    const int along = sign * (horizontal ? t.X - f.X : t.Y - f.Y);
    const int across = std::abs(horizontal ? t.Y - f.Y : t.X - f.X);
    if (along <= 0) continue;
    // Higher levels first: the negated level sorts them ahead.
    const std::tuple<int, int, int> key{along + 2 * across, along, -t.Z};
    if (best < 0 || key < bestKey) {
      best = i;
      bestKey = key;
    }
  }
  return best;
}

int SettleFocusTile(const MODE_P& board, int near) {
  if (Playable(board, near)) return near;
  const int n = std::clamp(board.Game.TileCount, 0, kMaxTiles);
  // Doubled coordinates keep the layout's middle on the grid.
  int cx = 0, cy = 0;
  if (near >= 0 && near < kMaxTiles) {
    cx = 2 * board.Tiles[near].X;
    cy = 2 * board.Tiles[near].Y;
  } else {
    int minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (int i = 0; i < n; ++i) {
      const TILE_P& t = board.Tiles[i];
      if (i == 0 || t.X < minX) minX = t.X;
      if (i == 0 || t.X > maxX) maxX = t.X;
      if (i == 0 || t.Y < minY) minY = t.Y;
      if (i == 0 || t.Y > maxY) maxY = t.Y;
    }
    cx = minX + maxX;
    cy = minY + maxY;
  }
  int best = -1;
  long bestDistance = 0;
  for (int i = 0; i < n; ++i) {
    if (!Playable(board, i)) continue;
    const long dx = 2 * board.Tiles[i].X - cx, dy = 2 * board.Tiles[i].Y - cy;
    const long distance = dx * dx + dy * dy;
    if (best < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace tv
