// SPDX-License-Identifier: GPL-3.0-or-later
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
  EXPECT_TRUE(ReadWholeFile(p.string(), out));
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
  ASSERT_TRUE(WriteLayout(dir.dir(), "Shape", board));
  EXPECT_EQ(board.LayoutName(), "Shape");
  MODE_P read;
  ASSERT_TRUE(ReadLayout(dir.dir(), "Shape", read));
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
  ASSERT_TRUE(ReadLayout(dir.dir(), "a", board));
  ASSERT_TRUE(WriteLayout(dir.dir(), "b", board));
  EXPECT_EQ(ReadBytes(dir.path() / "b.mah"), original);
}

TEST(LayoutFile, EmptyLayoutExtentFromUnsetMarkers) {
  TempDir dir;
  WriteBytes(dir.path() / "empty.mah", EncodeLayout({}));
  MODE_P board;
  ASSERT_TRUE(ReadLayout(dir.dir(), "empty", board));
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
    LayoutReadCode code;
  };
  std::vector<std::uint8_t> wrongTenth = EncodeLayout({{0, 0, 0}, {2, 0, 0}});
  wrongTenth[9] = 'X';
  std::vector<std::uint8_t> wrongMagic = EncodeLayout({{0, 0, 0}, {2, 0, 0}});
  wrongMagic[0] = 'Q';
  const Case cases[] = {
      {"tenth byte not zero", wrongTenth, LayoutReadCode::kNotLayout},
      {"wrong magic", wrongMagic, LayoutReadCode::kNotLayout},
      {"shorter than the magic", {'T', 'V', 'M'}, LayoutReadCode::kIoError},
      {"header cut short",
       {'T', 'V', 'M', 'A', 'H', '_', 'L', 'A', 'Y', 0, 2, 0},
       LayoutReadCode::kIoError},
      {"block shorter than announced", withBlock(Header(2, 6), 5), LayoutReadCode::kIoError},
      {"negative count", withBlock(Header(-2, 6), 6), LayoutReadCode::kInvalid},
      {"more than 144 tiles", withBlock(Header(146, 438), 438), LayoutReadCode::kInvalid},
      {"odd count", withBlock(Header(3, 10), 10), LayoutReadCode::kInvalid},
      {"negative block size", withBlock(Header(2, -6), 6), LayoutReadCode::kInvalid},
      {"block too small for the tiles", withBlock(Header(4, 11), 11), LayoutReadCode::kInvalid},
      {"huge announced block", withBlock(Header(2, 0x7FFFFFFF), 6), LayoutReadCode::kIoError},
      {"144 tiles on one spot", EncodeLayout(std::vector<LayoutPosition>(144, {255, 255, 255})),
       LayoutReadCode::kInvalid},
      {"two tiles on one spot", EncodeLayout({{0, 0, 0}, {2, 0, 1}, {2, 0, 1}, {4, 0, 0}}),
       LayoutReadCode::kInvalid},
  };
  for (const Case& c : cases) {
    WriteBytes(dir.path() / "bad.mah", c.bytes);
    MODE_P board = BoardFrom({{4, 4, 0}});
    board.SetLayoutName("before");
    const Result read = ReadLayout(dir.dir(), "bad", board);
    EXPECT_TRUE(read.Is(c.code)) << c.what;
    EXPECT_FALSE(read.Message().empty()) << c.what;
    EXPECT_EQ(board.Game.TileCount, 1) << c.what;
    EXPECT_EQ(board.Tiles[0].X, 4) << c.what;
    EXPECT_EQ(board.LayoutName(), "before") << c.what;
  }
  MODE_P board;
  EXPECT_TRUE(ReadLayout(dir.dir(), "missing", board).Is(LayoutReadCode::kMissing));
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
  ASSERT_TRUE(ReadLayout(dir.dir(), "long", board));
  EXPECT_EQ(board.Tiles[1].X, 6);
  EXPECT_EQ(board.Game.GridWidth, 4);
}

TEST(LayoutFile, NamesAndMessages) {
  // Only a trailing ".mah", in any letter case, is the extension.
  const std::pair<const char*, const char*> bare[] = {
      {"C:\\games\\layouts\\Dragon.mah", "Dragon"},
      {"dir/v1.2.mah", "v1.2"},
      {"v1.2", "v1.2"},
      {"Dragon.v2", "Dragon.v2"},
      {"layouts/wave.2.MAH", "wave.2"},
      {"x.mah.mah", "x.mah"},
      {"Plain", "Plain"},
  };
  for (const auto& [path, name] : bare) EXPECT_EQ(BareLayoutName(path), name) << path;
  EXPECT_EQ(LayoutPath("layouts/", "v1.2"), "layouts/v1.2.mah");
  EXPECT_EQ(LayoutReadMessage(LayoutReadCode::kMissing, "a.mah"), "File \"a.mah\" does not exist!");
  EXPECT_EQ(LayoutReadMessage(LayoutReadCode::kNotLayout, "a.mah"),
            "File \"a.mah\" is not a layout file!");
  EXPECT_EQ(LayoutReadMessage(LayoutReadCode::kInvalid, "a.mah"),
            "Invalid parameter in file \"a.mah\"!");
  EXPECT_EQ(LayoutReadMessage(LayoutReadCode::kIoError, "a.mah"), "Failed reading file \"a.mah\"!");
}

