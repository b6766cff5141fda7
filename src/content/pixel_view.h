// SPDX-License-Identifier: GPL-3.0-or-later
// A small widget that shows one of our pixel buffers and passes the mouse on; the
// colour picker's palette, default colours, gamma picture and colour swatches.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "field/pixel_buffer.h"

namespace tv {

class PixelView : public QWidget {
 public:
  explicit PixelView(QWidget* parent);

  // Shows a copy of `picture` at its size.
  void Show(const PixelBuffer& picture);
  // A plain colour over the widget's current size.
  void Fill(int color);
  const QImage& Image() const { return image_; }

  std::function<void(int x, int y)> OnMouseDown;
  std::function<void(int x, int y, Qt::MouseButtons, Qt::KeyboardModifiers)> OnMouseMove;
  std::function<void(int x, int y)> OnDoubleClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QImage image_;
};

}  // namespace tv
