// SPDX-License-Identifier: GPL-3.0-or-later
// Winds, dragons, seasons and flowers.
#include <QPainterPath>
#include <QString>
#include <QTransform>
#include <cmath>

#include "face_canvas.h"

namespace tv::tilegen {

namespace {

constexpr double kPi = 3.14159265358979323846;

QPointF Polar(QPointF centre, double radius, double degrees) {
  const double a = degrees * kPi / 180.0;
  return centre + QPointF(std::cos(a) * radius, -std::sin(a) * radius);
}

// Seasons and flowers match within their group; a shared backdrop shows it.
void Backdrop(FaceCanvas& c, const QColor& colour) {
  c.painter().setPen(Qt::NoPen);
  c.painter().setBrush(colour);
  const QRectF box = c.Box(0.02, 0.14, 0.98, 0.98);
  const double r = box.width() * 0.22;
  c.painter().drawRoundedRect(box, r, r);
}

void Snowflake(FaceCanvas& c, QPointF centre, double r, const QColor& colour) {
  const double w = std::max(0.8, r * 0.11);
  for (int i = 0; i < 6; ++i) {
    const double a = 90.0 + 60.0 * i;
    c.Line(centre, Polar(centre, r, a), w, colour);
    const QPointF fork = Polar(centre, r * 0.55, a);
    c.Line(fork, fork + (Polar(centre, r * 0.3, a + 50) - centre), w, colour);
    c.Line(fork, fork + (Polar(centre, r * 0.3, a - 50) - centre), w, colour);
  }
  c.Disc(centre, r * 0.14, colour);
}

void Blossom(FaceCanvas& c, QPointF centre, double r, int petals, const QColor& colour) {
  for (int i = 0; i < petals; ++i)
    c.Disc(Polar(centre, r * 0.55, 90.0 + 360.0 * i / petals), r * 0.45, colour);
  c.Disc(centre, r * 0.32, kYellow);
}

void Sprout(FaceCanvas& c) {
  const TileStyle& s = c.style();
  const double w = c.InnerWidth();
  c.Line(c.At(0.5, 0.92), c.At(0.5, 0.42), std::max(0.8, w * 0.06), s.green);
  c.Ellipse(c.At(0.34, 0.68), w * 0.17, w * 0.07, -35, s.green);
  c.Ellipse(c.At(0.66, 0.6), w * 0.17, w * 0.07, 35, s.green);
  Blossom(c, c.At(0.5, 0.38), w * 0.2, 5, kPink);
}

void Sun(FaceCanvas& c, QPointF centre, double r) {
  QPainterPath rays;
  for (int i = 0; i < 12; ++i) {
    const double a = 30.0 * i;
    rays.moveTo(Polar(centre, r * 0.55, a - 11));
    rays.lineTo(Polar(centre, r, a));
    rays.lineTo(Polar(centre, r * 0.55, a + 11));
    rays.closeSubpath();
  }
  c.painter().fillPath(rays, kOrange);
  c.Disc(centre, r * 0.58, kYellow);
  c.Disc(centre, r * 0.42, kOrange);
}

void Leaf(FaceCanvas& c) {
  const double w = c.InnerWidth();
  const QPointF base = c.At(0.5, 0.86), tip = c.At(0.5, 0.24);
  QPainterPath leaf;
  leaf.moveTo(base);
  leaf.cubicTo(c.At(-0.05, 0.7), c.At(0.1, 0.34), tip);
  leaf.cubicTo(c.At(0.9, 0.34), c.At(1.05, 0.7), base);
  c.painter().fillPath(leaf, kBrown);
  const QColor vein = kYellow;
  const double vw = std::max(0.6, w * 0.03);
  c.Line(c.At(0.5, 0.96), c.At(0.5, 0.3), vw, vein);
  for (double v : {0.42, 0.56, 0.7}) {
    c.Line(c.At(0.5, v + 0.08), c.At(0.26, v - 0.02), vw, vein);
    c.Line(c.At(0.5, v + 0.08), c.At(0.74, v - 0.02), vw, vein);
  }
}

void Orchid(FaceCanvas& c) {
  const TileStyle& s = c.style();
  const double w = c.InnerWidth();
  c.Ellipse(c.At(0.3, 0.78), w * 0.3, w * 0.045, -60, s.green);
  c.Ellipse(c.At(0.68, 0.8), w * 0.26, w * 0.045, 65, s.green);
  const QPointF centre = c.At(0.5, 0.46);
  for (double a : {90.0, 210.0, 330.0})
    c.Ellipse(Polar(centre, w * 0.2, a), w * 0.22, w * 0.09, -a, kPurple);
  for (double a : {150.0, 30.0})
    c.Ellipse(Polar(centre, w * 0.13, a), w * 0.13, w * 0.07, -a, kPurple.lighter(130));
  c.Disc(centre, w * 0.07, kYellow);
}

void Chrysanthemum(FaceCanvas& c) {
  const double w = c.InnerWidth();
  const QPointF centre = c.At(0.5, 0.56);
  for (int i = 0; i < 16; ++i) {
    const double a = 22.5 * i;
    c.Ellipse(Polar(centre, w * 0.25, a), w * 0.19, w * 0.055, -a, kOrange);
  }
  for (int i = 0; i < 12; ++i) {
    const double a = 30.0 * i + 15.0;
    c.Ellipse(Polar(centre, w * 0.15, a), w * 0.12, w * 0.05, -a, kYellow);
  }
  c.Disc(centre, w * 0.09, kBrown);
}

void BambooSprig(FaceCanvas& c) {
  const TileStyle& s = c.style();
  const double w = c.InnerWidth();
  c.Stick(c.At(0.36, 0.58), c.InnerHeight() * 0.66, c.Len(0.11), s.green);
  const QColor leaf = s.green.darker(125);
  c.Ellipse(c.At(0.62, 0.34), w * 0.25, w * 0.07, -20, leaf);
  c.Ellipse(c.At(0.66, 0.5), w * 0.25, w * 0.07, 15, leaf);
  c.Ellipse(c.At(0.6, 0.68), w * 0.22, w * 0.065, 40, leaf);
}

const char* const kWinds[4] = {"北", "南", "東", "西"};
const char* const kWindLetters[4] = {"N", "S", "E", "W"};

}  // namespace

void DrawWind(FaceCanvas& c, int index) {
  const TileStyle& s = c.style();
  if (s.latin_faces) {
    c.Glyph(QString::fromLatin1(kWindLetters[index]), c.Box(0.08, 0.04, 0.92, 0.6), s.ink,
            FaceCanvas::Fit::kOutline, true);
    c.Glyph(QString::fromUtf8(kWinds[index]), c.Box(0.2, 0.66, 0.8, 1.0), s.blue,
            FaceCanvas::Fit::kEmSquare, true);
    return;
  }
  c.CornerIndex(QString::fromLatin1(kWindLetters[index]), s.blue);
  c.Glyph(QString::fromUtf8(kWinds[index]), c.Box(0.02, 0.12, 0.98, 0.98), s.ink,
          FaceCanvas::Fit::kEmSquare, true);
}

void DrawDragon(FaceCanvas& c, int index) {
  const TileStyle& s = c.style();
  if (index == 1) {
    // The white dragon is an empty frame.
    QPainter& p = c.painter();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.blue, c.Len(0.1), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(c.Box(0.1, 0.08, 0.9, 0.92));
    p.setPen(QPen(s.blue, c.Len(0.04), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(c.Box(0.27, 0.21, 0.73, 0.79));
    p.setPen(Qt::NoPen);
    return;
  }
  const bool green = index == 0;
  c.Glyph(QString::fromUtf8(green ? "發" : "中"), c.Box(0.0, 0.04, 1.0, 0.96),
          green ? s.green : s.red, FaceCanvas::Fit::kEmSquare, true);
}

void DrawSeason(FaceCanvas& c, int index) {
  const TileStyle& s = c.style();
  Backdrop(c, s.season_backdrop);
  // Numbered in the order of the year, from spring.
  static const int kNumber[4] = {4, 1, 2, 3};
  c.CornerIndex(QString::number(kNumber[index]), s.blue);
  const QPointF centre = c.At(0.5, 0.56);
  const double r = c.InnerWidth() * 0.42;
  switch (index) {
    case 0:
      return Snowflake(c, centre, r, s.blue);
    case 1:
      return Sprout(c);
    case 2:
      return Sun(c, centre, r);
    default:
      return Leaf(c);
  }
}

void DrawFlower(FaceCanvas& c, int index) {
  const TileStyle& s = c.style();
  Backdrop(c, s.flower_backdrop);
  c.CornerIndex(QString::number(index + 1), s.red);
  switch (index) {
    case 0: {
      const double w = c.InnerWidth();
      c.Line(c.At(0.1, 0.95), c.At(0.45, 0.6), std::max(0.8, w * 0.06), kBrown);
      return Blossom(c, c.At(0.52, 0.52), w * 0.34, 5, kPink);
    }
    case 1:
      return Orchid(c);
    case 2:
      return Chrysanthemum(c);
    default:
      return BambooSprig(c);
  }
}

}  // namespace tv::tilegen
