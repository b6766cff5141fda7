// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the picture loader. A picture that decodes is written as PNG
// and read back, which must give the same pixels.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "field/picture_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tv::PixelBuffer picture;
  if (const tv::Result decoded = tv::DecodePicture(data, size, &picture); !decoded) {
    if (decoded.Message().empty()) __builtin_trap();  // a failure must say why
    return 0;
  }
  if (picture.IsEmpty()) __builtin_trap();
  if (!tv::PixelBuffer::PictureSizeAllowed(picture.width(), picture.height())) __builtin_trap();
  if (picture.width() > 256 || picture.height() > 256) return 0;
  std::vector<std::uint8_t> png;
  if (!tv::EncodePng(picture, &png)) __builtin_trap();
  tv::PixelBuffer back;
  if (!tv::DecodePicture(png.data(), png.size(), &back)) __builtin_trap();
  if (back.width() != picture.width() || back.height() != picture.height()) __builtin_trap();
  for (int y = 0; y < picture.height(); ++y) {
    if (std::memcmp(back.Row(y), picture.Row(y), std::size_t{3} * picture.width()) != 0) {
      __builtin_trap();
    }
  }
  return 0;
}
