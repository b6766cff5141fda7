// SPDX-License-Identifier: GPL-3.0-or-later
// Field drawing: shadows and their cut order, marks, dimming, local redraws that
// must agree with a full redraw, the pair fade, frames, the clock and a golden field.
#include "field/render.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "field/geometry.h"
#include "field/picture_loader.h"
#include "field/tilesets.h"
#include "field_test_sheet.h"
#include "support/succeeded.h"

namespace tv {
namespace {

using test::CellColor;

struct Rect {
  int c0, r0, c1, r1;  // inclusive columns and rows of the face
};

int Darkened(int color, int amount) {
  const RgbBytes c = SplitColor(color);
  auto d = [&](int v) { return v - amount * v / 255; };
  return JoinColor(d(c.red), d(c.green), d(c.blue));
}

std::uint64_t Checksum(const PixelBuffer& b) {
  std::uint64_t h = 1469598103934665603ull;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < 3 * b.width(); ++x) h = (h ^ b.Row(y)[x]) * 1099511628211ull;
  return h;
}

class RecordingSink : public RepaintSink {
 public:
  std::vector<std::string> calls;
  void RepaintNow(int x, int y, int w, int h) override { calls.push_back(Text("now", x, y, w, h)); }
  void Invalidate(int x, int y, int w, int h) override {
    calls.push_back(Text("later", x, y, w, h));
  }

 private:
  static std::string Text(const char* what, int x, int y, int w, int h) {
    return std::string(what) + " " + std::to_string(x) + "," + std::to_string(y) + " " +
           std::to_string(w) + "x" + std::to_string(h);
  }
};

class RenderTest : public ::testing::Test {
 protected:
  void Init(const TileSize& size) {
    size_ = size;
    MakeTilePictures(pics_, test::MakeSheet(size.W, size.H), size, false);
    board_ = MODE_P{};
    SetTileGeometry(board_.Game, size);
  }

  int Add(int x, int y, int z, int face = -1) {
    const int i = board_.Game.TileCount++;
    TILE_P& t = board_.Tiles[i];
    t.Index = i;
    t.X = x, t.Y = y, t.Z = z;
    t.Present = true;
    t.Free = true;
    const int f = face >= 0 ? face : i % 42;
    t.SheetCol = f < 27 ? f % 9 : (f < 35 ? f - 27 : f - 35);
    t.SheetRow = f < 27 ? f / 9 : (f < 35 ? 3 : 4);
    return i;
  }

  void Finish(int fieldWidth, int fieldHeight) {
    BuildStackingOrder(board_);
    board_.Game.TilesLeft = board_.Game.TileCount;
    LayOutField(board_, false, fieldWidth, fieldHeight);
    PlaceTiles(board_, board_.Game.TileCount);
    field_.Create(fieldWidth, fieldHeight);
    renderer_.SetAvailableArea(fieldWidth, fieldHeight);
  }

  int FaceColor(int slot) const {
    return CellColor(board_.Tiles[slot].SheetCol, board_.Tiles[slot].SheetRow);
  }

  PixelBuffer DrawAlone(int slot, const FieldMarks& marks = {}, const DrawSwitches& sw = {}) {
    PixelBuffer target(board_.Game.TileWidth, board_.Game.TileHeight);
    renderer_.DrawNormalTile(target, 0, 0, board_, marks, sw, slot);
    return target;
  }

  PixelBuffer RedrawAllInto(const FieldMarks& marks, const DrawSwitches& sw = {}) {
    renderer_.RedrawAll(board_, marks, sw);
    return field_;
  }

