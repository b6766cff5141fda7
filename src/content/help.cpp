// SPDX-License-Identifier: GPL-3.0-or-later
// Help window: a text browser over the help folder, following links between topics.
#include "content/help.h"

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
#include <filesystem>

namespace tv {

HelpViewer::HelpViewer(const std::string& programDir, QWidget* parent)
    : QWidget(parent, Qt::Window), helpDir_(programDir + "help/") {
  std::error_code error;
  available_ = std::filesystem::is_directory(helpDir_, error);
  setObjectName("HelpViewer");
  setWindowTitle("Tilvane Help");
  resize(760, 600);
}

void HelpViewer::ShowTopic(const std::string& topic) {
  if (!available_) return;
  // The browser is made on first use: most runs never open the help.
  if (!browser_) {
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("HelpBrowser");
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpViewer::OpenLink);
    browser_->setSearchPaths({QString::fromStdString(helpDir_)});
    back_ = new QPushButton("Back", this);
    back_->setObjectName("B_Back");
    back_->setEnabled(false);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    // The topic follows the page, whichever way the browser got there.
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& url) { topic_ = url.fileName().toStdString(); });
    close_ = new QPushButton("Close", this);
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
  topic_ = topic;
  const QString path = QString::fromStdString(helpDir_ + topic);
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
  const bool opened = OpenExternal ? OpenExternal(url) : QDesktopServices::openUrl(url);
  if (opened) return;
  if (OnMessage)
    OnMessage("Could not open the address \"" + url.toString().toStdString() +
              "\"!$DNo program to show it was found.");
}

}  // namespace tv
