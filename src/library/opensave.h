// SPDX-License-Identifier: GPL-3.0-or-later
// The open/save dialog of the layout editor: lists the layout files and asks for
// the name of a layout to open or to save.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tv {

enum class OpenSaveMode : int { kOpen, kSave };

// The names of the folder's layouts (ListLayoutFolder) in lower case (A to Z only),
// sorted ignoring case.
std::vector<std::string> ListLayoutFiles(const std::string& layoutsDir);

class TF_OpenSave : public QDialog {
  Q_OBJECT

 public:
  // `report` shows a message; `ask` asks an OK/Cancel question (true for OK).
  TF_OpenSave(std::string layoutsDir, std::function<void(const std::string&)> report,
              std::function<bool(const std::string&)> ask, QWidget* parent = nullptr);

  void SetMode(OpenSaveMode mode) { mode_ = mode; }
  void SetName(const std::string& name) { name_ = name; }
  // The chosen name; the default of the next use.
  const std::string& Name() const { return name_; }
  // Shows the dialog modally; true when a name was chosen.
  bool Ask();

  QListWidget* Files() const { return LV_Files; }
  QLineEdit* NameEdit() const { return E_FileName; }
  QPushButton* OkButton() const { return B_Ok; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void CopySelected();
  void B_OkClick();

  std::string layoutsDir_;
  std::function<void(const std::string&)> report_;
  std::function<bool(const std::string&)> ask_;
  OpenSaveMode mode_ = OpenSaveMode::kOpen;
  std::string name_;
  QWidget* P_Form = nullptr;
  QListWidget* LV_Files = nullptr;
  QLabel* L_FileName = nullptr;
  QLineEdit* E_FileName = nullptr;
  QPushButton* B_Ok = nullptr;
  QPushButton* B_Cancel = nullptr;
};

}  // namespace tv
