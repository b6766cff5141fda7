// Opening picture files (JPEG, GIF, Windows bitmap, PNG) into a PixelBuffer, and writing
// PNG files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "field/pixel_buffer.h"

namespace tv {

enum class PictureKind { kUnknown, kJpeg, kGif, kBitmap, kPng };

// Classifies by the first bytes: FF D8 FF JPEG, "GIF8" GIF, "BM" Windows bitmap,
// 89 "PNG" PNG. Fewer than the bytes needed gives kUnknown.
PictureKind ClassifyPicture(const std::uint8_t* data, std::size_t size);

// Decodes a whole picture file held in memory. On success `out` holds the picture at 24
// bits (transparent PNG pixels are blended over white); on failure `out` is unchanged,
// false is returned and `error` (when given) says why. Pictures larger than
// PixelBuffer::kMaxDimension in either direction are refused.
bool DecodePicture(const std::uint8_t* data, std::size_t size, PixelBuffer* out,
                   std::string* error);

// Reads and decodes a picture file; a missing file, an unknown kind and a decoder error
// all fail cleanly, leaving `out` unchanged.
bool OpenPicture(const std::string& path, PixelBuffer* out, std::string* error);

// PNG encoding (8-bit RGB, no alpha).
bool EncodePng(const PixelBuffer& picture, std::vector<std::uint8_t>* out, std::string* error);
// Writes the whole file or nothing.
bool SavePng(const PixelBuffer& picture, const std::string& path, std::string* error);

}  // namespace tv
