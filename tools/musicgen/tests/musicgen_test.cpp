// SPDX-License-Identifier: GPL-3.0-or-later
// The song generator: the files it writes are well-formed MIDI with the notes where
// the source puts them, bad sources are refused with the line, the figures read back
// from MIDI data count what they should, and the shipped songs are exactly what their
// sources generate, within the limits a player's evening needs.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "game/song_figures.h"
#include "song_source.h"

namespace {

using tv::music::ParseSong;
using tv::music::Song;
using tv::music::SourceError;

struct NoteOn {
  std::uint32_t tick;
  int channel;
  int key;
};

struct MidiFile {
  int format = -1;
  int division = 0;
  std::vector<std::uint32_t> trackEnds;  // tick of each track's end marker
  std::vector<NoteOn> notes;
};

std::uint32_t BigEndian(const std::vector<std::uint8_t>& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = value << 8 | bytes.at(at + std::size_t(i));
  return value;
}

// Walks every chunk and event; fails the test on anything a player would choke on.
MidiFile ReadMidi(const std::vector<std::uint8_t>& bytes) {
  MidiFile file;
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "MThd");
  EXPECT_EQ(BigEndian(bytes, 4, 4), 6u);
  file.format = int(BigEndian(bytes, 8, 2));
  const std::uint32_t tracks = BigEndian(bytes, 10, 2);
  file.division = int(BigEndian(bytes, 12, 2));
  std::size_t at = 14;
  for (std::uint32_t track = 0; track < tracks; ++track) {
    EXPECT_EQ(std::string(bytes.begin() + long(at), bytes.begin() + long(at) + 4), "MTrk");
    const std::size_t end = at + 8 + BigEndian(bytes, at + 4, 4);
    at += 8;
    std::uint32_t tick = 0;
    bool ended = false;
    while (at < end && !ended) {
      std::uint32_t delta = 0;
      std::uint8_t byte;
      do {
        byte = bytes.at(at++);
        delta = delta << 7 | (byte & 0x7F);
      } while (byte & 0x80);
      tick += delta;
      const std::uint8_t status = bytes.at(at++);
      EXPECT_TRUE(status & 0x80) << "running status is never written";
      if (status == 0xFF) {
        const std::uint8_t type = bytes.at(at++);
        const std::uint8_t length = bytes.at(at++);
        at += length;
        ended = type == 0x2F;
      } else if ((status & 0xF0) == 0xC0) {
        at += 1;
      } else {
        if ((status & 0xF0) == 0x90 && bytes.at(at + 1) > 0)
          file.notes.push_back({tick, status & 0x0F, bytes.at(at)});
        at += 2;
      }
    }
    EXPECT_TRUE(ended && at == end) << "track " << track << " must close at its chunk end";
    file.trackEnds.push_back(tick);
    at = end;
  }
  EXPECT_EQ(at, bytes.size());
  return file;
}

constexpr const char* kSmallSong = R"(
title Small
scale D E G A B
tempo 60
meter 4
tail 2
instrument koto program 108
instrument perc drums
phrase up
  D4:1 E4 G4:0.5 A4 B4:1 |
end
phrase tick
  block:2 r |
end
section A
  koto up up+12   # the second bar an octave higher
  perc _ tick
end
form A
)";

TEST(MusicGen, WritesFormatOneFileWithNotesWhereTheSourcePutsThem) {
  Song song;
  ASSERT_TRUE(ParseSong(kSmallSong, song));
  EXPECT_DOUBLE_EQ(song.Seconds(), 10.0);  // two bars at 60 bpm and a two-beat tail

  const MidiFile file = ReadMidi(tv::music::WriteMidi(song));
  EXPECT_EQ(file.format, 1);
  EXPECT_EQ(file.division, 480);
  ASSERT_EQ(file.trackEnds.size(), 3u);  // tempo, koto, perc
  for (const std::uint32_t end : file.trackEnds) EXPECT_EQ(end, 10u * 480);
  ASSERT_EQ(file.notes.size(), 11u);
  EXPECT_EQ(file.notes[0].key, 62);
  EXPECT_EQ(file.notes[0].channel, 0);
  EXPECT_EQ(file.notes[3].tick, 1200u);  // A4 after 1 + 1 + 0.5 beats
  EXPECT_EQ(file.notes[5].key, 74);      // the shifted D5 opens bar two
  EXPECT_EQ(file.notes[5].tick, 1920u);
  EXPECT_EQ(file.notes[10].channel, 9);
  EXPECT_EQ(file.notes[10].key, 76);
  EXPECT_EQ(file.notes[10].tick, 1920u);
}

