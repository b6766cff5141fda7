// SPDX-License-Identifier: GPL-3.0-or-later
// The small windows: game number check and dialog, about box in both modes, help
// viewer with and without its folder, message text and dialog placement.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <vector>

#include "app/art.h"
#include "app/program.h"
#include "app/widget_events.h"
#include "content/about.h"
#include "content/help.h"
#include "content/shuffle.h"
#include "support/temp_dir.h"

namespace tv {
namespace {

using test::App;
using test::KeyClick;
using test::MouseClick;
using test::MousePress;
using test::MouseRelease;

TEST(GameNumber, AcceptsTheOneRangeAndNeverWraps) {
  struct Case {
    const char* text;
    std::optional<std::uint32_t> expected;
  } cases[] = {
      {"42", 42u},
      {" 42", 42u},
      {"+7", 7u},
      {"1", 1u},
      {"4294967295", 4294967295u},
      {"2147483648", 2147483648u},
      {"2828434056", 2828434056u},  // shown by the status bar today
      {"0004294967295", 4294967295u},
      {"-1", std::nullopt},
      {"4294967297", std::nullopt},   // once wrapped to 1
      {"99999999999", std::nullopt},  // once wrapped to 1215752191
      {"9223372036854775807", std::nullopt},
      {"99999999999999999999999", std::nullopt},
      {"0", std::nullopt},
      {"4294967296", std::nullopt},
      {"-4294967296", std::nullopt},
      {"", std::nullopt},
      {"  ", std::nullopt},
      {"-", std::nullopt},
      {"+", std::nullopt},
      {"12a", std::nullopt},
      {"abc", std::nullopt},
      {"42 ", std::nullopt},
      {"1e3", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseGameNumber(c.text), c.expected) << c.text;
}

// Runs `action` once the modal dialog is up.
template <typename F>
void WhenShown(QWidget* dialog, F action) {
  QTimer::singleShot(0, dialog, [dialog, action] {
    ASSERT_TRUE(dialog->isVisible());
    action();
  });
}

TEST(ShuffleDialog, OkAtOnceKeepsTheOfferedNumberAndTheLabelNamesTheRange) {
  App();
  std::vector<std::string> messages;
  TF_Shuffle dialog([&](const std::string& m) { messages.push_back(m); });
  std::uint32_t seed = 3000000000u;
  WhenShown(&dialog, [&] {
    EXPECT_EQ(dialog.ShuffleEdit()->text(), "3000000000");
    EXPECT_EQ(dialog.ShuffleEdit()->selectedText(), "3000000000");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label2")->text(), "1 to 4294967295");
    KeyClick(dialog.ShuffleEdit(), Qt::Key_Return);
  });
  EXPECT_TRUE(dialog.Ask(seed));
  EXPECT_EQ(seed, 3000000000u);
  EXPECT_TRUE(messages.empty());
}

TEST(ShuffleDialog, BadEntryIsReportedAndTheDialogStaysOpenUntilCancel) {
  App();
  std::vector<std::string> messages;
  TF_Shuffle dialog([&](const std::string& m) { messages.push_back(m); });
  std::uint32_t seed = 77;
  WhenShown(&dialog, [&] {
    dialog.ShuffleEdit()->setText("4294967296");
    dialog.OkButton()->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(messages.size(), 1u);
    dialog.ShuffleEdit()->setText("0");
    KeyClick(dialog.ShuffleEdit(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    KeyClick(&dialog, Qt::Key_Escape);
  });
  EXPECT_FALSE(dialog.Ask(seed));
  EXPECT_EQ(seed, 77u);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], "The number must be in the range from 1 to 4294967295 !");
}

TEST(ShuffleDialog, ANumberOutsideTheRangeIsRefusedNotWrapped) {
  App();
  std::vector<std::string> messages;
  TF_Shuffle dialog([&](const std::string& m) { messages.push_back(m); });
  std::uint32_t seed = 5;
  WhenShown(&dialog, [&] {
    for (const char* text : {"-1", "99999999999"}) {
      dialog.ShuffleEdit()->setText(text);
      dialog.OkButton()->click();
      EXPECT_TRUE(dialog.isVisible()) << text;
    }
    dialog.ShuffleEdit()->setText("4294967295");
    dialog.OkButton()->click();
  });
  EXPECT_TRUE(dialog.Ask(seed));
  EXPECT_EQ(seed, 4294967295u);
  EXPECT_EQ(messages.size(), 2u);
}

AboutPictures Pictures() {
  return AboutArt();
}

TEST(AboutBox, ModesDifferInBorderOutlineAndPlayButton) {
  App();
  const AboutPictures pictures = Pictures();
  ASSERT_FALSE(pictures.Background.isNull());
  for (bool splash : {false, true}) {
    TF_About about(splash, pictures);
    about.show();
    EXPECT_EQ(about.size(), pictures.Background.size());
    EXPECT_EQ(bool(about.windowFlags() & Qt::FramelessWindowHint), splash);
    EXPECT_EQ(about.findChild<QWidget*>("B_Frame")->isVisible(), splash);
    auto* play = about.findChild<QLabel*>("I_Play");
    EXPECT_EQ(play->isVisible(), !splash);
    // Horizontally centred, 10 pixels above the bottom edge.
    EXPECT_EQ(play->x(), (about.width() - play->width()) / 2);
    EXPECT_EQ(play->geometry().bottom() + 1, about.height() - 10);
    for (const char* name : {"L_Version", "L_VersionShadow"}) {
      auto* label = about.findChild<QLabel*>(name);
      EXPECT_EQ(label->text(), "2.3.1");
      EXPECT_EQ(label->width(), 350);
    }
    auto* date = about.findChild<QLabel*>("L_Date");
    auto* shadow = about.findChild<QLabel*>("L_DateShadow");
    EXPECT_EQ(date->text(), "March 9, 2013");
    EXPECT_EQ(date->geometry().topLeft(), QPoint(10, 224));
    EXPECT_EQ(shadow->geometry().topLeft(), QPoint(11, 225));
  }
}

TEST(AboutBox, PlayButtonPressesAndClosesWithOk) {
  App();
  TF_About about(false, Pictures());
  auto* play = about.findChild<QLabel*>("I_Play");
  WhenShown(&about, [&] {
    const QImage up = play->pixmap().toImage();
    MousePress(play);
    EXPECT_NE(play->pixmap().toImage(), up);  // the pressed picture
    MouseRelease(play);
  });
  EXPECT_EQ(about.exec(), QDialog::Accepted);

  TF_About again(false, Pictures());
  WhenShown(&again, [&] { KeyClick(&again, Qt::Key_Escape); });
  EXPECT_EQ(again.exec(), QDialog::Rejected);
  TF_About third(false, Pictures());
  WhenShown(&third, [&] { MouseClick(third.findChild<QLabel*>("L_Date")); });
  EXPECT_EQ(third.exec(), QDialog::Accepted);
}

TEST(HelpViewer, SilentWithoutTheFolder) {
  App();
  test::TempDir dir;
  HelpViewer help(dir.dir());
  EXPECT_FALSE(help.Available());
  help.ShowTopic("play.htm");
  EXPECT_FALSE(help.isVisible());
  EXPECT_TRUE(help.CurrentTopic().empty());
}

TEST(HelpViewer, ShowsEveryTopicFromTheFolderBesideTheProgram) {
  App();
  test::TempDir dir;
  std::filesystem::copy(std::string(TILVANE_SOURCE_DIR) + "/data/help", dir.path() / "help",
                        std::filesystem::copy_options::recursive);
  HelpViewer help(dir.dir());
  ASSERT_TRUE(help.Available());
  for (const char* topic : {"cont.htm", "play.htm", "solution.htm", "create.htm", "choose.htm",
                            "music.htm", "stats.htm"}) {
    help.ShowTopic(topic);
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.CurrentTopic(), topic);
    EXPECT_TRUE(help.Browser()->source().toLocalFile().endsWith(topic));
    EXPECT_GT(help.Browser()->toPlainText().size(), 100) << topic;
  }
}

TEST(HelpViewer, LinksOpenTopicsAndReportAnAddressThatDoesNotOpen) {
  App();
  test::TempDir dir;
  std::filesystem::copy(std::string(TILVANE_SOURCE_DIR) + "/data/help", dir.path() / "help",
                        std::filesystem::copy_options::recursive);
  HelpViewer help(dir.dir());
  std::vector<std::string> messages;
  help.OnMessage = [&](const std::string& text) { messages.push_back(text); };
  help.OpenExternal = [](const QUrl&) { return false; };
  help.ShowTopic("cont.htm");
  help.OpenLink(QUrl("about.htm"));
  EXPECT_TRUE(help.Browser()->source().toLocalFile().endsWith("about.htm"));
  EXPECT_TRUE(messages.empty());
  help.OpenLink(QUrl("https://example.invalid/"));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("https://example.invalid/"), std::string::npos);
}

// A hostile page cannot make the viewer read a device, a pipe or a file outside the
// help, nor hand a script address to the desktop.
TEST(HelpViewer, ReadsOnlyItsOwnFolderAndFollowsOnlyWebAndMailAddresses) {
  App();
  test::TempDir dir;
  namespace fs = std::filesystem;
  fs::create_directories(dir.path() / "help/img");
  const std::string help = dir.dir() + "help/";
  std::ofstream(help + "img/ok.png") << "picture";
  std::ofstream(dir.dir() + "secret.txt") << "the player's";
  ASSERT_EQ(mkfifo((help + "pipe.png").c_str(), 0600), 0);
  fs::create_symlink(dir.path() / "secret.txt", dir.path() / "help/link.htm");
  const std::pair<std::string, bool> cases[] = {{help + "img/ok.png", true},
                                                {help + "img/../img/ok.png", true},
                                                {help + "../secret.txt", false},
                                                {dir.dir() + "secret.txt", false},
                                                {"/dev/zero", false},
                                                {help + "pipe.png", false},
                                                {help + "link.htm", false},
                                                {help + "img", false},
                                                {help + "missing.htm", false},
                                                {"", false}};
  for (const auto& [path, allowed] : cases) EXPECT_EQ(IsHelpFile(help, path), allowed) << path;

  std::ofstream(help + "cont.htm") << "<html><body><p>Contents</p><img src=\"/dev/zero\">"
                                      "<img src=\"pipe.png\"></body></html>";
  HelpViewer viewer(dir.dir());
  std::vector<std::string> messages;
  viewer.OnMessage = [&](const std::string& text) { messages.push_back(text); };
  int opened = 0;
  viewer.OpenExternal = [&](const QUrl&) { return ++opened > 0; };
  viewer.ShowTopic("cont.htm");  // returns: neither the device nor the pipe is read
  EXPECT_TRUE(viewer.Browser()->toPlainText().contains("Contents"));
  viewer.OpenLink(QUrl::fromLocalFile(QString::fromStdString(dir.dir() + "secret.txt")));
  EXPECT_FALSE(viewer.Browser()->toPlainText().contains("player"));
  EXPECT_TRUE(viewer.Browser()->toPlainText().contains("not part of the help"));
  viewer.OpenLink(QUrl("javascript:alert(1)"));
  viewer.OpenLink(QUrl("mailto:someone@example.invalid"));
  EXPECT_EQ(opened, 1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("javascript:"), std::string::npos);
}

TEST(MessageText, DollarDBecomesALineBreak) {
  EXPECT_EQ(ExpandLineBreaks("a$Db$D$Dc"), "a\r\nb\r\n\r\nc");
  EXPECT_EQ(ExpandLineBreaks("$"), "$");
  EXPECT_EQ(ExpandLineBreaks("price $5"), "price $5");
}

TEST(DialogPlacement, ThreeQuartersOfTheOwnerCentredOrTheMinimum) {
  App();
  QWidget owner;
  owner.setGeometry(100, 50, 800, 600);
  QWidget dialog;
  dialog.setMinimumSize(500, 300);
  PlaceDialog(&dialog, &owner);
  const QRect frame = owner.frameGeometry();
  EXPECT_EQ(dialog.width(), std::max(frame.width() * 3 / 4, 500));
  EXPECT_EQ(dialog.height(), std::max(frame.height() * 3 / 4, 300));
  EXPECT_EQ(dialog.x(), frame.left() + (frame.width() - dialog.width()) / 2);

  dialog.setMinimumSize(1000, 900);  // larger than the owner: clamped at the screen's origin
  PlaceDialog(&dialog, &owner);
  EXPECT_EQ(dialog.size(), QSize(1000, 900));
  EXPECT_EQ(dialog.pos(), QPoint(0, 0));
}

}  // namespace
}  // namespace tv
