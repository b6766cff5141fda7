// SPDX-License-Identifier: GPL-3.0-or-later
// Colour picker: the pictures come from the colour-wheel routines; this file only
// places the controls and routes the clicks.
#include "content/colorpicker.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include "content/pixel_view.h"

namespace tv {
namespace {

int Packed(QColor color) {
  return JoinColor(color.red(), color.green(), color.blue());
}

QToolButton* ModeButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(text);
  button->setCheckable(true);
  button->setAutoRaise(false);
  return button;
}

}  // namespace

TF_ColorPicker::TF_ColorPicker(std::function<void(int)> apply, QWidget* parent)
    : QDialog(parent), apply_(std::move(apply)) {
  setObjectName("TF_ColorPicker");
  setWindowTitle(tr("Choose Background Color"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setMouseTracking(true);
  DefaultColors.fill(-1);
  faceColor_ = Packed(palette().color(QPalette::Button));

  L_PalCap = new QLabel(tr("Palette:"), this);
  L_GammaCap = new QLabel(tr("Gamma:"), this);
  L_DefColCap = new QLabel(tr("Default Colors:"), this);
  L_SelColCap = new QLabel(tr("Selected Color:"), this);
  I_Pal = new PixelView(this);
  I_Pal->setObjectName("I_Pal");
  I_DefCol = new PixelView(this);
  I_DefCol->setObjectName("I_DefCol");
  I_Gamma = new PixelView(this);
  I_Gamma->setObjectName("I_Gamma");
  I_SelCol = new PixelView(this);
  I_SelCol->setObjectName("I_SelCol");
  // The pictures a player clicks in, named for assistive technology as their captions say.
  I_Pal->setAccessibleName(tr("Color wheel"));
  I_DefCol->setAccessibleName(L_DefColCap->text());
  I_Gamma->setAccessibleName(L_GammaCap->text());
  I_SelCol->setAccessibleName(L_SelColCap->text());
  I_PointColor = new PixelView(this);
  I_PointColor->setObjectName("I_PointColor");
  I_PointColor->hide();
  B_GammaCircle = ModeButton(this, "B_GammaCircle", tr("Circle"));
  B_GammaSquare = ModeButton(this, "B_GammaSquare", tr("Square"));
  auto* group = new QButtonGroup(this);
  group->addButton(B_GammaCircle);
  group->addButton(B_GammaSquare);
  B_OK = new QPushButton(tr("OK"), this);
  B_OK->setObjectName("B_OK");
  B_OK->setDefault(true);
  B_Cancel = new QPushButton(tr("Cancel"), this);
  B_Cancel->setObjectName("B_Cancel");

  I_Pal->OnMouseDown = [this](int x, int y) {
    const int cell = PaletteCellAt(x, y);
    if (cell >= 0 && PaletteColors()[cell] != SelectedColor) SelectColor(PaletteColors()[cell]);
  };
  I_Pal->OnDoubleClick = [this](int, int) {
    if (selectedCell_ >= 0) accept();
  };
  I_DefCol->OnMouseDown = [this](int x, int y) {
    const int cell = DefaultCellAt(x, y, DefaultCount());
    if (cell >= 0 && DefaultColors[cell] != SelectedColor) SelectColor(DefaultColors[cell]);
  };
  I_Gamma->OnMouseDown = [this](int x, int y) {
    if (const auto color = GammaColorAt(GammaMode, x, y)) SelectColor(*color);
  };
  I_Gamma->OnMouseMove = [this](int x, int y, Qt::MouseButtons buttons,
                                Qt::KeyboardModifiers mods) {
    I_GammaMouseMove(x, y, buttons, mods);
  };
  auto hide = [this](int, int, Qt::MouseButtons, Qt::KeyboardModifiers) { I_PointColor->hide(); };
  I_Pal->OnMouseMove = hide;
  I_DefCol->OnMouseMove = hide;
  I_SelCol->OnMouseMove = hide;
  connect(B_GammaCircle, &QToolButton::clicked, this, [this] { SetGammaMode(kGammaCircle); });
  connect(B_GammaSquare, &QToolButton::clicked, this, [this] { SetGammaMode(kGammaSquare); });
  connect(B_OK, &QPushButton::clicked, this, &QDialog::accept);
  connect(B_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TF_ColorPicker::DefaultCount() const {
  int count = 0;
  while (count < kMaxDefaultColors && DefaultColors[count] != -1) ++count;
  return count;
}

void TF_ColorPicker::FormActivate() {
  const int count = DefaultCount();
  L_PalCap->adjustSize();
  L_PalCap->move(16, 12);
  I_Pal->resize(kPaletteWidth, kPaletteHeight);
  I_Pal->move(16, L_PalCap->geometry().bottom() + 1 + 8);
  L_GammaCap->adjustSize();
  L_GammaCap->move(I_Pal->geometry().right() + 1 + 16, 12);
  I_Gamma->resize(kGammaSize, kGammaSize);
  I_Gamma->move(L_GammaCap->x(), L_GammaCap->geometry().bottom() + 1 + 8);
  const int gammaRight = I_Gamma->geometry().right() + 1;
  for (QToolButton* b : {B_GammaSquare, B_GammaCircle}) b->adjustSize();
  B_GammaSquare->move(gammaRight - B_GammaSquare->width(),
                      I_Gamma->y() - 4 - B_GammaSquare->height());
  B_GammaCircle->move(B_GammaSquare->x() - 4 - B_GammaCircle->width(), B_GammaSquare->y());
  (GammaMode == kGammaCircle ? B_GammaCircle : B_GammaSquare)->setChecked(true);

  int lowest = I_Pal->geometry().bottom() + 1;
  L_DefColCap->setVisible(count > 0);
  I_DefCol->setVisible(count > 0);
  if (count > 0) {
    L_DefColCap->adjustSize();
    L_DefColCap->move(16, lowest + 16);
    I_DefCol->resize(8 + kCellPitch * count, 36);
    I_DefCol->move(I_Pal->geometry().right() + 1 - I_DefCol->width(), L_DefColCap->y());
    lowest = std::max(L_DefColCap->geometry().bottom(), I_DefCol->geometry().bottom()) + 1;
  }
  L_SelColCap->adjustSize();
  L_SelColCap->move(16, lowest + 16);
  const int swatchWidth = kPaletteWidth / 2 - 4;
  const int swatchTop = L_SelColCap->geometry().bottom() + 1 + 8;
  const int gammaBottom = I_Gamma->geometry().bottom() + 1;
  const int swatchHeight = std::max(8, gammaBottom - swatchTop);
  I_SelCol->setGeometry(16, swatchTop, swatchWidth, swatchHeight);
  I_PointColor->setGeometry(I_Pal->geometry().right() + 1 - swatchWidth, swatchTop, swatchWidth,
                            swatchHeight);

  const int bottom =
      std::max({gammaBottom, I_DefCol->isVisible() ? I_DefCol->geometry().bottom() + 1 : 0,
                I_SelCol->geometry().bottom() + 1});
  const QSize button = B_Cancel->sizeHint().expandedTo(QSize(80, 26));
  B_Cancel->setGeometry(gammaRight - button.width(), bottom + 24, button.width(), button.height());
  B_OK->setGeometry(B_Cancel->x() - 16 - button.width(), B_Cancel->y(), button.width(),
                    button.height());
  setFixedSize(gammaRight + 16, B_OK->geometry().bottom() + 1 + 12);

  RenderGammaPicture();
  DrawCells();
  I_PointColor->Fill(JoinColor(0, 128, 0));
  I_SelCol->Fill(SelectedColor);
  MarkColor();
  apply_(SelectedColor);  // opening the picker shows the plain colour at once
}

void TF_ColorPicker::showEvent(QShowEvent* event) {
  FormActivate();
  // Centred on the screen.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  QDialog::showEvent(event);
}

void TF_ColorPicker::RenderGammaPicture() {
  RenderGamma(storeGamma_, GammaMode, faceColor_);
}

void TF_ColorPicker::MarkColor() {
  gammaMark_ = MarkGammaColor(gamma_, storeGamma_, GammaMode, SelectedColor);
  I_Gamma->Show(gamma_);
}

void TF_ColorPicker::DrawCells() {
  selectedCell_ = DrawPalette(palette_, SelectedColor, faceColor_);
  I_Pal->Show(palette_);
  const int count = DefaultCount();
  if (count > 0) {
    DrawDefaultColors(defaults_, std::span<const int>(DefaultColors.data(), count), SelectedColor,
                      faceColor_);
    I_DefCol->Show(defaults_);
  }
}

void TF_ColorPicker::SelectColor(int color) {
  SelectedColor = color;
  DrawCells();
  I_SelCol->Fill(color);
  MarkColor();
  apply_(color);
}

void TF_ColorPicker::SetGammaMode(int mode) {
  GammaMode = mode;
  (mode == kGammaCircle ? B_GammaCircle : B_GammaSquare)->setChecked(true);
  RenderGammaPicture();
  MarkColor();
}

void TF_ColorPicker::I_GammaMouseMove(int x, int y, Qt::MouseButtons buttons,
                                      Qt::KeyboardModifiers mods) {
  if (buttons != Qt::NoButton || mods != Qt::NoModifier) return;
  I_PointColor->show();
  // Outside the wheel the swatch keeps its last colour.
  if (const auto color = GammaColorAt(GammaMode, x, y)) I_PointColor->Fill(*color);
}

void TF_ColorPicker::mouseMoveEvent(QMouseEvent* event) {
  I_PointColor->hide();
  QDialog::mouseMoveEvent(event);
}

}  // namespace tv
