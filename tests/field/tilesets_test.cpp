// SPDX-License-Identifier: GPL-3.0-or-later
// Scanning descriptors, loading a tile size with its checks, the tile form and the
// derived pictures, and the fit and zoom operations over a loaded tileset.
#include "field/tilesets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "field/geometry.h"
#include "field_test_sheet.h"
#include "support/succeeded.h"

namespace tv {
namespace {

using test::CellColor;
using test::MakeSheet;
using TempDir = test::TileDir;

constexpr int kGrey = 0x808080;

TEST(TilesetsTest, ScanSortsAndReadsDescriptorLines) {
  TempDir dir;
  dir.Write("beta.tiles",
            "# sizes\n"
            "width: 20; height: 26; depth: 3;\n"
            "width: 1000; height: 1000; depth: 1;\n"
            "width: 1001; height: 10; depth: 2;\n"
            "width: 10; height: 10; depth: 0;\n"
            "width: 10; height: 10;\n"
            "\n"
            "depth: 6; height: 52; width: 40;\n");
  dir.Write("Alpha.tiles", "width: 30; height: 40; depth: 4;\n");
  dir.Write("empty.tiles", "nothing here\n");
  dir.Write("notes.txt", "width: 30; height: 40; depth: 4;\n");

  dir.Write("gamma.tiles", "width: 30; height: 40; depth: 4;\nwidth: 1; height: 1; depth: 1;\n");
  dir.Write("delta.tiles", "width: 30; height: 40; depth: 1000;\n");

  // A size no field can show (1000 x 1000, 1 x 1, depth 1000) leaves its tileset out,
  // named, and the others load.
  Tilesets sets;
  sets.ScanTilesets(dir.str());
  ASSERT_EQ(sets.List().size(), 2u);
  EXPECT_EQ(sets.List()[0]->Name, "Alpha");
  EXPECT_EQ(sets.List()[1]->Name, "empty");
  EXPECT_EQ(sets.List()[1]->SizeCount, 0);
  EXPECT_EQ(sets.Refused(), (std::vector<std::string>{"beta", "delta", "gamma"}));
  EXPECT_EQ(sets.FindTileset("BETA"), nullptr);
  EXPECT_EQ(sets.FindTileset("alpha")->DescriptorPath, dir.str() + "Alpha.tiles");

  std::ifstream in(dir.str() + "beta.tiles");
  const std::vector<TileSize> sizes =
      ParseTilesetDescriptor(std::string(std::istreambuf_iterator<char>(in), {}));
  const std::vector<TileSize> expected = {{20, 26, 3, 3}, {1000, 1000, 1, 1}, {40, 52, 6, 6}};
  EXPECT_EQ(sizes, expected);

  Tilesets none;
  none.ScanTilesets(dir.str() + "missing/");
  EXPECT_TRUE(none.List().empty());
}

TEST(TilesetsTest, ScanSortsWhateverTheCase) {
  TempDir dir;
  for (const char* name : {"beta", "Zen", "alpha", "Delta"})
    dir.Write(std::string(name) + ".tiles", "width: 30; height: 40; depth: 4;\n");
  Tilesets sets;
  sets.ScanTilesets(dir.str());
  std::vector<std::string> names;
  for (const auto& set : sets.List()) names.push_back(set->Name);
  EXPECT_EQ(names, (std::vector<std::string>{"alpha", "beta", "Delta", "Zen"}));
}

TEST(TilesetsTest, TileFormShape) {
  const TileSize s{40, 52, 6, 6};
  PixelBuffer form;
  DrawTileForm(form, s);
  ASSERT_EQ(form.width(), 46);
  ASSERT_EQ(form.height(), 58);
  struct Case {
    int x, y, color;
    const char* what;
  } cases[] = {
      {0, 0, kKeyColor, "above the side edge"},
      {45, 57, kKeyColor, "right of the bottom edge"},
      {6, 0, kColorBlack, "face outline top-left"},
      {45, 51, kColorBlack, "face outline bottom-right"},
      {20, 20, kGrey, "face"},
      {3, 30, kGrey, "inside the side edge"},
      {0, 30, kColorBlack, "side edge outer line"},
      {20, 55, kGrey, "inside the bottom edge"},
      {20, 57, kColorBlack, "bottom edge outer line"},
  };
  for (const Case& c : cases) EXPECT_EQ(form.GetPixel(c.x, c.y), c.color) << c.what;
}

// Every pixel of the form against the shape it outlines: the face and both edges grey
// inside a black outline, see-through beyond the two cut corners. Pixels within a pixel
// of a slanted line may go either way.
TEST(TilesetsTest, TileFormAtEveryDepth) {
  for (const int d : {1, 2, 3, 12}) {
    const int W = 20, H = 26;
    PixelBuffer form;
    DrawTileForm(form, TileSize{W, H, d, d});
    ASSERT_EQ(form.width(), W + d);
    ASSERT_EQ(form.height(), H + d);
    for (int y = 0; y < H + d; ++y)
      for (int x = 0; x < W + d; ++x) {
        // Signed distances from the slanted lines: top-left cut, bottom-right cut and the
        // seam between the two edges; positive is inside the tile or right of the seam.
        const double topLeft = (x + y - d) / std::sqrt(2.0);
        const double bottomRight = ((W - 1 - x) + (H + d - 1 - y)) / std::sqrt(2.0);
        const double seam = (x - (H + d - 1 - y)) / std::sqrt(2.0);
        const bool onFace = x >= d && y < H;
        const bool faceOutline = onFace && (x == d || x == W + d - 1 || y == 0 || y == H - 1);
        const bool outerOutline = (x == 0 && y >= d) || (y == H + d - 1 && x < W);
        int expected = kGrey;
        if (topLeft <= -1 || bottomRight <= -1)
          expected = kKeyColor;
        else if (faceOutline || outerOutline)
          expected = kColorBlack;
        else if (std::abs(topLeft) < 1 || std::abs(bottomRight) < 1 ||
                 (!onFace && std::abs(seam) < 1))
          continue;
        ASSERT_EQ(form.GetPixel(x, y), expected) << "depth " << d << " at " << x << "," << y;
      }
  }
}

class TileLoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.Write("Set.tiles",
               "width: 20; height: 26; depth: 3;\n"
               "width: 40; height: 52; depth: 6;\n"
               "width: 60; height: 78; depth: 8;\n");
    dir_.WriteSheet("Set-20-26.png", MakeSheet(20, 26));
    dir_.WriteSheet("Set-40-52.png", MakeSheet(40, 52));
    // The largest size has no sheet.
    sets_.ScanTilesets(dir_.str());
    set_ = sets_.FindTileset("set");
    ASSERT_NE(set_, nullptr);
  }

