// SPDX-License-Identifier: GPL-3.0-or-later
// Windows bitmap reader of our own: the format is simple enough that a library buys nothing.
#include "field/bmp_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace tv {

namespace {

constexpr std::uint32_t kCompressionRgb = 0;
constexpr std::uint32_t kCompressionBitfields = 3;
constexpr std::uint32_t kCompressionAlphaBitfields = 6;
constexpr std::size_t kFileHeaderSize = 14;

std::uint32_t U16(const std::uint8_t* p) {
  return p[0] | (p[1] << 8);
}
std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24);
}

bool Fail(std::string* error, const char* text) {
  if (error) *error = text;
  return false;
}

// One colour channel described by a bit mask, scaled to 0..255.
struct MaskChannel {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint32_t max = 0;

  explicit MaskChannel(std::uint32_t m) : mask(m) {
    if (mask == 0) return;
    while (((mask >> shift) & 1) == 0) ++shift;
    max = mask >> shift;
  }
  std::uint8_t Extract(std::uint32_t value) const {
    if (max == 0) return 0;
    return static_cast<std::uint8_t>((((value & mask) >> shift) * 255 + max / 2) / max);
  }
};

}  // namespace

bool DecodeBmp(const std::uint8_t* data, std::size_t size, PixelBuffer* out, std::string* error) {
  if (size < kFileHeaderSize + 12 || data[0] != 'B' || data[1] != 'M') {
    return Fail(error, "not a Windows bitmap or truncated header");
  }
  const std::uint32_t pixel_offset = U32(data + 10);
  const std::uint8_t* info = data + kFileHeaderSize;
  const std::uint32_t info_size = U32(info);
  if (info_size < 12 || info_size > size - kFileHeaderSize) {
    return Fail(error, "bitmap header is truncated or invalid");
  }

  std::int64_t width, height;
  std::uint32_t bits, compression = kCompressionRgb, colors_used = 0;
  std::size_t palette_entry = 4;
  if (info_size == 12) {  // the old core header
    width = U16(info + 4);
    height = static_cast<std::int16_t>(U16(info + 6));
    bits = U16(info + 10);
    palette_entry = 3;
  } else {
    if (info_size < 40) return Fail(error, "bitmap header is truncated or invalid");
    width = static_cast<std::int32_t>(U32(info + 4));
    height = static_cast<std::int32_t>(U32(info + 8));
    bits = U16(info + 14);
    compression = U32(info + 16);
    colors_used = U32(info + 32);
  }
  const bool top_down = height < 0;
  if (top_down) height = -height;
  if (!PixelBuffer::PictureSizeAllowed(width, height)) {
    return Fail(error, "bitmap dimensions are out of range");
  }

  // Masks for 16- and 32-bit pictures: the defaults, or those after (or inside) the header.
  std::uint32_t red_mask = 0, green_mask = 0, blue_mask = 0;
  if (compression == kCompressionBitfields || compression == kCompressionAlphaBitfields) {
    if (bits != 16 && bits != 32) return Fail(error, "bitmap bit fields need 16 or 32 bits");
    if (kFileHeaderSize + 40 + 12 > size) return Fail(error, "bitmap colour masks are missing");
    const std::uint8_t* masks = info + 40;
    red_mask = U32(masks);
    green_mask = U32(masks + 4);
    blue_mask = U32(masks + 8);
  } else if (compression != kCompressionRgb) {
    return Fail(error, "compressed bitmaps are not supported");
  } else if (bits == 16) {
    red_mask = 0x7C00;
    green_mask = 0x03E0;
    blue_mask = 0x001F;
  } else if (bits == 32) {
    red_mask = 0x00FF0000;
    green_mask = 0x0000FF00;
    blue_mask = 0x000000FF;
  }

  std::array<std::uint8_t, 256 * 3> palette{};  // blue, green, red per entry; unset = black
  const bool paletted = bits == 1 || bits == 4 || bits == 8;
  if (paletted) {
    std::uint32_t count = colors_used == 0 ? (1u << bits) : colors_used;
    count = std::min<std::uint32_t>(count, 1u << bits);
    const std::size_t palette_start = kFileHeaderSize + info_size;
    if (palette_start + count * palette_entry > size) {
      return Fail(error, "bitmap palette is truncated");
    }
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint8_t* p = data + palette_start + i * palette_entry;
      palette[i * 3] = p[0];
      palette[i * 3 + 1] = p[1];
      palette[i * 3 + 2] = p[2];
    }
  } else if (bits != 16 && bits != 24 && bits != 32) {
    return Fail(error, "unsupported bitmap bit depth");
  }

  const std::size_t row_bytes = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
  if (pixel_offset > size || row_bytes * static_cast<std::size_t>(height) > size - pixel_offset) {
    return Fail(error, "bitmap pixel data is truncated");
  }

  const MaskChannel red(red_mask), green(green_mask), blue(blue_mask);
  PixelBuffer picture;
  picture.CreateUninitialised(static_cast<int>(width), static_cast<int>(height));
  if (picture.IsEmpty()) return Fail(error, "out of memory");
  const int w = picture.width();
  for (int y = 0; y < picture.height(); ++y) {
    const int file_row = top_down ? y : picture.height() - 1 - y;
    const std::uint8_t* s = data + pixel_offset + row_bytes * file_row;
    std::uint8_t* d = picture.Row(y);
    for (int x = 0; x < w; ++x, d += 3) {
      switch (bits) {
        case 1:
        case 4:
        case 8: {
          const int per_byte = 8 / bits;
          const int byte = s[x / per_byte];
          const int shift = 8 - bits * (x % per_byte + 1);
          const int index = (byte >> shift) & ((1 << bits) - 1);
          d[0] = palette[index * 3];
          d[1] = palette[index * 3 + 1];
          d[2] = palette[index * 3 + 2];
          break;
        }
        case 24:
          d[0] = s[3 * x];
          d[1] = s[3 * x + 1];
          d[2] = s[3 * x + 2];
          break;
        default: {
          const std::uint32_t v = bits == 16 ? U16(s + 2 * x) : U32(s + 4 * x);
          d[0] = blue.Extract(v);
          d[1] = green.Extract(v);
          d[2] = red.Extract(v);
          break;
        }
      }
    }
  }
  *out = std::move(picture);
  return true;
}

}  // namespace tv
