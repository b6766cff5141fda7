// SPDX-License-Identifier: GPL-3.0-or-later
// Star rows, frames and the layout preview drawn from the pictures the program hands in.
#include "library/library_pictures.h"

#include <QPainter>
#include <cmath>
#include <memory>

#include "field/geometry.h"
#include "game/layout_file.h"

namespace tv {

QImage StarsRow(const QImage& strip, int rowHeight, int stars) {
  if (stars < 0 || stars > 3 || strip.isNull()) return {};
  return strip.copy(0, stars * (rowHeight + 1), strip.width(), rowHeight);
}

StarsStrip::StarsStrip(QImage plain, int rowHeight, std::function<QImage(QSize size)> draw)
    : plain_(std::move(plain)), rowHeight_(rowHeight), draw_(std::move(draw)) {}

QImage StarsStrip::Row(int stars, double ratio) const {
  if (ratio == 1 || plain_.isNull()) return StarsRow(plain_, rowHeight_, stars);
  if (stars < 0 || stars > 3) return {};
  const auto S = [ratio](int v) { return int(std::lround(v * ratio)); };
  if (drawnRatio_ != ratio) {
    const QSize size(S(plain_.width()), S(plain_.height()));
    drawn_ = draw_ ? draw_(size) : QImage();
    if (drawn_.isNull())
      drawn_ = plain_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    drawnRatio_ = ratio;
  }
  const int top = stars * (rowHeight_ + 1);
  QImage row = drawn_.copy(0, S(top), drawn_.width(), S(top + rowHeight_) - S(top));
  row.setDevicePixelRatio(ratio);
  return row;
}

QImage KeyedOut(const QImage& picture, QRgb key) {
  QImage out = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF)) line[x] = 0;
  }
  return out;
}

void DrawFrame(QImage& target, const QImage& pieces, int dividerY, double ratio) {
  const int w = target.width(), h = target.height();
  target.fill(Qt::white);
  if (pieces.isNull()) return;
  const auto S = [ratio](int v) { return int(std::lround(v * ratio)); };
  // A piece's source by its edges, so pieces meet without gaps at any ratio.
  const auto src = [&](int x, int y, int pw, int ph) {
    return QRect(S(x), S(y), S(x + pw) - S(x), S(y + ph) - S(y));
  };
  QPainter p(&target);
  const auto put = [&](int x, int y, QRect piece) { p.drawImage(QPoint(x, y), pieces, piece); };
  const int logicalW = int(std::lround(w / ratio)), logicalH = int(std::lround(h / ratio));
  for (int k = 1; k <= logicalW / 8 - 1; ++k) {
    put(S(8 * k), 0, src(6, 0, 8, 6));
    put(S(8 * k), h - S(6), src(6, 14, 8, 6));
  }
  for (int k = 1; k <= logicalH / 8 - 1; ++k) {
    put(0, S(8 * k), src(0, 6, 6, 8));
    put(w - S(6), S(8 * k), src(14, 6, 6, 8));
  }
  put(0, 0, src(0, 0, 10, 10));
  put(0, h - S(10), src(0, 10, 10, 10));
  put(w - S(10), 0, src(10, 0, 10, 10));
  put(w - S(10), h - S(10), src(10, 10, 10, 10));
  if (dividerY >= 0) {
    p.drawImage(QRect(S(6), dividerY - S(5), w - 2 * S(6), S(11)), pieces, src(6, 21, 8, 11));
    put(0, dividerY - S(5), src(0, 21, 6, 11));
    put(w - S(6), dividerY - S(5), src(14, 21, 6, 11));
  }
}

QImage FramePiecesAt(const LibraryPictures& pictures, bool white, double ratio) {
  const QImage& plain = white ? pictures.FrameWhite : pictures.FrameGreen;
  if (ratio == 1 || plain.isNull()) return plain;
  const int side = int(std::lround(plain.width() * ratio));
  if (pictures.FramePieces) {
    QImage drawn = pictures.FramePieces(white, QSize(side, side));
    if (!drawn.isNull()) return drawn;
  }
  return plain.scaled(side, side);
}

