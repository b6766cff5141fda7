// SPDX-License-Identifier: GPL-3.0-or-later
// The program's sound effects, synthesised from a few plucked, struck and blown
// voices, and the 16-bit mono WAV files they are shipped as.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tv::sfx {

constexpr int kSampleRate = 44100;

struct Effect {
  std::string name;  // the file name without ".wav"
  std::vector<std::int16_t> samples;
};

// Every effect the program plays, in the order of its sound numbers.
std::vector<Effect> MakeEffects();

std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples);

}  // namespace tv::sfx
