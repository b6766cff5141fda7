// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures the layout library's windows draw with, handed in by the program:
// star strips, the preview tile strip, sort arrows and frame pieces; and the drawing
// routines on them (star rows, frames, the layout preview).
#pragma once

#include <QIcon>
#include <QImage>
#include <functional>
#include <string_view>
#include <vector>

#include "field/tileset_descriptor.h"
#include "game/board.h"

namespace tv {

struct LibraryPictures {
  QImage SmallStars;    // 52 x 68: rows of 16 for 0 to 3 stars, one spare row each
  QImage MidStars;      // 78 x 100: rows of 24
  QImage LargeStars;    // 102 x 131: rows of 32
  QImage PreviewTiles;  // 88 x 25: blank tiles, black transparent, magenta markers
  QImage HdrArrows;     // 19 x 11: magenta transparent
  QImage FrameGreen;    // 32 x 32 frame pieces
  QImage FrameWhite;
  QIcon PageAll, PageFavs, PageRecent, Delete, Help;
  // For high-density screens: the part `source` of the preview tile strip, and the whole of
  // a frame piece picture (`white` false: the green one), drawn at `size` device pixels.
  // Unset, the pictures above are scaled.
  std::function<QImage(QRect source, QSize size)> PreviewTilesPart;
  std::function<QImage(bool white, QSize size)> FramePieces;
  // The three star strips drawn at `size` device pixels.
  std::function<QImage(QSize size)> DrawSmallStars, DrawMidStars, DrawLargeStars;
};

// The row for `stars` (0 to 3) of a strip whose rows are `rowHeight` high; null
// for any other number.
QImage StarsRow(const QImage& strip, int rowHeight, int stars);

// A star strip for screens of any density: drawn again for a ratio when it can be, else
// scaled. The strip last drawn is kept.
class StarsStrip {
 public:
  StarsStrip() = default;
  StarsStrip(QImage plain, int rowHeight, std::function<QImage(QSize size)> draw = {});

  // StarsRow for `ratio` device pixels per point, the row's device pixel ratio set.
  QImage Row(int stars, double ratio = 1) const;
  const QImage& Plain() const { return plain_; }

 private:
  QImage plain_;
  int rowHeight_ = 0;
  std::function<QImage(QSize size)> draw_;
  mutable QImage drawn_;
  mutable double drawnRatio_ = 0;
};

// `picture` with every pixel of `key` made transparent.
QImage KeyedOut(const QImage& picture, QRgb key);

// Frame from the 32 x 32 pieces over the whole target, white inside; a divider
// across at `dividerY` when it is not negative. At a `ratio` other than 1 the target,
// the pieces and `dividerY` are in device pixels, everything else scaled by it.
void DrawFrame(QImage& target, const QImage& pieces, int dividerY = -1, double ratio = 1);

// Frame pieces for `ratio`: drawn by `pictures` at that density when it can, else scaled.
QImage FramePiecesAt(const LibraryPictures& pictures, bool white, double ratio);

struct PreviewTile {
  TileSize Size;   // face and edge
  QImage Picture;  // side by side, black made transparent
  int Left = 0;    // where it starts in the strip
};

// The tile pictures of the strip: each ends at a magenta marker on the top row;
// the run of black at the start of its top row is its edge.
std::vector<PreviewTile> CutPreviewTiles(const QImage& strip);

// What a preview is drawn with on a screen of `Ratio` device pixels per point; tile sizes
// and pictures in device pixels.
struct PreviewArt {
  double Ratio = 1;
  std::vector<PreviewTile> Tiles;
  QImage Frame;
};

// The strip's tiles and the green frame for `ratio`; the tiles are those of `tiles`
// (cut from the strip) drawn again at the density.
PreviewArt MakePreviewArt(const LibraryPictures& pictures, const std::vector<PreviewTile>& tiles,
                          double ratio);

constexpr int kPreviewWidth = 270;
constexpr int kPreviewHeight = 202;

// The preview of the layout `name` into a 270 x 202 picture (times the art's ratio): the
// green frame, then, when the layout reads, every tile in stacking order at the largest
// size that fits 256 x 192. False when the layout could not be read.
bool DrawLayoutPreview(QImage& target, std::string_view layoutsDir, std::string_view name,
                       const PreviewArt& art);

}  // namespace tv
