// SPDX-License-Identifier: GPL-3.0-or-later
// The help pages: HTML topics in a "help" folder beside the program, shown in a
// browser window of the program's own. Without the folder every help command is silent.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

class QPushButton;
class QTextBrowser;
class QUrl;

namespace tv {

// True when `path` is a regular file inside `helpDir` (links resolved): what the help
// viewer may read.
bool IsHelpFile(const std::string& helpDir, const std::string& path);

// The language of the help pages: of helpDir's language folders ("de", "zh_CN"), the one
// the program's language, else the desktop's locale, asks for; "" for the English pages.
std::string HelpLanguage(const std::string& helpDir);

class HelpViewer : public QWidget {
  Q_OBJECT

 public:
  // `programDir` ends with '/'. The viewer is available when programDir + "help/" exists
  // (the check is made once, here, as the program starts).
  explicit HelpViewer(const std::string& programDir, QWidget* parent = nullptr);

  bool Available() const { return available_; }
  std::string HelpDir() const { return helpDir_; }
  // The folder of the translated pages under HelpDir(), "" for English. A page missing
  // there is shown in English, page by page.
  std::string Language() const { return language_; }

  // Shows the topic page ("play.htm"...) and brings the window forward; does nothing,
  // and reports nothing, when the viewer is not available.
  void ShowTopic(const std::string& topic);

  // Tells the player what went wrong (an address outside the help that did not open).
  std::function<void(const std::string&)> OnMessage;
  // Opens an address outside the help; false when nothing could show it.
  std::function<bool(const QUrl&)> OpenExternal;

  // Shows a link of a help page: another topic in the viewer, a web or mail address in
  // the system's programs, with a message when that fails or for any other address.
  void OpenLink(const QUrl& url);

  // The topic shown last, empty before the first.
  std::string CurrentTopic() const { return topic_; }
  // Null until the first topic is shown.
  QTextBrowser* Browser() const { return browser_; }
  // Back to the page shown before (disabled at the first); Close hides the window, as
  // Escape does. Null until the first topic is shown.
  QPushButton* BackButton() const { return back_; }
  QPushButton* CloseButton() const { return close_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::string helpDir_;
  std::string language_;
  bool available_ = false;
  std::string topic_;
  QTextBrowser* browser_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace tv
