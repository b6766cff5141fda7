// SPDX-License-Identifier: GPL-3.0-or-later
// Landscapes: the river among karst towers in ink wash, ridges fading into mist,
// and a moonlit night.
#include <QPainter>
#include <QPainterPath>

#include "paint_kit.h"

namespace tv::bkggen {

namespace {

struct Peak {
  float centre, halfWidth, height;  // centre and half width in picture widths, height in heights
  float roundness;                  // smaller is flatter on top and steeper at the sides
};

// One distance band of towers, washed with one ink strength.
struct InkLayer {
  std::vector<Peak> peaks;
  float foot;  // where the towers vanish into the mist, in picture heights
  float mist;  // how far above the foot the fading starts
  float ink;   // strongest ink of the band
  std::uint32_t seed;
};

// Steep sides and a rounded top, like the limestone towers.
float TowerTop(const InkLayer& layer, float u, float px) {
  float rise = 0;
  for (const Peak& p : layer.peaks) {
    const float t = (u - p.centre) / p.halfWidth;
    if (t > -1 && t < 1) rise = std::max(rise, p.height * std::pow(1 - t * t, p.roundness));
  }
  // Lumpy rock: the outline wanders with the height of the tower.
  rise *= 1 + 0.12f * (Fbm(px * 7, 0.5f, layer.seed + 3, 4) - 0.5f);
  return layer.foot - rise + 0.008f * (Fbm(px * 24, 0.5f, layer.seed, 3) - 0.5f);
}

// Ink of the band at a point and how much it hides what lies behind.
float LayerInk(const InkLayer& layer, float u, float v, float px, float py, float pixel,
               float* cover) {
  const float top = TowerTop(layer, u, px);
  const float inside = SmoothStep(top - pixel, top + pixel, v);
  const float fade = 1 - SmoothStep(layer.foot - layer.mist, layer.foot, v);
  *cover = inside * fade;
  if (*cover <= 0) return 0;
  const float depth = v - top;
  // A wash is darkest where the brush first touched: along the outline.
  float ink = layer.ink * (0.38f + 0.62f * std::exp(-depth / 0.06f));
  ink += 0.22f * layer.ink * std::exp(-depth / (2.5f * pixel));
  // Vertical strokes of texture, and the uneven soaking of the silk.
  ink *= 0.72f + 0.56f * Fbm(px * 70, py * 5, layer.seed + 7, 3);
  ink *= 0.8f + 0.4f * Fbm(px * 3, py * 3, layer.seed + 11, 3);
  return ink * *cover;
}

InkLayer MakeLayer(Random& random, int count, float uLo, float uHi, float hLo, float hHi, float wLo,
                   float wHi, float foot, float mist, float ink, std::uint32_t seed) {
  InkLayer layer{{}, foot, mist, ink, seed};
  for (int i = 0; i < count; ++i) {
    const float c = float(uLo + (uHi - uLo) * (i + random.Range(0.1, 0.9)) / count);
    layer.peaks.push_back({c, float(random.Range(wLo, wHi)), float(random.Range(hLo, hHi)),
                           float(random.Range(0.3, 0.6))});
  }
  return layer;
}

Colour SilkPaper(float px, float py, float u, float v) {
  Colour paper{220, 211, 186};
  paper = Add(paper, {1, 1, 1}, 8 * (Fbm(px * 2, py * 2, 9, 4) - 0.5f));
  paper = Add(paper, {1, 1, 1}, 5 * (Fbm(px * 30, py * 180, 13, 2) - 0.5f));  // the weave
  const float du = u - 0.5f, dv = v - 0.5f;
  return Scale(paper, 1 - 0.16f * (du * du + dv * dv));  // aged, darker towards the edges
}

}  // namespace

QImage PaintLiRiver(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  Random random(0x11A12);
  // Far to near; the two nearest bands stand left and right of the river.
  // (A braced list is evaluated in order, so the draws are too.)
  const std::vector<InkLayer> all = {
      MakeLayer(random, 10, -0.05f, 1.05f, 0.10f, 0.20f, 0.025f, 0.05f, 0.64f, 0.16f, 0.15f, 21),
      MakeLayer(random, 7, -0.05f, 1.05f, 0.17f, 0.32f, 0.03f, 0.06f, 0.72f, 0.16f, 0.28f, 22),
      MakeLayer(random, 3, -0.06f, 0.30f, 0.38f, 0.58f, 0.05f, 0.075f, 0.785f, 0.13f, 0.46f, 23),
      MakeLayer(random, 3, 0.74f, 1.08f, 0.34f, 0.52f, 0.05f, 0.075f, 0.785f, 0.13f, 0.46f, 24),
  };
  const Colour ink{34, 38, 46};
  constexpr float kWater = 0.78f;
  const float pixel = 1.0f / height;

  FillPixels(image, [&](float x, float y) {
    const float u = x / width, v = y / height, px = x / height, py = y / height;
    const Colour paper = SilkPaper(px, py, u, v);
    Colour c = paper;
    float cover = 0;
    for (const InkLayer& layer : all) {
      const float d = LayerInk(layer, u, v, px, py, pixel, &cover);
      c = Mix(c, paper, cover * 0.92f);
      c = Mix(c, ink, d);
    }
    if (v > kWater) {
      // The river: cooler silk, faint ripples and the towers' broken reflection.
      const float below = (v - kWater) / (1 - kWater);
      c = Mix(c, {196, 204, 202}, 0.25f);
      const float ripple = Fbm(px * 3, py * 140, 41, 3);
      c = Mix(c, ink, 0.07f * SmoothStep(0.55f, 0.8f, ripple));
      const float mirrored = 2 * kWater - v;
      const float shift = 0.006f * (Noise(px * 2, py * 260, 43) - 0.5f);
      for (std::size_t i = 2; i < all.size(); ++i) {
        const float d =
            LayerInk(all[i], u + shift, mirrored, px + shift * 1.6f, mirrored, pixel, &cover);
        c = Mix(c, ink, d * 0.32f * (1 - below));
      }
    }
    // The near bank at the bottom left, in a drier, darker wash.
    const float bank = 0.86f + 0.7f * u * u + 0.012f * (Fbm(px * 20, 1, 51, 3) - 0.5f);
    if (v > bank - pixel) {
      const float inside = SmoothStep(bank - pixel, bank + pixel, v);
      const float dry = Fbm(px * 50, py * 12, 53, 4);
      c = Mix(c, ink,
              inside * (0.25f + 0.35f * dry) * (0.6f + 0.4f * std::exp(-(v - bank) / 0.03f)));
    }
    return c;
  });

  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const float s = height / 1200.0f;
  // Reeds on the bank.
  Random reeds(0x2EED);
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 26; ++i) {
    const float bx = float(reeds.Range(0.01, 0.26)) * width;
    const float u = bx / width;
    const float by = (0.86f + 0.7f * u * u) * height + float(reeds.Range(2, 30)) * s;
    const float len = float(reeds.Range(40, 110)) * s, lean = float(reeds.Range(-0.5, 0.3));
    QPainterPath reed;
    reed.moveTo(bx - 2 * s, by);
    reed.quadTo(bx + lean * len * 0.4f, by - len * 0.6f, bx + lean * len, by - len);
    reed.quadTo(bx + lean * len * 0.4f + 1.5f * s, by - len * 0.6f, bx + 2 * s, by);
    painter.setBrush(QColor(34, 38, 46, int(reeds.Range(90, 170))));
    painter.drawPath(reed);
  }
  // Moss dots along the near ridges, the accents of an ink landscape.
  Random moss(0xD075);
  for (std::size_t i = 2; i < all.size(); ++i) {
    for (int k = 0; k < 160; ++k) {
      const float u = float(moss.Range(0, 1));
      const float top = TowerTop(all[i], u, u * width / height);
      if (top > all[i].foot - 0.05f) continue;
      const QPointF at(u * width, (top + float(moss.Range(0.004, 0.03))) * height);
      painter.setBrush(QColor(30, 34, 40, int(moss.Range(60, 150))));
      painter.drawEllipse(at, moss.Range(2, 4.5) * s, moss.Range(1.2, 2.5) * s);
    }
  }
  // A small boat with its boatman, for scale.
  const QPointF boat(0.6 * width, 0.845 * height);
  QPainterPath hull;
  hull.moveTo(boat + QPointF(-70 * s, -6 * s));
  hull.quadTo(boat + QPointF(0, 14 * s), boat + QPointF(75 * s, -9 * s));
  hull.quadTo(boat + QPointF(0, 2 * s), boat + QPointF(-70 * s, -6 * s));
  painter.setBrush(QColor(34, 38, 46, 200));
  painter.drawPath(hull);
  QPainterPath canopy;
  canopy.moveTo(boat + QPointF(-30 * s, -1 * s));
  canopy.cubicTo(boat + QPointF(-26 * s, -26 * s), boat + QPointF(18 * s, -26 * s),
                 boat + QPointF(22 * s, -2 * s));
  canopy.closeSubpath();
  painter.setBrush(QColor(34, 38, 46, 120));
  painter.drawPath(canopy);
  painter.setPen(QPen(QColor(34, 38, 46, 190), 2.2 * s));
  painter.drawLine(boat + QPointF(46 * s, -4 * s), boat + QPointF(30 * s, -34 * s));
  painter.drawLine(boat + QPointF(30 * s, -34 * s), boat + QPointF(70 * s, 30 * s));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(34, 38, 46, 200));
  painter.drawEllipse(boat + QPointF(30 * s, -38 * s), 5 * s, 5 * s);
  // The painter's red seal.
  const QRectF seal(0.925 * width, 0.88 * height, 44 * s, 44 * s);
  painter.setBrush(QColor(168, 42, 36, 210));
  painter.drawRect(seal);
  painter.setBrush(QColor(226, 210, 190, 200));
  const double g = 44 * s / 11;
  for (const QRectF& r : {QRectF(2, 2, 7, 1.2), QRectF(2, 5, 7, 1.2), QRectF(2, 8, 7, 1.2),
                          QRectF(5, 2, 1.2, 7), QRectF(2, 2, 1.2, 7.2)})
    painter.drawRect(
        QRectF(seal.left() + r.x() * g, seal.top() + r.y() * g, r.width() * g, r.height() * g));
  return image;
}

