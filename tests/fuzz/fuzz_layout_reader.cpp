// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the layout reader, then deals whatever it accepts.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/board.h"
#include "game/deal.h"
#include "game/layout_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  std::vector<tv::LayoutPosition> positions;
  if (!tv::ParseLayoutBytes(bytes, positions)) return 0;
  if (positions.size() > static_cast<std::size_t>(tv::kMaxTiles) || positions.size() % 2 != 0)
    __builtin_trap();
  static tv::MODE_P board;
  board = tv::MODE_P{};
  tv::PutPositions(board, positions);
  const std::vector<std::uint8_t> again = tv::EncodeLayout(positions);
  std::vector<tv::LayoutPosition> reread;
  if (!tv::ParseLayoutBytes(again, reread)) __builtin_trap();
  tv::RandState rand{static_cast<std::uint32_t>(size)};
  tv::Solution solution;
  const tv::DealResult r = tv::Deal(board, tv::kDealRestart, rand, solution);
  if (r.ok && tv::FirstUnplayablePair(board, solution) != -1) __builtin_trap();
  return 0;
}
