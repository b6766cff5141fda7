// SPDX-License-Identifier: GPL-3.0-or-later
// The background pictures shipped in data/bkg, opened with the game's picture loader.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "field/picture_loader.h"

namespace tv {
namespace {

namespace fs = std::filesystem;

const fs::path kBkgDir = fs::path(TILVANE_SOURCE_DIR) / "data" / "bkg";

// Every picture comes with its thumbnail and the other way round (a lone one would
// not be offered), both open, the picture covers a large window without upscaling
// blur and the thumbnail fills the chooser's box exactly. "li-river" is the fallback
// the game loads when the remembered picture is gone.
TEST(ShippedBackgroundsTest, EveryPictureAndThumbnailOpens) {
  int pictures = 0;
  bool fallback = false;
  for (const auto& entry : fs::directory_iterator(kBkgDir)) {
    const std::string stem = entry.path().stem().string();
    ASSERT_EQ(entry.path().extension(), ".jpg") << entry.path();
    const bool thumb = stem.size() > 6 && stem.ends_with("-thumb");
    const std::string name = thumb ? stem.substr(0, stem.size() - 6) : stem;
    SCOPED_TRACE(entry.path().filename().string());
    EXPECT_TRUE(fs::exists(kBkgDir / (name + (thumb ? ".jpg" : "-thumb.jpg"))));
    PixelBuffer picture;
    const Result opened = OpenPicture(entry.path().string(), &picture);
    ASSERT_TRUE(opened.Ok()) << opened.Message();
    if (thumb) {
      EXPECT_EQ(picture.width(), 200);
      EXPECT_EQ(picture.height(), 150);
    } else {
      EXPECT_GE(picture.width(), 1920);
      EXPECT_GE(picture.height(), 1200);
      ++pictures;
      fallback |= name == "li-river";
    }
  }
  EXPECT_GE(pictures, 8);
  EXPECT_TRUE(fallback);
}

}  // namespace
}  // namespace tv
