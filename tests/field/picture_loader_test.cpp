// SPDX-License-Identifier: GPL-3.0-or-later
// Picture loader: real files of every kind and variant decode to the expected pixels;
// truncated, corrupted and hostile files fail cleanly and leave the target untouched.
#include "field/picture_loader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "game/files.h"
#include "support/succeeded.h"

namespace tv {
namespace {

namespace fs = std::filesystem;

// The patterns of data/pictures/make_pictures.py.
int PatternColor(int x, int y) {
  return JoinColor((x * 40 + y * 3) % 256, (y * 50 + x * 7) % 256, (x * y * 9 + 60) % 256);
}
int BlockColor(int x, int y) {
  const int bx = x / 16, by = y / 16;
  return JoinColor((bx * 70 + 20) % 256, (by * 120 + 40) % 256, ((bx + by) * 50 + 30) % 256);
}
constexpr int kPatternWidth = 13, kPatternHeight = 7;

std::string PicturePath(const std::string& name) {
  return std::string(TILVANE_SOURCE_DIR) + "/tests/field/data/pictures/" + name;
}

std::vector<std::uint8_t> ReadFixture(const std::string& name) {
  std::vector<std::uint8_t> bytes;
  EXPECT_TRUE(test::Succeeded(ReadWholeFile(PicturePath(name), bytes))) << name;
  return bytes;
}

// Decoders smooth colour across the edges of the subsampled blocks, so JPEG checks look at
// the inner pixels of each block only (-1: not compared).
int BlockInnerColor(int x, int y) {
  const int ix = x % 16, iy = y % 16;
  if (ix < 2 || ix > 13 || iy < 2 || iy > 13) return -1;
  return BlockColor(x, y);
}

// Largest per-channel difference between two pictures of the same size.
template <typename Expected>
int MaxDifference(const PixelBuffer& picture, Expected expected) {
  int worst = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const int want = expected(x, y);
      if (want < 0) continue;
      const RgbBytes a = SplitColor(picture.GetPixel(x, y));
      const RgbBytes b = SplitColor(want);
      worst = std::max(
          {worst, std::abs(a.red - b.red), std::abs(a.green - b.green), std::abs(a.blue - b.blue)});
    }
  }
  return worst;
}

struct Fixture {
  const char* name;
  PictureKind kind;
  int width;
  int height;
  int (*expected)(int, int);
  int tolerance;  // 0: exact
};

int GreyBlock(int x, int y) {
  const int g = SplitColor(BlockColor(x, y)).green;
  return JoinColor(g, g, g);
}
// Low-depth bitmaps use a grey palette of 2^bits entries, index (x + y) mod 2^bits.
int Grey4(int x, int y) {
  const int v = (x + y) % 16 * 17;
  return JoinColor(v, v, v);
}
int Grey1(int x, int y) {
  return (x + y) % 2 ? 0xFFFFFF : 0;
}
// 16-bit bitmaps keep 5 bits per channel.
int Pattern555(int x, int y) {
  const RgbBytes c = SplitColor(PatternColor(x, y));
  auto widen = [](int v) { return ((v >> 3) * 255 + 15) / 31; };
  return JoinColor(widen(c.red), widen(c.green), widen(c.blue));
}
const Fixture kFixtures[] = {
    {"rgb.png", PictureKind::kPng, 13, 7, PatternColor, 0},
    {"palette.png", PictureKind::kPng, 13, 7, PatternColor, 0},
    {"interlaced.png", PictureKind::kPng, 13, 7, PatternColor, 0},
    {"deep.png", PictureKind::kPng, 13, 7, PatternColor, 0},
    {"plain.gif", PictureKind::kGif, 13, 7, PatternColor, 0},
    {"interlaced.gif", PictureKind::kGif, 13, 7, PatternColor, 0},
    {"baseline.jpg", PictureKind::kJpeg, 64, 32, BlockInnerColor, 4},
    {"progressive.jpg", PictureKind::kJpeg, 64, 32, BlockInnerColor, 4},
    {"grey.jpg", PictureKind::kJpeg, 64, 32, GreyBlock, 2},
    {"bits24.bmp", PictureKind::kBitmap, 13, 7, PatternColor, 0},
    {"bits24_topdown.bmp", PictureKind::kBitmap, 13, 7, PatternColor, 0},
    {"bits24_core.bmp", PictureKind::kBitmap, 13, 7, PatternColor, 0},
    {"bits32.bmp", PictureKind::kBitmap, 13, 7, PatternColor, 0},
    {"bits32_bitfields_topdown.bmp", PictureKind::kBitmap, 13, 7, PatternColor, 0},
    {"bits16.bmp", PictureKind::kBitmap, 13, 7, Pattern555, 0},
    {"bits8.bmp", PictureKind::kBitmap, 13, 7, PatternColor, 0},
    {"bits8_topdown.bmp", PictureKind::kBitmap, 13, 7, PatternColor, 0},
    {"bits4.bmp", PictureKind::kBitmap, 13, 7, Grey4, 0},
    {"bits1.bmp", PictureKind::kBitmap, 13, 7, Grey1, 0},
};