TEST(MusicGen, RefusesBadSourcesNamingTheLine) {
  struct Case {
    const char* change;
    const char* into;
    SourceError error;
    const char* line;
  };
  const Case cases[] = {
      {"B4:1 |", "B4:0.5 |", SourceError::kBarLength, "line 10:"},
      {"B4:1 |", "C5:1 |", SourceError::kOutOfScale, "line 16:"},
      {"up up+12", "up up+1", SourceError::kOutOfScale, "line 16:"},
      {"_ tick", "_ tock", SourceError::kUnknownName, "line 17:"},
      {"block:2", "D4:2", SourceError::kSyntax, "line 17:"},
      {"G4:0.5", "G4:1/7", SourceError::kSyntax, "line 10:"},
      {"up up+12", "up^1 @90>300 up", SourceError::kSyntax, "line 16:"},
      {"D4:1 E4", "D4:1 ~90>20 E4", SourceError::kSyntax, "line 10:"},
      {"D4:1 E4", "D4:1 ~90>20:4 E4", SourceError::kBarLength, "line 11:"},
      {"perc _ tick", "tempo 60:4 10:4", SourceError::kSyntax, "line 17:"},
  };
  for (const Case& c : cases) {
    std::string text = kSmallSong;
    text.replace(text.find(c.change), std::string(c.change).size(), c.into);
    Song song;
    const tv::Result result = ParseSong(text, song);
    EXPECT_TRUE(result.Is(c.error)) << c.into << ": " << result.Message();
    EXPECT_EQ(result.Message().rfind(c.line, 0), 0u) << result.Message();
  }
}

// Builds a song from kSmallSong with one text replaced, and reads its figures back.
tv::music::SongFigures FiguresOf(const std::string& change, const std::string& into,
                                 Song* parsed = nullptr, const char* base = kSmallSong) {
  std::string text = base;
  text.replace(text.find(change), change.size(), into);
  Song song;
  const tv::Result result = ParseSong(text, song);
  EXPECT_TRUE(result) << into << ": " << result.Message();
  tv::music::SongFigures figures;
  EXPECT_TRUE(tv::music::ReadSongFigures(tv::music::WriteMidi(song), figures));
  if (parsed) *parsed = song;
  return figures;
}

TEST(MusicGen, NotationChangesReachTheNotesAndTheFigures) {
  // The plain song: two bars, the second an octave up, a two-beat tail at 60 bpm after
  // notes that sound 95 % of their length.
  const auto plain = FiguresOf("form A", "form A");
  EXPECT_EQ(plain.bars, 2);
  EXPECT_EQ(plain.repeatedBars, 0);
  EXPECT_NEAR(plain.tailSeconds, 2.05, 0.01);
  EXPECT_EQ(plain.programs, std::set<int>{107});

  struct Case {
    const char* change;
    const char* into;
    int bars;
    int repeated;
    double seconds;
  };
  const Case cases[] = {
      {"up up+12", "up up", 2, 0, 10},  // the drum tells the bars apart
      {"up up+12   # the second bar an octave higher\n  perc _ tick", "up up\n perc tick tick", 2,
       1, 10},  // the same bar again, in every part

      {"form A", "form A A", 4, 2, 18},              // a whole section again
      {"up up+12", "up up^1", 2, 0, 10},             // a step along the scale is new material
      {"perc _ tick", "tempo 60:4 120:4", 2, 0, 7},  // the second bar and tail twice as fast
      {"perc _ tick", "tempo 60>120:8", 2, 0, 0},    // speeding up: shorter than 10 s
  };
  for (const Case& c : cases) {
    const auto figures = FiguresOf(c.change, c.into);
    EXPECT_EQ(figures.bars, c.bars) << c.into;
    EXPECT_EQ(figures.repeatedBars, c.repeated) << c.into;
    if (c.seconds > 0)
      EXPECT_NEAR(figures.seconds, c.seconds, 0.01) << c.into;
    else
      EXPECT_LT(figures.seconds, 9.5) << c.into;
  }

  // A rising hairpin spreads the lead's loudness; a flat line does not.
  EXPECT_LE(plain.leadVelocitySpread, 6);
  EXPECT_GE(FiguresOf("koto up up+12", "koto @40>120 up up+12").leadVelocitySpread, 40);

  // Steps along the scale wrap into the next octave: B4 one step up is D5.
  Song song;
  FiguresOf("koto up up+12", "koto up up^1", &song);
  EXPECT_EQ(song.instruments[0].notes[9].key, 74);

  // Notes left ringing end where the same key strikes again.
  std::string ringing = kSmallSong;
  ringing.replace(ringing.find("D4:1 E4"), 7, "D4:1 D4");
  FiguresOf("instrument koto program 108", "instrument koto program 108 gate 300", &song,
            ringing.c_str());
  EXPECT_EQ(song.instruments[0].notes[0].length, 480u);
  EXPECT_EQ(song.instruments[0].notes[1].length, 480u * 3);

  // A swell is a run of expression changes; 6/8 bars hold three beats.
  FiguresOf("D4:1 E4", "D4:1 ~40>120:2 E4", &song);
  EXPECT_EQ(song.instruments[0].controls.front().value, 40);
  EXPECT_EQ(song.instruments[0].controls.back().value, 120);
  EXPECT_EQ(song.instruments[0].controls.size(), 2u * 17);  // in both bars
  std::string eight = kSmallSong;
  eight.replace(eight.find("meter 4"), 7, "meter 6/8");
  eight.replace(eight.find("B4:1 |"), 6, "| B4:1 D5:2 |");
  eight.replace(eight.find("block:2 r |"), 11, "block:2 r:1 | r:3 |");
  ASSERT_TRUE(ParseSong(eight, song));
  EXPECT_EQ(song.BarTicks(), 3u * 480);
}

