// SPDX-License-Identifier: GPL-3.0-or-later
// One of the chooser's lists: its rows, drawn cell by cell under the header's sections.
#include "library/layout_list.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "library/layout_header.h"
#include "library/library_pictures.h"

namespace tv {
namespace {

class RowDelegate : public QStyledItemDelegate {
 public:
  explicit RowDelegate(LayoutList* list) : QStyledItemDelegate(list), list_(list) {}

  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    return {100, LayoutList::kRowHeight};
  }

  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& pal = option.palette;
    p->fillRect(option.rect, selected ? pal.color(QPalette::Active, QPalette::Highlight)
                                      : pal.color(QPalette::Base));
    if (index.row() < 0 || index.row() >= list_->RowCount()) return;
    const LayoutRow& row = list_->Row(index.row());
    const std::shared_ptr<LayoutInfo> e = row.Entry.lock();
    QColor text = pal.color(selected ? QPalette::HighlightedText : QPalette::Text);
    if (!e) text = pal.color(QPalette::Disabled, QPalette::Text);
    p->setPen(text);
    const LayoutHeader* h = list_->Header();
    int x = option.rect.left() + 5;
    const int width = list_->viewport()->width();
    for (int s = 0; s < LayoutHeader::kSections; ++s) {
      const int w = h->SectionWidth(s);
      if (x > width) break;
      const QRect cell(x, option.rect.top(), w, option.rect.height());
      x += w;
      if (cell.right() + 1 <= 0) continue;
      if (s == 3) {
        if (e && e->Stars >= 0) {
          const QImage stars = list_->SmallStars().Row(e->Stars, p->device()->devicePixelRatioF());
          p->drawImage(cell.left(), cell.top() + (cell.height() - 16) / 2, stars);
        }
        continue;
      }
      QString value;
      if (s == 0)
        value = QString::fromUtf8(e ? e->Name : row.Name);
      else if (e)
        value = QString::number(s == 1 ? e->Tiles : e->FreeTiles);
      p->drawText(cell.adjusted(0, 0, -6, 0), Qt::AlignLeft | Qt::AlignVCenter,
                  p->fontMetrics().elidedText(value, Qt::ElideRight, cell.width() - 6));
    }
  }

 private:
  LayoutList* list_;
};

}  // namespace

LayoutList::LayoutList(LayoutHeader* header, const StarsStrip& smallStars, QWidget* parent)
    : QListWidget(parent), header_(header), stars_(smallStars) {
  setItemDelegate(new RowDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont f("Arial");
  f.setPixelSize(16);
  setFont(f);
}

void LayoutList::SetRows(std::vector<LayoutRow> rows) {
  rows_ = std::move(rows);
  clear();
  for (const LayoutRow& row : rows_) {
    // The delegate draws the row; assistive technology reads it from this text.
    auto* item = new QListWidgetItem(this);
    const std::shared_ptr<LayoutInfo> e = row.Entry.lock();
    QString text = QString::fromUtf8(e ? e->Name : row.Name);
    if (e)
      text += QStringLiteral(", ") +
              QCoreApplication::translate("Editor", "Tiles: %1").arg(e->Tiles) +
              QStringLiteral(", ") +
              QCoreApplication::translate("Editor", "Free Tiles: %1").arg(e->FreeTiles);
    item->setData(Qt::AccessibleTextRole, text);
  }
  viewport()->update();
}

void LayoutList::RemoveRow(int row) {
  if (row < 0 || row >= RowCount()) return;
  rows_.erase(rows_.begin() + row);
  delete takeItem(row);
  viewport()->update();
}

LayoutInfo* LayoutList::EntryAt(int row) const {
  if (row < 0 || row >= RowCount()) return nullptr;
  return rows_[std::size_t(row)].Entry.lock().get();
}

int LayoutList::SelectedRow() const {
  const QList<QListWidgetItem*> items = selectedItems();
  return items.isEmpty() ? -1 : row(items.front());
}

void LayoutList::SelectEntry(const LayoutInfo* entry) {
  for (int i = 0; entry && i < RowCount(); ++i)
    if (EntryAt(i) == entry) return SelectRow(i);
  clearSelection();
  setCurrentRow(-1);
}

void LayoutList::SelectRow(int row) {
  if (row < 0 || row >= RowCount()) {
    clearSelection();
    return;
  }
  setCurrentRow(row);
  item(row)->setSelected(true);
  scrollToItem(item(row));
}

void LayoutList::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  // Letters, Enter and Delete act on release; arrows and paging move as usual.
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || key == Qt::Key_Return || key == Qt::Key_Enter ||
      key == Qt::Key_Delete) {
    pressed_.insert(key);
    event->accept();
    return;
  }
  QListWidget::keyPressEvent(event);
}

void LayoutList::keyReleaseEvent(QKeyEvent* event) {
  QListWidget::keyReleaseEvent(event);
  // A key whose press went elsewhere (the Enter that answered a question box, say)
  // was meant for that window, not for the list.
  if (event->isAutoRepeat() || pressed_.erase(event->key()) == 0) return;
  emit KeyReleased(event->key());
}

void LayoutList::focusOutEvent(QFocusEvent* event) {
  pressed_.clear();
  QListWidget::focusOutEvent(event);
}

void LayoutList::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  emit Released();
}

void LayoutList::mouseDoubleClickEvent(QMouseEvent* event) {
  QListWidget::mouseDoubleClickEvent(event);
  emit DoubleClicked();
}

}  // namespace tv
