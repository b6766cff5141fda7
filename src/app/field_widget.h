// SPDX-License-Identifier: GPL-3.0-or-later
// The field on screen: shows the field picture's own memory and passes the mouse on.
// The picture is laid out and drawn in device pixels, so on a high-density screen every
// picture pixel is one screen pixel; this widget is the one place that converts between
// the widget's logical points and the picture's pixels.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <functional>

#include "field/pixel_buffer.h"

namespace tv {

class FieldWidget : public QWidget {
 public:
  explicit FieldWidget(QWidget* parent);

  // Shows `picture` without copying it: the image wraps the buffer's memory, so the
  // buffer must outlive the binding and keep its size.
  void Bind(PixelBuffer& picture);
  const QImage& Image() const { return image_; }

  // The largest screen's size in device pixels: a field picture this large serves the
  // window on any screen.
  static QSize LargestScreen();

  // Device pixels per logical point of the screen the widget is on.
  double Ratio() const;
  // A logical size in device pixels, rounded up so that the picture covers it whole.
  QSize DeviceSize(QSize logical) const;
  // The picture pixel under a logical point of the widget.
  QPoint PicturePoint(QPointF logical) const;

  enum class MouseEventKind { kMove, kDown, kUp };
  // Field-picture coordinates, the button that changed (or held, for a move) and the
  // keyboard modifiers.
  std::function<void(MouseEventKind, int x, int y, Qt::MouseButton, Qt::MouseButtons,
                     Qt::KeyboardModifiers)>
      OnMouse;
  // Called after every paint (measuring the time to the first field).
  std::function<void()> OnPainted;
  // Called (later, from the event loop) when the widget is painted at another ratio than
  // before, as after moving to a screen of another density: the field is laid out again.
  std::function<void()> OnRatioChanged;

  // Picture rectangles to show: repaint at once, or with the next paint.
  void RepaintPicture(int x, int y, int width, int height);
  void UpdatePicture(int x, int y, int width, int height);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Forward(MouseEventKind kind, QMouseEvent* event);
  // The logical rectangle that shows the picture rectangle (rounded outwards).
  QRect LogicalRect(int x, int y, int width, int height) const;
  void FitToPicture();

  QImage image_;
  double paintedRatio_ = 0;
};

}  // namespace tv
