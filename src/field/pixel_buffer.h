// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel toolkit: 24-bit pictures in our own memory and the routines that draw into them.
//
// Memory layout: 3 bytes per pixel in the order blue, green, red; rows top-down, each
// padded to a multiple of 4 bytes. A QImage in Format_BGR888 built over data() with
// bytesPerLine = stride() shows the same pixels without a copy.
//
// Colours are packed as red + green * 256 + blue * 65536. Every drawing routine clips to
// its destination (negative positions included) and never touches memory outside it; an
// empty buffer (width 0) makes every routine that reads or draws it do nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "game/board.h"

namespace tv {

constexpr int kColorBlack = 0x000000;
constexpr int kColorWhite = 0xFFFFFF;
// Transparent pixels of every picture the program composes.
constexpr int kKeyColor = 0xFF00FF;

struct RgbBytes {
  int red;
  int green;
  int blue;
};

constexpr RgbBytes SplitColor(int color) {
  return {color & 255, (color >> 8) & 255, (color >> 16) & 255};
}
constexpr int JoinColor(int red, int green, int blue) {
  return red + green * 256 + blue * 65536;
}

// Rectangle with inclusive edges; an edge at kUnset has not been given a value yet.
struct SpanRect {
  static constexpr int kUnset = kUnsetBound;

  int left = kUnset;
  int top = kUnset;
  int right = kUnset;
  int bottom = kUnset;
  int width = 1;   // right - left + 1
  int height = 1;  // bottom - top + 1

  SpanRect() = default;
  SpanRect(int l, int t, int r, int b) { SetEdges(l, t, r, b); }

  static SpanRect FromOriginSize(int l, int t, int w, int h) {
    SpanRect rect;
    rect.SetOriginSize(l, t, w, h);
    return rect;
  }

  void SetEdges(int l, int t, int r, int b);
  // right = l + w - 1, bottom = t + h - 1.
  void SetOriginSize(int l, int t, int w, int h);
  // All four edges unset.
  void Reset();
  // True when left = right or top = bottom: a one-pixel-wide span counts as empty, and so
  // does a fresh accumulator.
  bool IsEmpty() const { return left == right || top == bottom; }
  // Widens each edge to include the given span; an unset edge takes the given value.
  void Union(int l, int t, int r, int b);

  enum CutMode {
    kCutLeftEdge = 0,   // left moves to the right of other.right
    kCutRightEdge = 1,  // right moves to the left of other.left
    kCutTopEdge = 2,    // top moves below other.bottom
  };
  // Removes the overlap with `other` by moving one edge. Unset edges, on either side,
  // leave the rectangle unchanged.
  void Cut(const SpanRect& other, CutMode mode);

  void Offset(int d_left, int d_top, int d_right, int d_bottom);

  // Shrinks the rectangle to lie inside `other`. False if they do not overlap; otherwise
  // `moved_x` and `moved_y` (when given) receive how far left and top moved inward (to
  // shift the source of a copy accordingly) and the result is true when it keeps positive
  // width and height.
  bool ClipTo(const SpanRect& other, int* moved_x = nullptr, int* moved_y = nullptr);

  bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

class PixelBuffer {
 public:
  PixelBuffer() = default;
  PixelBuffer(int width, int height) { Create(width, height); }

  // Replaces the contents by a new width by height picture, all black. A width or height
  // of 0 or less, or a size beyond kMaxDimension, gives an empty buffer.
  void Create(int width, int height);
  // Same, but the pixels keep no defined value (for pictures about to be overwritten).
  void CreateUninitialised(int width, int height);
  // Frees the memory; the buffer becomes empty.
  void Free();

  bool IsEmpty() const { return width_ <= 0 || height_ <= 0; }
  int width() const { return width_; }
  int height() const { return height_; }
  int stride() const { return stride_; }
  std::size_t size() const { return bits_.size(); }

  std::uint8_t* data() { return bits_.data(); }
  const std::uint8_t* data() const { return bits_.data(); }
  std::uint8_t* Row(int y) { return bits_.data() + static_cast<std::size_t>(y) * stride_; }
  const std::uint8_t* Row(int y) const {
    return bits_.data() + static_cast<std::size_t>(y) * stride_;
  }
  // The three bytes (blue, green, red) of pixel (x, y); no bounds check.
  std::uint8_t* PixelAt(int x, int y) { return Row(y) + 3 * x; }
  const std::uint8_t* PixelAt(int x, int y) const { return Row(y) + 3 * x; }

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // The whole picture as a rectangle (0, 0, width - 1, height - 1).
  SpanRect Bounds() const { return SpanRect(0, 0, width_ - 1, height_ - 1); }

  // Packed colour of (x, y), or -1 outside the buffer.
  int GetPixel(int x, int y) const;
  // Ignored outside the buffer.
  void SetPixel(int x, int y, int color);

  // Pictures larger than this in either direction are refused (guards allocation).
  static constexpr int kMaxDimension = 16384;
  // Beyond this many pixels a picture file is refused even when each side is in range:
  // it keeps a hostile header from claiming gigabytes.
  static constexpr std::int64_t kMaxPicturePixels = std::int64_t{8192} * 8192;
  // The one size check every picture decoder makes before allocating.
  static constexpr bool PictureSizeAllowed(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxDimension && height <= kMaxDimension &&
           width * height <= kMaxPicturePixels;
  }

  static int StrideFor(int width) { return (width * 3 + 3) & ~3; }