TEST(PictureLoaderTest, DecodesEveryKindAndVariant) {
  for (const Fixture& f : kFixtures) {
    SCOPED_TRACE(f.name);
    const std::vector<std::uint8_t> bytes = ReadFixture(f.name);
    EXPECT_EQ(ClassifyPicture(bytes.data(), bytes.size()), f.kind);
    PixelBuffer picture;
    ASSERT_TRUE(test::Succeeded(OpenPicture(PicturePath(f.name), &picture)));
    ASSERT_EQ(picture.width(), f.width);
    ASSERT_EQ(picture.height(), f.height);
    EXPECT_LE(MaxDifference(picture, f.expected), f.tolerance);
  }
}

TEST(PictureLoaderTest, TransparencyBlendsOverWhiteOrShowsTheBackground) {
  // Grey x * 20 with alpha y * 40: blended over white.
  for (const char* name : {"grey_alpha.png", "palette_alpha.png"}) {
    SCOPED_TRACE(name);
    PixelBuffer picture;
    ASSERT_TRUE(test::Succeeded(OpenPicture(PicturePath(name), &picture)));
    EXPECT_LE(MaxDifference(picture,
                            [](int x, int y) {
                              const int g = x * 20 % 256, a = y * 40 % 256;
                              const int v = (g * a + 255 * (255 - a) + 127) / 255;
                              return JoinColor(v, v, v);
                            }),
              0);
  }
  // Transparent GIF pixels show the screen's background colour, the global colour table
  // entry named in byte 11 (the table starts at byte 13).
  const std::vector<std::uint8_t> file = ReadFixture("transparent.gif");
  const std::uint8_t* entry = file.data() + 13 + 3 * file[11];
  const int background = JoinColor(entry[0], entry[1], entry[2]);
  ASSERT_NE(background, PatternColor(0, 0));
  PixelBuffer gif;
  ASSERT_TRUE(test::Succeeded(OpenPicture(PicturePath("transparent.gif"), &gif)));
  EXPECT_EQ(MaxDifference(gif,
                          [background](int x, int y) {
                            const int c = PatternColor(x, y);
                            return c == PatternColor(0, 0) ? background : c;
                          }),
            0);
}

TEST(PictureLoaderTest, ClassifiesByFirstBytes) {
  struct Case {
    std::vector<std::uint8_t> bytes;
    PictureKind kind;
  };
  const Case cases[] = {
      {{0xFF, 0xD8, 0xFF, 0xE0}, PictureKind::kJpeg},
      {{0xFF, 0xD8, 0xFE, 0xE0}, PictureKind::kUnknown},
      {{'G', 'I', 'F', '8', '9'}, PictureKind::kGif},
      {{'G', 'I', 'F', '7'}, PictureKind::kUnknown},
      {{'B', 'M'}, PictureKind::kBitmap},
      {{'b', 'M', 0, 0}, PictureKind::kUnknown},
      {{0x89, 'P', 'N', 'G'}, PictureKind::kPng},
      {{0x88, 'P', 'N', 'G'}, PictureKind::kUnknown},
      {{0x89, 'P', 'N'}, PictureKind::kUnknown},
      {{}, PictureKind::kUnknown},
  };
  for (const Case& c : cases) EXPECT_EQ(ClassifyPicture(c.bytes.data(), c.bytes.size()), c.kind);
}

// A picture that must survive every failed load unchanged.
PixelBuffer Sentinel() {
  PixelBuffer b(3, 2);
  FillPicture(b, 0x123456);
  return b;
}

