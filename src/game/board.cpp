// SPDX-License-Identifier: GPL-3.0-or-later
// The board: the free-tile rule, the count of available moves and the stacking order.
#include "game/board.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace tv {

void MODE_P::SetLayoutName(std::string_view name) {
  const std::size_t n = std::min(name.size(), static_cast<std::size_t>(kLayoutNameSize - 1));
  std::memcpy(Game.LayoutName, name.data(), n);
  Game.LayoutName[n] = '\0';
}

Blocking BlockingOf(const TILE_P& tile, const TILE_P& other) {
  const int dx = other.X - tile.X, dy = other.Y - tile.Y;
  if (other.Z == tile.Z) {
    if (std::abs(dy) <= 1) {
      if (dx == -2) return Blocking::kLeft;
      if (dx == 2) return Blocking::kRight;
    }
  } else if (other.Z == tile.Z + 1 && std::abs(dx) <= 1 && std::abs(dy) <= 1) {
    return Blocking::kCovers;
  }
  return Blocking::kNone;
}

bool IsFree(const MODE_P& board, int slot) {
  const TILE_P& t = board.Tiles[slot];
  bool left = false, right = false;
  const int n = std::clamp(board.Game.TileCount, 0, kMaxTiles);
  for (int i = 0; i < n; ++i) {
    const TILE_P& s = board.Tiles[i];
    if (!s.Present || i == slot) continue;
    switch (BlockingOf(t, s)) {
      case Blocking::kLeft:
        left = true;
        break;
      case Blocking::kRight:
        right = true;
        break;
      case Blocking::kCovers:
        return false;
      case Blocking::kNone:
        break;
    }
    if (left && right) return false;
  }
  return true;
}

int MarkFreeTiles(MODE_P& board) {
  const int n = std::clamp(board.Game.TileCount, 0, kMaxTiles);
  int count = 0;
  for (int i = 0; i < n; ++i) {
    TILE_P& t = board.Tiles[i];
    t.Free = t.Present && IsFree(board, i);
    if (t.Free) ++count;
  }
  return count;
}

int CountMoves(const MODE_P& board) {
  if (board.Game.TilesLeft <= 0) return 0;
  std::array<int, 256> perClass{};
  const int n = std::clamp(board.Game.TileCount, 0, kMaxTiles);
  for (int i = 0; i < n; ++i) {
    const TILE_P& t = board.Tiles[i];
    if (t.Present && t.Free) ++perClass[t.MatchClass];
  }
  int moves = 0;
  for (int c : perClass) moves += c * (c - 1) / 2;
  return moves;
}

bool GameInPlay(const MODE_P& board, bool playMode, bool solutionMode) {
  bool anyPresent = false;
  for (int i = 0; i < std::clamp(board.Game.TileCount, 0, kMaxTiles); ++i)
    anyPresent = anyPresent || board.Tiles[std::size_t(i)].Present;
  return playMode && !solutionMode && board.Game.TilesLeft > 0 && anyPresent;
}

void ClearHintMarks(MODE_P& board) {
  const int n = std::clamp(board.Game.TileCount, 0, kMaxTiles);
  for (int i = 0; i < n; ++i) board.Tiles[i].HintMark = false;
}

void BuildStackingOrder(MODE_P& board) {
  const int n = std::clamp(board.Game.TileCount, 0, kMaxTiles);
  auto& order = board.Order;
  for (int i = 0; i < n; ++i) {
    TILE_P& t = board.Tiles[i];
    t.DrawKey = DrawKeyOf(t.X, t.Y, t.Z);
    order[i] = ORDER_P{i, t.X, t.Y, t.Z, t.DrawKey};
  }
  // Both passes are plain exchange sorts on purpose: the second pass depends on
  // the exact sequence of swaps, so a different sort would change the order.
  for (int i = 0; i + 1 < n; ++i)
    for (int j = i + 1; j < n; ++j)
      if (order[i].DrawKey > order[j].DrawKey) std::swap(order[i], order[j]);
  for (int i = 0; i + 1 < n; ++i)
    for (int j = i + 1; j < n; ++j) {
      const ORDER_P& a = order[i];
      const ORDER_P& b = order[j];
      if (a.Z != b.Z) continue;
      if ((a.X <= b.X && a.Y >= b.Y) || (a.X < b.X && a.Y == b.Y - 1) ||
          (a.Y > b.Y && a.X == b.X + 1))
        std::swap(order[i], order[j]);
    }
}

void ComputeGridExtent(MODE_P& board) {
  constexpr int kUnset = kUnsetBound;
  int minX = kUnset, maxX = kUnset, minY = kUnset, maxY = kUnset, minZ = kUnset, maxZ = kUnset;
  const int n = std::clamp(board.Game.TileCount, 0, kMaxTiles);
  for (int i = 0; i < n; ++i) {
    const TILE_P& t = board.Tiles[i];
    if (minX == kUnset || t.X < minX) minX = t.X;
    if (maxX == kUnset || t.X > maxX) maxX = t.X;
    if (minY == kUnset || t.Y < minY) minY = t.Y;
    if (maxY == kUnset || t.Y > maxY) maxY = t.Y;
    if (minZ == kUnset || t.Z < minZ) minZ = t.Z;
    if (maxZ == kUnset || t.Z > maxZ) maxZ = t.Z;
  }
  board.Game.GridWidth = maxX - minX + 2;
  board.Game.GridHeight = maxY - minY + 2;
  board.Game.Levels = maxZ - minZ + 1;
}

}  // namespace tv
