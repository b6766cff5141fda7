// SPDX-License-Identifier: GPL-3.0-or-later
// Small tools the background paintings share: colours as floats, a seeded
// random sequence, value noise, and a per-pixel fill. Everything is seeded by
// constants, so a picture comes out the same on every run.
#pragma once

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace tv::bkggen {

struct Colour {
  float r, g, b;
};

inline Colour Mix(Colour a, Colour b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Colour Scale(Colour a, float k) {
  return {a.r * k, a.g * k, a.b * k};
}
inline Colour Add(Colour a, Colour b, float k = 1) {
  return {a.r + b.r * k, a.g + b.g * k, a.b + b.b * k};
}

inline float Clamp01(float t) {
  return std::clamp(t, 0.0f, 1.0f);
}
inline float SmoothStep(float e0, float e1, float x) {
  const float t = Clamp01((x - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}

QRgb Pack(Colour c);
Colour Unpack(QRgb rgb);

// SplitMix64: tiny, and the same sequence on every platform.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t NextBits();
  double Next() { return double(NextBits() >> 11) * (1.0 / 9007199254740992.0); }  // [0, 1)
  double Range(double lo, double hi) { return lo + (hi - lo) * Next(); }

 private:
  std::uint64_t state_;
};

// Smooth value noise in [0, 1] with unit lattice spacing.
float Noise(float x, float y, std::uint32_t seed);
// Fractal sum of `octaves` noise layers, each twice the frequency and half the weight; [0, 1].
float Fbm(float x, float y, std::uint32_t seed, int octaves);

// Sets every pixel to f(x, y) with x, y the pixel centre in pixels.
template <class F>
void FillPixels(QImage& image, F f) {
  for (int y = 0; y < image.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) line[x] = Pack(f(x + 0.5f, y + 0.5f));
  }
}

// Changes every pixel through f(x, y, colour).
template <class F>
void ShadePixels(QImage& image, F f) {
  for (int y = 0; y < image.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) line[x] = Pack(f(x + 0.5f, y + 0.5f, Unpack(line[x])));
  }
}

struct Painting {
  std::string name;
  QImage (*paint)(int width, int height);
};

// Every background picture we ship; "li-river" is the game's default.
const std::vector<Painting>& Paintings();

QImage PaintLiRiver(int width, int height);
QImage PaintMistyMountains(int width, int height);
QImage PaintMoonNight(int width, int height);
QImage PaintBambooGrove(int width, int height);
QImage PaintPlumBlossom(int width, int height);
QImage PaintSilkBrocade(int width, int height);
QImage PaintJade(int width, int height);
QImage PaintLacquer(int width, int height);

}  // namespace tv::bkggen
