// SPDX-License-Identifier: GPL-3.0-or-later
// What the subcommands of tilvane-tool share: exit codes, argument parsing and
// reading a layout file named by its path.
#pragma once

#include <string>

#include "game/board.h"

namespace tv::tool {

constexpr int kExitDealFailed = 4;
constexpr int kExitUnplayable = 5;
constexpr int kExitUsage = 64;
constexpr int kExitData = 65;
constexpr int kExitIo = 74;

// A whole unsigned number up to `max`; no sign, no trailing text.
bool ParseUnsigned(const std::string& text, unsigned long long max, unsigned long long& out,
                   int base = 10);

// The layout file a path names: the path as it is when it ends in ".mah" (any letter
// case), else with ".mah" added.
std::string LayoutFileOf(const std::string& path);

// Reads the layout into the board. On failure prints why and returns the exit
// code (the read code, or 74 for an input/output error); 0 on success.
int LoadBoard(const std::string& path, MODE_P& board);

}  // namespace tv::tool
