// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel toolkit routines: every loop works row by row on the buffers' own memory.
#include "field/pixel_buffer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace tv {

namespace {

inline int ReadColor(const std::uint8_t* p) {
  return p[2] | (p[1] << 8) | (p[0] << 16);
}

inline void WriteColor(std::uint8_t* p, int color) {
  p[0] = static_cast<std::uint8_t>((color >> 16) & 255);
  p[1] = static_cast<std::uint8_t>((color >> 8) & 255);
  p[2] = static_cast<std::uint8_t>(color & 255);
}

inline bool IsKey(const std::uint8_t* p, const std::uint8_t key[3]) {
  return p[0] == key[0] && p[1] == key[1] && p[2] == key[2];
}

inline void KeyBytes(int key, std::uint8_t out[3]) {
  WriteColor(out, key);
}

// A block transfer after clipping: w by h pixels from (sx, sy) to (x, y).
struct Transfer {
  int x, y, sx, sy, w, h;
};

// Clips a block against a destination of dw by dh and a source of sw by sh. Works in 64
// bits so that extreme positions cannot overflow.
bool ClipTransfer(int dw, int dh, int sw, int sh, int x, int y, int w, int h, int sx, int sy,
                  Transfer* out) {
  if (w <= 0 || h <= 0 || dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return false;
  std::int64_t X = x, Y = y, SX = sx, SY = sy, W = w, H = h;
  if (X < 0) {
    SX -= X;
    W += X;
    X = 0;
  }
  if (Y < 0) {
    SY -= Y;
    H += Y;
    Y = 0;
  }
  if (SX < 0) {
    X -= SX;
    W += SX;
    SX = 0;
  }
  if (SY < 0) {
    Y -= SY;
    H += SY;
    SY = 0;
  }
  W = std::min({W, dw - X, sw - SX});
  H = std::min({H, dh - Y, sh - SY});
  if (W <= 0 || H <= 0) return false;
  *out = {static_cast<int>(X),  static_cast<int>(Y), static_cast<int>(SX),
          static_cast<int>(SY), static_cast<int>(W), static_cast<int>(H)};
  return true;
}

// Clips the transfer, then hands each row pair (destination, source, pixels) to `row`.
// Rows run bottom-up when copying within one buffer downwards, so every row is read
// before it is overwritten.
template <class RowOp>
void TransferRows(PixelBuffer& dst, int x, int y, int w, int h, const PixelBuffer& src, int sx,
                  int sy, RowOp row) {
  Transfer t;
  if (!ClipTransfer(dst.width(), dst.height(), src.width(), src.height(), x, y, w, h, sx, sy, &t))
    return;
  const bool reverse = &dst == &src && t.y > t.sy;
  for (int i = 0; i < t.h; ++i) {
    const int r = reverse ? t.h - 1 - i : i;
    row(dst.PixelAt(t.x, t.y + r), src.PixelAt(t.sx, t.sy + r), t.w);
  }
}

// Clips a block to one buffer; false if nothing is left.
bool ClipBlock(const PixelBuffer& b, int& x, int& y, int& w, int& h) {
  Transfer t;
  if (!ClipTransfer(b.width(), b.height(), b.width(), b.height(), x, y, w, h, x, y, &t)) {
    return false;
  }
  x = t.x;
  y = t.y;
  w = t.w;
  h = t.h;
  return true;
}

// Fills `count` pixels starting at p with one colour.
void FillRun(std::uint8_t* p, int count, int color) {
  if (count <= 0) return;
  std::uint8_t px[3];
  WriteColor(px, color);
  if (px[0] == px[1] && px[1] == px[2]) {
    std::memset(p, px[0], static_cast<std::size_t>(count) * 3);
    return;
  }
  for (int i = 0; i < count; ++i, p += 3) {
    p[0] = px[0];
    p[1] = px[1];
    p[2] = px[2];
  }
}

}  // namespace

// ---------------------------------------------------------------------------------------
// SpanRect

void SpanRect::SetEdges(int l, int t, int r, int b) {
  left = l;
  top = t;
  right = r;
  bottom = b;
  width = right - left + 1;
  height = bottom - top + 1;
}

void SpanRect::SetOriginSize(int l, int t, int w, int h) {
  SetEdges(l, t, l + w - 1, t + h - 1);
}

void SpanRect::Reset() {
  SetEdges(kUnset, kUnset, kUnset, kUnset);
}

void SpanRect::Union(int l, int t, int r, int b) {
  SetEdges(left == kUnset ? l : std::min(left, l), top == kUnset ? t : std::min(top, t),
           right == kUnset ? r : std::max(right, r), bottom == kUnset ? b : std::max(bottom, b));
}

void SpanRect::Cut(const SpanRect& other, CutMode mode) {
  // An unset edge of `other` would otherwise push our edge to about -10000.
  switch (mode) {
    case kCutLeftEdge:
      if (left != kUnset && other.right != kUnset && left < other.right) left = other.right + 1;
      break;
    case kCutRightEdge:
      if (right != kUnset && other.left != kUnset && other.left < right) right = other.left - 1;
      break;
    case kCutTopEdge:
      if (top != kUnset && other.bottom != kUnset && top < other.bottom) top = other.bottom + 1;
      break;
  }
  SetEdges(left, top, right, bottom);
}

void SpanRect::Offset(int d_left, int d_top, int d_right, int d_bottom) {
  SetEdges(left + d_left, top + d_top, right + d_right, bottom + d_bottom);
}

bool SpanRect::ClipTo(const SpanRect& other, int* moved_x, int* moved_y) {
  if (left > other.right || right < other.left || top > other.bottom || bottom < other.top) {
    return false;
  }
  int dx = 0, dy = 0;
  if (left < other.left) {
    dx = other.left - left;
    left = other.left;
  }
  if (top < other.top) {
    dy = other.top - top;
    top = other.top;
  }
  right = std::min(right, other.right);
  bottom = std::min(bottom, other.bottom);
  SetEdges(left, top, right, bottom);
  if (moved_x) *moved_x = dx;
  if (moved_y) *moved_y = dy;
  return width > 0 && height > 0;
}

// ---------------------------------------------------------------------------------------
// PixelBuffer

void PixelBuffer::CreateUninitialised(int width, int height) {
  if (width <= 0 || height <= 0 || width > kMaxDimension || height > kMaxDimension) {
    Free();
    return;
  }
  width_ = width;
  height_ = height;
  stride_ = StrideFor(width);
  bits_.resize(static_cast<std::size_t>(stride_) * height);
  // Only the pixels are left undefined: the few bytes padding each row read as zero.
  const int pad = stride_ - 3 * width;
  if (pad > 0)
    for (int y = 0; y < height; ++y) std::memset(Row(y) + 3 * width, 0, std::size_t(pad));
}

void PixelBuffer::Create(int width, int height) {
  CreateUninitialised(width, height);
  std::fill(bits_.begin(), bits_.end(), std::uint8_t{0});
}

void PixelBuffer::Free() {
  width_ = height_ = stride_ = 0;
  bits_.clear();
  bits_.shrink_to_fit();
}

int PixelBuffer::GetPixel(int x, int y) const {
  if (!Contains(x, y)) return -1;
  return ReadColor(PixelAt(x, y));
}

void PixelBuffer::SetPixel(int x, int y, int color) {
  if (!Contains(x, y)) return;
  WriteColor(PixelAt(x, y), color);
}

// ---------------------------------------------------------------------------------------
// Block transfers

void BlitBlock(PixelBuffer& dst, int x, int y, int w, int h, const PixelBuffer& src, int sx, int sy,
               RasterOp op) {
  if (op == RasterOp::kWhiteness) {
    FillBlock(dst, x, y, w, h, kColorWhite);
    return;
  }
  TransferRows(dst, x, y, w, h, src, sx, sy,
               [op](std::uint8_t* d, const std::uint8_t* s, int pixels) {
                 const std::size_t bytes = static_cast<std::size_t>(pixels) * 3;
                 switch (op) {
                   case RasterOp::kCopy:
                     std::memmove(d, s, bytes);
                     break;
                   case RasterOp::kAnd:
                     for (std::size_t k = 0; k < bytes; ++k) d[k] &= s[k];
                     break;
                   case RasterOp::kOr:
                     for (std::size_t k = 0; k < bytes; ++k) d[k] |= s[k];
                     break;
                   case RasterOp::kWhiteness:
                     break;
                 }
               });
}

void CopyBlock(PixelBuffer& dst, int x, int y, int w, int h, const PixelBuffer& src, int sx,
               int sy) {
  BlitBlock(dst, x, y, w, h, src, sx, sy, RasterOp::kCopy);
}

void CopyPicture(PixelBuffer& dst, int x, int y, const PixelBuffer& src) {
  CopyBlock(dst, x, y, src.width(), src.height(), src, 0, 0);
}

void KeyedCopy(PixelBuffer& dst, int x, int y, int w, int h, const PixelBuffer& src, int sx, int sy,
               int key) {
  std::uint8_t k[3];
  KeyBytes(key, k);
  // Tile pictures are long opaque runs between short transparent ones: copy whole runs.
  TransferRows(
      dst, x, y, w, h, src, sx, sy, [&k](std::uint8_t* d, const std::uint8_t* s, int pixels) {
        int i = 0;
        while (i < pixels) {
          while (i < pixels && IsKey(s + 3 * i, k)) ++i;
          const int start = i;
          while (i < pixels && !IsKey(s + 3 * i, k)) ++i;
          if (i > start)
            std::memcpy(d + 3 * start, s + 3 * start, static_cast<std::size_t>(i - start) * 3);
        }
      });
}

void InvertedCopy(PixelBuffer& dst, int x, int y, int w, int h, const PixelBuffer& src, int sx,
                  int sy) {
  TransferRows(dst, x, y, w, h, src, sx, sy,
               [](std::uint8_t* d, const std::uint8_t* s, int pixels) {
                 for (int k = 0; k < pixels * 3; ++k) d[k] = static_cast<std::uint8_t>(255 - s[k]);
               });
}

void KeyedInvertedCopy(PixelBuffer& dst, int x, int y, int w, int h, const PixelBuffer& src, int sx,
                       int sy, int key) {
  std::uint8_t k[3];
  KeyBytes(key, k);
  TransferRows(dst, x, y, w, h, src, sx, sy,
               [&k](std::uint8_t* d, const std::uint8_t* s, int pixels) {
                 for (int i = 0; i < pixels; ++i, d += 3, s += 3)
                   if (!IsKey(s, k))
                     for (int c = 0; c < 3; ++c) d[c] = static_cast<std::uint8_t>(255 - s[c]);
               });
}

void InvertNonKey(PixelBuffer& buffer, int key) {
  std::uint8_t k[3];
  KeyBytes(key, k);
  for (int y = 0; y < buffer.height(); ++y) {
    std::uint8_t* p = buffer.Row(y);
    for (int i = 0; i < buffer.width(); ++i, p += 3) {
      if (!IsKey(p, k)) {
        p[0] = static_cast<std::uint8_t>(255 - p[0]);
        p[1] = static_cast<std::uint8_t>(255 - p[1]);
        p[2] = static_cast<std::uint8_t>(255 - p[2]);
      }
    }
  }
}

void KeyedTint(PixelBuffer& dst, int x, int y, int w, int h, int percent, int color,
               const PixelBuffer& mask, int mx, int my, int key) {
  Transfer t;
  if (!ClipTransfer(dst.width(), dst.height(), mask.width(), mask.height(), x, y, w, h, mx, my,
                    &t)) {
    return;
  }
  std::uint8_t c[3];
  WriteColor(c, color);
  // One table per channel: the blend depends only on the byte.
  std::array<std::array<std::uint8_t, 256>, 3> table;
  for (int ch = 0; ch < 3; ++ch) {
    for (int v = 0; v < 256; ++v) {
      const int r = ((100 - percent) * c[ch] + v * percent) / 100;
      table[ch][v] = static_cast<std::uint8_t>(std::clamp(r, 0, 255));
    }
  }
  std::uint8_t k[3];
  KeyBytes(key, k);
  for (int row = 0; row < t.h; ++row) {
    std::uint8_t* d = dst.PixelAt(t.x, t.y + row);
    const std::uint8_t* m = mask.PixelAt(t.sx, t.sy + row);
    for (int i = 0; i < t.w; ++i, d += 3, m += 3) {
      if (!IsKey(m, k)) {
        d[0] = table[0][d[0]];
        d[1] = table[1][d[1]];
        d[2] = table[2][d[2]];
      }
    }
  }
}

void DarkenBlock(PixelBuffer& dst, int x, int y, int w, int h, int amount) {
  if (!ClipBlock(dst, x, y, w, h)) return;
  const auto a = static_cast<std::uint16_t>(std::clamp(amount, 0, 255));
  const int bytes = w * 3;
  // v - a v / 255 in 16 bits, the division as (x + 1 + x / 256) / 256, exact below
  // 65535: plain arithmetic the compiler runs 16 or 32 bytes at a time.
  for (int row = 0; row < h; ++row) {
    std::uint8_t* d = dst.PixelAt(x, y + row);
    for (int k = 0; k < bytes; ++k) {
      const auto product = static_cast<std::uint16_t>(a * d[k]);
      d[k] = static_cast<std::uint8_t>(d[k] - ((product + 1 + (product >> 8)) >> 8));
    }
  }
}

void DarkenedCopy(PixelBuffer& dst, const PixelBuffer& src, int amount) {
  dst.CreateUninitialised(src.width(), src.height());
  const auto a = static_cast<std::uint16_t>(std::clamp(amount, 0, 255));
  const std::uint8_t* s = src.data();
  std::uint8_t* d = dst.data();
  for (std::size_t k = 0, n = src.size(); k < n; ++k) {
    const auto product = static_cast<std::uint16_t>(a * s[k]);
    d[k] = static_cast<std::uint8_t>(s[k] - ((product + 1 + (product >> 8)) >> 8));
  }
}

void DarkenRect(PixelBuffer& dst, const SpanRect& rect, int amount) {
  DarkenBlock(dst, rect.left, rect.top, rect.width, rect.height, amount);
}

void FillBlock(PixelBuffer& dst, int x, int y, int w, int h, int color) {
  if (!ClipBlock(dst, x, y, w, h)) return;
  std::uint8_t* first = dst.PixelAt(x, y);
  FillRun(first, w, color);
  for (int row = 1; row < h; ++row) {
    std::memcpy(dst.PixelAt(x, y + row), first, static_cast<std::size_t>(w) * 3);
  }
}

void FillPicture(PixelBuffer& dst, int color) {
  FillBlock(dst, 0, 0, dst.width(), dst.height(), color);
}

void FrameBlock(PixelBuffer& dst, int x, int y, int w, int h, int color) {
  if (w <= 0 || h <= 0) return;
  FillBlock(dst, x, y, w, 1, color);
  FillBlock(dst, x, y + h - 1, w, 1, color);
  FillBlock(dst, x, y, 1, h, color);
  FillBlock(dst, x + w - 1, y, 1, h, color);
}

void DrawLine(PixelBuffer& dst, int x1, int y1, int x2, int y2, int color) {
  if (dst.IsEmpty()) return;
  if (y1 == y2) {
    const int l = std::min(x1, x2), r = std::max(x1, x2);
    FillBlock(dst, l, y1, r - l + 1, 1, color);
    return;
  }
  if (x1 == x2) {
    const int t = std::min(y1, y2), b = std::max(y1, y2);
    FillBlock(dst, x1, t, 1, b - t + 1, color);
    return;
  }
  // 64 bits: the error terms would overflow for far-apart ends.
  std::int64_t x = x1, y = y1;
  const std::int64_t dx = std::abs(std::int64_t{x2} - x1), dy = -std::abs(std::int64_t{y2} - y1);
  const int step_x = x1 < x2 ? 1 : -1, step_y = y1 < y2 ? 1 : -1;
  std::int64_t err = dx + dy;
  for (;;) {
    if (x >= 0 && y >= 0 && x < dst.width() && y < dst.height()) {
      WriteColor(dst.PixelAt(static_cast<int>(x), static_cast<int>(y)), color);
    }
    if (x == x2 && y == y2) break;
    const std::int64_t e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += step_x;
    }
    if (e2 <= dx) {
      err += dx;
      y += step_y;
    }
  }
}

