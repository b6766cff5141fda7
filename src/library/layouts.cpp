// SPDX-License-Identifier: GPL-3.0-or-later
// The layout chooser's three pages, preview and record, working through the layout library.
#include "library/layouts.h"

#include <QCollator>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "content/dense_label.h"
#include "content/plain_text.h"
#include "content/translate.h"
#include "game/names.h"
#include "library/layout_header.h"
#include "library/layout_list.h"

namespace tv {
namespace {

constexpr int kMinWidth = 700;
constexpr int kMinHeight = 575;
constexpr int kInfoWidth = 270;
constexpr int kInfoHeight = 186;

std::string WithName(const QString& format, const std::string& name) {
  return format.arg(QString::fromStdString(name)).toStdString();
}

QFont Arial(int pixels, bool bold = false) {
  QFont f("Arial");
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

}  // namespace

std::string FormatRecordTime(double days) {
  const long long seconds = static_cast<long long>(std::floor(days * 86400.0 + 1e-6));
  char text[48];
  std::snprintf(text, sizeof text, "%.2lld:%.2lld:%.2lld", seconds / 3600, seconds / 60 % 60,
                seconds % 60);
  return text;
}

TF_Layouts::TF_Layouts(LayoutLibrary& library, const LibraryPictures& pictures,
                       LayoutsCallbacks callbacks, QWidget* parent)
    : QDialog(parent), library_(library), pictures_(pictures), callbacks_(std::move(callbacks)) {
  setObjectName("TF_Layouts");
  setWindowTitle(tr("Choose Layout"));
  // Names sort as a reader of the player's language expects ("Ä" beside "A" in German).
  auto collator = std::make_shared<QCollator>();
  collator->setCaseSensitivity(Qt::CaseInsensitive);
  Catalogue& catalogue = library_.Layouts();
  catalogue.SetNameOrder([collator](const std::string& a, const std::string& b) {
    return collator->compare(QString::fromStdString(a), QString::fromStdString(b));
  });
  catalogue.SortCatalogue(catalogue.SortColumn(), catalogue.SortDescending());
  setMinimumSize(kMinWidth, kMinHeight);
  resize(723, 575);
  previewTiles_ = CutPreviewTiles(pictures_.PreviewTiles);
  const auto keyed = [draw = pictures_.DrawSmallStars](QSize size) {
    return draw ? KeyedOut(draw(size), qRgb(255, 0, 255)) : QImage();
  };
  smallStars_ = StarsStrip(KeyedOut(pictures_.SmallStars, qRgb(255, 0, 255)), 16, keyed);
  midStars_ = StarsStrip(pictures_.MidStars, 24, pictures_.DrawMidStars);

  PC_Pages = new QTabWidget(this);
  PC_Pages->setObjectName("PC_Pages");
  PC_Pages->setAccessibleName(windowTitle());
  PC_Pages->setIconSize(QSize(24, 24));
  PC_Pages->setStyleSheet("QTabBar::tab { height: 32px; font: bold 13px Arial; padding: 0 10px; }");
  const QString titles[3] = {tr("Recent"), tr("Favorites"), tr("All Layouts")};
  const char* names[3] = {"TS_Recent", "TS_Favs", "TS_All"};
  const QIcon* icons[3] = {&pictures_.PageRecent, &pictures_.PageFavs, &pictures_.PageAll};
  for (int tag : {kTagAll, kTagFavs, kTagRecent}) {
    auto* page = new QWidget;
    page->setObjectName(names[tag]);
    page->setProperty("tag", tag);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    headers_[std::size_t(tag)] = new LayoutHeader(pictures_.HdrArrows, page);
    lists_[std::size_t(tag)] = new LayoutList(headers_[std::size_t(tag)], smallStars_, page);
    lists_[std::size_t(tag)]->setAccessibleName(tr("Layout list"));
    column->addWidget(headers_[std::size_t(tag)]);
    column->addWidget(lists_[std::size_t(tag)]);
    PC_Pages->addTab(page, *icons[tag], titles[tag]);
    LayoutList* list = lists_[std::size_t(tag)];
    connect(list, &LayoutList::Released, this, [this, tag] { SyncSelection(tag); });
    connect(list, &LayoutList::KeyReleased, this, [this, tag](int key) { OnKey(tag, key); });
    connect(list, &LayoutList::DoubleClicked, this, [this, tag] {
      SyncSelection(tag);
      B_OKClick();
    });
  }
  headers_[kTagAll]->ShowSortArrow(true);
  connect(headers_[kTagAll], &LayoutHeader::SectionClicked, this,
          [this](int section) { HeaderClicked(section); });
  connect(PC_Pages, &QTabWidget::currentChanged, this, [this] { SyncSelection(CurrentTag()); });

  P_Preview = new QWidget(this);
  P_Preview->setFixedSize(kPreviewWidth, kPreviewHeight);
  I_PreviewField = new DenseLabel(P_Preview);
  I_PreviewField->setObjectName("I_PreviewField");
  I_PreviewField->setAccessibleName(tr("Layout preview"));
  I_PreviewField->setGeometry(0, 0, kPreviewWidth, kPreviewHeight);

  P_Info = new QWidget(this);
  P_Info->setFixedSize(kInfoWidth, kInfoHeight);
  I_Info = new DenseLabel(P_Info);
  I_Info->setGeometry(0, 0, kInfoWidth, kInfoHeight);
  P_Info->setAccessibleName(tr("Record of the chosen layout"));
  const auto label = [this](const char* name, const QString& text, int x, int y, bool right) {
    auto* l = new QLabel(text, P_Info);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);  // names from the records file are shown as written
    l->setFont(Arial(15));
    if (right) {
      l->setAlignment(Qt::AlignRight | Qt::AlignTop);
      l->setGeometry(x - 160, y, 160, 22);
    } else {
      l->move(x, y);
    }
    return l;
  };
  L_PlayCap = label("L_PlayCap", tr("Games Played:"), 16, 16, false);
  L_Play = label("L_Play", "0", 254, 16, true);
  L_WinCap = label("L_WinCap", tr("Games Won:"), 16, 44, false);
  L_Win = label("L_Win", "0", 254, 44, true);
  L_BestPlayerCap = label("L_BestPlayerCap", tr("Best Player:"), 14, 88, false);
  L_BestPlayer = label("L_BestPlayer", "", 254, 88, true);
  L_BestTimeCap = label("L_BestTimeCap", tr("Time:"), 14, 116, false);
  L_BestTime = label("L_BestTime", "", 254, 116, true);
  Label1 = label("Label1", tr("Stars:"), 14, 144, false);
  I_BestStars = new DenseLabel(P_Info);
  I_BestStars->setGeometry(176, 144, 78, 24);
  I_BestStars->hide();
  for (QLabel* l : {L_PlayCap, L_WinCap, L_BestPlayerCap, L_BestTimeCap, Label1}) l->adjustSize();
  // The name's line is the caption's, from a gap after it to the right edge.
  const QRect cap = L_BestPlayerCap->geometry();
  L_BestPlayer->setGeometry(cap.right() + 9, cap.y(), 254 - (cap.right() + 9), cap.height());
  L_BestPlayer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  L_BestPlayerCap->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  const int b = L_WinCap->geometry().bottom() + 1 + 1;
  const int t = L_BestPlayerCap->y();
  const int dividerY = b + (t - b) / 2;
  I_Info->SetMaker([this, dividerY](double ratio) {
    const auto S = [ratio](int v) { return int(std::lround(v * ratio)); };
    QImage info(S(kInfoWidth), S(kInfoHeight), QImage::Format_RGB888);
    DrawFrame(info, FramePiecesAt(pictures_, true, ratio), S(dividerY), ratio);
    return info;
  });

