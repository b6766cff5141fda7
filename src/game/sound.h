// SPDX-License-Identifier: GPL-3.0-or-later
// The sound effects the game asks for, one enum for the game and the player that plays them.
#pragma once

namespace tv {

// Numbers match the effect files' order: select, remove, win, loose, put, erase, invalid.
enum class Sound : int {
  Select = 0,
  Remove = 1,
  Win = 2,
  Loose = 3,
  Put = 4,
  Erase = 5,
  Invalid = 6
};
constexpr int kSoundCount = 7;

}  // namespace tv
