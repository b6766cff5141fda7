// SPDX-License-Identifier: GPL-3.0-or-later
// Main window set-up, modes, commands and the window events; field input is in
// main_input.cpp.
#include "app/main_window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <chrono>
#include <utility>

#include "app/art.h"
#include "app/field_view.h"
#include "app/main_editor.h"
#include "app/main_field.h"
#include "app/main_history.h"
#include "app/main_input.h"
#include "app/main_library.h"
#include "app/main_looks.h"
#include "app/main_status.h"
#include "app/settings_keeper.h"
#include "app/status_holder.h"
#include "app/winnable_panel.h"
#include "content/about.h"
#include "content/help.h"
#include "content/music.h"
#include "content/shuffle.h"
#include "field/geometry.h"
#include "game/editor.h"
#include "game/files.h"
#include "game/game_file.h"
#include "game/start_layout.h"

namespace tv {
namespace {

QColor PackedColor(int color) {
  const RgbBytes rgb = SplitColor(color);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace

TF_Main::TF_Main(const MainOptions& options)
    : paths_(options.Paths),
      messageBox_(options.MessageBox),
      clock_(options.Clock ? options.Clock : ClockFn(LocalDays)) {
  setObjectName("TF_Main");
  setWindowTitle(kProgramTitle);
  game_ = std::make_unique<Game>(host_, paths_.LayoutsDir);
  keeper_ = std::make_unique<GameKeeper>(paths_.GameFile, paths_.LayoutsDir);

  // Deals without a game number depend on this seed.
  game_->Rand().value = static_cast<std::uint32_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  tilesets_.ScanTilesets(paths_.TilesDirs());

  // The window fills the work area, between 640 by 480 and the screen's size.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
  const QRect workArea = screen ? screen->availableGeometry() : screenRect;
  setMinimumSize(640, 480);
  setMaximumSize(std::max(640, screenRect.width()), std::max(480, screenRect.height()));
  BuildWindow();
  startArea_ = workArea;
  setGeometry(workArea);

  // The field picture is as large as the largest screen (or the smallest window) in device
  // pixels, bound once to the field widget.
  const QSize picture = FieldWidget::LargestScreen().expandedTo(field_->DeviceSize(minimumSize()));
  fieldPicture_.Create(picture.width(), picture.height());
  view_ = std::make_unique<FieldView>(*game_, settings_, pictures_, fieldPicture_, *field_);
  input_ = std::make_unique<FieldInput>(*game_, *view_, *field_, *status_, menus_, edit_);
  input_->OnSelectTool = [this](EditTool tool) { SelectTool(tool); };
  input_->OnSelectZMode = [this](LevelMode mode) { SelectZMode(mode); };
  // Another screen density: the tiles that fit are another size.
  field_->OnRatioChanged = [this] {
    input_->RatioChanged();
    if (ready_ && isVisible()) FitTileSize();
  };
  input_->Keys().OnHint = [this] {
    if (menus_.MI_GameHint->isEnabled()) menus_.MI_GameHint->trigger();
  };
  winnable_ = new WinnablePanel(status_->Panel("P_Winnable"), this);
  game_->OnPositionChanged = [this] { PositionChanged(); };
  game_->SetPreferWinnableHints(true);
  field_->OnMouse = [this](FieldWidget::MouseEventKind kind, int x, int y, Qt::MouseButton button,
                           Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
    switch (kind) {
      case FieldWidget::MouseEventKind::Move:
        input_->MouseMove(x, y, mods, buttons);
        break;
      case FieldWidget::MouseEventKind::Down:
        input_->MouseDown(x, y, button, mods);
        break;
      case FieldWidget::MouseEventKind::Up:
        input_->MouseUp(x, y, button);
        break;
    }
  };

  settingsKeeper_ = new SettingsKeeper(
      paths_.SettingsFile, [this] { return CurrentSettings(); },
      [this](const std::string& text) { Message(text, kMessageWarning); }, this);
  help_ = new HelpViewer(paths_.ContentDir, this);
  help_->OnMessage = [this](const std::string& text) { Message(text, kMessageWarning); };
  shuffle_ = new TF_Shuffle([this](const std::string& text) { Message(text); }, this);
  // Starts the sound output and scans the music folder.
  MusicDialogOptions music;
  music.SoundsDir = paths_.SoundsDir;
  music.MusicDirs = paths_.MusicDirs();
  music.Rand = &game_->Rand();
  music.Message = [this](const std::string& text) { Message(text); };
  music.ShowHelp = [this](const std::string& topic) { ShowHelpTopic(topic); };
  music_ = new TF_Music(std::move(music), this);
  MainLooks::Calls looks{[this](const std::string& text) { Message(text); },
                         [this] { return AvailableArea(); },
                         [this] { RedrawAll(); },
                         [this](int color) {
                           QPalette palette = P_Field->palette();
                           palette.setColor(QPalette::Window, PackedColor(color));
                           P_Field->setPalette(palette);
                         },
                         [this](const TILESET_P* tileset) {
                           if (!LoadTileset(tileset)) return false;
                           LayOutAndRedraw();
                           return true;
                         },
                         [this](QWidget* dialog) { PlaceDialog(dialog, this); }};
  looks_ = std::make_unique<MainLooks>(settings_, tilesets_, paths_,
                                       QSize(fieldPicture_.width(), fieldPicture_.height()),
                                       std::move(looks), this);
  view_->BackgroundSource = [this] { return looks_->Picture(); };
  CreateLibrary();  // builds the catalogue and loads the records
  CreateHistory();

  T_NewGame.setInterval(100);
  // The clock shows whole seconds: instead of polling four times a second, the timer
  // wakes just after each new second of the game's time (an idle game costs less).
  T_UpdateClock.setTimerType(Qt::PreciseTimer);
  connect(&T_NewGame, &QTimer::timeout, this, &TF_Main::T_NewGameTimer);
  connect(&T_UpdateClock, &QTimer::timeout, this, &TF_Main::T_UpdateClockTimer);
  host_.Attach(HostParts{game_.get(), view_.get(), field_, input_.get(), status_,
                         static_cast<WindowControls*>(this), shuffle_, &T_NewGame, &T_UpdateClock,
                         clock_, options.Pauses, &music_->Player(), library_.get()});
  CreateEditor();
  ConnectCommands();

  // A changed work area (a task bar moved, a screen resized) lays the field out again.
  if (screen) {
    connect(screen, &QScreen::availableGeometryChanged, this, [this] {
      if (ready_ && isVisible()) LayOutAndRedraw();
    });
  }

  SetBoardMode(kPlayMode, false);
  EnterSolutionControls(false);
  setFocusPolicy(Qt::StrongFocus);
}

void TF_Main::T_NewGameTimer() {
  game_->OnNewGameTimer();
}

void TF_Main::T_UpdateClockTimer() {
  game_->OnClockTimer();
  if (T_UpdateClock.isActive())
    T_UpdateClock.setInterval(MsToNextClockSecond(game_->PlayBoard().Game.StartTime, clock_()));
}

TF_Main::~TF_Main() {
  T_NewGame.stop();
  T_UpdateClock.stop();
}

int TF_Main::Message(const std::string& text, int flags) {
  if (messageBox_) return messageBox_(text, flags);
  return ShowMessageBox(this, text, flags);
}

void TF_Main::BuildWindow() {
  menus_ = BuildMenus(this);
  auto* central = new QWidget(this);
  central->setObjectName("ClientArea");
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  bars_ = BuildToolbars(central);
  column->addWidget(bars_.P_ToolbarHolder);

  P_Field = new QWidget(central);
  P_Field->setObjectName("P_Field");
  P_Field->setAutoFillBackground(true);
  column->addWidget(P_Field, 1);
  field_ = new FieldWidget(P_Field);
  field_->move(0, 0);

  P_StatusHolder = new StatusHolder(central);
  P_StatusHolder->setObjectName("P_StatusHolder");
  P_StatusHolder->setFixedHeight(kStatusHeight);
  status_ = new StatusBars(P_StatusHolder);
  auto* statusStack = new QHBoxLayout(P_StatusHolder);
  statusStack->setContentsMargins(0, 0, 0, 0);
  statusStack->addWidget(status_->PlayStatus());
  statusStack->addWidget(status_->EditStatus());
  column->addWidget(P_StatusHolder);
  setCentralWidget(central);

  // Warm lacquer tones around the field. Style sheets only where they are needed: the
  // status bar repaints every second and stays on the plain, cheaper style.
  bars_.P_ToolbarHolder->setStyleSheet(
      "#P_ToolbarHolder { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
      " stop:0 #5b2a1c, stop:1 #3a1a12); border-bottom: 1px solid #c99a4b; }"
      "QToolButton { border: 1px solid transparent; border-radius: 6px; }"
      "QToolButton:hover { background: rgba(255, 220, 150, 40); border-color: #c99a4b; }"
      "QToolButton:pressed, QToolButton:checked { background: rgba(255, 210, 120, 70);"
      " border-color: #e8c27a; }"
      "#L_CustomZ { color: #f3e2bf; font: bold 15px Arial; padding: 0 4px; }");
  bars_.P_ToolbarHolder->setAttribute(Qt::WA_StyledBackground);
  menuBar()->setStyleSheet(
      "QMenuBar { background: #2a120c; color: #f3e2bf; padding: 1px 2px; }"
      "QMenuBar::item { background: transparent; padding: 4px 10px; border-radius: 4px; }"
      "QMenuBar::item:selected, QMenuBar::item:pressed { background: #6b3322; }"
      "QMenu { background: #fbf4e4; color: #2a1d10; border: 1px solid #c99a4b; padding: 4px; }"
      "QMenu::item { padding: 5px 28px 5px 8px; border-radius: 4px; }"
      "QMenu::item:selected { background: #ecd3a0; }"
      "QMenu::item:disabled { color: #aa9c88; }"
      "QMenu::icon { padding-left: 6px; }"
      "QMenu::separator { height: 1px; background: #dcc49a; margin: 4px 6px; }");

  // A click on the clock switches its face; one on the game number copies it.
  status_->OnClockClicked = [this] { SetAnalogClock(!status_->AnalogClock()); };
  status_->OnGameNumberClicked = [this] { CopyGameNumber(); };
}

void TF_Main::ConnectCommands() {
  const MainMenus& m = menus_;
  const MainToolbars& t = bars_;
  connect(m.MI_GameNew, &QAction::triggered, this, [this] { game_->DeferredStart(kDealNew); });
  connect(m.MI_GameRestart, &QAction::triggered, this,
          [this] { game_->DeferredStart(kDealRestart); });
  connect(m.MI_GameReshuffle, &QAction::triggered, this,
          [this] { game_->DeferredStart(kDealReshuffle); });
  connect(m.MI_GameShuffle, &QAction::triggered, this, [this] { MI_GameShuffleClick(); });
  connect(m.MI_GameUndo, &QAction::triggered, this, [this] { game_->Undo(); });
  connect(m.MI_GameRedo, &QAction::triggered, this, [this] { game_->Redo(); });
  connect(m.MI_GamePause, &QAction::triggered, this, [this] { MI_GamePauseClick(); });
  connect(m.MI_OptionsResume, &QAction::triggered, this, [this] { MI_OptionsResumeClick(); });
  connect(m.MI_OptionsFullScreen, &QAction::triggered, this, [this] { ToggleFullScreen(); });
  connect(m.MI_GameHint, &QAction::triggered, this, [this] { game_->Hint(); });
  connect(m.MI_GameShowSol, &QAction::triggered, this, [this] {
    input_->ClearHover();
    game_->ShowSolution();
  });
  connect(m.MI_GameExit, &QAction::triggered, this, &QWidget::close);
  connect(m.MI_LayoutCreate, &QAction::triggered, this, [this] { MI_LayoutEditClick(true); });
  connect(m.MI_LayoutEdit, &QAction::triggered, this, [this] { MI_LayoutEditClick(false); });
  connect(m.MI_SolFirst, &QAction::triggered, this, [this] { game_->SolutionFirst(); });
  connect(m.MI_SolPrev, &QAction::triggered, this, [this] { game_->SolutionPrev(); });
  connect(m.MI_SolNext, &QAction::triggered, this, [this] { game_->SolutionNext(); });
  connect(m.MI_SolLast, &QAction::triggered, this, [this] { game_->SolutionLast(); });
  connect(m.MI_SolStop, &QAction::triggered, this, [this] { game_->ReturnToGame(); });
  connect(m.MI_FileReturn, &QAction::triggered, this, [this] { MI_FileReturnClick(); });
  connect(m.MI_FileNew, &QAction::triggered, this, [this] { editor_->FileNew(); });
  connect(m.MI_FileOpen, &QAction::triggered, this, [this] { editor_->FileOpen(); });
  connect(m.MI_FileSave, &QAction::triggered, this, [this] { (void)editor_->SaveLayout(); });
  connect(m.MI_FilePlay, &QAction::triggered, this, [this] { editor_->FilePlay(); });
  // The shortcuts stay bound while the Edit menu is hidden: play must not reach the editor.
  connect(m.MI_EditUndo, &QAction::triggered, this, [this] {
    if (game_->BoardMode() == kEditMode) editor_->Logic().Undo();
  });
  connect(m.MI_EditRedo, &QAction::triggered, this, [this] {
    if (game_->BoardMode() == kEditMode) editor_->Logic().Redo();
  });
  connect(m.MI_FileExit, &QAction::triggered, this, &QWidget::close);
  for (QAction* a : {m.MI_EditDraw, m.MI_EditErase, m.MI_EditMove})
    connect(a, &QAction::triggered, this,
            [this, a] { SelectTool(static_cast<EditTool>(a->data().toInt())); });
  for (QAction* a : {m.MI_EditAutoZ, m.MI_EditCustomZ})
    connect(a, &QAction::triggered, this,
            [this, a] { SelectZMode(static_cast<LevelMode>(a->data().toInt())); });
  connect(m.MI_OptionsZoomIn, &QAction::triggered, this, [this] { ZoomTiles(true); });
  connect(m.MI_OptionsZoomOut, &QAction::triggered, this, [this] { ZoomTiles(false); });
  connect(m.MI_OptionsDimBlockedTiles, &QAction::triggered, this, [this] { ToggleDimBlocked(); });
  connect(m.MI_OptionsDrawShadows, &QAction::triggered, this, [this] { ToggleDrawShadows(); });
  connect(m.MI_OptionsLongerHints, &QAction::triggered, this, [this] { ToggleLongerHints(); });
  connect(m.MI_OptionsShowWinnable, &QAction::triggered, this,
          [this](bool on) { SetShowWinnable(on); });
  connect(m.MI_OptionsMusic, &QAction::triggered, this, [this] { music_->Run(); });
  connect(m.MI_OptionsTileset, &QAction::triggered, this,
          [this] { looks_->MI_OptionsTilesetClick(); });
  connect(m.MI_OptionsBkgPic, &QAction::triggered, this,
          [this] { looks_->MI_OptionsBkgPicClick(); });
  connect(m.MI_OptionsBkgCol, &QAction::triggered, this,
          [this] { looks_->MI_OptionsBkgColClick(); });
  connect(m.MI_GameClearRecords, &QAction::triggered, this, [this] { MI_GameClearRecordsClick(); });
  connect(m.MI_HelpContents, &QAction::triggered, this, [this] { ShowHelpTopic("cont.htm"); });
  connect(m.MI_HelpPlay, &QAction::triggered, this, [this] { MI_HelpPlayClick(); });
  for (QAction* home : {m.MI_HelpCompHome, m.MI_HelpProdHome})
    connect(home, &QAction::triggered, this, [this] { ShowHelpTopic(kAboutTopic); });
  connect(m.MI_HelpAbout, &QAction::triggered, this, [this] { MI_HelpAboutClick(); });

  // Each button is its menu item's command: enabling, checking and running are the item's.
  const std::pair<QToolButton*, QAction*> bound[] = {
      {t.B_EditUndo, m.MI_EditUndo},
      {t.B_EditRedo, m.MI_EditRedo},
      {t.B_ChooseLayout, m.MI_LayoutChoose},
      {t.B_New, m.MI_GameNew},
      {t.B_Restart, m.MI_GameRestart},
      {t.B_Undo, m.MI_GameUndo},
      {t.B_Redo, m.MI_GameRedo},
      {t.B_Pause, m.MI_GamePause},
      {t.B_Hint, m.MI_GameHint},
      {t.B_BkgCol, m.MI_OptionsBkgCol},
      {t.B_BkgPic, m.MI_OptionsBkgPic},
      {t.B_Tiles, m.MI_OptionsTileset},
      {t.B_ZoomIn, m.MI_OptionsZoomIn},
      {t.B_ZoomOut, m.MI_OptionsZoomOut},
      {t.B_Music, m.MI_OptionsMusic},
      {t.B_PlayHelp, m.MI_HelpPlay},
      {t.B_FileNew, m.MI_FileNew},
      {t.B_FileOpen, m.MI_FileOpen},
      {t.B_FileSave, m.MI_FileSave},
      {t.B_FilePlay, m.MI_FilePlay},
      {t.B_SolFirst, m.MI_SolFirst},
      {t.B_SolPrev, m.MI_SolPrev},
      {t.B_SolNext, m.MI_SolNext},
      {t.B_SolLast, m.MI_SolLast},
      {t.B_SolStop, m.MI_SolStop},
  };
  for (const auto& [button, action] : bound) {
    action->setToolTip(button->toolTip());  // the button's hint; menus show no tooltips
    button->setDefaultAction(action);
  }
  // The toggle button's own click flips its state; the command sets it again.
  connect(t.B_DimBlocked, &QToolButton::clicked, this, [this] { ToggleDimBlocked(); });
  connect(t.B_EditDraw, &QToolButton::clicked, this, [this] { SelectTool(EditTool::Draw); });
  connect(t.B_EditErase, &QToolButton::clicked, this, [this] { SelectTool(EditTool::Erase); });
  connect(t.B_EditMove, &QToolButton::clicked, this, [this] { SelectTool(EditTool::Move); });
  connect(t.B_EditAutoZ, &QToolButton::clicked, this, [this] { SelectZMode(LevelMode::Auto); });
  connect(t.B_EditCustomZ, &QToolButton::clicked, this, [this] { SelectZMode(LevelMode::Custom); });
  connect(t.B_CustomZDown, &QToolButton::clicked, this, [this] { ChangeCustomZ(-1); });
  connect(t.B_CustomZUp, &QToolButton::clicked, this, [this] { ChangeCustomZ(+1); });
  connect(t.B_EditHelp, &QToolButton::clicked, this, [this] { ShowHelpTopic("create.htm"); });
  connect(t.B_SolHelp, &QToolButton::clicked, this, [this] { ShowHelpTopic("solution.htm"); });
}

void TF_Main::ApplySettings(const Settings& settings) {
  settings_ = settings;
  menus_.MI_OptionsDimBlockedTiles->setChecked(settings_.DimLockedTiles);
  bars_.B_DimBlocked->setChecked(settings_.DimLockedTiles);
  menus_.MI_OptionsDrawShadows->setChecked(settings_.DrawShadows);
  menus_.MI_OptionsLongerHints->setChecked(settings_.LongerHints);
  game_->SetLongerHints(settings_.LongerHints);
  menus_.MI_OptionsNextLayout->setChecked(settings_.NextLayoutRun);
  tilesets_.ZoomedFaceWidth = settings_.ZoomFaceWidth;
  menus_.MI_OptionsResume->setChecked(settings_.ResumeGame);
  keeper_->SetOn(settings_.ResumeGame);
  SetShowWinnable(settings_.ShowWinnable);
  QPalette palette = P_Field->palette();
  palette.setColor(QPalette::Window, PackedColor(settings_.BkgColor));
  P_Field->setPalette(palette);
  const GAME_P& game = game_->PlayBoard().Game;
  status_->SetClockKind(settings_.AnalogClock, game.StartTime, game.ClockTime);
  music_->Player().ApplySettings(settings_);
  library_->ApplyLists(settings_);
  PlaceWindow(settings_);
}

void TF_Main::PlaceWindow(const Settings& s) {
  if (s.WindowWidth <= 0 || s.WindowHeight <= 0) return;
  QRect wanted(s.WindowLeft, s.WindowTop, s.WindowWidth, s.WindowHeight);
  const QScreen* screen = QGuiApplication::screenAt(wanted.center());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    // A screen gone or made smaller since: the window comes back whole onto one there is.
    const QRect area = screen->availableGeometry();
    wanted.setSize(wanted.size().boundedTo(area.size()).expandedTo(minimumSize()));
    wanted.moveLeft(std::clamp(wanted.left(), area.left(),
                               std::max(area.left(), area.right() + 1 - wanted.width())));
    wanted.moveTop(std::clamp(wanted.top(), area.top(),
                              std::max(area.top(), area.bottom() + 1 - wanted.height())));
  }
  setGeometry(wanted);
  if (s.WindowMaximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void TF_Main::ToggleFullScreen() {
  setWindowState(windowState() ^ Qt::WindowFullScreen);
  menus_.MI_OptionsFullScreen->setChecked(isFullScreen());
}

bool TF_Main::ReadStartLayout() {
  MODE_P& board = game_->PlayBoard();
  // A kept game brings its own layout, so the tile size fits it from the start.
  kept_ = keeper_->TakeKept();
  if (kept_) settings_.LayoutName = kept_->LayoutName;
  if (!tv::ReadStartLayout(paths_.LayoutsDir, settings_.LayoutName, kDefaultLayout, board))
    return false;
  game_->EditBoard().Game = board.Game;
  return true;
}

bool TF_Main::LoadStartTileSize() {
  const TILESET_P* tileset = tilesets_.FindTileset(settings_.TilesetName);
  if (tileset == nullptr) tileset = tilesets_.FindTileset(kDefaultTileset);
  if (tileset == nullptr && !tilesets_.List().empty()) tileset = tilesets_.List().front().get();
  return LoadTileset(tileset);
}

bool TF_Main::LoadTileset(const TILESET_P* tileset) {
  const QSize area = AvailableArea();
  MODE_P* other = game_->BoardMode() == kEditMode ? &game_->PlayBoard() : &game_->EditBoard();
  const TileLoadTarget target{&game_->Board(), other, &pictures_};
  const Result loaded = tilesets_.LoadFittingTileSize(tileset, area.width(), area.height(), target);
  if (!loaded) {
    if (!loaded.Message().empty()) Message(loaded.Message());
    return false;
  }
  SetZoomCommands();
  laidOutArea_ = area;
  return true;
}

void TF_Main::SetZoomCommands() {
  const ZoomStates zoom = ZoomCommandStates(tilesets_);
  Enable(Command::ZoomIn, zoom.ZoomIn);
  Enable(Command::ZoomOut, zoom.ZoomOut);
}

FieldContext TF_Main::Context() {
  return FieldContext{&tilesets_, &game_->PlayBoard(), &game_->EditBoard(),
                      game_->BoardMode() == kEditMode, &pictures_};
}

void TF_Main::FinishStartUp() {
  LayOutAndRedraw();  // the background, until the first deal fills it
  ready_ = true;
  input_->SetReady(true);
  history_->Open();
  if (kept_ && EqualsIgnoreCase(game_->PlayBoard().LayoutName(), kept_->LayoutName)) {
    game_->Resume(*kept_);
    LayOutAndRedraw();
  } else {
    game_->DeferredStart(kDealNew);
  }
  kept_.reset();
}

QSize TF_Main::AvailableArea() const {
  if (isVisible()) return field_->DeviceSize(P_Field->size());
  // Before the first show the layout has not run: derive it from the window's size.
  const int menu = menuBar()->sizeHint().height();
  return field_->DeviceSize(
      QSize(width(), std::max(1, height() - menu - kToolbarHeight - kStatusHeight)));
}

void TF_Main::RedrawAll() {
  view_->SetAvailableArea(AvailableArea());
  view_->RedrawAll();
}

void TF_Main::LayOutAndRedraw() {
  const QSize area = AvailableArea();
  const bool edit = game_->BoardMode() == kEditMode;
  LayOutField(game_->Board(), edit, area.width(), area.height());
  tv::PlaceTiles(game_->Board(),
                 edit ? EditPlacedCount(game_->Board()) : game_->Board().Game.TileCount);
  laidOutArea_ = area;
  AfterLayOut();
}

void TF_Main::AfterLayOut() {
  input_->EndDrag();
  looks_->AfterLayOut(laidOutArea_);
  RedrawAll();
}

void TF_Main::SetBoardMode(int mode, bool update) {
  const bool edit = mode == kEditMode;
  if (edit)
    game_->EnterEditMode();
  else
    game_->SetBoardMode(kPlayMode);
  if (update) {
    menus_.MI_Game->menuAction()->setVisible(!edit);
    menus_.MI_Favs->menuAction()->setVisible(!edit);
    menus_.MI_Layout->menuAction()->setVisible(!edit);
    menus_.MI_File->menuAction()->setVisible(edit);
    menus_.MI_Edit->menuAction()->setVisible(edit);
    menus_.MI_Sol->menuAction()->setVisible(false);
    bars_.P_PlayToolbar->setVisible(!edit);
    bars_.P_EditToolbar->setVisible(edit);
    bars_.P_SolToolbar->setVisible(false);
    status_->ShowEditStatus(edit);
    // The other bars may differ in height: the field's size is known once they are laid out.
    if (layout() != nullptr) layout()->activate();
    if (QLayout* inner = centralWidget()->layout()) inner->activate();
  } else if (!ready_) {
    // The first switch, at set-up: the edit controls start hidden.
    menus_.MI_File->menuAction()->setVisible(false);
    menus_.MI_Edit->menuAction()->setVisible(false);
  }
  if (!ready_) return;
  if (edit) {
    edit_.Enter();
    SelectZMode(edit_.ZMode);
    SelectTool(edit_.Tool);
  }
  LayOutAndRedraw();
}

void TF_Main::EnterSolutionControls(bool on) {
  solutionView_ = on;
  menus_.MI_Sol->menuAction()->setVisible(on);
  menus_.MI_Game->menuAction()->setVisible(!on);
  menus_.MI_Favs->menuAction()->setVisible(!on);
  menus_.MI_Layout->menuAction()->setVisible(!on);
  bars_.P_SolToolbar->setVisible(on);
  bars_.P_PlayToolbar->setVisible(!on);
  for (QAction* a : {menus_.MI_LayoutChoose, menus_.MI_GameNew, menus_.MI_GameRestart,
                     menus_.MI_GameShuffle, menus_.MI_GameShowSol, menus_.MI_GameClearRecords,
                     menus_.MI_LayoutCreate, menus_.MI_LayoutEdit})
    a->setEnabled(!on);
  if (on) {
    Enable(Command::Undo, false);
    Enable(Command::Redo, false);
    Enable(Command::Hint, false);
    Enable(Command::Pause, false);
    CentreSolutionButtons(bars_);
  }
}

void TF_Main::SetPausedView(bool on) {
  input_->ClearHover();
  if (on) status_->SetCurrentTile("", false);
  if (!on) autoPaused_ = false;
  menus_.MI_GamePause->setChecked(on);
  // Undo, redo, hint and reshuffle follow the game; these are the window's own.
  for (QAction* a :
       {menus_.MI_LayoutChoose, menus_.MI_GameShuffle, menus_.MI_GameDaily, menus_.MI_GameShowSol,
        menus_.MI_GameClearRecords, menus_.MI_LayoutCreate, menus_.MI_LayoutEdit})
    a->setEnabled(!on);
  // A favourite starts a game, which only New and Restart may do while paused.
  menus_.MI_Favs->setEnabled(!on);
}

void TF_Main::MoveMade() {
  const Result kept = keeper_->Update(*game_, clock_());
  // Said once a session; every later move tries again.
  if (!kept && !keeperReported_ && kept.Is(GameFileCode::kIoError)) {
    keeperReported_ = true;
    Message("Could not keep the unfinished game!$D" + kept.Message(), kMessageWarning);
  }
}

void TF_Main::SetSolutionView(bool on) {
  input_->ClearHover();
  EnterSolutionControls(on);
  if (ready_) LayOutAndRedraw();
}

void TF_Main::Enable(Command command, bool on) {
  const MainMenus& m = menus_;
  // The buttons follow: each is bound to its item.
  switch (command) {
    case Command::Undo:
      return m.MI_GameUndo->setEnabled(on);
    case Command::Hint:
      return m.MI_GameHint->setEnabled(on);
    case Command::Reshuffle:
      return m.MI_GameReshuffle->setEnabled(on);
    case Command::Redo:
      return m.MI_GameRedo->setEnabled(on);
    case Command::Pause:
      return m.MI_GamePause->setEnabled(on);
    case Command::SolutionNext:
      for (QAction* a : {m.MI_SolNext, m.MI_SolLast}) a->setEnabled(on);
      return;
    case Command::SolutionPrev:
      for (QAction* a : {m.MI_SolFirst, m.MI_SolPrev}) a->setEnabled(on);
      return;
    case Command::ZoomIn:
      return m.MI_OptionsZoomIn->setEnabled(on);
    case Command::ZoomOut:
      return m.MI_OptionsZoomOut->setEnabled(on);
  }
}

void TF_Main::SetCaption(const std::string& caption) {
  setWindowTitle(QString::fromStdString(caption));
}

void TF_Main::ShowHelpTopic(const std::string& topic) {
  help_->ShowTopic(topic);
}

void TF_Main::ZoomTiles(bool zoomIn) {
  const QSize area = AvailableArea();
  input_->ClearHover();
  const Result zoomed = tv::ZoomTiles(Context(), zoomIn, area.width(), area.height());
  if (!zoomed) {
    if (!zoomed.Message().empty()) Message(zoomed.Message());
    return;
  }
  SetZoomCommands();
  laidOutArea_ = area;
  AfterLayOut();
}

void TF_Main::FitTileSize() {
  const QSize area = AvailableArea();
  const Result fitted = tv::FitTileSize(Context(), area.width(), area.height());
  if (!fitted) {
    if (!fitted.Message().empty()) Message(fitted.Message());
    return;
  }
  SetZoomCommands();
  laidOutArea_ = area;
  AfterLayOut();
}

void TF_Main::ToggleDimBlocked() {
  settings_.DimLockedTiles = !settings_.DimLockedTiles;
  menus_.MI_OptionsDimBlockedTiles->setChecked(settings_.DimLockedTiles);
  bars_.B_DimBlocked->setChecked(settings_.DimLockedTiles);
  RedrawAll();
}

void TF_Main::ToggleDrawShadows() {
  settings_.DrawShadows = !settings_.DrawShadows;
  menus_.MI_OptionsDrawShadows->setChecked(settings_.DrawShadows);
  RedrawAll();
}

void TF_Main::ToggleLongerHints() {
  settings_.LongerHints = !settings_.LongerHints;
  menus_.MI_OptionsLongerHints->setChecked(settings_.LongerHints);
  game_->SetLongerHints(settings_.LongerHints);
}

void TF_Main::CopyGameNumber() {
  const StatusPanel* panel = status_->Panel("P_GameNumber");
  if (panel->Label()->text().isEmpty()) return;
  const QString number = QString::number(game_->PlayBoard().Game.Seed);
  QGuiApplication::clipboard()->setText(number);
  status_->ShowNote(kGameNumberCopiedNote);
}

void TF_Main::SetAnalogClock(bool analog) {
  settings_.AnalogClock = analog;
  const GAME_P& game = game_->PlayBoard().Game;
  status_->SetClockKind(analog, game.StartTime, game.ClockTime);
}

void TF_Main::SetShowWinnable(bool on) {
  settings_.ShowWinnable = on;
  menus_.MI_OptionsShowWinnable->setChecked(on);
  game_->SetPreferWinnableHints(on);
  winnable_->SetShown(on);
  if (on) PositionChanged();
}

void TF_Main::PositionChanged() {
  input_->Keys().AfterPositionChange();
  input_->AfterPositionChange();
  const MODE_P& board = game_->PlayBoard();
  // A failed deal leaves no tile present, whatever the counters say.
  bool anyPresent = false;
  for (int i = 0; i < std::clamp(board.Game.TileCount, 0, kMaxTiles); ++i)
    anyPresent = anyPresent || board.Tiles[std::size_t(i)].Present;
  const bool inPlay = ready_ && game_->BoardMode() == kPlayMode && !game_->SolutionMode() &&
                      board.Game.TilesLeft > 0 && anyPresent;
  winnable_->PositionChanged(board, inPlay);
}

void TF_Main::ShowTool(EditTool tool, bool always) {
  QAction* items[] = {menus_.MI_EditDraw, menus_.MI_EditErase, menus_.MI_EditMove};
  QToolButton* buttons[] = {bars_.B_EditDraw, bars_.B_EditErase, bars_.B_EditMove};
  if (!always && items[int(tool)]->isChecked() && buttons[int(tool)]->isChecked()) return;
  items[int(tool)]->setChecked(true);
  buttons[int(tool)]->setChecked(true);
  input_->EndDrag();
  if (tool == EditTool::Move)
    field_->setCursor(ArtCursor("move", field_->devicePixelRatioF()));
  else
    field_->unsetCursor();
}

void TF_Main::SelectTool(EditTool tool) {
  edit_.Tool = tool;
  ShowTool(tool, true);
  if (!ready_ || game_->BoardMode() != kEditMode) return;
  editor_->Logic().SelectTool(tool);
  if (tool == EditTool::Erase) input_->EraseUnderPointer();
}

void TF_Main::SelectZMode(LevelMode mode) {
  edit_.ZMode = mode;
  const bool custom = mode == LevelMode::Custom;
  (custom ? menus_.MI_EditCustomZ : menus_.MI_EditAutoZ)->setChecked(true);
  (custom ? bars_.B_EditCustomZ : bars_.B_EditAutoZ)->setChecked(true);
  bars_.P_CustomZ->setVisible(custom);
  if (!ready_ || game_->BoardMode() != kEditMode) return;
  if (edit_.Tool != EditTool::Draw) SelectTool(EditTool::Draw);
  editor_->Logic().SelectZMode(mode);
}

void TF_Main::ChangeCustomZ(int delta) {
  if (ready_ && game_->BoardMode() == kEditMode)
    editor_->Logic().ChangeCustomZ(delta);
  else
    edit_.ChangeCustomZ(delta);
  bars_.L_CustomZ->setText(QStringLiteral("Z: %1").arg(edit_.CustomZ));
}

void TF_Main::MI_GameShuffleClick() {
  game_->SelectGameShuffle();
}

void TF_Main::MI_GamePauseClick() {
  game_->SetPaused(!game_->Paused());
  autoPaused_ = false;
  // The item (and its button) flips itself when clicked; the game decides.
  menus_.MI_GamePause->setChecked(game_->Paused());
}

void TF_Main::MI_OptionsResumeClick() {
  settings_.ResumeGame = menus_.MI_OptionsResume->isChecked();
  keeper_->SetOn(settings_.ResumeGame);
  MoveMade();
}

void TF_Main::MI_HelpPlayClick() {
  if (game_->BoardMode() == kEditMode)
    ShowHelpTopic("create.htm");
  else if (game_->SolutionMode())
    ShowHelpTopic("solution.htm");
  else
    ShowHelpTopic("play.htm");
}

void TF_Main::MI_HelpAboutClick() {
  auto about = std::make_unique<TF_About>(false, AboutArt(), this);
  about->exec();
}

void TF_Main::MI_GameClearRecordsClick() {
  library_->ClearRecords();
}

void TF_Main::MI_LayoutEditClick(bool create) {
  input_->ClearHover();
  T_UpdateClock.stop();
  editor_->Enter(create);
}

void TF_Main::MI_FileReturnClick() {
  editor_->FileReturn();
}

Settings TF_Main::CurrentSettings() const {
  Settings settings = settings_;
  settings.LayoutName = std::string(game_->PlayBoard().LayoutName());
  settings.TilesetName = tilesets_.TilesetName;
  settings.AnalogClock = status_->AnalogClock();
  settings.ZoomFaceWidth = tilesets_.ZoomedFaceWidth;
  library_->StoreLists(settings);
  music_->Player().StoreSettings(settings);
  // Where the player left the window; full screen and maximised keep the size beneath.
  const bool maximized = windowState() & Qt::WindowMaximized;
  const QRect normal = maximized || isFullScreen() ? normalGeometry() : geometry();
  if (isVisible() && normal.isValid()) {
    const bool asStarted = !maximized && normal == startArea_;
    settings.WindowLeft = asStarted ? 0 : normal.left();
    settings.WindowTop = asStarted ? 0 : normal.top();
    settings.WindowWidth = asStarted ? 0 : normal.width();
    settings.WindowHeight = asStarted ? 0 : normal.height();
    settings.WindowMaximized = maximized;
  }
  return settings;
}

void TF_Main::SetSaveOnClose(bool save) {
  saveOnClose_ = save;
  if (save) {
    settingsKeeper_->Written(CurrentSettings());
    settingsKeeper_->Start();
  } else
    settingsKeeper_->Stop();
}

void TF_Main::SaveOnClose() {
  settingsKeeper_->Stop();
  MoveMade();  // the time played up to now, for the next start
  history_->Exit(keeper_->On() && IsKeepable(*game_));
  library_->SaveRecords();
  settings_ = CurrentSettings();
  if (const Result saved = SaveSettings(paths_.SettingsFile, settings_); !saved)
    Message("Could not write the settings file!$D" + saved.Message(), kMessageError);
}

void TF_Main::CloseWithoutQuestions() {
  askOnClose_ = false;
  close();
}

void TF_Main::closeEvent(QCloseEvent* event) {
  if (askOnClose_ && ready_ && game_->BoardMode() == kEditMode && !editor_->SavePrompt()) {
    event->ignore();
    return;
  }
  if (saveOnClose_) SaveOnClose();
  if (game_->BoardMode() == kEditMode) SetBoardMode(kPlayMode, false);
  ready_ = false;
  input_->SetReady(false);
  T_NewGame.stop();
  T_UpdateClock.stop();
  help_->close();
  event->accept();
}

void TF_Main::keyPressEvent(QKeyEvent* event) {
  if (input_->KeyPress(event->key(), event->modifiers())) return;
  QMainWindow::keyPressEvent(event);
}

void TF_Main::keyReleaseEvent(QKeyEvent* event) {
  input_->KeyRelease(event->isAutoRepeat());
  QMainWindow::keyReleaseEvent(event);
}

void TF_Main::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  menus_.MI_OptionsFullScreen->setChecked(isFullScreen());  // also when the desktop ends it
  if (!ready_) return;
  // Nobody plays a minimised game: its clock stands until the window is back.
  if (windowState() & Qt::WindowMinimized) {
    if (!game_->Paused() && game_->CanPause()) {
      game_->SetPaused(true);
      autoPaused_ = true;
    }
  } else if (autoPaused_) {
    game_->SetPaused(false);
  }
}

void TF_Main::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (solutionView_) CentreSolutionButtons(bars_);
  setFocus();  // keys reach the window: Ctrl hover, solution steps
}

void TF_Main::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!isVisible()) return;
  if (game_->BoardMode() == kPlayMode && !ready_) return;
  if (solutionView_) CentreSolutionButtons(bars_);
  // The panel's new size is known only after the layout has run.
  if (QLayout* layout = centralWidget()->layout()) layout->activate();
  // A window made smaller must not leave tiles out of reach: a size that no longer fits
  // gives way to the largest that does. A window grown enough for larger tiles than the
  // ones shown gets them; a size zoomed into beyond the fit stays while the window grows.
  const QSize area = AvailableArea();
  const bool shrunk = area.width() < laidOutArea_.width() || area.height() < laidOutArea_.height();
  const bool grown = area.width() > laidOutArea_.width() || area.height() > laidOutArea_.height();
  if ((shrunk && !LayoutFits(game_->Board(), area.width(), area.height())) ||
      (grown && game_->BoardMode() == kPlayMode &&
       ZoomGivesWayToLargerTiles(tilesets_, game_->Board(), area.width(), area.height()))) {
    FitTileSize();
    return;
  }
  LayOutAndRedraw();
}

}  // namespace tv
