// SPDX-License-Identifier: GPL-3.0-or-later
// The art loader: every item renders at its size with real content, icons keep their states
// apart, the status frames can be composed without seams and the clock face leaves room for
// the hands.
#include "app/art.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QSet>
#include <cmath>

#include "qt_app.h"

namespace tv {
namespace {

class ArtTest : public ::testing::Test {
 protected:
  void SetUp() override { test::EnsureApplication(); }
};

// Share of pixels that are not fully transparent.
double Coverage(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  int drawn = 0;
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x) drawn += qAlpha(argb.pixel(x, y)) > 0;
  return double(drawn) / (argb.width() * argb.height());
}

int Luminance(QRgb p) {
  return (qRed(p) * 30 + qGreen(p) * 59 + qBlue(p) * 11) / 100;
}

TEST_F(ArtTest, EveryItemRendersAtItsSizeWithContent) {
  ASSERT_GE(ArtCatalogue().size(), 40u);
  for (const ArtItem& item : ArtCatalogue()) {
    SCOPED_TRACE(item.name.toStdString());
    const QImage natural = RenderArt(item);
    ASSERT_FALSE(natural.isNull());
    EXPECT_EQ(natural.size(), item.size);
    // Pictures fill their rectangle; icons and cursors leave a margin but are no speck.
    const double coverage = Coverage(natural);
    if (item.kind == ArtKind::kPicture) {
      EXPECT_GT(coverage, 0.9);
    } else {
      EXPECT_GT(coverage, 0.15);
      EXPECT_LT(coverage, 0.95);
    }
    for (QSize size : {QSize(16, 16), QSize(24, 24), QSize(48, 40)}) {
      EXPECT_EQ(RenderArt(item, size).size(), size);
    }
  }
}

TEST_F(ArtTest, StatusPicturesHaveTheirExactSizes) {
  EXPECT_EQ(ArtImage("frame-light").size(), QSize(30, 34));
  EXPECT_EQ(ArtImage("frame-dark").size(), QSize(30, 34));
  EXPECT_EQ(ArtImage("clock-face").size(), QSize(34, 34));
  const QImage up = ArtImage("play-up"), down = ArtImage("play-down");
  EXPECT_EQ(up.size(), down.size());
  EXPECT_NE(up, down);
}

TEST_F(ArtTest, OpaqueBackgroundGivesMagentaFree24BitPictures) {
  for (const ArtItem& item : ArtCatalogue()) {
    SCOPED_TRACE(item.name.toStdString());
    const QImage image = RenderArt(item, {}, QColor(0xe9, 0xe1, 0xcf));
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_FALSE(image.hasAlphaChannel());
    int magenta = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) magenta += image.pixel(x, y) == qRgb(255, 0, 255);
    EXPECT_EQ(magenta, 0);
  }
}

TEST_F(ArtTest, IconsAreDistinctFromEachOther) {
  QSet<QByteArray> seen;
  for (const ArtItem& item : ArtCatalogue()) {
    if (item.kind != ArtKind::kIcon && item.kind != ArtKind::kToggle) continue;
    const QImage image = RenderArt(item, {32, 32}, Qt::white);
    const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    EXPECT_FALSE(seen.contains(bytes)) << item.name.toStdString() << " repeats another icon";
    seen.insert(bytes);
  }
}

TEST_F(ArtTest, IconStatesDiffer) {
  for (const ArtItem& item : ArtCatalogue()) {
    if (item.kind != ArtKind::kIcon && item.kind != ArtKind::kToggle) continue;
    SCOPED_TRACE(item.name.toStdString());
    const QIcon icon = ArtIcon(item.name);
    ASSERT_FALSE(icon.isNull());
    const QImage normal = icon.pixmap(32, 32).toImage();
    const QImage on = icon.pixmap(QSize(32, 32), QIcon::Normal, QIcon::On).toImage();
    const QImage disabled = icon.pixmap(QSize(32, 32), QIcon::Disabled).toImage();
    EXPECT_EQ(normal.size(), QSize(32, 32));
    EXPECT_EQ(item.kind == ArtKind::kToggle, normal != on);
    // Disabled keeps the outline but is fainter and grey.
    ASSERT_EQ(disabled.size(), normal.size());
    EXPECT_NEAR(Coverage(disabled), Coverage(normal), 0.03);
    const QImage d = disabled.convertToFormat(QImage::Format_ARGB32);
    int saturated = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const QColor c = QColor::fromRgba(d.pixel(x, y));
        EXPECT_LT(c.alpha(), 128);
        saturated += c.alpha() >= 40 && c.hsvSaturation() > 60;  // faint pixels round badly
      }
    EXPECT_EQ(saturated, 0);
  }
}

// On a high-density screen the icon is drawn at the device's pixels, not scaled up.
TEST_F(ArtTest, IconsRenderSharpAtHigherPixelRatios) {
  const QIcon icon = ArtIcon("new-game");
  const QPixmap doubled = icon.pixmap(QSize(32, 32), 2.0);
  EXPECT_EQ(doubled.size(), QSize(64, 64));
  EXPECT_DOUBLE_EQ(doubled.devicePixelRatio(), 2.0);
  const QImage direct = ArtImage("new-game", {64, 64}).convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(doubled.toImage().convertToFormat(QImage::Format_ARGB32), direct);

  // Painting the icon straight onto a doubled surface gives the same pixels.
  QImage surface(64, 64, QImage::Format_ARGB32_Premultiplied);
  surface.fill(Qt::transparent);
  surface.setDevicePixelRatio(2.0);
  {
    QPainter painter(&surface);
    icon.paint(&painter, QRect(0, 0, 32, 32));
  }
  surface.setDevicePixelRatio(1.0);
  EXPECT_EQ(surface.convertToFormat(QImage::Format_ARGB32), direct);
}

