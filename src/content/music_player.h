// SPDX-License-Identifier: GPL-3.0-or-later
// The background music player and the sound effects, without windows: the cycle of
// pause, choice, song and finish driven by two timers, the random and in-order choice
// over the ticked files, the volume, and what the options dialog's OK and Cancel do.
// The dialog and the audio back end are reached through interfaces, so tests run the
// whole cycle with fakes and a clock of their own.
#pragma once

#include <QtGlobal>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "content/settings.h"
#include "content/sound_backend.h"
#include "game/random.h"
#include "game/sound.h"

namespace tv {

constexpr const char* kSoundErrorPrefix = QT_TRANSLATE_NOOP("Music", "Sound library error: %1");
constexpr const char* kSoundStartPrefix =
    QT_TRANSLATE_NOOP("Music", "Failed to start the sound library: %1");
constexpr int kSoundStartAttempts = 11;
constexpr int kSoundStartRetryMs = 100;
constexpr int kMaxMusicFileName = 100;
constexpr int kMinVolume = 0;
constexpr int kMaxVolume = 256;

// Each effect names a ".wav" file in the program's folder; "" for a number outside them.
const char* EffectName(int number);

struct MusicFile {
  std::string Name;  // without folder and extension
  bool Ticked = true;
  std::string Path;
};

struct MusicState {
  bool MusicOn = true;
  std::string SongName;
  std::string SongPath;
  std::int32_t SongIndex = 0;
  std::int32_t Volume = 128;
  bool Playing = false;
  bool ChooseRandom = true;
  std::int32_t PauseSeconds = 10;
  std::int64_t PauseLengthMs = 10000;
  std::optional<std::int64_t> PauseStart;  // unset: no pause started
  bool FirstPause = false;
  std::int64_t FirstPauseLengthMs = 10000;
  bool Updating = false;
  SongHandle Song = kNoSong;
};

// 100 ms, 250 ms, and once a second while the output waits to rest.
enum class MusicTimer : int { kPause, kFinished, kRest };
// How long the output stays open after the last sound: effects in a game under way do
// not reopen it for every click.
constexpr std::int64_t kOutputRestAfterMs = 5000;

// The options dialog's controls as the player sees them.
class MusicControls {
 public:
  virtual ~MusicControls() = default;
  virtual bool Visible() = 0;
  // The dialog's controls; the player reads them only while the dialog is visible.
  virtual bool ItemTicked(int index) = 0;
  virtual int SelectedItem() = 0;  // -1: none
  virtual bool RandomChecked() = 0;
  virtual int VolumeBar() = 0;
  // Written whether the dialog is visible or not.
  virtual void SelectItem(int index) = 0;  // -1 clears the selection
  virtual void RepaintList() = 0;
  virtual void EnableMusicControls(bool on) = 0;  // the list and Play Next
  virtual void SetVolumeBar(int value) = 0;
};

// The player's surroundings: its timers, the clock, the message box and the controls.
class MusicView : public MusicControls {
 public:
  virtual std::int64_t NowMs() = 0;
  virtual void SetTimer(MusicTimer timer, bool on) = 0;
  virtual void ShowMessage(const std::string& text) = 0;
};

// The pause label for a scroll bar position in seconds; a position whose seconds are
// not a multiple of 5 is first snapped down to one (and `position` changed).
std::string PauseLabel(int& position);

// How an item of the music list is inked.
enum class ItemInk { kDisabled, kPlayingSelected, kPlaying, kSelected, kNormal };
ItemInk MusicItemInk(bool listEnabled, bool playingSong, bool selected);

class MusicPlayer {
 public:
  // `soundsDir` and the `musicDirs` end with '/'; a song of a later music folder wins
  // over an earlier one's. `rand` is the program's generator.
  MusicPlayer(SoundBackend& backend, MusicView& view, RandState& rand, std::string soundsDir,
              std::vector<std::string> musicDirs);

  // Start-up: StartUp (volume 128, music on, the first pause, the file scan, sound on)
  // with the dialog; StartLibrary only once the first field is painted. `sleepMs` waits
  // between the attempts at opening the output; false after the failure message (shown
  // once; the player then stays quiet). With the music off it waits for the first effect
  // or for the music to be switched on: a game that plays no sound loads no sound library.
  bool StartLibrary(const std::function<void(int)>& sleepMs);
  // The built-in tune is tried just before the first song is loaded, so a game with the
  // music off never makes a synthesiser. Loading it tells whether songs can be made at
  // all; it is freed at once, since a song kept loaded holds a synthesiser of its own.
  void SetBuiltInTune(std::function<std::vector<std::uint8_t>()> source) {
    tuneSource_ = std::move(source);
  }
  bool LoadBuiltInTune(const std::vector<std::uint8_t>& bytes);  // false after its message
  void StartUp();
  void ScanMusic();     // the ".mid" files of the music folders, by name ignoring case
  void RestartPause();  // once the window is ready: the first song one pause later
  void Shutdown();      // song stopped and freed, output closed

  // Settings in and out.
  void ApplySettings(const Settings& settings);
  void StoreSettings(Settings& settings) const;

  // Effects: played only while sounds are on.
  void PlaySound(Sound sound);
  bool SoundOn() const { return soundOn_; }

  void PlayNext();
  void PlayFile(int index);
  void StopSong();
  void StartPause(bool first);
  void SetVolume(int value, bool takeBar);
  void SetMusicOn(bool on, bool startWithPause);
  void SetPauseSeconds(int seconds);
  void OnPauseTimer();
  void OnFinishedTimer();
  void OnRestTimer();  // closes the output once nothing has sounded for a while

  // The options dialog's events.
  void OnDialogShown();  // keeps the state for Cancel
  void SetUpdating(bool updating) { state_.Updating = updating; }
  void OnPlaySoundClicked(bool on) { soundOn_ = on; }
  void OnPlayMusicClicked(bool on);
  void OnVolumeChanged(int position);
  // `ticks` holds the list's check boxes, one per file.
  void OnOk(bool random, int pauseSeconds, const std::vector<bool>& ticks);
  void OnCancel();

  const MusicState& State() const { return state_; }
  const std::vector<MusicFile>& Files() const { return files_; }
  bool IsPlayingItem(int index) const { return state_.Playing && index == state_.SongIndex; }
  bool LibraryStarted() const { return libraryStarted_; }

 private:
  bool Ticked(int index);
  void ShowMusicError();
  void SoundStopped();  // the output may rest a while after now
  bool OpenLibrary(const std::function<void(int)>& sleepMs, bool rest);
  // The start put off while the music was off, once the music is on or an effect plays.
  void StartIfWanted(bool effect);

  SoundBackend& backend_;
  MusicView& view_;
  RandState& rand_;
  std::string soundsDir_;
  std::vector<std::string> musicDirs_;
  MusicState state_;
  MusicState saved_;
  bool soundOn_ = true;
  bool savedSoundOn_ = true;
  bool libraryStarted_ = false;
  std::optional<std::function<void(int)>> startWanted_;  // the put-off start's waits
  std::int64_t lastSoundMs_ = 0;
  // How long the last song took to load and start: the next pause ends that much
  // sooner, so the silence heard is the pause set.
  std::int64_t songStartMs_ = 0;
  std::function<std::vector<std::uint8_t>()> tuneSource_;
  bool tuneTried_ = false;
  std::vector<MusicFile> files_;
};

}  // namespace tv
