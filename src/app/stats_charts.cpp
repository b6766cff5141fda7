// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics pictures: plain painter code, scaled to the widget, in the game's colours.
#include "app/stats_charts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "game/history.h"

namespace tv {
namespace {

const QColor kInk(0x2a, 0x1d, 0x10);
const QColor kPaper(0xfd, 0xf8, 0xee);
const QColor kGrid(0xe2, 0xd4, 0xb6);
const QColor kLacquer(0x8a, 0x3b, 0x22);
const QColor kJade(0x1f, 0x7a, 0x3e);
const QColor kGold(0xd0, 0x8f, 0x20);

// The frame every picture sits in, with its title; returns the plot area inside.
QRectF Frame(QPainter& p, const QWidget& w, const QString& title) {
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF all = QRectF(w.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  p.setPen(QPen(kGrid, 1));
  p.setBrush(kPaper);
  p.drawRoundedRect(all, 5, 5);
  QFont bold = w.font();
  bold.setBold(true);
  p.setFont(bold);
  p.setPen(kInk);
  const int line = QFontMetrics(bold).height();
  p.drawText(all.adjusted(8, 4, -8, 0), Qt::AlignLeft | Qt::AlignTop, title);
  p.setFont(w.font());
  return all.adjusted(8, line + 8, -10, -8);
}

void Empty(QPainter& p, const QRectF& area, const QString& text) {
  p.setPen(kGrid.darker(160));
  p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
}

// A step a clock reads easily, giving at most `lines` steps up to `top` seconds.
double NiceStep(double top, int lines) {
  const double raw = top / std::max(1, lines);
  for (const double step : {10.0, 15.0, 30.0, 60.0, 120.0, 300.0, 600.0, 900.0, 1800.0, 3600.0})
    if (step >= raw) return step;
  return 3600.0 * std::ceil(raw / 3600.0);
}

QString Tr(const char* text) {
  return QCoreApplication::translate("Statistics", text);
}

}  // namespace

QString ClockText(double seconds) {
  const long long s = std::llround(std::max(0.0, seconds));
  if (s >= 3600)
    return QString("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, QChar('0'))
        .arg(s % 60, 2, 10, QChar('0'));
  return QString("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QChar('0'));
}

TimesChart::TimesChart(QWidget* parent) : QWidget(parent) {
  setObjectName("I_TimesChart");
  setMinimumSize(240, 130);
}

void TimesChart::SetTimes(std::vector<double> seconds) {
  times_ = std::move(seconds);
  median_ = MovingMedian(times_, 9);
  update();
}

void TimesChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QRectF area = Frame(p, *this, Tr(QT_TRANSLATE_NOOP("Statistics", "Times of won games")));
  if (times_.empty()) return Empty(p, area, Tr(QT_TRANSLATE_NOOP("Statistics", "No game won yet")));
  const double top = *std::max_element(times_.begin(), times_.end()) * 1.08 + 1;
  const double step = NiceStep(top, 6);
  const QFontMetrics fm(font());
  const double labelWidth = fm.horizontalAdvance("00:00:00") + 4;
  const QRectF plot = area.adjusted(labelWidth, fm.height() / 2.0, 0, -fm.height() / 2.0);
  auto y = [&](double v) { return plot.bottom() - v / top * plot.height(); };
  const std::size_t n = times_.size();
  auto x = [&](std::size_t k) {
    return n == 1 ? plot.center().x() : plot.left() + plot.width() * double(k) / double(n - 1);
  };
  for (double v = 0; v <= top; v += step) {
    p.setPen(QPen(kGrid, 1));
    p.drawLine(QPointF(plot.left(), y(v)), QPointF(plot.right(), y(v)));
    p.setPen(kInk);
    p.drawText(QRectF(area.left(), y(v) - fm.height() / 2.0, labelWidth - 6, fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, ClockText(v));
  }
  const double radius = std::clamp(plot.width() / double(n) / 2.5, 1.5, 3.5);
  p.setPen(Qt::NoPen);
  p.setBrush(kGold);
  for (std::size_t k = 0; k < n; ++k) p.drawEllipse(QPointF(x(k), y(times_[k])), radius, radius);
  if (n >= 2) {
    QPainterPath line;
    line.moveTo(x(0), y(median_[0]));
    for (std::size_t k = 1; k < n; ++k) line.lineTo(x(k), y(median_[k]));
    p.setPen(QPen(kLacquer, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
  }
  p.setPen(kLacquer);
  p.drawText(plot.adjusted(0, -fm.height() / 2.0, 0, 0), Qt::AlignRight | Qt::AlignTop,
             Tr(QT_TRANSLATE_NOOP("Statistics", "moving median")));
}

TimesHistogram::TimesHistogram(QWidget* parent) : QWidget(parent) {
  setObjectName("I_TimesHistogram");
  setMinimumSize(180, 130);
}

void TimesHistogram::SetTimes(std::vector<double> seconds) {
  times_ = std::move(seconds);
  update();
}

void TimesHistogram::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRectF area = Frame(p, *this, Tr(QT_TRANSLATE_NOOP("Statistics", "How long wins took")));
  if (times_.empty()) return Empty(p, area, Tr(QT_TRANSLATE_NOOP("Statistics", "No game won yet")));
  const QFontMetrics fm(font());
  const double longest = *std::max_element(times_.begin(), times_.end());
  const double width = std::max(60.0, NiceStep(longest, 10));  // whole minutes at least
  const int bins = std::max(1, static_cast<int>(std::floor(longest / width)) + 1);
  std::vector<int> counts(static_cast<std::size_t>(bins), 0);
  for (const double t : times_)
    ++counts[static_cast<std::size_t>(std::min(bins - 1, static_cast<int>(t / width)))];
  const int most = *std::max_element(counts.begin(), counts.end());
  const QRectF plot = area.adjusted(0, fm.height(), 0, -fm.height() - 2);
  const double bar = plot.width() / bins;
  for (int k = 0; k < bins; ++k) {
    const double h = plot.height() * counts[std::size_t(k)] / std::max(1, most);
    const QRectF r(plot.left() + k * bar + 1, plot.bottom() - h, bar - 2, h);
    p.setPen(QPen(kJade.darker(130), 1));
    p.setBrush(kJade);
    if (h > 0) p.drawRect(r);
    p.setPen(kInk);
    if (counts[std::size_t(k)] > 0 && bar >= fm.horizontalAdvance("000"))
      p.drawText(QRectF(r.left(), r.top() - fm.height(), r.width(), fm.height()),
                 Qt::AlignHCenter | Qt::AlignBottom, QString::number(counts[std::size_t(k)]));
  }
  p.setPen(kInk);
  p.drawText(QRectF(plot.left(), plot.bottom() + 2, plot.width() / 2, fm.height()),
             Qt::AlignLeft | Qt::AlignTop, "0:00");
  p.drawText(QRectF(plot.center().x(), plot.bottom() + 2, plot.width() / 2, fm.height()),
             Qt::AlignRight | Qt::AlignTop, ClockText(bins * width));
}

DaysStrip::DaysStrip(QWidget* parent) : QWidget(parent) {
  setObjectName("I_DaysStrip");
  setMinimumSize(300, 100);
}

void DaysStrip::SetDays(std::map<QDate, DayPlayed> days, QDate today) {
  days_ = std::move(days);
  today_ = today;
  update();
}

void DaysStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRectF area = Frame(p, *this, Tr(QT_TRANSLATE_NOOP("Statistics", "Days played")));
  const QFontMetrics fm(font());
  // Monday, Wednesday and Friday are labelled, in the locale's short names.
  double widest = 0;
  for (const int day : {1, 3, 5})
    widest = std::max<double>(widest,
                              fm.horizontalAdvance(QLocale().dayName(day, QLocale::ShortFormat)));
  const double labelWidth = widest + 6;
  const double cell = std::max(4.0, std::min(area.height() / 7.0, 18.0));
  const int weeks = std::max(1, static_cast<int>((area.width() - labelWidth) / cell));
  // The last column ends with today; columns run Monday to Sunday, top to bottom.
  const QDate lastMonday = today_.addDays(1 - today_.dayOfWeek());
  int most = 1;
  for (const auto& [date, day] : days_) most = std::max(most, day.Games);
  p.setPen(kInk);
  for (const int row : {0, 2, 4})
    p.drawText(QRectF(area.left(), area.top() + row * cell, labelWidth, cell),
               Qt::AlignLeft | Qt::AlignVCenter, QLocale().dayName(row + 1, QLocale::ShortFormat));
  for (int w = 0; w < weeks; ++w) {
    const QDate monday = lastMonday.addDays(-7 * (weeks - 1 - w));
    for (int d = 0; d < 7; ++d) {
      const QDate date = monday.addDays(d);
      if (date > today_) break;
      const QRectF r(area.left() + labelWidth + w * cell, area.top() + d * cell, cell - 2,
                     cell - 2);
      const auto found = days_.find(date);
      QColor fill = QColor(0xef, 0xe4, 0xcc);
      if (found != days_.end() && found->second.Games > 0) {
        const double share = 0.3 + 0.7 * found->second.Games / double(most);
        fill = QColor::fromRgbF(1 - share * (1 - kJade.redF()), 1 - share * (1 - kJade.greenF()),
                                1 - share * (1 - kJade.blueF()));
      }
      p.setPen(date == today_ ? QPen(kInk, 1.5) : Qt::NoPen);
      p.setBrush(fill);
      p.drawRoundedRect(r, 2, 2);
      if (found != days_.end() && found->second.DailyWon) {
        p.setPen(QPen(kLacquer, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(r.center(), r.width() / 4, r.height() / 4);
      }
    }
  }
}

}  // namespace tv
