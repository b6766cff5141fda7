// SPDX-License-Identifier: GPL-3.0-or-later
// The note source of one song (the notation is described in data/music-src/README.md)
// and the song it describes: timed notes per instrument, ready to be written out.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/result.h"

namespace tv::music {

constexpr int kTicksPerBeat = 480;
constexpr int kDrumChannel = 9;

struct Note {
  std::uint32_t start = 0;  // ticks from the start of the song
  std::uint32_t length = 0;
  std::uint8_t key = 0;
  std::uint8_t velocity = 0;
};

// A controller change on an instrument's channel (expression swells).
struct Control {
  std::uint32_t tick = 0;
  std::uint8_t number = 0;
  std::uint8_t value = 0;
};

struct Instrument {
  std::string name;
  int program = 0;  // 0-based General MIDI program
  bool drums = false;
  int channel = 0;
  int volume = 100;
  int pan = 64;
  int reverb = 40;
  int chorus = 0;
  int velocity = 80;
  int gatePercent = 95;  // how much of its written length a note sounds; over 100 lets it ring
  std::vector<Note> notes;
  std::vector<Control> controls;
};

struct TempoChange {
  std::uint32_t tick = 0;
  std::uint32_t microsecondsPerBeat = 0;
};

struct Song {
  std::string title;
  std::string mode;
  int tempo = 80;  // quarter notes per minute at the start
  int meter = 4;   // notes of 1/meterUnit per bar: 4/4, 3/4, 6/8
  int meterUnit = 4;
  std::uint32_t length = 0;  // ticks, including the closing ring-out
  std::vector<Instrument> instruments;
  std::vector<TempoChange> tempoChanges;  // after the opening tempo, in order

  std::uint32_t BarTicks() const { return std::uint32_t(meter * 4 * kTicksPerBeat / meterUnit); }
  double SecondsAt(std::uint32_t tick) const;
  double Seconds() const { return SecondsAt(length); }
};

enum class SourceError { kNone = 0, kSyntax, kUnknownName, kBarLength, kOutOfScale, kTooLong };

// Reads a whole note source; on failure the message names the line.
Result ParseSong(std::string_view text, Song& song);

// The song as a Standard MIDI File, format 1: a tempo track, then one track per
// instrument.
std::vector<std::uint8_t> WriteMidi(const Song& song);

}  // namespace tv::music