// ---------------------------------------------------------------------------------------
// Flood fill: the span seed fill. Each stacked span is a run of a row that was filled;
// the row next to it in `direction` still has to be explored.

namespace {

struct SpanNode {
  int left;
  int right;
  int row;
  int direction;
  int next;  // index of the node below on the stack, or of the next free node
};

class SpanStack {
 public:
  bool Empty() const { return top_ < 0; }

  void Push(int left, int right, int row, int direction, int height) {
    const int next_row = row + direction;
    if (next_row < 0 || next_row >= height) return;
    int index;
    if (free_ >= 0) {
      index = free_;
      free_ = nodes_[index].next;
    } else {
      index = static_cast<int>(nodes_.size());
      nodes_.push_back({});
    }
    nodes_[index] = {left, right, row, direction, top_};
    top_ = index;
  }

  SpanNode Pop() {
    const int index = top_;
    SpanNode node = nodes_[index];
    top_ = node.next;
    nodes_[index].next = free_;
    free_ = index;
    return node;
  }

 private:
  std::vector<SpanNode> nodes_;
  int top_ = -1;
  int free_ = -1;
};

}  // namespace

bool FloodFill(PixelBuffer& dst, int seed_x, int seed_y, int color, SpanRect* bounds) {
  if (!dst.Contains(seed_x, seed_y)) return false;
  const int old_color = dst.GetPixel(seed_x, seed_y);
  if (old_color == (color & 0xFFFFFF)) return false;

  std::uint8_t old_px[3], new_px[3];
  WriteColor(old_px, old_color);
  WriteColor(new_px, color);
  const int width = dst.width(), height = dst.height();
  auto is_old = [&](const std::uint8_t* row, int x) { return IsKey(row + 3 * x, old_px); };
  auto set_new = [&](std::uint8_t* row, int x) {
    std::uint8_t* p = row + 3 * x;
    p[0] = new_px[0];
    p[1] = new_px[1];
    p[2] = new_px[2];
  };

  SpanRect filled;
  filled.Reset();
  SpanStack stack;
  stack.Push(seed_x, seed_x, seed_y, 1, height);
  stack.Push(seed_x, seed_x, seed_y + 1, -1, height);
  while (!stack.Empty()) {
    const SpanNode span = stack.Pop();
    const int y = span.row + span.direction;
    const int x1 = span.left, x2 = span.right, dir = span.direction;
    std::uint8_t* row = dst.Row(y);
    int x = x1;
    // Extend to the left of the parent span.
    while (x >= 0 && is_old(row, x)) set_new(row, x--);
    int l = x1;
    bool skip = x >= x1;
    if (!skip) {
      l = x + 1;
      filled.Union(l, y, x1, y);
      if (l < x1) stack.Push(l, x1 - 1, y, -dir, height);  // leak on the left
      x = x1 + 1;
    }
    do {
      if (!skip) {
        const int run_start = x;
        while (x < width && is_old(row, x)) set_new(row, x++);
        if (x > run_start) filled.Union(run_start, y, x - 1, y);
        stack.Push(l, x - 1, y, dir, height);
        if (x > x2 + 1) stack.Push(x2 + 1, x - 1, y, -dir, height);  // leak on the right
      }
      skip = false;
      for (++x; x <= x2 && !is_old(row, x); ++x) {
      }
      l = x;
    } while (x <= x2);
  }
  if (bounds) *bounds = filled;
  return true;
}

