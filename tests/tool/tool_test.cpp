// SPDX-License-Identifier: GPL-3.0-or-later
// tilvane-tool as a user runs it: outputs, exit codes and messages.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "game/history.h"
#include "game/layout_file.h"
#include "game/layout_library.h"
#include "support/temp_dir.h"

namespace tv {
namespace {

struct ToolRun {
  int status = -1;
  std::string out;
};

ToolRun Tool(const std::string& args, const std::string& input = "") {
  test::TempDir scratch;
  const std::string in = (scratch.path() / "stdin").string();
  std::ofstream(in) << input;
  const std::string command =
      std::string(TILVANE_BIN_DIR) + "/tilvane-tool " + args + " < " + in + " 2>&1";
  ToolRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer{};
  while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
    run.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

class ToolTest : public ::testing::Test {
 protected:
  std::string Make(const std::string& name, const std::string& json) {
    const std::string path = dir_.dir() + name + ".mah";
    const ToolRun r = Tool("make " + path, json);
    EXPECT_EQ(r.status, 0) << r.out;
    return path;
  }
  test::TempDir dir_;
};

TEST_F(ToolTest, MakeInfoAndDealOfTheSmallExamples) {
  const std::string two = Make("two", "[[0,0,0],[2,0,0]]");
  ToolRun info = Tool("info " + two);
  EXPECT_EQ(info.status, 0);
  EXPECT_EQ(info.out,
            "{\"tiles\":2,\"grid_width\":4,\"grid_height\":2,\"levels\":1,\"free\":2,"
            "\"positions\":[[0,0,0],[2,0,0]]}\n");
  ToolRun deal = Tool("deal " + two + " --seed 12345");
  EXPECT_EQ(deal.status, 0);
  EXPECT_EQ(deal.out.rfind("{\"ok\":true,\"attempts\":1,\"faces\":[24,24,", 0), 0u) << deal.out;
  EXPECT_NE(
      deal.out.find("\"slots\":[[2,0,0,1],[0,0,0,1]],\"solution\":[[0,1],[1,0]],\"rand_state\":"),
      std::string::npos)
      << deal.out;

  const std::string four = Make("four", "[[0,0,0],[2,0,0],[4,0,0],[6,0,0]]");
  deal = Tool("deal --seed 12345 " + four);
  EXPECT_EQ(deal.out.rfind("{\"ok\":true,\"attempts\":11,\"faces\":[23,23,10,10,", 0), 0u)
      << deal.out;
  EXPECT_NE(deal.out.find("\"slots\":[[2,0,0,1],[4,0,0,1],[0,0,0,1],[6,0,0,1]]"),
            std::string::npos);
  EXPECT_EQ(Tool("verify " + four + " --seed 12345").out, "ok\n");

  // Only ".mah" is the extension: "v1.2" is its own file.
  const std::string dotted = Make("v1.2", "[[0,0,0],[2,0,0]]");
  EXPECT_TRUE(std::filesystem::exists(dotted));
  EXPECT_FALSE(std::filesystem::exists(dir_.dir() + "v1.mah"));
  EXPECT_EQ(Tool("info " + dotted).status, 0);
}

TEST_F(ToolTest, FailedDealAndExitCodes) {
  const std::string stacked = Make("stacked", "[[0,0,0],[0,0,1]]");
  ToolRun deal = Tool("deal " + stacked + " --seed 3");
  EXPECT_EQ(deal.status, 4);
  EXPECT_EQ(deal.out.rfind("{\"ok\":false,\"attempts\":100,", 0), 0u) << deal.out;
  EXPECT_EQ(Tool("verify " + stacked + " --seed 3").status, 4);

  EXPECT_EQ(Tool("info " + dir_.dir() + "missing.mah").status, 1);
  std::ofstream(dir_.dir() + "text.mah") << "not a layout at all";
  ToolRun notLayout = Tool("info " + dir_.dir() + "text.mah");
  EXPECT_EQ(notLayout.status, 2);
  EXPECT_NE(notLayout.out.find("File \"text.mah\" is not a layout file!"), std::string::npos);

  std::vector<std::uint8_t> odd = EncodeLayout({{0, 0, 0}, {2, 0, 0}, {4, 0, 0}});
  std::ofstream(dir_.dir() + "odd.mah", std::ios::binary)
      .write(reinterpret_cast<const char*>(odd.data()), static_cast<std::streamsize>(odd.size()));
  EXPECT_EQ(Tool("info " + dir_.dir() + "odd.mah").status, 3);

  std::vector<std::uint8_t> cut = EncodeLayout({{0, 0, 0}, {2, 0, 0}});
  cut.resize(cut.size() - 2);
  std::ofstream(dir_.dir() + "cut.mah", std::ios::binary)
      .write(reinterpret_cast<const char*>(cut.data()), static_cast<std::streamsize>(cut.size()));
  EXPECT_EQ(Tool("deal " + dir_.dir() + "cut.mah --seed 1").status, 74);

  for (const char* bad :
       {"", "frobnicate", "info", "deal x.mah", "deal x.mah --seed", "deal x.mah --seed -1",
        "deal x.mah --seed 4294967296", "deal x.mah --seed 12abc", "verify x.mah --size 3"})
    EXPECT_EQ(Tool(bad).status, 64) << bad;
  EXPECT_EQ(Tool("make " + dir_.dir() + "bad.mah", "[[0,0]]").status, 65);
  EXPECT_EQ(Tool("make " + dir_.dir() + "far.mah", "[[0,0,0],[300,0,0]]").status, 65);
  const ToolRun three = Tool("make " + dir_.dir() + "three.mah", "[[0,0,0],[2,0,0],[4,0,0]]");
  EXPECT_EQ(three.status, 65);
  EXPECT_EQ(three.out, "tilvane-tool: a layout needs an even number of tiles, not 3\n");
  EXPECT_FALSE(std::ifstream(dir_.dir() + "three.mah").good());
  EXPECT_EQ(Tool("make " + dir_.dir() + "no-folder/x.mah", "[[0,0,0],[2,0,0]]").status, 74);
}

TEST_F(ToolTest, RenderWritesAPictureOfTheAskedSize) {
  const std::string out = dir_.dir() + "field.png";
  const ToolRun r = Tool("render " + std::string(TILVANE_SOURCE_DIR) +
                         "/data/layouts/Pyramid.mah --seed 9 --tiles " + TILVANE_SOURCE_DIR +
                         "/data/tiles --width 320 --height 200 -o " + out);
  ASSERT_EQ(r.status, 0) << r.out;
  std::ifstream png(out, std::ios::binary);
  std::array<unsigned char, 24> head{};
  png.read(reinterpret_cast<char*>(head.data()), head.size());
  EXPECT_EQ(head[1], 'P');
  const auto be32 = [&](int at) {
    return head[at] << 24 | head[at + 1] << 16 | head[at + 2] << 8 | head[at + 3];
  };
  EXPECT_EQ(be32(16), 320);
  EXPECT_EQ(be32(20), 200);
  EXPECT_EQ(Tool("render x.mah --seed 1").status, 64);
}

// Deals of shipped layouts for fixed game numbers against the committed output in
// tests/tool/golden/<layout>-<number>.json; a change shows its first differing item.
TEST(ToolGolden, DealsMatchTheCommittedFixtures) {
  const std::string root = TILVANE_SOURCE_DIR;
  int compared = 0;
  for (const auto& entry : std::filesystem::directory_iterator(root + "/tests/tool/golden")) {
    const std::string stem = entry.path().stem().string();
    const std::size_t dash = stem.rfind('-');
    ASSERT_NE(dash, std::string::npos) << stem;
    std::ifstream in(entry.path());
    const std::string expected((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    const ToolRun run = Tool("deal " + root + "/data/layouts/" + stem.substr(0, dash) +
                             ".mah --seed " + stem.substr(dash + 1));
    ++compared;
    if (run.out == expected) continue;
    // Items are the comma-separated pieces of the one-line JSON.
    std::size_t at = 0, item = 0;
    while (at < expected.size() && at < run.out.size() && expected[at] == run.out[at])
      if (expected[at++] == ',') ++item;
    const std::size_t start = expected.rfind(',', at == 0 ? 0 : at - 1);
    const std::size_t from = start == std::string::npos ? 0 : start + 1;
    ADD_FAILURE() << stem << ": first difference at item " << item << ", after \""
                  << expected.substr(from > 40 ? from - 40 : 0, std::min<std::size_t>(from, 40))
                  << "\": expected \"" << expected.substr(from, 24) << "\", got \""
                  << run.out.substr(from, 24) << "\"";
  }
  EXPECT_GE(compared, 4);
}

TEST_F(ToolTest, RecordsOfAProgramFolder) {
  EXPECT_EQ(Tool("records " + dir_.dir()).out, "{\"format\":null,\"layouts\":[]}\n");
  std::filesystem::create_directories(dir_.path() / "layouts");
  Make("layouts/b", "[[0,0,0],[2,0,0]]");
  ASSERT_TRUE(WriteLayoutPositions(dir_.dir() + "layouts/", "A\"q",
                                   {{0, 0, 0}, {2, 0, 0}, {0, 4, 0}, {4, 4, 0}})
                  .Ok());
  LayoutLibrary lib({dir_.dir() + "layouts/", dir_.dir() + "tilvane.won2", ""});
  ASSERT_TRUE(lib.BuildCatalogue().Ok());
  lib.CountGame("b", false, 0, 0);
  ASSERT_TRUE(lib.SetBestPlayer(lib.CountGame("B", true, 0.25, 1).Entry, "Ann").Ok());
  const ToolRun r = Tool("records " + dir_.dir());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "{\"format\":\"2.3\",\"layouts\":["
            "{\"name\":\"A\\\"q\",\"tiles\":4,\"free\":4,\"played\":0,\"won\":0,"
            "\"best_player\":\"\",\"best_time\":-1,\"best_reshuffles\":0,\"stars\":-1},"
            "{\"name\":\"b\",\"tiles\":2,\"free\":2,\"played\":1,\"won\":1,"
            "\"best_player\":\"Ann\",\"best_time\":0.25,\"best_reshuffles\":1,\"stars\":2}]}\n");
}

TEST_F(ToolTest, HistoryAgreesWithTheFiguresTheWindowShows) {
  EXPECT_EQ(Tool("history " + dir_.dir()).out,
            "{\"games\":0,\"won\":0,\"streak\":0,\"best_streak\":0,\"layouts\":[]}\n");
  const std::string path = dir_.dir() + kHistoryFileName;
  std::vector<HistoryGame> games;
  {
    History history;
    ASSERT_TRUE(history.Open(path).Ok());
    const std::vector<std::pair<const char*, GameResult>> played = {
        {"Dragon", GameResult::kWon},
        {"Fort\"ress", GameResult::kLost},
        {"dragon", GameResult::kWon},
        {"Dragon", GameResult::kWon}};
    for (std::size_t k = 0; k < played.size(); ++k) {
      HistoryGame g;
      g.Layout = played[k].first;
      g.StartUtc = static_cast<std::int64_t>(k);
      g.Seconds = 100.0 + 10.0 * static_cast<double>(k);
      g.Result = played[k].second;
      g.Finished = true;
      ASSERT_TRUE(history.Write(g).Ok());
    }
    ASSERT_TRUE(history.ReadAll(games).Ok());
  }
  const ToolRun r = Tool("history " + dir_.dir());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, StatsJson(ComputeStats(games, 20260101)) + "\n");
  EXPECT_EQ(r.out,
            "{\"games\":4,\"won\":3,\"streak\":2,\"best_streak\":2,\"layouts\":["
            "{\"name\":\"Dragon\",\"played\":3,\"won\":3,\"best_time\":100.000,"
            "\"median_time\":120.000},{\"name\":\"Fort\\\"ress\",\"played\":1,\"won\":0,"
            "\"best_time\":null,\"median_time\":null}]}\n");
  std::ofstream(path, std::ios::binary | std::ios::trunc) << std::string(5000, 'x');
  const ToolRun damaged = Tool("history " + dir_.dir());
  EXPECT_EQ(damaged.status, 65) << damaged.out;
  EXPECT_NE(damaged.out.find(path), std::string::npos) << damaged.out;
}

TEST_F(ToolTest, WinnableAfterGivenRemovals) {
  // Four tiles in a row: game 12345 deals faces 23, 23, 10, 10 to slots 0 to 3,
  // standing at x = 2, 4, 0, 6; the ends (slots 2 and 3) are free.
  const std::string four = Make("four", "[[0,0,0],[2,0,0],[4,0,0],[6,0,0]]");
  ToolRun r = Tool("winnable " + four + " --seed 12345");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("{\"verdict\":\"winnable\",\"nodes\":", 0), 0u) << r.out;
  r = Tool("winnable " + four + " --seed 12345 --remove 2,3");
  EXPECT_EQ(r.out.rfind("{\"verdict\":\"winnable\",", 0), 0u) << r.out;
  r = Tool("winnable --seed 12345 " + four + " --remove 2,3 --remove 0,1");
  EXPECT_EQ(r.out.rfind("{\"verdict\":\"winnable\",\"nodes\":0,", 0), 0u) << r.out;

  // Steps that cannot be played, named by their number.
  r = Tool("winnable " + four + " --seed 12345 --remove 0,1");
  EXPECT_EQ(r.status, 5);
  EXPECT_NE(r.out.find("step 1 (remove 0,1): slot 0 is not free"), std::string::npos) << r.out;
  r = Tool("winnable " + four + " --seed 12345 --remove 2,3 --remove 2,3");
  EXPECT_EQ(r.status, 5);
  EXPECT_NE(r.out.find("step 2 (remove 2,3): slot 2 is not present"), std::string::npos) << r.out;
  r = Tool("winnable " + four + " --seed 12345 --remove 2,0");
  EXPECT_EQ(r.status, 5);
  EXPECT_NE(r.out.find("slot 0 is not free"), std::string::npos) << r.out;
  EXPECT_EQ(Tool("winnable " + four + " --seed 12345 --remove 2,2").status, 5);
  EXPECT_EQ(Tool("winnable " + four + " --seed 12345 --remove 2,9").status, 5);

  for (const char* bad : {"winnable", "winnable x.mah", "winnable x.mah --seed 1 --remove 2",
                          "winnable x.mah --seed 1 --remove a,b", "winnable --seed 1"})
    EXPECT_EQ(Tool(bad).status, 64) << bad;
}

}  // namespace
}  // namespace tv
