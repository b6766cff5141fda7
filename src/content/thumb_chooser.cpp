// SPDX-License-Identifier: GPL-3.0-or-later
// Thumbnail chooser: the list shows images kept here by index; the item painter draws
// them, so the list view needs no icons of its own.
#include "content/thumb_chooser.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

#include "field/tileset_thumb.h"

namespace tv {
namespace {

constexpr int kImageRole = Qt::UserRole;
constexpr int kCellMargin = 8;  // each cell is this much larger than a thumbnail

// A picture that could not be read: a grey cell crossed out, not a blank one that looks
// like a white picture.
QImage UnreadableMark(QSize size) {
  QImage mark(size, QImage::Format_RGB888);
  mark.fill(QColor(208, 208, 208));
  QPainter p(&mark);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(150, 150, 150), 1));
  p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
  p.setPen(QPen(QColor(176, 32, 32), 3, Qt::SolidLine, Qt::RoundCap));
  const double d = std::min(size.width(), size.height()) * 0.18;
  const QPointF c(size.width() / 2.0, size.height() / 2.0);
  p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
  p.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
  return mark;
}

}  // namespace

class ThumbChooser::ItemPainter : public QStyledItemDelegate {
 public:
  explicit ItemPainter(ThumbChooser& chooser) : QStyledItemDelegate(&chooser), c_(chooser) {}

  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    if (!c_.itemDrawing_) return;
    const QRect bounds = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    if (selected) {
      p->setPen(c_.selectionColor_);
      p->drawRect(bounds.adjusted(1, 1, -2, -2));
      p->drawRect(bounds.adjusted(2, 2, -3, -3));
    }
    const int image = index.data(kImageRole).toInt();
    const QImage& picture = c_.images_.at(std::clamp(image, 0, int(c_.images_.size()) - 1));
    // On a screen of another density the thumbnails are drawn again, by the timer.
    if (c_.ratio_ != 0 && p->device()->devicePixelRatioF() != c_.ratio_ && !c_.T_AddItem.isActive())
      QTimer::singleShot(0, &c_, [chooser = &c_] { chooser->StartDrawing(); });
    const int imageLeft =
        bounds.left() + (bounds.width() - int(picture.deviceIndependentSize().width())) / 2;
    p->drawImage(imageLeft, bounds.top() + 6, picture);

    const QFontMetrics metrics(option.font);
    const int textTop = bounds.top() + 6 + c_.thumbSize_.height() + 2;
    const QString caption =
        metrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight, bounds.width());
    const int textWidth = metrics.horizontalAdvance(caption) + 1;
    const QRect textRect(bounds.left() + (bounds.width() - textWidth) / 2, textTop, textWidth,
                         metrics.height() + 1);
    if (selected) p->fillRect(textRect, c_.LV_Thumbs->palette().color(QPalette::Base));
    p->setFont(option.font);
    p->setPen(c_.LV_Thumbs->palette().color(QPalette::Text));
    p->drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, caption);
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    const QFontMetrics metrics(option.font);
    return QSize(c_.thumbSize_.width() + kCellMargin,
                 c_.thumbSize_.height() + kCellMargin + metrics.height() + 4);
  }

 private:
  ThumbChooser& c_;
};

