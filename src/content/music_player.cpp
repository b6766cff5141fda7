// SPDX-License-Identifier: GPL-3.0-or-later
// The player's cycle: pause (pause timer) -> choose and start a song -> playing (the
// finished timer polls the back end) -> finished -> pause again.
#include "content/music_player.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "content/translate.h"
#include "game/files.h"
#include "game/layout_file.h"

namespace tv {

namespace {

// A load slower than this is no measure of the next one.
constexpr std::int64_t kMaxSongStartMs = 2000;

constexpr const char* kEffectNames[kSoundCount] = {"select", "remove", "win",    "loose",
                                                   "put",    "erase",  "invalid"};

std::string SoundFailure(const char* prefix, int code) {
  return QCoreApplication::translate("Music", prefix)
      .arg(QCoreApplication::translate("Sound", SoundErrorText(code)))
      .toStdString();
}

}  // namespace

const char* EffectName(int number) {
  return number >= 0 && number < kSoundCount ? kEffectNames[number] : "";
}

std::string PauseLabel(int& position) {
  const int minutes = position / 60;
  int seconds = position % 60;
  if (seconds % 5 != 0) {
    seconds -= seconds % 5;
    position = minutes * 60 + seconds;
  }
  const auto sec = [](int n) { return QCoreApplication::translate("Music", "%n sec", nullptr, n); };
  const auto min = [](int n) { return QCoreApplication::translate("Music", "%n min", nullptr, n); };
  if (minutes == 0) return sec(seconds).toStdString();
  if (seconds == 0) return min(minutes).toStdString();
  return (min(minutes) + u' ' + sec(seconds)).toStdString();
}

ItemInk MusicItemInk(bool listEnabled, bool playingSong, bool selected) {
  if (!listEnabled) return ItemInk::kDisabled;
  if (playingSong) return selected ? ItemInk::kPlayingSelected : ItemInk::kPlaying;
  return selected ? ItemInk::kSelected : ItemInk::kNormal;
}

MusicPlayer::MusicPlayer(SoundBackend& backend, MusicView& view, RandState& rand,
                         std::string soundsDir, std::vector<std::string> musicDirs)
    : backend_(backend),
      view_(view),
      rand_(rand),
      soundsDir_(std::move(soundsDir)),
      musicDirs_(std::move(musicDirs)) {}

bool MusicPlayer::StartLibrary(const std::function<void(int)>& sleepMs) {
  if (!state_.MusicOn) {
    startWanted_ = sleepMs;
    return true;
  }
  return OpenLibrary(sleepMs, true);
}

bool MusicPlayer::OpenLibrary(const std::function<void(int)>& sleepMs, bool rest) {
  startWanted_.reset();
  for (int attempt = 1; attempt <= kSoundStartAttempts; ++attempt) {
    if (backend_.StartOutput()) {
      libraryStarted_ = true;
      // Nothing sounds yet: the device rests until the first effect or song opens it.
      // Opened for an effect, it stays open for it.
      if (!rest || !backend_.RestIfQuiet()) SoundStopped();
      return true;
    }
    if (attempt < kSoundStartAttempts && sleepMs) sleepMs(kSoundStartRetryMs);
  }
  view_.ShowMessage(SoundFailure(kSoundStartPrefix, backend_.ErrorCode()));
  return false;
}

bool MusicPlayer::LoadBuiltInTune(const std::vector<std::uint8_t>& bytes) {
  const SongHandle tune = backend_.SongFromMemory(bytes);
  if (tune == kNoSong) {
    ShowMusicError();
    return false;
  }
  SetVolume(state_.Volume, false);
  backend_.Release(tune);
  SoundStopped();
  return true;
}

void MusicPlayer::StartUp() {
  state_.Volume = 128;
  state_.MusicOn = true;
  state_.Updating = false;
  StartPause(true);
  ScanMusic();
  soundOn_ = true;
}

void MusicPlayer::StartIfWanted(bool effect) {
  if (!startWanted_ || !(state_.MusicOn || effect)) return;
  const std::function<void(int)> sleepMs = std::move(*startWanted_);
  OpenLibrary(sleepMs, !effect);
}

void MusicPlayer::ScanMusic() {
  files_.clear();
  for (FolderFile& file : FilesInFolders(musicDirs_, ".mid")) {
    // Longer names do not fit the list's records.
    if (file.Name.empty() || file.Name.size() > kMaxMusicFileName) continue;
    files_.push_back({std::move(file.Name), true, std::move(file.Path)});
  }
}

void MusicPlayer::RestartPause() {
  state_.PauseStart = view_.NowMs();
  view_.SetTimer(MusicTimer::kPause, true);
}

void MusicPlayer::Shutdown() {
  StopSong();
  view_.SetTimer(MusicTimer::kPause, false);
  view_.SetTimer(MusicTimer::kFinished, false);
  view_.SetTimer(MusicTimer::kRest, false);
  backend_.StopOutput();
  files_.clear();
}

void MusicPlayer::ApplySettings(const Settings& settings) {
  state_.ChooseRandom = settings.MusicChooseRandom;
  SetPauseSeconds(std::clamp(settings.MusicPause, kMinMusicPause, kMaxMusicPause));
  SetVolume(settings.MusicVolume, false);
  SetMusicOn(settings.MusicOn, true);
  soundOn_ = settings.SoundOn;
  for (const std::string& name : settings.UncheckedMusic) {
    for (MusicFile& file : files_)
      if (EqualsIgnoreCase(file.Name, name)) file.Ticked = false;
  }
}

void MusicPlayer::StoreSettings(Settings& settings) const {
  settings.MusicChooseRandom = state_.ChooseRandom;
  settings.MusicPause = state_.PauseSeconds;
  settings.MusicVolume = state_.Volume;
  settings.MusicOn = state_.MusicOn;
  settings.SoundOn = soundOn_;
  settings.UncheckedMusic.clear();
  for (const MusicFile& file : files_)
    if (!file.Ticked) settings.UncheckedMusic.push_back(file.Name);
}

void MusicPlayer::PlaySound(Sound sound) {
  const int number = static_cast<int>(sound);
  if (!soundOn_ || number < 0 || number >= kSoundCount) return;
  StartIfWanted(true);
  backend_.PlayEffect(soundsDir_ + kEffectNames[number] + ".wav");
  if (libraryStarted_) SoundStopped();  // counted from the start: effects are short
}

bool MusicPlayer::Ticked(int index) {
  return view_.Visible() ? view_.ItemTicked(index) : files_[std::size_t(index)].Ticked;
}

void MusicPlayer::PlayNext() {
  view_.SetTimer(MusicTimer::kPause, false);
  const int count = static_cast<int>(files_.size());
  if (count == 0) return;
  std::vector<int> ticked;
  for (int i = 0; i < count; ++i)
    if (Ticked(i)) ticked.push_back(i);
  if (ticked.empty()) return;

  const bool visible = view_.Visible();
  const int selected = visible ? view_.SelectedItem() : -1;
  if (selected >= 0 && selected < count && selected != state_.SongIndex) {
    state_.SongIndex = selected;
  } else if (visible ? view_.RandomChecked() : state_.ChooseRandom) {
    const auto draw = [&] { return ticked[rand_.Below(std::uint32_t(ticked.size()))]; };
    int index = draw();
    // One more draw, and its result stands even when it repeats the song.
    if (index == state_.SongIndex) index = draw();
    state_.SongIndex = index;
  } else {
    // The first file of the list is reached only after wrapping.
    do {
      state_.SongIndex = state_.SongIndex + 1 >= count ? 0 : state_.SongIndex + 1;
    } while (!Ticked(state_.SongIndex));
  }
  StopSong();
  PlayFile(state_.SongIndex);
}

void MusicPlayer::PlayFile(int index) {
  view_.SetTimer(MusicTimer::kPause, false);
  if (index < 0 || index >= static_cast<int>(files_.size())) return;
  // After the failure message at start-up there is no output: nothing to tell again.
  if (!libraryStarted_) return;
  const std::string& name = files_[std::size_t(index)].Name;
  const std::string& path = files_[std::size_t(index)].Path;
  if (!FileExists(path)) {
    view_.ShowMessage(TranslatedUtf8(LayoutReadText(LayoutReadCode::kMissing, path)));
    return;
  }
  if (!tuneTried_ && tuneSource_) {
    tuneTried_ = true;
    if (!LoadBuiltInTune(tuneSource_())) return;
  }
  const std::int64_t loading = view_.NowMs();
  const SongHandle song = backend_.SongFromFile(path);
  if (song == kNoSong) {
    ShowMusicError();
    return;
  }
  StopSong();
  state_.Song = song;
  state_.SongName = name;
  state_.SongPath = path;
  view_.SelectItem(index);
  if (view_.Visible()) view_.RepaintList();
  SetVolume(state_.Volume, false);
  backend_.SetRepeat(song, false);
  backend_.Begin(song);
  songStartMs_ = std::clamp<std::int64_t>(view_.NowMs() - loading, 0, kMaxSongStartMs);
  state_.Playing = true;
  view_.SetTimer(MusicTimer::kFinished, true);
}

void MusicPlayer::StopSong() {
  if (state_.Song != kNoSong) {
    backend_.Halt(state_.Song);
    backend_.Release(state_.Song);
    state_.Song = kNoSong;
    SoundStopped();
  }
  state_.Playing = false;
  if (view_.Visible()) view_.RepaintList();
}

void MusicPlayer::StartPause(bool first) {
  state_.FirstPause = first;
  if (first) state_.FirstPauseLengthMs = 10000;
  state_.PauseStart = view_.NowMs();
  view_.SetTimer(MusicTimer::kPause, true);
}

void MusicPlayer::SetVolume(int value, bool takeBar) {
  if (takeBar) value = view_.VolumeBar();
  value = std::clamp(value, kMinVolume, kMaxVolume);
  if (view_.VolumeBar() != value) view_.SetVolumeBar(value);
  backend_.SetSongVolume(state_.Song, value);
  state_.Volume = value;
}

void MusicPlayer::SetMusicOn(bool on, bool startWithPause) {
  state_.MusicOn = on;
  StartIfWanted(false);
  view_.EnableMusicControls(on);
  view_.SelectItem(-1);
  view_.RepaintList();
  if (on && !state_.Playing) {
    if (startWithPause)
      StartPause(false);
    else
      PlayNext();
  } else if (!on && state_.Playing) {
    StopSong();
  }
}

void MusicPlayer::SetPauseSeconds(int seconds) {
  state_.PauseSeconds = seconds;
  state_.PauseLengthMs = std::int64_t(seconds / 60) * 60000 + std::int64_t(seconds % 60) * 1000;
}

void MusicPlayer::OnPauseTimer() {
  // With the music off the timer has nothing to do until the music is switched on,
  // which always starts a pause or the next song itself: it rests meanwhile, so a
  // silent game does not wake ten times a second.
  if (!state_.MusicOn) {
    view_.SetTimer(MusicTimer::kPause, false);
    return;
  }
  if (!state_.PauseStart) return;
  const std::int64_t elapsed = view_.NowMs() - *state_.PauseStart;
  if (state_.FirstPause) {
    if (elapsed > state_.FirstPauseLengthMs) {
      state_.FirstPause = false;
      view_.SetTimer(MusicTimer::kPause, false);
      PlayNext();
    }
  } else if (elapsed + songStartMs_ > state_.PauseLengthMs) {
    view_.SetTimer(MusicTimer::kPause, false);
    PlayNext();
  }
}

void MusicPlayer::OnFinishedTimer() {
  if (state_.Playing && state_.Song != kNoSong && backend_.HasEnded(state_.Song)) {
    // The pause the player hears began when the last notes died away, not when the
    // file ran out a little later.
    const std::int64_t quiet =
        std::clamp<std::int64_t>(backend_.QuietMs(state_.Song), 0, state_.PauseLengthMs);
    view_.SetTimer(MusicTimer::kFinished, false);
    StopSong();
    StartPause(false);
    *state_.PauseStart -= quiet;
  }
}

void MusicPlayer::SoundStopped() {
  lastSoundMs_ = view_.NowMs();
  view_.SetTimer(MusicTimer::kRest, true);
}

void MusicPlayer::OnRestTimer() {
  // A song rests the timer until it stops; an effect still sounding keeps it waiting.
  if (state_.Song != kNoSong) {
    view_.SetTimer(MusicTimer::kRest, false);
    return;
  }
  if (view_.NowMs() - lastSoundMs_ < kOutputRestAfterMs) return;
  if (backend_.RestIfQuiet()) view_.SetTimer(MusicTimer::kRest, false);
}

void MusicPlayer::OnDialogShown() {
  saved_ = state_;
  savedSoundOn_ = soundOn_;
}

void MusicPlayer::OnPlayMusicClicked(bool on) {
  if (!state_.Updating) SetMusicOn(on, false);
}

void MusicPlayer::OnVolumeChanged(int position) {
  if (position != state_.Volume) SetVolume(0, true);
}

void MusicPlayer::OnOk(bool random, int pauseSeconds, const std::vector<bool>& ticks) {
  state_.ChooseRandom = random;
  SetPauseSeconds(pauseSeconds);
  SetVolume(state_.Volume, false);
  SetMusicOn(state_.MusicOn, false);
  for (std::size_t i = 0; i < files_.size() && i < ticks.size(); ++i) files_[i].Ticked = ticks[i];
  if (!state_.MusicOn)
    StopSong();
  else if (!state_.Playing)
    PlayNext();
}

void MusicPlayer::OnCancel() {
  SetVolume(saved_.Volume, false);
  SetMusicOn(saved_.MusicOn, false);
  soundOn_ = savedSoundOn_;
}

void MusicPlayer::ShowMusicError() {
  if (!libraryStarted_) return;  // the start-up message said it already
  view_.ShowMessage(SoundFailure(kSoundErrorPrefix, backend_.ErrorCode()));
}

}  // namespace tv
