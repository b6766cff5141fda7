// SPDX-License-Identifier: GPL-3.0-or-later
// The music player's cycle with a fake back end, a fake dialog and a clock of our own:
// choice rules, pause and finish timers, volume, Cancel, messages and effects.
#include "content/music_player.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>

#include "content/music_fakes.h"
#include "support/temp_dir.h"

namespace tv {
namespace {

class MusicPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir.path() / "music");
    for (const char* name : {"b", "A", "d", "c", "notes"})
      std::ofstream(dir.path() / "music" / (std::string(name) + ".mid")) << "MThd";
    std::ofstream(dir.path() / "music" / "notes.txt") << "not a song";
    ASSERT_TRUE(player.StartLibrary([this](int ms) { slept += ms; }));
    player.StartUp();
    view.ticks.assign(player.Files().size(), true);
  }
  // Lets the song end and the pause run out; the name of the song started next.
  std::string NextAfterPause() {
    backend.ended = true;
    player.OnFinishedTimer();
    view.now += player.State().PauseLengthMs + 1;
    player.OnPauseTimer();
    return player.State().Playing ? player.State().SongName : "";
  }
  // OK in the dialog with these files unticked and the choice in order.
  void Untick(std::initializer_list<int> indexes) {
    for (int i : indexes) view.ticks[std::size_t(i)] = false;
    view.visible = true, view.random = false;
    player.OnOk(false, 10, view.ticks);
    view.visible = false;
  }

  test::TempDir dir;
  FakeBackend backend;
  FakeView view;
  RandState rand{12345};
  MusicPlayer player{backend, view, rand, dir.dir(), {dir.dir() + "music/"}};
  int slept = 0;
};

TEST_F(MusicPlayerTest, ScanSortsIgnoringCaseAndStartsWithTheFirstPause) {
  std::vector<std::string> names;
  for (const MusicFile& f : player.Files()) names.push_back(f.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"A", "b", "c", "d", "notes"}));
  EXPECT_TRUE(view.timers[int(MusicTimer::kPause)]);
  view.now += 10000;
  player.OnPauseTimer();
  EXPECT_FALSE(player.State().Playing);  // not before 10 s have passed
  view.now += 1;
  player.OnPauseTimer();
  EXPECT_TRUE(player.State().Playing);
  EXPECT_FALSE(view.timers[int(MusicTimer::kPause)]);
  EXPECT_TRUE(view.timers[int(MusicTimer::kFinished)]);
}

TEST_F(MusicPlayerTest, RandomWithOneTickedFileRepeatsIt) {
  Untick({0, 1, 3, 4});  // OK with music on and nothing playing starts "c" at once
  EXPECT_EQ(player.State().SongName, "c");
  player.OnOk(true, 10, view.ticks);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(NextAfterPause(), "c");
  EXPECT_EQ(backend.songs.size(), 1u);  // each finished song was freed
}

TEST_F(MusicPlayerTest, RandomRepeatsOnlyWhenTheSecondDrawRepeats) {
  player.OnOk(true, 10, view.ticks);
  int repeats = 0;
  for (int i = 0; i < 300; ++i) {
    const int current = player.State().SongIndex;
    RandState copy = rand;
    const bool twice =
        copy.Below(5) == std::uint32_t(current) && copy.Below(5) == std::uint32_t(current);
    NextAfterPause();
    EXPECT_EQ(player.State().SongIndex == current, twice);
    repeats += twice;
  }
  EXPECT_GT(repeats, 0);  // the rule was exercised, not only its absence
}

TEST_F(MusicPlayerTest, InOrderStartsAfterTheFirstFileAndWrapsPastUnticked) {
  Untick({2, 4});
  EXPECT_EQ(player.State().SongName, "b");
  EXPECT_EQ(NextAfterPause(), "d");
  EXPECT_EQ(NextAfterPause(), "A");
  EXPECT_EQ(NextAfterPause(), "b");
  Untick({0});
  EXPECT_EQ(NextAfterPause(), "d");
  EXPECT_EQ(NextAfterPause(), "b");
}

