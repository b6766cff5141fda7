// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's vector art on demand, at the exact pixel size asked for, so icons
// stay sharp at toolbar, menu and high-density sizes without shipping bitmaps.
#include "app/art.h"

#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>

// The resources live in a static library, whose registration object the linker would drop
// unless something refers to it.
static void RegisterArtResources() {
  Q_INIT_RESOURCE(art);
}

namespace tv {
namespace {

constexpr QSize kIconSize{32, 32};
constexpr QSize kCursorSize{32, 32};

ArtItem Icon(const char* name) {
  return {name, ArtKind::kIcon, kIconSize, {}};
}
ArtItem Toggle(const char* name) {
  return {name, ArtKind::kToggle, kIconSize, {}};
}
ArtItem Picture(const char* name, int w, int h) {
  return {name, ArtKind::kPicture, {w, h}, {}};
}
ArtItem Cursor(const char* name, int x, int y) {
  return {name, ArtKind::kCursor, kCursorSize, {x, y}};
}

QString SourcePath(const ArtItem& item) {
  switch (item.kind) {
    case ArtKind::kIcon:
    case ArtKind::kToggle:
      return QStringLiteral(":/art/icons/%1.svg").arg(item.name);
    case ArtKind::kPicture:
      return QStringLiteral(":/art/pictures/%1.svg").arg(item.name);
    case ArtKind::kCursor:
      return QStringLiteral(":/art/cursors/%1.svg").arg(item.name);
  }
  return {};
}

// Words drawn into the pictures, shown in the player's language. A longer word is drawn
// smaller, so that it keeps within `room` (in the picture's own units; 0: no limit).
struct DrawnText {
  const char* english;
  double room;
};
constexpr DrawnText kDrawnTexts[] = {{QT_TRANSLATE_NOOP("Art", "Play"), 56},
                                     {QT_TRANSLATE_NOOP("Art", "Free software"), 0}};

QByteArray WithDrawnTexts(QByteArray svg) {
  for (const DrawnText& drawn : kDrawnTexts) {
    const QByteArray english = QByteArray(">") + drawn.english + "</text>";
    const qsizetype at = svg.indexOf(english);
    const QString translated = QCoreApplication::translate("Art", drawn.english);
    if (at < 0 || translated == QLatin1String(drawn.english)) continue;
    svg.replace(at, english.size(),
                QByteArray(">") + translated.toHtmlEscaped().toUtf8() + "</text>");
    const qsizetype start = svg.lastIndexOf("<text", at);
    const qsizetype sizeAt = svg.indexOf("font-size=\"", start);
    if (drawn.room <= 0 || start < 0 || sizeAt < 0 || sizeAt > at) continue;
    const qsizetype valueAt = sizeAt + 11;
    const qsizetype valueEnd = svg.indexOf('"', valueAt);
    const double size = svg.mid(valueAt, valueEnd - valueAt).toDouble();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(100);
    font.setBold(true);
    const double width = QFontMetricsF(font).horizontalAdvance(translated) * size / 100;
    if (size > 0 && width > drawn.room)
      svg.replace(valueAt, valueEnd - valueAt,
                  QByteArray::number(size * drawn.room / width, 'f', 1));
  }
  return svg;
}

// One SVG file drawn over a transparent picture of `size`; null when the source is missing
// or broken.
QImage RenderSvg(const QString& path, QSize size) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QSvgRenderer renderer(WithDrawnTexts(file.readAll()));
  if (!renderer.isValid()) return {};
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  renderer.render(&painter, QRectF(0, 0, size.width(), size.height()));
  return image;
}

// A thin cream rim around the icon's silhouette keeps its dark outline readable on dark
// toolbars; on light ones it disappears into the background.
QImage WithRim(const QImage& icon) {
  const int radius = std::max(1, (icon.width() + 16) / 32);
  const int w = icon.width(), h = icon.height();
  QImage rim(icon.size(), QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < h; ++y) {
    auto* out = reinterpret_cast<QRgb*>(rim.scanLine(y));
    for (int x = 0; x < w; ++x) {
      int alpha = 0;
      for (int dy = -radius; dy <= radius; ++dy) {
        if (y + dy < 0 || y + dy >= h) continue;
        const auto* in = reinterpret_cast<const QRgb*>(icon.constScanLine(y + dy));
        for (int dx = -radius; dx <= radius; ++dx) {
          if (x + dx < 0 || x + dx >= w || dx * dx + dy * dy > radius * radius + 1) continue;
          alpha = std::max(alpha, qAlpha(in[x + dx]));
        }
      }
      alpha = alpha * 60 / 100;
      out[x] = qPremultiply(qRgba(255, 246, 224, alpha));
    }
  }
  QPainter painter(&rim);
  painter.drawImage(0, 0, icon);
  return rim;
}

QImage Render(const ArtItem& item, QSize size, QColor background, bool on) {
  if (size.isEmpty()) size = item.size;
  const bool icon = item.kind == ArtKind::kIcon || item.kind == ArtKind::kToggle;
  QImage art = RenderSvg(SourcePath(item), size);
  if (art.isNull()) return {};
  if (icon) art = WithRim(art);
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(background);
  QPainter painter(&image);
  if (on && item.kind == ArtKind::kToggle) {
    const QImage plate = RenderSvg(QStringLiteral(":/art/icons/toggle-plate.svg"), size);
    if (plate.isNull()) return {};
    painter.drawImage(0, 0, plate);
  }
  painter.drawImage(0, 0, art);
  painter.end();
  if (background.alpha() == 255) return image.convertToFormat(QImage::Format_RGB888);
  return image;
}

// Disabled commands: the same drawing in faded warm greys, so the shape stays recognisable.
QImage Disabled(QImage image) {
  image = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = line[x];
      const int grey = (qRed(p) * 30 + qGreen(p) * 59 + qBlue(p) * 11) / 100;
      const int tone = 110 + grey * 100 / 255;
      line[x] = qRgba(tone + 8, tone + 4, tone - 4, qAlpha(p) * 45 / 100);
    }
  }
  return image;
}

