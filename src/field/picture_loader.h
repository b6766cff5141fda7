// SPDX-License-Identifier: GPL-3.0-or-later
// Opening picture files (JPEG, GIF, Windows bitmap, PNG) into a PixelBuffer, and writing
// PNG files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "field/pixel_buffer.h"
#include "game/result.h"

namespace tv {

enum class PictureKind { kUnknown, kJpeg, kGif, kBitmap, kPng };

enum class PictureCode {
  kDone = 0,
  kMissing = 1,
  kCannotRead = 2,
  kUnknownKind = 3,
  kBadData = 4,  // the decoder refused the contents (damaged, too large, unsupported)
  kEmpty = 5,    // nothing to encode
  kCannotWrite = 6,
};

// Classifies by the first bytes: FF D8 FF JPEG, "GIF8" GIF, "BM" Windows bitmap,
// 89 "PNG" PNG. Fewer than the bytes needed gives kUnknown.
PictureKind ClassifyPicture(const std::uint8_t* data, std::size_t size);

// Decodes a whole picture file held in memory. On success `out` holds the picture at 24
// bits (transparent PNG pixels are blended over white); on failure `out` is unchanged
// and the result (PictureCode) says why. Pictures beyond PixelBuffer::PictureSizeAllowed
// are refused before anything is allocated.
Result DecodePicture(const std::uint8_t* data, std::size_t size, PixelBuffer* out);

// Decodes a picture held in memory straight into the w by h block at the top left of
// `dst`, scaled as ResizeBilinear scales the whole picture. A JPEG is decoded row by row
// and never held whole; other kinds are decoded whole first. Every row is decoded even
// when nothing is drawn (an empty `dst`), so a damaged file fails as in DecodePicture. On
// failure `dst` may be partly drawn. `size_out`, when given, receives the picture's size.
struct PictureSize {
  int width = 0, height = 0;
};
Result DecodeScaled(const std::uint8_t* data, std::size_t size, PixelBuffer& dst, int w, int h,
                    PictureSize* size_out = nullptr);

// Reads and decodes a picture file; a missing file, an unknown kind and a decoder error
// all fail cleanly, leaving `out` unchanged.
Result OpenPicture(const std::string& path, PixelBuffer* out);

// PNG encoding (8-bit RGB, no alpha).
Result EncodePng(const PixelBuffer& picture, std::vector<std::uint8_t>* out);
// Writes the whole file or nothing.
Result SavePng(const PixelBuffer& picture, const std::string& path);

}  // namespace tv
