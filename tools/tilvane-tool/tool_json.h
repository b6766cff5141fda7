// SPDX-License-Identifier: GPL-3.0-or-later
// The position list that `tilvane-tool make` reads: [[x,y,z],...].
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/layout_file.h"

namespace tv {

bool ParsePositionsJson(std::string_view text, std::vector<LayoutPosition>& out,
                        std::string* error);

}  // namespace tv
