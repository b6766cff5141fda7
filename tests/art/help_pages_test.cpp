// SPDX-License-Identifier: GPL-3.0-or-later
// The help pages, English and translated: every topic loads in a text browser, and every
// page, picture and stylesheet they point to is there, at the size the page gives it.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QUrl>

#include "qt_app.h"

namespace tv {
namespace {

const QStringList kTopics = {"cont.htm",     "play.htm",  "solution.htm", "create.htm",
                             "choose.htm",   "music.htm", "tilesets.htm", "bkgpics.htm",
                             "bkgcolor.htm", "about.htm"};
// English lies at the top; each translation has every topic in its own folder.
const QStringList kFolders = {"", "de/", "es/", "fr/", "zh_CN/"};

QString HelpDir() {
  return QStringLiteral(TILVANE_SOURCE_DIR "/data/help/");
}

QString ReadPage(const QString& name) {
  QFile file(HelpDir() + name);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

// Every value of the attribute in the page's tags.
QStringList Attributes(const QString& html, const QString& attribute) {
  QStringList values;
  const QRegularExpression pattern("\\b" + attribute + "\\s*=\\s*\"([^\"]*)\"",
                                   QRegularExpression::CaseInsensitiveOption);
  for (auto it = pattern.globalMatch(html); it.hasNext();) values << it.next().captured(1);
  return values;
}

class HelpPagesTest : public ::testing::Test {
 protected:
  void SetUp() override { test::EnsureApplication(); }
};

TEST_F(HelpPagesTest, EveryTopicLoadsInTheBrowser) {
  for (const QString& folder : kFolders)
    for (const QString& topic : kTopics) {
      SCOPED_TRACE((folder + topic).toStdString());
      ASSERT_TRUE(QFileInfo::exists(HelpDir() + folder + topic));
      QTextBrowser browser;
      browser.setSearchPaths({HelpDir() + folder});
      browser.setSource(QUrl::fromLocalFile(HelpDir() + folder + topic));
      EXPECT_FALSE(browser.documentTitle().isEmpty());
      EXPECT_GT(browser.toPlainText().size(), 400);
      // The stylesheet took effect: the headings are not in the default black.
      const QString html = browser.toHtml();
      EXPECT_TRUE(html.contains("#9a1d21", Qt::CaseInsensitive));
    }
}

TEST_F(HelpPagesTest, LinksPicturesAndStylesheetExist) {
  for (const QString& folder : kFolders)
    for (const QString& topic : kTopics) {
      SCOPED_TRACE((folder + topic).toStdString());
      const QString dir = HelpDir() + folder;
      const QString html = ReadPage(folder + topic);
      ASSERT_FALSE(html.isEmpty());
      for (QString target : Attributes(html, "href")) {
        EXPECT_FALSE(target.contains(':')) << "outside link " << target.toStdString();
        target = target.section('#', 0, 0);
        if (!target.isEmpty()) {
          EXPECT_TRUE(QFileInfo::exists(dir + target)) << target.toStdString();
        }
      }
      // Pictures exist, load, and are shown at their own size so they stay crisp.
      const QRegularExpression img("<img\\s[^>]*>", QRegularExpression::CaseInsensitiveOption);
      int pictures = 0;
      for (auto it = img.globalMatch(html); it.hasNext(); ++pictures) {
        const QString tag = it.next().captured(0);
        const QString src = Attributes(tag, "src").value(0);
        SCOPED_TRACE(src.toStdString());
        const QImage picture(dir + src);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(Attributes(tag, "width").value(0).toInt(), picture.width());
        EXPECT_EQ(Attributes(tag, "height").value(0).toInt(), picture.height());
      }
      EXPECT_GT(pictures, 0);
    }
}

TEST_F(HelpPagesTest, EveryTopicIsReachableFromTheContents) {
  for (const QString& folder : kFolders) {
    const QStringList fromContents = Attributes(ReadPage(folder + "cont.htm"), "href");
    for (const QString& topic : kTopics) {
      const std::string page = (folder + topic).toStdString();
      EXPECT_TRUE(fromContents.contains(topic)) << page;
      EXPECT_TRUE(Attributes(ReadPage(folder + topic), "href").contains("cont.htm")) << page;
    }
  }
}

TEST_F(HelpPagesTest, ThePagesAreCopiedBesideTheProgram) {
  for (const QString& folder : kFolders)
    for (const QString& topic : kTopics) {
      const QString page = folder + topic;
      QFile source(HelpDir() + page), copy(QStringLiteral(TILVANE_BIN_DIR "/help/") + page);
      ASSERT_TRUE(source.open(QIODevice::ReadOnly));
      ASSERT_TRUE(copy.open(QIODevice::ReadOnly)) << page.toStdString();
      EXPECT_EQ(source.readAll(), copy.readAll()) << page.toStdString();
    }
}

}  // namespace
}  // namespace tv
