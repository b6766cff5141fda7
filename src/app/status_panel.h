// A framed status panel, 34 high, with a label centred over its frame picture.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include "field/pixel_buffer.h"

namespace tv {

constexpr int kPanelHeight = 34;

// The status bar's text: 19-pixel Arial.
QFont StatusPanelFont();

class StatusPanel : public QWidget {
 public:
  // `frame` is the 30 by 34 frame picture the panel's frame is composed from.
  StatusPanel(const char* panelName, const char* labelName, int width, const PixelBuffer& frame,
              QWidget* parent);
  QLabel* Label() const { return label_; }
  void SetText(const QString& text);

 private:
  QPixmap frame_;
  QLabel* label_;
};

}  // namespace tv
