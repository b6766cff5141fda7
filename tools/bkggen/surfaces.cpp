// SPDX-License-Identifier: GPL-3.0-or-later
// Surfaces: woven silk brocade, polished jade, and lacquered wood with a gold
// border.
#include <QPainter>
#include <cmath>

#include "paint_kit.h"

namespace tv::bkggen {

QImage PaintSilkBrocade(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  const float cell = 150.0f * height / 1200.0f;
  const float edge = 1.2f / cell;  // one pixel and a bit, for smooth motif borders
  const Colour ground{122, 22, 30}, motif{148, 36, 42}, gold{176, 132, 66};
  FillPixels(image, [&](float x, float y) {
    const float px = x / height, py = y / height;
    // Medallions in a square grid, each an eight-petal rosette in a gold ring.
    const float gx = x / cell, gy = y / cell;
    const float lx = gx - std::floor(gx) - 0.5f, ly = gy - std::floor(gy) - 0.5f;
    const float r = std::hypot(lx, ly), a = std::atan2(ly, lx);
    Colour c = ground;
    const float petals = 0.27f * (0.5f + 0.5f * std::abs(std::cos(4 * a)));
    c = Mix(c, motif, 1 - SmoothStep(petals - edge, petals + edge, r));
    const float ring = std::abs(r - 0.36f);
    c = Mix(c, gold, 0.55f * (1 - SmoothStep(0.011f - edge, 0.011f + edge, ring)));
    c = Mix(c, gold, 0.6f * (1 - SmoothStep(0.06f - edge, 0.06f + edge, r)));
    // Small lozenges where four cells meet.
    const float corner = std::abs(std::abs(lx) - 0.5f) + std::abs(std::abs(ly) - 0.5f);
    c = Mix(c, gold, 0.45f * (1 - SmoothStep(0.075f - edge, 0.075f + edge, corner)));
    // Soft folds catching the light.
    const float fold =
        std::sin((px * 2.1f + py * 1.2f) * 3.1416f + 3 * Fbm(px * 0.7f, py * 0.7f, 601, 4));
    c = Scale(c, 0.88f + 0.14f * fold);
    // The twill of the weave, faint enough not to crawl.
    return Add(c, {1, 1, 1}, (int(x + y) / 2 % 2 != 0) ? 1.5f : -1.5f);
  });
  return image;
}

QImage PaintJade(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  FillPixels(image, [&](float x, float y) {
    const float px = x / height * 2.2f, py = y / height * 2.2f;
    // Warped noise gives the clouded, flowing inside of the stone.
    const float qx = Fbm(px, py, 401, 5), qy = Fbm(px + 5.2f, py + 1.3f, 402, 5);
    const float rx = Fbm(px + 4 * qx + 1.7f, py + 4 * qy + 9.2f, 403, 5);
    const float ry = Fbm(px + 4 * qx + 8.3f, py + 4 * qy + 2.8f, 404, 5);
    const float f = Fbm(px + 4 * rx, py + 4 * ry, 405, 5);
    Colour c = Mix({42, 102, 76}, {82, 144, 106}, SmoothStep(0.28f, 0.72f, f));
    c = Mix(c, {160, 204, 170}, 0.4f * SmoothStep(0.6f, 0.85f, f));
    const float vein = Fbm(px * 1.5f + 2 * rx, py * 1.5f + 2 * ry, 406, 4);
    c = Mix(c, {200, 224, 200}, 0.2f * std::exp(-std::abs(vein - 0.5f) * 45));
    // The polish: a broad light from the top left.
    const float u = x / width - 0.2f, v = y / height - 0.15f;
    return Add(c, {1, 1, 1}, 22 * std::exp(-std::sqrt(u * u + v * v) / 0.45f) - 8);
  });
  return image;
}

QImage PaintLacquer(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  FillPixels(image, [&](float x, float y) {
    const float u = x / width, v = y / height, px = x / height, py = y / height;
    // Wood grain under the clear lacquer: bent growth rings with darker late wood.
    const float t = py * 30 + 2.4f * Fbm(px * 0.9f, py * 3, 501, 5) + 0.35f * std::sin(px * 3.1f);
    const float ring = t - std::floor(t);
    const float late = SmoothStep(0.72f, 0.92f, ring) * (1 - SmoothStep(0.94f, 1.0f, ring));
    Colour c = Mix({96, 34, 22}, {128, 52, 30}, Fbm(px * 1.4f, py * 1.4f, 503, 4));
    c = Mix(c, {66, 22, 14}, 0.45f * late + 0.12f * Fbm(px * 160, py * 5, 505, 2));
    // A soft window reflection across the gloss, and darker edges.
    const float band = px * 0.55f - py - 0.05f;
    c = Add(c, {255, 214, 180}, 0.09f * std::exp(-band * band / 0.03f));
    const float du = u - 0.5f, dv = v - 0.5f;
    return Scale(c, 1 - 0.35f * (du * du + dv * dv));
  });
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const double s = height / 1200.0;
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(196, 154, 84, 210), 3.5 * s));
  painter.drawRect(QRectF(36 * s, 36 * s, width - 72 * s, height - 72 * s));
  painter.setPen(QPen(QColor(196, 154, 84, 170), 1.4 * s));
  painter.drawRect(QRectF(48 * s, 48 * s, width - 96 * s, height - 96 * s));
  return image;
}

}  // namespace tv::bkggen
