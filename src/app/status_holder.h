// SPDX-License-Identifier: GPL-3.0-or-later
// The strip under the field: a dark lacquer gradient with a thin gold line on top.
#pragma once

#include <QWidget>

namespace tv {

class StatusHolder : public QWidget {
 public:
  explicit StatusHolder(QWidget* parent) : QWidget(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tv
