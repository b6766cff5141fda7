// SPDX-License-Identifier: GPL-3.0-or-later
// The arrangement both picture choosers share: a list of large thumbnails drawn lazily,
// one per 10 ms tick with the visible items first, and OK and Cancel below it.
// Subclasses draw one thumbnail and act on OK.
#pragma once

#include <QDialog>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

namespace tv {

class ThumbChooser : public QDialog {
  Q_OBJECT

 public:
  // Item image indexes: 0 not drawn yet, 1 unreadable, then the thumbnails.
  static constexpr int kImageNotDrawn = 0;
  static constexpr int kImageUnreadable = 1;

  // `report` shows a message to the player; `place` sets the first bounds.
  ThumbChooser(QSize thumbSize, std::function<void(const std::string&)> report,
               std::function<void(QWidget*)> place, QWidget* parent);
  ~ThumbChooser() override;

  QListWidget* List() const { return LV_Thumbs; }
  QPushButton* OkButton() const { return B_Ok; }
  QPushButton* CancelButton() const { return B_Cancel; }
  QTimer* AddItemTimer() { return &T_AddItem; }
  // The image index of an item (what the list shows for it).
  int ImageIndex(int item) const;
  const QImage& Image(int index) const { return images_.at(index); }
  int ImageCount() const { return static_cast<int>(images_.size()); }

  // One tick of T_AddItem: draws the next thumbnail, or stops the timer; false when
  // there was nothing left to draw.
  bool T_AddItemTimer();

 protected:
  // Draws item `item`'s thumbnail into `image`, for `ratio` device pixels per point when
  // it can (the image's device pixel ratio says which); false when it cannot be made.
  virtual bool DrawThumb(int item, double ratio, QImage& image) = 0;
  // OK with a selected, readable item; true closes the dialog.
  virtual bool ChooseItem(int item) = 0;
  virtual QString NoSelectionMessage() const = 0;
  virtual QString UnreadableMessage() const = 0;

  // Empties the list and the images, then adds the placeholders and one item per
  // caption, selecting the one equal to `current` (exact match).
  void BuildItems(const std::vector<std::string>& captions, const std::string& current);
  void SetListColors(QColor background, QColor text);
  void SetSelectionColor(QColor color) { selectionColor_ = color; }
  void SetItemDrawing(bool on);
  // Restarts the timer when it was running at the last close.
  void ResumeDrawing();
  void StartDrawing() { T_AddItem.start(); }
  bool Built() const { return built_; }
  void Report(const std::string& text) { report_(text); }

  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Called on each showing before the list is shown; the first call comes after the
  // first placement.
  virtual void FormActivate() = 0;

 private:
  class ItemPainter;
  void B_OkClick();
  void B_CancelClick();
  void StopDrawing();
  void ApplyResizeRule();
  void FollowRatio();

  QSize thumbSize_;
  std::function<void(const std::string&)> report_;
  std::function<void(QWidget*)> place_;
  QWidget* P_Thumbs = nullptr;
  QListWidget* LV_Thumbs = nullptr;
  QPushButton* B_Ok = nullptr;
  QPushButton* B_Cancel = nullptr;
  QTimer T_AddItem;
  std::vector<QImage> images_;
  double ratio_ = 0;  // of the screen the thumbnails were drawn for
  QColor selectionColor_;
  bool built_ = false;
  bool placed_ = false;
  bool wasDrawing_ = false;
  bool itemDrawing_ = false;
};

}  // namespace tv
