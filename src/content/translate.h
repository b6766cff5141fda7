// SPDX-License-Identifier: GPL-3.0-or-later
// The program in the player's language: the translations chosen by the desktop's locale,
// and the core's texts shown through them.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "game/result.h"
#include "game/text.h"

namespace tv {

// The core's text in the player's language; message lines stay joined with "$D".
QString Translated(const Text& text);
std::string TranslatedUtf8(const Text& text);
// A failed result's message in the player's language.
std::string MessageOf(const Result& result);

// A time of the clock or a record ("01:02:03", hours, minutes and seconds) as the
// player's language writes it.
QString LocalTime(const std::string& hms);

// %1..%9 of `pattern` replaced by `args` in one pass (an argument's own "%1" stays).
QString FillArgs(const QString& pattern, const std::vector<QString>& args);

// The languages the program has a translation of, from translationsDir's tilvane_xx.qm
// files ("de", "pt_BR"; English, the program's own, is not among them).
std::vector<std::string> AvailableLanguages(const std::string& translationsDir);

// Installs the program's and the toolkit's translations for the language the desktop
// asks for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), replacing any installed before, and
// makes it the default locale (sorting, numbers). An empty `language` asks the
// environment; "en" forces English. Returns the code in use, "" for English. Call it
// before any window is built.
std::string InstallTranslations(const std::string& translationsDir, std::string language = {});

// The code InstallTranslations put in use ("" for English).
std::string CurrentLanguage();

}  // namespace tv
