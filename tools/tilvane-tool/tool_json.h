// The position list that `tilvane-tool make` reads: [[x,y,z],...].
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/layout_file.h"

namespace tv {

bool ParsePositionsJson(std::string_view text, std::vector<LayoutPosition>& out,
                        std::string* error);

// At most 144 tiles, each coordinate within 0..255 once the layout is moved to 0.
bool PositionsFitLayoutFile(const std::vector<LayoutPosition>& positions, std::string* error);

}  // namespace tv
