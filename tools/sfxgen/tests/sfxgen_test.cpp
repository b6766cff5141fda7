// SPDX-License-Identifier: GPL-3.0-or-later
// The sound effects: short where they must be, never near full scale, silent at both
// ends so they cannot click, and shipped exactly as the generator makes them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "effects.h"

namespace {

using tv::sfx::kSampleRate;

TEST(SfxGen, EffectsKeepTheirLimits) {
  const std::vector<tv::sfx::Effect> effects = tv::sfx::MakeEffects();
  const char* const names[] = {"select", "remove", "win", "loose", "put", "erase", "invalid"};
  ASSERT_EQ(effects.size(), std::size(names));
  const int peakLimit = int(32767 * std::pow(10.0, -1.0 / 20));  // -1 dBFS
  for (std::size_t i = 0; i < effects.size(); ++i) {
    const tv::sfx::Effect& effect = effects[i];
    EXPECT_EQ(effect.name, names[i]);
    const double seconds = double(effect.samples.size()) / kSampleRate;
    const double limit = effect.name == "select" || effect.name == "remove" ? 0.3 : 3.0;
    EXPECT_LT(seconds, limit) << effect.name;
    int peak = 0;
    for (const std::int16_t sample : effect.samples) peak = std::max(peak, std::abs(int(sample)));
    EXPECT_LT(peak, peakLimit) << effect.name;
    EXPECT_GT(peak, peakLimit / 4) << effect.name << " is too quiet";
    EXPECT_LE(std::abs(int(effect.samples.front())), 1) << effect.name;
    EXPECT_LE(std::abs(int(effect.samples.back())), 1) << effect.name;
    // No step from one sample to the next as large as a click, and no stretch of 50 ms
    // that sits off zero (a DC offset thumps when the effect starts or is cut).
    int jump = 0;
    for (std::size_t k = 1; k < effect.samples.size(); ++k)
      jump = std::max(jump, std::abs(int(effect.samples[k]) - int(effect.samples[k - 1])));
    EXPECT_LT(jump, 32768 / 5) << effect.name;
    const std::size_t window = kSampleRate / 20;
    for (std::size_t start = 0; start + window <= effect.samples.size(); start += window) {
      double sum = 0;
      for (std::size_t k = start; k < start + window; ++k) sum += effect.samples[k];
      EXPECT_LT(std::abs(sum / double(window)), 32768 * 0.004) << effect.name << " at " << start;
    }
  }
}

TEST(SfxGen, ShippedEffectsAreWhatTheGeneratorMakes) {
  for (const tv::sfx::Effect& effect : tv::sfx::MakeEffects()) {
    const std::filesystem::path path =
        std::filesystem::path(TILVANE_SOURCE_DIR) / "data/sounds" / (effect.name + ".wav");
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> shipped{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(shipped, tv::sfx::EncodeWav(effect.samples)) << path << " is stale: run make music";
  }
}

TEST(SfxGen, WavHeaderDescribesSixteenBitMono) {
  const std::vector<std::uint8_t> wav = tv::sfx::EncodeWav({0, 1000, -1000});
  auto word = [&](std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | wav[at + std::size_t(i)];
    return value;
  };
  ASSERT_EQ(wav.size(), 44u + 6);
  EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
  EXPECT_EQ(word(4, 4), wav.size() - 8);
  EXPECT_EQ(word(20, 2), 1u);  // PCM
  EXPECT_EQ(word(22, 2), 1u);  // mono
  EXPECT_EQ(word(24, 4), std::uint32_t(kSampleRate));
  EXPECT_EQ(word(34, 2), 16u);  // bits per sample
  EXPECT_EQ(word(40, 4), 6u);
  EXPECT_EQ(word(46, 2), 1000u);
  EXPECT_EQ(word(48, 2), std::uint32_t(std::uint16_t(-1000)));
}

}  // namespace