class ArtIconEngine final : public QIconEngine {
 public:
  explicit ArtIconEngine(const ArtItem& item) : item_(item) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(rect, scaledPixmap(rect.size() * scale, mode, state, scale));
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    // `size` is already in device pixels; the ratio only labels the result.
    if (size.isEmpty()) return {};
    const bool on = state == QIcon::On && item_.kind == ArtKind::kToggle;
    const bool disabled = mode == QIcon::Disabled;
    const QString key = QStringLiteral("tv-art:%1:%2x%3:%4%5")
                            .arg(item_.name)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(on ? 1 : 0)
                            .arg(disabled ? 1 : 0);
    QPixmap result;
    if (!QPixmapCache::find(key, &result)) {
      QImage image = Render(item_, size, Qt::transparent, on);
      if (disabled) image = Disabled(image);
      result = QPixmap::fromImage(image);
      QPixmapCache::insert(key, result);
    }
    result.setDevicePixelRatio(scale > 0 ? scale : 1.0);
    return result;
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    return {{16, 16}, {24, 24}, {32, 32}, {48, 48}};
  }
  QString key() const override { return QStringLiteral("tv-art"); }
  QIconEngine* clone() const override { return new ArtIconEngine(item_); }
  bool isNull() override { return false; }

 private:
  ArtItem item_;
};

}  // namespace

