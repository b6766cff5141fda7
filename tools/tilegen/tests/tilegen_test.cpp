// SPDX-License-Identifier: GPL-3.0-or-later
// The generated tilesets: what the game's own loader reads back, and whether the
// faces can be told apart and join the tile body.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "face_painter.h"
#include "game/faces.h"
#include "tile_style.h"
#include "tileset_writer.h"

namespace tv::tilegen {
namespace {

namespace fs = std::filesystem;

bool FontReady() {
  return CheckGlyphFont().empty();
}

// `make test` sets TILVANE_REQUIRE_FONTS, so there a missing font fails instead of skipping.
#define REQUIRE_FONT()                                                    \
  do {                                                                    \
    if (FontReady()) break;                                               \
    if (std::getenv("TILVANE_REQUIRE_FONTS")) FAIL() << CheckGlyphFont(); \
    GTEST_SKIP() << CheckGlyphFont();                                     \
  } while (false)

class TempDir {
 public:
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "tilegen-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~TempDir() {
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The pixels of one cell as packed colours, for comparing cells.
std::vector<int> CellPixels(const QImage& sheet, int col, int row, const TileSize& size) {
  std::vector<int> pixels;
  for (int y = 0; y < size.height; ++y)
    for (int x = 0; x < size.width; ++x)
      pixels.push_back(
          static_cast<int>(sheet.pixel(col * size.width + x, row * size.height + y) & 0xFFFFFF));
  return pixels;
}

// Reads the descriptor by the game's rules: a line with all three keys, values
// up to the next ';', each 1..1000.
std::vector<TileSize> ParseDescriptor(const std::string& text) {
  std::vector<TileSize> sizes;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    auto value = [&](const char* key) {
      const auto at = line.find(key);
      if (at == std::string::npos) return -1;
      const auto end = line.find(';', at);
      if (end == std::string::npos) return 0;
      return std::atoi(line.substr(at + std::strlen(key), end - at - std::strlen(key)).c_str());
    };
    const int w = value("width:"), h = value("height:"), d = value("depth:");
    if (w >= 1 && w <= 1000 && h >= 1 && h <= 1000 && d >= 1 && d <= 1000)
      sizes.push_back({w, h, d});
  }
  return sizes;
}

TEST(TilegenTest, StylesHaveUsableSizes) {
  ASSERT_NE(FindStyle("standard"), nullptr);  // the game's fallback tileset
  EXPECT_EQ(FindStyle("STANDARD"), FindStyle("standard"));
  EXPECT_EQ(FindStyle("no-such-style"), nullptr);
  for (const TileStyle& style : BuiltInStyles()) {
    SCOPED_TRACE(style.name);
    ASSERT_FALSE(style.sizes.empty());
    EXPECT_LE(style.sizes.size(), 20u);  // a tileset holds at most 20 sizes
    for (std::size_t i = 0; i < style.sizes.size(); ++i) {
      const TileSize& s = style.sizes[i];
      // Zoom walks the list in order of face width.
      if (i > 0) {
        EXPECT_GT(s.width, style.sizes[i - 1].width);
      }
      // Tiles step by half a face, so odd sizes would leave gaps between tiles.
      EXPECT_EQ(s.width % 2, 0);
      EXPECT_EQ(s.height % 2, 0);
      // A higher level rises by depth - 1, so depth 1 would not show levels.
      EXPECT_GE(s.depth, 2);
      EXPECT_LT(s.depth, s.width / 2);
    }
  }
}

TEST(TilegenTest, WrittenTilesetReadsBackAsDrawn) {
  REQUIRE_FONT();
  TempDir dir;
  ASSERT_FALSE(dir.path().empty());
  for (TileStyle style : BuiltInStyles()) {
    SCOPED_TRACE(style.name);
    // The extremes stand for the sizes between; all of them take many seconds.
    style.sizes = {style.sizes.front(), style.sizes.back()};
    std::string error;
    ASSERT_TRUE(WriteTileset(dir.path(), style, &error)) << error;

    std::ifstream descriptor(dir.path() + "/" + style.name + ".tiles");
    std::stringstream text;
    text << descriptor.rdbuf();
    const std::vector<TileSize> listed = ParseDescriptor(text.str());
    ASSERT_EQ(listed.size(), style.sizes.size());

    for (std::size_t i = 0; i < listed.size(); ++i) {
      const TileSize& size = listed[i];
      EXPECT_EQ(size.width, style.sizes[i].width);
      EXPECT_EQ(size.height, style.sizes[i].height);
      EXPECT_EQ(size.depth, style.sizes[i].depth);
      const std::string path = dir.path() + "/" + style.name + "-" + std::to_string(size.width) +
                               "-" + std::to_string(size.height) + ".png";
      // An 8-bit RGB PNG without interlacing, the plainest kind any reader takes.
      std::ifstream file(path, std::ios::binary);
      char header[29] = {};
      ASSERT_TRUE(file.read(header, sizeof header)) << path;
      EXPECT_EQ(std::string(header + 12, 4), "IHDR");
      EXPECT_EQ(header[24], 8);  // bit depth
      EXPECT_EQ(header[25], 2);  // colour type RGB
      EXPECT_EQ(header[28], 0);  // not interlaced
      QImage loaded(QString::fromStdString(path));
      ASSERT_FALSE(loaded.isNull()) << path;
      ASSERT_EQ(loaded.width(), 9 * size.width);
      ASSERT_EQ(loaded.height(), 5 * size.height);
      // Every pixel as drawn; channel order mistakes show up here.
      const QImage drawn = DrawSheet(style, size);
      int mismatches = 0;
      for (int y = 0; y < loaded.height(); ++y)
        for (int x = 0; x < loaded.width(); ++x)
          if ((loaded.pixel(x, y) & 0xFFFFFF) != (drawn.pixel(x, y) & 0xFFFFFF)) ++mismatches;
      EXPECT_EQ(mismatches, 0) << path;
    }
  }
}

TEST(TilegenTest, FacesAreDistinctFramedAndFreeOfTheKeyColour) {
  REQUIRE_FONT();
  for (const TileStyle& style : BuiltInStyles()) {
    for (const TileSize& size : {style.sizes.front(), style.sizes.back()}) {
      SCOPED_TRACE(style.name + " " + std::to_string(size.width));
      const QImage sheet = DrawSheet(style, size);
      ASSERT_EQ(sheet.format(), QImage::Format_RGB888);
      ASSERT_EQ(sheet.width(), 9 * size.width);
      ASSERT_EQ(sheet.height(), 5 * size.height);

      // The unused cell of row 3 is a blank face: every face must differ from
      // it (a face drawn empty, say for a missing glyph) and from each other.
      std::set<std::vector<int>> seen = {CellPixels(sheet, 8, 3, size)};
      for (int face = 0; face < kFaceCount; ++face) {
        const SheetCell cell = SheetCellOf(face);
        EXPECT_TRUE(seen.insert(CellPixels(sheet, cell.col, cell.row, size)).second)
            << FaceName(face) << " (face " << face << ") looks like another cell";
      }
      for (const auto& [col, row] : {std::pair{kEditorTileCol, kEditorTileRow},
                                     std::pair{kEditorCursorCol, kEditorCursorRow}})
        EXPECT_TRUE(seen.insert(CellPixels(sheet, col, row, size)).second)
            << "editor cell " << col << "," << row;

      int key_pixels = 0, frame_faults = 0;
      for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x) {
          const QRgb rgb = sheet.pixel(x, y) & 0xFFFFFF;
          if (rgb == 0xFF00FF) ++key_pixels;
          // The face's own outline continues the black outline of the tile body.
          const int cx = x % size.width, cy = y % size.height;
          const bool frame = cx == 0 || cy == 0 || cx == size.width - 1 || cy == size.height - 1;
          if (frame && rgb != 0) ++frame_faults;
        }
      EXPECT_EQ(key_pixels, 0);
      EXPECT_EQ(frame_faults, 0);
    }
  }
}

// The game dims blocked tiles by taking 76/255 off every channel, which barely
// shows on dark pixels; enough of each sheet must be light for free and blocked
// tiles to differ at a glance. A dark face without its light rim fails this.
TEST(TilegenTest, DimmingShowsOnEveryStyle) {
  REQUIRE_FONT();
  for (const TileStyle& style : BuiltInStyles()) {
    for (const TileSize& size : {style.sizes.front(), style.sizes.back()}) {
      SCOPED_TRACE(style.name + " " + std::to_string(size.width));
      const QImage sheet = DrawSheet(style, size);
      long pixels = 0, clearly_darker = 0;
      for (int face = 0; face < kFaceCount; ++face) {
        const SheetCell cell = SheetCellOf(face);
        for (const int rgb : CellPixels(sheet, cell.col, cell.row, size)) {
          const int luma = (299 * qRed(rgb) + 587 * qGreen(rgb) + 114 * qBlue(rgb)) / 1000;
          ++pixels;
          if (76 * luma / 255 >= 40) ++clearly_darker;
        }
      }
      EXPECT_GE(clearly_darker * 4, pixels) << clearly_darker << " of " << pixels;
    }
  }
}

// The shipped sheets must be what the generator draws now; a small share of
// pixels may differ where another font renderer or Qt version smooths edges.
TEST(TilegenTest, ShippedSheetsAreUpToDate) {
  REQUIRE_FONT();
  const std::string tiles = std::string(TILVANE_SOURCE_DIR) + "/data/tiles/";
  for (const TileStyle& style : BuiltInStyles()) {
    for (const TileSize& size : style.sizes) {
      const std::string path = tiles + SheetFileName(style.name, size);
      SCOPED_TRACE(path);
      const QImage shipped(QString::fromStdString(path));
      ASSERT_FALSE(shipped.isNull()) << "run tilvane-tilegen --out data/tiles";
      const QImage drawn = DrawSheet(style, size);
      ASSERT_EQ(shipped.size(), drawn.size());
      long far_off = 0;
      for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
          const QRgb a = shipped.pixel(x, y), b = drawn.pixel(x, y);
          if (std::abs(qRed(a) - qRed(b)) > 48 || std::abs(qGreen(a) - qGreen(b)) > 48 ||
              std::abs(qBlue(a) - qBlue(b)) > 48)
            ++far_off;
        }
      EXPECT_LT(far_off, static_cast<long>(drawn.width()) * drawn.height() / 100)
          << "run tilvane-tilegen --out data/tiles";
    }
  }
}

