// SPDX-License-Identifier: GPL-3.0-or-later
// The locale rule picks the language a desktop asks for, and a core text keeps today's
// English when no translation is applied.
#include "game/language.h"

#include <gtest/gtest.h>

#include <map>

#include "game/faces.h"
#include "game/text.h"

namespace tv {
namespace {

TEST(Language, TheDesktopsWishesPickAnAvailableLanguageOrEnglish) {
  const std::vector<std::string> available = {"de", "fr", "pt_BR", "ru", "zh_CN", "zh_TW", "ja"};
  struct Case {
    std::map<std::string, std::string> environment;
    std::string chosen;
  };
  const Case cases[] = {
      {{}, ""},
      {{{"LANG", "de_DE.UTF-8"}}, "de"},
      {{{"LANG", "de_AT.UTF-8@euro"}}, "de"},
      {{{"LANGUAGE", "ja"}, {"LANG", "de_DE.UTF-8"}}, "ja"},
      {{{"LANGUAGE", "sv:fr_CA:de"}, {"LANG", "de_DE"}}, "fr"},  // unknown wishes are passed over
      {{{"LANGUAGE", ""}, {"LC_ALL", "ru_RU.UTF-8"}, {"LANG", "de_DE"}}, "ru"},
      {{{"LC_MESSAGES", "fr_FR"}, {"LANG", "de_DE"}}, "fr"},
      {{{"LC_ALL", "C"}, {"LANG", "de_DE"}}, ""},
      {{{"LANG", "C.UTF-8"}}, ""},
      {{{"LANG", "POSIX"}}, ""},
      {{{"LANGUAGE", "en_GB:de"}}, ""},  // English is a wish too
      {{{"LANG", "sv_SE.UTF-8"}}, ""},
      {{{"LANG", "pt_BR.UTF-8"}}, "pt_BR"},
      {{{"LANG", "pt_PT.UTF-8"}}, "pt_BR"},
      {{{"LANG", "zh_TW.UTF-8"}}, "zh_TW"},
      {{{"LANG", "zh_HK.UTF-8"}}, "zh_TW"},
      {{{"LANGUAGE", "zh-Hant"}}, "zh_TW"},
      {{{"LANG", "zh_SG.UTF-8"}}, "zh_CN"},
      {{{"LANGUAGE", "zh"}}, "zh_CN"},
  };
  for (const Case& c : cases) {
    const auto read = [&](const char* name) -> const char* {
      const auto it = c.environment.find(name);
      return it == c.environment.end() ? nullptr : it->second.c_str();
    };
    std::string shown;
    for (const auto& [name, value] : c.environment) shown += name + "=" + value + " ";
    EXPECT_EQ(ChooseLanguage(WantedLanguages(read), available), c.chosen) << shown;
  }
  EXPECT_EQ(ChooseLanguage({"zh_HK"}, {"zh_CN"}), "");  // Traditional wanted: no Simplified
}

TEST(Language, CoreTextsReadInEnglishAsTheyAlwaysDid) {
  const Text nested = Text::Lines(
      {Text::Template("Could not copy the layout \"%1\"!", {std::string("100%1 %n")}),
       Text::Template("Cannot open \"%1\": %2", {std::string("a"), std::string("No such file")})});
  EXPECT_EQ(nested.English(),
            "Could not copy the layout \"100%1 %n\"!$DCannot open \"a\": No such file");
  EXPECT_EQ(Text::Counted("%n Tiles Left", 144).English(), "144 Tiles Left");
  for (int face = 0; face < kFaceCount; ++face)
    EXPECT_EQ(FaceText(face).English(), FaceName(face)) << face;
}

}  // namespace
}  // namespace tv