  // The message of a failed load is what the player would see.
  bool Load(int index) {
    const Result loaded =
        sets_.LoadTileSize(set_, index, false, TileLoadTarget{&board_, &other_, &pics_});
    if (!loaded.Message().empty()) messages_.push_back(loaded.Message());
    return loaded.Ok();
  }

  TempDir dir_;
  Tilesets sets_;
  const TILESET_P* set_ = nullptr;
  MODE_P board_, other_;
  FieldPictures pics_;
  std::vector<std::string> messages_;
};

TEST_F(TileLoadTest, LoadMakesEveryPicture) {
  ASSERT_TRUE(Load(1));
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(board_.Game.FaceWidth, 40);
  EXPECT_EQ(board_.Game.TileHeight, 58);
  EXPECT_EQ(other_.Game.TileWidth, 46);
  EXPECT_EQ(other_.Game.ShadowWidth, 10);
  EXPECT_EQ(sets_.CurTileset, set_);
  EXPECT_EQ(sets_.TilesetName, "Set");
  EXPECT_TRUE(ZoomCommandStates(sets_).ZoomIn);
  EXPECT_TRUE(ZoomCommandStates(sets_).ZoomOut);

  EXPECT_EQ(pics_.Tiles.width(), 360);
  EXPECT_EQ(pics_.DimmedTiles.height(), 260);
  EXPECT_EQ(pics_.DrawTile.width(), 46);
  EXPECT_EQ(pics_.TileBitmap.height(), 58);
  EXPECT_EQ(pics_.HiddenTile.width(), 56);
  EXPECT_EQ(pics_.HiddenTile.height(), 68);

  // Dimmed by 76: 255 -> 179, and each channel v -> v - 76 v / 255.
  EXPECT_EQ(pics_.DimmedTiles.GetPixel(0, 0), JoinColor(179, 179, 179));
  const RgbBytes c = SplitColor(CellColor(3, 2));
  EXPECT_EQ(pics_.DimmedTiles.GetPixel(3 * 40 + 5, 2 * 52 + 5),
            JoinColor(c.red - 76 * c.red / 255, c.green - 76 * c.green / 255,
                      c.blue - 76 * c.blue / 255));
  // Inverted form: grey becomes 7F7F7F, black white, magenta stays.
  EXPECT_EQ(pics_.InvertedTileForm.GetPixel(20, 20), 0x7F7F7F);
  EXPECT_EQ(pics_.InvertedTileForm.GetPixel(6, 0), kColorWhite);
  EXPECT_EQ(pics_.InvertedTileForm.GetPixel(0, 0), kKeyColor);

  ASSERT_TRUE(Load(0));
  EXPECT_FALSE(ZoomCommandStates(sets_).ZoomOut);
}

