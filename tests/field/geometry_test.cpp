// SPDX-License-Identifier: GPL-3.0-or-later
// Tile positions, extent, centring, the fit and zoom choices and hit-testing.
#include "field/geometry.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "field/tilesets.h"

namespace tv {
namespace {

struct Pos {
  int x, y, z;
};

MODE_P MakeBoard(std::initializer_list<Pos> tiles) {
  MODE_P board;
  int i = 0;
  for (const Pos& p : tiles) {
    TILE_P& t = board.Tiles[i];
    t.Index = i;
    t.X = p.x, t.Y = p.y, t.Z = p.z;
    t.Present = true;
    ++i;
  }
  board.Game.TileCount = i;
  BuildStackingOrder(board);
  return board;
}

const TileSize kSmall{20, 26, 3, 3}, kMedium{40, 52, 6, 6}, kLarge{60, 78, 8, 8};
const std::vector<TileSize> kSizes{kSmall, kMedium, kLarge};

TEST(GeometryTest, TileSizeFieldsAndShadow) {
  GAME_P g;
  SetTileGeometry(g, kMedium);
  EXPECT_EQ(g.TileWidth, 46);
  EXPECT_EQ(g.TileHeight, 58);
  EXPECT_EQ(g.ShadowWidth, 10);
  EXPECT_EQ(g.ShadowHeight, 10);
  SetTileGeometry(g, TileSize{3, 30, 1, 1});  // shadow comes from the smaller side
  EXPECT_EQ(g.ShadowWidth, 0);
  SetTileGeometry(g, TileSize{50, 35, 2, 2});
  EXPECT_EQ(g.ShadowHeight, 8);
}

TEST(GeometryTest, LayoutExtent) {
  const LayoutExtent empty = ComputeLayoutExtent(MakeBoard({}), kMedium);
  EXPECT_EQ(empty.Width, 66);
  EXPECT_EQ(empty.Height, 78);

  // Second tile: a = 20*4 + 6 = 86, b = 26*2 - 5 = 47.
  const LayoutExtent two = ComputeLayoutExtent(MakeBoard({{0, 0, 0}, {4, 2, 1}}), kMedium);
  EXPECT_EQ(two.Width, 152);
  EXPECT_EQ(two.Height, 125);
  EXPECT_EQ(two.ZA, 0);
  EXPECT_EQ(two.ZB, 0);

  // A raised tile sets the top bound and records its level; the upward shift is dy - 1.
  const LayoutExtent raised = ComputeLayoutExtent(MakeBoard({{0, 2, 0}, {0, 0, 1}}), kMedium);
  EXPECT_EQ(raised.Width, 72);
  EXPECT_EQ(raised.Height, 135);
  EXPECT_EQ(raised.ZA, 0);
  EXPECT_EQ(raised.ZB, 1);

  // Absent tiles still count.
  MODE_P board = MakeBoard({{0, 0, 0}, {4, 2, 1}});
  board.Tiles[1].Present = false;
  EXPECT_EQ(ComputeLayoutExtent(board, kMedium).Width, 152);
}

TEST(GeometryTest, CentringAndPlacing) {
  MODE_P board = MakeBoard({{0, 2, 0}, {0, 0, 1}});
  SetTileGeometry(board.Game, kMedium);
  LayOutField(board, false, 400, 300);
  EXPECT_EQ(board.Game.FieldWidth, 400);
  EXPECT_EQ(board.Game.FieldHeight, 300);
  EXPECT_EQ(board.Game.OriginX, 174);  // (400 - 72) / 2 + 10
  EXPECT_EQ(board.Game.OriginY, 97);   // (300 - 135) / 2 + 5 * 1 + 10
  PlaceTiles(board, 2);
  EXPECT_EQ(board.Tiles[0].Left, 174);
  EXPECT_EQ(board.Tiles[0].Top, 149);
  EXPECT_EQ(board.Tiles[1].Left, 180);  // one level up: dx further right
  EXPECT_EQ(board.Tiles[1].Top, 92);    // and dy - 1 higher
  // The raised tile's top edge sits at the margin of the centred extent.
  EXPECT_EQ(board.Tiles[1].Top - (300 - 135) / 2, 10);

  // Larger than the window: the field grows and the origin is clamped.
  LayOutField(board, false, 51, 60);
  EXPECT_EQ(board.Game.FieldWidth, 72);
  EXPECT_EQ(board.Game.FieldHeight, 135);
  EXPECT_EQ(board.Game.OriginX, 10);
  EXPECT_EQ(board.Game.OriginY, 10);

  // An empty editor board takes the window and a fixed origin; play mode still centres.
  MODE_P empty = MakeBoard({});
  SetTileGeometry(empty.Game, kMedium);
  LayOutField(empty, true, 300, 200);
  EXPECT_EQ(empty.Game.OriginX, 10);
  EXPECT_EQ(empty.Game.OriginY, 10);
  EXPECT_EQ(empty.Game.FieldWidth, 300);
  EXPECT_EQ(empty.Game.FieldHeight, 200);
  LayOutField(empty, false, 300, 200);
  EXPECT_EQ(empty.Game.OriginX, 127);
}

TEST(GeometryTest, FitTakesLargestFittingSize) {
  // Extents: small 86 x 73, medium 152 x 125, large 216 x 177.
  const MODE_P board = MakeBoard({{0, 0, 0}, {4, 2, 1}});
  struct Case {
    int w, h, expected;
  } cases[] = {
      {216, 178, 2},  // width equal to the extent is taken
      {216, 177, 1},  // height equal is not
      {215, 500, 1}, {152, 126, 1}, {152, 125, 0}, {85, 500, 0},  // nothing fits: the smallest
      {10, 10, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FitTileSizeIndex(board, kSizes, c.w, c.h), c.expected) << c.w << "x" << c.h;
  EXPECT_EQ(FitTileSizeIndex(board, {}, 500, 500), -1);
}

TEST(GeometryTest, ZoomChoicesAndCommands) {
  EXPECT_EQ(ZoomInIndex(kSizes, 40), 2);
  EXPECT_EQ(ZoomInIndex(kSizes, 30), 1);
  EXPECT_EQ(ZoomInIndex(kSizes, 60), -1);
  EXPECT_EQ(ZoomOutIndex(kSizes, 40), 0);
  EXPECT_EQ(ZoomOutIndex(kSizes, 50), 1);
  EXPECT_EQ(ZoomOutIndex(kSizes, 20), -1);

  TILESET_P three;
  three.SizeCount = 3;
  Tilesets sets;
  sets.CurTileset = &three;
  sets.CurSizeIndex = 2;
  EXPECT_FALSE(ZoomCommandStates(sets).ZoomIn);
  EXPECT_TRUE(ZoomCommandStates(sets).ZoomOut);
  sets.CurSizeIndex = 0;
  EXPECT_TRUE(ZoomCommandStates(sets).ZoomIn);
  EXPECT_FALSE(ZoomCommandStates(sets).ZoomOut);
  TILESET_P one;
  one.SizeCount = 1;
  sets.CurTileset = &one;
  EXPECT_FALSE(ZoomCommandStates(sets).ZoomIn);
  EXPECT_FALSE(ZoomCommandStates(sets).ZoomOut);
}

TEST(GeometryTest, HitTestRectangleStartsAtSideEdge) {
  MODE_P board = MakeBoard({{0, 0, 0}});
  SetTileGeometry(board.Game, kMedium);
  board.Game.OriginX = board.Game.OriginY = 10;
  PlaceTiles(board, 1);
  struct Case {
    int x, y, expected;
  } cases[] = {
      {10, 10, 0},                 // the side edge's outer column
      {49, 61, 0},                 // Left + W - 1, Top + H - 1
      {50, 10, -1},                // the face's last dx columns lie outside
      {55, 30, -1}, {10, 62, -1},  // the bottom edge lies outside
      {9, 30, -1},  {30, 9, -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HitTest(board, 1, c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST(GeometryTest, HitTestPrefersUpperTiles) {
  MODE_P board = MakeBoard({{0, 0, 1}, {0, 0, 0}, {2, 0, 0}});
  SetTileGeometry(board.Game, kMedium);
  board.Game.OriginX = board.Game.OriginY = 10;
  PlaceTiles(board, 3);
  // Upper tile: 16..55 by 5..56; lower left: 10..49 by 10..61.
  EXPECT_EQ(HitTest(board, 3, 20, 20), 0);
  EXPECT_EQ(HitTest(board, 3, 12, 58), 1);
  EXPECT_EQ(HitTest(board, 3, 52, 20), 0);  // over the right neighbour too
  EXPECT_EQ(HitTest(board, 3, 52, 20, 0), 2);
  board.Tiles[0].Present = false;
  EXPECT_EQ(HitTest(board, 3, 20, 20), 1);
}

}  // namespace
}  // namespace tv
