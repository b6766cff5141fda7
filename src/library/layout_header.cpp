// SPDX-License-Identifier: GPL-3.0-or-later
// The chooser's column header with its sort arrow; its widths snap back.
#include "library/layout_header.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>

#include "library/library_pictures.h"

namespace tv {
namespace {

constexpr const char* kTitles[LayoutHeader::kSections] = {
    QT_TRANSLATE_NOOP("LayoutHeader", "Game"), QT_TRANSLATE_NOOP("LayoutHeader", "Tiles"),
    QT_TRANSLATE_NOOP("LayoutHeader", "Free Tiles"), QT_TRANSLATE_NOOP("LayoutHeader", "Stars")};
constexpr int kFixedWidths[LayoutHeader::kSections] = {0, 70, 90, 90};

}  // namespace

LayoutHeader::LayoutHeader(const QImage& arrows, QWidget* parent)
    : QWidget(parent), arrows_(KeyedOut(arrows, qRgb(255, 0, 255))) {
  setFixedHeight(kHeight);
  setMouseTracking(true);
  QFont f("Arial");
  f.setPixelSize(15);
  setFont(f);
}

int LayoutHeader::SectionWidth(int section) const {
  if (section == 0) {
    int others = 0;
    for (int i = 1; i < kSections; ++i) others += SectionWidth(i);
    return std::max(0, width() - others);
  }
  // A language's longer title widens its column (room for the sort arrow included)
  // rather than being cut short; the layout names' column gives way.
  const QString title = QCoreApplication::translate("LayoutHeader", kTitles[section]);
  return std::max(kFixedWidths[section], fontMetrics().horizontalAdvance(title) + 22);
}

int LayoutHeader::SectionLeft(int section) const {
  int x = 0;
  for (int i = 0; i < section; ++i) x += SectionWidth(i);
  return x;
}

int LayoutHeader::SectionAt(int x) const {
  for (int i = 0; i < kSections; ++i)
    if (x >= SectionLeft(i) && x < SectionLeft(i) + SectionWidth(i)) return i;
  return -1;
}

void LayoutHeader::SetSort(int column, bool descending) {
  sortColumn_ = column;
  descending_ = descending;
  update();
}

void LayoutHeader::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (int i = 0; i < kSections; ++i) {
    QStyleOptionHeader opt;
    opt.initFrom(this);
    opt.rect = QRect(SectionLeft(i), 0, SectionWidth(i), height());
    opt.section = i;
    opt.position =
        i == 0 ? QStyleOptionHeader::Beginning
               : (i == kSections - 1 ? QStyleOptionHeader::End : QStyleOptionHeader::Middle);
    opt.state = QStyle::State_Enabled | QStyle::State_Horizontal | QStyle::State_Raised;
    if (i == hot_) opt.state |= QStyle::State_MouseOver;
    if (i == pressed_) opt.state |= QStyle::State_Sunken;
    style()->drawControl(QStyle::CE_HeaderSection, &opt, &p, this);
    const int shift = i == pressed_ ? 1 : 0;
    p.setPen(Qt::black);
    const QRect text = opt.rect.adjusted(4 + shift, shift, -18, shift);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
               fontMetrics().elidedText(QCoreApplication::translate("LayoutHeader", kTitles[i]),
                                        Qt::ElideRight, text.width()));
    if (showArrow_ && i == sortColumn_ && !arrows_.isNull())
      p.drawImage(opt.rect.right() + 1 - 15, (height() - 5) / 2, arrows_, 0, descending_ ? 6 : 0, 9,
                  5);
  }
}

void LayoutHeader::mouseMoveEvent(QMouseEvent* event) {
  const int at = SectionAt(event->position().toPoint().x());
  if (at != hot_) {
    hot_ = at;
    update();
  }
}

void LayoutHeader::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = SectionAt(event->position().toPoint().x());
  update();
}

void LayoutHeader::mouseReleaseEvent(QMouseEvent* event) {
  const int at = SectionAt(event->position().toPoint().x());
  const int was = pressed_;
  pressed_ = -1;
  update();
  if (event->button() == Qt::LeftButton && at >= 0 && at == was) emit SectionClicked(at);
}

void LayoutHeader::leaveEvent(QEvent*) {
  hot_ = -1;
  update();
}

}  // namespace tv
