// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one linear congruential generator; a game number is its state.
#pragma once

#include <cstdint>

namespace tv {

struct RandState {
  std::uint32_t value = 0;

  // A number from 0 to n - 1 (n > 0): advance, then the high half of value * n.
  std::uint32_t Below(std::uint32_t n) {
    value = value * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(value) * n) >> 32);
  }
};

}  // namespace tv
