// SPDX-License-Identifier: GPL-3.0-or-later
// The paused field: the background with a quiet "Paused" and no tiles.
#include "field/paused.h"

#include <algorithm>

#include "field/text.h"

namespace tv {

void DrawPausedNotice(PixelBuffer& field, int width, int height, const std::string& text) {
  width = std::min(width, field.width());
  height = std::min(height, field.height());
  if (width <= 0 || height <= 0) return;
  // Cream on a soft dark shadow reads on light and dark backgrounds alike.
  TextStyle style{"Arial", std::clamp(height / 9, 24, 56), false, 0xBFE2F3};
  TextStyle shadow = style;
  shadow.color = 0x0C122A;
  const int textWidth = std::min(TextWidth(text, style) + 4, width);
  const int textHeight = style.pixel_size * 2;
  const int left = (width - textWidth) / 2, top = (height - textHeight) / 2;
  const int offset = std::max(2, style.pixel_size / 18);
  DrawTextInRect(field, text,
                 SpanRect::FromOriginSize(left + offset, top + offset, textWidth, textHeight),
                 kTextAlignLeft, shadow);
  DrawTextInRect(field, text, SpanRect::FromOriginSize(left, top, textWidth, textHeight),
                 kTextAlignLeft, style);
}

}  // namespace tv
