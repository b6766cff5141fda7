// SPDX-License-Identifier: GPL-3.0-or-later
// The field while the game is paused: the background with a quiet "Paused" in the
// middle of the available area, and no tile to study.
#pragma once

#include <string>

#include "field/pixel_buffer.h"

namespace tv {

constexpr const char* kPausedText = "Paused";

// Draws the word centred in the width by height area at the field's origin; the
// background must already be there.
void DrawPausedNotice(PixelBuffer& field, int width, int height,
                      const std::string& text = kPausedText);

}  // namespace tv
