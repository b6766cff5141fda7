// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the game file reader. Whatever it accepts must encode to
// the same bytes, and taken up by a game and kept again must come back unchanged.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/game.h"
#include "game/game_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  tv::KeptGame kept;
  if (!tv::DecodeKeptGame(bytes, kept)) return 0;
  if (tv::EncodeKeptGame(kept) != bytes) __builtin_trap();
  tv::NullGameHost host;
  tv::Game game(host, "");
  game.Resume(kept);
  tv::KeptGame again = game.Keep(host.Now());
  again.LayoutHash = kept.LayoutHash;
  if (!(again == kept)) __builtin_trap();
  return 0;
}
