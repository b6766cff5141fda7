// SPDX-License-Identifier: GPL-3.0-or-later
// One of the chooser's lists: a row per layout (or per reference whose layout is
// gone, drawn greyed), its cells drawn under the sections of its header.
#pragma once

#include <QImage>
#include <QListWidget>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "game/catalogue.h"
#include "library/library_pictures.h"

namespace tv {

class LayoutHeader;

struct LayoutRow {
  std::weak_ptr<LayoutInfo> Entry;
  std::string Name;  // drawn when the entry is gone
};

class LayoutList : public QListWidget {
  Q_OBJECT

 public:
  LayoutList(LayoutHeader* header, const StarsStrip& smallStars, QWidget* parent = nullptr);

  void SetRows(std::vector<LayoutRow> rows);
  void RemoveRow(int row);
  int RowCount() const { return static_cast<int>(rows_.size()); }
  const LayoutRow& Row(int row) const { return rows_[std::size_t(row)]; }
  // Entry of a row, none when out of range or gone.
  LayoutInfo* EntryAt(int row) const;
  int SelectedRow() const;
  // Selects the row of `entry`, or clears the selection when it has none.
  void SelectEntry(const LayoutInfo* entry);
  void SelectRow(int row);

  LayoutHeader* Header() const { return header_; }
  const StarsStrip& SmallStars() const { return stars_; }

  static constexpr int kRowHeight = 24;

 signals:
  void KeyReleased(int key);
  void Released();
  void DoubleClicked();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyboardSearch(const QString&) override {}

 private:
  LayoutHeader* header_;
  StarsStrip stars_;
  std::vector<LayoutRow> rows_;
  std::set<int> pressed_;  // acting keys pressed here and not yet released
};

}  // namespace tv