std::vector<PreviewTile> CutPreviewTiles(const QImage& strip) {
  std::vector<PreviewTile> tiles;
  const QImage rgb = strip.convertToFormat(QImage::Format_RGB32);
  const auto isMarker = [&](int x) { return (rgb.pixel(x, 0) & 0xFFFFFF) == 0xFF00FF; };
  const auto isBlack = [&](int x) { return (rgb.pixel(x, 0) & 0xFFFFFF) == 0; };
  int start = 0;
  for (int x = 0; x < rgb.width(); ++x) {
    if (!isMarker(x)) continue;
    const int side = x - start;
    if (side > 0 && side <= rgb.height()) {
      int edge = 0;
      while (edge < side && isBlack(start + edge)) ++edge;
      PreviewTile tile;
      tile.Size = {side - edge, side - edge, edge, edge};
      tile.Left = start;
      tile.Picture = KeyedOut(rgb.copy(start, 0, side, side), qRgb(0, 0, 0));
      tiles.push_back(std::move(tile));
    }
    start = x + 1;
  }
  return tiles;
}

PreviewArt MakePreviewArt(const LibraryPictures& pictures, const std::vector<PreviewTile>& tiles,
                          double ratio) {
  PreviewArt art;
  art.Ratio = ratio;
  art.Frame = FramePiecesAt(pictures, false, ratio);
  if (ratio == 1) {
    art.Tiles = tiles;
    return art;
  }
  for (const PreviewTile& plain : tiles) {
    const int side = plain.Size.W + plain.Size.dx;
    const int deviceSide = int(std::lround(side * ratio));
    const int edge = int(std::lround(plain.Size.dx * ratio));
    PreviewTile tile;
    tile.Size = {deviceSide - edge, deviceSide - edge, edge, edge};
    tile.Left = plain.Left;
    QImage drawn;
    if (pictures.PreviewTilesPart)
      drawn = pictures.PreviewTilesPart(QRect(plain.Left, 0, side, side),
                                        QSize(deviceSide, deviceSide));
    tile.Picture = drawn.isNull() ? plain.Picture.scaled(deviceSide, deviceSide)
                                  : KeyedOut(drawn, qRgb(0, 0, 0));
    art.Tiles.push_back(std::move(tile));
  }
  return art;
}

bool DrawLayoutPreview(QImage& target, std::string_view layoutsDir, std::string_view name,
                       const PreviewArt& art) {
  const auto S = [&art](int v) { return int(std::lround(v * art.Ratio)); };
  const QSize size(S(kPreviewWidth), S(kPreviewHeight));
  if (target.size() != size) target = QImage(size, QImage::Format_RGB888);
  DrawFrame(target, art.Frame, -1, art.Ratio);
  QPainter p(&target);
  p.fillRect(S(5), S(5), S(265) - S(5), S(197) - S(5), QColor(0, 128, 0));
  auto board = std::make_unique<MODE_P>();
  if (art.Tiles.empty() || !ReadLayout(layoutsDir, name, *board).Ok()) return false;
  BuildStackingOrder(*board);
  std::vector<TileSize> sizes;
  for (const PreviewTile& t : art.Tiles) sizes.push_back(t.Size);
  const int index = FitTileSizeIndex(*board, sizes, S(256), S(192));
  SetTileGeometry(board->Game, sizes[std::size_t(index)]);
  LayOutField(*board, false, size.width(), size.height());
  PlaceTiles(*board, board->Game.TileCount);
  const QImage& picture = art.Tiles[std::size_t(index)].Picture;
  for (int k = 0; k < board->Game.TileCount; ++k) {
    const TILE_P& t = board->Tiles[std::size_t(board->Order[std::size_t(k)].Index)];
    p.drawImage(t.Left, t.Top, picture);
  }
  return true;
}

}  // namespace tv
