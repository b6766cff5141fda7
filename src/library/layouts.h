// SPDX-License-Identifier: GPL-3.0-or-later
// The layout chooser: all layouts, favourites and recent layouts on three pages,
// with a preview and the record of the selected layout; deletes, renames and
// removes favourites through the layout library.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/layout_library.h"
#include "library/library_pictures.h"

class QLabel;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace tv {

class DenseLabel;
class LayoutHeader;
class LayoutList;

struct LayoutsCallbacks {
  std::function<std::string()> CurrentLayout;
  // Loads the layout for play; false leaves the chooser open.
  std::function<bool(LayoutInfo* entry)> OpenForPlay;
  std::function<void()> FavouritesChanged;
  // A question returns true for Yes; a plain message returns true.
  std::function<bool(const std::string& text, bool question)> Message;
  std::function<void(const std::string& topic)> ShowHelp;
  // The rename dialog: true with `newName` set when the player confirms.
  std::function<bool(const std::string& oldName, std::string& newName)> AskNewName;
};

enum LayoutsTag : int { kTagRecent = 0, kTagFavs = 1, kTagAll = 2 };

// "%.2d:%.2d:%.2d" of a duration in days, whole days counted as 24 hours.
std::string FormatRecordTime(double days);

class TF_Layouts : public QDialog {
  Q_OBJECT

 public:
  TF_Layouts(LayoutLibrary& library, const LibraryPictures& pictures, LayoutsCallbacks callbacks,
             QWidget* parent = nullptr);
  ~TF_Layouts() override;

  // Shows the chooser modally over `owner`; true when a layout was loaded.
  bool Choose(const QWidget* owner);

  // After the catalogue was built or sorted: the rows follow it.
  void RefillAll();
  void ShowInfo(const LayoutInfo* entry);
  LayoutInfo* ChooserEntry() const { return chooserEntry_.lock().get(); }
  int CurrentTag() const;

  // Widgets, for tests and screenshots.
  LayoutList* List(int tag) const { return lists_[std::size_t(tag)]; }
  LayoutHeader* Header(int tag) const { return headers_[std::size_t(tag)]; }
  QTabWidget* Pages() const { return PC_Pages; }
  QPushButton* OkButton() const { return B_OK; }
  QPushButton* RenameButton() const { return B_Rename; }
  QToolButton* DeleteButton() const { return B_Del; }
  // In device pixels of the preview's screen.
  const QImage& Preview() const { return preview_; }
  QString InfoText(const char* label) const;
  bool StarsShown() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FormActivate();
  void LayOut();
  void RefillRefs(int tag);
  void SyncSelection(int tag);
  void UpdateButtons();
  void DrawPreview();
  void SetChooserEntry(LayoutInfo* entry);
  void OnKey(int tag, int key);
  void HeaderClicked(int section);
  void B_OKClick();
  void B_DelClick();
  void B_RenameClick();
  void DeleteLayout();
  void RemoveFavourite();
  bool Ask(const std::string& text) { return callbacks_.Message && callbacks_.Message(text, true); }
  void Tell(const std::string& text) {
    if (callbacks_.Message) callbacks_.Message(text, false);
  }

  LayoutLibrary& library_;
  LibraryPictures pictures_;
  LayoutsCallbacks callbacks_;
  std::vector<PreviewTile> previewTiles_;
  StarsStrip smallStars_;
  StarsStrip midStars_;
  PreviewArt previewArt_;  // for the preview's present density
  QImage preview_;
  std::weak_ptr<LayoutInfo> chooserEntry_;
  bool firstActivation_ = true;

  QTabWidget* PC_Pages = nullptr;
  std::array<LayoutHeader*, 3> headers_{};
  std::array<LayoutList*, 3> lists_{};
  DenseLabel* I_PreviewField = nullptr;
  QWidget* P_Preview = nullptr;
  QWidget* P_Info = nullptr;
  DenseLabel* I_Info = nullptr;
  QLabel *L_PlayCap, *L_Play, *L_WinCap, *L_Win, *L_BestPlayerCap, *L_BestPlayer, *L_BestTimeCap,
      *L_BestTime, *Label1;
  DenseLabel* I_BestStars = nullptr;
  QToolButton* B_Del = nullptr;
  QPushButton* B_Rename = nullptr;
  QToolButton* B_Help = nullptr;
  QPushButton* B_OK = nullptr;
  QPushButton* B_Cancel = nullptr;
};

}  // namespace tv
