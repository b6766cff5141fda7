// SPDX-License-Identifier: GPL-3.0-or-later
// Reader of uncompressed Windows bitmaps: 1-, 4- and 8-bit paletted, 16-, 24- and 32-bit,
// bottom-up and top-down.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "field/pixel_buffer.h"

namespace tv {

// Validates the headers and that the file holds every row before writing `out`; on
// failure `out` is unchanged and `error` says why.
bool DecodeBmp(const std::uint8_t* data, std::size_t size, PixelBuffer* out, std::string* error);

}  // namespace tv