// The pause heard is counted from the song's silence, however long its file ran on,
// and ends as much sooner as the last song took to load and start.
TEST_F(MusicPlayerTest, ThePauseHeardBetweenSongsIsThePauseSet) {
  Untick({});
  const struct {
    std::int64_t quiet;        // the song's silence when its file ends
    std::int64_t loadMs;       // the time the song now playing took to start
    std::int64_t startsAfter;  // ms after the finish the next song starts
  } cases[] = {{0, 0, 10000}, {1400, 0, 8600}, {25000, 0, 0}, {1000, 300, 8700}};
  for (const auto& c : cases) {
    if (c.loadMs) {  // another song, loading as slowly as asked
      backend.onLoad = [&] { view.now += c.loadMs; };
      player.PlayNext();
      backend.onLoad = nullptr;
    }
    const std::string before = player.State().SongName;
    backend.ended = true;
    backend.quiet = c.quiet;
    player.OnFinishedTimer();
    ASSERT_FALSE(player.State().Playing);
    view.now += c.startsAfter - 1;
    player.OnPauseTimer();
    EXPECT_FALSE(player.State().Playing) << c.quiet;
    view.now += 2;
    player.OnPauseTimer();
    EXPECT_TRUE(player.State().Playing) << c.quiet;
    EXPECT_NE(player.State().SongName, before);
  }
}

TEST(PauseLabel, SnapsToFiveSecondsAndNamesMinutes) {
  const std::pair<int, std::string> cases[] = {
      {65, "1 min 5 sec"}, {67, "1 min 5 sec"}, {120, "2 min"}, {45, "45 sec"}, {5, "5 sec"}};
  for (const auto& [position, label] : cases) {
    int p = position;
    EXPECT_EQ(PauseLabel(p), label) << position;
    EXPECT_EQ(p, position == 67 ? 65 : position);
  }
}

TEST_F(MusicPlayerTest, SettingsClampVolumeUntickByNameAndRoundTrip) {
  Settings settings;
  settings.MusicVolume = 300;
  settings.UncheckedMusic = {"B", "gone"};
  settings.MusicOn = false;
  player.ApplySettings(settings);
  EXPECT_EQ(player.State().Volume, 256);
  EXPECT_EQ(view.bar, 256);
  EXPECT_FALSE(player.Files()[1].Ticked);
  Settings stored;
  player.StoreSettings(stored);
  EXPECT_EQ(stored.MusicVolume, 256);
  EXPECT_EQ(stored.UncheckedMusic, std::vector<std::string>{"b"});
  EXPECT_FALSE(stored.MusicOn);
}

TEST_F(MusicPlayerTest, CancelRestoresVolumeSwitchesAndTicks) {
  player.SetVolume(128, false);
  player.OnOk(true, 10, view.ticks);  // a song plays
  view.visible = true;
  player.OnDialogShown();
  view.bar = 40;
  player.OnVolumeChanged(40);
  EXPECT_EQ(backend.volumes[player.State().Song], 40);  // heard at once
  view.ticks[0] = view.ticks[1] = false;
  player.OnPlaySoundClicked(false);
  player.OnPlayMusicClicked(false);
  EXPECT_FALSE(player.State().Playing);
  player.OnCancel();
  EXPECT_EQ(player.State().Volume, 128);
  EXPECT_EQ(view.bar, 128);
  EXPECT_TRUE(player.SoundOn());
  EXPECT_TRUE(player.State().Playing);  // music on again: the next song at once
  for (const MusicFile& f : player.Files()) EXPECT_TRUE(f.Ticked);
}

TEST_F(MusicPlayerTest, MusicOffLetsThePauseTimerStartNothing) {
  player.SetMusicOn(false, false);
  view.now += 60000;
  player.OnPauseTimer();
  EXPECT_FALSE(player.State().Playing);
  EXPECT_FALSE(view.timers[int(MusicTimer::kPause)]);  // it rests until the music is on
  EXPECT_FALSE(view.enabled);
  view.visible = true;
  player.OnPlayMusicClicked(true);  // from the dialog: at once
  EXPECT_TRUE(player.State().Playing);
}

TEST_F(MusicPlayerTest, MissingOrBrokenSongStallsWithItsMessage) {
  std::filesystem::remove(dir.path() / "music" / "b.mid");
  player.PlayFile(1);
  const std::string path = dir.dir() + "music/b.mid";
  EXPECT_EQ(view.messages, std::vector<std::string>{"File \"" + path + "\" does not exist!"});
  EXPECT_FALSE(player.State().Playing);
  EXPECT_FALSE(view.timers[int(MusicTimer::kPause)]);
  backend.loadFails = true;
  player.PlayFile(2);
  EXPECT_EQ(view.messages.back(), "Sound library error: Unknown file format");
}

TEST_F(MusicPlayerTest, EffectsFollowTheSoundSwitch) {
  player.PlaySound(Sound::kWin);
  player.OnPlaySoundClicked(false);
  player.PlaySound(Sound::kSelect);
  EXPECT_EQ(backend.effects, std::vector<std::string>{dir.dir() + "win.wav"});
}

