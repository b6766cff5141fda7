// SPDX-License-Identifier: GPL-3.0-or-later
// How a local redraw of the field reaches the screen: shared by the game, which asks
// for redraws, and the field drawing, which carries them out.
#pragma once

namespace tv {

enum class Repaint : int {
  kTileNow = 1,   // repaint the tile's rectangle at once
  kAreaNow = 2,   // repaint the whole available area at once
  kDeferred = 3,  // only invalidate; painted with the next repaint
};

}  // namespace tv
