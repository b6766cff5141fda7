// SPDX-License-Identifier: GPL-3.0-or-later
// The locale rule: the desktop's language wishes matched against what the program has.
#include "game/language.h"

#include <algorithm>
#include <cctype>

namespace tv {
namespace {

// "de_DE.UTF-8@euro" is "de_DE"; "zh-Hant-TW" is "zh_Hant_TW"; case as usual.
std::string Bare(std::string code) {
  code = code.substr(0, code.find_first_of(".@"));
  std::replace(code.begin(), code.end(), '-', '_');
  const std::size_t cut = code.find('_');
  for (std::size_t i = 0; i < code.size(); ++i) {
    const auto c = static_cast<unsigned char>(code[i]);
    code[i] = static_cast<char>(i < cut ? std::tolower(c) : std::toupper(c));
  }
  // A script is written "Hant", not "HANT".
  for (const std::string script : {"_HANT", "_HANS"}) {
    if (const std::size_t at = code.find(script); at != std::string::npos)
      code.replace(at, script.size(), script == "_HANT" ? "_Hant" : "_Hans");
  }
  return code;
}

bool Has(const std::vector<std::string>& available, const std::string& code) {
  return std::find(available.begin(), available.end(), code) != available.end();
}

// Chinese goes by script first, then by region; a plain "zh" means the mainland's.
std::string ChineseFor(const std::string& wish) {
  if (wish.find("_Hant") != std::string::npos) return "zh_TW";
  if (wish.find("_Hans") != std::string::npos) return "zh_CN";
  for (const char* region : {"_TW", "_HK", "_MO"})
    if (wish.size() >= 5 && wish.compare(wish.size() - 3, 3, region) == 0) return "zh_TW";
  return "zh_CN";
}

}  // namespace

std::vector<std::string> WantedLanguages(const EnvironmentReader& environment) {
  std::vector<std::string> wanted;
  if (const char* list = environment("LANGUAGE")) {
    std::string rest = list;
    for (std::size_t start = 0; start <= rest.size();) {
      const std::size_t end = std::min(rest.find(':', start), rest.size());
      if (end > start) wanted.push_back(Bare(rest.substr(start, end - start)));
      start = end + 1;
    }
  }
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = environment(name);
    if (value && *value) {
      wanted.push_back(Bare(value));
      break;
    }
  }
  return wanted;
}

std::string ChooseLanguage(const std::vector<std::string>& wanted,
                           const std::vector<std::string>& available) {
  for (const std::string& wish : wanted) {
    if (wish.empty()) continue;
    const std::string language = wish.substr(0, wish.find('_'));
    if (wish == "C" || wish == "POSIX" || language == "c" || language == "posix" ||
        language == "en")
      return "";
    if (Has(available, wish)) return wish;
    if (language == "zh") {
      if (const std::string chinese = ChineseFor(wish); Has(available, chinese)) return chinese;
      continue;
    }
    if (Has(available, language)) return language;
    for (const std::string& code : available)
      if (code.rfind(language + "_", 0) == 0) return code;
  }
  return "";
}

}  // namespace tv
