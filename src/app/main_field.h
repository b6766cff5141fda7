// The field on screen: shows the field picture's own memory and passes the mouse on.
#pragma once

#include <QImage>
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

  enum class MouseEventKind { Move, Down, Up };
  // Field-picture coordinates, the button that changed (or held, for a move) and the
  // keyboard modifiers.
  std::function<void(MouseEventKind, int x, int y, Qt::MouseButton, Qt::MouseButtons,
                     Qt::KeyboardModifiers)>
      OnMouse;
  // Called after every paint (measuring the time to the first field).
  std::function<void()> OnPainted;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Forward(MouseEventKind kind, QMouseEvent* event);
  QImage image_;
};

}  // namespace tv
