// SPDX-License-Identifier: GPL-3.0-or-later
// The 42 tile faces: names, match classes, pair order and sheet cells.
#include "game/faces.h"

namespace tv {

const std::array<const char*, kFaceCount> FaceNames = {
    "Dots 1",        "Dots 2",       "Dots 3",        "Dots 4",        "Dots 5",
    "Dots 6",        "Dots 7",       "Dots 8",        "Dots 9",        "Bamboos 1",
    "Bamboos 2",     "Bamboos 3",    "Bamboos 4",     "Bamboos 5",     "Bamboos 6",
    "Bamboos 7",     "Bamboos 8",    "Bamboos 9",     "Characters 1",  "Characters 2",
    "Characters 3",  "Characters 4", "Characters 5",  "Characters 6",  "Characters 7",
    "Characters 8",  "Characters 9", "Season Winter", "Season Spring", "Season Summer",
    "Season Autumn", "Wind North",   "Wind South",    "Wind East",     "Wind West",
    "Flower",        "Flower",       "Flower",        "Flower",        "Green Dragon",
    "White Dragon",  "Red Dragon"};

static constexpr std::array<std::uint8_t, kFaceCount> MakeFaceClass() {
  std::array<std::uint8_t, kFaceCount> c{};
  for (int f = 0; f < kFaceCount; ++f) {
    if (f <= 26)
      c[f] = static_cast<std::uint8_t>(f);
    else if (f <= 30)
      c[f] = 27;  // seasons
    else if (f <= 34)
      c[f] = static_cast<std::uint8_t>(f - 3);  // winds 28..31
    else if (f <= 38)
      c[f] = 32;  // flowers
    else
      c[f] = static_cast<std::uint8_t>(f - 6);  // dragons 33..35
  }
  return c;
}

static constexpr std::array<std::uint8_t, kFullSetSize> MakeFullSet() {
  std::array<std::uint8_t, kFullSetSize> s{};
  int n = 0;
  auto four = [&](int face) {
    for (int k = 0; k < 4; ++k) s[n++] = static_cast<std::uint8_t>(face);
  };
  for (int f = 0; f <= 26; ++f) four(f);
  for (int f = 27; f <= 30; ++f) s[n++] = static_cast<std::uint8_t>(f);
  for (int f = 31; f <= 34; ++f) four(f);
  for (int f = 35; f <= 38; ++f) s[n++] = static_cast<std::uint8_t>(f);
  for (int f = 39; f <= 41; ++f) four(f);
  return s;
}

const std::array<std::uint8_t, kFaceCount> FaceClass = MakeFaceClass();
const std::array<std::uint8_t, kFullSetSize> FullSet = MakeFullSet();

const char* FaceName(int face) {
  return face >= 0 && face < kFaceCount ? FaceNames[face] : "";
}

Text FaceText(int face) {
  if (face < 0 || face >= kFaceCount) return {};
  constexpr const char* kSuits[3] = {TV_TRANSLATE_NOOP("Messages", "Dots %1"),
                                     TV_TRANSLATE_NOOP("Messages", "Bamboos %1"),
                                     TV_TRANSLATE_NOOP("Messages", "Characters %1")};
  if (face <= 26) return Text::Template(kSuits[face / 9], {std::to_string(face % 9 + 1)});
  constexpr const char* kHonours[kFaceCount - 27] = {TV_TRANSLATE_NOOP("Messages", "Season Winter"),
                                                     TV_TRANSLATE_NOOP("Messages", "Season Spring"),
                                                     TV_TRANSLATE_NOOP("Messages", "Season Summer"),
                                                     TV_TRANSLATE_NOOP("Messages", "Season Autumn"),
                                                     TV_TRANSLATE_NOOP("Messages", "Wind North"),
                                                     TV_TRANSLATE_NOOP("Messages", "Wind South"),
                                                     TV_TRANSLATE_NOOP("Messages", "Wind East"),
                                                     TV_TRANSLATE_NOOP("Messages", "Wind West"),
                                                     TV_TRANSLATE_NOOP("Messages", "Flower"),
                                                     TV_TRANSLATE_NOOP("Messages", "Flower"),
                                                     TV_TRANSLATE_NOOP("Messages", "Flower"),
                                                     TV_TRANSLATE_NOOP("Messages", "Flower"),
                                                     TV_TRANSLATE_NOOP("Messages", "Green Dragon"),
                                                     TV_TRANSLATE_NOOP("Messages", "White Dragon"),
                                                     TV_TRANSLATE_NOOP("Messages", "Red Dragon")};
  return Text::Template(kHonours[face - 27]);
}

std::uint8_t MatchClassOf(int face) {
  return face >= 0 && face < kFaceCount ? FaceClass[face] : 0;
}

SheetCell SheetCellOf(int face) {
  if (face < 9) return {face, 0};
  if (face < 18) return {face - 9, 1};
  if (face < 27) return {face - 18, 2};
  if (face < 35) return {face - 27, 3};
  return {face - 35, 4};
}

}  // namespace tv