ThumbChooser::ThumbChooser(QSize thumbSize, std::function<void(const std::string&)> report,
                           std::function<void(QWidget*)> place, QWidget* parent)
    : QDialog(parent), thumbSize_(thumbSize), report_(std::move(report)), place_(std::move(place)) {
  setMinimumSize(480, 420);
  P_Thumbs = new QWidget(this);
  P_Thumbs->setObjectName("P_Thumbs");
  LV_Thumbs = new QListWidget(P_Thumbs);
  LV_Thumbs->setObjectName("LV_Thumbs");
  LV_Thumbs->setViewMode(QListView::IconMode);
  LV_Thumbs->setResizeMode(QListView::Adjust);
  LV_Thumbs->setMovement(QListView::Static);
  LV_Thumbs->setUniformItemSizes(true);
  LV_Thumbs->setSelectionMode(QAbstractItemView::SingleSelection);
  LV_Thumbs->setEditTriggers(QAbstractItemView::NoEditTriggers);
  LV_Thumbs->setItemDelegate(new ItemPainter(*this));
  QFont listFont("Arial");
  listFont.setPixelSize(16);
  LV_Thumbs->setFont(listFont);
  const QFontMetrics metrics(listFont);
  LV_Thumbs->setGridSize(QSize(thumbSize.width() + kCellMargin + 8,
                               thumbSize.height() + kCellMargin + metrics.height() + 8));
  LV_Thumbs->installEventFilter(this);

  QFont buttonFont("Arial");
  buttonFont.setPixelSize(15);
  buttonFont.setBold(true);
  B_Ok = new QPushButton(tr("OK"), this);
  B_Ok->setObjectName("B_Ok");
  B_Ok->setFont(buttonFont);
  B_Ok->setAutoDefault(false);
  B_Cancel = new QPushButton(tr("Cancel"), this);
  B_Cancel->setObjectName("B_Cancel");
  B_Cancel->setFont(buttonFont);
  B_Cancel->setAutoDefault(false);
  connect(B_Ok, &QPushButton::clicked, this, [this] { B_OkClick(); });
  connect(B_Cancel, &QPushButton::clicked, this, [this] { B_CancelClick(); });
  connect(LV_Thumbs, &QListWidget::itemDoubleClicked, this, [this] { B_OkClick(); });
  connect(this, &QDialog::rejected, this, [this] { StopDrawing(); });

  T_AddItem.setInterval(10);
  connect(&T_AddItem, &QTimer::timeout, this, [this] { T_AddItemTimer(); });
}

ThumbChooser::~ThumbChooser() {
  T_AddItem.stop();
}

int ThumbChooser::ImageIndex(int item) const {
  const QListWidgetItem* it = LV_Thumbs->item(item);
  return it ? it->data(kImageRole).toInt() : -1;
}

void ThumbChooser::SetListColors(QColor background, QColor text) {
  QPalette palette = LV_Thumbs->palette();
  palette.setColor(QPalette::Base, background);
  palette.setColor(QPalette::Text, text);
  LV_Thumbs->setPalette(palette);
}

void ThumbChooser::SetItemDrawing(bool on) {
  itemDrawing_ = on;
  LV_Thumbs->viewport()->update();
}

void ThumbChooser::ResumeDrawing() {
  if (wasDrawing_) T_AddItem.start();
}

void ThumbChooser::StopDrawing() {
  wasDrawing_ = T_AddItem.isActive();
  T_AddItem.stop();
}

void ThumbChooser::BuildItems(const std::vector<std::string>& captions,
                              const std::string& current) {
  T_AddItem.stop();
  LV_Thumbs->clear();
  QImage blank(thumbSize_, QImage::Format_RGB888);
  blank.fill(LV_Thumbs->palette().color(QPalette::Base));
  images_.assign(2, blank);
  images_[kImageUnreadable] = UnreadableMark(thumbSize_);
  ratio_ = LV_Thumbs->devicePixelRatioF();
  for (const std::string& caption : captions) {
    auto* item = new QListWidgetItem(QString::fromStdString(caption), LV_Thumbs);
    item->setData(kImageRole, kImageNotDrawn);
    if (caption == current) {
      LV_Thumbs->setCurrentItem(item);
      LV_Thumbs->scrollToItem(item);
    }
  }
  LV_Thumbs->setFocus();
  built_ = true;
}

