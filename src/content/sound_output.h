// SPDX-License-Identifier: GPL-3.0-or-later
// The program's sound, without a window: the audio back end, the music player and its
// timers, from start-up to shutdown. The options dialog edits it while it is open.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "content/music_player.h"

namespace tv {

struct SoundOutputOptions {
  std::string SoundsDir;               // the effects' folder, ends with '/'
  std::vector<std::string> MusicDirs;  // each ends with '/'; a later folder wins
  RandState* Rand = nullptr;
  std::unique_ptr<SoundBackend> Backend;            // empty: MixerBackend
  std::function<void(const std::string&)> Message;  // the program's message box
  std::function<void(int milliseconds)> Sleep;      // empty: a real wait
};

class SoundOutput : public QObject, private MusicView {
  Q_OBJECT

 public:
  // Scans the music folder and starts the first pause; the output waits for StartSound.
  explicit SoundOutput(SoundOutputOptions options, QObject* parent = nullptr);
  ~SoundOutput() override;

  // Starts the audio output, once. Left until the first field is painted: opening the
  // output holds back the first picture, and the first song is seconds away.
  void StartSound();

  MusicPlayer& Player() { return *player_; }
  const MusicPlayer& Player() const { return *player_; }

  // The options dialog while it exists; null when it goes. What the player wrote to the
  // controls before is handed to it.
  void AttachControls(MusicControls* controls);

  QTimer* PauseTimer() { return &T_MusicPause; }
  QTimer* FinishedTimer() { return &T_MusicFinished; }

 private:
  // MusicView
  std::int64_t NowMs() override;
  void SetTimer(MusicTimer timer, bool on) override;
  void ShowMessage(const std::string& text) override;
  bool Visible() override { return controls_ && controls_->Visible(); }
  bool ItemTicked(int index) override;
  int SelectedItem() override;
  bool RandomChecked() override;
  int VolumeBar() override;
  void SelectItem(int index) override;
  void RepaintList() override;
  void EnableMusicControls(bool on) override;
  void SetVolumeBar(int value) override;

  std::unique_ptr<SoundBackend> backend_;
  std::unique_ptr<MusicPlayer> player_;
  std::function<void(const std::string&)> message_;
  std::function<void(int milliseconds)> sleep_;
  bool soundStarted_ = false;
  MusicControls* controls_ = nullptr;
  // The controls' last written state, for a dialog attached later.
  int selected_ = -1;
  bool controlsEnabled_ = true;
  int volumeBar_ = 0;
  QTimer T_MusicPause;
  QTimer T_MusicFinished;
  QTimer T_OutputRest;
};

}  // namespace tv