// ---------------------------------------------------------------------------------------
// Bilinear resize

void ResizeBilinear(const PixelBuffer& src, PixelBuffer& dst, int x, int y, int w, int h,
                    int start_x, int start_y) {
  if (src.IsEmpty()) return;
  ResizeBilinearRows(
      src.width(), src.height(), [&src](int row) { return src.Row(row); }, dst, x, y, w, h, start_x,
      start_y);
}

void ResizeBilinearRows(int src_width, int src_height, const SourceRow& row, PixelBuffer& dst,
                        int x, int y, int w, int h, int start_x, int start_y) {
  if (w <= 0 || h <= 0 || src_width <= 0 || src_height <= 0 || dst.IsEmpty()) return;
  const std::int64_t step_x = (std::int64_t{src_width - 1} * 32768) / w;
  const std::int64_t step_y = (std::int64_t{src_height - 1} * 32768) / h;
  const int last_col = src_width - 1, last_row = src_height - 1;

  // Only the destination columns and rows inside `dst` are computed, but the source
  // position still advances from the block's first pixel.
  const auto first_inside = [](int origin, int size) {
    return static_cast<int>(
        std::min<std::int64_t>(size, std::max<std::int64_t>(0, -std::int64_t{origin})));
  };
  const auto end_inside = [](int origin, int size, int limit) {
    return static_cast<int>(std::min<std::int64_t>(size, std::int64_t{limit} - origin));
  };
  const int col_begin = first_inside(x, w), col_end = end_inside(x, w, dst.width());
  const int row_begin = first_inside(y, h), row_end = end_inside(y, h, dst.height());
  if (col_begin >= col_end || row_begin >= row_end) return;

  // Column sources and weights are the same for every row.
  std::vector<int> col_x0(col_end - col_begin), col_x1(col_end - col_begin),
      col_tx(col_end - col_begin);
  for (int i = col_begin; i < col_end; ++i) {
    const std::int64_t fx = std::max<std::int64_t>(0, start_x + step_x * i);
    const int x0 = static_cast<int>(std::min<std::int64_t>(fx / 32768, last_col));
    col_x0[i - col_begin] = x0 * 3;
    col_x1[i - col_begin] = std::min(x0 + 1, last_col) * 3;
    col_tx[i - col_begin] = static_cast<int>(fx % 32768);
  }

  for (int j = row_begin; j < row_end; ++j) {
    const std::int64_t fy = std::max<std::int64_t>(0, start_y + step_y * j);
    const int y0 = static_cast<int>(std::min<std::int64_t>(fy / 32768, last_row));
    const int y1 = std::min(y0 + 1, last_row);
    const std::uint32_t ty = static_cast<std::uint32_t>(fy % 32768);
    const std::uint8_t* r0 = row(y0);
    const std::uint8_t* r1 = row(y1);
    std::uint8_t* d = dst.PixelAt(x + col_begin, y + j);
    // Blue and red share one 64-bit product, each in its own 32-bit lane: a lane never
    // exceeds 255 * 32768, so no carry crosses into the other.
    const auto pack = [](const std::uint8_t* p) {
      return std::uint64_t{p[0]} | (std::uint64_t{p[2]} << 32);
    };
    for (int i = 0; i < col_end - col_begin; ++i, d += 3) {
      const std::uint32_t tx = static_cast<std::uint32_t>(col_tx[i]);
      const std::uint32_t w01 = (tx * (32768 - ty)) >> 15;
      const std::uint32_t w00 = 32768 - ty - w01;
      const std::uint32_t w11 = (tx * ty) >> 15;
      const std::uint32_t w10 = ty - w11;
      const std::uint8_t* p00 = r0 + col_x0[i];
      const std::uint8_t* p01 = r0 + col_x1[i];
      const std::uint8_t* p10 = r1 + col_x0[i];
      const std::uint8_t* p11 = r1 + col_x1[i];
      const std::uint64_t blueRed =
          w00 * pack(p00) + w01 * pack(p01) + w10 * pack(p10) + w11 * pack(p11);
      d[0] = static_cast<std::uint8_t>((blueRed & 0xFFFFFFFFu) >> 15);
      d[1] = static_cast<std::uint8_t>(
          (w00 * p00[1] + w01 * p01[1] + w10 * p10[1] + w11 * p11[1]) >> 15);
      d[2] = static_cast<std::uint8_t>((blueRed >> 32) >> 15);
    }
  }
}