  B_Del = new QToolButton(this);
  B_Del->setObjectName("B_Del");
  B_Del->setText(tr("Delete"));
  B_Del->setIcon(pictures_.Delete);
  B_Del->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  B_Del->setAutoRaise(true);
  B_Rename = new QPushButton(tr("Rename"), this);
  B_Rename->setObjectName("B_Rename");
  B_Help = new QToolButton(this);
  B_Help->setObjectName("B_Help");
  B_Help->setIcon(pictures_.Help);
  B_Help->setAutoRaise(true);
  B_Help->setToolTip(tr("Help"));
  B_Help->setAccessibleName(tr("Help"));
  B_OK = new QPushButton(tr("OK"), this);
  B_OK->setObjectName("B_OK");
  B_Cancel = new QPushButton(tr("Cancel"), this);
  B_Cancel->setObjectName("B_Cancel");
  for (QWidget* w : {static_cast<QWidget*>(B_Del), static_cast<QWidget*>(B_Rename),
                     static_cast<QWidget*>(B_OK), static_cast<QWidget*>(B_Cancel)}) {
    w->setFont(Arial(15, true));
    // Some languages' words are longer than the English: the button grows to its text.
    w->setFixedSize(std::max(100, w->sizeHint().width()), 32);
  }
  B_Help->setFixedSize(33, 32);
  B_OK->setAutoDefault(false);
  B_Cancel->setAutoDefault(false);
  B_Rename->setAutoDefault(false);
  connect(B_OK, &QPushButton::clicked, this, [this] { B_OKClick(); });
  connect(B_Cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(B_Del, &QToolButton::clicked, this, [this] { B_DelClick(); });
  connect(B_Rename, &QPushButton::clicked, this, [this] { B_RenameClick(); });
  connect(B_Help, &QToolButton::clicked, this, [this] {
    if (callbacks_.ShowHelp) callbacks_.ShowHelp("choose.htm");
  });
  RefillAll();
}

TF_Layouts::~TF_Layouts() = default;

int TF_Layouts::CurrentTag() const {
  const QWidget* page = PC_Pages->currentWidget();
  return page ? page->property("tag").toInt() : kTagAll;
}

bool TF_Layouts::Choose(const QWidget* owner) {
  if (firstActivation_ && owner) {
    firstActivation_ = false;
    const QRect main = owner->geometry();
    const int w = std::max(kMinWidth, main.width() * 3 / 4);
    const int h = std::max(kMinHeight, main.height() * 3 / 4);
    setGeometry(std::max(0, main.left() + (main.width() - w) / 2),
                std::max(0, main.top() + (main.height() - h) / 2), w, h);
  }
  return exec() == QDialog::Accepted;
}

void TF_Layouts::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void TF_Layouts::FormActivate() {
  LayoutList* all = lists_[kTagAll];
  all->clearSelection();
  const std::string current = callbacks_.CurrentLayout ? callbacks_.CurrentLayout() : "";
  chooserEntry_ = library_.Layouts().Share(library_.FindLayout(current));
  PC_Pages->setCurrentIndex(0);
  RefillRefs(kTagRecent);
  RefillRefs(kTagFavs);
  all->SelectEntry(ChooserEntry());
  DrawPreview();
  UpdateButtons();
  all->setFocus();
  LayOut();
}

void TF_Layouts::RefillAll() {
  std::vector<LayoutRow> rows;
  for (const EntryPtr& e : library_.Layouts().Entries()) rows.push_back({e, e->Name});
  lists_[kTagAll]->SetRows(std::move(rows));
  headers_[kTagAll]->SetSort(library_.Layouts().SortColumn(), library_.Layouts().SortDescending());
  lists_[kTagAll]->SelectEntry(ChooserEntry());
}

void TF_Layouts::RefillRefs(int tag) {
  const RefList& list = tag == kTagFavs ? library_.Favourites() : library_.Recent();
  std::vector<LayoutRow> rows;
  for (const LayoutRef& ref : list.Refs()) rows.push_back({ref.Entry, ref.Name});
  if (tag == kTagRecent) std::reverse(rows.begin(), rows.end());
  lists_[std::size_t(tag)]->SetRows(std::move(rows));
}

void TF_Layouts::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  LayOut();
}

void TF_Layouts::LayOut() {
  const int w = width(), h = height();
  B_Cancel->move(w - B_Cancel->width() - 16, h - B_Cancel->height() - 16);
  const int top = B_Cancel->y();
  B_OK->move(B_Cancel->x() - 16 - B_OK->width(), top);
  B_Help->move(B_OK->x() - 16 - B_Help->width(), top);
  B_Del->move(16, top);
  B_Rename->move(B_Del->x() + B_Del->width() + 17, top);
  const int previewLeft = w - kPreviewWidth - 16;
  PC_Pages->setGeometry(16, 10, previewLeft - 32 - 16, top - 32 - 10);
  const int headerTop = PC_Pages->y() + PC_Pages->tabBar()->height() + 2;
  P_Preview->move(previewLeft, headerTop - 5);
  P_Info->move(previewLeft, P_Preview->y() + kPreviewHeight + 25);
  for (LayoutList* list : lists_) list->viewport()->update();
  for (LayoutHeader* header : headers_) header->update();
}

void TF_Layouts::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    if (callbacks_.ShowHelp) callbacks_.ShowHelp("choose.htm");
    return;
  }
  // Enter belongs to the lists, which act on its release.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
  QDialog::keyPressEvent(event);
}

