// SPDX-License-Identifier: GPL-3.0-or-later
// Plants: a bamboo grove fading into mist, and plum branches in ink with their
// blossoms.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "paint_kit.h"

namespace tv::bkggen {

namespace {

QColor ToQColor(Colour c, int alpha = 255) {
  const QRgb rgb = Pack(c);
  return QColor(qRed(rgb), qGreen(rgb), qBlue(rgb), alpha);
}

// A pointed leaf from `base` along `angle` (radians, y down).
QPainterPath Leaf(QPointF base, double angle, double length, double width) {
  const QPointF along(std::cos(angle), std::sin(angle)), across(-along.y(), along.x());
  QPainterPath leaf;
  leaf.moveTo(base);
  leaf.quadTo(base + along * length * 0.35 + across * width, base + along * length);
  leaf.quadTo(base + along * length * 0.35 - across * width * 0.7, base);
  return leaf;
}

void Stalk(QPainter& painter, Random& random, double x, double width, double lean, Colour colour,
           int height, int leafiness) {
  painter.save();
  painter.translate(x, height);
  painter.rotate(lean);
  const double top = -height * 1.1;
  QLinearGradient shade(-width / 2, 0, width / 2, 0);
  shade.setColorAt(0, ToQColor(Scale(colour, 0.7f)));
  shade.setColorAt(0.3, ToQColor(Scale(colour, 1.18f)));
  shade.setColorAt(0.6, ToQColor(colour));
  shade.setColorAt(1, ToQColor(Scale(colour, 0.68f)));
  painter.setPen(Qt::NoPen);
  painter.setBrush(shade);
  painter.drawRect(QRectF(-width / 2, top, width, -top + 10));
  // Nodes: a dark ring with a pale line under it.
  const double segment = width * random.Range(4.5, 6.5);
  for (double y = -random.Range(0.2, 1.0) * segment; y > top; y -= segment) {
    painter.setBrush(ToQColor(Scale(colour, 0.62f)));
    painter.drawRect(QRectF(-width / 2 - 0.5, y - width * 0.06, width + 1, width * 0.12));
    painter.setBrush(ToQColor(Scale(colour, 1.25f), 150));
    painter.drawRect(QRectF(-width / 2, y + width * 0.07, width, width * 0.05));
    // Twigs with a few leaves, more of them high up.
    if (random.Next() < 0.12 * leafiness * (-y / height)) {
      const double side = random.Next() < 0.5 ? -1 : 1;
      const QPointF start(side * width / 2, y);
      const double twigAngle = side > 0 ? -0.5 : M_PI + 0.5;
      const QPointF end = start + QPointF(std::cos(twigAngle), std::sin(twigAngle)) * width * 2.2;
      painter.setPen(QPen(ToQColor(Scale(colour, 0.8f)), std::max(1.0, width * 0.07)));
      painter.drawLine(start, end);
      painter.setPen(Qt::NoPen);
      const int leaves = 3 + int(random.Range(0, 3));
      for (int i = 0; i < leaves; ++i) {
        const double a = (side > 0 ? 0.35 : M_PI - 0.35) + side * random.Range(-0.5, 0.9);
        painter.setBrush(ToQColor(Mix(Scale(colour, 0.9f), {70, 110, 40}, 0.3f), 225));
        painter.drawPath(Leaf(end, a, width * random.Range(3.2, 4.6), width * 0.42));
      }
    }
  }
  painter.restore();
}

struct BranchInk {
  QColor bark, moss;
};

void Branch(QPainter& painter, Random& random, const BranchInk& ink, QPointF p, double angle,
            double length, double width, int depth, std::vector<QPointF>* spots) {
  constexpr int kSteps = 10;
  const double step = length / kSteps;
  for (int k = 0; k < kSteps; ++k) {
    angle += random.Range(-0.34, 0.34);
    const QPointF next = p + QPointF(std::cos(angle), std::sin(angle)) * step;
    const double w = std::max(1.2, width * (1 - 0.6 * k / kSteps));
    painter.setPen(QPen(ink.bark, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(p, next);
    if (w > 6 && random.Next() < 0.5) {
      // Moss dots, the usual accents of an ink plum branch.
      painter.setPen(Qt::NoPen);
      painter.setBrush(ink.moss);
      const QPointF dot = next + QPointF(random.Range(-w, w) * 0.5, random.Range(-w, w) * 0.5);
      painter.drawEllipse(dot, w * 0.18, w * 0.14);
    }
    if (depth > 0 && k >= 1 && random.Next() < 0.36) {
      const double turn = (random.Next() < 0.5 ? -1 : 1) * random.Range(0.45, 0.95);
      Branch(painter, random, ink, next, angle + turn, length * random.Range(0.35, 0.6), w * 0.55,
             depth - 1, spots);
    }
    if (depth <= 2 && k >= 1 && random.Next() < 0.6) spots->push_back(next);
    p = next;
  }
  spots->push_back(p);
}

void Blossom(QPainter& painter, Random& random, QPointF at, double radius) {
  painter.setPen(Qt::NoPen);
  if (random.Next() < 0.25) {  // a bud
    painter.setBrush(QColor(186, 58, 78, 230));
    painter.drawEllipse(at, radius * 0.32, radius * 0.32);
    return;
  }
  const bool white = random.Next() < 0.35;
  const QColor petal = white ? QColor(246, 236, 232, 235) : QColor(234, 160, 174, 235);
  const double turn = random.Range(0, 2 * M_PI);
  painter.setBrush(petal);
  for (int k = 0; k < 5; ++k) {
    const double a = turn + k * 2 * M_PI / 5;
    painter.drawEllipse(at + QPointF(std::cos(a), std::sin(a)) * radius * 0.52, radius * 0.52,
                        radius * 0.52);
  }
  painter.setBrush(QColor(196, 64, 84, 230));
  painter.drawEllipse(at, radius * 0.2, radius * 0.2);
  painter.setPen(QPen(QColor(120, 44, 44, 200), std::max(0.8, radius * 0.05)));
  for (int k = 0; k < 7; ++k) {
    const double a = turn + k * 2 * M_PI / 7 + 0.3;
    painter.drawLine(at, at + QPointF(std::cos(a), std::sin(a)) * radius * 0.5);
  }
}

}  // namespace

QImage PaintBambooGrove(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  FillPixels(image, [&](float x, float y) {
    const float px = x / height, py = y / height;
    Colour c = Mix({204, 220, 192}, {128, 156, 116}, SmoothStep(0.0f, 1.0f, py));
    return Add(c, {1, 1, 1}, 14 * (Fbm(px * 2.5f, py * 2.5f, 201, 4) - 0.5f));
  });
  const double s = height / 1200.0;
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  Random random(0xBA3B00);
  struct Band {
    int count;
    double width;
    Colour colour;
    int leafiness;
  };
  const Band bands[] = {
      {26, 14, {150, 176, 138}, 2}, {15, 26, {104, 142, 88}, 3}, {7, 46, {60, 104, 56}, 4}};
  for (const Band& band : bands) {
    for (int i = 0; i < band.count; ++i) {
      const double x = (i + random.Range(0.1, 0.9)) * width / band.count;
      const Colour tinted = Add(band.colour, {1, 1, 0.6f}, float(random.Range(-10, 10)));
      Stalk(painter, random, x, band.width * s * random.Range(0.8, 1.2), random.Range(-2.5, 2.5),
            tinted, height, band.leafiness);
    }
    if (&band != &bands[2]) painter.fillRect(image.rect(), QColor(212, 226, 202, 96));
  }
  // Mist lying on the ground.
  QLinearGradient ground(0, 0.7 * height, 0, height);
  ground.setColorAt(0, QColor(210, 224, 200, 0));
  ground.setColorAt(1, QColor(210, 224, 200, 120));
  painter.fillRect(image.rect(), ground);
  return image;
}

QImage PaintPlumBlossom(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  FillPixels(image, [&](float x, float y) {
    const float u = x / width, px = x / height, py = y / height;
    Colour c = Mix({214, 204, 196}, {230, 218, 206}, SmoothStep(0.0f, 1.0f, 0.6f * py + 0.4f * u));
    c = Add(c, {1, 0.9f, 0.9f}, 9 * (Fbm(px * 2, py * 2, 301, 4) - 0.5f));
    return Add(c, {1, 1, 1}, 4 * (Fbm(px * 30, py * 160, 303, 2) - 0.5f));
  });
  const double s = height / 1200.0;
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  Random random(0x9E1B);
  const BranchInk ink{QColor(52, 40, 38, 240), QColor(34, 44, 34, 230)};
  std::vector<QPointF> spots;
  Branch(painter, random, ink, QPointF(-0.02 * width, 1.02 * height), -0.85, 0.95 * height, 30 * s,
         3, &spots);
  Branch(painter, random, ink, QPointF(1.02 * width, 0.05 * height), M_PI - 0.35, 0.75 * height,
         20 * s, 3, &spots);
  Branch(painter, random, ink, QPointF(1.02 * width, 0.92 * height), M_PI + 0.45, 0.45 * height,
         14 * s, 2, &spots);
  for (const QPointF& at : spots) Blossom(painter, random, at, random.Range(9, 15) * s);
  return image;
}

}  // namespace tv::bkggen
