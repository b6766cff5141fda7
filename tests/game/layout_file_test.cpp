// The layout file: exact bytes, the extent, refusals and whole-or-nothing writes.
#include "game/layout_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/files.h"
#include "test_support.h"

namespace tv {
namespace {

using test::BoardFrom;
using test::TempDir;

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& p) {
  std::vector<std::uint8_t> out;
  EXPECT_TRUE(ReadWholeFile(p.string(), out, nullptr));
  return out;
}

void WriteBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(p, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> Header(std::int32_t n, std::int32_t s) {
  std::vector<std::uint8_t> b = {'T', 'V', 'M', 'A', 'H', '_', 'L', 'A', 'Y', 0};
  for (std::int32_t v : {n, s})
    for (int k = 0; k < 4; ++k)
      b.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * k)));
  return b;
}

TEST(LayoutFile, TwoTileFileBytes) {
  const auto bytes = EncodeLayout({{0, 0, 0}, {2, 0, 0}});
  // Records 00 00 00 02 00 00, scrambled by overlapping words.
  const std::vector<std::uint8_t> expected = {'T', 'V', 'M',  'A',  'H',  '_',  'L',  'A',
                                              'Y', 0,   2,    0,    0,    0,    6,    0,
                                              0,   0,   0x96, 0xBD, 0xBD, 0xBF, 0xBD, 0x2B};
  EXPECT_EQ(bytes, expected);
}

TEST(LayoutFile, BlockSizeIsThreePerTileRoundedUpToEven) {
  const std::pair<int, int> cases[] = {{144, 432}, {2, 6}, {4, 12}, {1, 4}, {3, 10}, {0, 0}};
  for (auto [n, s] : cases) {
    std::vector<LayoutPosition> pos(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) pos[i] = {2 * (i % 12), 2 * (i / 12), 0};
    const auto bytes = EncodeLayout(pos);
    EXPECT_EQ(bytes.size(), static_cast<std::size_t>(18 + s)) << n;
    EXPECT_EQ(bytes[14], s & 0xFF) << n;
  }
}

TEST(LayoutFile, ScrambleIsItsOwnInverseAndLeavesShortBlocksAlone) {
  std::vector<std::uint8_t> block = {1, 2, 3, 4, 5, 6, 7};
  auto copy = block;
  ScrambleBlock(block.data(), 7);
  EXPECT_NE(block, copy);
  EXPECT_EQ(block[0], 1 ^ 0x96);
  EXPECT_EQ(block[6], 7 ^ 0x2B);
  EXPECT_EQ(block[3], 4 ^ 0x96 ^ 0x2B);
  ScrambleBlock(block.data(), 7);
  EXPECT_EQ(block, copy);
  std::uint8_t one = 9;
  ScrambleBlock(&one, 1);
  EXPECT_EQ(one, 9);
}

TEST(LayoutFile, WriterShiftsToZeroAndReaderComputesExtent) {
  TempDir dir;
  MODE_P board = BoardFrom({{10, 4, 1}, {40, 20, 3}, {12, 4, 1}, {20, 10, 2}});
  ASSERT_TRUE(WriteLayout(dir.dir(), "sub/Shape.mah", board));
  EXPECT_EQ(board.LayoutName(), "Shape");
  MODE_P read;
  ASSERT_EQ(ReadLayout(dir.dir(), "Shape", read), kLayoutRead);
  EXPECT_EQ(read.Game.TileCount, 4);
  EXPECT_EQ(read.Game.GridWidth, 32);
  EXPECT_EQ(read.Game.GridHeight, 18);
  EXPECT_EQ(read.Game.Levels, 3);
  EXPECT_EQ(read.Tiles[1].X, 30);
  EXPECT_EQ(read.Tiles[1].Y, 16);
  EXPECT_EQ(read.Tiles[1].Z, 2);
  EXPECT_EQ(read.LayoutName(), "Shape");
  EXPECT_EQ(read.Game.FreeCount, 4);
}

TEST(LayoutFile, ReadThenWriteGivesTheSameBytes) {
  TempDir dir;
  const auto original = EncodeLayout({{0, 0, 0}, {2, 0, 0}, {1, 1, 1}, {6, 3, 0}});
  WriteBytes(dir.path() / "a.mah", original);
  MODE_P board;
  ASSERT_EQ(ReadLayout(dir.dir(), "a", board), kLayoutRead);
  ASSERT_TRUE(WriteLayout(dir.dir(), "b", board));
  EXPECT_EQ(ReadBytes(dir.path() / "b.mah"), original);
}

TEST(LayoutFile, EmptyLayoutExtentFromUnsetMarkers) {
  TempDir dir;
  WriteBytes(dir.path() / "empty.mah", EncodeLayout({}));
  MODE_P board;
  ASSERT_EQ(ReadLayout(dir.dir(), "empty", board), kLayoutRead);
  EXPECT_EQ(board.Game.GridWidth, 2);
  EXPECT_EQ(board.Game.GridHeight, 2);
  EXPECT_EQ(board.Game.Levels, 1);
  EXPECT_EQ(board.Game.FreeCount, 0);
}

