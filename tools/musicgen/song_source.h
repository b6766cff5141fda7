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
  int gatePercent = 95;  // how much of its written length a note sounds
  std::vector<Note> notes;
};

struct Song {
  std::string title;
  std::string mode;
  int tempo = 80;            // quarter notes per minute
  int meter = 4;             // quarter-note beats per bar
  std::uint32_t length = 0;  // ticks, including the closing ring-out
  std::vector<Instrument> instruments;

  double Seconds() const { return double(length) / kTicksPerBeat * 60.0 / tempo; }
};

enum class SourceError { kNone = 0, kSyntax, kUnknownName, kBarLength, kOutOfScale, kTooLong };

// Reads a whole note source; on failure the message names the line.
Result ParseSong(std::string_view text, Song& song);

// The song as a Standard MIDI File, format 1: a tempo track, then one track per
// instrument.
std::vector<std::uint8_t> WriteMidi(const Song& song);

}  // namespace tv::music