QImage PaintMistyMountains(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  constexpr int kRidges = 6;
  const Colour far{176, 180, 204}, near{44, 66, 76}, mist{228, 222, 220};
  const float pixel = 1.0f / height;
  FillPixels(image, [&](float x, float y) {
    const float u = x / width, v = y / height, px = x / height, py = y / height;
    // A dawn sky, warm over the ridges.
    Colour c = Mix({128, 152, 188}, {236, 214, 196}, SmoothStep(0.0f, 0.52f, v));
    const float du = (u - 0.3f) * 1.6f, dv = v - 0.36f;
    c = Mix(c, {255, 238, 214}, 0.5f * std::exp(-std::sqrt(du * du + dv * dv) / 0.14f));
    c = Mix(c, {240, 232, 226},
            0.25f * SmoothStep(0.6f, 0.85f, Fbm(px * 1.2f, py * 6, 61, 5)) *
                SmoothStep(0.05f, 0.3f, v));
    for (int i = 0; i < kRidges; ++i) {
      const float t = float(i) / (kRidges - 1);
      const float base = 0.40f + 0.085f * i;
      const float smooth = base - 0.2f * Fbm(px * (0.9f + 0.25f * i), 3.7f * i, 70 + i, 5);
      float ridge = smooth;
      if (i >= 3) ridge -= 0.008f * (Fbm(px * 90, 1.3f * i, 80 + i, 2) - 0.3f);  // trees
      const float inside = SmoothStep(ridge - pixel, ridge + pixel, v);
      if (inside <= 0) continue;
      Colour layer = Mix(far, near, std::pow(t, 1.2f));
      layer = Add(layer, {1, 1, 1}, 10 * (Fbm(px * 8, py * 8, 90 + i, 4) - 0.5f));
      layer = Mix(layer, mist, 0.85f * SmoothStep(0.0f, 0.17f - 0.015f * i, v - smooth));
      c = Mix(c, layer, inside);
    }
    return c;
  });
  return image;
}

