// SPDX-License-Identifier: GPL-3.0-or-later
// Each effect is built in floating point, then faded at both ends (so it starts and
// stops at zero and never clicks) and scaled to its own peak below full scale: the
// effects heard on every click sit lowest, so a long game does not tire the ear.
#include "effects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tv::sfx {
namespace {

using Buffer = std::vector<double>;

constexpr double kTwoPi = 2 * std::numbers::pi;

Buffer Silence(double seconds) {
  return Buffer(std::size_t(seconds * kSampleRate), 0.0);
}

std::size_t At(double seconds) {
  return std::size_t(seconds * kSampleRate);
}

struct Partial {
  double ratio;
  double level;
  double decaySeconds;  // time to fall to 1/e
};

// A struck body: a few inharmonic partials, each dying away on its own.
void Strike(Buffer& out, double start, double frequency, double level,
            const std::vector<Partial>& partials) {
  const std::size_t first = At(start);
  const double attack = 0.002 * kSampleRate;
  for (const Partial& partial : partials) {
    const double step = kTwoPi * frequency * partial.ratio / kSampleRate;
    if (frequency * partial.ratio >= kSampleRate / 2.0) continue;
    const double fall = std::exp(-1.0 / (partial.decaySeconds * kSampleRate));
    double envelope = level * partial.level;
    for (std::size_t i = first; i < out.size() && envelope > 1e-5; ++i) {
      const double n = double(i - first);
      const double rise = n < attack ? n / attack : 1.0;
      out[i] += envelope * rise * std::sin(step * n);
      envelope *= fall;
    }
  }
}

const std::vector<Partial> kWoodBlock = {
    {1.0, 1.0, 0.030}, {2.76, 0.45, 0.016}, {5.40, 0.18, 0.008}};
const std::vector<Partial> kBell = {
    {1.0, 1.0, 0.60}, {2.0, 0.35, 0.35}, {3.0, 0.16, 0.22}, {4.2, 0.10, 0.12}, {5.4, 0.05, 0.08}};
const std::vector<Partial> kSmallBell = {{1.0, 1.0, 0.09}, {2.0, 0.30, 0.05}, {3.0, 0.12, 0.03}};

// A plucked string: a burst of repeatable noise in a delay line that loses its
// highs on every pass.
void Pluck(Buffer& out, double start, double frequency, double level, double seconds,
           double damping) {
  const std::size_t first = At(start);
  const std::size_t period = std::max<std::size_t>(2, std::size_t(kSampleRate / frequency));
  std::vector<double> line(period);
  std::uint32_t seed = 12345u + std::uint32_t(frequency);
  for (double& value : line) {
    seed = seed * 1664525u + 1013904223u;
    value = double(seed >> 8) / double(1u << 24) * 2.0 - 1.0;
  }
  // Soften the burst so the pluck is round, not a bright twang: a moving average over an
  // eighth of the period, taken twice, leaves no step between neighbouring samples that
  // would click. The line is a loop, so the average runs across its ends too.
  const std::size_t width = std::max<std::size_t>(2, period / 8);
  for (int pass = 0; pass < 2; ++pass) {
    const std::vector<double> before = line;
    for (std::size_t i = 0; i < period; ++i) {
      double sum = 0;
      for (std::size_t k = 0; k < width; ++k) sum += before[(i + period - k) % period];
      line[i] = sum / double(width);
    }
  }
  // Noise of a few hundred samples has a mean of its own: the string would sound with
  // a DC offset that dies only as slowly as the note.
  double mean = 0;
  for (const double value : line) mean += value;
  mean /= double(period);
  for (double& value : line) value -= mean;
  const std::size_t count = At(seconds);
  const double attack = 0.003 * kSampleRate;
  const double release = 0.030 * kSampleRate;  // the string is stopped softly, not cut
  for (std::size_t n = 0; n < count && first + n < out.size(); ++n) {
    const std::size_t here = n % period;
    const std::size_t next = (n + 1) % period;
    const double value = line[here];
    line[here] = damping * 0.5 * (line[here] + line[next]);
    const double rise = double(n) < attack ? double(n) / attack : 1.0;
    const double left = double(count - n);
    const double fall = left < release ? left / release : 1.0;
    out[first + n] += level * rise * fall * value;
  }
}

// Breathy noise through a resonant band that glides from one frequency to another.
void Swish(Buffer& out, double start, double seconds, double fromHz, double toHz, double level) {
  const std::size_t first = At(start);
  const std::size_t count = At(seconds);
  std::uint32_t seed = 777u;
  double low = 0, band = 0, low2 = 0, band2 = 0;
  for (std::size_t n = 0; n < count && first + n < out.size(); ++n) {
    const double t = double(n) / double(count);
    const double centre = fromHz * std::pow(toHz / fromHz, t);
    const double f = 2 * std::sin(std::numbers::pi * centre / kSampleRate);
    seed = seed * 1664525u + 1013904223u;
    const double noise = double(seed >> 8) / double(1u << 24) * 2.0 - 1.0;
    // Two state-variable band filters in a row, so no hiss is left far from the band.
    const double high = noise - low - 0.5 * band;
    band += f * high;
    low += f * band;
    const double high2 = band - low2 - 0.5 * band2;
    band2 += f * high2;
    low2 += f * band2;
    const double envelope = std::sin(std::numbers::pi * t);  // swells and fades
    out[first + n] += level * envelope * envelope * band2;
  }
}

double Hz(int midiKey) {
  return 440.0 * std::pow(2.0, (midiKey - 69) / 12.0);
}

// Fades both ends and scales the peak to `peakDb` below full scale.
std::vector<std::int16_t> Finish(Buffer buffer, double peakDb) {
  const std::size_t fadeIn = At(0.002);
  const std::size_t fadeOut = std::min(buffer.size() / 3, At(0.040));
  for (std::size_t i = 0; i < fadeIn && i < buffer.size(); ++i) buffer[i] *= double(i) / fadeIn;
  for (std::size_t i = 0; i < fadeOut; ++i) {
    const double x = double(i) / fadeOut;  // 0 at the very end
    buffer[buffer.size() - 1 - i] *= x * x;
  }
  double peak = 0;
  for (const double value : buffer) peak = std::max(peak, std::abs(value));
  const double scale = peak > 0 ? std::pow(10.0, peakDb / 20.0) * 32767.0 / peak : 0.0;
  std::vector<std::int16_t> samples(buffer.size());
  for (std::size_t i = 0; i < buffer.size(); ++i)
    samples[i] = std::int16_t(std::lround(buffer[i] * scale));
  return samples;
}

// A light, high knock: the tile is picked up.
std::vector<std::int16_t> Select() {
  Buffer out = Silence(0.14);
  Strike(out, 0.0, 1320, 1.0, kWoodBlock);
  return Finish(std::move(out), -8.0);
}

// Two quick bell notes a fifth apart: a pair leaves the field.
std::vector<std::int16_t> Remove() {
  Buffer out = Silence(0.28);
  Strike(out, 0.0, Hz(81), 0.8, kSmallBell);   // A5
  Strike(out, 0.07, Hz(88), 1.0, kSmallBell);  // E6
  return Finish(std::move(out), -6.0);
}

// A rising pentatonic run of bells that rings out.
std::vector<std::int16_t> Win() {
  Buffer out = Silence(2.6);
  const int keys[] = {72, 74, 76, 79, 81, 84};  // C5 D5 E5 G5 A5 C6
  double start = 0.0;
  for (const int key : keys) {
    Strike(out, start, Hz(key), 0.7, kBell);
    start += 0.13;
  }
  Strike(out, start + 0.05, Hz(84), 0.6, kBell);
  Strike(out, start + 0.05, Hz(76), 0.5, kBell);
  return Finish(std::move(out), -4.0);
}

// Two soft plucks falling to a low note: no moves are left.
std::vector<std::int16_t> Loose() {
  Buffer out = Silence(1.1);
  Pluck(out, 0.0, Hz(62), 0.9, 1.1, 0.996);   // D4
  Pluck(out, 0.22, Hz(57), 1.0, 0.9, 0.996);  // A3
  Pluck(out, 0.22, Hz(50), 0.6, 0.9, 0.994);  // D3
  // The round plucks carry more of their energy below the peak than bright ones: a lower
  // peak keeps the loudness the effect had.
  return Finish(std::move(out), -9.0);
}

// A low, round knock: a tile is set down in the editor.
std::vector<std::int16_t> Put() {
  Buffer out = Silence(0.18);
  Strike(out, 0.0, 520, 1.0, {{1.0, 1.0, 0.045}, {2.3, 0.30, 0.020}, {4.1, 0.10, 0.010}});
  return Finish(std::move(out), -8.0);
}

// A short falling breath of air: a tile is swept away.
std::vector<std::int16_t> Erase() {
  Buffer out = Silence(0.26);
  Swish(out, 0.0, 0.26, 3200, 700, 1.0);
  return Finish(std::move(out), -8.0);
}

// Two dull, low knocks a little out of tune with each other: the tile cannot go there.
std::vector<std::int16_t> Invalid() {
  Buffer out = Silence(0.34);
  const std::vector<Partial> thud = {{1.0, 1.0, 0.060}, {1.58, 0.45, 0.030}, {2.9, 0.15, 0.015}};
  Strike(out, 0.0, 294, 1.0, thud);
  Strike(out, 0.13, 277, 1.0, thud);
  return Finish(std::move(out), -6.0);
}

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(std::uint8_t(value >> (8 * i)));
}

}  // namespace

std::vector<Effect> MakeEffects() {
  return {{"select", Select()}, {"remove", Remove()}, {"win", Win()},        {"loose", Loose()},
          {"put", Put()},       {"erase", Erase()},   {"invalid", Invalid()}};
}

std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples) {
  const auto dataBytes = std::uint32_t(samples.size() * 2);
  std::vector<std::uint8_t> out{'R', 'I', 'F', 'F'};
  PutLittleEndian(out, 36 + dataBytes, 4);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  PutLittleEndian(out, 16, 4);
  PutLittleEndian(out, 1, 2);  // PCM
  PutLittleEndian(out, 1, 2);  // mono
  PutLittleEndian(out, kSampleRate, 4);
  PutLittleEndian(out, kSampleRate * 2, 4);
  PutLittleEndian(out, 2, 2);
  PutLittleEndian(out, 16, 2);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  PutLittleEndian(out, dataBytes, 4);
  for (const std::int16_t sample : samples) PutLittleEndian(out, std::uint16_t(sample), 2);
  return out;
}

}  // namespace tv::sfx
