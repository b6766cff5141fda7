// SPDX-License-Identifier: GPL-3.0-or-later
// The about box, which also stands as the splash screen while the program starts.
#pragma once

#include <QDialog>
#include <QImage>
#include <functional>

class QLabel;

namespace tv {

constexpr const char* kProgramVersion = "2.3.1";
constexpr const char* kProgramDate = QT_TRANSLATE_NOOP("TF_About", "March 9, 2013");

class DenseLabel;
class PlayButton;

// The box's art, handed in by the caller so this window does not depend on where it lives.
struct AboutPictures {
  QImage Background;  // the box takes its size
  QImage PlayUp;
  QImage PlayDown;
  // Each of them drawn again at a size in device pixels, for denser screens; unset, the
  // pictures above are scaled.
  using Draw = std::function<QImage(QSize size)>;
  Draw DrawBackground, DrawPlayUp, DrawPlayDown;
};

class TF_About : public QDialog {
  Q_OBJECT

 public:
  // `splash`: no border, a thin outline, no play button; shown without waiting.
  TF_About(bool splash, const AboutPictures& pictures, QWidget* parent = nullptr);

  bool IsSplash() const { return splash_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FormActivate();
  QLabel* AddLabel(const char* name, const QString& text, int x, int y, bool shadow);

  bool splash_;
  DenseLabel* I_Bkg = nullptr;
  QWidget* B_Frame = nullptr;
  QLabel* L_Version = nullptr;
  QLabel* L_VersionShadow = nullptr;
  QLabel* L_Date = nullptr;
  QLabel* L_DateShadow = nullptr;
  PlayButton* I_Play = nullptr;
};

}  // namespace tv