QImage PaintMoonNight(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  FillPixels(image, [&](float, float y) {
    return Mix({8, 14, 36}, {34, 50, 84}, std::pow(y / height, 1.5f));
  });
  const float s = height / 1200.0f;
  const QPointF moon(0.76 * width, 0.22 * height);
  const float moonRadius = 0.06f * height;
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    Random stars(0x57A25);
    for (int i = 0; i < 700; ++i) {
      const QPointF at(stars.Range(0, width), stars.Range(0, 0.8) * height);
      const double d = std::hypot(at.x() - moon.x(), at.y() - moon.y());
      const double bright = std::pow(stars.Next(), 3.0);
      if (d < 3.5 * moonRadius) continue;  // outshone by the moon
      painter.setBrush(QColor(230, 234, 255, int(60 + 150 * bright)));
      painter.drawEllipse(at, (0.6 + 1.2 * bright) * s, (0.6 + 1.2 * bright) * s);
    }
  }
  const float pixel = 1.0f / height;
  ShadePixels(image, [&](float x, float y, Colour c) {
    const float v = y / height, px = x / height, py = y / height;
    const float d = std::hypot(x - float(moon.x()), y - float(moon.y())) / height;
    const float r = moonRadius / height;
    c = Add(c, {70, 82, 110}, 0.55f * std::exp(-d / 0.09f));  // the halo
    if (d < r + pixel) {
      const float face = 1 - SmoothStep(r - pixel, r + pixel, d);
      Colour lunar = Mix({242, 238, 218}, {200, 200, 190},
                         SmoothStep(0.45f, 0.75f, Fbm(px * 18, py * 18, 101, 4)));
      c = Mix(c, lunar, face);
    }
    // Thin clouds, lit from the moon's side.
    const float band = SmoothStep(0.1f, 0.25f, v) * (1 - SmoothStep(0.45f, 0.62f, v));
    const float cloud = SmoothStep(0.52f, 0.82f, Fbm(px * 1.4f, py * 7, 107, 5)) * band;
    c = Mix(c, Mix({40, 50, 80}, {150, 160, 188}, std::exp(-d / 0.25f)), 0.55f * cloud);
    // Far hills with a moonlit rim, then a row of pines.
    const float hills = 0.74f - 0.11f * Fbm(px * 1.3f, 0.5f, 111, 5);
    if (v > hills - pixel) {
      const float inside = SmoothStep(hills - pixel, hills + pixel, v);
      Colour hill = Mix({34, 44, 74}, {18, 24, 44}, SmoothStep(0.0f, 0.1f, v - hills));
      c = Mix(c, hill, inside);
    }
    const float wave = px * 34 + 3 * Noise(px * 4, 0.3f, 113);
    const float spike = 1 - 2 * std::abs(wave - std::floor(wave) - 0.5f);
    const float pines = 0.88f - 0.035f * Fbm(px * 2, 0.7f, 115, 4) -
                        0.03f * spike * (0.4f + 0.6f * Noise(std::floor(wave), 0.1f, 117));
    if (v > pines - pixel) c = Mix(c, {8, 12, 22}, SmoothStep(pines - pixel, pines + pixel, v));
    return c;
  });
  return image;
}

}  // namespace tv::bkggen
