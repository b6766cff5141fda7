// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint_kit.h"

namespace tv::bkggen {

QRgb Pack(Colour c) {
  auto channel = [](float v) { return int(std::clamp(v, 0.0f, 255.0f) + 0.5f); };
  return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

Colour Unpack(QRgb rgb) {
  return {float(qRed(rgb)), float(qGreen(rgb)), float(qBlue(rgb))};
}

std::uint64_t Random::NextBits() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

namespace {

float Lattice(int x, int y, std::uint32_t seed) {
  std::uint32_t h =
      std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return float(h & 0xFFFFFF) / float(0xFFFFFF);
}

}  // namespace

float Noise(float x, float y, std::uint32_t seed) {
  const float fx = std::floor(x), fy = std::floor(y);
  const int ix = int(fx), iy = int(fy);
  float tx = x - fx, ty = y - fy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  const float a = Lattice(ix, iy, seed), b = Lattice(ix + 1, iy, seed);
  const float c = Lattice(ix, iy + 1, seed), d = Lattice(ix + 1, iy + 1, seed);
  return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float Fbm(float x, float y, std::uint32_t seed, int octaves) {
  float sum = 0, weight = 0.5f, total = 0;
  for (int i = 0; i < octaves; ++i) {
    // Each octave is shifted and turned a little so the lattices do not line up.
    sum += weight * Noise(x, y, seed + 1013u * std::uint32_t(i));
    total += weight;
    const float nx = x * 1.6f - y * 1.2f + 17.3f, ny = x * 1.2f + y * 1.6f + 5.1f;
    x = nx;
    y = ny;
    weight *= 0.5f;
  }
  return sum / total;
}

const std::vector<Painting>& Paintings() {
  static const std::vector<Painting> paintings = {
      {"li-river", PaintLiRiver},
      {"misty-mountains", PaintMistyMountains},
      {"moon-night", PaintMoonNight},
      {"bamboo-grove", PaintBambooGrove},
      {"plum-blossom", PaintPlumBlossom},
      {"silk-brocade", PaintSilkBrocade},
      {"jade", PaintJade},
      {"lacquer", PaintLacquer},
  };
  return paintings;
}

}  // namespace tv::bkggen
