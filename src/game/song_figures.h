// SPDX-License-Identifier: GPL-3.0-or-later
// Figures read back from a song's MIDI data: what a listener would notice as sameness.
#pragma once

#include <cstdint>
#include <set>
#include <vector>

#include "game/result.h"

namespace tv::music {

// A song file that would play longer than this (a huge delta time, a broken tempo) is
// skipped rather than left to hold the song cycle.
constexpr double kLongestPlayableSong = 20 * 60;  // seconds

// The limits every shipped song keeps.
constexpr double kShortestSong = 60;         // seconds
constexpr double kLongestSong = 180;         // seconds
constexpr double kLongestTail = 1.5;         // seconds after the last note's release
constexpr double kMostRepeatedShare = 0.25;  // of the bars with notes
constexpr int kLeastLeadSpread = 20;         // velocity steps

struct SongFigures {
  double seconds = 0;      // to the end of the longest track
  double tailSeconds = 0;  // from the last note's release to the end
  int bars = 0;            // bars in which a note starts
  int repeatedBars = 0;    // of those, bars whose notes in every part repeat an earlier bar
  // The lead is the first part with pitched notes; its loudness range, between the 5th
  // and 95th percentile, so one accent does not make a flat melody look alive.
  int leadVelocitySpread = 0;
  std::set<int> programs;  // 0-based General MIDI programs of the pitched parts

  double RepeatedShare() const { return bars ? double(repeatedBars) / bars : 0; }
};

enum class FiguresError { kNone = 0, kNotMidi, kTruncated, kNoNotes };

Result ReadSongFigures(const std::vector<std::uint8_t>& bytes, SongFigures& figures);

}  // namespace tv::music
