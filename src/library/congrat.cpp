// SPDX-License-Identifier: GPL-3.0-or-later
// The congratulation dialog: the won game's stars and the record holder's name.
#include "library/congrat.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "content/dense_label.h"
#include "game/catalogue.h"
#include "game/layout_library.h"
#include "game/names.h"
#include "library/library_pictures.h"

namespace tv {

TF_Congrat::TF_Congrat(const QImage& largeStars, QWidget* parent,
                       std::function<QImage(QSize size)> draw)
    : QDialog(parent), largeStars_(largeStars, 32, std::move(draw)) {
  setObjectName("TF_Congrat");
  setWindowTitle(tr("Congratulations!"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  P_Form = new QWidget(this);
  P_Form->setObjectName("P_Form");
  L_Title = new QLabel(P_Form);
  L_Title->setObjectName("L_Title");
  L_Title->setAlignment(Qt::AlignHCenter);
  L_Title->setGeometry(20, 16, 320, 19);
  QFont bold = L_Title->font();
  bold.setBold(true);
  L_Title->setFont(bold);
  I_Stars = new DenseLabel(P_Form);
  I_Stars->setObjectName("I_Stars");
  I_Stars->setGeometry(129, 50, 102, 32);
  L_PlayerNameCap = new QLabel(tr("Please enter your name for the records table:"), P_Form);
  L_PlayerNameCap->setObjectName("L_PlayerNameCap");
  L_PlayerNameCap->setAlignment(Qt::AlignHCenter);
  L_PlayerNameCap->setGeometry(20, 100, 320, 19);
  E_PlayerName = new QLineEdit(P_Form);
  E_PlayerName->setAccessibleName(tr("Player name"));
  E_PlayerName->setObjectName("E_PlayerName");
  E_PlayerName->setGeometry(20, 138, 320, 26);
  E_PlayerName->setMaxLength(100);
  B_Ok = new QPushButton(tr("OK"), P_Form);
  B_Ok->setObjectName("B_Ok");
  B_Ok->setGeometry(70, 192, 100, 32);
  B_Cancel = new QPushButton(tr("Cancel"), P_Form);
  B_Cancel->setObjectName("B_Cancel");
  B_Cancel->setGeometry(190, 192, 100, 32);
  B_Close = new QPushButton(tr("Close"), P_Form);
  B_Close->setObjectName("B_Close");
  B_Close->setGeometry(130, 128, 100, 32);
  B_NextLayout = new QPushButton(tr("Next layout"), P_Form);
  B_NextLayout->setObjectName("B_NextLayout");
  // Enter in the name field does not close the dialog.
  for (QPushButton* b : {B_Ok, B_Cancel, B_Close, B_NextLayout}) b->setAutoDefault(false);
  connect(B_NextLayout, &QPushButton::clicked, this, [this] {
    nextChosen_ = true;
    record_ ? B_OkClick() : reject();
  });
  connect(B_Ok, &QPushButton::clicked, this, [this] { B_OkClick(); });
  connect(B_Cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(B_Close, &QPushButton::clicked, this, &QDialog::reject);
}

bool TF_Congrat::Ask(bool record, int stars, std::string& name) {
  record_ = record;
  nextChosen_ = false;
  starsPicture_ = largeStars_.Row(stars);
  I_Stars->SetMaker([this, stars](double ratio) { return largeStars_.Row(stars, ratio); });
  const bool ok = exec() == QDialog::Accepted;
  if (ok) name = E_PlayerName->text().toStdString();
  return ok;
}

void TF_Congrat::showEvent(QShowEvent* event) {
  L_Title->setText(record_ ? tr("You have set a new record!") : tr("You have won the game!"));
  for (QWidget* w : {static_cast<QWidget*>(L_PlayerNameCap), static_cast<QWidget*>(E_PlayerName),
                     static_cast<QWidget*>(B_Ok), static_cast<QWidget*>(B_Cancel)})
    w->setVisible(record_);
  B_Close->setVisible(!record_);
  // Beside Close when won, below OK and Cancel for a record.
  B_Close->setGeometry(nextOffered_ ? 190 : 130, 128, 100, 32);
  B_NextLayout->setGeometry(record_ ? QRect(130, 236, 100, 32) : QRect(70, 128, 100, 32));
  B_NextLayout->setVisible(nextOffered_);
  const QPushButton* last = nextOffered_ ? B_NextLayout : record_ ? B_Ok : B_Close;
  P_Form->setGeometry(0, 0, 360, last->geometry().bottom() + 1 + 25);
  setFixedSize(P_Form->size());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  if (record_) {
    E_PlayerName->setText(tr("Player"));
    E_PlayerName->selectAll();
    E_PlayerName->setFocus();
  } else {
    B_Close->setFocus();
  }
  QDialog::showEvent(event);
}

void TF_Congrat::B_OkClick() {
  std::string name = TrimBlanks(E_PlayerName->text().toStdString());
  if (name.empty()) name = kDefaultPlayer;
  E_PlayerName->setText(QString::fromStdString(name));
  accept();
}

}  // namespace tv
