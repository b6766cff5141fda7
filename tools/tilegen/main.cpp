// SPDX-License-Identifier: GPL-3.0-or-later
// tilvane-tilegen: draws our own tilesets into a tiles directory.
//   tilvane-tilegen --out DIR [--style NAME]...   (every style when none is named)
//   tilvane-tilegen --preview-strip FILE   (the layout chooser's blank preview tiles)
//   tilvane-tilegen --list
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "face_painter.h"
#include "tile_style.h"
#include "tileset_writer.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: tilvane-tilegen --out DIR [--style NAME]...\n"
               "       tilvane-tilegen --preview-strip FILE\n"
               "       tilvane-tilegen --list\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tv::tilegen;
  std::string out, strip;
  std::vector<const TileStyle*> styles;
  bool list = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--list") {
      list = true;
    } else if (arg == "--out" && i + 1 < argc) {
      out = argv[++i];
    } else if (arg == "--preview-strip" && i + 1 < argc) {
      strip = argv[++i];
    } else if (arg == "--style" && i + 1 < argc) {
      const TileStyle* style = FindStyle(argv[++i]);
      if (!style) {
        std::fprintf(stderr, "tilvane-tilegen: unknown style \"%s\"\n", argv[i]);
        return 2;
      }
      styles.push_back(style);
    } else {
      return Usage();
    }
  }
  if (list) {
    for (const TileStyle& s : BuiltInStyles()) std::printf("%s\n", s.name.c_str());
    return 0;
  }
  if (!strip.empty()) {
    std::string error;
    if (!WritePng(strip, DrawPreviewStrip(*FindStyle("standard")), &error)) {
      std::fprintf(stderr, "tilvane-tilegen: could not write the strip: %s\n", error.c_str());
      return 1;
    }
    if (out.empty()) return 0;
  }
  if (out.empty()) return Usage();
  if (styles.empty())
    for (const TileStyle& s : BuiltInStyles()) styles.push_back(&s);

  // Drawing needs no screen.
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  if (const std::string problem = CheckGlyphFont(); !problem.empty()) {
    std::fprintf(stderr, "tilvane-tilegen: %s\n", problem.c_str());
    return 1;
  }
  for (const TileStyle* style : styles) {
    std::string error;
    if (!WriteTileset(out, *style, &error)) {
      std::fprintf(stderr, "tilvane-tilegen: could not write \"%s\": %s\n", style->name.c_str(),
                   error.c_str());
      return 1;
    }
    std::printf("%s: %zu sizes\n", style->name.c_str(), style->sizes.size());
  }
  return 0;
}
