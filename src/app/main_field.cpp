// The field widget paints only the rectangles it is asked to, straight from the buffer.
#include "app/main_field.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace tv {

FieldWidget::FieldWidget(QWidget* parent) : QWidget(parent) {
  setObjectName("I_Field");
  setMouseTracking(true);
  // Every pixel comes from the picture: no background erase before painting.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
}

void FieldWidget::Bind(PixelBuffer& picture) {
  image_ = QImage(picture.data(), picture.width(), picture.height(), picture.stride(),
                  QImage::Format_BGR888);
  resize(picture.width(), picture.height());
}

void FieldWidget::paintEvent(QPaintEvent* event) {
  if (image_.isNull()) return;
  QPainter painter(this);
  for (const QRect& rect : event->region()) painter.drawImage(rect, image_, rect);
  if (OnPainted) OnPainted();
}

void FieldWidget::Forward(MouseEventKind kind, QMouseEvent* event) {
  if (!OnMouse) return;
  const QPoint p = event->position().toPoint();
  OnMouse(kind, p.x(), p.y(), event->button(), event->buttons(), event->modifiers());
}

void FieldWidget::mouseMoveEvent(QMouseEvent* event) {
  Forward(MouseEventKind::Move, event);
}
void FieldWidget::mousePressEvent(QMouseEvent* event) {
  Forward(MouseEventKind::Down, event);
}
void FieldWidget::mouseReleaseEvent(QMouseEvent* event) {
  Forward(MouseEventKind::Up, event);
}

}  // namespace tv