// ---------------------------------------------------------------------------------------
// Icon strips

PixelBuffer BuildIconStrip(const PixelBuffer& source) {
  PixelBuffer strip;
  if (source.IsEmpty() || source.height() > PixelBuffer::kMaxDimension / 4) return strip;
  const int w = source.width(), h = source.height();
  strip.Create(w, 4 * h);
  std::uint8_t k[3];
  KeyBytes(kKeyColor, k);
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* s = source.Row(y);
    std::uint8_t* normal = strip.Row(y);
    std::uint8_t* mask = strip.Row(h + y);
    std::uint8_t* inverted = strip.Row(2 * h + y);
    std::uint8_t* grey = strip.Row(3 * h + y);
    for (int x = 0; x < w; ++x) {
      const int o = 3 * x;
      if (IsKey(s + o, k)) {
        // Created black: only the mask needs writing.
        mask[o] = mask[o + 1] = mask[o + 2] = 255;
        continue;
      }
      const int mean = (s[o] + s[o + 1] + s[o + 2]) / 3;
      for (int c = 0; c < 3; ++c) {
        normal[o + c] = s[o + c];
        inverted[o + c] = static_cast<std::uint8_t>(255 - s[o + c]);
        grey[o + c] = static_cast<std::uint8_t>(mean);
      }
    }
  }
  return strip;
}

