// SPDX-License-Identifier: GPL-3.0-or-later
// `tilvane-tool records DIR`: the records of a program folder as the game reads them.
#pragma once

#include <string>

namespace tv::tool {

int RecordsCommand(const std::string& programDir);

}  // namespace tv::tool