TEST_F(MusicPlayerTest, OutputRestsAfterQuietAndTheTuneIsTriedBeforeTheFirstSong) {
  const bool& resting = view.timers[int(MusicTimer::kRest)];
  int tunes = 0;
  player.SetBuiltInTune([&] { return ++tunes, std::vector<std::uint8_t>{1}; });
  EXPECT_EQ(backend.rests, 1);  // nothing sounded since the start
  EXPECT_FALSE(resting);
  player.PlaySound(Sound::kSelect);
  EXPECT_TRUE(resting);
  view.now += kOutputRestAfterMs - 1;
  player.OnRestTimer();
  EXPECT_EQ(backend.rests, 1);
  view.now += 2;
  player.OnRestTimer();
  EXPECT_EQ(backend.rests, 2);
  EXPECT_FALSE(resting);
  player.PlaySound(Sound::kSelect);
  EXPECT_TRUE(resting);
  player.OnOk(false, 10, view.ticks);  // a song at once
  EXPECT_EQ(tunes, 1);
  EXPECT_EQ(backend.songs.size(), 1u);  // the tune was freed
  view.now += 60000;
  player.OnRestTimer();  // never under a loaded song
  EXPECT_FALSE(resting);
  EXPECT_EQ(backend.rests, 2);
  EXPECT_EQ(NextAfterPause(), "c");
  EXPECT_EQ(tunes, 1);
  EXPECT_TRUE(resting);  // the pause began with the last song's end
}

TEST_F(MusicPlayerTest, AFailingTuneStallsWithOneMessage) {
  player.SetBuiltInTune([] { return std::vector<std::uint8_t>{1}; });
  backend.loadFails = true;
  player.PlayNext();
  EXPECT_EQ(view.messages, std::vector<std::string>{"Sound library error: "
                                                    "No sound output device could be opened"});
  EXPECT_FALSE(player.State().Playing);
}

TEST(MusicPlayerStart, ElevenAttemptsThenOneMessageAndSilence) {
  test::TempDir dir;
  std::filesystem::create_directories(dir.path() / "music");
  std::ofstream(dir.path() / "music" / "song.mid") << "MThd";
  FakeBackend backend;
  backend.startFailures = 100;
  FakeView view;
  RandState rand;
  MusicPlayer player(backend, view, rand, dir.dir(), {dir.dir() + "music/"});
  std::vector<int> waits;
  EXPECT_FALSE(player.StartLibrary([&](int ms) { waits.push_back(ms); }));
  EXPECT_EQ(backend.starts, 11);
  EXPECT_EQ(waits, std::vector<int>(10, 100));
  backend.loadFails = true;
  player.LoadBuiltInTune({1, 2, 3});
  player.StartUp();
  player.PlayNext();
  EXPECT_EQ(view.messages, std::vector<std::string>{"Failed to start the sound library: "
                                                    "No sound output device could be opened"});
}

// With the music off no sound library is opened until a sound is due: the first effect
// played (the effects on) or the music switched on, whichever way it is switched.
TEST(MusicPlayerStart, NothingStartsBeforeTheFirstSound) {
  test::TempDir dir;
  Settings silent;
  silent.MusicOn = false, silent.SoundOn = false;
  Settings music = silent;
  music.MusicOn = true;
  const std::vector<std::pair<const char*, std::function<void(MusicPlayer&)>>> switches = {
      {"an effect",
       [](MusicPlayer& p) {
         p.OnPlaySoundClicked(true);
         p.PlaySound(Sound::kSelect);
       }},
      {"music ticked", [](MusicPlayer& p) { p.OnPlayMusicClicked(true); }},
      {"settings", [&](MusicPlayer& p) { p.ApplySettings(music); }},
  };
  for (const auto& [name, switchOn] : switches) {
    SCOPED_TRACE(name);
    FakeBackend backend;
    FakeView view;
    RandState rand;
    MusicPlayer player(backend, view, rand, dir.dir(), {dir.dir()});
    player.StartUp();
    player.ApplySettings(silent);
    EXPECT_TRUE(player.StartLibrary([](int) {}));
    player.PlaySound(Sound::kSelect);
    player.OnPlaySoundClicked(true);  // ticked, but nothing has sounded yet
    EXPECT_EQ(backend.starts, 0);
    EXPECT_FALSE(player.LibraryStarted());
    switchOn(player);
    EXPECT_EQ(backend.starts, 1);
    EXPECT_TRUE(player.LibraryStarted());
    switchOn(player);
    EXPECT_EQ(backend.starts, 1);
  }
}

}  // namespace
}  // namespace tv
