// SPDX-License-Identifier: GPL-3.0-or-later
// A sound back end and a music dialog that only record, for the tests of the music player.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "content/music_player.h"

namespace tv {
namespace {

struct FakeBackend : SoundBackend {
  int startFailures = 0, starts = 0, error = 0, rests = 0;
  bool loadFails = false;
  SongHandle next = 1;
  std::map<SongHandle, std::string> songs;  // loaded and not released
  std::map<SongHandle, int> volumes;
  SongHandle begun = kNoSong;
  bool ended = false;
  std::vector<std::string> effects;

  bool StartOutput() override {
    ++starts;
    if (starts <= startFailures) error = int(SoundError::kNoOutputDevice);
    return starts > startFailures;
  }
  void StopOutput() override {}
  bool RestIfQuiet() override { return songs.empty() && (rests += 1); }
  std::function<void()> onLoad;
  SongHandle SongFromFile(const std::string& path) override {
    if (onLoad) onLoad();
    if (loadFails) return error = int(SoundError::kUnknownFormat), kNoSong;
    songs[next] = path;
    return next++;
  }
  SongHandle SongFromMemory(const std::vector<std::uint8_t>&) override {
    if (loadFails) return error = int(SoundError::kNoOutputDevice), kNoSong;
    songs[next] = "memory";
    return next++;
  }
  void Begin(SongHandle s) override { begun = s, ended = false; }
  void Halt(SongHandle) override {}
  void Release(SongHandle s) override { songs.erase(s); }
  void SetRepeat(SongHandle, bool) override {}
  void SetSongVolume(SongHandle s, int v) override { volumes[s] = v; }
  bool HasEnded(SongHandle s) override { return s == begun && ended; }
  std::int64_t quiet = 0;
  std::int64_t QuietMs(SongHandle s) override { return s == begun ? quiet : 0; }
  void PlayEffect(const std::string& path) override { effects.push_back(path); }
  int ErrorCode() const override { return error; }
};

struct FakeView : MusicView {
  std::int64_t now = 1000;
  bool timers[3] = {false, false, false};
  std::vector<std::string> messages;
  bool visible = false, random = true, enabled = true;
  std::vector<bool> ticks;
  int selected = -1, bar = 0;

  std::int64_t NowMs() override { return now; }
  void SetTimer(MusicTimer t, bool on) override { timers[int(t)] = on; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool Visible() override { return visible; }
  bool ItemTicked(int i) override { return ticks[std::size_t(i)]; }
  int SelectedItem() override { return selected; }
  bool RandomChecked() override { return random; }
  int VolumeBar() override { return bar; }
  void SelectItem(int i) override { selected = i; }
  void RepaintList() override {}
  void EnableMusicControls(bool on) override { enabled = on; }
  void SetVolumeBar(int v) override { bar = v; }
};

}  // namespace
}  // namespace tv
