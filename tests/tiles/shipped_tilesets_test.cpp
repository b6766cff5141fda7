// The tilesets shipped in data/tiles, read the way the game reads them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "field/picture_loader.h"
#include "game/files.h"

namespace tv {
namespace {

namespace fs = std::filesystem;

const fs::path kTilesDir = fs::path(TILVANE_SOURCE_DIR) / "data" / "tiles";

struct ListedSize {
  int width, height, depth;
};

// A descriptor line counts when it holds all three keys, each value ending at
// the next ';' and lying in 1..1000.
std::vector<ListedSize> ReadDescriptor(const fs::path& path) {
  std::ifstream in(path);
  std::vector<ListedSize> sizes;
  for (std::string line; std::getline(in, line);) {
    auto value = [&](const char* key) {
      const auto at = line.find(key);
      if (at == std::string::npos) return -1;
      const auto end = line.find(';', at);
      if (end == std::string::npos) return 0;
      const std::size_t from = at + std::strlen(key);
      return std::atoi(line.substr(from, end - from).c_str());
    };
    const int w = value("width:"), h = value("height:"), d = value("depth:");
    if (w >= 1 && w <= 1000 && h >= 1 && h <= 1000 && d >= 1 && d <= 1000)
      sizes.push_back({w, h, d});
  }
  return sizes;
}

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
    const std::vector<ListedSize> sizes = ReadDescriptor(kTilesDir / (name + ".tiles"));
    ASSERT_FALSE(sizes.empty());
    EXPECT_LE(sizes.size(), 20u);
    for (std::size_t i = 0; i < sizes.size(); ++i) {
      const ListedSize& s = sizes[i];
      // Fitting and zoom walk the list in this order.
      if (i > 0) {
        EXPECT_GT(s.width, sizes[i - 1].width);
      }
      const fs::path sheet = kTilesDir / (name + "-" + std::to_string(s.width) + "-" +
                                          std::to_string(s.height) + ".png");
      PixelBuffer picture;
      std::string error;
      ASSERT_TRUE(OpenPicture(sheet.string(), &picture, &error)) << sheet << ": " << error;
      EXPECT_EQ(picture.width(), 9 * s.width) << sheet;
      EXPECT_EQ(picture.height(), 5 * s.height) << sheet;
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