 private:
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  // Bytes left as they come from the allocator: a picture about to be decoded or copied
  // into is not cleared first (Create clears explicitly).
  template <class T>
  struct UninitialisedAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
      using other = UninitialisedAllocator<U>;
    };
    UninitialisedAllocator() = default;
    template <class U>
    UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}
    template <class U>
    void construct(U* p) noexcept {
      ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
      ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
  };
  std::vector<std::uint8_t, UninitialisedAllocator<std::uint8_t>> bits_;
};

// Block transfers. All copy a w by h block from (sx, sy) of `src` to (x, y) of `dst`,
// clipped to both buffers; a negative destination position shifts the source by the same
// amount. Within one buffer a plain copy may overlap itself; the other operations need
// blocks that do not overlap.
enum class RasterOp {
  kCopy,       // dst = src
  kAnd,        // dst = dst & src
  kOr,         // dst = dst | src
  kWhiteness,  // dst = white (src is not read)
};
void BlitBlock(PixelBuffer& dst, int x, int y, int w, int h, const PixelBuffer& src, int sx, int sy,
               RasterOp op);
void CopyBlock(PixelBuffer& dst, int x, int y, int w, int h, const PixelBuffer& src, int sx,
               int sy);
// Whole source picture to (x, y).
void CopyPicture(PixelBuffer& dst, int x, int y, const PixelBuffer& src);

// Copies the source pixels that differ from `key`; key pixels leave the destination as is.
void KeyedCopy(PixelBuffer& dst, int x, int y, int w, int h, const PixelBuffer& src, int sx, int sy,
               int key = kKeyColor);
// Every destination byte = 255 - source byte.
void InvertedCopy(PixelBuffer& dst, int x, int y, int w, int h, const PixelBuffer& src, int sx,
                  int sy);
// As KeyedCopy, but the copied pixels are inverted.
void KeyedInvertedCopy(PixelBuffer& dst, int x, int y, int w, int h, const PixelBuffer& src, int sx,
                       int sy, int key = kKeyColor);
// In place: every pixel that differs from `key` is inverted.
void InvertNonKey(PixelBuffer& buffer, int key = kKeyColor);

// Over the w by h block at (x, y) of `dst`, wherever the matching pixel of `mask` (block at
// (mx, my)) is not `key`: each byte v becomes ((100 - percent) * color byte + v * percent)
// div 100. Pixels the mask does not cover are left alone.
void KeyedTint(PixelBuffer& dst, int x, int y, int w, int h, int percent, int color,
               const PixelBuffer& mask, int mx, int my, int key = kKeyColor);

// Each byte v becomes v - (amount * v) div 255, amount clamped to 0..255.
void DarkenBlock(PixelBuffer& dst, int x, int y, int w, int h, int amount);
// `dst` becomes `src` darkened as DarkenBlock darkens, in one pass.
void DarkenedCopy(PixelBuffer& dst, const PixelBuffer& src, int amount);
void DarkenRect(PixelBuffer& dst, const SpanRect& rect, int amount);

void FillBlock(PixelBuffer& dst, int x, int y, int w, int h, int color);
void FillPicture(PixelBuffer& dst, int color);
// One-pixel lines along the four edges of the block.
void FrameBlock(PixelBuffer& dst, int x, int y, int w, int h, int color);

// Line from (x1, y1) to (x2, y2), both ends included; pixels outside are skipped.
void DrawLine(PixelBuffer& dst, int x1, int y1, int x2, int y2, int color);

// Sets the 4-connected region of pixels that share the seed's colour to `color`. Nothing
// happens (false) when the seed lies outside or already has the colour. When `bounds` is
// given it receives the rectangle covering every filled span (untouched on false).
bool FloodFill(PixelBuffer& dst, int seed_x, int seed_y, int color, SpanRect* bounds = nullptr);

// Scales the whole of `src` into the w by h block at (x, y) of `dst` with bilinear weights
// in 1/32768 pixel; (start_x, start_y) is the source position of the block's first pixel
// in the same units. Destination pixels outside `dst` are skipped.
void ResizeBilinear(const PixelBuffer& src, PixelBuffer& dst, int x, int y, int w, int h,
                    int start_x = 0, int start_y = 0);
// The same scaling from a source of src_width by src_height whose rows come one by one:
// `row(y)` is asked for rows in an order that never goes back more than one row behind
// the highest asked so far, and the two highest rows asked must stay readable. A decoder
// can so feed the scaling without ever holding the whole picture.
using SourceRow = std::function<const std::uint8_t*(int y)>;
void ResizeBilinearRows(int src_width, int src_height, const SourceRow& row, PixelBuffer& dst,
                        int x, int y, int w, int h, int start_x = 0, int start_y = 0);

// Icon strips: a picture with magenta as transparent colour becomes a strip four times its
// height with these bands, top to bottom.
enum IconBand {
  kIconNormal = 0,    // the picture, magenta turned black
  kIconMask = 1,      // black where the picture is opaque, white where it is magenta
  kIconInverted = 2,  // the picture inverted, black where magenta
  kIconGrey = 3,      // mean of the three bytes, black where magenta
};
PixelBuffer BuildIconStrip(const PixelBuffer& source);
// Draws a w by h block at (sx, sy) of one band onto `canvas` at (x, y): AND with the mask
// band, then OR with the chosen band, so the transparent pixels keep what was under them.
// (sx, sy) are relative to the band's top-left corner.
void DrawFromIconStrip(PixelBuffer& canvas, int x, int y, const PixelBuffer& strip, int band,
                       int sx, int sy, int w, int h);

// Angle in radians at `vertex` between the rays to p1 and p3; 0 when a ray has no length.
double AngleAtVertex(double p1x, double p1y, double vertex_x, double vertex_y, double p3x,
                     double p3y);

}  // namespace tv
