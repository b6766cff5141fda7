// SPDX-License-Identifier: GPL-3.0-or-later
// tilvane-tool: a command-line companion for layouts and deals, printing JSON.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "game/board.h"
#include "game/deal.h"
#include "game/layout_file.h"
#include "history_command.h"
#include "records_command.h"
#include "tool_common.h"
#include "tool_json.h"
#include "winnable_command.h"

#if __has_include("render_command.h")
#include "render_command.h"
#define TILVANE_TOOL_HAS_RENDER 1
#endif

namespace {

using namespace tv::tool;

int Usage() {
  std::cerr
      << "usage: tilvane-tool info FILE.mah | deal FILE.mah --seed S | "
         "verify FILE.mah --seed S | make OUT.mah < positions.json | records DIR | history DIR | "
         "winnable FILE.mah --seed S [--remove A,B]... [--max-ms N] [--max-nodes N]"
#ifdef TILVANE_TOOL_HAS_RENDER
         " | render FILE.mah --seed S --tiles DIR ..."
#endif
         "\n";
  return kExitUsage;
}

bool ParseSeed(const std::string& text, std::uint32_t& seed) {
  unsigned long long v = 0;
  if (!ParseUnsigned(text, 0xFFFFFFFFull, v)) return false;
  seed = static_cast<std::uint32_t>(v);
  return true;
}

int Info(const std::string& path) {
  tv::MODE_P board;
  if (const int code = LoadBoard(path, board)) return code;
  const tv::GAME_P& g = board.Game;
  // Streams rather than string sums: GCC 12 warns falsely (-Wrestrict) on those in Release.
  std::ostringstream out;
  out << "{\"tiles\":" << g.TileCount << ",\"grid_width\":" << g.GridWidth
      << ",\"grid_height\":" << g.GridHeight << ",\"levels\":" << g.Levels
      << ",\"free\":" << g.FreeCount << ",\"positions\":[";
  for (int i = 0; i < g.TileCount; ++i) {
    const tv::TILE_P& t = board.Tiles[i];
    if (i) out << ',';
    out << '[' << t.X << ',' << t.Y << ',' << t.Z << ']';
  }
  std::cout << out.str() << "]}\n";
  return 0;
}

struct DealRun {
  tv::MODE_P board;
  tv::Solution solution;
  tv::DealResult result;
  tv::RandState rand;
};

int RunDeal(const std::string& path, std::uint32_t seed, DealRun& run) {
  if (const int code = LoadBoard(path, run.board)) return code;
  run.board.Game.Seed = seed;
  run.rand.value = seed;
  run.result = tv::Deal(run.board, tv::kDealRestart, run.rand, run.solution);
  return 0;
}

int DealCommand(const std::string& path, std::uint32_t seed) {
  DealRun run;
  if (const int code = RunDeal(path, seed, run)) return code;
  const int n = run.board.Game.TileCount;
  std::ostringstream out;
  out << "{\"ok\":" << (run.result.ok ? "true" : "false") << ",\"attempts\":" << run.result.attempts
      << ",\"faces\":[";
  for (int i = 0; i < tv::kMaxTiles; ++i) out << (i ? "," : "") << run.board.Tiles[i].Face;
  out << "],\"slots\":[";
  for (int i = 0; i < n; ++i) {
    const tv::TILE_P& t = run.board.Tiles[i];
    out << (i ? "," : "") << '[' << t.X << ',' << t.Y << ',' << t.Z << ',' << (t.Present ? 1 : 0)
        << ']';
  }
  out << "],\"solution\":[";
  for (int i = 0; i < run.solution.Count; ++i)
    out << (i ? "," : "") << '[' << run.solution.Steps[i].Slot << ',' << run.solution.Steps[i].Cell
        << ']';
  out << "],\"rand_state\":" << run.rand.value << "}";
  std::cout << out.str() << "\n";
  return run.result.ok ? 0 : kExitDealFailed;
}

int VerifyCommand(const std::string& path, std::uint32_t seed) {
  DealRun run;
  if (const int code = RunDeal(path, seed, run)) return code;
  if (!run.result.ok) {
    std::cout << "deal failed after " << run.result.attempts << " attempts\n";
    return kExitDealFailed;
  }
  const int pair = tv::FirstUnplayablePair(run.board, run.solution);
  if (pair == -1) {
    std::cout << "ok\n";
    return 0;
  }
  std::cout << "step " << (run.solution.Count / 2 - 1 - pair) << ": pair of entries " << 2 * pair
            << " and " << 2 * pair + 1 << " (slots " << run.solution.Steps[2 * pair].Slot << " and "
            << run.solution.Steps[2 * pair + 1].Slot << ") cannot be removed\n";
  return kExitUnplayable;
}

int MakeCommand(const std::string& path) {
  const std::string text((std::istreambuf_iterator<char>(std::cin)),
                         std::istreambuf_iterator<char>());
  std::vector<tv::LayoutPosition> positions;
  std::string error;
  if (!tv::ParsePositionsJson(text, positions, &error)) {
    std::cerr << "tilvane-tool: bad position list: " << error << "\n";
    return kExitData;
  }
  if (const tv::Result fits = tv::CheckLayoutPositions(positions); !fits) {
    std::cerr << "tilvane-tool: " << fits.Message() << "\n";
    return kExitData;
  }
  if (const tv::Result written = tv::WriteLayoutFile(LayoutFileOf(path), positions); !written) {
    std::cerr << "tilvane-tool: " << written.Message() << "\n";
    return kExitIo;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  const std::string& command = args[0];
#ifdef TILVANE_TOOL_HAS_RENDER
  if (command == "render") return RunRenderCommand(argc - 1, argv + 1);
#endif
  if (command == "info" && args.size() == 2) return Info(args[1]);
  if (command == "make" && args.size() == 2) return MakeCommand(args[1]);
  if (command == "records" && args.size() == 2) return RecordsCommand(args[1]);
  if (command == "history" && args.size() == 2) return HistoryCommand(args[1]);
  if (command == "winnable")
    return WinnableCommand(std::vector<std::string>(args.begin() + 1, args.end()));
  if ((command == "deal" || command == "verify") && args.size() == 4) {
    std::uint32_t seed = 0;
    std::size_t fileAt = 1, seedAt = 3;
    if (args[1] == "--seed")
      fileAt = 3, seedAt = 2;
    else if (args[2] != "--seed")
      return Usage();
    if (!ParseSeed(args[seedAt], seed)) return Usage();
    return command == "deal" ? DealCommand(args[fileAt], seed) : VerifyCommand(args[fileAt], seed);
  }
  return Usage();
}
