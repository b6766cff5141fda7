// SPDX-License-Identifier: GPL-3.0-or-later
// tilvane-tool winnable: deals a game, plays the given pairs and decides
// whether the tiles as they then lie can still be cleared.
#pragma once

#include <string>
#include <vector>

namespace tv::tool {

// args: everything after "winnable". Prints the verdict as JSON; returns the exit code.
int WinnableCommand(const std::vector<std::string>& args);

}  // namespace tv::tool