  TileSize size_{};
  FieldPictures pics_;
  MODE_P board_;
  PixelBuffer field_;
  RecordingSink sink_;
  FieldRenderer renderer_{pics_, field_, &sink_};
};

TEST_F(RenderTest, ShadowRectanglesAndCutOrder) {
  struct Case {
    const char* what;
    std::vector<std::pair<int, int>> above;  // offsets of higher tiles
    std::vector<Rect> dark;                  // disjoint: each pixel darkened once
    TileSize size;
  };
  const TileSize normal{20, 24, 4, 4}, flat{20, 3, 2, 2};  // shadow 5 and 0
  const Case cases[] = {
      {"top (0,-1)", {{0, -1}}, {{0, 0, 19, 16}}, normal},
      {"top (0,-2)", {{0, -2}}, {{0, 0, 19, 5}}, normal},
      {"left (-2,0)", {{-2, 0}}, {{0, 0, 5, 23}}, normal},
      {"top-right (1,-1)", {{1, -1}}, {{10, 0, 19, 16}}, normal},
      {"bottom-left (-1,1)", {{-1, 1}}, {{0, 12, 14, 23}}, normal},
      {"left below top-left", {{-1, -1}, {-1, 0}}, {{0, 0, 14, 23}}, normal},
      {"top right of left", {{0, -1}, {-1, 0}}, {{0, 0, 14, 23}, {15, 0, 19, 16}}, normal},
      {"top-right right of left", {{1, -1}, {-1, 0}}, {{0, 0, 14, 23}, {15, 0, 19, 16}}, normal},
      {"top right of top-left", {{-1, -1}, {0, -1}}, {{0, 0, 19, 16}}, normal},
      {"bottom-left below top", {{0, -1}, {-1, 1}}, {{0, 0, 19, 16}, {0, 17, 14, 23}}, normal},
      {"no shadow from the right or straight above", {{2, 0}, {0, 0}, {2, -2}}, {}, normal},
      {"zero shadow: (-2,0) is one column, not darkened", {{-2, 0}}, {}, flat},
      {"zero shadow: (-1,0) still darkens W/2 columns", {{-1, 0}}, {{0, 0, 9, 2}}, flat},
  };
  for (const Case& c : cases) {
    Init(c.size);
    const int low = Add(4, 4, 0);
    for (auto [ox, oy] : c.above) Add(4 + ox, 4 + oy, 1);
    Finish(300, 200);
    const PixelBuffer tile = DrawAlone(low);
    const int base = FaceColor(low);
    int wrong = 0;
    for (int r = 0; r < c.size.H; ++r)
      for (int col = 0; col < c.size.W; ++col) {
        if (r == 0 && col == 0) continue;  // the sheet's marker dot
        bool dark = false;
        for (const Rect& d : c.dark) dark |= col >= d.c0 && col <= d.c1 && r >= d.r0 && r <= d.r1;
        const int expected = dark ? Darkened(base, 25) : base;
        if (tile.GetPixel(c.size.dx + col, r) != expected) ++wrong;
      }
    EXPECT_EQ(wrong, 0) << c.what;
  }
}

TEST_F(RenderTest, CoveredTilesAndSwitches) {
  const TileSize s{20, 24, 4, 4};
  struct Case {
    const char* what;
    std::vector<std::pair<int, int>> above;
    bool shadows;
    bool faceShown;
  } cases[] = {
      {"four diagonals", {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}}, true, false},
      {"above and below", {{0, -1}, {0, 1}}, true, false},
      {"left and right", {{-1, 0}, {1, 0}}, true, false},
      {"three diagonals", {{-1, -1}, {1, -1}, {-1, 1}}, true, true},
      {"four diagonals, shadows off", {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}}, false, true},
  };
  for (const auto& c : cases) {
    Init(s);
    const int low = Add(4, 4, 0);
    for (auto [ox, oy] : c.above) Add(4 + ox, 4 + oy, 1);
    Finish(300, 200);
    DrawSwitches sw;
    sw.DrawShadows = c.shadows;
    const PixelBuffer tile = DrawAlone(low, {}, sw);
    // Near the face's bottom-right: outside every shadow rectangle of these cases.
    EXPECT_EQ(tile.GetPixel(s.dx + 18, 22), c.faceShown ? FaceColor(low) : 0x808080) << c.what;
  }
}

