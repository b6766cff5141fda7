// SPDX-License-Identifier: GPL-3.0-or-later
// A label whose picture is made for the density of the screen it is shown on, and made
// again when that changes (a window dragged to another screen), so it is never scaled.
#pragma once

#include <QImage>
#include <QLabel>
#include <functional>

namespace tv {

class DenseLabel : public QLabel {
 public:
  // Makes the picture in device pixels for a ratio of device pixels per point.
  using Maker = std::function<QImage(double ratio)>;

  explicit DenseLabel(QWidget* parent);

  // Makes the picture at once for the label's present ratio.
  void SetMaker(Maker maker);
  double Ratio() const { return ratio_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Make(double ratio);

  Maker maker_;
  double ratio_ = 0;
};

}  // namespace tv
