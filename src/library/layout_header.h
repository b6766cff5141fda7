// SPDX-License-Identifier: GPL-3.0-or-later
// The chooser's column header: Game, Tiles, Free Tiles, Stars, in the platform's
// header look, with the sort arrow on the sorted column. Widths always snap back.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>

namespace tv {

class LayoutHeader : public QWidget {
  Q_OBJECT

 public:
  LayoutHeader(const QImage& arrows, QWidget* parent = nullptr);

  // Section 0 takes what is left of 250 pixels for the others.
  int SectionLeft(int section) const;
  int SectionWidth(int section) const;
  void SetSort(int column, bool descending);
  void ShowSortArrow(bool on) { showArrow_ = on; }
  QSize sizeHint() const override { return {400, kHeight}; }

  static constexpr int kHeight = 32;
  static constexpr int kSections = 4;

 signals:
  void SectionClicked(int section);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  int SectionAt(int x) const;

  QImage arrows_;  // magenta keyed out
  bool showArrow_ = false;
  int sortColumn_ = 0;
  bool descending_ = false;
  int hot_ = -1;
  int pressed_ = -1;
};

}  // namespace tv