TEST_F(RenderTest, LeavingPairCastsNoShadow) {
  Init({20, 24, 4, 4});
  const int low = Add(4, 4, 0);
  const int upper = Add(4, 3, 1);
  const int partner = Add(10, 4, 0);
  Finish(300, 200);
  FieldMarks one;
  one.SelectedTile = upper;
  EXPECT_EQ(DrawAlone(low, one).GetPixel(4 + 10, 1), Darkened(FaceColor(low), 25));
  FieldMarks pair = one;
  pair.SecondTile = partner;
  EXPECT_EQ(DrawAlone(low, pair).GetPixel(4 + 10, 1), FaceColor(low));
}

TEST_F(RenderTest, OnlyTheNextLevelCastsShadows) {
  Init({20, 24, 4, 4});
  const int low = Add(4, 4, 0);
  Add(4, 3, 2);
  Finish(300, 200);
  EXPECT_EQ(DrawAlone(low).GetPixel(4 + 10, 1), FaceColor(low));
}

TEST_F(RenderTest, MarksDimmingAndSolutionTint) {
  const TileSize s{20, 24, 4, 4};
  Init(s);
  const int blocked = Add(4, 4, 0);
  const int marked = Add(8, 4, 0);
  const int hinted = Add(12, 4, 0);
  const int step = Add(16, 4, 0);
  Finish(300, 200);
  for (int i : {blocked, marked, hinted, step}) board_.Tiles[i].Free = false;
  board_.Tiles[hinted].HintMark = true;
  FieldMarks marks;
  marks.SelectedTile = marked;
  marks.SolutionMode = true;
  marks.SolutionTiles[0] = step;
  const PixelBuffer f = RedrawAllInto(marks);

  auto facePixel = [&](int slot) {
    return f.GetPixel(board_.Tiles[slot].Left + s.dx + 10, board_.Tiles[slot].Top + 20);
  };
  auto edgePixel = [&](int slot) {  // inside the side edge
    return f.GetPixel(board_.Tiles[slot].Left + 2, board_.Tiles[slot].Top + 12);
  };
  auto inverted = [](int color) { return color ^ 0xFFFFFF; };
  EXPECT_EQ(facePixel(blocked), Darkened(FaceColor(blocked), 76));
  EXPECT_EQ(edgePixel(blocked), 0x808080);
  // Marked tiles come from the normal sheet even when blocked and dimmed.
  EXPECT_EQ(facePixel(marked), inverted(FaceColor(marked)));
  EXPECT_EQ(edgePixel(marked), 0x7F7F7F);
  EXPECT_EQ(facePixel(hinted), inverted(FaceColor(hinted)));
  // Solution step: 30 % orange over the undimmed tile, edges included.
  const RgbBytes c = SplitColor(FaceColor(step));
  EXPECT_EQ(facePixel(step), JoinColor((30 * 255 + 70 * c.red) / 100,
                                       (30 * 128 + 70 * c.green) / 100, 70 * c.blue / 100));
  EXPECT_EQ(edgePixel(step), JoinColor(166, 128, 89));
  EXPECT_EQ(f.GetPixel(2, 2), 0x008000);  // background colour

  DrawSwitches noDim;
  noDim.DimLockedTiles = false;
  EXPECT_EQ(RedrawAllInto(marks, noDim)
                .GetPixel(board_.Tiles[blocked].Left + s.dx + 10, board_.Tiles[blocked].Top + 20),
            FaceColor(blocked));
  // In edit mode SecondTile (the cursor tile) is not drawn marked.
  FieldMarks edit;
  edit.EditMode = true;
  edit.SecondTile = marked;
  EXPECT_EQ(RedrawAllInto(edit, noDim)
                .GetPixel(board_.Tiles[marked].Left + s.dx + 10, board_.Tiles[marked].Top + 20),
            FaceColor(marked));
}

