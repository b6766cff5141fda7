// SPDX-License-Identifier: GPL-3.0-or-later
// The field widget paints only the rectangles it is asked to, straight from the buffer.
#include "app/field_widget.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <cmath>

namespace tv {
namespace {

int Floor(double v) {
  return static_cast<int>(std::floor(v));
}
// Products such as 1.1 * 10 land a hair above a whole number; that hair is no pixel.
int Ceil(double v) {
  return static_cast<int>(std::ceil(v - 1e-9));
}

}  // namespace

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
  FitToPicture();
}

void FieldWidget::FitToPicture() {
  const double ratio = Ratio();
  resize(Ceil(image_.width() / ratio), Ceil(image_.height() / ratio));
}

QSize FieldWidget::LargestScreen() {
  QSize largest;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const double ratio = screen->devicePixelRatio();
    largest = largest.expandedTo(
        QSize(Ceil(screen->geometry().width() * ratio), Ceil(screen->geometry().height() * ratio)));
  }
  return largest.isEmpty() ? QSize(1024, 768) : largest;
}

double FieldWidget::Ratio() const {
  const double ratio = devicePixelRatioF();
  return ratio > 0 ? ratio : 1.0;
}

QSize FieldWidget::DeviceSize(QSize logical) const {
  const double ratio = Ratio();
  return QSize(Ceil(logical.width() * ratio), Ceil(logical.height() * ratio));
}

QPoint FieldWidget::PicturePoint(QPointF logical) const {
  const double ratio = Ratio();
  if (ratio == 1.0) return logical.toPoint();
  return QPoint(Floor(logical.x() * ratio + 1e-6), Floor(logical.y() * ratio + 1e-6));
}

QRect FieldWidget::LogicalRect(int x, int y, int width, int height) const {
  const double ratio = Ratio();
  if (ratio == 1.0) return QRect(x, y, width, height);
  const int left = Floor(x / ratio), top = Floor(y / ratio);
  return QRect(left, top, Ceil((x + width) / ratio) - left, Ceil((y + height) / ratio) - top);
}

void FieldWidget::RepaintPicture(int x, int y, int width, int height) {
  repaint(LogicalRect(x, y, width, height));
}

void FieldWidget::UpdatePicture(int x, int y, int width, int height) {
  update(LogicalRect(x, y, width, height));
}

void FieldWidget::paintEvent(QPaintEvent* event) {
  if (image_.isNull()) return;
  const double ratio = Ratio();
  if (ratio != paintedRatio_) {
    const bool changed = paintedRatio_ != 0;
    paintedRatio_ = ratio;
    // Resizing and laying out wait for the event loop, not inside this paint.
    if (changed) {
      QTimer::singleShot(0, this, [this] {
        FitToPicture();
        if (OnRatioChanged) OnRatioChanged();
      });
    }
  }
  QPainter painter(this);
  if (ratio == 1.0) {
    for (const QRect& rect : event->region()) painter.drawImage(rect, image_, rect);
  } else {
    // Each logical rectangle is widened to whole picture pixels, and the picture is drawn
    // at one picture pixel per device pixel: no scaling, so no blur and no seams.
    const QRect all = image_.rect();
    for (const QRect& rect : event->region()) {
      const int left = Floor(rect.left() * ratio), top = Floor(rect.top() * ratio);
      const QRect source = QRect(left, top, Ceil((rect.right() + 1) * ratio) - left,
                                 Ceil((rect.bottom() + 1) * ratio) - top)
                               .intersected(all);
      if (source.isEmpty()) continue;
      const QRectF target(source.left() / ratio, source.top() / ratio, source.width() / ratio,
                          source.height() / ratio);
      painter.drawImage(target, image_, QRectF(source));
    }
  }
  if (OnPainted) OnPainted();
}

void FieldWidget::Forward(MouseEventKind kind, QMouseEvent* event) {
  if (!OnMouse) return;
  const QPoint p = PicturePoint(event->position());
  OnMouse(kind, p.x(), p.y(), event->button(), event->buttons(), event->modifiers());
}

void FieldWidget::mouseMoveEvent(QMouseEvent* event) {
  Forward(MouseEventKind::kMove, event);
}
void FieldWidget::mousePressEvent(QMouseEvent* event) {
  Forward(MouseEventKind::kDown, event);
}
void FieldWidget::mouseReleaseEvent(QMouseEvent* event) {
  Forward(MouseEventKind::kUp, event);
}

}  // namespace tv
