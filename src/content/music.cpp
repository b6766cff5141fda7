// SPDX-License-Identifier: GPL-3.0-or-later
// Sound and music options: the controls call the player at once (switches, volume,
// Play Next); OK takes the choice, the pause and the ticks, Cancel restores the rest.
#include "content/music.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace tv {

namespace {

constexpr int kRowHeight = 24;
constexpr int kTextInset = 5;

// Rows of the music list: check box, then the name, green for the song playing.
class MusicItemDelegate : public QStyledItemDelegate {
 public:
  MusicItemDelegate(const MusicPlayer& player, QObject* parent)
      : QStyledItemDelegate(parent), player_(player) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight};
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const bool selected = opt.state & QStyle::State_Selected;
    const bool enabled = widget ? widget->isEnabled() : true;
    painter->fillRect(opt.rect, selected && enabled ? opt.palette.highlight() : opt.palette.base());

    QStyleOptionViewItem check(opt);
    check.rect = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, widget);
    check.state = check.state & ~QStyle::State_HasFocus;
    check.state |= opt.checkState == Qt::Checked ? QStyle::State_On : QStyle::State_Off;
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &check, painter, widget);

    QColor ink;
    switch (MusicItemInk(enabled, player_.IsPlayingItem(index.row()), selected)) {
      case ItemInk::kDisabled:
        ink = QColor(128, 128, 128);
        break;
      case ItemInk::kPlayingSelected:
        ink = QColor(0, 255, 0);
        break;
      case ItemInk::kPlaying:
        ink = QColor(0, 192, 0);
        break;
      case ItemInk::kSelected:
        ink = opt.palette.color(QPalette::Active, QPalette::HighlightedText);
        break;
      case ItemInk::kNormal:
        ink = Qt::black;
        break;
    }
    const QRect text = QRect(check.rect.right() + 1, opt.rect.top(),
                             opt.rect.right() - check.rect.right(), opt.rect.height())
                           .adjusted(kTextInset, 0, -kTextInset, 0);
    painter->setPen(ink);
    painter->setFont(opt.font);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      opt.fontMetrics.elidedText(opt.text, Qt::ElideRight, text.width()));
  }

 private:
  const MusicPlayer& player_;
};

}  // namespace