TEST_F(RenderTest, EditorCursorTile) {
  const TileSize s{20, 24, 4, 4};
  Init(s);
  const int tile = Add(2, 2, 0);
  Add(6, 2, 0);
  const int cursor = Add(2, 2, 1, 41);  // sheet cell (6, 4)
  Finish(200, 150);                     // orders and places all three
  board_.Game.TileCount = 2;
  FieldMarks edit;
  edit.EditMode = true;
  edit.HasCursorTile = true;
  edit.SecondTile = cursor;
  const TILE_P& c = board_.Tiles[cursor];
  const int px = c.Left + s.dx + 10, py = c.Top + 12;
  EXPECT_EQ(RedrawAllInto(edit).GetPixel(px, py), CellColor(6, 4));
  renderer_.RedrawAround(board_, edit, {}, tile, false, Repaint::kTileNow);
  EXPECT_EQ(field_.GetPixel(px, py), FaceColor(tile));
  renderer_.RedrawTile(board_, edit, {}, tile, Repaint::kTileNow);
  EXPECT_EQ(field_.GetPixel(px, py), CellColor(6, 4));
  // Without the cursor flag the slot past the layout is not drawn at all.
  edit.HasCursorTile = false;
  EXPECT_EQ(RedrawAllInto(edit).GetPixel(px, py), FaceColor(tile));
}

// A small pyramid with overlapping levels and a background picture.
class LocalRedrawTest : public RenderTest {
 protected:
  // Pixels of the slot's tile rectangle where the field differs from `expected`.
  int PixelsDifferingInTile(int slot, const PixelBuffer& expected) const {
    const TILE_P& t = board_.Tiles[slot];
    int wrong = 0;
    for (int y = t.Top; y < t.Top + board_.Game.TileHeight; ++y)
      for (int x = t.Left; x < t.Left + board_.Game.TileWidth; ++x)
        wrong += field_.GetPixel(x, y) != expected.GetPixel(x, y);
    return wrong;
  }
  void SetUp() override {
    Init({20, 24, 4, 4});
    for (int y = 0; y <= 6; y += 2)
      for (int x = 0; x <= 8; x += 2) Add(x, y, 0);
    for (int y = 1; y <= 5; y += 2)
      for (int x = 1; x <= 7; x += 2) Add(x, y, 1);
    Add(2, 3, 2);  // slot 32
    Add(6, 3, 2);  // slot 33
    Finish(180, 140);
    MarkFreeTiles(board_);
    bkg_.Create(180, 140);
    for (int y = 0; y < 140; ++y)
      for (int x = 0; x < 180; ++x) bkg_.SetPixel(x, y, JoinColor(x, y, (x + y) & 255));
    sw_.Background = &bkg_;
  }

  int CountDifferences(const PixelBuffer& a, const PixelBuffer& b) const {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x) n += a.GetPixel(x, y) != b.GetPixel(x, y);
    return n;
  }

  PixelBuffer bkg_;
  DrawSwitches sw_;
};

TEST_F(LocalRedrawTest, RedrawTileAgreesWithFullRedraw) {
  for (int slot : {0, 6, 23, 28, 32}) {
    FieldMarks marks;
    marks.SelectedTile = slot;
    const PixelBuffer expected = RedrawAllInto(marks, sw_);
    RedrawAllInto({}, sw_);
    sink_.calls.clear();
    renderer_.RedrawTile(board_, marks, sw_, slot, Repaint::kDeferred);
    EXPECT_EQ(CountDifferences(field_, expected), 0) << "slot " << slot;
    const TILE_P& t = board_.Tiles[slot];
    ASSERT_EQ(sink_.calls.size(), 1u);
    EXPECT_EQ(sink_.calls[0],
              "later " + std::to_string(t.Left) + "," + std::to_string(t.Top) + " 24x28");
  }
  sink_.calls.clear();
  renderer_.RedrawTile(board_, {}, sw_, 3, Repaint::kAreaNow);
  EXPECT_EQ(sink_.calls, std::vector<std::string>{"now 0,0 180x140"});
}

