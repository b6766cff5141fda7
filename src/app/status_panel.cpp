// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/status_panel.h"

#include <cmath>

#include "app/art.h"
#include "app/framed_label.h"
#include "app/qt_pictures.h"
#include "field/render.h"

namespace tv {
namespace {

constexpr QColor kStatusText(0x2a, 0x1d, 0x10);
constexpr QColor kStatusBar(0x3a, 0x26, 0x18);

int Scaled(int points, double ratio) {
  return static_cast<int>(std::lround(points * ratio));
}

// A picture of the art drawn at `ratio` over the status bar's colour.
PixelBuffer ArtPicture(const QString& name, double ratio) {
  const ArtItem* item = FindArt(name, ArtKind::Picture);
  if (!item) return {};
  const QSize size(Scaled(item->size.width(), ratio), Scaled(item->size.height(), ratio));
  return PixelBufferFromImage(RenderArt(*item, size, kStatusBar));
}

}  // namespace

QFont StatusPanelFont() {
  QFont font("Arial");
  font.setPixelSize(19);
  return font;
}

QPixmap StatusFramePixmap(const StatusFrameArt& art, int width, double ratio) {
  const PixelBuffer frame = ArtPicture(art.name, ratio);
  QPixmap pixmap = QPixmap::fromImage(
      ImageFromPixelBuffer(BuildStatusFrame(frame, Scaled(width, ratio), ratio)));
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

PixelBuffer ClockFacePicture(double ratio) {
  return ArtPicture("clock-face", ratio);
}

StatusPanel::StatusPanel(const char* panelName, const char* labelName, int width,
                         const StatusFrameArt& frame, QWidget* parent)
    : QWidget(parent) {
  setObjectName(panelName);
  resize(width, kPanelHeight);
  label_ = new FramedLabel(
      [frame, width](double ratio) { return StatusFramePixmap(frame, width, ratio); }, this);
  label_->setObjectName(labelName);
  label_->setFont(StatusPanelFont());
  label_->setAlignment(Qt::AlignCenter);
  label_->setGeometry(0, 0, width, kPanelHeight);
  QPalette palette = label_->palette();
  palette.setColor(QPalette::WindowText, kStatusText);
  label_->setPalette(palette);
}

void StatusPanel::SetText(const QString& text) {
  if (label_->text() != text) label_->setText(text);
}

}  // namespace tv
