// SPDX-License-Identifier: GPL-3.0-or-later
// Reads any Standard MIDI File (running status, system exclusive, several tempos) far
// enough to measure its notes, bars and tempo.
#include "game/song_figures.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace tv::music {
namespace {

struct Heard {
  std::uint32_t start = 0;
  std::uint32_t end = 0;
  int channel = 0;
  int key = 0;
  int velocity = 0;
  int track = 0;
};

class Reader {
 public:
  explicit Reader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  bool Has(std::size_t count) const { return at_ + count <= end_; }
  std::uint32_t Fixed(int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = value << 8 | bytes_[at_++];
    return value;
  }
  bool Variable(std::uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
      if (!Has(1)) return false;
      const std::uint8_t byte = bytes_[at_++];
      value = value << 7 | (byte & 0x7F);
      if (!(byte & 0x80)) return true;
    }
    return false;
  }
  std::size_t at_ = 0;
  std::size_t end_ = 0;
  const std::vector<std::uint8_t>& bytes_;
};

Result Truncated() {
  return Result::Fail(FiguresError::kTruncated,
                      Text::Verbatim("the MIDI data ends inside an event"));
}

}  // namespace

Result ReadSongFigures(const std::vector<std::uint8_t>& bytes, SongFigures& figures) {
  Reader in(bytes);
  in.end_ = bytes.size();
  if (!in.Has(14) || in.Fixed(4) != 0x4D546864 || in.Fixed(4) != 6)
    return Result::Fail(FiguresError::kNotMidi, Text::Verbatim("not a Standard MIDI File"));
  in.Fixed(2);
  const std::uint32_t tracks = in.Fixed(2);
  const std::uint32_t division = in.Fixed(2);
  if (division == 0 || division & 0x8000)
    return Result::Fail(FiguresError::kNotMidi, Text::Verbatim("only beat-based timing is read"));

  std::map<std::uint32_t, std::uint32_t> tempos{{0, 500000}};  // tick: microseconds per beat
  std::uint32_t barTicks = 4 * division;
  std::uint32_t songEnd = 0;
  std::vector<Heard> notes;
  std::map<int, int> programs;  // channel: program
  for (std::uint32_t track = 0; track < tracks; ++track) {
    if (!in.Has(8)) return Truncated();
    const std::uint32_t type = in.Fixed(4);
    const std::uint32_t size = in.Fixed(4);
    if (size > bytes.size() - in.at_) return Truncated();
    const std::size_t chunkEnd = in.at_ + size;
    if (type != 0x4D54726B) {  // not MTrk: skip what we do not know
      in.at_ = chunkEnd;
      continue;
    }
    in.end_ = chunkEnd;
    std::uint32_t tick = 0;
    std::uint8_t status = 0;
    std::map<std::pair<int, int>, std::vector<std::size_t>> sounding;  // channel, key
    while (in.Has(1)) {
      std::uint32_t delta = 0;
      if (!in.Variable(delta)) return Truncated();
      tick += delta;
      if (!in.Has(1)) return Truncated();
      if (bytes[in.at_] & 0x80) status = bytes[in.at_++];
      if (status == 0xFF || status == 0xF0 || status == 0xF7) {
        std::uint8_t meta = 0;
        if (status == 0xFF) {
          if (!in.Has(1)) return Truncated();
          meta = bytes[in.at_++];
        }
        std::uint32_t length = 0;
        if (!in.Variable(length) || !in.Has(length)) return Truncated();
        if (meta == 0x51 && length == 3) {
          tempos[tick] = in.Fixed(3);
          length = 0;
        }
        if (meta == 0x58 && length >= 2 && barTicks == 4 * division && tick == 0) {
          const std::uint32_t count = in.Fixed(1);
          const std::uint32_t unit = in.Fixed(1);
          if (count > 0 && unit <= 6)
            barTicks = std::max<std::uint32_t>(1, count * 4 * division >> unit);
          length -= 2;
        }
        in.at_ += length;
        if (meta == 0x2F) break;
        continue;
      }
      if (!(status & 0x80))
        return Result::Fail(FiguresError::kNotMidi, Text::Verbatim("data without a status"));
      const int kind = status & 0xF0;
      const int channel = status & 0x0F;
      const std::size_t size = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
      if (!in.Has(size)) return Truncated();
      const int first = bytes[in.at_];
      const int second = size == 2 ? bytes[in.at_ + 1] : 0;
      in.at_ += size;
      if (kind == 0xC0) programs[channel] = first;
      const bool on = kind == 0x90 && second > 0;
      const bool off = kind == 0x80 || (kind == 0x90 && second == 0);
      if (on) {
        sounding[{channel, first}].push_back(notes.size());
        notes.push_back({tick, tick, channel, first, second, int(track)});
      } else if (off) {
        auto& open = sounding[{channel, first}];
        if (!open.empty()) {
          notes[open.front()].end = tick;
          open.erase(open.begin());
        }
      }
    }
    for (auto& [key, open] : sounding)
      for (const std::size_t index : open) notes[index].end = tick;  // held to the track's end
    songEnd = std::max(songEnd, tick);
    in.at_ = chunkEnd;
    in.end_ = bytes.size();
  }
  if (notes.empty())
    return Result::Fail(FiguresError::kNoNotes, Text::Verbatim("the song plays no notes"));

  auto seconds = [&](std::uint32_t tick) {
    double total = 0;
    for (auto it = tempos.begin(); it != tempos.end() && it->first < tick; ++it) {
      const auto next = std::next(it);
      const std::uint32_t until = next == tempos.end() ? tick : std::min(tick, next->first);
      total += double(until - it->first) * it->second / 1e6 / division;
    }
    return total;
  };
  figures = {};
  figures.seconds = seconds(songEnd);
  std::uint32_t lastRelease = 0;
  for (const Heard& note : notes) lastRelease = std::max(lastRelease, note.end);
  figures.tailSeconds = figures.seconds - seconds(std::min(lastRelease, songEnd));

  // A bar is what starts in it, in every part: where, which key, how long.
  std::map<std::uint32_t, std::vector<std::tuple<int, std::uint32_t, int, std::uint32_t>>> bars;
  for (const Heard& note : notes)
    bars[note.start / barTicks].emplace_back(note.channel, note.start % barTicks, note.key,
                                             note.end - note.start);
  std::set<std::vector<std::tuple<int, std::uint32_t, int, std::uint32_t>>> heard;
  for (auto& [index, content] : bars) {
    std::sort(content.begin(), content.end());
    ++figures.bars;
    if (!heard.insert(content).second) ++figures.repeatedBars;
  }

  int lead = -1;
  std::vector<int> velocities;
  for (const Heard& note : notes) {
    if (note.channel == 9) continue;
    if (lead < 0) lead = note.track;
    if (note.track == lead) velocities.push_back(note.velocity);
  }
  std::sort(velocities.begin(), velocities.end());
  if (!velocities.empty()) {
    const std::size_t last = velocities.size() - 1;
    figures.leadVelocitySpread = velocities[last - last / 20] - velocities[last / 20];
  }
  for (const auto& [channel, program] : programs)
    if (channel != 9) figures.programs.insert(program);
  return {};
}

}  // namespace tv::music
