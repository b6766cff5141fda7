// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the translations and translating the core's texts.
#include "content/translate.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>
#include <memory>

#include "game/language.h"

namespace tv {
namespace {

constexpr const char* kTranslatorName = "tv-translator";
constexpr const char* kLanguageProperty = "tv-language";

void RemoveTranslators() {
  QCoreApplication* app = QCoreApplication::instance();
  for (QTranslator* old :
       app->findChildren<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly)) {
    QCoreApplication::removeTranslator(old);
    delete old;
  }
}

bool Install(const QString& name, const QString& dir) {
  auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
  translator->setObjectName(kTranslatorName);
  if (!translator->load(name, dir) || !QCoreApplication::installTranslator(translator.get()))
    return false;
  translator.release();  // the application owns it
  return true;
}

}  // namespace

QString FillArgs(const QString& pattern, const std::vector<QString>& args) {
  QString out;
  out.reserve(pattern.size());
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const QChar next = i + 1 < pattern.size() ? pattern[i + 1] : QChar();
    const int index = next.unicode() - '1';
    if (pattern[i] == u'%' && index >= 0 && index < 9 && std::size_t(index) < args.size()) {
      out += args[std::size_t(index)];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

QString Translated(const Text& text) {
  if (text.What() == Text::Kind::kVerbatim) return QString::fromStdString(text.Source());
  std::vector<QString> parts;
  for (const Text& arg : text.Args()) parts.push_back(Translated(arg));
  if (text.What() == Text::Kind::kLines) {
    QStringList lines(parts.begin(), parts.end());
    return lines.join(QString::fromLatin1(kMessageLineBreak));
  }
  const int count = text.HasCount() ? static_cast<int>(text.Count()) : -1;
  QString pattern =
      QCoreApplication::translate(kCoreTextContext, text.Source().c_str(), nullptr, count);
  // Without any translation (no English file either) English keeps its singular.
  if (count == 1 && text.EnglishOne() &&
      pattern ==
          QString::fromStdString(text.Source()).replace(QStringLiteral("%n"), QStringLiteral("1")))
    pattern =
        QString::fromUtf8(text.EnglishOne()).replace(QStringLiteral("%n"), QStringLiteral("1"));
  return FillArgs(pattern, parts);
}

std::string TranslatedUtf8(const Text& text) {
  return Translated(text).toStdString();
}

QString LocalTime(const std::string& hms) {
  const QStringList parts = QString::fromStdString(hms).split(QLatin1Char(':'));
  if (parts.size() != 3) return QString::fromStdString(hms);
  return QCoreApplication::translate("Status", "%1:%2:%3").arg(parts[0], parts[1], parts[2]);
}

std::string MessageOf(const Result& result) {
  return TranslatedUtf8(result.Words());
}

std::vector<std::string> AvailableLanguages(const std::string& translationsDir) {
  std::vector<std::string> codes;
  const QStringList files =
      QDir(QString::fromStdString(translationsDir))
          .entryList({QStringLiteral("tilvane_*.qm")}, QDir::Files, QDir::Name);
  for (const QString& file : files) {
    const QString code = file.mid(8, file.size() - 8 - 3);
    if (code != QStringLiteral("en")) codes.push_back(code.toStdString());
  }
  return codes;
}

std::string InstallTranslations(const std::string& translationsDir, std::string language) {
  if (language.empty()) {
    language = ChooseLanguage(WantedLanguages([](const char* name) { return std::getenv(name); }),
                              AvailableLanguages(translationsDir));
  } else if (language == "en") {
    language.clear();
  }
  RemoveTranslators();
  const QString dir = QString::fromStdString(translationsDir);
  // English has translations too: the plural forms the source texts leave to the count.
  const QString code = language.empty() ? QStringLiteral("en") : QString::fromStdString(language);
  Install(QStringLiteral("tilvane_") + code, dir);
  // The toolkit's own texts (the standard buttons), when the system has them.
  if (!language.empty())
    Install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  QLocale::setDefault(language.empty() ? QLocale::system() : QLocale(code));
  QCoreApplication::instance()->setProperty(kLanguageProperty, QString::fromStdString(language));
  return language;
}

std::string CurrentLanguage() {
  const QCoreApplication* app = QCoreApplication::instance();
  return app ? app->property(kLanguageProperty).toString().toStdString() : std::string();
}

}  // namespace tv
