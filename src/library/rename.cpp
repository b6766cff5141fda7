// SPDX-License-Identifier: GPL-3.0-or-later
// The rename dialog: asks for a layout's new name and hands it back.
#include "library/rename.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "content/translate.h"
#include "game/names.h"

namespace tv {

void CleanWhileTyping(QLineEdit* edit) {
  std::string text = edit->text().toStdString();
  if (!SanitizeName(text)) return;
  const int caret = edit->cursorPosition();
  const QString cleaned = QString::fromStdString(text);
  edit->setText(cleaned);
  edit->setCursorPosition(std::min<int>(caret, int(cleaned.size())));
}

TF_Rename::TF_Rename(std::string layoutsDir, std::function<void(const std::string&)> report,
                     QWidget* parent)
    : QDialog(parent), layoutsDir_(std::move(layoutsDir)), report_(std::move(report)) {
  setObjectName("TF_Rename");
  setWindowTitle(tr("Rename Layout"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  P_Form = new QWidget(this);
  P_Form->setGeometry(0, 0, 352, 145);
  L_OldNameCap = new QLabel(tr("Rename"), P_Form);
  L_OldNameCap->move(16, 20);
  L_OldName = new QLabel(P_Form);
  L_OldName->setObjectName("L_OldName");
  L_OldName->setTextFormat(Qt::PlainText);
  L_OldName->setGeometry(96, 20, 240, 20);
  L_NewNameCap = new QLabel(tr("To"), P_Form);
  L_NewNameCap->move(16, 52);
  E_NewName = new QLineEdit(P_Form);
  E_NewName->setObjectName("E_NewName");
  E_NewName->setAccessibleName(tr("New name"));
  E_NewName->setGeometry(96, 48, 240, 26);
  E_NewName->setMaxLength(255);
  B_Rename = new QPushButton(tr("Rename"), P_Form);
  B_Rename->setObjectName("B_Rename");
  B_Rename->setGeometry(120, 96, 100, 32);
  B_Rename->setDefault(true);
  B_Cancel = new QPushButton(tr("Cancel"), P_Form);
  B_Cancel->setObjectName("B_Cancel");
  B_Cancel->setGeometry(236, 96, 100, 32);
  setFixedSize(P_Form->size());
  connect(E_NewName, &QLineEdit::textChanged, this, [this] { E_NewNameChange(); });
  connect(B_Rename, &QPushButton::clicked, this, [this] { B_RenameClick(); });
  connect(B_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TF_Rename::Ask(const std::string& oldName, std::string& newName) {
  oldName_ = oldName;
  L_OldName->setText(QString::fromStdString(oldName));
  E_NewName->setText(QString::fromStdString(oldName));
  if (exec() != QDialog::Accepted) return false;
  newName = newName_;
  return true;
}

void TF_Rename::showEvent(QShowEvent* event) {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  E_NewName->selectAll();
  E_NewName->setFocus();
  QDialog::showEvent(event);
}

void TF_Rename::E_NewNameChange() {
  CleanWhileTyping(E_NewName);
}

void TF_Rename::B_RenameClick() {
  std::string name;
  const Result checked =
      CheckRenameName(E_NewName->text().toStdString(), oldName_, layoutsDir_, name);
  E_NewName->setText(QString::fromStdString(name));
  if (!checked) {
    if (report_) report_(MessageOf(checked));
    E_NewName->setFocus();
    return;
  }
  newName_ = name;
  accept();
}

}  // namespace tv