TEST_F(TileLoadTest, SheetDimensionTolerance) {
  struct Case {
    int extraW, extraH;
    bool ok;
  } cases[] = {{8, 0, true},  {0, 4, true},  {8, 4, true},
               {9, 0, false}, {0, 5, false}, {-1, 0, false}};
  for (const Case& c : cases) {
    dir_.WriteSheet("Set-40-52.png", MakeSheet(40, 52, c.extraW, c.extraH));
    messages_.clear();
    EXPECT_EQ(Load(1), c.ok) << c.extraW << "," << c.extraH;
    if (c.ok) {
      EXPECT_TRUE(messages_.empty());
    } else {
      ASSERT_EQ(messages_.size(), 1u);
      EXPECT_EQ(messages_[0], "Tileset \"" + dir_.str() + "Set-40-52.png\" has wrong tiles sizes!");
    }
  }
}

TEST_F(TileLoadTest, FailedLoadKeepsPreviousState) {
  ASSERT_TRUE(Load(0));
  const PixelBuffer sheetBefore = pics_.Tiles;
  const GAME_P gameBefore = board_.Game;

  // Wrong dimensions: rejected after decoding, nothing replaced.
  dir_.WriteSheet("Set-40-52.png", MakeSheet(40, 52, 9, 0));
  EXPECT_FALSE(Load(1));
  // Not a picture: the open message.
  dir_.Write("Set-40-52.png", "this is not a picture");
  EXPECT_FALSE(Load(1));
  // Truncated PNG.
  std::vector<std::uint8_t> png;
  ASSERT_TRUE(test::Succeeded(EncodePng(MakeSheet(40, 52), &png)));
  dir_.Write("Set-40-52.png", std::string(png.begin(), png.begin() + png.size() / 2));
  EXPECT_FALSE(Load(1));
  // Missing sheet: silent.
  EXPECT_FALSE(Load(2));
  EXPECT_FALSE(Load(7));

  ASSERT_EQ(messages_.size(), 3u);
  EXPECT_NE(messages_[0].find("wrong tiles sizes"), std::string::npos);
  EXPECT_EQ(messages_[1], "Could not open picture \"" + dir_.str() + "Set-40-52.png\"!");
  EXPECT_EQ(messages_[2], messages_[1]);

  EXPECT_EQ(pics_.Tiles.width(), sheetBefore.width());
  EXPECT_EQ(pics_.Tiles.GetPixel(25, 30), sheetBefore.GetPixel(25, 30));
  EXPECT_EQ(pics_.TileForm.width(), 23);
  EXPECT_EQ(board_.Game.FaceWidth, gameBefore.FaceWidth);
  EXPECT_EQ(sets_.CurSizeIndex, 0);
}

