// SPDX-License-Identifier: GPL-3.0-or-later
// Background pictures: which files are offered, the thumbnail box, loading with its
// three outcomes, the start-up fallback, the stretch, and saving and restoring the record.
#include "content/background.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "field/picture_loader.h"
#include "support/temp_dir.h"

namespace tv {
namespace {

namespace fs = std::filesystem;

// The loader goes by the first bytes, so a PNG under a ".jpg" name serves as a picture.
void WritePicture(const fs::path& path, int width, int height, int color) {
  PixelBuffer picture(width, height);
  FillPicture(picture, color);
  ASSERT_TRUE(SavePng(picture, path.string()).Ok());
}

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(ScanBkgPics, OffersPicturesWithBothFilesSortedIgnoringCase) {
  test::TempDir dir;
  for (const char* file : {"b-thumb.jpg", "b.jpg", "A-THUMB.jpg", "A.jpg", "orphan-thumb.jpg",
                           "alone.jpg", "-thumb.jpg", "c-thumb.png", "c.png"})
    WriteText(dir.path() / file, "x");
  const std::vector<BKGPIC_P> pics = ScanBkgPics(dir.dir());
  ASSERT_EQ(pics.size(), 2u);
  EXPECT_EQ(pics[0].Name, "A");
  EXPECT_EQ(pics[0].ThumbPath, dir.dir() + "A-THUMB.jpg");
  EXPECT_EQ(pics[0].PicPath, dir.dir() + "A.jpg");
  EXPECT_EQ(pics[1].Name, "b");
  EXPECT_TRUE(ScanBkgPics(dir.dir() + "missing/").empty());
}

TEST(BkgThumb, CopiedWhenItFitsElseScaledIntoTheBoxAndCentred) {
  struct Case {
    int w, h;
    ThumbPlace expected;
  } cases[] = {
      {200, 150, {0, 0, 200, 150}}, {400, 100, {0, 50, 200, 50}}, {100, 300, {75, 0, 50, 150}},
      {100, 50, {50, 50, 100, 50}}, {201, 150, {0, 0, 200, 149}},
  };
  for (const Case& c : cases) {
    const ThumbPlace p = PlaceBkgThumb(c.w, c.h);
    EXPECT_EQ(std::tie(p.x, p.y, p.width, p.height),
              std::tie(c.expected.x, c.expected.y, c.expected.width, c.expected.height))
        << c.w << "x" << c.h;
  }
  PixelBuffer wide(400, 100), thumb;
  FillPicture(wide, 0x0000FF);
  DrawBkgThumb(wide, thumb);
  EXPECT_EQ(thumb.GetPixel(100, 49), kColorWhite);
  EXPECT_EQ(thumb.GetPixel(100, 50), 0x0000FF);
  EXPECT_EQ(thumb.GetPixel(199, 99), 0x0000FF);
  EXPECT_EQ(thumb.GetPixel(100, 100), kColorWhite);
}

class BackgroundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WritePicture(dir.path() / "li-river.jpg", 40, 30, 0x112233);
    WritePicture(dir.path() / "jade.jpg", 40, 30, 0x00AA00);
    WriteText(dir.path() / "broken.jpg", "\xFF\xD8\xFF not really a picture");
    bkg.SetFieldSize(120, 90);
    bkg.ResizeBkgPic(100, 80);
  }
  test::TempDir dir;
  Settings settings;
  Background bkg{settings, {dir.dir()}};
};

TEST_F(BackgroundTest, LoadingStretchesOverTheAreaAndResetsTheColour) {
  settings.BkgColor = 0x123456;
  ASSERT_TRUE(bkg.LoadBkgPic("JADE").Ok());  // names are looked up ignoring case
  EXPECT_TRUE(settings.UseTexture);
  EXPECT_EQ(settings.Texture, "JADE");
  EXPECT_EQ(settings.BkgColor, kDefaultBkgColor);
  const PixelBuffer* shown = bkg.Picture();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->width(), 120);
  EXPECT_EQ(shown->GetPixel(0, 0), 0x00AA00);
  EXPECT_EQ(shown->GetPixel(99, 79), 0x00AA00);
  // A new lay-out stretches it again; no area at all leaves no picture to show.
  bkg.ResizeBkgPic(0, 80);
  EXPECT_EQ(bkg.Picture(), nullptr);
  bkg.ResizeBkgPic(120, 90);
  EXPECT_EQ(bkg.Picture()->GetPixel(119, 89), 0x00AA00);
}

TEST_F(BackgroundTest, MissingPictureFallsBackToTheColourWithoutAMessage) {
  ASSERT_TRUE(bkg.LoadBkgPic("jade").Ok());
  const Result missing = bkg.LoadBkgPic("gone");
  EXPECT_TRUE(missing.Is(BkgLoadError::kMissing));
  EXPECT_TRUE(missing.Message().empty());
  EXPECT_FALSE(settings.UseTexture);
  EXPECT_EQ(bkg.Picture(), nullptr);
}

TEST_F(BackgroundTest, UnreadablePictureIsReportedAndChangesNothing) {
  ASSERT_TRUE(bkg.LoadBkgPic("jade").Ok());
  settings.BkgColor = 0x654321;
  const Result broken = bkg.LoadBkgPic("broken");
  EXPECT_TRUE(broken.Is(BkgLoadError::kUnreadable));
  EXPECT_EQ(broken.Message(), "Could not open picture \"broken\"!");
  EXPECT_TRUE(settings.UseTexture);
  EXPECT_EQ(settings.Texture, "jade");
  EXPECT_EQ(settings.BkgColor, 0x654321);
  ASSERT_NE(bkg.Picture(), nullptr);
  EXPECT_EQ(bkg.Picture()->GetPixel(5, 5), 0x00AA00);
}

TEST_F(BackgroundTest, StartUpTriesTheRememberedPictureThenTheDefault) {
  settings.Texture = "gone";
  EXPECT_TRUE(bkg.LoadStartBkgPic("li-river").empty());
  EXPECT_EQ(settings.Texture, "li-river");
  EXPECT_TRUE(settings.UseTexture);

  settings.Texture = "broken";
  EXPECT_EQ(bkg.LoadStartBkgPic("li-river"),
            std::vector<std::string>{"Could not open picture \"broken\"!"});
  EXPECT_EQ(settings.Texture, "li-river");

  fs::remove(dir.path() / "li-river.jpg");
  settings.Texture = "gone";
  EXPECT_TRUE(bkg.LoadStartBkgPic("li-river").empty());
  EXPECT_FALSE(settings.UseTexture);
  // A colour wanted: no picture is even tried.
  settings.Texture = "jade";
  EXPECT_TRUE(bkg.LoadStartBkgPic("li-river").empty());
  EXPECT_EQ(bkg.Picture(), nullptr);
}

TEST_F(BackgroundTest, RestoringTheRecordBringsBackThePicture) {
  ASSERT_TRUE(bkg.LoadBkgPic("jade").Ok());
  Background::Record saved = bkg.Save();
  ASSERT_TRUE(bkg.LoadBkgPic("li-river").Ok());
  settings.UseTexture = false;
  settings.BkgColor = 0x0000FF;
  bkg.Restore(std::move(saved));
  EXPECT_TRUE(settings.UseTexture);
  EXPECT_EQ(settings.Texture, "jade");
  EXPECT_EQ(settings.BkgColor, kDefaultBkgColor);
  ASSERT_NE(bkg.Picture(), nullptr);
  EXPECT_EQ(bkg.Picture()->GetPixel(5, 5), 0x00AA00);
}

}  // namespace
}  // namespace tv
