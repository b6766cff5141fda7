// SPDX-License-Identifier: GPL-3.0-or-later
// The sound's owner: the player's timers and clock, and its controls forwarded to the dialog.
#include "content/sound_output.h"

#include <QFile>
#include <QThread>
#include <chrono>

#include "content/mixer_backend.h"

// Resources of a static library are registered by hand, outside any namespace.
static void InitMusicResources() {
  Q_INIT_RESOURCE(music);
}

namespace tv {

namespace {

std::vector<std::uint8_t> BuiltInTune() {
  InitMusicResources();
  QFile file(":/music/silent.mid");
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

}  // namespace

SoundOutput::SoundOutput(SoundOutputOptions options, QObject* parent)
    : QObject(parent),
      backend_(std::move(options.Backend)),
      message_(std::move(options.Message)),
      sleep_(std::move(options.Sleep)) {
  T_MusicPause.setInterval(100);
  T_MusicFinished.setInterval(250);
  T_OutputRest.setInterval(1000);
  if (!backend_) backend_ = std::make_unique<MixerBackend>();
  player_ = std::make_unique<MusicPlayer>(*backend_, static_cast<MusicView&>(*this), *options.Rand,
                                          options.SoundsDir, options.MusicDirs);
  connect(&T_MusicPause, &QTimer::timeout, this, [this] { player_->OnPauseTimer(); });
  connect(&T_MusicFinished, &QTimer::timeout, this, [this] { player_->OnFinishedTimer(); });
  connect(&T_OutputRest, &QTimer::timeout, this, [this] { player_->OnRestTimer(); });
  if (!sleep_) sleep_ = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
  player_->SetBuiltInTune(BuiltInTune);
  player_->StartUp();
}

SoundOutput::~SoundOutput() {
  player_->Shutdown();
}

void SoundOutput::StartSound() {
  if (soundStarted_) return;
  soundStarted_ = true;
  player_->StartLibrary(sleep_);
}

void SoundOutput::AttachControls(MusicControls* controls) {
  controls_ = controls;
  if (!controls_) return;
  controls_->SetVolumeBar(volumeBar_);
  controls_->EnableMusicControls(controlsEnabled_);
  controls_->SelectItem(selected_);
}

std::int64_t SoundOutput::NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void SoundOutput::SetTimer(MusicTimer timer, bool on) {
  QTimer& t = timer == MusicTimer::kPause      ? T_MusicPause
              : timer == MusicTimer::kFinished ? T_MusicFinished
                                               : T_OutputRest;
  if (!on)
    t.stop();
  else if (!t.isActive())
    t.start();
}

void SoundOutput::ShowMessage(const std::string& text) {
  if (message_) message_(text);
}

bool SoundOutput::ItemTicked(int index) {
  return controls_ && controls_->ItemTicked(index);
}

int SoundOutput::SelectedItem() {
  return controls_ ? controls_->SelectedItem() : selected_;
}

bool SoundOutput::RandomChecked() {
  return controls_ ? controls_->RandomChecked() : player_->State().ChooseRandom;
}

int SoundOutput::VolumeBar() {
  return controls_ ? controls_->VolumeBar() : volumeBar_;
}

void SoundOutput::SelectItem(int index) {
  selected_ = index;
  if (controls_) controls_->SelectItem(index);
}

void SoundOutput::RepaintList() {
  if (controls_) controls_->RepaintList();
}

void SoundOutput::EnableMusicControls(bool on) {
  controlsEnabled_ = on;
  if (controls_) controls_->EnableMusicControls(on);
}

void SoundOutput::SetVolumeBar(int value) {
  volumeBar_ = value;
  if (controls_) controls_->SetVolumeBar(value);
}

}  // namespace tv
