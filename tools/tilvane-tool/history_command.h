// SPDX-License-Identifier: GPL-3.0-or-later
// `tilvane-tool history DIR`: the figures of the game history in DIR, as JSON.
#pragma once

#include <string>

namespace tv::tool {

int HistoryCommand(const std::string& dir);

}  // namespace tv::tool
