// SPDX-License-Identifier: GPL-3.0-or-later
// The SDL back end on the dummy output and the options dialog over it: songs from a file
// and from memory play to their end, failures carry the layer's own codes, effects load,
// the shipped songs and effects load, and a machine without output says so once.
#include "content/mixer_backend.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

#include "art/qt_app.h"
#include "content/music.h"
#include "game/files.h"
#include "support/temp_dir.h"

namespace tv {
namespace {

// Sets an environment variable for one scope and puts the old value back on leaving it,
// even through a failed ASSERT, so later tests see the environment they started with.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    const char* before = std::getenv(name);
    if (before) before_ = before;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() { before_ ? setenv(name_, before_->c_str(), 1) : unsetenv(name_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> before_;
};

namespace fs = std::filesystem;

// A format 0 MIDI file of `notes` eighth notes at 120 beats per minute.
void WriteSong(const fs::path& path, int notes) {
  std::string track = {0, char(0xC0), 75};
  for (int i = 0; i < notes; ++i)
    track +=
        {0, char(0x90), char(60 + i % 12), 90, char(0x81), 0x70, char(0x80), char(60 + i % 12), 0};
  track += {0, char(0xFF), 0x2F, 0};
  const auto size = track.size();
  std::ofstream out(path, std::ios::binary);
  out << std::string("MThd\0\0\0\6\0\0\0\1\1\xE0MTrk", 18) << char(size >> 24) << char(size >> 16)
      << char(size >> 8) << char(size) << track;
}

// 0.1 s of a 16-bit mono tone at 22050 Hz.
void WriteWave(const fs::path& path) {
  std::vector<std::int16_t> samples(2205);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = std::int16_t(i % 50 * 200 - 5000);
  auto le = [](std::uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += char(v >> (8 * i));
    return s;
  };
  const std::uint32_t data = std::uint32_t(samples.size() * 2);
  std::ofstream out(path, std::ios::binary);
  out << "RIFF" << le(36 + data, 4) << "WAVEfmt " << le(16, 4) << le(1, 2) << le(1, 2)
      << le(22050, 4) << le(44100, 4) << le(2, 2) << le(16, 2) << "data" << le(data, 4);
  out.write(reinterpret_cast<const char*>(samples.data()), data);
}

// A change of volume, a start and a stop glide: no frame steps by more than the ramp
// allows, and the gain arrives where it was sent.
TEST(MixerBackend, VolumeChangesGlideInsteadOfStepping) {
  const struct {
    float from, to;
    int channels;
  } cases[] = {{1.0f, 0.0f, 2}, {0.0f, 1.0f, 2}, {1.0f, 0.25f, 1}, {0.5f, 0.5f, 2}};
  const float step = 1.0f / 220;  // 10 ms at 22050 Hz
  for (const auto& c : cases) {
    std::vector<std::int16_t> samples(std::size_t(400 * c.channels), 30000);
    const float reached = RampFrames(samples.data(), 400, c.channels, c.from, c.to, step);
    EXPECT_FLOAT_EQ(reached, c.to);
    int previous = std::lround(30000 * c.from), jump = 0;
    for (std::size_t i = 0; i < samples.size(); i += std::size_t(c.channels)) {
      jump = std::max(jump, std::abs(samples[i] - previous));
      previous = samples[i];
      EXPECT_EQ(samples[i + std::size_t(c.channels) - 1], samples[i]);
    }
    EXPECT_LE(jump, 30000 * step + 1) << c.from << " to " << c.to;
    EXPECT_EQ(samples.back(), std::lround(30000 * c.to));
  }
}

// A format 0 MIDI file of one track's events.
std::vector<std::uint8_t> Midi(std::string track) {
  track += {0, char(0xFF), 0x2F, 0};
  const auto size = track.size();
  const std::string file = std::string("MThd\0\0\0\6\0\0\0\1\1\xE0MTrk", 18) + char(size >> 24) +
                           char(size >> 16) + char(size >> 8) + char(size) + track;
  return {file.begin(), file.end()};
}

// A song handed the synthesiser of the song before it sounds as it does on a new one,
// whatever that song left behind: no note, controller, program or tuning leaks over.
TEST(MixerBackend, ASongSoundsTheSameAfterAnyOther) {
  const std::vector<std::uint8_t> song =
      Midi({0, char(0xC0), 0, 0, char(0x90), 60, 100, char(0x83), 0x60, char(0x80), 60, 0});
  const std::vector<std::pair<const char*, std::string>> before = {
      {"a plain note", {0, char(0x90), 64, 90, 0x60, char(0x80), 64, 0}},
      {"a held note under the pedal", {0, char(0xB0), 64, 127, 0, char(0x90), 67, 120}},
      {"quiet strings panned left",
       {0, char(0xC0), 48, 0, char(0xB0), 7, 20, 0, char(0xB0), 10, 0, 0, char(0x90), 60, 100}},
      {"a bent pitch and full reverb",
       {0, char(0xE0), 0, 0x7F, 0, char(0xB0), 91, 127, 0, char(0x90), 72, 127}},
  };
  const RenderedSong fresh = RenderSong(song, 256, 2.0);
  ASSERT_FALSE(fresh.samples.empty());
  const auto level = [](const RenderedSong& r, int channel) {
    double sum = 0;
    for (std::size_t i = std::size_t(channel); i < r.samples.size(); i += 2)
      sum += double(r.samples[i]) * r.samples[i];
    return 10 * std::log10(sum / double(r.samples.size() / 2) + 1e-9);
  };
  for (const auto& [name, track] : before) {
    SCOPED_TRACE(name);
    const RenderedSong after = RenderSong(song, 256, 2.0, Midi(track));
    ASSERT_EQ(after.samples.size(), fresh.samples.size());
    for (int channel : {0, 1}) EXPECT_NEAR(level(after, channel), level(fresh, channel), 0.2);
  }
}

TEST(MixerBackend, SongsPlayToTheEndAndFailuresCarryCodes) {
  test::TempDir dir;
  WriteSong(dir.path() / "short.mid", 2);
  std::ofstream(dir.path() / "broken.mid") << "not a song at all";
  MixerBackend library;
  ASSERT_TRUE(library.StartOutput());

  const SongHandle song = library.SongFromFile(dir.dir() + "short.mid");
  ASSERT_NE(song, kNoSong);
  library.SetRepeat(song, false);
  library.SetSongVolume(song, 300);
  library.Begin(song);
  EXPECT_FALSE(library.HasEnded(song));
  // The mixer plays in real time on its own thread: a short song ends within seconds.
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(8);
  while (!library.HasEnded(song) && std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_TRUE(library.HasEnded(song));

  std::vector<std::uint8_t> tune;
  ASSERT_TRUE(ReadWholeFile(TILVANE_SOURCE_DIR "/resources/music/silent.mid", tune).Ok());
  EXPECT_EQ(tune.size(), 103u);
  EXPECT_NE(library.SongFromMemory(tune), kNoSong);

  EXPECT_EQ(library.SongFromFile(dir.dir() + "missing.mid"), kNoSong);
  EXPECT_EQ(library.ErrorCode(), int(SoundError::kFileNotFound));
  EXPECT_EQ(library.SongFromFile(dir.dir() + "broken.mid"), kNoSong);
  EXPECT_EQ(library.ErrorCode(), int(SoundError::kUnknownFormat));
  // A note held for days by a huge delta time: skipped, not left to hold the song cycle.
  const std::string endless = {0,          char(0x90), 60,         90,         char(0xFF),
                               char(0xFF), char(0xFF), 0x7F,       char(0x80), 60,
                               0,          0,          char(0xFF), 0x2F,       0};
  std::ofstream(dir.path() / "endless.mid", std::ios::binary)
      << std::string("MThd\0\0\0\6\0\0\0\1\1\xE0MTrk\0\0\0", 21) << char(endless.size()) << endless;
  EXPECT_EQ(library.SongFromFile(dir.dir() + "endless.mid"), kNoSong);
  EXPECT_EQ(library.ErrorCode(), int(SoundError::kUnknownFormat));
  library.Release(song);
  library.Begin(song);
  EXPECT_EQ(library.ErrorCode(), int(SoundError::kInvalidParameter));
  EXPECT_STREQ(SoundErrorText(42), "Unknown error");

  WriteWave(dir.path() / "select.wav");
  EXPECT_TRUE(library.PreloadEffect(dir.dir() + "select.wav"));
  EXPECT_FALSE(library.PreloadEffect(dir.dir() + "remove.wav"));
  library.PlayEffect(dir.dir() + "remove.wav");  // nothing, and no complaint
  library.StopOutput();
  EXPECT_EQ(library.SongFromFile(dir.dir() + "short.mid"), kNoSong);
  EXPECT_EQ(library.ErrorCode(), int(SoundError::kNoOutputDevice));
}

// Waits up to 3 s for the output to rest.
bool Rests(MixerBackend& library) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  while (!library.RestIfQuiet() && std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return !library.Open();
}

TEST(MixerBackend, OutputRestsOnlyWhenQuietAndOpensAgainOnDemand) {
  test::TempDir dir;
  WriteSong(dir.path() / "short.mid", 2);
  WriteWave(dir.path() / "select.wav");
  const std::string effect = dir.dir() + "select.wav";
  MixerBackend library;
  ASSERT_TRUE(library.StartOutput());
  library.PlayEffect(effect);
  library.PlayEffect(effect);
  EXPECT_EQ(library.EffectsSounding(), 2);  // the second sounds beside the first
  EXPECT_FALSE(library.RestIfQuiet());      // the effects still sound
  EXPECT_TRUE(Rests(library));
  library.PlayEffect(dir.dir() + "missing.wav");
  EXPECT_FALSE(library.Open());  // a missing effect opens nothing
  library.PlayEffect(effect);
  EXPECT_TRUE(library.Open());
  EXPECT_TRUE(Rests(library));

  const SongHandle song = library.SongFromFile(dir.dir() + "short.mid");
  ASSERT_NE(song, kNoSong);
  library.Begin(song);
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(8);
  while (!library.HasEnded(song) && std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_TRUE(library.HasEnded(song));  // played on the output opened for it
  EXPECT_FALSE(library.RestIfQuiet());  // a loaded song holds the output
  library.Release(song);
  EXPECT_TRUE(Rests(library));
}

TEST(MixerBackend, ShippedSongsAndEffectsLoad) {
  const fs::path data = TILVANE_SOURCE_DIR "/data";
  if (!fs::exists(data / "music")) GTEST_SKIP() << "no songs shipped yet";
  MixerBackend library;
  ASSERT_TRUE(library.StartOutput());
  int songs = 0;
  for (const auto& entry : fs::directory_iterator(data / "music")) {
    SCOPED_TRACE(entry.path().string());
    EXPECT_NE(library.SongFromFile(entry.path().string()), kNoSong);
    ++songs;
  }
  EXPECT_GE(songs, 8);
  for (int i = 0; i < kSoundCount; ++i)
    EXPECT_TRUE(library.PreloadEffect((data / "sounds" / EffectName(i)).string() + ".wav"))
        << EffectName(i);
}

// SDL's file output records what would have been heard.
TEST(MixerBackend, SongsAreHeardAtTheirVolume) {
  test::TempDir dir;
  WriteSong(dir.path() / "short.mid", 2);
  const ScopedEnv driver("SDL_AUDIODRIVER", "disk");
  const auto peak = [&](int volume) {
    const std::string out = dir.dir() + "out" + std::to_string(volume) + ".raw";
    const ScopedEnv file("SDL_DISKAUDIOFILE", out);
    MixerBackend library;
    EXPECT_TRUE(library.StartOutput());
    const SongHandle song = library.SongFromFile(dir.dir() + "short.mid");
    library.SetSongVolume(song, volume);
    library.Begin(song);
    std::this_thread::sleep_for(std::chrono::milliseconds(700));  // the first note
    library.StopOutput();
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(ReadWholeFile(out, bytes).Ok());
    int highest = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
      highest = std::max(highest, std::abs(int(std::int16_t(bytes[i] | bytes[i + 1] << 8))));
    return highest;
  };
  const int loud = peak(256), soft = peak(64);
  EXPECT_GT(loud, 2000);
  EXPECT_LT(loud, 32000);  // no clipping
  EXPECT_NEAR(double(soft) / loud, 0.25, 0.03);
}

class MusicDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureApplication();
    fs::create_directories(dir.path() / "music");
    WriteSong(dir.path() / "music" / "Rain.mid", 40);
  }
  std::unique_ptr<TF_Music> MakeDialog() {
    SoundOutputOptions options;
    options.SoundsDir = dir.dir();
    options.MusicDirs = {dir.dir() + "music/"};
    options.Rand = &rand;
    options.Message = [this](const std::string& text) { messages.push_back(text); };
    options.Sleep = [this](int ms) { slept += ms; };
    output = std::make_unique<SoundOutput>(std::move(options));
    auto dialog = std::make_unique<TF_Music>(*output, nullptr);
    EXPECT_TRUE(messages.empty());  // nothing starts before the sound does
    output->StartSound();
    return dialog;
  }
  test::TempDir dir;
  RandState rand;
  std::vector<std::string> messages;
  int slept = 0;
  std::unique_ptr<SoundOutput> output;
};

TEST_F(MusicDialogTest, PauseBarSnapsAndPlayNextPlaysThroughTheLibrary) {
  auto dialog = MakeDialog();
  EXPECT_TRUE(messages.empty());
  dialog->show();
  dialog->PauseBar()->setValue(67);
  EXPECT_EQ(dialog->PauseBar()->value(), 65);
  EXPECT_EQ(dialog->PauseText()->text(), "1 min 5 sec");
  ASSERT_EQ(dialog->FileList()->count(), 1);
  dialog->Player().PlayNext();
  EXPECT_TRUE(dialog->Player().State().Playing);
  EXPECT_TRUE(output->FinishedTimer()->isActive());
  dialog->Player().OnFinishedTimer();
  EXPECT_TRUE(dialog->Player().State().Playing);  // 40 notes take 10 s
  dialog->hide();
}

TEST_F(MusicDialogTest, NoOutputDeviceGivesOneMessageThenSilence) {
  const ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
  auto dialog = MakeDialog();
  EXPECT_EQ(slept, 1000);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0],
            "Failed to start the sound library: No sound output device could be opened");
  dialog->Player().PlayNext();
  dialog->Player().PlaySound(Sound::kWin);
  EXPECT_FALSE(dialog->Player().State().Playing);
  EXPECT_EQ(messages.size(), 1u);
  dialog.reset();
  output.reset();
}

}  // namespace
}  // namespace tv