TF_Music::TF_Music(SoundOutput& output, std::function<void(const std::string&)> showHelp,
                   QWidget* parent)
    : QDialog(parent), output_(&output), player_(&output.Player()), showHelp_(std::move(showHelp)) {
  setObjectName("TF_Music");
  setWindowTitle(tr("Sound and Music Options"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  // Modal to the main window only, so the help it opens can be read beside it.
  setWindowModality(Qt::WindowModal);
  BuildControls();
  CLB_MusicFiles->setItemDelegate(new MusicItemDelegate(*player_, CLB_MusicFiles));
  FillList();
  output.AttachControls(this);
}

TF_Music::~TF_Music() {
  if (output_) output_->AttachControls(nullptr);
}

void TF_Music::BuildControls() {
  P_Form = new QWidget(this);
  P_Form->setObjectName("P_Form");
  auto named = [](auto* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
  };

  GB_Sound = named(new QGroupBox(tr("Sound"), P_Form), "GB_Sound");
  CB_PlaySound = named(new QCheckBox(tr("Play Sound"), GB_Sound), "CB_PlaySound");
  (new QVBoxLayout(GB_Sound))->addWidget(CB_PlaySound);

  GB_Music = named(new QGroupBox(tr("Music"), P_Form), "GB_Music");
  CB_PlayMusic = named(new QCheckBox(tr("Play Music"), GB_Music), "CB_PlayMusic");
  (new QVBoxLayout(GB_Music))->addWidget(CB_PlayMusic);

  GB_Volume = named(new QGroupBox(tr("Volume"), P_Form), "GB_Volume");
  TB_Volume = named(new QSlider(Qt::Horizontal, GB_Volume), "TB_Volume");
  TB_Volume->setAccessibleName(tr("Volume"));
  TB_Volume->setRange(kMinVolume, kMaxVolume);
  TB_Volume->setPageStep(8);
  TB_Volume->setTickPosition(QSlider::TicksBelow);
  TB_Volume->setTickInterval(32);
  L_Volume = named(new QLabel("0", GB_Volume), "L_Volume");
  L_Volume->setMinimumWidth(30);
  L_Volume->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* volumeRow = new QHBoxLayout(GB_Volume);
  volumeRow->addWidget(TB_Volume, 1);
  volumeRow->addWidget(L_Volume);

  GB_MusicChoose = named(new QGroupBox(tr("Choose Music"), P_Form), "GB_MusicChoose");
  RB_ChooseRandom = named(new QRadioButton(tr("Randomly"), GB_MusicChoose), "RB_ChooseRandom");
  RB_ChooseOrder = named(new QRadioButton(tr("In Order"), GB_MusicChoose), "RB_ChooseOrder");
  auto* chooseRow = new QHBoxLayout(GB_MusicChoose);
  chooseRow->addWidget(RB_ChooseRandom);
  chooseRow->addWidget(RB_ChooseOrder);

  GB_MusicPause = named(new QGroupBox(tr("Pause between Music"), P_Form), "GB_MusicPause");
  SB_Pause = named(new QScrollBar(Qt::Horizontal, GB_MusicPause), "SB_Pause");
  SB_Pause->setAccessibleName(tr("Pause between Music"));
  SB_Pause->setRange(kMinMusicPause, kMaxMusicPause);
  SB_Pause->setSingleStep(kMaxMusicPause / 30);
  SB_Pause->setPageStep(kMaxMusicPause / 5);
  L_Pause = named(new QLabel(GB_MusicPause), "L_Pause");
  L_Pause->setMinimumWidth(90);
  L_Pause->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* pauseRow = new QHBoxLayout(GB_MusicPause);
  pauseRow->addWidget(SB_Pause, 1);
  pauseRow->addWidget(L_Pause);

  GB_MusicCur = named(new QGroupBox(tr("Music Files"), P_Form), "GB_MusicCur");
  CLB_MusicFiles = named(new QListWidget(GB_MusicCur), "CLB_MusicFiles");
  CLB_MusicFiles->setAccessibleName(tr("Music Files"));
  CLB_MusicFiles->setUniformItemSizes(true);
  CLB_MusicFiles->setMinimumSize(230, 8 * kRowHeight + 4);
  B_PlayNext = named(new QPushButton(tr("Play Next"), GB_MusicCur), "B_PlayNext");
  auto* filesColumn = new QVBoxLayout(GB_MusicCur);
  filesColumn->addWidget(CLB_MusicFiles, 1);
  auto* nextRow = new QHBoxLayout;
  nextRow->addStretch();
  nextRow->addWidget(B_PlayNext);
  filesColumn->addLayout(nextRow);

  B_Ok = named(new QPushButton(tr("OK"), P_Form), "B_Ok");
  B_Ok->setDefault(true);
  B_Cancel = named(new QPushButton(tr("Cancel"), P_Form), "B_Cancel");
  B_Help = named(new QPushButton(tr("Help"), P_Form), "B_Help");
  B_Help->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));

  auto* left = new QVBoxLayout;
  auto* switches = new QHBoxLayout;
  switches->addWidget(GB_Sound);
  switches->addWidget(GB_Music);
  left->addLayout(switches);
  left->addWidget(GB_Volume);
  left->addWidget(GB_MusicChoose);
  left->addWidget(GB_MusicPause);
  left->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(GB_MusicCur, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(B_Ok);
  buttons->addWidget(B_Cancel);
  buttons->addWidget(B_Help);
  auto* form = new QVBoxLayout(P_Form);
  form->setContentsMargins(10, 10, 10, 10);
  form->addLayout(columns);
  form->addLayout(buttons);

  connect(CB_PlaySound, &QCheckBox::clicked, this,
          [this](bool on) { player_->OnPlaySoundClicked(on); });
  connect(CB_PlayMusic, &QCheckBox::clicked, this,
          [this](bool on) { player_->OnPlayMusicClicked(on); });
  connect(TB_Volume, &QSlider::valueChanged, this, [this](int p) { TB_VolumeChange(p); });
  connect(SB_Pause, &QScrollBar::valueChanged, this, [this](int p) { SB_PauseChange(p); });
  connect(B_PlayNext, &QPushButton::clicked, this, [this] { player_->PlayNext(); });
  connect(B_Ok, &QPushButton::clicked, this, [this] { B_OkClick(); });
  connect(B_Cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(B_Help, &QPushButton::clicked, this, [this] {
    if (showHelp_) showHelp_("music.htm");
  });
}

void TF_Music::FillList() {
  CLB_MusicFiles->clear();
  for (const MusicFile& file : player_->Files()) {
    auto* item = new QListWidgetItem(QString::fromStdString(file.Name), CLB_MusicFiles);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(file.Ticked ? Qt::Checked : Qt::Unchecked);
  }
}

void TF_Music::Run() {
  exec();
}

void TF_Music::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void TF_Music::FormActivate() {
  P_Form->adjustSize();
  setFixedSize(P_Form->size());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  player_->OnDialogShown();
  player_->SetUpdating(true);
  const MusicState& state = player_->State();
  CB_PlaySound->setChecked(player_->SoundOn());
  (state.ChooseRandom ? RB_ChooseRandom : RB_ChooseOrder)->setChecked(true);
  CB_PlayMusic->setChecked(state.MusicOn);
  SB_Pause->setValue(state.PauseSeconds);
  SB_PauseChange(SB_Pause->value());
  L_Volume->setText(QString::number(TB_Volume->value()));
  const auto& files = player_->Files();
  for (int i = 0; i < CLB_MusicFiles->count() && i < int(files.size()); ++i)
    CLB_MusicFiles->item(i)->setCheckState(files[std::size_t(i)].Ticked ? Qt::Checked
                                                                        : Qt::Unchecked);
  player_->SetUpdating(false);
}

void TF_Music::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    if (showHelp_) showHelp_("music.htm");
    return;
  }
  QDialog::keyPressEvent(event);
}

