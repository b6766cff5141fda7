// SPDX-License-Identifier: GPL-3.0-or-later
// The rename dialog: asks the chooser for a layout's new name.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tv {

class TF_Rename : public QDialog {
  Q_OBJECT

 public:
  // `report` shows a message; the existence test looks in `layoutsDir`.
  TF_Rename(std::string layoutsDir, std::function<void(const std::string&)> report,
            QWidget* parent = nullptr);

  // True with `newName` set (lower case, cleaned) when the player confirms.
  bool Ask(const std::string& oldName, std::string& newName);

  QLineEdit* NameEdit() const { return E_NewName; }
  QPushButton* RenameButton() const { return B_Rename; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void E_NewNameChange();
  void B_RenameClick();

  std::string layoutsDir_;
  std::function<void(const std::string&)> report_;
  std::string oldName_;
  std::string newName_;
  QWidget* P_Form = nullptr;
  QLabel* L_OldNameCap = nullptr;
  QLabel* L_OldName = nullptr;
  QLabel* L_NewNameCap = nullptr;
  QLineEdit* E_NewName = nullptr;
  QPushButton* B_Rename = nullptr;
  QPushButton* B_Cancel = nullptr;
};

// A line edit's text cleaned as it is typed: forbidden characters vanish and the
// caret stays where it was (shared by the rename and open/save dialogs).
void CleanWhileTyping(QLineEdit* edit);

}  // namespace tv
