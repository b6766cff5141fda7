// SPDX-License-Identifier: GPL-3.0-or-later
// Text from files and from the player shown as it is written, never as markup.
#pragma once

#include <QString>

namespace tv {

// Tooltips take any text that looks like markup as markup; this one shows the text itself.
inline QString PlainToolTip(const QString& text) {
  if (text.isEmpty()) return text;
  return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() +
         QStringLiteral("</p>");
}

}  // namespace tv
