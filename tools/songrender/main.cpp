// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a song as the game plays it to a WAV file, and compares two such files.
//   tilvane-songrender render SONG.mid OUT.wav [SECONDS=60] [VOLUME=128] [BEFORE.mid]
// BEFORE.mid plays first in the same synthesiser, as the song before it does in the game.
//   tilvane-songrender compare A.wav B.wav
//   tilvane-songrender first-effect EFFECT.wav   (how long the first effect waits for the
//   sound libraries and the output, in a process that has not opened them yet)
#include <algorithm>
#include <chrono>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "content/mixer_backend.h"
#include "game/files.h"

namespace {

void Put(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(char(value >> (8 * i)));
}

bool WriteWav(const std::string& path, const tv::RenderedSong& song) {
  std::ofstream out(path, std::ios::binary);
  const auto data = std::uint32_t(song.samples.size() * 2);
  out << "RIFF";
  Put(out, 36 + data, 4);
  out << "WAVEfmt ";
  Put(out, 16, 4), Put(out, 1, 2), Put(out, 2, 2), Put(out, std::uint32_t(song.rate), 4);
  Put(out, std::uint32_t(song.rate) * 4, 4), Put(out, 4, 2), Put(out, 16, 2);
  out << "data";
  Put(out, data, 4);
  out.write(reinterpret_cast<const char*>(song.samples.data()), std::streamsize(data));
  return bool(out);
}

// Only what this tool writes: 16-bit stereo PCM with the data chunk after 44 bytes.
bool ReadWav(const std::string& path, tv::RenderedSong& song) {
  std::vector<std::uint8_t> bytes;
  if (!tv::ReadWholeFile(path, bytes).Ok() || bytes.size() < 44 ||
      std::memcmp(bytes.data(), "RIFF", 4) != 0)
    return false;
  song.rate = int(bytes[24] | bytes[25] << 8 | bytes[26] << 16 | bytes[27] << 24);
  song.samples.resize((bytes.size() - 44) / 2);
  std::memcpy(song.samples.data(), bytes.data() + 44, song.samples.size() * 2);
  return true;
}

double Db(double ratio) {
  return ratio > 0 ? 20 * std::log10(ratio) : -200;
}

void Fft(std::vector<std::complex<double>>& a) {
  const std::size_t n = a.size();
  for (std::size_t i = 1, j = 0; i < n; ++i) {
    std::size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (std::size_t len = 2; len <= n; len <<= 1) {
    const std::complex<double> w = std::polar(1.0, -2 * M_PI / double(len));
    for (std::size_t i = 0; i < n; i += len) {
      std::complex<double> wn = 1;
      for (std::size_t k = 0; k < len / 2; ++k, wn *= w) {
        const auto u = a[i + k], v = a[i + k + len / 2] * wn;
        a[i + k] = u + v, a[i + k + len / 2] = u - v;
      }
    }
  }
}

constexpr std::size_t kWindow = 4096;

// The mean power of the mono mix in each bin (Hann windows, half overlapping).
std::vector<double> Spectrum(const tv::RenderedSong& song) {
  std::vector<double> power(kWindow / 2, 0);
  const std::size_t frames = song.samples.size() / 2;
  int windows = 0;
  for (std::size_t start = 0; start + kWindow <= frames; start += kWindow / 2, ++windows) {
    std::vector<std::complex<double>> a(kWindow);
    for (std::size_t i = 0; i < kWindow; ++i) {
      const double mono =
          (song.samples[(start + i) * 2] + song.samples[(start + i) * 2 + 1]) / 65536.0;
      a[i] = mono * (0.5 - 0.5 * std::cos(2 * M_PI * double(i) / kWindow));
    }
    Fft(a);
    for (std::size_t i = 0; i < power.size(); ++i) power[i] += std::norm(a[i]);
  }
  for (double& p : power) p /= std::max(windows, 1);
  return power;
}

struct Level {
  double rms = 0, peak = 0;
  long clipped = 0;
};

Level Measure(const tv::RenderedSong& song) {
  Level level;
  double sum = 0;
  for (const std::int16_t v : song.samples) {
    sum += double(v) * v;
    level.peak = std::max(level.peak, std::abs(double(v)));
    level.clipped += v == 32767 || v == -32768;
  }
  level.rms = std::sqrt(sum / double(std::max<std::size_t>(song.samples.size(), 1)));
  return level;
}

int Compare(const std::string& pathA, const std::string& pathB) {
  tv::RenderedSong a, b;
  if (!ReadWav(pathA, a) || !ReadWav(pathB, b) || a.rate != b.rate) {
    std::fprintf(stderr, "cannot compare %s and %s\n", pathA.c_str(), pathB.c_str());
    return 2;
  }
  const std::size_t n = std::min(a.samples.size(), b.samples.size());
  a.samples.resize(n), b.samples.resize(n);
  const Level la = Measure(a), lb = Measure(b);
  double residual = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const double d = double(b.samples[i]) - a.samples[i];
    residual += d * d;
  }
  residual = std::sqrt(residual / double(std::max<std::size_t>(n, 1)));
  // Third-octave bands from 40 Hz to the top: the largest change of level in any band
  // that is no quieter than 70 dB below the loudest.
  const std::vector<double> sa = Spectrum(a), sb = Spectrum(b);
  const double binHz = double(a.rate) / kWindow;
  std::vector<std::pair<double, double>> bands;
  double loudest = 0;
  for (double low = 40; low < a.rate / 2.0; low *= std::cbrt(2.0)) {
    double pa = 0, pb = 0;
    for (std::size_t i = std::size_t(low / binHz);
         i < sa.size() && i * binHz < low * std::cbrt(2.0); ++i)
      pa += sa[i], pb += sb[i];
    bands.emplace_back(pa, pb);
    loudest = std::max(loudest, pa);
  }
  double worst = 0, worstHz = 0, worstLevel = 0, hz = 40;
  for (const auto& [pa, pb] : bands) {
    if (pa > loudest * 1e-7) {
      const double change = 10 * std::log10((pb + 1e-30) / (pa + 1e-30));
      if (std::abs(change) > std::abs(worst))
        worst = change, worstHz = hz, worstLevel = 10 * std::log10(pa / loudest);
    }
    hz *= std::cbrt(2.0);
  }
  std::printf("RMS %.2f -> %.2f dBFS (%+.2f dB), peak %.2f -> %.2f dBFS, clipped %ld -> %ld,\n",
              Db(la.rms / 32768), Db(lb.rms / 32768), Db(lb.rms / 32768) - Db(la.rms / 32768),
              Db(la.peak / 32768), Db(lb.peak / 32768), la.clipped, lb.clipped);
  if (residual == 0) {
    std::printf("no difference\n");
    return 0;
  }
  std::printf(
      "difference %.1f dB below the signal, largest third-octave change %+.2f dB at %.0f Hz "
      "(a band %.0f dB below the loudest)\n",
      Db(la.rms) - Db(residual), worst, worstHz, -worstLevel);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && std::strcmp(argv[1], "render") == 0) {
    std::vector<std::uint8_t> midi;
    if (!tv::ReadWholeFile(argv[2], midi).Ok()) {
      std::fprintf(stderr, "cannot read %s\n", argv[2]);
      return 2;
    }
    const double seconds = argc > 4 ? std::atof(argv[4]) : 60;
    const int volume = argc > 5 ? std::atoi(argv[5]) : 128;
    std::vector<std::uint8_t> before;
    if (argc > 6 && !tv::ReadWholeFile(argv[6], before).Ok()) {
      std::fprintf(stderr, "cannot read %s\n", argv[6]);
      return 2;
    }
    const tv::RenderedSong song = tv::RenderSong(midi, volume, seconds, before);
    if (song.samples.empty() || !WriteWav(argv[3], song)) {
      std::fprintf(stderr, "cannot render %s to %s\n", argv[2], argv[3]);
      return 2;
    }
    return 0;
  }
  if (argc == 4 && std::strcmp(argv[1], "compare") == 0) return Compare(argv[2], argv[3]);
  if (argc == 3 && std::strcmp(argv[1], "first-effect") == 0) {
    const auto start = std::chrono::steady_clock::now();
    tv::MixerBackend backend;
    const bool played = backend.StartOutput() && backend.PreloadEffect(argv[2]);
    backend.PlayEffect(argv[2]);
    const std::chrono::duration<double, std::milli> waited =
        std::chrono::steady_clock::now() - start;
    std::printf("%s after %.1f ms\n", played ? "playing" : "not playing", waited.count());
    return played ? 0 : 2;
  }
  std::fprintf(stderr,
               "usage: tilvane-songrender render SONG.mid OUT.wav [SECONDS] [VOLUME] [BEFORE.mid]\n"
               "       tilvane-songrender compare A.wav B.wav\n");
  return 2;
}
