// SPDX-License-Identifier: GPL-3.0-or-later
// The "Sound and Music Options" dialog: shown modally, it edits the program's sound
// (SoundOutput): the sound and music switches, the volume, the choice, the pause and
// the ticked songs.
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <string>

#include "content/music_player.h"
#include "content/sound_output.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSlider;

namespace tv {

class TF_Music : public QDialog, private MusicControls {
  Q_OBJECT

 public:
  // `showHelp` opens a help topic.
  TF_Music(SoundOutput& output, std::function<void(const std::string&)> showHelp,
           QWidget* parent = nullptr);
  ~TF_Music() override;

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

  // MusicControls
  bool Visible() override { return isVisible(); }
  bool ItemTicked(int index) override;
  int SelectedItem() override;
  bool RandomChecked() override;
  int VolumeBar() override;
  void SelectItem(int index) override;
  void RepaintList() override;
  void EnableMusicControls(bool on) override;
  void SetVolumeBar(int value) override;

  // Guarded: the program's sound and its dialog may go in either order at shutdown.
  QPointer<SoundOutput> output_;
  MusicPlayer* player_ = nullptr;
  std::function<void(const std::string&)> showHelp_;

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
};

}  // namespace tv
