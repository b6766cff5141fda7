// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the strip under the field: the lacquer gradient and its gold line.
#include "app/status_holder.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>

namespace tv {

void StatusHolder::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  QLinearGradient gradient(0, 0, 0, height());
  gradient.setColorAt(0, QColor(0x3a, 0x1a, 0x12));
  gradient.setColorAt(1, QColor(0x24, 0x10, 0x0b));
  painter.fillRect(event->rect(), gradient);
  painter.setPen(QColor(0xc9, 0x9a, 0x4b));
  painter.drawLine(0, 0, width() - 1, 0);
}

}  // namespace tv
