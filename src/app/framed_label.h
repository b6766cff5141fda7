// A label that paints its own frame picture under its text. Being opaque, a new text
// repaints only the label, not the panel, clock picture and strip behind it: the clock
// changes every second for as long as the game runs. The frame is made for the density
// of the screen the label is painted on, and made again when that changes.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <functional>

namespace tv {

class FramedLabel : public QLabel {
 public:
  // Makes the frame picture for a ratio of device pixels per point.
  using FrameMaker = std::function<QPixmap(double ratio)>;

  FramedLabel(FrameMaker frame, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  FrameMaker makeFrame_;
  QPixmap frame_;
};

}  // namespace tv
