// A label that paints its own frame picture under its text. Being opaque, a new text
// repaints only the label, not the panel, clock picture and strip behind it: the clock
// changes every second for as long as the game runs.
#pragma once

#include <QLabel>
#include <QPixmap>

namespace tv {

class FramedLabel : public QLabel {
 public:
  FramedLabel(const QPixmap& frame, QWidget* parent);
  void SetFrame(const QPixmap& frame) { frame_ = frame; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap frame_;
};

}  // namespace tv
