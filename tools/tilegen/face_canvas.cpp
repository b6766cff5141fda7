// SPDX-License-Identifier: GPL-3.0-or-later
#include "face_canvas.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "face_painter.h"
#include "game/faces.h"

namespace tv::tilegen {

FaceCanvas::FaceCanvas(QPainter& painter, const TileStyle& style, int width, int height)
    : painter_(painter), style_(style), width_(width), height_(height) {
  // The outline takes one pixel; the margin grows with the tile so symbols
  // never touch it.
  const double pad = std::max(1.0, std::min(width, height) * 0.07);
  inner_ = QRectF(1 + pad, 1 + pad, width - 2 - 2 * pad, height - 2 - 2 * pad);
}

QPointF FaceCanvas::At(double u, double v) const {
  return {inner_.left() + u * inner_.width(), inner_.top() + v * inner_.height()};
}

QRectF FaceCanvas::Box(double u0, double v0, double u1, double v1) const {
  return QRectF(At(u0, v0), At(u1, v1));
}

double FaceCanvas::Len(double fraction) const {
  return std::max(0.34, fraction * inner_.width());
}

void FaceCanvas::Background(const QColor& top, const QColor& bottom) {
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, false);
  // Black like the tile body's outline, so face and edges join seamlessly.
  painter_.fillRect(QRect(0, 0, width_, height_), Qt::black);
  if (width_ > 2 && height_ > 2) {
    QLinearGradient gradient(0, 1, 0, height_ - 1);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter_.fillRect(QRect(1, 1, width_ - 2, height_ - 2), gradient);
    if (style_.rim.isValid() && width_ > 8 && height_ > 8) {
      // Inside the margin that keeps symbols off the border.
      const int band = std::max(1, int(std::lround(std::min(width_, height_) * 0.05)));
      painter_.fillRect(QRect(1, 1, width_ - 2, band), style_.rim);
      painter_.fillRect(QRect(1, height_ - 1 - band, width_ - 2, band), style_.rim);
      painter_.fillRect(QRect(1, 1, band, height_ - 2), style_.rim);
      painter_.fillRect(QRect(width_ - 1 - band, 1, band, height_ - 2), style_.rim);
    }
    if (width_ > 8 && height_ > 8) {
      // Light falls from the top right, away from the drawn edges.
      painter_.setPen(style_.highlight);
      painter_.drawLine(1, 1, width_ - 2, 1);
      painter_.drawLine(width_ - 2, 1, width_ - 2, height_ - 2);
    }
  }
  painter_.restore();
  // Symbols that reach the border must not break the outline.
  painter_.setClipRect(QRect(1, 1, width_ - 2, height_ - 2));
}

void FaceCanvas::Glyph(const QString& text, const QRectF& box, const QColor& colour, Fit fit,
                       bool bold) {
  constexpr int kDesignSize = 256;
  QFont font(kGlyphFontFamily);
  font.setPixelSize(kDesignSize);
  font.setBold(bold);
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF bounds = path.boundingRect();
  if (bounds.isEmpty() || box.isEmpty()) return;
  double scale;
  if (fit == Fit::kEmSquare) {
    // CJK characters fill about 0.92 of their em square.
    scale = std::min(box.width(), box.height()) / (kDesignSize * 0.92);
    scale = std::min(scale, std::min(box.width() / bounds.width(), box.height() / bounds.height()));
  } else {
    scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
  }
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(scale, scale);
  t.translate(-bounds.center().x(), -bounds.center().y());
  painter_.fillPath(t.map(path), colour);
}

void FaceCanvas::CornerIndex(const QString& text, const QColor& colour) {
  if (!style_.corner_index || inner_.height() < 24) return;
  const double h = inner_.height() * 0.14;
  Glyph(text, QRectF(inner_.left(), inner_.top(), h * 1.4, h), colour, Fit::kOutline, true);
}

void FaceCanvas::Disc(QPointF centre, double radius, const QColor& colour) {
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(colour);
  painter_.drawEllipse(centre, radius, radius);
}

void FaceCanvas::Ellipse(QPointF centre, double rx, double ry, double degrees,
                         const QColor& colour) {
  painter_.save();
  painter_.translate(centre);
  painter_.rotate(degrees);
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(colour);
  painter_.drawEllipse(QPointF(0, 0), rx, ry);
  painter_.restore();
}

