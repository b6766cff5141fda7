// SPDX-License-Identifier: GPL-3.0-or-later
#include "tileset_writer.h"

#include <png.h>

#include <QPainter>
#include <csetjmp>
#include <cstdio>

#include "face_painter.h"
#include "game/faces.h"
#include "game/files.h"

namespace tv::tilegen {

QImage DrawSheet(const TileStyle& style, const TileSize& size) {
  QImage sheet(size.width * kSheetColumns, size.height * kSheetRows, QImage::Format_RGB888);
  QPainter painter(&sheet);
  for (int row = 0; row < kSheetRows; ++row)
    for (int col = 0; col < kSheetColumns; ++col)
      painter.drawImage(col * size.width, row * size.height,
                        DrawCell(style, col, row, size.width, size.height));
  painter.end();
  return sheet;
}

QImage DrawPreviewStrip(const TileStyle& style) {
  int width = 0;
  for (const PreviewTile& t : kPreviewTiles) width += t.side + 1;
  QImage strip(width, kPreviewStripHeight, QImage::Format_RGB888);
  strip.fill(Qt::black);
  // Never pure black inside a tile: black is the strip's transparent colour.
  const QColor outline(72, 72, 72);
  const QColor edge = style.face_bottom.darker(125);
  int x0 = 0;
  for (const PreviewTile& t : kPreviewTiles) {
    const int s = t.side, e = t.edge, face = s - e;
    for (int y = 0; y < s; ++y)
      for (int x = 0; x < s; ++x) {
        // The body is the square less the corner above the side edge and the
        // corner right of the bottom edge, as the tile form of the field.
        const int diagonal = x + y;
        if (diagonal < e || diagonal > s + face - 2) continue;
        const bool on_face = x >= e && y < face;
        const bool border = diagonal == e || diagonal == s + face - 2 || x == 0 || y == 0 ||
                            x == s - 1 || y == s - 1 || (on_face && (x == e || y == face - 1));
        strip.setPixelColor(x0 + x, y, border ? outline : on_face ? style.face_top : edge);
      }
    strip.setPixelColor(x0 + s, 0, QColor(255, 0, 255));
    x0 += s + 1;
  }
  return strip;
}

bool WritePng(const std::string& path, const QImage& rgb888, std::string* error) {
  std::string why;
  const std::vector<std::uint8_t> png = EncodePng(rgb888, &why);
  if (png.empty()) {
    if (error) *error = path + ": " + why;
    return false;
  }
  // The file writer's messages already name the file.
  if (const Result written = WriteFileAtomically(path, png.data(), png.size()); !written) {
    if (error) *error = written.Message();
    return false;
  }
  return true;
}

namespace {

void AppendToVector(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void IgnoreFlush(png_structp) {}

}  // namespace

std::vector<std::uint8_t> EncodePng(const QImage& rgb888, std::string* error) {
  std::vector<std::uint8_t> out;
  if (rgb888.format() != QImage::Format_RGB888 || rgb888.isNull()) {
    if (error) *error = "picture is not 24-bit RGB";
    return out;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    if (error) *error = "out of memory";
    return out;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    out.clear();
    if (error) *error = "PNG encoding failed";
    return out;
  }
  png_set_write_fn(png, &out, AppendToVector, IgnoreFlush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(rgb888.width()),
               static_cast<png_uint_32>(rgb888.height()), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  // Flat tile art packs smaller unfiltered, and the game reads it two to three times
  // faster: inflating long matches beats undoing a filter on every row.
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_set_compression_level(png, 9);
  png_write_info(png, info);
  for (int y = 0; y < rgb888.height(); ++y) png_write_row(png, rgb888.constScanLine(y));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

std::string SheetFileName(const std::string& tileset, const TileSize& size) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "-%d-%d.png", size.width, size.height);
  return tileset + buffer;
}

std::string DescriptorText(const TileStyle& style) {
  std::string text = "# Tileset \"" + style.name + "\", drawn by tilvane-tilegen.\n";
  for (const TileSize& s : style.sizes)
    text += "width: " + std::to_string(s.width) + "; height: " + std::to_string(s.height) +
            "; depth: " + std::to_string(s.depth) + ";\n";
  return text;
}

bool WriteTileset(const std::string& directory, const TileStyle& style, std::string* error) {
  const std::string prefix = directory.empty() ? std::string() : directory + "/";
  for (const TileSize& size : style.sizes) {
    if (!WritePng(prefix + SheetFileName(style.name, size), DrawSheet(style, size), error))
      return false;
  }
  const std::string path = prefix + style.name + ".tiles";
  const std::string text = DescriptorText(style);
  if (const Result written = WriteFileAtomically(path, text.data(), text.size()); !written) {
    if (error) *error = written.Message();
    return false;
  }
  return true;
}

}  // namespace tv::tilegen