// The layout chooser cuts the strip by its markers and reads each edge from the
// black run at the start of the tile's top row; the rest of a tile must hold no
// black, which would show through.
TEST(TilegenTest, PreviewStripCutsIntoItsSizes) {
  const QImage strip = DrawPreviewStrip(*FindStyle("standard"));
  ASSERT_EQ(strip.width(), 88);
  ASSERT_EQ(strip.height(), kPreviewStripHeight);
  auto colour = [&](int x, int y) { return strip.pixel(x, y) & 0xFFFFFF; };
  std::vector<PreviewTile> cut;
  int start = 0;
  for (int x = 0; x < strip.width(); ++x) {
    if (colour(x, 0) != 0xFF00FF) continue;
    const int side = x - start;
    int edge = 0;
    while (edge < side && colour(start + edge, 0) == 0) ++edge;
    cut.push_back({side, edge});
    int holes = 0, outside_faults = 0;
    for (int y = 0; y < strip.height(); ++y)
      for (int i = 0; i < side; ++i) {
        const bool body = y < side && i + y >= edge && i + y <= 2 * side - edge - 2;
        if (body && colour(start + i, y) == 0) ++holes;
        if (!body && colour(start + i, y) != 0) ++outside_faults;
      }
    EXPECT_EQ(holes, 0) << "tile " << side;
    EXPECT_EQ(outside_faults, 0) << "tile " << side;
    start = x + 1;
  }
  ASSERT_EQ(cut.size(), std::size(kPreviewTiles));
  for (std::size_t i = 0; i < cut.size(); ++i) {
    EXPECT_EQ(cut[i].side, kPreviewTiles[i].side);
    EXPECT_EQ(cut[i].edge, kPreviewTiles[i].edge);
  }
}

TEST(TilegenTest, FailedWriteLeavesNoDescriptor) {
  TempDir dir;
  const std::string missing = dir.path() + "/absent/tiles";
  std::string error;
  TileStyle style = BuiltInStyles().front();
  style.sizes.resize(1);
  EXPECT_FALSE(WriteTileset(missing, style, &error));
  EXPECT_NE(error.find("absent"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(missing + "/" + style.name + ".tiles"));

  error.clear();
  EXPECT_TRUE(EncodePng(QImage(4, 4, QImage::Format_ARGB32), &error).empty());
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace tv::tilegen

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
