// SPDX-License-Identifier: GPL-3.0-or-later
// The colour picker: a fixed palette, the default colours and a hue wheel or square.
// Every choice is applied to the field at once; the caller puts the previous
// background back when the dialog closes other than with OK.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "field/color_wheel.h"
#include "field/pixel_buffer.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace tv {

class PixelView;

class TF_ColorPicker : public QDialog {
  Q_OBJECT

 public:
  // `apply` shows a colour on the field (the background becomes that plain colour).
  TF_ColorPicker(std::function<void(int)> apply, QWidget* parent = nullptr);

  int GammaMode = kGammaSquare;
  std::array<int, kMaxDefaultColors> DefaultColors;  // -1: empty
  int SelectedColor = 0;

  // A palette, default colour or gamma click: selects, redraws the marks and applies.
  void SelectColor(int color);
  void SetGammaMode(int mode);
  int SelectedCell() const { return selectedCell_; }
  std::optional<GammaPoint> GammaMark() const { return gammaMark_; }

  // Controls, for tests and screenshots.
  PixelView* Palette() const { return I_Pal; }
  PixelView* Defaults() const { return I_DefCol; }
  PixelView* Gamma() const { return I_Gamma; }
  PixelView* PointColor() const { return I_PointColor; }
  PixelView* SelectedSwatch() const { return I_SelCol; }
  QPushButton* OkButton() const { return B_OK; }
  QPushButton* CancelButton() const { return B_Cancel; }

 protected:
  void showEvent(QShowEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void FormActivate();
  int DefaultCount() const;
  void RenderGammaPicture();
  void MarkColor();
  void DrawCells();
  void I_GammaMouseMove(int x, int y, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods);

  std::function<void(int)> apply_;
  int faceColor_ = 0;
  int selectedCell_ = -1;
  std::optional<GammaPoint> gammaMark_;
  PixelBuffer palette_, defaults_, gamma_, storeGamma_;

  QLabel *L_PalCap, *L_GammaCap, *L_DefColCap, *L_SelColCap;
  PixelView *I_Pal, *I_DefCol, *I_Gamma, *I_SelCol, *I_PointColor;
  QToolButton *B_GammaSquare, *B_GammaCircle;
  QPushButton *B_OK, *B_Cancel;
};

}  // namespace tv