TEST_F(TileLoadTest, ChooserLoadTouchesOnlyItsOwnPictures) {
  ASSERT_TRUE(Load(0));
  MODE_P sample;
  FieldPictures chooser;
  ASSERT_TRUE(sets_.LoadTileSize(set_, 1, true, TileLoadTarget{&sample, nullptr, &chooser}).Ok());
  EXPECT_EQ(sample.Game.FaceWidth, 40);
  EXPECT_EQ(chooser.TileForm.width(), 46);
  EXPECT_TRUE(chooser.DimmedTiles.IsEmpty());
  EXPECT_EQ(board_.Game.FaceWidth, 20);
  EXPECT_EQ(sets_.CurSizeIndex, 0);
  EXPECT_EQ(ChooseTileSize(sample, nullptr, 100, 100), -1);
}

TEST_F(TileLoadTest, FitAndZoom) {
  MODE_P edit;
  board_.Game.TileCount = 2;
  board_.Tiles[1].X = 4;
  board_.Tiles[1].Z = 1;
  FieldContext field{&sets_, &board_, &edit, false, &pics_};
  EXPECT_FALSE(FitTiles(field, TileFit::kWindow, 1000, 1000));  // no current tileset yet
  ASSERT_TRUE(Load(0));
  // Medium extent is 152 by 83; the largest size has no sheet, so fitting a
  // big window takes the nearest size that loads.
  ASSERT_TRUE(FitTiles(field, TileFit::kWindow, 1000, 1000).Ok());
  EXPECT_EQ(board_.Game.FaceWidth, 40);
  ASSERT_TRUE(FitTiles(field, TileFit::kWindow, 100, 200).Ok());
  EXPECT_EQ(board_.Game.FaceWidth, 20);
  ASSERT_TRUE(FitTiles(field, TileFit::kWindow, 152, 200).Ok());
  EXPECT_EQ(board_.Game.FaceWidth, 40);
  EXPECT_EQ(board_.Game.OriginX, 10);
  EXPECT_EQ(edit.Game.FaceWidth, 40);

  ASSERT_TRUE(FitTiles(field, TileFit::kZoomOut, 600, 400).Ok());
  EXPECT_EQ(board_.Game.FaceWidth, 20);
  EXPECT_EQ(board_.Tiles[1].Left, board_.Game.OriginX + 10 * 4 + 3);
  EXPECT_TRUE(FitTiles(field, TileFit::kZoomOut, 600, 400).Is(TileLoadError::kNoOtherSize));
  ASSERT_TRUE(FitTiles(field, TileFit::kZoomIn, 600, 400).Ok());
  EXPECT_EQ(board_.Game.FaceWidth, 40);
  // The largest size has no sheet: zooming in fails silently and changes nothing.
  const Result zoomed = FitTiles(field, TileFit::kZoomIn, 600, 400);
  EXPECT_TRUE(zoomed.Is(TileLoadError::kMissingSheet));
  EXPECT_TRUE(zoomed.Message().empty());
  EXPECT_EQ(board_.Game.FaceWidth, 40);
}

