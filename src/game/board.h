// SPDX-License-Identifier: GPL-3.0-or-later
// The board record shared by play, drawing and the editor, the free-tile rule,
// the count of available moves and the stacking order.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tv {

// Marks a bound, edge or extent not yet given a value.
constexpr int kUnsetBound = -10000;

constexpr int kMaxTiles = 144;
constexpr int kLayoutNameSize = 256;

struct GAME_P {
  std::int32_t OriginX = 0, OriginY = 0;
  std::int32_t FaceWidth = 0, FaceHeight = 0;
  std::int32_t EdgeWidth = 0, EdgeHeight = 0;
  std::int32_t TileWidth = 0, TileHeight = 0;
  std::int32_t FieldWidth = 0, FieldHeight = 0;
  std::int32_t TileCount = 0;
  std::int32_t FreeCount = 0;
  std::int32_t GridWidth = 0, GridHeight = 0, Levels = 0;
  std::int32_t TilesLeft = 0;
  std::int32_t MovesAvailable = 0;
  double StartTime = 0;
  double ClockTime = 0;
  std::uint32_t Seed = 0;
  bool Counted = false;
  std::int32_t ShadowWidth = 0, ShadowHeight = 0;
  // Fixed storage keeps the board a plain value that copies without allocating.
  char LayoutName[kLayoutNameSize] = {};
};

struct TILE_P {
  std::int32_t Index = 0;
  std::int32_t Face = 0;
  std::uint8_t MatchClass = 0;
  std::int32_t X = 0, Y = 0;
  std::int32_t Z = 0;
  std::int32_t SheetCol = 0, SheetRow = 0;
  std::int32_t Left = 0, Top = 0;
  bool Present = false;
  std::int32_t DrawKey = 0;
  bool HintMark = false;
  bool Free = false;
};

struct ORDER_P {
  std::int32_t Index = 0;
  std::int32_t X = 0, Y = 0, Z = 0;
  std::int32_t DrawKey = 0;
};

struct MODE_P {
  GAME_P Game;
  std::array<TILE_P, kMaxTiles> Tiles;
  std::array<ORDER_P, kMaxTiles> Order;

  std::string_view LayoutName() const { return Game.LayoutName; }
  void SetLayoutName(std::string_view name);
};

// What a present tile `other` does to `tile` under the free-tile rule: nothing,
// closes one long side, or lies on it. The one place the rule's geometry lives.
enum class Blocking { kNone, kLeft, kRight, kCovers };
Blocking BlockingOf(const TILE_P& tile, const TILE_P& other);

// Free-tile rule over the present slots in use; ignores the slot's own Present.
bool IsFree(const MODE_P& board, int slot);

// Sets Free of every slot below TileCount (0 for absent ones); returns the free count.
int MarkFreeTiles(MODE_P& board);

// Unordered pairs of present, free tiles of one match class; 0 when TilesLeft is 0.
int CountMoves(const MODE_P& board);

void ClearHintMarks(MODE_P& board);

// Whether a game is in play on the board: play mode, no solution shown, tiles left and
// at least one present (a failed deal leaves none present, whatever the counters say).
bool GameInPlay(const MODE_P& board, bool playMode, bool solutionMode);

inline std::int32_t DrawKeyOf(std::int32_t x, std::int32_t y, std::int32_t z) {
  return z * 10000 + y * 1000 + 100 - x;
}

void BuildStackingOrder(MODE_P& board);

// Extent of slots 0..TileCount-1 in half-tile units and levels, as the reader sets it.
void ComputeGridExtent(MODE_P& board);

}  // namespace tv