void ExpectCleanFailure(const std::vector<std::uint8_t>& bytes, const std::string& what) {
  PixelBuffer picture = Sentinel();
  const Result decoded = DecodePicture(bytes.data(), bytes.size(), &picture);
  EXPECT_TRUE(decoded.Is(PictureCode::kBadData) || decoded.Is(PictureCode::kUnknownKind)) << what;
  EXPECT_FALSE(decoded.Message().empty()) << what;
  ASSERT_EQ(picture.width(), 3) << what;
  EXPECT_EQ(picture.GetPixel(2, 1), 0x123456) << what;
}

TEST(PictureLoaderTest, TruncatedFilesFail) {
  for (const Fixture& f : kFixtures) {
    const std::vector<std::uint8_t> bytes = ReadFixture(f.name);
    // GIF readers stop after the first image, so only cuts before its end must fail.
    const std::size_t full = f.kind == PictureKind::kGif ? bytes.size() - 1 : bytes.size();
    for (std::size_t cut : {std::size_t{0}, std::size_t{2}, std::size_t{5}, std::size_t{20},
                            full / 2, full - 3, full - 1}) {
      if (cut >= full) continue;
      const std::vector<std::uint8_t> part(bytes.begin(), bytes.begin() + cut);
      ExpectCleanFailure(part, std::string(f.name) + " cut at " + std::to_string(cut));
    }
  }
}

// Decoding straight to a scale must give the pixels of scaling the whole picture, for
// every kind, upwards, downwards and one row or column at a time, and fail on a cut file
// exactly when the whole decode fails, also when nothing is drawn.
TEST(PictureLoaderTest, DecodingToAScaleMatchesScalingTheWholePicture) {
  const int sizes[][2] = {{200, 150}, {5, 3}, {1, 1}, {64, 1}, {1, 40}, {97, 61}};
  for (const Fixture& f : kFixtures) {
    const std::vector<std::uint8_t> bytes = ReadFixture(f.name);
    PixelBuffer whole;
    ASSERT_TRUE(test::Succeeded(DecodePicture(bytes.data(), bytes.size(), &whole))) << f.name;
    for (const auto& size : sizes) {
      const std::string what =
          std::string(f.name) + " to " + std::to_string(size[0]) + "x" + std::to_string(size[1]);
      PixelBuffer expected(size[0] + 3, size[1] + 2), scaled(size[0] + 3, size[1] + 2);
      FillPicture(expected, 0x123456);
      FillPicture(scaled, 0x123456);
      ResizeBilinear(whole, expected, 0, 0, size[0], size[1]);
      PictureSize found;
      ASSERT_TRUE(test::Succeeded(
          DecodeScaled(bytes.data(), bytes.size(), scaled, size[0], size[1], &found)))
          << what;
      EXPECT_EQ(found.width, whole.width()) << what;
      EXPECT_EQ(found.height, whole.height()) << what;
      EXPECT_EQ(MaxDifference(scaled, [&](int x, int y) { return expected.GetPixel(x, y); }), 0)
          << what;
    }
    for (std::size_t cut : {std::size_t{5}, bytes.size() / 2, bytes.size() - 3}) {
      const std::vector<std::uint8_t> part(bytes.begin(), bytes.begin() + cut);
      PixelBuffer ignored, target(20, 10), nothing;
      const bool wholeOk = DecodePicture(part.data(), part.size(), &ignored).Ok();
      const std::string what = std::string(f.name) + " cut at " + std::to_string(cut);
      EXPECT_EQ(DecodeScaled(part.data(), part.size(), target, 20, 10).Ok(), wholeOk) << what;
      EXPECT_EQ(DecodeScaled(part.data(), part.size(), nothing, 20, 10).Ok(), wholeOk) << what;
    }
  }
}