TEST(MusicGen, FiguresRefuseWhatIsNotASong) {
  using tv::music::FiguresError;
  tv::music::SongFigures figures;
  Song song;
  ASSERT_TRUE(ParseSong(kSmallSong, song));
  std::vector<std::uint8_t> bytes = tv::music::WriteMidi(song);
  EXPECT_TRUE(tv::music::ReadSongFigures({bytes.begin(), bytes.end() - 5}, figures)
                  .Is(FiguresError::kTruncated));
  bytes[0] = 'X';
  EXPECT_TRUE(tv::music::ReadSongFigures(bytes, figures).Is(FiguresError::kNotMidi));
}

TEST(MusicGen, ShippedSongsAreWhatTheirSourcesGenerate) {
  namespace fs = std::filesystem;
  int songs = 0;
  std::map<int, int> programUse;
  std::ifstream help(fs::path(TILVANE_SOURCE_DIR) / "data/help/music.htm");
  const std::string helpPage{std::istreambuf_iterator<char>(help), {}};
  for (const auto& entry :
       fs::directory_iterator(fs::path(TILVANE_SOURCE_DIR) / "data/music-src")) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream in(entry.path());
    std::stringstream text;
    text << in.rdbuf();
    Song song;
    const tv::Result result = ParseSong(text.str(), song);
    ASSERT_TRUE(result) << entry.path() << ": " << result.Message();
    EXPECT_GE(song.Seconds(), 60.0) << song.title;
    EXPECT_LE(song.Seconds(), 180.0) << song.title;

    const fs::path shipped = fs::path(TILVANE_SOURCE_DIR) / "data/music" / (song.title + ".mid");
    std::ifstream file(shipped, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(bytes, tv::music::WriteMidi(song)) << shipped << " is stale: run make music";
    EXPECT_FALSE(ReadMidi(bytes).notes.empty());

    // What a player hears over an evening: no long silence at the end, little literal
    // repetition, a lead that rises and falls, and no sound in every song.
    tv::music::SongFigures figures;
    ASSERT_TRUE(tv::music::ReadSongFigures(bytes, figures)) << song.title;
    EXPECT_LE(figures.tailSeconds, tv::music::kLongestTail) << song.title;
    EXPECT_LE(figures.RepeatedShare(), tv::music::kMostRepeatedShare) << song.title;
    EXPECT_GE(figures.leadVelocitySpread, tv::music::kLeastLeadSpread) << song.title;
    for (const int program : figures.programs) ++programUse[program];

    // The help page lists every song with its length.
    const int seconds = int(song.Seconds() + 0.5);
    char length[16];
    std::snprintf(length, sizeof length, "%d:%02d", seconds / 60, seconds % 60);
    EXPECT_NE(helpPage.find("<td>" + song.title + "</td><td>" + length + "</td>"),
              std::string::npos)
        << song.title << " (" << length << ") is missing from the music help page";
    ++songs;
  }
  EXPECT_GE(songs, 12);
  for (const auto& [program, count] : programUse)
    EXPECT_LE(2 * count, songs) << "program " << program + 1 << " is in " << count << " songs";
}

}  // namespace
