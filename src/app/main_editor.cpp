// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the layout editor: entering it, its File commands and texts.
#include "app/main_editor.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QToolButton>

#include "app/field_input.h"
#include "app/field_view.h"
#include "app/layout_commands.h"
#include "app/main_menus.h"
#include "app/program.h"
#include "app/status_bars.h"
#include "content/translate.h"
#include "field/tilesets.h"
#include "game/game.h"
#include "game/layout_file.h"
#include "library/opensave.h"

namespace tv {

MainEditor::MainEditor(Game& game, GameHost& gameHost, EditControls& controls, Tilesets& tilesets,
                       FieldPictures& pictures, LayoutCommands& library, const MainMenus& menus,
                       const MainToolbars& bars, StatusBars& status, MainEditorCalls host)
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

void MainEditor::Connect(QObject* context) {
  const MainMenus& m = menus_;
  const MainToolbars& t = bars_;
  QObject::connect(m.MI_FileReturn, &QAction::triggered, context, [this] { FileReturn(); });
  QObject::connect(m.MI_FileNew, &QAction::triggered, context, [this] { FileNew(); });
  QObject::connect(m.MI_FileOpen, &QAction::triggered, context, [this] { FileOpen(); });
  QObject::connect(m.MI_FileSave, &QAction::triggered, context, [this] { (void)SaveLayout(); });
  QObject::connect(m.MI_FilePlay, &QAction::triggered, context, [this] { FilePlay(); });
  // The shortcuts stay bound while the Edit menu is hidden: play must not reach the editor.
  QObject::connect(m.MI_EditUndo, &QAction::triggered, context, [this] {
    if (game_.Mode() == BoardMode::kEdit) editor_.Undo();
  });
  QObject::connect(m.MI_EditRedo, &QAction::triggered, context, [this] {
    if (game_.Mode() == BoardMode::kEdit) editor_.Redo();
  });
  for (QAction* a : {m.MI_EditDraw, m.MI_EditErase, m.MI_EditMove})
    QObject::connect(a, &QAction::triggered, context,
                     [this, a] { SelectTool(static_cast<EditTool>(a->data().toInt())); });
  for (QAction* a : {m.MI_EditAutoZ, m.MI_EditCustomZ})
    QObject::connect(a, &QAction::triggered, context,
                     [this, a] { SelectZMode(static_cast<LevelMode>(a->data().toInt())); });
  QObject::connect(t.B_CustomZDown, &QToolButton::clicked, context, [this] { ChangeCustomZ(-1); });
  QObject::connect(t.B_CustomZUp, &QToolButton::clicked, context, [this] { ChangeCustomZ(+1); });
  QObject::connect(t.B_EditHelp, &QToolButton::clicked, context,
                   [this] { host_.ShowHelp("create.htm"); });
}

bool MainEditor::Editing() const {
  return host_.Ready() && game_.Mode() == BoardMode::kEdit;
}

void MainEditor::ShowTool(EditTool tool, bool always) {
  QAction* items[] = {menus_.MI_EditDraw, menus_.MI_EditErase, menus_.MI_EditMove};
  if (!always && items[int(tool)]->isChecked()) return;
  items[int(tool)]->setChecked(true);
  host_.PointerTool(tool);
}

void MainEditor::SelectTool(EditTool tool) {
  controls_.Tool = tool;
  ShowTool(tool, true);
  if (!Editing()) return;
  editor_.SelectTool(tool);
  if (tool == EditTool::kErase) host_.EraseUnderPointer();
}

void MainEditor::SelectZMode(LevelMode mode) {
  controls_.ZMode = mode;
  const bool custom = mode == LevelMode::kCustom;
  (custom ? menus_.MI_EditCustomZ : menus_.MI_EditAutoZ)->setChecked(true);
  bars_.P_CustomZ->setVisible(custom);
  if (!Editing()) return;
  if (controls_.Tool != EditTool::kDraw) SelectTool(EditTool::kDraw);
  editor_.SelectZMode(mode);
}

void MainEditor::ChangeCustomZ(int delta) {
  if (Editing())
    editor_.ChangeCustomZ(delta);
  else
    controls_.ChangeCustomZ(delta);
  bars_.L_CustomZ->setText(QCoreApplication::translate("Editor", "Z: %1").arg(controls_.CustomZ));
}

void MainEditor::Enter(bool create) {
  host_.SetBoardMode(BoardMode::kEdit);
  const MODE_P& board = game_.EditBoard();
  if (create) {
    editor_.NewLayout();
    bars_.L_CustomZ->setText(QCoreApplication::translate("Editor", "Z: %1").arg(0));
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
  const QSize area = host_.AvailableArea();
  const MODE_P& board = game_.EditBoard();
  const int index = EditorTileSizeIndex(board, tileset, area.width(), area.height(), existing);
  if (index < 0) return;
  // Entered from play, the editor's board is the one shown.
  Result loaded;
  game_.PlaceBoards([&](MODE_P& shown, MODE_P& other) {
    loaded =
        tilesets_.LoadNearestTileSize(tileset, index, TileLoadTarget{&shown, &other, &pictures_});
  });
  if (!loaded && !loaded.Words().Empty()) host_.Message(MessageOf(loaded), kMessageOk);
  host_.AfterTileLoad();
}

void MainEditor::ShowStatus(const EditorStatus& s) {
  status_.Panel("P_EditZ")->SetText(QCoreApplication::translate("Editor", "Z: %1").arg(s.CursorZ));
  status_.Panel("P_EditTiles")
      ->SetText(QCoreApplication::translate("Editor", "Tiles: %1").arg(s.Tiles));
  StatusPanel* free = status_.Panel("P_EditFree");
  free->SetText(QCoreApplication::translate("Editor", "Free Tiles: %1").arg(s.FreeTiles));
  // Red while the layout cannot be dealt, so an unplayable design shows before saving.
  QPalette palette = free->Label()->palette();
  palette.setColor(QPalette::WindowText, s.Dealable ? Qt::black : QColor(200, 0, 0));
  free->Label()->setPalette(palette);
  menus_.MI_EditUndo->setEnabled(s.CanUndo);
  menus_.MI_EditRedo->setEnabled(s.CanRedo);
  if (game_.Mode() == BoardMode::kEdit) ShowCaption(s.Modified);
  ShowTool(controls_.Tool);
}

void MainEditor::ShowCaption(bool modified) {
  host_.SetCaption(std::string(kProgramTitle) + " - " +
                   std::string(game_.EditBoard().LayoutName()) + (modified ? "*" : ""));
}

bool MainEditor::SavePrompt() {
  if (!controls_.LayoutModified) return true;
  const std::string text =
      QCoreApplication::translate("Editor", "Save layout \"%1\" ?")
          .arg(QString::fromStdString(std::string(game_.EditBoard().LayoutName())))
          .toStdString();
  const int answer = host_.Message(text, kMessageYesNoCancel | kMessageQuestion);
  if (answer == kAnswerYes) return SaveLayout();
  return answer == kAnswerNo;
}

bool MainEditor::SaveLayout() {
  const MODE_P& board = game_.EditBoard();
  if (const Result savable = CheckLayoutToSave(board); !savable) {
    host_.Message(MessageOf(savable), kMessageOk);
    return false;
  }
  TF_OpenSave* dialog = library_.OpenSave();
  dialog->SetMode(OpenSaveMode::kSave);
  dialog->SetName(std::string(board.LayoutName()));
  if (!dialog->Ask()) return false;
  const std::string name = dialog->Name();
  if (const Result written = game_.WriteEditLayout(name); !written) {
    // Nothing was replaced; the layout stays here, still unsaved.
    host_.Message(
        TranslatedUtf8(Text::Lines(
            {Text::Template(TV_TRANSLATE_NOOP("Messages", "Could not write layout file \"%1\"!"),
                            {name + ".mah"}),
             written.Words()})),
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
    host_.Message(TranslatedUtf8(LayoutReadText(read.As<LayoutReadCode>(), name + ".mah")),
                  kMessageOk);
    return false;
  }
  editor_.Begin();
  EditorZoom(true);
  editor_.SelectTool(EditTool::kDraw);
  library_.OpenSave()->SetName(std::string(board.LayoutName()));
  ShowCaption(false);
  return true;
}

void MainEditor::FileNew() {
  if (!SavePrompt()) return;
  editor_.NewLayout();
  bars_.L_CustomZ->setText(QCoreApplication::translate("Editor", "Z: %1").arg(0));
  EditorZoom(false);
  ShowCaption(false);
}

void MainEditor::FileOpen() {
  TF_OpenSave* dialog = library_.OpenSave();
  dialog->SetMode(OpenSaveMode::kOpen);
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
  host_.SetBoardMode(BoardMode::kPlay);
  if (host_.OpenForPlay(entry->Name) && host_.StartNewGame) host_.StartNewGame();
}

void MainEditor::FileReturn() {
  if (!SavePrompt()) return;
  library_.Rebuild();
  host_.SetBoardMode(BoardMode::kPlay);
  if (host_.StartNewGame) host_.StartNewGame();
}

}  // namespace tv
