// SPDX-License-Identifier: GPL-3.0-or-later
// Descriptor lines: which define a tile size and with what values.
#include "field/tileset_descriptor.h"

#include <gtest/gtest.h>

#include <string>

namespace tv {
namespace {

TEST(TilesetDescriptor, LinesThatDefineASize) {
  struct Case {
    const char* line;
    bool valid;
    TileSize size;
  };
  const Case cases[] = {
      {"width: 40; height: 52; depth: 6;", true, {40, 52, 6, 6}},
      {"depth:6;height:52;width:40;", true, {40, 52, 6, 6}},
      {"size  width: 40px; height: 52 ; depth: 6 ; comment", true, {40, 52, 6, 6}},
      {"width: 1000; height: 1000; depth: 1;", true, {1000, 1000, 1, 1}},
      {"width: 1001; height: 52; depth: 6;", false, {}},
      {"width: 40; height: 52; depth: 0;", false, {}},
      {"width: 40; height: 52;", false, {}},
      {"width: 40; height: 52; depth: 6", false, {}},    // no ';' after depth counts as 0
      {"width: abc; height: 52; depth: 6;", false, {}},  // no digits counts as 0
      {"Width: 40; height: 52; depth: 6;", false, {}},   // keys are case-sensitive
      {"width: 99999999999999999999; height: 5; depth: 1;", false, {}},
      {"# a comment", false, {}},
      {"", false, {}},
  };
  for (const Case& c : cases) {
    TileSize size{7, 7, 7, 7};
    EXPECT_EQ(ParseTileSizeLine(c.line, size), c.valid) << c.line;
    if (c.valid) {
      EXPECT_EQ(size, c.size) << c.line;
    }
  }
}

TEST(TilesetDescriptor, WholeTextKeepsLineOrderAndAtMostTwentySizes) {
  std::string text =
      "# sizes\r\nwidth: 30; height: 39; depth: 3;\r\n\r\nwidth: 20; height: 26; depth: 2;\n";
  for (int i = 0; i < 25; ++i)
    text += "width: " + std::to_string(40 + i) + "; height: 60; depth: 5;\n";
  const std::vector<TileSize> sizes = ParseTilesetDescriptor(text);
  ASSERT_EQ(sizes.size(), 20u);
  EXPECT_EQ(sizes[0].W, 30);
  EXPECT_EQ(sizes[1].W, 20);  // never sorted
  EXPECT_EQ(sizes[19].W, 57);
  EXPECT_TRUE(ParseTilesetDescriptor("").empty());
  EXPECT_EQ(ParseTilesetDescriptor("width: 40; height: 52; depth: 6;").size(), 1u);
}

TEST(TilesetDescriptor, SheetName) {
  EXPECT_EQ(TileSheetFileName("standard", 40, 52), "standard-40-52.png");
}

}  // namespace
}  // namespace tv
