// SPDX-License-Identifier: GPL-3.0-or-later
// Help window: a text browser over the help folder, following links between topics.
#include "content/help.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "content/translate.h"
#include "game/files.h"
#include "game/language.h"

namespace tv {
namespace {

constexpr std::size_t kMaxHelpFileBytes = 8 * 1024 * 1024;
QByteArray RefusedPage() {
  return (QStringLiteral("<html><body><h3>") +
          QCoreApplication::translate("HelpViewer", "This page is not part of the help.") +
          QStringLiteral("</h3><p>") +
          QCoreApplication::translate(
              "HelpViewer", "The help shows only the pages and pictures of its own folder.") +
          QStringLiteral("</p></body></html>"))
      .toUtf8();
}

// A browser that reads nothing but the help folder's own regular files: a page, however
// it was made, cannot point it at a device, a pipe or the player's files.
class HelpBrowser : public QTextBrowser {
 public:
  // A file missing from `languageDir` (the translated pages) is read from helpDir.
  HelpBrowser(std::string helpDir, std::string languageDir, QWidget* parent)
      : QTextBrowser(parent), helpDir_(std::move(helpDir)), languageDir_(std::move(languageDir)) {}

  QVariant loadResource(int type, const QUrl& name) override {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    std::vector<std::uint8_t> bytes;
    std::string path = url.isLocalFile() ? url.toLocalFile().toStdString() : std::string();
    if (!languageDir_.empty() && path.rfind(languageDir_, 0) == 0 && !FileExists(path))
      path = helpDir_ + path.substr(languageDir_.size());
    // Never an empty answer: the document would then open the file itself.
    if (!IsHelpFile(helpDir_, path) || !ReadWholeFile(path, bytes, kMaxHelpFileBytes))
      return type == QTextDocument::HtmlResource ? RefusedPage() : QByteArray(" ");
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
  }

 private:
  std::string helpDir_;
  std::string languageDir_;
};

}  // namespace

bool IsHelpFile(const std::string& helpDir, const std::string& path) {
  if (path.empty()) return false;
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::weakly_canonical(helpDir, error);
  if (error) return false;
  const std::filesystem::path file = std::filesystem::weakly_canonical(path, error);
  if (error || !std::filesystem::is_regular_file(file, error)) return false;
  const auto [end, rest] = std::mismatch(folder.begin(), folder.end(), file.begin(), file.end());
  // weakly_canonical leaves an empty last element for a trailing '/'.
  return (end == folder.end() || (std::next(end) == folder.end() && end->empty())) &&
         rest != file.end();
}

std::string HelpLanguage(const std::string& helpDir) {
  std::vector<std::string> folders;
  for (const QString& name :
       QDir(QString::fromStdString(helpDir)).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
    if (name != QStringLiteral("img")) folders.push_back(name.toStdString());
  const std::string program = CurrentLanguage();
  const std::vector<std::string> wanted =
      program.empty() ? WantedLanguages([](const char* name) { return std::getenv(name); })
                      : std::vector<std::string>{program};
  return ChooseLanguage(wanted, folders);
}

HelpViewer::HelpViewer(const std::string& programDir, QWidget* parent)
    : QWidget(parent, Qt::Window), helpDir_(programDir + "help/") {
  std::error_code error;
  available_ = std::filesystem::is_directory(helpDir_, error);
  if (available_) language_ = HelpLanguage(helpDir_);
  setObjectName("HelpViewer");
  setWindowTitle(tr("Tilvane Help"));
  resize(760, 600);
}

void HelpViewer::ShowTopic(const std::string& topic) {
  if (!available_) return;
  // The browser is made on first use: most runs never open the help.
  if (!browser_) {
    browser_ = new HelpBrowser(helpDir_, language_.empty() ? "" : helpDir_ + language_ + "/", this);
    browser_->setObjectName("HelpBrowser");
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpViewer::OpenLink);
    browser_->setSearchPaths({QString::fromStdString(helpDir_)});
    browser_->setAccessibleName(tr("Help page"));
    back_ = new QPushButton(tr("Back"), this);
    back_->setObjectName("B_Back");
    back_->setEnabled(false);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    // The topic follows the page, whichever way the browser got there.
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& url) { topic_ = url.fileName().toStdString(); });
    close_ = new QPushButton(tr("Close"), this);
    close_->setObjectName("B_Close");
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 6, 8, 8);
    buttons->addWidget(back_);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(browser_);
    layout->addLayout(buttons);
  }
  // Over a modal dialog the help is modal in its turn, or that dialog would block it.
  QWidget* modal = QApplication::activeModalWidget();
  const Qt::WindowModality wanted =
      modal != nullptr && modal != this ? Qt::ApplicationModal : Qt::NonModal;
  if (windowModality() != wanted && !(isVisible() && wanted == Qt::NonModal)) {
    hide();
    setWindowModality(wanted);
  }
  topic_ = topic;
  const QString path =
      QString::fromStdString(helpDir_ + (language_.empty() ? "" : language_ + "/") + topic);
  browser_->setSource(QUrl::fromLocalFile(path));
  if (!isVisible()) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->availableGeometry();
      move(area.center() - rect().center());
    }
  }
  show();
  raise();
  activateWindow();
}

void HelpViewer::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void HelpViewer::OpenLink(const QUrl& url) {
  if (url.isLocalFile() || url.isRelative()) {
    if (!browser_) return;
    if (url.hasFragment() && url.path().isEmpty()) {
      browser_->scrollToAnchor(url.fragment());
      return;
    }
    // A page's links are relative to the page.
    const QUrl target = browser_->source().resolved(url);
    topic_ = target.fileName().toStdString();
    browser_->setSource(target);
    return;
  }
  // Only addresses a web browser or a mail program shows leave the help.
  const QString scheme = url.scheme().toLower();
  if (scheme != "http" && scheme != "https" && scheme != "mailto") {
    if (OnMessage)
      OnMessage(tr("The link \"%1\" cannot be followed.").arg(url.toString()).toStdString());
    return;
  }
  const bool opened = OpenExternal ? OpenExternal(url) : QDesktopServices::openUrl(url);
  if (opened) return;
  if (OnMessage)
    OnMessage((tr("Could not open the address \"%1\"!").arg(url.toString()) + kMessageLineBreak +
               tr("No program to show it was found."))
                  .toStdString());
}

}  // namespace tv