void DrawFromIconStrip(PixelBuffer& canvas, int x, int y, const PixelBuffer& strip, int band,
                       int sx, int sy, int w, int h) {
  if (band < 0 || band > 3 || strip.IsEmpty()) return;
  const int band_height = strip.height() / 4;
  // Keep the block inside one band so that the mask and the band stay aligned.
  Transfer t;
  if (!ClipTransfer(canvas.width(), canvas.height(), strip.width(), band_height, x, y, w, h, sx, sy,
                    &t)) {
    return;
  }
  BlitBlock(canvas, t.x, t.y, t.w, t.h, strip, t.sx, kIconMask * band_height + t.sy,
            RasterOp::kAnd);
  BlitBlock(canvas, t.x, t.y, t.w, t.h, strip, t.sx, band * band_height + t.sy, RasterOp::kOr);
}

double AngleAtVertex(double p1x, double p1y, double vertex_x, double vertex_y, double p3x,
                     double p3y) {
  const double ax = p1x - vertex_x, ay = p1y - vertex_y;
  const double bx = p3x - vertex_x, by = p3y - vertex_y;
  const double la = std::hypot(ax, ay), lb = std::hypot(bx, by);
  if (la == 0 || lb == 0) return 0;
  return std::acos(std::clamp((ax * bx + ay * by) / (la * lb), -1.0, 1.0));
}

}  // namespace tv
