#include "library/library_pictures.h"

#include <QPainter>
#include <memory>

#include "field/geometry.h"
#include "game/layout_file.h"

namespace tv {

QImage StarsRow(const QImage& strip, int rowHeight, int stars) {
  if (stars < 0 || stars > 3 || strip.isNull()) return {};
  return strip.copy(0, stars * (rowHeight + 1), strip.width(), rowHeight);
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

void DrawFrame(QImage& target, const QImage& pieces, int dividerY) {
  const int w = target.width(), h = target.height();
  target.fill(Qt::white);
  if (pieces.isNull()) return;
  QPainter p(&target);
  for (int k = 1; k <= w / 8 - 1; ++k) {
    p.drawImage(8 * k, 0, pieces, 6, 0, 8, 6);
    p.drawImage(8 * k, h - 6, pieces, 6, 14, 8, 6);
  }
  for (int k = 1; k <= h / 8 - 1; ++k) {
    p.drawImage(0, 8 * k, pieces, 0, 6, 6, 8);
    p.drawImage(w - 6, 8 * k, pieces, 14, 6, 6, 8);
  }
  p.drawImage(0, 0, pieces, 0, 0, 10, 10);
  p.drawImage(0, h - 10, pieces, 0, 10, 10, 10);
  p.drawImage(w - 10, 0, pieces, 10, 0, 10, 10);
  p.drawImage(w - 10, h - 10, pieces, 10, 10, 10, 10);
  if (dividerY >= 0) {
    p.drawImage(QRect(6, dividerY - 5, w - 12, 11), pieces, QRect(6, 21, 8, 11));
    p.drawImage(0, dividerY - 5, pieces, 0, 21, 6, 11);
    p.drawImage(w - 6, dividerY - 5, pieces, 14, 21, 6, 11);
  }
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
      tile.Picture = KeyedOut(rgb.copy(start, 0, side, side), qRgb(0, 0, 0));
      tiles.push_back(std::move(tile));
    }
    start = x + 1;
  }
  return tiles;
}

bool DrawLayoutPreview(QImage& target, std::string_view layoutsDir, std::string_view name,
                       const std::vector<PreviewTile>& tiles, const QImage& frame) {
  if (target.size() != QSize(kPreviewWidth, kPreviewHeight))
    target = QImage(kPreviewWidth, kPreviewHeight, QImage::Format_RGB888);
  DrawFrame(target, frame);
  QPainter p(&target);
  p.fillRect(5, 5, 260, 192, QColor(0, 128, 0));
  auto board = std::make_unique<MODE_P>();
  if (tiles.empty() || !ReadLayout(layoutsDir, name, *board).Ok()) return false;
  BuildStackingOrder(*board);
  std::vector<TileSize> sizes;
  for (const PreviewTile& t : tiles) sizes.push_back(t.Size);
  const int index = FitTileSizeIndex(*board, sizes, 256, 192);
  SetTileGeometry(board->Game, sizes[std::size_t(index)]);
  LayOutField(*board, false, kPreviewWidth, kPreviewHeight);
  PlaceTiles(*board, board->Game.TileCount);
  const QImage& picture = tiles[std::size_t(index)].Picture;
  for (int k = 0; k < board->Game.TileCount; ++k) {
    const TILE_P& t = board->Tiles[std::size_t(board->Order[std::size_t(k)].Index)];
    p.drawImage(t.Left, t.Top, picture);
  }
  return true;
}

}  // namespace tv