void TF_Music::TB_VolumeChange(int position) {
  L_Volume->setText(QString::number(position));
  if (player_) player_->OnVolumeChanged(position);
}

void TF_Music::SB_PauseChange(int position) {
  int snapped = position;
  L_Pause->setText(QString::fromStdString(PauseLabel(snapped)));
  if (snapped != position) SB_Pause->setValue(snapped);
}

void TF_Music::B_OkClick() {
  std::vector<bool> ticks;
  for (int i = 0; i < CLB_MusicFiles->count(); ++i)
    ticks.push_back(CLB_MusicFiles->item(i)->checkState() == Qt::Checked);
  player_->OnOk(RB_ChooseRandom->isChecked(), SB_Pause->value(), ticks);
  accept();
}

void TF_Music::reject() {
  player_->OnCancel();
  QDialog::reject();
}

bool TF_Music::ItemTicked(int index) {
  const QListWidgetItem* item = CLB_MusicFiles->item(index);
  return item && item->checkState() == Qt::Checked;
}

int TF_Music::SelectedItem() {
  const auto selected = CLB_MusicFiles->selectedItems();
  return selected.isEmpty() ? -1 : CLB_MusicFiles->row(selected.front());
}

bool TF_Music::RandomChecked() {
  return RB_ChooseRandom->isChecked();
}

int TF_Music::VolumeBar() {
  return TB_Volume->value();
}

void TF_Music::SelectItem(int index) {
  if (index < 0 || index >= CLB_MusicFiles->count()) {
    CLB_MusicFiles->clearSelection();
    return;
  }
  CLB_MusicFiles->setCurrentRow(index);
}

void TF_Music::RepaintList() {
  CLB_MusicFiles->viewport()->update();
}

void TF_Music::EnableMusicControls(bool on) {
  CLB_MusicFiles->setEnabled(on);
  B_PlayNext->setEnabled(on);
}

void TF_Music::SetVolumeBar(int value) {
  TB_Volume->setValue(value);
}

}  // namespace tv
