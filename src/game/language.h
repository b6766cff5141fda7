// SPDX-License-Identifier: GPL-3.0-or-later
// Which of the program's languages the player's desktop asks for.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tv {

// Reads an environment variable; null when unset.
using EnvironmentReader = std::function<const char*(const char*)>;

// The desktop's wishes in order: each entry of LANGUAGE (a colon list), then the first
// set of LC_ALL, LC_MESSAGES and LANG, each without its codeset and modifier
// ("de_DE.UTF-8@euro" is "de_DE").
std::vector<std::string> WantedLanguages(const EnvironmentReader& environment);

// The first wish one of `available` (codes like "de", "pt_BR", "zh_TW") can serve: the
// exact code, else Chinese by script or region (Hong Kong and Macau read Traditional,
// Singapore Simplified), else the language alone ("de_AT" is "de", "pt_PT" takes
// "pt_BR"). English, "C" and "POSIX" stop the search: the program's own English, as does
// a wish nobody serves. Returns "" for English.
std::string ChooseLanguage(const std::vector<std::string>& wanted,
                           const std::vector<std::string>& available);

}  // namespace tv