void TF_Layouts::SetChooserEntry(LayoutInfo* entry) {
  if (entry == ChooserEntry()) return;
  chooserEntry_ = library_.Layouts().Share(entry);
  DrawPreview();
}

void TF_Layouts::SyncSelection(int tag) {
  LayoutList* list = lists_[std::size_t(tag)];
  const int row = list->SelectedRow();
  if (row < 0) return UpdateButtons();
  if (tag != kTagAll) lists_[kTagAll]->SelectEntry(list->EntryAt(row));
  const int allRow = lists_[kTagAll]->SelectedRow();
  if (allRow >= 0 || tag != kTagAll) SetChooserEntry(lists_[kTagAll]->EntryAt(allRow));
  UpdateButtons();
}

void TF_Layouts::UpdateButtons() {
  const bool entry = ChooserEntry() != nullptr;
  const int tag = CurrentTag();
  B_Rename->setEnabled(entry && tag == kTagAll);
  // A favourite whose layout is gone can still be taken off the list.
  B_Del->setEnabled((entry && tag == kTagAll) ||
                    (tag == kTagFavs && lists_[kTagFavs]->SelectedRow() >= 0));
  B_OK->setEnabled(entry);
}

void TF_Layouts::OnKey(int tag, int key) {
  SyncSelection(tag);
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return B_OKClick();
  if (key == Qt::Key_Delete) return B_DelClick();
  if (key < Qt::Key_A || key > Qt::Key_Z) return;
  const auto& entries = library_.Layouts().Entries();
  if (entries.empty()) return;
  LayoutInfo* target = entries.back().get();
  for (const EntryPtr& e : entries) {
    int first = e->Name.empty() ? 0 : static_cast<unsigned char>(e->Name[0]);
    if (first > 90) first -= 32;
    if (first >= key) {
      target = e.get();
      break;
    }
  }
  chooserEntry_.reset();
  SetChooserEntry(target);
  lists_[kTagAll]->SelectEntry(target);
  UpdateButtons();
}

