// SPDX-License-Identifier: GPL-3.0-or-later
// The congratulation dialog after a won game: the stars of the game and, for a
// new record, the name for the records table.
#pragma once

#include <QDialog>
#include <QImage>
#include <functional>
#include <string>

#include "library/library_pictures.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tv {

class DenseLabel;

class TF_Congrat : public QDialog {
  Q_OBJECT

 public:
  // `largeStars`: the 102 x 131 strip.
  // `draw`, when set, draws the strip again at a size in device pixels for dense screens.
  explicit TF_Congrat(const QImage& largeStars, QWidget* parent = nullptr,
                      std::function<QImage(QSize size)> draw = {});

  // Shows the dialog modally; in record mode true with `name` set (blanks trimmed,
  // "Player" when empty) when the player confirms.
  bool Ask(bool record, int stars, std::string& name);
  // With the run through the layouts on, the dialog offers "Next layout"; whether the
  // player took it is known after Ask (a record's name is then taken as with OK).
  void SetNextLayoutOffered(bool on) { nextOffered_ = on; }
  bool NextLayoutChosen() const { return nextChosen_; }

  QLineEdit* NameEdit() const { return E_PlayerName; }
  QLabel* Title() const { return L_Title; }
  const QImage& StarsPicture() const { return starsPicture_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void B_OkClick();

  StarsStrip largeStars_;
  QImage starsPicture_;
  bool record_ = false;
  bool nextOffered_ = false;
  bool nextChosen_ = false;
  QWidget* P_Form = nullptr;
  QLabel* L_Title = nullptr;
  DenseLabel* I_Stars = nullptr;
  QLabel* L_PlayerNameCap = nullptr;
  QLineEdit* E_PlayerName = nullptr;
  QPushButton* B_Ok = nullptr;
  QPushButton* B_Cancel = nullptr;
  QPushButton* B_Close = nullptr;
  QPushButton* B_NextLayout = nullptr;
};

}  // namespace tv
