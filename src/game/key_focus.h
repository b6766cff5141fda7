// SPDX-License-Identifier: GPL-3.0-or-later
// Where the keyboard's focus ring goes: from one free tile to the nearest free tile
// in the direction of an arrow key, on the grid of the board (half-tile units).
#pragma once

#include "game/board.h"

namespace tv {

enum class FocusDirection { kLeft, kRight, kUp, kDown };

// The nearest present, free tile strictly beyond `from` in `direction`. A step across
// rows costs twice a step along the axis, so the ring keeps to its row while it can;
// ties go to the nearer tile along the axis, then to the higher level, then to the
// lower slot. -1 when there is none (the ring stays).
int NextFocusTile(const MODE_P& board, int from, FocusDirection direction);

// The ring's tile after a change of the board: `near` while it is present and free,
// else the free tile nearest to it; with `near` < 0, the free tile nearest the middle
// of the layout. -1 when no tile is free.
int SettleFocusTile(const MODE_P& board, int near);

}  // namespace tv