TEST_F(LocalRedrawTest, FocusRingMovesByRedrawingTwoTiles) {
  const PixelBuffer plain = RedrawAllInto({}, sw_);
  FieldMarks ring;
  ring.FocusTile = 28;
  for (int to : {32, 0, 33}) {
    const int from = ring.FocusTile;
    ring.FocusTile = to;
    const PixelBuffer expected = RedrawAllInto(ring, sw_);
    ring.FocusTile = from;
    RedrawAllInto(ring, sw_);
    ring.FocusTile = to;
    renderer_.RedrawTile(board_, ring, sw_, from, Repaint::kDeferred);
    renderer_.RedrawTile(board_, ring, sw_, to, Repaint::kDeferred);
    EXPECT_EQ(CountDifferences(field_, expected), 0) << from << " to " << to;
    // The ring shows: the tile looks different from the same field without it.
    EXPECT_GT(PixelsDifferingInTile(to, plain), 0) << to;
  }
}

TEST_F(LocalRedrawTest, RedrawAroundRemovedTileAgreesWithFullRedraw) {
  // Free flags stay as they are: only the removed tile's pixels and shadows change.
  for (int slot : {32, 28, 12, 0}) {
    board_.Tiles[slot].Present = false;
    const PixelBuffer expected = RedrawAllInto({}, sw_);
    board_.Tiles[slot].Present = true;
    RedrawAllInto({}, sw_);
    board_.Tiles[slot].Present = false;
    renderer_.RedrawAround(board_, {}, sw_, slot, true, Repaint::kTileNow);
    EXPECT_EQ(CountDifferences(field_, expected), 0) << "slot " << slot;
    board_.Tiles[slot].Present = true;
  }
}

TEST_F(LocalRedrawTest, FadedPairVanishesWithoutItsShadows) {
  const int a = 32, b = 33;  // the two top tiles
  board_.Tiles[a].Present = board_.Tiles[b].Present = false;
  const PixelBuffer gone = RedrawAllInto({}, sw_);
  board_.Tiles[a].Present = board_.Tiles[b].Present = true;

  FieldMarks pair;
  pair.SelectedTile = a;
  pair.SecondTile = b;
  RedrawAllInto(pair, sw_);
  const PixelBuffer before = field_;
  renderer_.DrawSeeThrough(board_, pair, sw_, a, 50, true, Repaint::kTileNow);
  renderer_.DrawSeeThrough(board_, pair, sw_, b, 50, true, Repaint::kTileNow);
  EXPECT_GT(CountDifferences(field_, gone), 0);
  EXPECT_GT(CountDifferences(field_, before), 0);
  renderer_.DrawSeeThrough(board_, pair, sw_, a, 100, true, Repaint::kTileNow);
  renderer_.DrawSeeThrough(board_, pair, sw_, b, 100, true, Repaint::kTileNow);
  EXPECT_EQ(CountDifferences(field_, gone), 0);
}

// Fading one of a pair that stand side by side: the partner is left out of the region too.
TEST_F(LocalRedrawTest, FadeLeavesOutTheNearbyPartner) {
  const int a = 20, b = 21;  // (1, 1, 1) and (3, 1, 1): b's side edge lies in a's region
  board_.Tiles[a].Present = board_.Tiles[b].Present = false;
  const PixelBuffer gone = RedrawAllInto({}, sw_);
  board_.Tiles[a].Present = board_.Tiles[b].Present = true;
  FieldMarks pair;
  pair.SelectedTile = a;
  pair.SecondTile = b;
  RedrawAllInto(pair, sw_);
  renderer_.DrawSeeThrough(board_, pair, sw_, a, 100, true, Repaint::kTileNow);
  EXPECT_EQ(PixelsDifferingInTile(a, gone), 0);
}

