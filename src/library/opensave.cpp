// SPDX-License-Identifier: GPL-3.0-or-later
// The layout editor's open/save dialog: lists layout files and asks for a name.
#include "library/opensave.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "content/plain_text.h"
#include "content/translate.h"
#include "game/names.h"
#include "library/rename.h"

namespace tv {
namespace {

constexpr int kFileColumnWidth = 150;  // three columns across the list

std::string WithName(const QString& format, const std::string& name) {
  return format.arg(QString::fromStdString(name)).toStdString();
}

}  // namespace

std::vector<std::string> ListLayoutFiles(const std::string& layoutsDir) {
  std::vector<std::string> names;
  for (const LayoutFile& file : ListLayoutFolder(layoutsDir))
    names.push_back(LowerAscii(file.Name));
  return names;
}

TF_OpenSave::TF_OpenSave(std::string layoutsDir, std::function<void(const std::string&)> report,
                         std::function<bool(const std::string&)> ask, QWidget* parent)
    : QDialog(parent),
      layoutsDir_(std::move(layoutsDir)),
      report_(std::move(report)),
      ask_(std::move(ask)) {
  setObjectName("TF_OpenSave");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  P_Form = new QWidget(this);
  P_Form->setGeometry(0, 0, 497, 377);
  LV_Files = new QListWidget(P_Form);
  LV_Files->setAccessibleName(tr("Layout files"));
  LV_Files->setObjectName("LV_Files");
  LV_Files->setGeometry(16, 16, 465, 241);
  LV_Files->setViewMode(QListView::ListMode);
  LV_Files->setFlow(QListView::TopToBottom);
  LV_Files->setWrapping(true);
  LV_Files->setResizeMode(QListView::Adjust);
  LV_Files->setUniformItemSizes(true);
  LV_Files->setTextElideMode(Qt::ElideRight);
  L_FileName = new QLabel(tr("Enter file name"), P_Form);
  L_FileName->move(16, 276);
  E_FileName = new QLineEdit(P_Form);
  E_FileName->setAccessibleName(tr("Enter file name"));
  E_FileName->setObjectName("E_FileName");
  E_FileName->setGeometry(144, 272, 337, 26);
  E_FileName->setMaxLength(255);
  B_Ok = new QPushButton(P_Form);
  B_Ok->setObjectName("B_Ok");
  B_Ok->setGeometry(262, 325, 100, 32);
  B_Ok->setDefault(true);
  B_Cancel = new QPushButton(tr("Cancel"), P_Form);
  B_Cancel->setObjectName("B_Cancel");
  B_Cancel->setGeometry(381, 325, 100, 32);
  setFixedSize(P_Form->size());
  connect(LV_Files, &QListWidget::itemClicked, this, [this] { CopySelected(); });
  // Only a row the player selects is copied: the list taking the focus makes its first
  // row current without selecting it, and the default name stays.
  connect(LV_Files, &QListWidget::itemSelectionChanged, this, [this] { CopySelected(); });
  connect(LV_Files, &QListWidget::itemDoubleClicked, this, [this] { B_OkClick(); });
  connect(E_FileName, &QLineEdit::textEdited, this, [this] { CleanWhileTyping(E_FileName); });
  connect(B_Ok, &QPushButton::clicked, this, [this] { B_OkClick(); });
  connect(B_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TF_OpenSave::Ask() {
  return exec() == QDialog::Accepted;
}

void TF_OpenSave::showEvent(QShowEvent* event) {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  LV_Files->clear();
  // One size for every row, whatever script a name is in, so the columns line up; a long
  // name is shortened in its cell and shown whole in its tooltip.
  const QSize cell(kFileColumnWidth, LV_Files->fontMetrics().height() + 4);
  for (const std::string& name : ListLayoutFiles(layoutsDir_)) {
    auto* item = new QListWidgetItem(QString::fromStdString(name), LV_Files);
    item->setSizeHint(cell);
    if (LV_Files->fontMetrics().horizontalAdvance(item->text()) > cell.width() - 8)
      item->setToolTip(PlainToolTip(item->text()));
  }
  E_FileName->setText(QString::fromStdString(name_));
  const bool save = mode_ == OpenSaveMode::kSave;
  setWindowTitle(save ? tr("Save Layout File") : tr("Open Layout File"));
  B_Ok->setText(save ? tr("Save") : tr("Open"));
  if (save) {
    E_FileName->selectAll();
    E_FileName->setFocus();
  } else {
    LV_Files->setFocus();
  }
  QDialog::showEvent(event);
}

void TF_OpenSave::CopySelected() {
  const QList<QListWidgetItem*> selected = LV_Files->selectedItems();
  if (!selected.isEmpty()) E_FileName->setText(selected.front()->text());
}

void TF_OpenSave::B_OkClick() {
  std::string name;
  const Result cleaned = CleanFileName(E_FileName->text().toStdString(), name);
  E_FileName->setText(QString::fromStdString(name));
  if (!cleaned) {
    if (report_) report_(MessageOf(cleaned));
    return;
  }
  const bool exists = !FindLayoutFile(layoutsDir_, name).empty();
  if (mode_ == OpenSaveMode::kOpen && !exists) {
    if (report_) report_(WithName(tr("File \"%1\" does not exist!"), name));
    return;
  }
  if (mode_ == OpenSaveMode::kSave && exists &&
      !(ask_ && ask_(WithName(tr("File \"%1\" already exists. Overwrite it?"), name))))
    return;
  name_ = name;
  accept();
}

}  // namespace tv
