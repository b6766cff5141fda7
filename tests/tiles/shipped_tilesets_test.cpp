// SPDX-License-Identifier: GPL-3.0-or-later
// The tilesets shipped in data/tiles, read the way the game reads them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "field/picture_loader.h"
#include "field/tileset_descriptor.h"
#include "game/files.h"
#include "support/succeeded.h"

namespace tv {
namespace {

namespace fs = std::filesystem;

const fs::path kTilesDir = fs::path(TILVANE_SOURCE_DIR) / "data" / "tiles";

std::vector<std::string> TilesetNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kTilesDir))
    if (entry.path().extension() == ".tiles") names.push_back(entry.path().stem().string());
  return names;
}

TEST(ShippedTilesetsTest, TheFallbackTilesetIsShipped) {
  bool found = false;
  for (const std::string& name : TilesetNames()) found |= EqualsIgnoreCase(name, "standard");
  EXPECT_TRUE(found);
}

TEST(ShippedTilesetsTest, EverySizeHasASheetOfExactlyNineByFiveFaces) {
  const std::vector<std::string> names = TilesetNames();
  ASSERT_FALSE(names.empty());
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    std::ifstream in(kTilesDir / (name + ".tiles"), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    const std::vector<TileSize> sizes = ParseTilesetDescriptor(text);
    ASSERT_FALSE(sizes.empty());
    // Every size line counts: none out of range, none past the twentieth.
    std::size_t size_lines = 0;
    for (std::size_t at = text.find("width:"); at != std::string::npos;
         at = text.find("width:", at + 1))
      ++size_lines;
    EXPECT_EQ(sizes.size(), size_lines);
    for (std::size_t i = 0; i < sizes.size(); ++i) {
      const TileSize& s = sizes[i];
      // Fitting and zoom walk the list in this order.
      if (i > 0) {
        EXPECT_GT(s.W, sizes[i - 1].W);
      }
      const fs::path sheet = kTilesDir / TileSheetFileName(name, s.W, s.H);
      PixelBuffer picture;
      ASSERT_TRUE(test::Succeeded(OpenPicture(sheet.string(), &picture))) << sheet;
      EXPECT_EQ(picture.width(), 9 * s.W) << sheet;
      EXPECT_EQ(picture.height(), 5 * s.H) << sheet;
      // The key colour in a sheet would punch holes into the drawn tiles.
      int key_pixels = 0;
      for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) key_pixels += picture.GetPixel(x, y) == kKeyColor;
      EXPECT_EQ(key_pixels, 0) << sheet;
    }
  }
}

}  // namespace
}  // namespace tv