void ThumbChooser::FollowRatio() {
  const double ratio = LV_Thumbs->devicePixelRatioF();
  if (ratio == ratio_) return;
  ratio_ = ratio;
  images_.resize(std::min<std::size_t>(images_.size(), kImageUnreadable + 1));
  for (int i = 0; i < LV_Thumbs->count(); ++i)
    if (ImageIndex(i) > kImageUnreadable) LV_Thumbs->item(i)->setData(kImageRole, kImageNotDrawn);
}

bool ThumbChooser::T_AddItemTimer() {
  FollowRatio();
  std::vector<ThumbSlot> entries(LV_Thumbs->count());
  const int viewHeight = LV_Thumbs->viewport()->height();
  for (int i = 0; i < LV_Thumbs->count(); ++i) {
    const QRect r = LV_Thumbs->visualItemRect(LV_Thumbs->item(i));
    entries[i].Drawn = ImageIndex(i) != kImageNotDrawn;
    entries[i].Visible = r.bottom() > 0 && r.top() < viewHeight;
  }
  const int next = NextThumbToDraw(entries, LV_Thumbs->currentRow());
  if (next < 0) {
    T_AddItem.stop();
    return false;
  }
  QListWidgetItem* item = LV_Thumbs->item(next);
  QImage image;
  bool drawn = false;
  try {
    drawn = DrawThumb(next, ratio_, image);
  } catch (...) {
    drawn = false;  // a broken file must not stop the dialog
  }
  if (drawn) {
    images_.push_back(image);
    item->setData(kImageRole, int(images_.size()) - 1);
  } else {
    item->setData(kImageRole, kImageUnreadable);
  }
  return true;
}

void ThumbChooser::B_OkClick() {
  const int item = LV_Thumbs->currentRow();
  if (item < 0 || !LV_Thumbs->currentItem()->isSelected()) {
    report_(NoSelectionMessage().toStdString());
    return;
  }
  if (ImageIndex(item) == kImageUnreadable) {
    report_(UnreadableMessage().toStdString());
    return;
  }
  const bool running = T_AddItem.isActive();
  T_AddItem.stop();
  if (ChooseItem(item)) {
    wasDrawing_ = running;
    accept();
  } else if (running) {
    T_AddItem.start();
  }
}

// Enter in the list is OK; Esc reaches QDialog::reject, which is Cancel.
bool ThumbChooser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == LV_Thumbs && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      B_OkClick();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ThumbChooser::B_CancelClick() {
  reject();  // the rejected signal stops the timer
}

void ThumbChooser::showEvent(QShowEvent* event) {
  SetItemDrawing(false);
  if (!placed_) {
    if (place_) place_(this);
    placed_ = true;
  }
  FormActivate();
  ApplyResizeRule();
  QDialog::showEvent(event);
}

void ThumbChooser::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  ApplyResizeRule();
}

void ThumbChooser::ApplyResizeRule() {
  const QSize client = size();
  const QSize button = B_Cancel->sizeHint().expandedTo(QSize(88, 30));
  B_Cancel->setGeometry(client.width() - 16 - button.width(),
                        client.height() - 16 - button.height(), button.width(), button.height());
  B_Ok->setGeometry(B_Cancel->x() - 16 - button.width(), B_Cancel->y(), button.width(),
                    button.height());
  P_Thumbs->setGeometry(16, 8, client.width() - 32, B_Cancel->y() - 24);
  // As many whole columns as fit, with the list centred on them rather than left.
  const int frame = 2 * LV_Thumbs->frameWidth();
  const int bar = LV_Thumbs->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, LV_Thumbs);
  const int cell = std::max(1, LV_Thumbs->gridSize().width());
  // A few pixels to spare: the view wraps a row that fills its width exactly.
  const int slack = 4;
  const int columns = std::max(1, (P_Thumbs->width() - frame - bar - slack) / cell);
  const int width = std::min(P_Thumbs->width(), columns * cell + frame + bar + slack);
  LV_Thumbs->setGeometry((P_Thumbs->width() - width) / 2, 0, width, P_Thumbs->height());
}

}  // namespace tv
