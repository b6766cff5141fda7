// SPDX-License-Identifier: GPL-3.0-or-later
// Copies between our 24-bit pictures and Qt images.
#pragma once

#include <QImage>

#include "field/pixel_buffer.h"

namespace tv {

PixelBuffer PixelBufferFromImage(const QImage& image);
QImage ImageFromPixelBuffer(const PixelBuffer& buffer);

}  // namespace tv