TEST_F(ArtTest, UnknownNamesGiveNothing) {
  EXPECT_TRUE(ArtIcon("no-such-icon").isNull());
  EXPECT_TRUE(ArtImage("no-such-picture").isNull());
  EXPECT_EQ(ArtCursor("no-such-cursor").shape(), Qt::ArrowCursor);
  EXPECT_EQ(ArtCursor("new-game").shape(), Qt::ArrowCursor);  // an icon is no cursor
  EXPECT_EQ(FindArt("no-such-icon", ArtKind::kIcon), nullptr);
  EXPECT_EQ(FindArt("frame-light", ArtKind::kIcon), nullptr);  // each group has its own names
}

TEST_F(ArtTest, CatalogueAndResourcesAgree) {
  // Each item has its own source, and every source compiled in is offered (the highlight
  // plate is part of the toggles).
  auto folder = [](ArtKind kind) {
    return kind == ArtKind::kPicture  ? QStringLiteral("pictures")
           : kind == ArtKind::kCursor ? QStringLiteral("cursors")
                                      : QStringLiteral("icons");
  };
  QSet<QString> offered;
  for (const ArtItem& item : ArtCatalogue()) {
    const QString source = folder(item.kind) + "/" + item.name;
    EXPECT_FALSE(offered.contains(source)) << source.toStdString() << " listed twice";
    offered.insert(source);
  }
  QSet<QString> compiled;
  for (const char* dir : {"icons", "pictures", "cursors"}) {
    for (const QString& file : QDir(QString(":/art/") + dir).entryList({"*.svg"}))
      compiled.insert(QString(dir) + "/" + file.chopped(4));
  }
  compiled.remove("icons/toggle-plate");
  EXPECT_EQ(offered, compiled);
}

TEST_F(ArtTest, PictureAndIconMayShareAName) {
  EXPECT_EQ(ArtImage("about").size(), FindArt("about", ArtKind::kPicture)->size);
  EXPECT_EQ(ArtIcon("about").pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32),
            RenderArt(*FindArt("about", ArtKind::kIcon), {32, 32})
                .convertToFormat(QImage::Format_ARGB32));
  EXPECT_EQ(ArtImage("new-game").size(), QSize(32, 32));  // no picture of that name: the icon
}

TEST_F(ArtTest, CursorsCarryTheirHotSpotOnTheHand) {
  for (const char* name : {"drag", "move"}) {
    SCOPED_TRACE(name);
    const ArtItem* item = FindArt(name, ArtKind::kCursor);
    ASSERT_NE(item, nullptr);
    const QCursor cursor = ArtCursor(name);
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), item->hotSpot);
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
    const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(image.pixel(item->hotSpot)), 255);
  }
  EXPECT_NE(ArtCursor("drag").pixmap().toImage(), ArtCursor("move").pixmap().toImage());
}

// The window repeats columns 10 to 19 of a frame to make wider panels: they must be the same
// in every row, or the panel shows stripes.
TEST_F(ArtTest, FrameMiddlePiecesRepeatWithoutSeams) {
  for (const char* name : {"frame-light", "frame-dark"}) {
    SCOPED_TRACE(name);
    const QImage frame = ArtImage(name, {}, QColor(0xe9, 0xe1, 0xcf));
    for (int y = 0; y < frame.height(); ++y) {
      const QColor first = frame.pixelColor(10, y);
      for (int x = 11; x < 20; ++x) {
        const QColor c = frame.pixelColor(x, y);
        EXPECT_LE(std::abs(c.red() - first.red()) + std::abs(c.green() - first.green()) +
                      std::abs(c.blue() - first.blue()),
                  3)
            << "row " << y << " column " << x;
      }
    }
  }
}

// Labels in blue and black sit on both frames, so both must be light enough to read them.
TEST_F(ArtTest, FramesAreLightBehindTheirLabels) {
  for (const char* name : {"frame-light", "frame-dark"}) {
    const QImage frame = ArtImage(name, {}, Qt::white);
    for (int y = 8; y < 26; ++y) EXPECT_GT(Luminance(frame.pixel(15, y)), 170) << name << y;
  }
  EXPECT_GT(Luminance(ArtImage("frame-light", {}, Qt::white).pixel(15, 17)),
            Luminance(ArtImage("frame-dark", {}, Qt::white).pixel(15, 17)));
}

// The hands reach 8 pixels from (17, 17) in blue, navy and black; the dial under them must be
// light, and the face's centre is the picture's centre.
TEST_F(ArtTest, ClockDialIsLightWhereTheHandsTurn) {
  const QImage face = ArtImage("clock-face", {}, Qt::white);
  for (int y = 0; y < 34; ++y)
    for (int x = 0; x < 34; ++x) {
      const double r = std::hypot(x + 0.5 - 17, y + 0.5 - 17);
      if (r >= 2.5 && r <= 8.5) {
        EXPECT_GT(Luminance(face.pixel(x, y)), 170) << x << "," << y;
      }
    }
  // Symmetric about the centre: the left and right halves mirror each other.
  const QImage mirrored = face.mirrored(true, false);
  int different = 0;
  for (int y = 0; y < 34; ++y)
    for (int x = 0; x < 34; ++x)
      different += std::abs(Luminance(face.pixel(x, y)) - Luminance(mirrored.pixel(x, y))) > 40;
  EXPECT_LT(different, 34 * 34 / 50);
}

}  // namespace
}  // namespace tv
