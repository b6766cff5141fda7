// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own palette and style for every window, whatever the desktop's theme.
#include "app/program_looks.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace tv {

QPalette ProgramPalette() {
  const QColor cream(0xf4, 0xea, 0xd5), paper(0xfd, 0xf8, 0xee), button(0xec, 0xdc, 0xb9);
  const QColor ink(0x2a, 0x1d, 0x10), lacquer(0x8a, 0x3b, 0x22), faded(0xa0, 0x90, 0x7a);
  QPalette p(button, cream);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(group, QPalette::WindowText, ink);
    p.setColor(group, QPalette::Text, ink);
    p.setColor(group, QPalette::ButtonText, ink);
    p.setColor(group, QPalette::Base, paper);
    p.setColor(group, QPalette::AlternateBase, cream);
    p.setColor(group, QPalette::ToolTipBase, paper);
    p.setColor(group, QPalette::ToolTipText, ink);
    p.setColor(group, QPalette::PlaceholderText, faded);
    p.setColor(group, QPalette::Highlight, lacquer);
    p.setColor(group, QPalette::HighlightedText, paper);
    p.setColor(group, QPalette::Link, lacquer);
    p.setColor(group, QPalette::LinkVisited, lacquer.darker(130));
    p.setColor(group, QPalette::BrightText, paper);
  }
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, faded);
  p.setColor(QPalette::Disabled, QPalette::Base, cream);
  p.setColor(QPalette::Disabled, QPalette::Highlight, faded);
  return p;
}

void ApplyProgramLooks() {
  // The desktop's style and palette may be dark or odd; the game's windows are drawn for
  // this one, so they stay readable beside the bright pictures.
  if (QStyle* style = QStyleFactory::create("Fusion")) QApplication::setStyle(style);
  QApplication::setPalette(ProgramPalette());
}

}  // namespace tv
