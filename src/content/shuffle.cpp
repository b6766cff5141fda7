// SPDX-License-Identifier: GPL-3.0-or-later
// Game number dialog: the number is checked on OK and the dialog stays open on a bad one.
#include "content/shuffle.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>

namespace tv {

std::optional<std::uint32_t> ParseGameNumber(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (i < text.size() && text[i] == '+') ++i;
  if (i == text.size()) return std::nullopt;
  std::uint64_t number = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + std::uint64_t(c - '0');
    // Stops long before 64 bits could overflow.
    if (number > kLastGameNumber) return std::nullopt;
  }
  if (number < kFirstGameNumber) return std::nullopt;
  return static_cast<std::uint32_t>(number);
}

TF_Shuffle::TF_Shuffle(std::function<void(const std::string&)> report, QWidget* parent)
    : QDialog(parent), report_(std::move(report)) {
  setObjectName("TF_Shuffle");
  setWindowTitle(tr("Select Shuffle"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);

  P_Form = new QWidget(this);
  P_Form->setObjectName("P_Form");
  Label1 = new QLabel(tr("Select a game number from"), P_Form);
  Label1->setObjectName("Label1");
  Label1->setAlignment(Qt::AlignHCenter);
  Label2 = new QLabel(tr(kGameNumberRangeText), P_Form);
  Label2->setObjectName("Label2");
  Label2->setAlignment(Qt::AlignHCenter);
  E_Shuffle = new QLineEdit(P_Form);
  E_Shuffle->setAccessibleName(tr("Game number"));
  E_Shuffle->setObjectName("E_Shuffle");
  // Keep the selection visible while the field is unfocused.
  QPalette palette = E_Shuffle->palette();
  palette.setColor(QPalette::Inactive, QPalette::Highlight,
                   palette.color(QPalette::Active, QPalette::Highlight));
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   palette.color(QPalette::Active, QPalette::HighlightedText));
  E_Shuffle->setPalette(palette);
  B_Ok = new QPushButton(tr("OK"), P_Form);
  B_Ok->setObjectName("B_Ok");
  B_Ok->setDefault(true);
  B_Cancel = new QPushButton(tr("Cancel"), P_Form);
  B_Cancel->setObjectName("B_Cancel");

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(B_Ok);
  buttons->addWidget(B_Cancel);
  buttons->addStretch();
  auto* column = new QVBoxLayout(P_Form);
  column->setContentsMargins(16, 14, 16, 14);
  column->addWidget(Label1);
  column->addWidget(Label2);
  column->addSpacing(4);
  column->addWidget(E_Shuffle);
  column->addSpacing(6);
  column->addLayout(buttons);
  P_Form->adjustSize();
  P_Form->setFixedWidth(std::max(P_Form->width(), 240));

  connect(B_Ok, &QPushButton::clicked, this, [this] { B_OkClick(); });
  connect(B_Cancel, &QPushButton::clicked, this, &QDialog::reject);
  // Enter in the field reaches the dialog, which presses the default button B_Ok.
}

bool TF_Shuffle::Ask(std::uint32_t& seed) {
  seed_ = seed;
  if (exec() != QDialog::Accepted) return false;
  seed = seed_;
  return true;
}

void TF_Shuffle::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void TF_Shuffle::FormActivate() {
  P_Form->adjustSize();
  setFixedSize(P_Form->size());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
  E_Shuffle->setText(QString::number(seed_));
  E_Shuffle->selectAll();
  E_Shuffle->setFocus();
}

void TF_Shuffle::B_OkClick() {
  const auto number = ParseGameNumber(E_Shuffle->text().toStdString());
  if (!number) {
    if (report_) report_(tr(kGameNumberRangeMessage).toStdString());
    E_Shuffle->setFocus();
    return;
  }
  seed_ = *number;
  accept();
}

}  // namespace tv
