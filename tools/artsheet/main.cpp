// SPDX-License-Identifier: GPL-3.0-or-later
// Contact sheet of the program's art: every item at its real size and enlarged, plus the
// status panels and toolbars as the window composes them, so the family can be judged at a
// glance. Also renders icons and illustrations to PNG files for the help pages.
//
//   tilvane-artsheet OUT.png
//   tilvane-artsheet --icons DIR SIZE        every icon as DIR/<name>.png
//   tilvane-artsheet --render IN.svg OUT.png [WIDTH HEIGHT]
//   tilvane-artsheet --help-shot PAGE.htm OUT.png     a help page as the viewer shows it
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextBrowser>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/art.h"

namespace {

const QColor kSheet(0xf4, 0xef, 0xe4);
const QColor kBar(0xe9, 0xe1, 0xcf);
const QColor kStatusBar(0x3a, 0x26, 0x18);  // the window's status bar
const QColor kInk(0x3d, 0x26, 0x16);

QImage Enlarged(const QImage& image, int factor) {
  return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// A status panel composed the way the window builds it: left, repeated middle, right piece.
QImage Panel(const QImage& frame, int width) {
  QImage panel(width, frame.height(), QImage::Format_RGB888);
  QPainter p(&panel);
  p.drawImage(0, 0, frame, 0, 0, 10, frame.height());
  for (int k = 0, n = (width - 10) / 10; k < n; ++k)
    p.drawImage(10 + 10 * k, 0, frame, 10, 0, 10, frame.height());
  p.drawImage(width - 10, 0, frame, 20, 0, 10, frame.height());
  return panel;
}

// The clock hands as the window draws them over the face.
void DrawHands(QPainter& p, int h, int m, int s) {
  const double pi = 3.14159265358979;
  auto hand = [&](double a, int length, QColor colour, int width) {
    p.setPen(QPen(colour, width));
    p.drawLine(17, 17, int(std::lround(17 + std::cos(a) * length)),
               int(std::lround(17 - std::sin(a) * length)));
  };
  hand(pi / 2 - s * pi / 30, 8, QColor(0, 0, 255), 1);
  hand(pi / 2 - m * pi / 30, 7, QColor(0, 0, 128), 2);
  hand(pi / 2 - (h % 12) * pi / 6, 4, Qt::black, 2);
}

void Label(QPainter& p, int x, int y, const QString& text, int size = 11, bool bold = false) {
  QFont font("Liberation Sans");
  font.setPixelSize(size);
  font.setBold(bold);
  p.setFont(font);
  p.setPen(kInk);
  p.drawText(x, y, text);
}

int Toolbar(QPainter& p, int y, const QStringList& names, const QString& title) {
  Label(p, 20, y + 14, title, 13, true);
  y += 22;
  // The window's lacquer toolbar.
  QLinearGradient lacquer(0, y, 0, y + 46);
  lacquer.setColorAt(0, QColor(0x5b, 0x2a, 0x1c));
  lacquer.setColorAt(1, QColor(0x3a, 0x1a, 0x12));
  p.fillRect(20, y, 40 * names.size() + 8, 46, lacquer);
  int x = 24;
  for (const QString& name : names) {
    p.drawPixmap(x + 4, y + 7, tv::ArtIcon(name).pixmap(32, 32));
    x += 40;
  }
  return y + 60;
}

int Sheet(const QString& out) {
  const auto& items = tv::ArtCatalogue();
  QImage sheet(1400, 3600, QImage::Format_RGB32);
  sheet.fill(kSheet);
  QPainter p(&sheet);
  p.setRenderHint(QPainter::Antialiasing);
  Label(p, 20, 34, "Tilvane art sheet", 22, true);

  int y = 50;
  y = Toolbar(p, y,
              {"choose-layout", "new-game", "restart", "undo", "redo", "hint", "pause", "bkg-color",
               "bkg-picture", "tileset", "zoom-in", "zoom-out", "dim-blocked", "music", "help"},
              "Play toolbar");
  y = Toolbar(p, y,
              {"file-new", "file-open", "file-save", "file-play", "edit-draw", "edit-erase",
               "edit-move", "auto-z", "custom-z", "z-down", "z-up", "help"},
              "Edit toolbar");
  y = Toolbar(p, y, {"sol-first", "sol-prev", "sol-next", "sol-last", "sol-stop", "help"},
              "Solution toolbar");

  // Icons: 16, 24, 32, disabled, checked, and the 32-pixel image four times enlarged.
  Label(p, 20, y + 14, "Icons: 16, 24, 32, disabled, checked, 32 enlarged 4x", 13, true);
  y += 24;
  int column = 0;
  const int cellW = 400, cellH = 150;
  for (const auto& item : items) {
    if (item.kind != tv::ArtKind::kIcon && item.kind != tv::ArtKind::kToggle) continue;
    const int x = 20 + column * cellW;
    const QIcon icon = tv::ArtIcon(item.name);
    Label(p, x, y + 12, item.name);
    p.drawPixmap(x, y + 24, icon.pixmap(16, 16));
    p.drawPixmap(x + 22, y + 24, icon.pixmap(24, 24));
    p.drawPixmap(x + 52, y + 24, icon.pixmap(32, 32));
    p.drawPixmap(x + 90, y + 24, icon.pixmap(32, 32, QIcon::Disabled));
    if (item.kind == tv::ArtKind::kToggle)
      p.drawPixmap(x + 128, y + 24, icon.pixmap(32, 32, QIcon::Normal, QIcon::On));
    p.drawImage(x + 170, y + 16, Enlarged(tv::RenderArt(item, {32, 32}, kSheet), 4));
    if (++column == 3) {
      column = 0;
      y += cellH;
    }
  }
  if (column) y += cellH;

  // Frames and clock: real size, 4x, and composed into panels as the status bar shows them.
  Label(p, 20, y + 14, "Status frames and clock face (real size, 4x, composed)", 13, true);
  y += 24;
  int x = 20;
  for (const char* name : {"frame-light", "frame-dark", "clock-face"}) {
    const QImage image = tv::ArtImage(name, {}, kBar);
    p.drawImage(x, y, image);
    p.drawImage(x, y + 44, Enlarged(image, 4));
    Label(p, x, y + 44 + image.height() * 4 + 14, name);
    x += image.width() * 4 + 30;
  }
  {
    const int bx = x + 10;
    p.fillRect(bx, y, 1400 - bx - 20, 40, kStatusBar);
    QFont font("Liberation Sans");
    font.setPixelSize(19);
    p.setFont(font);
    int px = bx + 8;
    auto panel = [&](const char* frame, int width, const QString& text, QColor colour) {
      p.drawImage(px, y + 3, Panel(tv::ArtImage(frame, {}, kStatusBar), width));
      p.setPen(colour);
      p.drawText(QRect(px, y + 3, width, 34), Qt::AlignCenter, text);
      px += width + 16;
    };
    panel("frame-light", 150, "144 Tiles Left", Qt::black);
    panel("frame-dark", 160, "Red Dragon", QColor(0, 0, 255));
    QImage clock = tv::ArtImage("clock-face", {}, kStatusBar).convertToFormat(QImage::Format_RGB32);
    {
      QPainter hands(&clock);
      DrawHands(hands, 10, 8, 36);
    }
    p.drawImage(px, y + 3, clock);
    p.drawImage(px, y + 50, Enlarged(clock, 4));
    px += clock.width() + 16;
    panel("frame-dark", 160, "Bamboo 3", Qt::black);
  }
  y += 44 + 34 * 4 + 30;

  // Pictures of the about box and the editor's cursors.
  Label(p, 20, y + 14, "About picture, play button (up, down, 2x), cursors (1x, 4x, hot spot)", 13,
        true);
  y += 24;
  const QImage about = tv::ArtImage("about");
  p.drawImage(20, y, about);
  QImage composed = about;
  {
    QPainter box(&composed);
    const QImage button = tv::ArtImage("play-up");
    box.drawImage((about.width() - button.width()) / 2, about.height() - button.height() - 10,
                  button);
    QFont font("Liberation Sans");
    font.setPixelSize(16);
    font.setBold(true);
    box.setFont(font);
    for (auto [top, text] : {std::pair{84, "Version 2.3.1"}, std::pair{224, "March 9, 2013"}}) {
      box.setPen(Qt::white);
      box.drawText(QRect(11, top + 1, 350, 20), Qt::AlignHCenter, text);
      box.setPen(Qt::black);
      box.drawText(QRect(10, top, 350, 20), Qt::AlignHCenter, text);
    }
  }
  p.drawImage(20 + about.width() + 20, y, composed);
  x = 20 + 2 * (about.width() + 20);
  p.drawImage(x, y, tv::ArtImage("play-up"));
  p.drawImage(x, y + 46, tv::ArtImage("play-down"));
  p.drawImage(x, y + 92, Enlarged(tv::ArtImage("play-up"), 2));
  p.drawImage(x, y + 172, Enlarged(tv::ArtImage("play-down"), 2));
  int cx = x + 250;
  for (const char* name : {"drag", "move"}) {
    const tv::ArtItem* item = tv::FindArt(name, tv::ArtKind::kCursor);
    const QImage image = tv::RenderArt(*item, {}, Qt::white);
    p.drawImage(cx, y, image);
    QImage big = Enlarged(image, 4);
    {
      QPainter mark(&big);
      mark.setPen(QPen(Qt::red, 1));
      const QPoint h = item->hotSpot * 4 + QPoint(2, 2);
      mark.drawLine(h.x() - 6, h.y(), h.x() + 6, h.y());
      mark.drawLine(h.x(), h.y() - 6, h.x(), h.y() + 6);
    }
    p.drawImage(cx, y + 40, big);
    Label(p, cx, y + 184, name);
    cx += 150;
  }
  y += about.height() + 20;
  p.end();
  sheet = sheet.copy(0, 0, sheet.width(), y);
  return sheet.save(out) ? 0 : 1;
}

int Icons(const QString& dir, int size) {
  QDir().mkpath(dir);
  for (const auto& item : tv::ArtCatalogue()) {
    if (item.kind != tv::ArtKind::kIcon && item.kind != tv::ArtKind::kToggle) continue;
    if (!tv::RenderArt(item, {size, size}).save(dir + "/" + item.name + ".png")) return 1;
  }
  return 0;
}

int RenderFile(const QString& in, const QString& out, QSize size) {
  QSvgRenderer renderer(in);
  if (!renderer.isValid()) return 1;
  if (size.isEmpty()) size = renderer.defaultSize();
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  renderer.render(&p, QRectF(0, 0, size.width(), size.height()));
  p.end();
  return image.save(out) ? 0 : 1;
}

int HelpShot(const QString& page, const QString& out) {
  QTextBrowser browser;
  browser.setFrameShape(QFrame::NoFrame);
  browser.resize(760, 600);
  browser.setSearchPaths({QFileInfo(page).absolutePath()});
  browser.setSource(QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath()));
  browser.document()->setTextWidth(browser.viewport()->width());
  const int height = int(browser.document()->size().height()) + 8;
  browser.resize(760, std::min(height, 2400));
  return browser.grab().save(out) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() == 2) return Sheet(args[1]);
  if (args.size() == 4 && args[1] == "--icons") return Icons(args[2], args[3].toInt());
  if ((args.size() == 4 || args.size() == 6) && args[1] == "--render") {
    const QSize size = args.size() == 6 ? QSize(args[4].toInt(), args[5].toInt()) : QSize();
    return RenderFile(args[2], args[3], size);
  }
  if (args.size() == 4 && args[1] == "--help-shot") return HelpShot(args[2], args[3]);
  std::fprintf(stderr,
               "usage: tilvane-artsheet OUT.png\n"
               "       tilvane-artsheet --icons DIR SIZE\n"
               "       tilvane-artsheet --render IN.svg OUT.png [WIDTH HEIGHT]\n"
               "       tilvane-artsheet --help-shot PAGE.htm OUT.png\n");
  return 2;
}
