#include "app/framed_label.h"

#include <QPainter>

namespace tv {

FramedLabel::FramedLabel(const QPixmap& frame, QWidget* parent) : QLabel(parent), frame_(frame) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setTextFormat(Qt::PlainText);
}

void FramedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, frame_);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(rect(), static_cast<int>(alignment()), text());
}

}  // namespace tv