// Without fading, the tiles around a see-through tile are drawn plain, without shadows.
TEST_F(LocalRedrawTest, SeeThroughNeighboursArePlain) {
  const int slot = 25;  // (3, 3, 1), under the top tile 32 and beside the other level-1 tiles
  board_.Tiles[slot].Present = false;
  DrawSwitches plain = sw_;
  plain.DrawShadows = false;
  const PixelBuffer under = RedrawAllInto({}, plain);
  board_.Tiles[slot].Present = true;
  RedrawAllInto({}, sw_);
  renderer_.DrawSeeThrough(board_, {}, sw_, slot, 100, false, Repaint::kTileNow);
  EXPECT_EQ(PixelsDifferingInTile(slot, under), 0);
}

TEST_F(LocalRedrawTest, SeeThroughBlendsTileOverWhatLiesBelow) {
  const int slot = 32;  // (2, 3, 2): nothing above it
  const TILE_P& t = board_.Tiles[slot];
  RedrawAllInto({}, sw_);
  renderer_.DrawSeeThrough(board_, {}, sw_, slot, 0, false, Repaint::kTileNow);
  // At 0 % the tile is drawn plainly over its own region.
  EXPECT_EQ(field_.GetPixel(t.Left + 4 + 10, t.Top + 20), FaceColor(slot));

  // At 66 %: (34 * tile) / 100 + (66 * under) / 100, byte by byte.
  board_.Tiles[slot].Present = false;
  DrawSwitches plain = sw_;
  plain.DrawShadows = false;
  const PixelBuffer under = RedrawAllInto({}, plain);
  board_.Tiles[slot].Present = true;
  renderer_.DrawSeeThrough(board_, {}, plain, slot, 66, false, Repaint::kTileNow);
  const int px = t.Left + 4 + 10, py = t.Top + 20;
  const RgbBytes tile = SplitColor(FaceColor(slot)), u = SplitColor(under.GetPixel(px, py));
  auto mix = [](int top, int below) { return 34 * top / 100 + 66 * below / 100; };
  EXPECT_EQ(field_.GetPixel(px, py),
            JoinColor(mix(tile.red, u.red), mix(tile.green, u.green), mix(tile.blue, u.blue)));
  // Outside the tile form the region keeps what was under it.
  EXPECT_EQ(field_.GetPixel(t.Left, t.Top), under.GetPixel(t.Left, t.Top));
}

TEST_F(LocalRedrawTest, GoldenField) {
  FieldMarks marks;
  marks.SelectedTile = 5;
  DrawSwitches sw;  // plain colour background, shadows and dimming on
  const PixelBuffer f = RedrawAllInto(marks, sw);
  const std::string golden =
      std::string(TILVANE_SOURCE_DIR) + "/tests/field/golden/small_field.png";
  if (std::getenv("TILVANE_UPDATE_GOLDEN") != nullptr) {
    ASSERT_TRUE(test::Succeeded(SavePng(f, golden)));
  }
  PixelBuffer expected;
  ASSERT_TRUE(test::Succeeded(OpenPicture(golden, &expected)));
  ASSERT_EQ(expected.width(), f.width());
  EXPECT_EQ(Checksum(f), Checksum(expected)) << CountDifferences(f, expected) << " pixels differ";
}