void FaceCanvas::Line(QPointF a, QPointF b, double width, const QColor& colour) {
  painter_.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter_.drawLine(a, b);
  painter_.setPen(Qt::NoPen);
}

void FaceCanvas::Coin(QPointF centre, double radius, const QColor& colour) {
  Disc(centre, radius, colour);
  // Below a few pixels the rings would only blur the coin.
  if (radius < 3) return;
  Disc(centre, radius * 0.68, style_.face_top);
  Disc(centre, radius * 0.5, colour);
  if (radius >= 6) Disc(centre, radius * 0.18, style_.face_top);
}

void FaceCanvas::Stick(QPointF centre, double length, double width, const QColor& colour) {
  const QRectF body(centre.x() - width / 2, centre.y() - length / 2, width, length);
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(colour);
  painter_.drawRoundedRect(body, width / 2, width / 2);
  if (width < 2.5) return;
  // Joints at both ends and in the middle, wider than the stalk.
  const double joint = std::max(1.0, width * 0.28);
  for (double v : {0.0, 0.5, 1.0}) {
    const double y = body.top() + joint / 2 + v * (length - joint);
    painter_.drawRoundedRect(QRectF(centre.x() - width * 0.7, y - joint / 2, width * 1.4, joint),
                             joint / 2, joint / 2);
  }
  // A lighter line down the stalk gives it roundness.
  const QColor light = colour.lighter(150);
  Line(QPointF(centre.x() - width * 0.12, body.top() + joint * 1.5),
       QPointF(centre.x() - width * 0.12, body.bottom() - joint * 1.5), width * 0.18, light);
}

std::string CheckGlyphFont() {
  QFont font(kGlyphFontFamily);
  QFontInfo info(font);
  if (info.family() != QString(kGlyphFontFamily))
    return std::string("The font \"") + kGlyphFontFamily +
           "\" is not installed (Debian package fonts-noto-cjk).";
  QFontMetrics metrics(font);
  for (QChar c : QString::fromUtf8("萬發中東南西北"))
    if (!metrics.inFont(c))
      return std::string("The font \"") + kGlyphFontFamily + "\" lacks the tiles' characters.";
  return {};
}

namespace {

void DrawEditorTile(FaceCanvas& c) {
  c.Background(c.style().editor_top, c.style().editor_bottom);
}

// The editor's cursor: tinted, with a dashed frame and a cross, so it never
// passes for a placed tile.
void DrawCursorTile(FaceCanvas& c) {
  const TileStyle& s = c.style();
  c.Background(s.cursor_top, s.cursor_bottom);
  QPainter& p = c.painter();
  QPen pen(s.cursor_mark, std::max(1.0, c.Len(0.05)), Qt::DashLine);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawRect(c.Box(0.06, 0.05, 0.94, 0.95));
  p.setPen(Qt::NoPen);
  const double w = std::max(1.0, c.Len(0.09));
  c.Line(c.At(0.5, 0.32), c.At(0.5, 0.68), w, s.cursor_mark);
  c.Line(c.At(0.26, 0.5), c.At(0.74, 0.5), w, s.cursor_mark);
}

int FaceAtCell(int col, int row) {
  for (int f = 0; f < kFaceCount; ++f) {
    const SheetCell cell = SheetCellOf(f);
    if (cell.col == col && cell.row == row) return f;
  }
  return -1;
}

}  // namespace

namespace {

void Paint(FaceCanvas& c, int col, int row) {
  const TileStyle& style = c.style();
  if (col == kEditorTileCol && row == kEditorTileRow) return DrawEditorTile(c);
  if (col == kEditorCursorCol && row == kEditorCursorRow) return DrawCursorTile(c);
  c.Background(style.face_top, style.face_bottom);
  const int face = FaceAtCell(col, row);
  if (face < 0) return;
  if (face <= 8)
    DrawDots(c, face + 1);
  else if (face <= 17)
    DrawBamboos(c, face - 8);
  else if (face <= 26)
    DrawCharacters(c, face - 17);
  else if (face <= 30)
    DrawSeason(c, face - 27);
  else if (face <= 34)
    DrawWind(c, face - 31);
  else if (face <= 38)
    DrawFlower(c, face - 35);
  else
    DrawDragon(c, face - 39);
}

}  // namespace

QImage DrawCell(const TileStyle& style, int col, int row, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  FaceCanvas canvas(painter, style, width, height);
  Paint(canvas, col, row);
  painter.end();
  return image;
}

}  // namespace tv::tilegen
