// SPDX-License-Identifier: GPL-3.0-or-later
// The program in its languages: the main window starts translated in each, and every
// control of the main window and the chooser has a name for assistive technology.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QToolButton>
#include <QXmlStreamReader>
#include <filesystem>

#include "app/layout_commands.h"
#include "app/main_window.h"
#include "app/program_folder.h"
#include "app/startup.h"
#include "app/widget_events.h"
#include "content/translate.h"
#include "game/layout_file.h"
#include "library/layouts.h"
#include "support/temp_dir.h"

namespace tv {
namespace {

namespace fs = std::filesystem;

const std::string kQmDir = std::string(TILVANE_BIN_DIR) + "/translations/";
const fs::path kTsDir = fs::path(TILVANE_SOURCE_DIR) / "translations";

// What the language's .ts file gives `source` of `context`; empty while unfinished.
QString TsTranslation(const std::string& language, const char* context, const char* source) {
  QFile file(QString::fromStdString((kTsDir / ("tilvane_" + language + ".ts")).string()));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QXmlStreamReader xml(&file);
  QString name, text, translation;
  bool unfinished = false;
  while (xml.readNextStartElement() || !xml.atEnd()) {
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"name") {
      name = xml.readElementText();
    } else if (xml.name() == u"source") {
      text = xml.readElementText();
    } else if (xml.name() == u"translation") {
      unfinished = xml.attributes().value(QStringLiteral("type")) == QStringLiteral("unfinished");
      translation = xml.readElementText();
      if (name == QLatin1String(context) && text == QLatin1String(source))
        return unfinished ? QString() : translation;
    }
  }
  return {};
}

std::unique_ptr<TF_Main> StartIn(const test::TempDir& dir) {
  StartOptions options;
  options.ProgramDir = dir.dir();
  options.MessageBox = [](const std::string&, int) { return kAnswerYes; };
  options.ShowSplash = false;
  options.HoldSplash = false;
  options.Pauses = false;
  auto window = StartProgram(options, std::chrono::steady_clock::now());
  if (window) window->resize(1280, 800);
  return window;
}

// Every control a player can reach, by keyboard or by pointer, says what it is.
void ExpectNamed(QAccessibleInterface* node, const QString& path) {
  if (!node) return;
  static const QAccessible::Role kControls[] = {
      QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton,
      QAccessible::ComboBox,   QAccessible::EditableText, QAccessible::List,
      QAccessible::Slider,     QAccessible::PageTab,      QAccessible::MenuItem,
      QAccessible::ButtonMenu, QAccessible::SpinBox};
  const QAccessible::Role role = node->role();
  const bool control =
      node->state().focusable ||
      std::find(std::begin(kControls), std::end(kControls), role) != std::end(kControls);
  QObject* object = node->object();
  const QString here = path + "/" + (object ? object->objectName() : QString()) + "(" +
                       QString::number(int(role), 16) + ")";
  const bool separator = role == QAccessible::Separator;
  if (control && !separator) {
    EXPECT_FALSE(node->text(QAccessible::Name).trimmed().isEmpty()) << here.toStdString();
  }
  for (int i = 0; i < node->childCount(); ++i) ExpectNamed(node->child(i), here);
}

TEST(Languages, TheMainWindowStartsInEachLanguage) {
  test::App();
  const std::vector<std::string> languages = AvailableLanguages(kQmDir);
  std::size_t sources = 0;
  for (const auto& entry : fs::directory_iterator(kTsDir))
    sources += entry.path().extension() == ".ts" && entry.path().stem() != "tilvane_en";
  EXPECT_EQ(languages.size(), sources) << "a .ts without its .qm, or the other way round";
  EXPECT_GE(languages.size(), 13u);
  test::TempDir dir;
  test::CopyPlayContent(dir.path());
  for (const std::string& language : languages) {
    ASSERT_EQ(InstallTranslations(kQmDir, language), language);
    const auto window = StartIn(dir);
    ASSERT_TRUE(window) << language;
    const QString first = window->menuBar()->actions().value(0)->text();
    const QString wanted = TsTranslation(language, "Menu", "&Game");
    EXPECT_FALSE(wanted.isEmpty()) << language << ": the first menu is not translated yet";
    EXPECT_NE(first, "&Game") << language;
    EXPECT_EQ(first, wanted) << language;
  }
  // English again, with its own plural forms, and an unknown language is English too.
  EXPECT_EQ(InstallTranslations(kQmDir, "en"), "");
  EXPECT_EQ(QCoreApplication::translate("Messages", "%n Reshuffles Left", nullptr, 1),
            "1 Reshuffle Left");
  EXPECT_EQ(QCoreApplication::translate("Messages", "%n Tiles Left", nullptr, 144),
            "144 Tiles Left");
}

TEST(Languages, EveryControlOfTheMainWindowAndTheChooserIsNamed) {
  test::App();
  test::TempDir dir;
  test::CopyPlayContent(dir.path());
  const auto window = StartIn(dir);
  ASSERT_TRUE(window);
  window->show();
  QApplication::processEvents();
  ExpectNamed(QAccessible::queryAccessibleInterface(window.get()), "TF_Main");
  QWidget* toolbars = window->findChild<QWidget*>("P_ToolbarHolder");
  ASSERT_TRUE(toolbars);
  for (QToolButton* button : toolbars->findChildren<QToolButton*>()) {
    EXPECT_FALSE(button->accessibleName().isEmpty()) << button->objectName().toStdString();
    EXPECT_FALSE(button->accessibleDescription().isEmpty()) << button->objectName().toStdString();
  }

  LayoutLibrary library(
      LibraryPaths{dir.dir() + "layouts/", dir.dir() + "tilvane.won2", dir.dir() + "tilvane.won"});
  ASSERT_TRUE(library.BuildCatalogue().Ok());
  TF_Layouts chooser(library, LoadLibraryPictures(), LayoutsCallbacks{});
  chooser.show();
  QApplication::processEvents();
  ExpectNamed(QAccessible::queryAccessibleInterface(&chooser), "TF_Layouts");
}

TEST(Languages, TheChooserSortsNamesAsTheLanguageDoes) {
  test::App();
  ASSERT_EQ(InstallTranslations(kQmDir, "de"), "de");
  test::TempDir dir;
  const std::string folder = dir.dir() + "layouts/";
  fs::create_directories(folder);
  for (const char* name : {"Zebra", "\u00c4pfel", "birne", "Apfel"})
    ASSERT_TRUE(WriteLayoutPositions(folder, name, {{0, 0, 0}, {2, 0, 0}}).Ok());
  LayoutLibrary library(
      LibraryPaths{folder, dir.dir() + "tilvane.won2", dir.dir() + "tilvane.won"});
  ASSERT_TRUE(library.BuildCatalogue().Ok());
  TF_Layouts chooser(library, LoadLibraryPictures(), LayoutsCallbacks{});
  std::vector<std::string> names;
  for (const EntryPtr& e : library.Layouts().Entries()) names.push_back(e->Name);
  // A byte order would put the umlaut after "Zebra".
  EXPECT_EQ(names, (std::vector<std::string>{"Apfel", "\u00c4pfel", "birne", "Zebra"}));
  InstallTranslations(kQmDir, "en");
}

}  // namespace
}  // namespace tv
