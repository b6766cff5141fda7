// SPDX-License-Identifier: GPL-3.0-or-later
// tilvane-icongen ICON.svg OUTDIR: writes OUTDIR/<n>x<n>.png for every theme size, so
// the small sizes are drawn from the art itself rather than scaled by the desktop.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fputs("usage: tilvane-icongen ICON.svg OUTDIR\n", stderr);
    return 64;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "tilvane-icongen: cannot read %s\n", argv[1]);
    return 1;
  }
  for (const int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    const QString file = QString("%1/%2x%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(size);
    if (!image.save(file)) {
      std::fprintf(stderr, "tilvane-icongen: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
