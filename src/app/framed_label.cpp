#include "app/framed_label.h"

#include <QPainter>

namespace tv {

FramedLabel::FramedLabel(FrameMaker frame, QWidget* parent)
    : QLabel(parent), makeFrame_(std::move(frame)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setTextFormat(Qt::PlainText);
}

void FramedLabel::SetOwnText(const QString& text) {
  if (ownTextSet_ && text == ownText_) return;
  ownText_ = text;
  ownTextSet_ = true;
  update();
}

void FramedLabel::paintEvent(QPaintEvent*) {
  const double ratio = devicePixelRatioF();
  if (frame_.isNull() || frame_.devicePixelRatio() != ratio) frame_ = makeFrame_(ratio);
  QPainter painter(this);
  painter.drawPixmap(0, 0, frame_);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(rect(), static_cast<int>(alignment()), ownTextSet_ ? ownText_ : text());
}

}  // namespace tv
