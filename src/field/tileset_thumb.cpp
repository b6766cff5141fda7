// SPDX-License-Identifier: GPL-3.0-or-later
// Tileset thumbnails: the sample tiles are drawn as plain blocks, no shadows or dimming.
#include "field/tileset_thumb.h"

#include <cmath>

#include "game/faces.h"

namespace tv {
namespace {

struct SampleTile {
  int face, x, y;
};
constexpr SampleTile kSample[] = {{0, 2, 0},  {9, 4, 2},  {18, 6, 4}, {27, 6, 0},
                                  {31, 8, 2}, {35, 0, 2}, {39, 2, 4}};

}  // namespace

MODE_P MakeSampleBoard() {
  MODE_P board;
  board.Game.TileCount = static_cast<int>(std::size(kSample));
  board.Game.FieldWidth = kTileThumbWidth;
  board.Game.FieldHeight = kTileThumbHeight;
  for (int i = 0; i < board.Game.TileCount; ++i) {
    TILE_P& t = board.Tiles[i];
    t.Index = i;
    t.Face = kSample[i].face;
    t.MatchClass = MatchClassOf(t.Face);
    t.X = kSample[i].x;
    t.Y = kSample[i].y;
    t.Z = 0;
    const SheetCell cell = SheetCellOf(t.Face);
    t.SheetCol = cell.col;
    t.SheetRow = cell.row;
    t.Present = true;
    t.Free = true;
  }
  BuildStackingOrder(board);
  return board;
}

Result DrawTilesetThumb(Tilesets& sets, const TILESET_P* tileset, MODE_P& sample,
                        FieldPictures& pictures, PixelBuffer& thumb, int color, double ratio) {
  const int width = static_cast<int>(std::lround(kTileThumbWidth * ratio));
  const int height = static_cast<int>(std::lround(kTileThumbHeight * ratio));
  const int index = ChooseTileSize(sample, tileset, width, height);
  const TileLoadTarget target{&sample, nullptr, &pictures};
  if (index < 0 || !sets.LoadTileSize(tileset, index, true, target))
    return Result::Fail(
        ThumbError::kUnreadable,
        Text::Template(TV_TRANSLATE_NOOP("Messages", "The tileset could not be read!")));

  GAME_P& g = sample.Game;
  const int w = g.FaceWidth, h = g.FaceHeight, dx = g.EdgeWidth;
  // The sample is 10 half-tiles wide and 6 high.
  g.OriginX = (width - (w / 2) * 10 - dx) / 2;
  g.OriginY = (height - (h / 2) * 6 - g.EdgeHeight) / 2;
  if (thumb.width() != width || thumb.height() != height) thumb.Create(width, height);
  FillPicture(thumb, color);
  for (int k = 0; k < g.TileCount; ++k) {
    const TILE_P& t = sample.Tiles[sample.Order[k].Index];
    const int px = (w / 2) * t.X + g.OriginX, py = (h / 2) * t.Y + g.OriginY;
    KeyedCopy(thumb, px, py, g.TileWidth, g.TileHeight, pictures.TileForm, 0, 0);
    CopyBlock(thumb, px + dx, py, w, h, pictures.Tiles, t.SheetCol * w, t.SheetRow * h);
  }
  return {};
}

int NextThumbToDraw(std::span<const ThumbSlot> items, int selected) {
  const int count = static_cast<int>(items.size());
  if (selected >= 0 && selected < count && !items[selected].Drawn && items[selected].Visible)
    return selected;
  for (int i = 0; i < count; ++i)
    if (!items[i].Drawn && items[i].Visible) return i;
  for (int i = 0; i < count; ++i)
    if (!items[i].Drawn) return i;
  return -1;
}

}  // namespace tv
