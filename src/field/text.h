// SPDX-License-Identifier: GPL-3.0-or-later
// Text drawing into a PixelBuffer, and the program's own resources. Implemented with Qt in
// text_qt.cpp; this header carries no Qt types so the rest of the field code stays free
// of it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "field/pixel_buffer.h"

namespace tv {

struct TextStyle {
  std::string family;  // empty: the application's default font
  int pixel_size = 12;
  bool bold = false;
  int color = kColorBlack;  // packed colour
};

enum TextAlign { kTextAlignLeft = 0, kTextAlignRight = 1 };

// Draws one line of `text` (UTF-8) into the inclusive rectangle `rect` of `canvas`,
// vertically centred and cut with an ellipsis at the end when it does not fit. Alignment
// 0 is left, 1 right; any other value draws nothing. The background is left as it is.
void DrawTextInRect(PixelBuffer& canvas, const std::string& text, const SpanRect& rect,
                    int alignment, const TextStyle& style);

// Width in pixels that DrawTextInRect would use for `text` without cutting.
int TextWidth(const std::string& text, const TextStyle& style);

// Copies the program's embedded resource `name` (a path inside the resource tree, for
// example "music/tune.mid") into `out`; false if there is no such resource.
bool ReadProgramResource(const std::string& name, std::vector<std::uint8_t>* out);

}  // namespace tv
