// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped layouts: each file reads, deals games 1 to 200 with a solution that
// replays, and is exactly what its text source generates; and the source parser
// refuses broken sources with the file and line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "game/board.h"
#include "game/deal.h"
#include "game/layout_file.h"
#include "layoutgen/layout_source.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSourceDir = fs::path(TILVANE_SOURCE_DIR) / "data" / "layout-src";
const fs::path kLayoutDir = fs::path(TILVANE_SOURCE_DIR) / "data" / "layouts";
const std::string kLayoutDirSlash = kLayoutDir.string() + "/";

std::vector<std::string> ShippedNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kLayoutDir))
    if (entry.path().extension() == ".mah") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<char> FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh directory under the system's temporary one, removed with the object.
struct TempDir {
  fs::path path;
  explicit TempDir(const std::string& tag) {
    path =
        fs::temp_directory_path() / ("tilvane-layouts-" + tag + "-" + std::to_string(::getpid()));
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~TempDir() { fs::remove_all(path); }
};

// Empties the board by the solution from its last pair backwards; "" when every
// pair was present, free and of one class and nothing is left, else the fault.
std::string ReplayFault(tv::MODE_P board, const tv::Solution& solution) {
  const int n = board.Game.TileCount;
  if (solution.Count != n) return "solution holds " + std::to_string(solution.Count) + " steps";
  for (int k = solution.Count / 2 - 1; k >= 0; --k) {
    const int a = solution.Steps[2 * k].Slot, b = solution.Steps[2 * k + 1].Slot;
    const std::string pair = "pair " + std::to_string(k);
    if (a < 0 || a >= n || b < 0 || b >= n || a == b) return pair + ": bad slots";
    tv::TILE_P& ta = board.Tiles[a];
    tv::TILE_P& tb = board.Tiles[b];
    if (!ta.Present || !tb.Present) return pair + ": a tile is already gone";
    if (!tv::IsFree(board, a) || !tv::IsFree(board, b)) return pair + ": a tile is not free";
    if (ta.MatchClass != tb.MatchClass) return pair + ": tiles do not match";
    ta.Present = tb.Present = false;
  }
  for (int i = 0; i < n; ++i)
    if (board.Tiles[i].Present) return "slot " + std::to_string(i) + " is left over";
  return "";
}

std::multiset<std::tuple<int, int, int>> Shape(const tv::MODE_P& board) {
  std::multiset<std::tuple<int, int, int>> shape;
  for (int i = 0; i < board.Game.TileCount; ++i)
    shape.insert({board.Tiles[i].X, board.Tiles[i].Y, board.Tiles[i].Z});
  return shape;
}

class ShippedLayout : public testing::TestWithParam<std::string> {};

TEST_P(ShippedLayout, DealsGames1To200WithReplayableSolutions) {
  tv::MODE_P layout{};
  std::string error;
  const tv::Result read = tv::ReadLayout(kLayoutDirSlash, GetParam(), layout);
  ASSERT_TRUE(read) << read.Message();
  const int n = layout.Game.TileCount;
  ASSERT_GE(n, 2);
  ASSERT_LE(n, tv::kMaxTiles);
  ASSERT_EQ(n % 2, 0);
  const auto shape = Shape(layout);

  std::vector<std::string> faults;
  for (std::uint32_t game = 1; game <= 200; ++game) {
    tv::MODE_P board = layout;
    tv::RandState rand{game};
    tv::Solution solution;
    const tv::DealResult result = tv::Deal(board, tv::kDealRestart, rand, solution);
    std::string fault;
    if (!result.ok)
      fault = "no deal in " + std::to_string(result.attempts) + " attempts";
    else if (Shape(board) != shape)
      fault = "the deal moved tiles off the layout";
    else
      fault = ReplayFault(board, solution);
    if (!fault.empty()) faults.push_back("game " + std::to_string(game) + ": " + fault);
  }
  std::string first;
  for (std::size_t i = 0; i < faults.size() && i < 3; ++i) first += "\n  " + faults[i];
  EXPECT_TRUE(faults.empty()) << GetParam() << ": " << faults.size() << " faulty games" << first;
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedLayout, testing::ValuesIn(ShippedNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

TEST(ShippedLayouts, AtLeastFortyWithDragonFullAndTall) {
  EXPECT_GE(ShippedNames().size(), 40u);
  tv::MODE_P dragon{};
  ASSERT_TRUE(tv::ReadLayout(kLayoutDirSlash, "Dragon", dragon));
  EXPECT_EQ(dragon.Game.TileCount, 144);
  EXPECT_GE(dragon.Game.Levels, 4);
}

TEST(ShippedLayouts, FilesAreExactlyWhatTheSourcesGenerate) {
  TempDir out("regen");
  std::vector<tv::layoutgen::ParsedLayout> generated;
  std::string error;
  ASSERT_TRUE(tv::layoutgen::GenerateLayouts(kSourceDir, out.path, generated, error)) << error;

  std::vector<std::string> names;
  for (const auto& layout : generated) names.push_back(layout.name);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, ShippedNames()) << "every shipped file has one source and no more";
  for (const std::string& name : names) {
    const fs::path shipped = kLayoutDir / (name + ".mah");
    EXPECT_EQ(FileBytes(out.path / (name + ".mah")), FileBytes(shipped))
        << shipped << " differs from its source; run tilvane-layoutgen";
  }
}

struct RefusedSource {
  const char* what;
  std::string text;
  int line;
  const char* message;
};

std::string ManyTiles(int count) {
  std::string text = "level 0\n";
  for (int i = 0; i < count; ++i) text += (i % 12 == 11) ? "#.\n\n" : "#.";
  return text;
}

TEST(LayoutSource, RefusesBrokenSourcesNamingFileAndLine) {
  const RefusedSource cases[] = {
      {"overlap by one unit", "level 0\n#.#.\n.#..\n", 3, "overlaps the tile at (X 0, Y 0"},
      {"overlap side by side", "level 0\n##..\n", 2, "overlaps"},
      {"upper tile off its base", "level 0\n#.#.\n....\nlevel 1\n#...\n....\n..#.\n", 7,
       "rests on no tile"},
      {"tile over an empty level", "level 0\n#.\nlevel 1\n..\nlevel 2\n#.\n", 6,
       "rests on no tile"},
      {"odd count", "level 0\n#.#.#.\n", 2, "3 tiles"},
      {"more than 144", ManyTiles(146), 26, "more than 144 tiles"},
      {"no tiles", "; only a comment\nlevel 0\n....\n", 3, "0 tiles"},
      {"stray character", "level 0\n#.x.\n", 2, "'x' in column 3"},
      {"level skipped", "level 0\n#.#.\nlevel 2\n#...\n", 3, "level 2 where level 1"},
      {"level header garbled", "level 0\n#.#.\nlevel one\n", 3, "expected \"level N\""},
      {"grid before any level", "#.#.\n", 1, "before the first"},
  };
  for (const RefusedSource& c : cases) {
    std::vector<tv::LayoutPosition> positions = {{7, 7, 7}};
    std::string error;
    EXPECT_FALSE(tv::layoutgen::ParseLayoutSource("Bad.txt", c.text, positions, error)) << c.what;
    EXPECT_EQ(error.rfind("Bad.txt:" + std::to_string(c.line) + ": ", 0), 0u)
        << c.what << ": " << error;
    EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
    EXPECT_EQ(positions.size(), 1u) << c.what << ": positions changed on failure";
  }
}

TEST(LayoutSource, ReadsPositionsInHalfTileUnitsInFileOrder) {
  struct Accepted {
    const char* what;
    std::string text;
    std::vector<tv::LayoutPosition> positions;
  };
  const Accepted cases[] = {
      {"a tile resting half on each of two",
       "level 0\n#.#.#.\n......\nlevel 1\n.#....\n",
       {{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {1, 0, 1}}},
      {"comments, spaces, CRLF and half offsets",
       "; two rows\r\nlevel 0\r\n# #.\r\n; between\r\n\r\n   #.#\r\n",
       {{0, 0, 0}, {2, 0, 0}, {3, 2, 0}, {5, 2, 0}}},
      {"diagonal support and a tall stack",
       "level 0\n#...\n..#.\nlevel 1\n.#\nlevel 2\n.#\n",
       {{0, 0, 0}, {2, 1, 0}, {1, 0, 1}, {1, 0, 2}}},
  };
  for (const Accepted& c : cases) {
    std::vector<tv::LayoutPosition> positions;
    std::string error;
    EXPECT_TRUE(tv::layoutgen::ParseLayoutSource("Good.txt", c.text, positions, error))
        << c.what << ": " << error;
    EXPECT_EQ(positions, c.positions) << c.what;
  }
}

TEST(LayoutSource, OneBadSourceStopsTheWholeRunBeforeAnyFileIsWritten) {
  TempDir src("src");
  TempDir out("out");
  std::ofstream(src.path / "Alpha.txt") << "level 0\n#.#.\n";
  std::ofstream(src.path / "Beta.txt") << "level 0\n#.#.#.\n";
  std::vector<tv::layoutgen::ParsedLayout> layouts;
  std::string error;
  EXPECT_FALSE(tv::layoutgen::GenerateLayouts(src.path, out.path, layouts, error));
  EXPECT_EQ(error.rfind("Beta.txt:2: ", 0), 0u) << error;
  EXPECT_TRUE(fs::is_empty(out.path));

  fs::remove(src.path / "Beta.txt");
  std::ofstream(src.path / "Not.a name.txt") << "level 0\n#.#.\n";
  EXPECT_FALSE(tv::layoutgen::GenerateLayouts(src.path, out.path, layouts, error));
  EXPECT_NE(error.find("layout name"), std::string::npos) << error;
  EXPECT_TRUE(fs::is_empty(out.path));

  fs::remove(src.path / "Not.a name.txt");
  ASSERT_TRUE(tv::layoutgen::GenerateLayouts(src.path, out.path, layouts, error)) << error;
  std::vector<tv::LayoutPosition> back;
  ASSERT_TRUE(tv::ReadLayoutPositions(out.path.string() + "/", "Alpha", back));
  EXPECT_EQ(back, (std::vector<tv::LayoutPosition>{{0, 0, 0}, {2, 0, 0}}));
}

}  // namespace