TEST(LayoutFile, NamesAreFoundWhateverTheirCase) {
  TempDir dir;
  WriteBytes(dir.path() / "Pyramid.mah", EncodeLayout({{0, 0, 0}, {2, 0, 0}}));
  MODE_P board;
  EXPECT_TRUE(ReadLayout(dir.dir(), "pyramid", board));
  EXPECT_EQ(board.Game.TileCount, 2);
}

// A name is one file: dots are part of it, and a name that differs only in letter
// case reads and writes the file that is there (of twins, the first in sorted order).
TEST(LayoutFile, ANameIsOneFileWhateverItsDotsAndLetterCase) {
  TempDir dir;
  const auto two = EncodeLayout({{0, 0, 0}, {2, 0, 0}});
  const auto four = EncodeLayout({{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {6, 0, 0}});
  for (const char* file : {"Dragon.mah", "Wave.mah", "v1.mah", "Cat.mah"})
    WriteBytes(dir.path() / file, two);
  WriteBytes(dir.path() / "CAT.mah", four);
  MODE_P board = BoardFrom({{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {6, 0, 0}, {8, 0, 0}, {10, 0, 0}});
  struct Case {
    const char* written;  // the name the player gave
    const char* file;     // the file that must hold the six tiles
    const char* named;    // the board's name afterwards
  };
  const Case cases[] = {
      {"Dragon.v2", "Dragon.v2.mah", "Dragon.v2"},
      {"wave.2", "wave.2.mah", "wave.2"},
      {"v1.2", "v1.2.mah", "v1.2"},
      {"dragon", "Dragon.mah", "Dragon"},
      {"cat", "CAT.mah", "CAT"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(WriteLayout(dir.dir(), c.written, board)) << c.written;
    EXPECT_EQ(board.LayoutName(), c.named) << c.written;
    EXPECT_EQ(ReadBytes(dir.path() / c.file).size(), 18u + 18u) << c.written;
    MODE_P read;
    ASSERT_TRUE(ReadLayout(dir.dir(), c.written, read)) << c.written;
    EXPECT_EQ(read.Game.TileCount, 6) << c.written;
    EXPECT_EQ(read.LayoutName(), c.named) << c.written;
  }
  for (const char* untouched : {"Wave.mah", "v1.mah", "Cat.mah"})
    EXPECT_EQ(ReadBytes(dir.path() / untouched), two) << untouched;
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "dragon.mah"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "cat.mah"));
}

TEST(LayoutFile, FailedWriteKeepsTheOldFile) {
  TempDir dir;
  MODE_P board = BoardFrom({{0, 0, 0}, {2, 0, 0}});
  ASSERT_TRUE(WriteLayout(dir.dir(), "keep", board));
  const auto before = ReadBytes(dir.path() / "keep.mah");
  const Result written = WriteLayout(dir.dir() + "no-such-folder/", "keep", board);
  EXPECT_TRUE(written.Is(LayoutWriteCode::kIoError));
  EXPECT_FALSE(written.Message().empty());
  // A write that cannot replace the target leaves it and no temporary file behind.
  std::filesystem::create_directory(dir.path() / "blocked.mah");
  EXPECT_TRUE(WriteLayout(dir.dir(), "blocked", board).Is(LayoutWriteCode::kIoError));
  EXPECT_EQ(ReadBytes(dir.path() / "keep.mah"), before);
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path())) (void)e, ++files;
  EXPECT_EQ(files, 2);
}

// The writer refuses what its reader would refuse (or would read back differently).
TEST(LayoutFile, WriterRefusesPositionsTheFileCannotHold) {
  std::vector<LayoutPosition> many;
  for (int i = 0; i < 146; ++i) many.push_back({2 * (i % 100), 2 * (i / 100), 0});
  struct Case {
    const char* what;
    std::vector<LayoutPosition> positions;
    LayoutCheckCode code;
  };
  const Case cases[] = {
      {"three tiles", {{0, 0, 0}, {2, 0, 0}, {4, 0, 0}}, LayoutCheckCode::kOddCount},
      {"146 tiles", many, LayoutCheckCode::kTooMany},
      {"X span of 256", {{0, 0, 0}, {256, 0, 0}}, LayoutCheckCode::kTooWide},
      {"Y span of 256", {{0, -6, 0}, {2, 250, 0}}, LayoutCheckCode::kTooWide},
      {"levels 0 and 300", {{0, 0, 0}, {0, 0, 300}}, LayoutCheckCode::kTooWide},
      {"two tiles in one place",
       {{4, 2, 1}, {0, 0, 0}, {4, 2, 1}, {8, 0, 0}},
       LayoutCheckCode::kSamePlace},
  };
  TempDir dir;
  for (const Case& c : cases) {
    const Result fits = CheckLayoutPositions(c.positions);
    EXPECT_TRUE(fits.Is(c.code)) << c.what << ": " << fits.Message();
    EXPECT_FALSE(fits.Message().empty()) << c.what;
    EXPECT_TRUE(
        WriteLayoutPositions(dir.dir(), "refused", c.positions).Is(LayoutWriteCode::kBadPositions))
        << c.what;
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "refused.mah")) << c.what;
  }
  // The edges that still fit: a span of exactly 255 from a negative start, 144 tiles.
  EXPECT_TRUE(CheckLayoutPositions({{-5, 0, 0}, {250, 0, 0}}));
  many.resize(144);
  EXPECT_TRUE(CheckLayoutPositions(many));
  EXPECT_TRUE(CheckLayoutPositions({}));
}

}  // namespace
}  // namespace tv
