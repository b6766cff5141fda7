// SPDX-License-Identifier: GPL-3.0-or-later
// The sound effects the game asks for, one enum for the game and the player that plays them.
#pragma once

namespace tv {

// Numbers match the effect files' order: select, remove, win, loose, put, erase, invalid.
enum class Sound : int {
  kSelect = 0,
  kRemove = 1,
  kWin = 2,
  kLoose = 3,
  kPut = 4,
  kErase = 5,
  kInvalid = 6
};
constexpr int kSoundCount = 7;

}  // namespace tv