TEST(StatusFrameTest, PiecesOfTheFramePicture) {
  PixelBuffer frame(30, 34);
  FillBlock(frame, 0, 0, 10, 34, 0x0000FF);
  FillBlock(frame, 10, 0, 10, 34, 0x00FF00);
  FillBlock(frame, 20, 0, 10, 34, 0xFF0000);
  frame.SetPixel(12, 5, kColorWhite);  // shows the repetition of the middle
  const PixelBuffer out = BuildStatusFrame(frame, 45);
  ASSERT_EQ(out.width(), 45);
  ASSERT_EQ(out.height(), 34);
  EXPECT_EQ(out.GetPixel(9, 0), 0x0000FF);
  EXPECT_EQ(out.GetPixel(10, 0), 0x00FF00);
  EXPECT_EQ(out.GetPixel(34, 33), 0x00FF00);
  EXPECT_EQ(out.GetPixel(35, 0), 0xFF0000);
  EXPECT_EQ(out.GetPixel(44, 33), 0xFF0000);
  for (int x : {12, 22, 32}) EXPECT_EQ(out.GetPixel(x, 5), kColorWhite) << x;
}

// At scale 2 the frame and its piece borders double: a pixel-doubled frame picture gives
// the pixel-doubled panel frame.
TEST(StatusFrameTest, ScaledFrameIsTheDoubledFrame) {
  PixelBuffer frame(30, 34), doubled(60, 68);
  for (int y = 0; y < 34; ++y)
    for (int x = 0; x < 30; ++x) frame.SetPixel(x, y, x * 8 + y * 0x10000);
  for (int y = 0; y < 68; ++y)
    for (int x = 0; x < 60; ++x) doubled.SetPixel(x, y, frame.GetPixel(x / 2, y / 2));
  const PixelBuffer one = BuildStatusFrame(frame, 110);
  const PixelBuffer two = BuildStatusFrame(doubled, 220, 2.0);
  ASSERT_EQ(two.height(), 68);
  int differing = 0;
  for (int y = 0; y < 68; ++y)
    for (int x = 0; x < 220; ++x) differing += two.GetPixel(x, y) != one.GetPixel(x / 2, y / 2);
  EXPECT_EQ(differing, 0);
}

TEST(ClockTest, TextAndHands) {
  const double hour = 1.0 / 24, second = hour / 3600;
  struct Case {
    double elapsed;
    const char* text;
  } cases[] = {
      {0, "00:00:00"},
      {59 * second, "00:00:59"},
      {hour + 2 * 60 * second + 3 * second, "01:02:03"},
      {25 * hour, "25:00:00"},
      {1 + 23 * hour + 59 * 60 * second + 59.9996 * second, "48:00:00"},
      {-5 * second, "00:00:00"},
  };
  for (const Case& c : cases) EXPECT_EQ(ClockText(10.25, 10.25 + c.elapsed), c.text) << c.text;

  PixelBuffer face(34, 34), clock;
  FillPicture(face, kColorWhite);
  DrawAnalogClock(clock, face, 3.0, 3.0 + 25 * hour);
  ASSERT_EQ(clock.width(), 34);
  EXPECT_EQ(clock.GetPixel(17, 9), 0xFF0000);      // seconds at 0, length 8, blue
  EXPECT_EQ(clock.GetPixel(17, 12), 0x800000);     // minutes at 0, navy
  EXPECT_EQ(clock.GetPixel(19, 14), kColorBlack);  // the hour hand points at 1
  EXPECT_EQ(clock.GetPixel(15, 14), kColorWhite);  // and not at 11
  EXPECT_EQ(clock.GetPixel(2, 2), kColorWhite);

  DrawAnalogClock(clock, face, 0, 15 * 60 * second);  // minute hand at 3
  EXPECT_EQ(clock.GetPixel(24, 17), 0x800000);

  // Twice the density: twice the size, hands twice as long and as wide.
  PixelBuffer face2(68, 68);
  FillPicture(face2, kColorWhite);
  DrawAnalogClock(clock, face2, 0, 15 * 60 * second, 2.0);
  ASSERT_EQ(clock.width(), 68);
  for (int y : {34, 35}) EXPECT_EQ(clock.GetPixel(48, y), 0x800000) << y;
  EXPECT_EQ(clock.GetPixel(34, 18), 0xFF0000);  // the seconds hand's tip, at 12
}

}  // namespace
}  // namespace tv
