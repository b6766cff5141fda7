// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own palette and style for every window, whatever the desktop's theme.
#pragma once

#include <QPalette>

namespace tv {

// Cream surfaces and dark lacquer text and selections, as the menus have them.
QPalette ProgramPalette();

// Sets the style and palette of the whole program; message boxes and dialogs follow.
void ApplyProgramLooks();

}  // namespace tv