void TF_Layouts::HeaderClicked(int section) {
  Catalogue& c = library_.Layouts();
  const bool descending = section == c.SortColumn() ? !c.SortDescending() : false;
  c.SortCatalogue(section, descending);
  RefillAll();
}

void TF_Layouts::DrawPreview() {
  const LayoutInfo* entry = ChooserEntry();
  // Drawn again, from the file, only when the screen's density changes.
  I_PreviewField->SetMaker([this, name = entry ? entry->Name : std::string()](double ratio) {
    if (previewArt_.Tiles.empty() || previewArt_.Ratio != ratio)
      previewArt_ = MakePreviewArt(pictures_, previewTiles_, ratio);
    if (name.empty())
      DrawLayoutPreview(preview_, {}, {}, {previewArt_.Ratio, {}, previewArt_.Frame});
    else
      DrawLayoutPreview(preview_, library_.Paths().LayoutsDir, name, previewArt_);
    return preview_;
  });
  ShowInfo(entry);
}

void TF_Layouts::ShowInfo(const LayoutInfo* entry) {
  L_Play->setText(QString::number(entry ? entry->Played : 0));
  L_Win->setText(QString::number(entry ? entry->Won : 0));
  const bool record = entry && entry->BestTime != -1.0;
  // A long name shows its beginning, cut short before the caption, with the whole name
  // in the tooltip.
  const QString player = record ? QString::fromUtf8(entry->BestPlayer) : QString();
  const QString shown =
      L_BestPlayer->fontMetrics().elidedText(player, Qt::ElideRight, L_BestPlayer->width());
  L_BestPlayer->setText(shown);
  L_BestPlayer->setToolTip(shown == player ? QString() : PlainToolTip(player));
  L_BestTime->setText(record ? LocalTime(FormatRecordTime(entry->BestTime)) : QString());
  if (record)
    I_BestStars->SetMaker(
        [this, stars = entry->Stars](double ratio) { return midStars_.Row(stars, ratio); });
  I_BestStars->setVisible(record && entry->Stars >= 0);
  lists_[kTagAll]->viewport()->update();
}