// Which tileset starts, the editor's tile size and when a changed window fits again.
TEST_F(TileLoadTest, StartTilesetEditorSizeAndRefitRules) {
  dir_.Write("Alpha.tiles", "width: 20; height: 26; depth: 3;\n");
  Tilesets two;
  two.ScanTilesets(dir_.str());
  struct Start {
    const char *remembered, *fallback, *starts;
  } starts[] = {{"SET", "Alpha", "Set"}, {"gone", "alpha", "Alpha"}, {"gone", "gone", "Alpha"}};
  for (const Start& s : starts)
    EXPECT_EQ(StartTileset(two, s.remembered, s.fallback)->Name, s.starts) << s.remembered;
  EXPECT_EQ(StartTileset(Tilesets(), "Set", "Set"), nullptr);

  // A new layout gets room to grow; an existing one its own fit when that is smaller.
  MODE_P wide;
  wide.Game.TileCount = 2;
  wide.Tiles[1].X = 100;
  struct Editing {
    const MODE_P* board;
    bool existing;
    int index;
  } editing[] = {{&wide, false, 2}, {&wide, true, 0}, {&board_, true, 2}};
  board_.Game.TileCount = 2;
  board_.Tiles[1].X = 4;
  board_.Tiles[1].Z = 1;
  for (const Editing& e : editing)
    EXPECT_EQ(EditorTileSizeIndex(*e.board, set_, 2000, 2000, e.existing), e.index) << e.existing;
  EXPECT_EQ(EditorTileSizeIndex(board_, nullptr, 2000, 2000, false), -1);

  // Laid out at face width 40 (extent 152 by 83) in 600 by 400.
  ASSERT_TRUE(Load(1));
  struct Resize {
    bool play;
    int width, height;
    bool refit;
  } resizes[] = {
      {true, 140, 200, true},      // smaller, and the tiles no longer fit
      {true, 500, 300, false},     // smaller, still fits
      {true, 600, 400, false},     // unchanged
      {true, 2000, 2000, true},    // grown enough for the largest size
      {false, 2000, 2000, false},  // the editor keeps its size
      {true, 600, 2000, true},     // only taller, enough for larger tiles
  };
  for (const Resize& r : resizes) {
    sets_.ZoomedFaceWidth = 40;
    EXPECT_EQ(RefitAfterResize(sets_, board_, r.play, 600, 400, r.width, r.height), r.refit)
        << r.width << "x" << r.height;
    // Only a grown window that gets larger tiles forgets the zoom.
    EXPECT_EQ(sets_.ZoomedFaceWidth, r.refit && r.width >= 600 ? 0 : 40) << r.width;
  }
}

// A zoom is the player's choice while it fits; a grown window brings larger tiles back
// only when a larger size than the one shown fits.
TEST_F(TileLoadTest, AZoomGivesWayOnlyToLargerTilesThatFit) {
  MODE_P edit;
  board_.Game.TileCount = 2;
  board_.Tiles[1].X = 4;
  board_.Tiles[1].Z = 1;
  FieldContext field{&sets_, &board_, &edit, false, &pics_};
  ASSERT_TRUE(Load(0));
  struct Step {
    bool zoomIn;       // the player's zoom before the window grows
    int zoomW, zoomH;  // the window the zoom is made in
    int grownW, grownH;
    bool givesWay;
    int faceWidth;  // shown after the grown window is laid out
  } steps[] = {
      {false, 1000, 1000, 1200, 1200, true, 40},  // zoomed out: the fit comes back
      {false, 1000, 1000, 140, 200, false, 20},   // zoomed out, still the best fit: kept
      {true, 100, 200, 120, 200, false, 40},      // zoomed in past the fit: kept
  };
  for (const Step& s : steps) {
    ASSERT_TRUE(FitTiles(field, TileFit::kWindow, s.zoomW, s.zoomH).Ok());
    ASSERT_TRUE(
        FitTiles(field, s.zoomIn ? TileFit::kZoomIn : TileFit::kZoomOut, s.zoomW, s.zoomH).Ok());
    const int zoomed = board_.Game.FaceWidth;
    EXPECT_EQ(sets_.ZoomedFaceWidth, zoomed);
    EXPECT_EQ(ZoomGivesWayToLargerTiles(sets_, board_, s.grownW, s.grownH), s.givesWay);
    EXPECT_EQ(sets_.ZoomedFaceWidth, s.givesWay ? 0 : zoomed);
    if (s.givesWay) {
      ASSERT_TRUE(FitTiles(field, TileFit::kWindow, s.grownW, s.grownH).Ok());
    }
    EXPECT_EQ(board_.Game.FaceWidth, s.faceWidth) << s.grownW;
    sets_.ZoomedFaceWidth = 0;
  }
}

}  // namespace
}  // namespace tv
