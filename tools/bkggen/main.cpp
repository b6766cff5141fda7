// SPDX-License-Identifier: GPL-3.0-or-later
// tilvane-bkggen: paints our own background pictures into a directory.
//   tilvane-bkggen --out DIR [--only NAME]...   (every picture when none is named)
//   tilvane-bkggen --list
//   tilvane-bkggen --sheet OUT.png COLUMNS CELL_WIDTH PICTURE...   (a labelled contact sheet)
// Each picture NAME gives NAME.jpg (1920 x 1200) and NAME-thumb.jpg (200 x 150).
#include <QBuffer>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/files.h"
#include "paint_kit.h"

namespace {

using tv::bkggen::Painting;

constexpr int kWidth = 1920, kHeight = 1200;
constexpr int kThumbWidth = 200, kThumbHeight = 150;
// Smooth paintings stay small at this quality and show no blocks.
constexpr int kQuality = 85;

int Usage() {
  std::fprintf(stderr,
               "usage: tilvane-bkggen --out DIR [--only NAME]...\n"
               "       tilvane-bkggen --list\n"
               "       tilvane-bkggen --sheet OUT.png COLUMNS CELL_WIDTH PICTURE...\n");
  return 2;
}

// The thumbnail shows the middle of the picture at the chooser's 4:3.
QImage Thumbnail(const QImage& picture) {
  const int cropWidth = picture.height() * kThumbWidth / kThumbHeight;
  const QImage middle =
      picture.copy((picture.width() - cropWidth) / 2, 0, cropWidth, picture.height());
  return middle.scaled(kThumbWidth, kThumbHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool WriteJpeg(const std::string& path, const QImage& image, std::string* error) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpg");
  writer.setQuality(kQuality);
  if (!writer.write(image.convertToFormat(QImage::Format_RGB888))) {
    *error = writer.errorString().toStdString();
    return false;
  }
  const tv::Result written =
      tv::WriteFileAtomically(path, bytes.constData(), std::size_t(bytes.size()));
  if (!written) *error = written.Message();
  return written.Ok();
}

// Pictures reduced to one cell width in rows of `columns`, each captioned with
// its file name, for looking at many renderings at once.
int WriteSheet(const std::string& out, int columns, int cellWidth,
               const std::vector<std::string>& files) {
  std::vector<QImage> cells;
  int cellHeight = 0;
  for (const std::string& file : files) {
    QImage image(QString::fromStdString(file));
    if (image.isNull()) {
      std::fprintf(stderr, "tilvane-bkggen: could not read \"%s\"\n", file.c_str());
      return 1;
    }
    cells.push_back(image.scaledToWidth(cellWidth, Qt::SmoothTransformation));
    cellHeight = std::max(cellHeight, cells.back().height());
  }
  constexpr int kGap = 6, kCaption = 18;
  const int rows = (int(cells.size()) + columns - 1) / columns;
  QImage sheet(kGap + columns * (cellWidth + kGap), kGap + rows * (cellHeight + kCaption + kGap),
               QImage::Format_RGB32);
  sheet.fill(QColor(244, 239, 228));
  QPainter painter(&sheet);
  QFont font("Liberation Sans");
  font.setPixelSize(12);
  painter.setFont(font);
  painter.setPen(QColor(61, 38, 22));
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const int x = kGap + int(i) % columns * (cellWidth + kGap);
    const int y = kGap + int(i) / columns * (cellHeight + kCaption + kGap);
    painter.drawText(QRect(x, y, cellWidth, kCaption), Qt::AlignLeft | Qt::AlignVCenter,
                     QFileInfo(QString::fromStdString(files[i])).completeBaseName());
    painter.drawImage(x, y + kCaption, cells[i]);
  }
  painter.end();
  if (!sheet.save(QString::fromStdString(out), "png")) {
    std::fprintf(stderr, "tilvane-bkggen: could not write \"%s\"\n", out.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string out;
  std::vector<const Painting*> chosen;
  bool list = false;
  if (argc >= 5 && std::string(argv[1]) == "--sheet") {
    const int columns = std::atoi(argv[3]), cellWidth = std::atoi(argv[4]);
    if (columns < 1 || cellWidth < 16 || argc < 6) return Usage();
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    return WriteSheet(argv[2], columns, cellWidth, std::vector<std::string>(argv + 5, argv + argc));
  }
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--list") {
      list = true;
    } else if (arg == "--out" && i + 1 < argc) {
      out = argv[++i];
    } else if (arg == "--only" && i + 1 < argc) {
      const std::string name = argv[++i];
      const Painting* found = nullptr;
      for (const Painting& p : tv::bkggen::Paintings())
        if (p.name == name) found = &p;
      if (!found) {
        std::fprintf(stderr, "tilvane-bkggen: unknown picture \"%s\"\n", name.c_str());
        return 2;
      }
      chosen.push_back(found);
    } else {
      return Usage();
    }
  }
  if (list) {
    for (const Painting& p : tv::bkggen::Paintings()) std::printf("%s\n", p.name.c_str());
    return 0;
  }
  if (out.empty()) return Usage();
  if (chosen.empty())
    for (const Painting& p : tv::bkggen::Paintings()) chosen.push_back(&p);

  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  for (const Painting* p : chosen) {
    const QImage picture = p->paint(kWidth, kHeight);
    std::string error;
    const std::string base = out + "/" + p->name;
    if (!WriteJpeg(base + ".jpg", picture, &error) ||
        !WriteJpeg(base + "-thumb.jpg", Thumbnail(picture), &error)) {
      std::fprintf(stderr, "tilvane-bkggen: could not write \"%s\": %s\n", p->name.c_str(),
                   error.c_str());
      return 1;
    }
    std::printf("%s\n", p->name.c_str());
  }
  return 0;
}