QString TF_Layouts::InfoText(const char* label) const {
  const auto* l = P_Info->findChild<QLabel*>(label);
  return l ? l->text() : QString();
}

bool TF_Layouts::StarsShown() const {
  return !I_BestStars->isHidden();
}

void TF_Layouts::B_OKClick() {
  LayoutInfo* entry = ChooserEntry();
  if (!entry || !B_OK->isEnabled()) return;
  if (callbacks_.OpenForPlay && callbacks_.OpenForPlay(entry)) accept();
}

void TF_Layouts::B_DelClick() {
  const int tag = CurrentTag();
  if (tag == kTagAll && ChooserEntry()) DeleteLayout();
  if (tag == kTagFavs) RemoveFavourite();
}

void TF_Layouts::DeleteLayout() {
  LayoutList* all = lists_[kTagAll];
  const int row = all->SelectedRow();
  LayoutInfo* entry = all->EntryAt(row);
  if (!entry) return;
  const std::string current = callbacks_.CurrentLayout ? callbacks_.CurrentLayout() : "";
  if (const Result refused = RefuseCurrentLayout(*entry, current, LayoutChange::kDelete);
      !refused) {
    Tell(MessageOf(refused));
    return;
  }
  if (!Ask(WithName(tr("Delete layout \"%1\" ?"), entry->Name))) return;
  const Result deleted = library_.DeleteLayout(entry, current);
  if (!deleted) {
    Tell(MessageOf(deleted));
    return;
  }
  chooserEntry_.reset();
  RefillAll();
  RefillRefs(kTagFavs);
  RefillRefs(kTagRecent);
  if (callbacks_.FavouritesChanged) callbacks_.FavouritesChanged();
  all->SelectRow(std::min(row, all->RowCount() - 1));
  SyncSelection(kTagAll);
  if (all->RowCount() == 0) DrawPreview();
}

void TF_Layouts::RemoveFavourite() {
  LayoutList* favs = lists_[kTagFavs];
  const int row = favs->SelectedRow();
  if (row < 0) return;
  const LayoutRow& shown = favs->Row(row);
  const LayoutInfo* entry = favs->EntryAt(row);
  if (!Ask(WithName(tr("Delete layout \"%1\" from Favorites?"), entry ? entry->Name : shown.Name)))
    return;
  library_.Favourites().RemoveAt(row);
  favs->RemoveRow(row);
  if (callbacks_.FavouritesChanged) callbacks_.FavouritesChanged();
  favs->SelectRow(std::min(row, favs->RowCount() - 1));
  SyncSelection(kTagFavs);
}

void TF_Layouts::B_RenameClick() {
  // Keys go back to the list whatever the outcome, so Delete works without a click.
  const auto refocus = qScopeGuard([this] { lists_[kTagAll]->setFocus(); });
  LayoutInfo* entry = lists_[kTagAll]->EntryAt(lists_[kTagAll]->SelectedRow());
  if (!entry) entry = ChooserEntry();
  if (!entry) return;
  const std::string current = callbacks_.CurrentLayout ? callbacks_.CurrentLayout() : "";
  if (const Result refused = RefuseCurrentLayout(*entry, current, LayoutChange::kRename);
      !refused) {
    Tell(MessageOf(refused));
    return;
  }
  std::string newName;
  if (!callbacks_.AskNewName || !callbacks_.AskNewName(entry->Name, newName)) return;
  const Result renamed = library_.RenameLayout(entry, newName, current);
  if (!renamed && !renamed.Is(LibraryError::kRecords)) {
    Tell(MessageOf(renamed));
    return;
  }
  RefillAll();
  RefillRefs(kTagFavs);
  RefillRefs(kTagRecent);
  // The Favorites menu shows the new name too.
  if (callbacks_.FavouritesChanged) callbacks_.FavouritesChanged();
  if (!renamed) Tell(MessageOf(renamed));
}

}  // namespace tv
