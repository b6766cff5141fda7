// SPDX-License-Identifier: GPL-3.0-or-later
// Program paths, the message box and dialog placement.
#include "app/program.h"

#include <QMessageBox>
#include <QWidget>
#include <algorithm>

#include "app/user_folders.h"

namespace tv {

ProgramPaths MakeProgramPaths(std::string programDir) {
  if (!programDir.empty() && programDir.back() != '/') programDir += '/';
  const std::string shareDir = InstalledContentDir(programDir);
  if (RunsInstalled(programDir, shareDir))
    return InstalledPaths(programDir, shareDir, UserFoldersFromEnvironment());
  return PortablePaths(programDir);
}

std::string ExpandLineBreaks(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "$D") == 0) {
      out += "\r\n";
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

int ShowMessageBox(QWidget* parent, const std::string& text, int flags) {
  QMessageBox box(parent);
  box.setWindowTitle(kProgramTitle);
  // Qt breaks lines at '\n'; the carriage return stays out of the shown text.
  QString shown = QString::fromStdString(ExpandLineBreaks(text));
  shown.remove(QChar('\r'));
  // Messages name files and layouts; their text is never taken as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(shown);
  switch (flags & 0xF0) {
    case kMessageError:
      box.setIcon(QMessageBox::Critical);
      break;
    case kMessageQuestion:
      box.setIcon(QMessageBox::Question);
      break;
    case kMessageWarning:
      box.setIcon(QMessageBox::Warning);
      break;
    case kMessageInformation:
      box.setIcon(QMessageBox::Information);
      break;
    default:
      break;
  }
  if ((flags & 0x0F) == kMessageYesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
  }
  if ((flags & 0x0F) == kMessageYesNoCancel) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    const int answer = box.exec();
    return answer == QMessageBox::Yes  ? kAnswerYes
           : answer == QMessageBox::No ? kAnswerNo
                                       : kAnswerCancel;
  }
  if ((flags & 0x0F) == kMessageOkCancel) {
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok ? kAnswerOk : kAnswerCancel;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return kAnswerOk;
}

void PlaceDialog(QWidget* dialog, const QWidget* owner) {
  const QRect main = owner->frameGeometry();
  const QSize minimum = dialog->minimumSize();
  const int width = std::max(main.width() * 3 / 4, minimum.width());
  const int height = std::max(main.height() * 3 / 4, minimum.height());
  const int left = std::max(0, main.left() + (main.width() - width) / 2);
  const int top = std::max(0, main.top() + (main.height() - height) / 2);
  dialog->setGeometry(left, top, width, height);
}

}  // namespace tv