TEST(LayoutFile, RefusalsLeaveTheBoardUntouched) {
  TempDir dir;
  auto withBlock = [](std::vector<std::uint8_t> b, std::size_t blockSize) {
    b.resize(b.size() + blockSize, 0);
    return b;
  };
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
    int code;
  };
  std::vector<std::uint8_t> wrongTenth = EncodeLayout({{0, 0, 0}, {2, 0, 0}});
  wrongTenth[9] = 'X';
  std::vector<std::uint8_t> wrongMagic = EncodeLayout({{0, 0, 0}, {2, 0, 0}});
  wrongMagic[0] = 'Q';
  const Case cases[] = {
      {"tenth byte not zero", wrongTenth, kLayoutNotLayout},
      {"wrong magic", wrongMagic, kLayoutNotLayout},
      {"shorter than the magic", {'T', 'V', 'M'}, kLayoutIoError},
      {"header cut short", {'T', 'V', 'M', 'A', 'H', '_', 'L', 'A', 'Y', 0, 2, 0}, kLayoutIoError},
      {"block shorter than announced", withBlock(Header(2, 6), 5), kLayoutIoError},
      {"negative count", withBlock(Header(-2, 6), 6), kLayoutInvalid},
      {"more than 144 tiles", withBlock(Header(146, 438), 438), kLayoutInvalid},
      {"odd count", withBlock(Header(3, 10), 10), kLayoutInvalid},
      {"negative block size", withBlock(Header(2, -6), 6), kLayoutInvalid},
      {"block too small for the tiles", withBlock(Header(4, 11), 11), kLayoutInvalid},
      {"huge announced block", withBlock(Header(2, 0x7FFFFFFF), 6), kLayoutIoError},
  };
  for (const Case& c : cases) {
    WriteBytes(dir.path() / "bad.mah", c.bytes);
    MODE_P board = BoardFrom({{4, 4, 0}});
    board.SetLayoutName("before");
    std::string error;
    EXPECT_EQ(ReadLayout(dir.dir(), "bad", board, &error), c.code) << c.what;
    if (c.code == kLayoutIoError) {
      EXPECT_FALSE(error.empty()) << c.what;
    }
    EXPECT_EQ(board.Game.TileCount, 1) << c.what;
    EXPECT_EQ(board.Tiles[0].X, 4) << c.what;
    EXPECT_EQ(board.LayoutName(), "before") << c.what;
  }
  MODE_P board;
  EXPECT_EQ(ReadLayout(dir.dir(), "missing", board), kLayoutMissing);
}

TEST(LayoutFile, LongerBlockThanNeededStillReads) {
  TempDir dir;
  // A block with extra bytes scrambles differently at its end; the records decode.
  std::vector<std::uint8_t> block = {4, 2, 0, 6, 2, 0, 0, 0};
  ScrambleBlock(block.data(), 8);
  auto bytes = Header(2, 8);
  bytes.insert(bytes.end(), block.begin(), block.end());
  WriteBytes(dir.path() / "long.mah", bytes);
  MODE_P board;
  ASSERT_EQ(ReadLayout(dir.dir(), "long", board), kLayoutRead);
  EXPECT_EQ(board.Tiles[1].X, 6);
  EXPECT_EQ(board.Game.GridWidth, 4);
}

TEST(LayoutFile, NamesAndMessages) {
  EXPECT_EQ(BareLayoutName("C:\\games\\layouts\\Dragon.mah"), "Dragon");
  EXPECT_EQ(BareLayoutName("dir/My.Layout.mah"), "My.Layout");
  EXPECT_EQ(BareLayoutName("Plain"), "Plain");
  EXPECT_EQ(LayoutPath("layouts/", "x/Fort.mah"), "layouts/Fort.mah");
  EXPECT_EQ(LayoutReadMessage(1, "a.mah"), "File \"a.mah\" does not exist!");
  EXPECT_EQ(LayoutReadMessage(2, "a.mah"), "File \"a.mah\" is not a layout file!");
  EXPECT_EQ(LayoutReadMessage(3, "a.mah"), "Invalid parameter in file \"a.mah\"!");
  EXPECT_EQ(LayoutReadMessage(4, "a.mah"), "Failed reading file \"a.mah\"!");
}

TEST(LayoutFile, NamesAreFoundWhateverTheirCase) {
  TempDir dir;
  WriteBytes(dir.path() / "Pyramid.mah", EncodeLayout({{0, 0, 0}, {2, 0, 0}}));
  MODE_P board;
  EXPECT_EQ(ReadLayout(dir.dir(), "pyramid", board), kLayoutRead);
  EXPECT_EQ(board.Game.TileCount, 2);
}

TEST(LayoutFile, FailedWriteKeepsTheOldFile) {
  TempDir dir;
  MODE_P board = BoardFrom({{0, 0, 0}, {2, 0, 0}});
  ASSERT_TRUE(WriteLayout(dir.dir(), "keep", board));
  const auto before = ReadBytes(dir.path() / "keep.mah");
  std::string error;
  EXPECT_FALSE(WriteLayout(dir.dir() + "no-such-folder/", "keep", board, &error));
  EXPECT_FALSE(error.empty());
  // A write that cannot replace the target leaves it and no temporary file behind.
  std::filesystem::create_directory(dir.path() / "blocked.mah");
  EXPECT_FALSE(WriteLayout(dir.dir(), "blocked", board, &error));
  EXPECT_EQ(ReadBytes(dir.path() / "keep.mah"), before);
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path())) (void)e, ++files;
  EXPECT_EQ(files, 2);
}

}  // namespace
}  // namespace tv
