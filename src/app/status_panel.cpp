// SPDX-License-Identifier: GPL-3.0-or-later
// The status panels: their frames and clock face drawn at the screen's ratio, their font, and
// the short texts a narrow window falls back to.
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
  const ArtItem* item = FindArt(name, ArtKind::kPicture);
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

QString ShortStatusText(const QString& text) {
  for (const QString& tail : {QStringLiteral(" Left"), QStringLiteral(" Available")})
    if (text.endsWith(tail) && text.count(' ') > 1) return text.chopped(tail.size());
  return text;
}

StatusPanel::StatusPanel(const char* panelName, const char* labelName, int width,
                         const StatusFrameArt& frame, QWidget* parent, int shortWidth)
    : QWidget(parent), fullWidth_(width), shortWidth_(shortWidth > 0 ? shortWidth : width) {
  setObjectName(panelName);
  resize(width, kPanelHeight);
  label_ = new FramedLabel(
      [frame, this](double ratio) { return StatusFramePixmap(frame, this->width(), ratio); }, this);
  label_->setObjectName(labelName);
  label_->setFont(StatusPanelFont());
  label_->setAlignment(Qt::AlignCenter);
  label_->setGeometry(0, 0, width, kPanelHeight);
  QPalette palette = label_->palette();
  palette.setColor(QPalette::WindowText, kStatusText);
  label_->setPalette(palette);
}

void StatusPanel::SetText(const QString& text) {
  SetTexts(text, QString());
}

void StatusPanel::SetTexts(const QString& text, const QString& shortText) {
  text_ = text;
  shortText_ = shortText;
  ShowText();
}

void StatusPanel::SetShort(bool isShort) {
  short_ = isShort;
  const int width = WidthFor(isShort);
  resize(width, kPanelHeight);
  label_->resize(width, kPanelHeight);
  ShowText();
}

void StatusPanel::ShowText() {
  const QString shown = !short_                ? text_
                        : shortText_.isEmpty() ? ShortStatusText(text_)
                                               : shortText_;
  if (label_->text() != shown) label_->setText(shown);
}

}  // namespace tv