const std::vector<ArtItem>& ArtCatalogue() {
  static const bool registered = (RegisterArtResources(), true);
  (void)registered;
  static const std::vector<ArtItem> items = {
      // play toolbar
      Icon("choose-layout"),
      Icon("new-game"),
      Icon("restart"),
      Icon("undo"),
      Icon("redo"),
      Icon("hint"),
      Toggle("pause"),
      Icon("bkg-color"),
      Icon("bkg-picture"),
      Icon("tileset"),
      Icon("zoom-in"),
      Icon("zoom-out"),
      Toggle("dim-blocked"),
      Icon("statistics"),
      Icon("music"),
      Icon("help"),
      // edit toolbar
      Icon("file-new"),
      Icon("file-open"),
      Icon("file-save"),
      Icon("file-play"),
      Toggle("edit-draw"),
      Toggle("edit-erase"),
      Toggle("edit-move"),
      Toggle("auto-z"),
      Toggle("custom-z"),
      Icon("z-down"),
      Icon("z-up"),
      Icon("edit-redo"),
      // solution toolbar
      Icon("sol-first"),
      Icon("sol-prev"),
      Icon("sol-next"),
      Icon("sol-last"),
      Icon("sol-stop"),
      // menu-only commands
      Icon("reshuffle"),
      Icon("game-number"),
      Icon("daily-deal"),
      Icon("show-solution"),
      Icon("exit"),
      Icon("fav-add"),
      Icon("layout-create"),
      Icon("layout-edit"),
      Toggle("draw-shadows"),
      Icon("clear-records"),
      Icon("help-contents"),
      Icon("web-home"),
      Icon("about"),
      // pictures
      Picture("frame-light", 30, 34),
      Picture("frame-dark", 30, 34),
      Picture("clock-face", 34, 34),
      Picture("about", 370, 300),
      Picture("play-up", 120, 36),
      Picture("play-down", 120, 36),
      // layout library: star strips (rows for 0 to 3 stars) and frame pieces; the preview
      // tiles and sort arrows carry magenta keys and are drawn by the library's loader
      Picture("stars-small", 52, 68),
      Picture("stars-middle", 78, 100),
      Picture("stars-large", 102, 131),
      Picture("rec-frame-green", 32, 32),
      Picture("rec-frame-white", 32, 32),
      // cursors
      Cursor("drag", 16, 16),
      Cursor("move", 16, 16),
  };
  return items;
}

const ArtItem* FindArt(const QString& name, ArtKind kind) {
  const auto& items = ArtCatalogue();
  const auto group = [](ArtKind k) { return k == ArtKind::kToggle ? ArtKind::kIcon : k; };
  const auto it = std::find_if(items.begin(), items.end(), [&](const ArtItem& item) {
    return item.name == name && group(item.kind) == group(kind);
  });
  return it == items.end() ? nullptr : &*it;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    const QImage image = RenderSvg(QStringLiteral(":/art/desktop/program.svg"), QSize(size, size));
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

QIcon ArtIcon(const QString& name) {
  const ArtItem* item = FindArt(name, ArtKind::kIcon);
  if (!item || !QFile::exists(SourcePath(*item))) return {};
  return QIcon(new ArtIconEngine(*item));
}

QImage RenderArt(const ArtItem& item, QSize size, QColor background, bool on) {
  return Render(item, size, background, on);
}

QImage ArtImage(const QString& name, QSize size, QColor background, bool on) {
  for (ArtKind kind : {ArtKind::kPicture, ArtKind::kIcon, ArtKind::kCursor}) {
    if (const ArtItem* item = FindArt(name, kind)) return Render(*item, size, background, on);
  }
  return {};
}

AboutPictures AboutArt(bool play) {
  AboutPictures p;
  p.Background = ArtImage("about");
  p.DrawBackground = [](QSize size) { return ArtImage("about", size); };
  if (!play) return p;
  p.PlayUp = ArtImage("play-up");
  p.PlayDown = ArtImage("play-down");
  p.DrawPlayUp = [](QSize size) { return ArtImage("play-up", size); };
  p.DrawPlayDown = [](QSize size) { return ArtImage("play-down", size); };
  return p;
}

QCursor ArtCursor(const QString& name, double ratio) {
  const ArtItem* item = FindArt(name, ArtKind::kCursor);
  if (!item) return {};
  const QSize size(int(std::lround(item->size.width() * ratio)),
                   int(std::lround(item->size.height() * ratio)));
  const QImage image = Render(*item, size, Qt::transparent, false);
  if (image.isNull()) return {};
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(ratio);
  // The hot spot stays in points.
  return QCursor(pixmap, item->hotSpot.x(), item->hotSpot.y());
}

}  // namespace tv
