// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel view: the image is a deep copy, so the buffer may change or go away.
#include "content/pixel_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace tv {

PixelView::PixelView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PixelView::Show(const PixelBuffer& picture) {
  image_ = QImage(picture.data(), picture.width(), picture.height(), picture.stride(),
                  QImage::Format_BGR888)
               .copy();
  resize(picture.width(), picture.height());
  update();
}

void PixelView::Fill(int color) {
  const RgbBytes rgb = SplitColor(color);
  image_ = QImage(size(), QImage::Format_RGB888);
  image_.fill(QColor(rgb.red, rgb.green, rgb.blue));
  update();
}

void PixelView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (image_.isNull())
    painter.fillRect(rect(), palette().color(QPalette::Window));
  else
    painter.drawImage(0, 0, image_);
}

void PixelView::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) {
    const QPoint p = event->position().toPoint();
    OnMouseDown(p.x(), p.y());
  }
}

void PixelView::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) {
    const QPoint p = event->position().toPoint();
    OnMouseMove(p.x(), p.y(), event->buttons(), event->modifiers());
  }
}

void PixelView::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (OnDoubleClick) OnDoubleClick(p.x(), p.y());
  if (OnMouseDown) OnMouseDown(p.x(), p.y());
}

}  // namespace tv
