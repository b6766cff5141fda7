// SPDX-License-Identifier: GPL-3.0-or-later
// The "Sound and Music Options" dialog. It lives from start-up to shutdown and owns the
// music player, its two timers and the audio back end; shown modally, it changes the
// sound and music switches, the volume, the choice, the pause and the ticked songs.
#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "content/music_player.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSlider;

namespace tv {

struct MusicDialogOptions {
  std::string SoundsDir;               // the effects' folder, ends with '/'
  std::vector<std::string> MusicDirs;  // each ends with '/'; a later folder wins
  RandState* Rand = nullptr;
  std::unique_ptr<SoundBackend> Backend;             // empty: SoundLibrary
  std::function<void(const std::string&)> Message;   // the program's message box
  std::function<void(const std::string&)> ShowHelp;  // opens a help topic
  std::function<void(int milliseconds)> Sleep;       // empty: a real wait
};

class TF_Music : public QDialog, private MusicView {
  Q_OBJECT

 public:
  // Scans the music folder and starts the first pause; the output waits for StartSound.
  explicit TF_Music(MusicDialogOptions options, QWidget* parent = nullptr);
  ~TF_Music() override;

  // Starts the audio output, once. Left until the first field is painted: opening the
  // output holds back the first picture, and the first song is seconds away.
  void StartSound();

  void Run();  // modal, from the menu item or the toolbar button
  MusicPlayer& Player() { return *player_; }

  // Controls, for tests and screenshots.
  QCheckBox* PlaySoundBox() const { return CB_PlaySound; }
  QCheckBox* PlayMusicBox() const { return CB_PlayMusic; }
  QSlider* VolumeTrack() const { return TB_Volume; }
  QLabel* VolumeLabel() const { return L_Volume; }
  QRadioButton* RandomButton() const { return RB_ChooseRandom; }
  QRadioButton* OrderButton() const { return RB_ChooseOrder; }
  QScrollBar* PauseBar() const { return SB_Pause; }
  QLabel* PauseText() const { return L_Pause; }
  QListWidget* FileList() const { return CLB_MusicFiles; }
  QPushButton* PlayNextButton() const { return B_PlayNext; }
  QPushButton* OkButton() const { return B_Ok; }
  QPushButton* CancelButton() const { return B_Cancel; }
  QTimer* PauseTimer() { return &T_MusicPause; }
  QTimer* FinishedTimer() { return &T_MusicFinished; }

  void reject() override;  // Cancel, Escape and the close box

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void FormActivate();
  void B_OkClick();
  void TB_VolumeChange(int position);
  void SB_PauseChange(int position);
  void FillList();

  // MusicView
  std::int64_t NowMs() override;
  void SetTimer(MusicTimer timer, bool on) override;
  void ShowMessage(const std::string& text) override;
  bool Visible() override { return isVisible(); }
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
  std::function<void(const std::string&)> showHelp_;
  std::function<void(int milliseconds)> sleep_;
  bool soundStarted_ = false;

  QWidget* P_Form = nullptr;
  QGroupBox *GB_Sound = nullptr, *GB_Music = nullptr, *GB_Volume = nullptr,
            *GB_MusicChoose = nullptr, *GB_MusicPause = nullptr, *GB_MusicCur = nullptr;
  QCheckBox *CB_PlaySound = nullptr, *CB_PlayMusic = nullptr;
  QSlider* TB_Volume = nullptr;
  QLabel *L_Volume = nullptr, *L_Pause = nullptr;
  QRadioButton *RB_ChooseRandom = nullptr, *RB_ChooseOrder = nullptr;
  QScrollBar* SB_Pause = nullptr;
  QListWidget* CLB_MusicFiles = nullptr;
  QPushButton *B_PlayNext = nullptr, *B_Ok = nullptr, *B_Cancel = nullptr, *B_Help = nullptr;
  QTimer T_MusicPause;
  QTimer T_MusicFinished;
  QTimer T_OutputRest;
};

}  // namespace tv