TEST(PictureLoaderTest, GarbageAndHostileHeadersFail) {
  std::mt19937 rng(7);
  const std::vector<std::vector<std::uint8_t>> magics = {
      {0xFF, 0xD8, 0xFF}, {'G', 'I', 'F', '8', '9', 'a'}, {'B', 'M'}, {0x89, 'P', 'N', 'G'}, {}};
  for (const auto& magic : magics) {
    for (int round = 0; round < 20; ++round) {
      std::vector<std::uint8_t> bytes = magic;
      const int n = 1 + static_cast<int>(rng() % 300);
      for (int i = 0; i < n; ++i) bytes.push_back(static_cast<std::uint8_t>(rng()));
      PixelBuffer picture = Sentinel();
      // Random bytes could in principle form a valid file; what matters is no crash and,
      // on failure, an untouched picture with a reason.
      if (const Result decoded = DecodePicture(bytes.data(), bytes.size(), &picture); !decoded) {
        EXPECT_FALSE(decoded.Message().empty());
        EXPECT_EQ(picture.GetPixel(2, 1), 0x123456);
      }
    }
  }

  // Headers claiming enormous pictures are refused before any allocation.
  std::vector<std::uint8_t> bmp = ReadFixture("bits24.bmp");
  bmp[18] = 0xFF;
  bmp[19] = 0xFF;
  bmp[20] = 0x00;  // width 65535
  ExpectCleanFailure(bmp, "wide bitmap");
  bmp = ReadFixture("bits24.bmp");
  bmp[22] = 0x00;
  bmp[23] = 0x00;
  bmp[24] = 0x00;
  bmp[25] = 0x80;  // height INT_MIN
  ExpectCleanFailure(bmp, "bitmap height INT_MIN");
  bmp = ReadFixture("bits8.bmp");
  bmp[46] = bmp[47] = bmp[48] = bmp[49] = 0xFF;  // 2^32 - 1 colours: capped at 256, too many
  ExpectCleanFailure(bmp, "bitmap palette past the end");
  bmp = ReadFixture("bits24.bmp");
  bmp[10] = 0xF0;  // pixel data offset beyond the end
  ExpectCleanFailure(bmp, "bitmap offset");
  // Every row of a 1-bit 16384 by 16384 bitmap is present: 32 MB of file, 800 MB decoded.
  bmp = ReadFixture("bits1.bmp");
  bmp.resize(bmp[10] + (std::size_t{bmp[11]} << 8) + std::size_t{2048} * 16384);
  bmp[18] = bmp[22] = 0x00;
  bmp[19] = bmp[23] = 0x40;
  ExpectCleanFailure(bmp, "1-bit bitmap over the pixel cap");

  std::vector<std::uint8_t> gif = ReadFixture("plain.gif");
  gif[6] = gif[7] = gif[8] = gif[9] = 0xFF;  // screen 65535 by 65535
  ExpectCleanFailure(gif, "huge gif screen");

  // PNG header 100000 by 100000 (the CRC is wrong too; either check must refuse it).
  std::vector<std::uint8_t> png = ReadFixture("rgb.png");
  png[16] = 0x00;
  png[17] = 0x01;
  png[18] = 0x86;
  png[19] = 0xA0;
  ExpectCleanFailure(png, "huge png");

  // One flipped byte in the middle of the compressed PNG data breaks its checksum.
  png = ReadFixture("rgb.png");
  png[png.size() / 2] ^= 0x55;
  ExpectCleanFailure(png, "corrupt png");
}

TEST(PictureLoaderTest, OpenFailsForMissingAndUnknownFiles) {
  PixelBuffer picture = Sentinel();
  EXPECT_TRUE(OpenPicture(PicturePath("no-such-picture.png"), &picture).Is(PictureCode::kMissing));
  EXPECT_TRUE(OpenPicture(PicturePath("make_pictures.py"), &picture).Is(PictureCode::kUnknownKind));
  EXPECT_EQ(picture.GetPixel(0, 0), 0x123456);
}

TEST(PictureLoaderTest, PngRoundTripThroughAFile) {
  PixelBuffer picture(kPatternWidth, kPatternHeight);
  for (int y = 0; y < kPatternHeight; ++y) {
    for (int x = 0; x < kPatternWidth; ++x) picture.SetPixel(x, y, PatternColor(x, y));
  }
  const fs::path dir = fs::temp_directory_path() / ("tv_png_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string path = (dir / "out.png").string();
  ASSERT_TRUE(test::Succeeded(SavePng(picture, path)));
  PixelBuffer back;
  ASSERT_TRUE(test::Succeeded(OpenPicture(path, &back)));
  ASSERT_EQ(back.width(), kPatternWidth);
  EXPECT_EQ(MaxDifference(back, PatternColor), 0);

  EXPECT_TRUE(SavePng(PixelBuffer(), path).Is(PictureCode::kEmpty));
  EXPECT_TRUE(
      SavePng(picture, (dir / "missing" / "out.png").string()).Is(PictureCode::kCannotWrite));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace tv
