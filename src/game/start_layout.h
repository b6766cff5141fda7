// SPDX-License-Identifier: GPL-3.0-or-later
// The layout the program starts with: the remembered one, else "Dragon", else the
// first layout of the folder by name.
#pragma once

#include <string>

#include "game/board.h"

namespace tv {

// The first layout of `layoutsDir` by name, ignoring case; empty when there is none.
std::string FirstLayoutName(const std::string& layoutsDir);

// Reads the first of the remembered layout, `fallback` and the folder's first layout
// that reads into `board`, with no tile shown yet. False when none reads.
bool ReadStartLayout(const std::string& layoutsDir, const std::string& remembered,
                     const std::string& fallback, MODE_P& board);

}  // namespace tv
