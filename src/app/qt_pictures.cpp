// SPDX-License-Identifier: GPL-3.0-or-later
// Copies between our 24-bit pictures and Qt images.
#include "app/qt_pictures.h"

#include <cstring>

namespace tv {

PixelBuffer PixelBufferFromImage(const QImage& image) {
  PixelBuffer buffer;
  if (image.isNull()) return buffer;
  const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
  buffer.CreateUninitialised(bgr.width(), bgr.height());
  for (int y = 0; y < bgr.height(); ++y)
    std::memcpy(buffer.Row(y), bgr.constScanLine(y), std::size_t(bgr.width()) * 3);
  return buffer;
}

QImage ImageFromPixelBuffer(const PixelBuffer& buffer) {
  if (buffer.IsEmpty()) return {};
  return QImage(buffer.data(), buffer.width(), buffer.height(), buffer.stride(),
                QImage::Format_BGR888)
      .copy();
}

}  // namespace tv
