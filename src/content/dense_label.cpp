// SPDX-License-Identifier: GPL-3.0-or-later
// A label whose picture is remade for its screen's density, never scaled.
#include "content/dense_label.h"

#include <QPixmap>

namespace tv {

DenseLabel::DenseLabel(QWidget* parent) : QLabel(parent) {}

void DenseLabel::SetMaker(Maker maker) {
  maker_ = std::move(maker);
  Make(devicePixelRatioF());
}

void DenseLabel::Make(double ratio) {
  ratio_ = ratio;
  if (!maker_) return;
  QPixmap pixmap = QPixmap::fromImage(maker_(ratio));
  pixmap.setDevicePixelRatio(ratio);
  setPixmap(pixmap);
}

void DenseLabel::paintEvent(QPaintEvent* event) {
  // The only place that learns of a new density for certain.
  const double ratio = devicePixelRatioF();
  if (ratio != ratio_) Make(ratio);
  QLabel::paintEvent(event);
}

}  // namespace tv
