// SPDX-License-Identifier: GPL-3.0-or-later
#include "render_command.h"

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "field/geometry.h"
#include "field/picture_loader.h"
#include "field/render.h"
#include "field/tilesets.h"
#include "game/deal.h"
#include "game/layout_file.h"
#include "tool_common.h"

namespace {

using namespace tv::tool;

constexpr int kMaxSide = 16384;

int RenderUsage() {
  std::cerr << "usage: tilvane-tool render FILE.mah --seed S --tiles DIR [--tileset NAME] "
               "--width W --height H [--no-shadows] [--no-dim] "
               "[--background 0xRRGGBB|PICTURE] -o OUT.png\n";
  return kExitUsage;
}

struct RenderArgs {
  std::string layout, tilesDir, tileset = "standard", background, out;
  std::uint32_t seed = 0;
  int width = 0, height = 0;
  bool haveSeed = false, shadows = true, dim = true;
};

bool ParseArgs(int argc, char** argv, RenderArgs& a) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    unsigned long long v = 0;
    std::string text;
    if (arg == "--seed") {
      if (!value(text) || !ParseUnsigned(text, 0xFFFFFFFFull, v)) return false;
      a.seed = static_cast<std::uint32_t>(v);
      a.haveSeed = true;
    } else if (arg == "--width" || arg == "--height") {
      if (!value(text) || !ParseUnsigned(text, kMaxSide, v) || v == 0) return false;
      (arg == "--width" ? a.width : a.height) = static_cast<int>(v);
    } else if (arg == "--tiles") {
      if (!value(a.tilesDir)) return false;
    } else if (arg == "--tileset") {
      if (!value(a.tileset)) return false;
    } else if (arg == "--background") {
      if (!value(a.background)) return false;
    } else if (arg == "-o") {
      if (!value(a.out)) return false;
    } else if (arg == "--no-shadows") {
      a.shadows = false;
    } else if (arg == "--no-dim") {
      a.dim = false;
    } else if (a.layout.empty() && !arg.empty() && arg[0] != '-') {
      a.layout = arg;
    } else {
      return false;
    }
  }
  return !a.layout.empty() && a.haveSeed && !a.tilesDir.empty() && a.width > 0 && a.height > 0 &&
         !a.out.empty();
}

}  // namespace

int RunRenderCommand(int argc, char** argv) {
  RenderArgs a;
  if (!ParseArgs(argc, argv, a)) return RenderUsage();

  tv::MODE_P board;
  if (const int code = LoadBoard(a.layout, board)) return code;
  board.Game.Seed = a.seed;
  tv::RandState rand{a.seed};
  tv::Solution solution;
  if (!tv::Deal(board, tv::kDealRestart, rand, solution).ok) {
    std::cerr << "tilvane-tool: the deal failed\n";
    return kExitDealFailed;
  }
  board.Game.TilesLeft = board.Game.TileCount;
  tv::MarkFreeTiles(board);

  tv::Tilesets sets;
  sets.ScanTilesets(a.tilesDir);
  const tv::TILESET_P* ts = sets.FindTileset(a.tileset);
  if (ts == nullptr) {
    std::cerr << "tilvane-tool: no tileset \"" << a.tileset << "\" in " << a.tilesDir << "\n";
    return kExitData;
  }
  tv::FieldPictures pictures;
  tv::MODE_P other;
  const int sizeIndex = tv::ChooseTileSize(board, ts, a.width, a.height);
  const tv::Result loaded =
      sets.LoadTileSize(ts, sizeIndex, false, tv::TileLoadTarget{&board, &other, &pictures});
  if (!loaded) {
    if (!loaded.Message().empty()) std::cerr << "tilvane-tool: " << loaded.Message() << "\n";
    std::cerr << "tilvane-tool: could not load tileset \"" << ts->Name << "\"\n";
    return kExitData;
  }
  tv::LayOutField(board, false, a.width, a.height);
  tv::PlaceTiles(board, board.Game.TileCount);

  tv::DrawSwitches sw;
  sw.DrawShadows = a.shadows;
  sw.DimLockedTiles = a.dim;
  tv::PixelBuffer background;
  if (!a.background.empty()) {
    unsigned long long rgb = 0;
    if (a.background.rfind("0x", 0) == 0 &&
        ParseUnsigned(a.background.substr(2), 0xFFFFFF, rgb, 16)) {
      sw.BkgColor = tv::JoinColor(int(rgb >> 16) & 255, int(rgb >> 8) & 255, int(rgb) & 255);
    } else {
      tv::PixelBuffer picture;
      if (const tv::Result opened = tv::OpenPicture(a.background, &picture); !opened) {
        std::cerr << "tilvane-tool: could not open picture \"" << a.background
                  << "\": " << opened.Message() << "\n";
        return kExitData;
      }
      background.Create(a.width, a.height);
      tv::ResizeBilinear(picture, background, 0, 0, a.width, a.height);
      sw.Background = &background;
    }
  }

  tv::PixelBuffer field(a.width, a.height);
  tv::FieldRenderer renderer(pictures, field);
  renderer.SetAvailableArea(a.width, a.height);
  renderer.RedrawAll(board, tv::FieldMarks{}, sw);
  if (const tv::Result saved = tv::SavePng(field, a.out); !saved) {
    std::cerr << "tilvane-tool: " << saved.Message() << "\n";
    return kExitIo;
  }
  return 0;
}
