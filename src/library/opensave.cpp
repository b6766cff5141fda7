#include "library/opensave.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <filesystem>

#include "game/names.h"
#include "library/rename.h"

namespace tv {
namespace {

constexpr int kFileColumnWidth = 150;  // three columns across the list

std::string WithName(const char* format, const std::string& name) {
  std::string text = format;
  text.replace(text.find("%s"), 2, name);
  return text;
}

}  // namespace

std::vector<std::string> ListLayoutFiles(const std::string& layoutsDir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(layoutsDir, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string file = it->path().filename().string();
    if (file.size() > 4 && SameNameIgnoringCase(file.substr(file.size() - 4), ".mah"))
      names.push_back(LowerAscii(file.substr(0, file.size() - 4)));
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return CompareNamesIgnoringCase(a, b) < 0;
  });
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
  LV_Files->setObjectName("LV_Files");
  LV_Files->setGeometry(16, 16, 465, 241);
  LV_Files->setViewMode(QListView::ListMode);
  LV_Files->setFlow(QListView::TopToBottom);
  LV_Files->setWrapping(true);
  LV_Files->setResizeMode(QListView::Adjust);
  LV_Files->setUniformItemSizes(true);
  LV_Files->setTextElideMode(Qt::ElideRight);
  L_FileName = new QLabel("Enter file name", P_Form);
  L_FileName->move(16, 276);
  E_FileName = new QLineEdit(P_Form);
  E_FileName->setObjectName("E_FileName");
  E_FileName->setGeometry(144, 272, 337, 26);
  E_FileName->setMaxLength(255);
  B_Ok = new QPushButton(P_Form);
  B_Ok->setObjectName("B_Ok");
  B_Ok->setGeometry(262, 325, 100, 32);
  B_Ok->setDefault(true);
  B_Cancel = new QPushButton("Cancel", P_Form);
  B_Cancel->setObjectName("B_Cancel");
  B_Cancel->setGeometry(381, 325, 100, 32);
  setFixedSize(P_Form->size());
  connect(LV_Files, &QListWidget::itemClicked, this, [this] { CopySelected(); });
  connect(LV_Files, &QListWidget::currentRowChanged, this, [this] { CopySelected(); });
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
      item->setToolTip(item->text());
  }
  E_FileName->setText(QString::fromStdString(name_));
  const bool save = mode_ == OpenSaveMode::Save;
  setWindowTitle(save ? "Save Layout File" : "Open Layout File");
  B_Ok->setText(save ? "Save" : "Open");
  if (save) {
    E_FileName->selectAll();
    E_FileName->setFocus();
  } else {
    LV_Files->setFocus();
  }
  QDialog::showEvent(event);
}

void TF_OpenSave::CopySelected() {
  if (QListWidgetItem* item = LV_Files->currentItem()) E_FileName->setText(item->text());
}

void TF_OpenSave::B_OkClick() {
  std::string name;
  const Result cleaned = CleanFileName(E_FileName->text().toStdString(), name);
  E_FileName->setText(QString::fromStdString(name));
  if (!cleaned) {
    if (report_) report_(cleaned.Message());
    return;
  }
  const bool exists = !FindLayoutFile(layoutsDir_, name).empty();
  if (mode_ == OpenSaveMode::Open && !exists) {
    if (report_) report_(WithName("File \"%s\" does not exist!", name));
    return;
  }
  if (mode_ == OpenSaveMode::Save && exists &&
      !(ask_ && ask_(WithName("File \"%s\" already exists. Overwrite it?", name))))
    return;
  name_ = name;
  accept();
}

}  // namespace tv
