// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the layout editor: entering it, its File commands and texts.
#include "app/main_editor.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

#include "app/field_view.h"
#include "app/main_input.h"
#include "app/main_library.h"
#include "app/main_menus.h"
#include "app/main_status.h"
#include "app/main_window.h"
#include "app/program.h"
#include "field/tilesets.h"
#include "game/layout_file.h"
#include "game/play.h"
#include "library/opensave.h"

namespace tv {

MainEditor::MainEditor(Game& game, GameHost& gameHost, EditControls& controls, Tilesets& tilesets,
                       FieldPictures& pictures, MainLibrary& library, const MainMenus& menus,
                       const MainToolbars& bars, StatusBars& status, MainEditorHost host)
    : game_(game),
      controls_(controls),
      tilesets_(tilesets),
      pictures_(pictures),
      library_(library),
      menus_(menus),
      bars_(bars),
      status_(status),
      host_(std::move(host)),
      editor_(game.MakeEditor(controls, gameHost)) {
  editor_.OnStatus = [this](const EditorStatus& s) { ShowStatus(s); };
}

void MainEditor::Enter(bool create) {
  host_.SetBoardMode(BoardMode::Edit);
  const MODE_P& board = game_.EditBoard();
  if (create) {
    editor_.NewLayout();
    bars_.L_CustomZ->setText("Z: 0");
    EditorZoom(false);
  } else {
    // The layout as its file holds it: the play board may be compacted by a reshuffle.
    const std::string name(game_.PlayBoard().LayoutName());
    (void)game_.ReadEditLayout(name);
    editor_.Begin();
    EditorZoom(true);
  }
  library_.OpenSave()->SetName(std::string(board.LayoutName()));
  ShowCaption(false);
}

void MainEditor::EditorZoom(bool existing) {
  const TILESET_P* tileset = tilesets_.CurTileset;
  if (tileset == nullptr || tileset->SizeCount == 0) return;
  const QSize area = host_.AvailableArea();
  // A 17 by 17 half-unit square always fits, so a new layout has room to grow.
  MODE_P reference;
  reference.Game.TileCount = 2;
  reference.Tiles[1].X = reference.Tiles[1].Y = 15;
  int index = ChooseTileSize(reference, tileset, area.width(), area.height());
  const MODE_P& board = game_.EditBoard();
  if (existing && board.Game.TileCount > 0) {
    const int own = ChooseTileSize(board, tileset, area.width(), area.height());
    if (own >= 0 && (index < 0 || tileset->Sizes[own].W <= tileset->Sizes[index].W)) index = own;
  }
  if (index < 0) return;
  // Entered from play, the editor's board is the one shown.
  Result loaded;
  game_.PlaceBoards([&](MODE_P& shown, MODE_P& other) {
    loaded =
        tilesets_.LoadNearestTileSize(tileset, index, TileLoadTarget{&shown, &other, &pictures_});
  });
  if (!loaded && !loaded.Message().empty()) host_.Message(loaded.Message(), kMessageOk);
  host_.AfterTileLoad();
}

void MainEditor::ShowStatus(const EditorStatus& s) {
  status_.Panel("P_EditZ")->SetText(QStringLiteral("Z: %1").arg(s.CursorZ));
  status_.Panel("P_EditTiles")->SetText(QStringLiteral("Tiles: %1").arg(s.Tiles));
  StatusPanel* free = status_.Panel("P_EditFree");
  free->SetText(QStringLiteral("Free Tiles: %1").arg(s.FreeTiles));
  // Red while the layout cannot be dealt, so an unplayable design shows before saving.
  QPalette palette = free->Label()->palette();
  palette.setColor(QPalette::WindowText, s.Dealable ? Qt::black : QColor(200, 0, 0));
  free->Label()->setPalette(palette);
  menus_.MI_EditUndo->setEnabled(s.CanUndo);
  menus_.MI_EditRedo->setEnabled(s.CanRedo);
  if (game_.Mode() == BoardMode::Edit) ShowCaption(s.Modified);
  if (host_.ShowTool) host_.ShowTool(controls_.Tool);
}

void MainEditor::ShowCaption(bool modified) {
  host_.SetCaption(std::string(kProgramTitle) + " - " +
                   std::string(game_.EditBoard().LayoutName()) + (modified ? "*" : ""));
}

bool MainEditor::SavePrompt() {
  if (!controls_.LayoutModified) return true;
  const std::string text = "Save layout \"" + std::string(game_.EditBoard().LayoutName()) + "\" ?";
  const int answer = host_.Message(text, kMessageYesNoCancel | kMessageQuestion);
  if (answer == kAnswerYes) return SaveLayout();
  return answer == kAnswerNo;
}

bool MainEditor::SaveLayout() {
  const MODE_P& board = game_.EditBoard();
  const int count = board.Game.TileCount;
  if (count == 0) {
    host_.Message("There are no tiles on the field!", kMessageOk);
    return false;
  }
  if (count % 2 != 0) {
    host_.Message("Number of tiles must be even (2,4,8...)!", kMessageOk);
    return false;
  }
  TF_OpenSave* dialog = library_.OpenSave();
  dialog->SetMode(OpenSaveMode::Save);
  dialog->SetName(std::string(board.LayoutName()));
  if (!dialog->Ask()) return false;
  const std::string name = dialog->Name();
  if (const Result written = game_.WriteEditLayout(name); !written) {
    // Nothing was replaced; the layout stays here, still unsaved.
    host_.Message("Could not write layout file \"" + name + ".mah\"!$D" + written.Message(),
                  kMessageError);
    return false;
  }
  editor_.MarkSaved();
  ShowCaption(false);
  return true;
}

bool MainEditor::OpenLayout(const std::string& name) {
  const MODE_P& board = game_.EditBoard();
  if (const Result read = game_.ReadEditLayout(name); !read) {
    host_.Message(LayoutReadMessage(read.As<LayoutReadCode>(), name + ".mah"), kMessageOk);
    return false;
  }
  editor_.Begin();
  EditorZoom(true);
  editor_.SelectTool(EditTool::Draw);
  library_.OpenSave()->SetName(std::string(board.LayoutName()));
  ShowCaption(false);
  return true;
}

void MainEditor::FileNew() {
  if (!SavePrompt()) return;
  editor_.NewLayout();
  bars_.L_CustomZ->setText("Z: 0");
  EditorZoom(false);
  ShowCaption(false);
}

void MainEditor::FileOpen() {
  TF_OpenSave* dialog = library_.OpenSave();
  dialog->SetMode(OpenSaveMode::Open);
  if (!dialog->Ask()) return;
  const std::string name = dialog->Name();
  if (!SavePrompt()) return;
  OpenLayout(name);
}

void MainEditor::FilePlay() {
  const MODE_P& board = game_.EditBoard();
  if ((controls_.LayoutModified || board.Game.TileCount == 0) && !SaveLayout()) return;
  const std::string name(board.LayoutName());
  library_.Rebuild();
  LayoutInfo* entry = library_.Library().FindLayout(name);
  if (entry == nullptr) return;
  host_.SetBoardMode(BoardMode::Play);
  if (host_.OpenForPlay(entry->Name) && host_.StartNewGame) host_.StartNewGame();
}

void MainEditor::FileReturn() {
  if (!SavePrompt()) return;
  library_.Rebuild();
  host_.SetBoardMode(BoardMode::Play);
  if (host_.StartNewGame) host_.StartNewGame();
}

void TF_Main::CreateEditor() {
  MainEditorHost host;
  host.Message = [this](const std::string& text, int flags) { return Message(text, flags); };
  host.AvailableArea = [this] { return AvailableArea(); };
  host.SetBoardMode = [this](BoardMode mode) {
    SetBoardMode(mode, true);
    if (mode == BoardMode::Play) FitTileSize();
  };
  host.AfterTileLoad = [this] {
    SetZoomCommands();
    LayOutAndRedraw();
  };
  host.SetCaption = [this](const std::string& caption) { SetCaption(caption); };
  host.OpenForPlay = [this](const std::string& name) { return OpenForPlay(name); };
  host.StartNewGame = [this] { game_->DeferredStart(kDealNew); };
  host.ShowTool = [this](EditTool tool) { ShowTool(tool); };
  editor_ = std::make_unique<MainEditor>(*game_, host_, edit_, tilesets_, pictures_, *library_,
                                         menus_, bars_, *status_, std::move(host));
  view_->SetEditor(&editor_->Logic());
  input_->SetEditor(&editor_->Logic());
}

}  // namespace tv
