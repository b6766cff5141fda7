// SPDX-License-Identifier: GPL-3.0-or-later
#include "winnable_command.h"

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>

#include "game/board.h"
#include "game/deal.h"
#include "game/solver.h"
#include "tool_common.h"

namespace tv::tool {

namespace {

struct Pair {
  int a = 0, b = 0;
};

bool ParsePair(const std::string& text, Pair& pair) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) return false;
  unsigned long long a = 0, b = 0;
  if (!ParseUnsigned(text.substr(0, comma), kMaxTiles, a) ||
      !ParseUnsigned(text.substr(comma + 1), kMaxTiles, b))
    return false;
  pair = {static_cast<int>(a), static_cast<int>(b)};
  return true;
}

// Why the pair cannot be removed from the board, or empty when it can.
std::string RefusePair(const MODE_P& board, const Pair& p) {
  const int n = board.Game.TileCount;
  for (int slot : {p.a, p.b}) {
    if (slot >= n) return "slot " + std::to_string(slot) + " is not in the layout";
    if (!board.Tiles[slot].Present) return "slot " + std::to_string(slot) + " is not present";
  }
  if (p.a == p.b) return "slot " + std::to_string(p.a) + " given twice";
  for (int slot : {p.a, p.b})
    if (!IsFree(board, slot)) return "slot " + std::to_string(slot) + " is not free";
  if (board.Tiles[p.a].MatchClass != board.Tiles[p.b].MatchClass)
    return "slots " + std::to_string(p.a) + " and " + std::to_string(p.b) + " do not match";
  return {};
}

}  // namespace

int WinnableCommand(const std::vector<std::string>& args) {
  std::string path;
  bool seeded = false;
  std::uint32_t seed = 0;
  std::vector<Pair> pairs;
  SolveLimits limits;
  limits.maxTime = std::chrono::seconds(30);
  limits.maxRemembered = std::size_t{1} << 22;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    unsigned long long v = 0;
    if (arg == "--seed" && hasValue && ParseUnsigned(args[i + 1], 0xFFFFFFFFull, v)) {
      seed = static_cast<std::uint32_t>(v);
      seeded = true;
      ++i;
    } else if (arg == "--remove" && hasValue) {
      Pair p;
      if (!ParsePair(args[++i], p)) return kExitUsage;
      pairs.push_back(p);
    } else if (arg == "--max-ms" && hasValue && ParseUnsigned(args[i + 1], 1ull << 31, v)) {
      limits.maxTime = std::chrono::milliseconds(v);
      ++i;
    } else if (arg == "--max-nodes" && hasValue && ParseUnsigned(args[i + 1], 1ull << 62, v)) {
      limits.maxNodes = static_cast<std::int64_t>(v);
      ++i;
    } else if (path.empty() && !arg.empty() && arg[0] != '-') {
      path = arg;
    } else {
      return kExitUsage;
    }
  }
  if (path.empty() || !seeded) return kExitUsage;

  MODE_P board;
  if (const int code = LoadBoard(path, board)) return code;
  board.Game.Seed = seed;
  RandState rand{seed};
  Solution solution;
  const DealResult dealt = Deal(board, kDealRestart, rand, solution);
  if (!dealt.ok) {
    std::cerr << "tilvane-tool: deal failed after " << dealt.attempts << " attempts\n";
    return kExitDealFailed;
  }
  board.Game.TilesLeft = board.Game.TileCount;
  for (std::size_t k = 0; k < pairs.size(); ++k) {
    const std::string why = RefusePair(board, pairs[k]);
    if (!why.empty()) {
      std::cerr << "tilvane-tool: step " << k + 1 << " (remove " << pairs[k].a << "," << pairs[k].b
                << "): " << why << "\n";
      return kExitUnplayable;
    }
    board.Tiles[pairs[k].a].Present = false;
    board.Tiles[pairs[k].b].Present = false;
    board.Game.TilesLeft -= 2;
  }

  const SolveResult result = DecideWinnable(board, limits);
  char ms[32];
  std::snprintf(ms, sizeof ms, "%.3f", result.ms);
  std::cout << "{\"verdict\":\"" << VerdictName(result.verdict) << "\",\"nodes\":" << result.nodes
            << ",\"ms\":" << ms << "}\n";
  return 0;
}

}  // namespace tv::tool
