// SPDX-License-Identifier: GPL-3.0-or-later
// Main window set-up, modes, commands and the window events; its parts are made in
// main_window_parts.cpp, field input is in field_input.cpp.
#include "app/main_window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <chrono>
#include <utility>

#include "app/art.h"
#include "app/field_input.h"
#include "app/field_view.h"
#include "app/field_widget.h"
#include "app/layout_commands.h"
#include "app/main_editor.h"
#include "app/main_history.h"
#include "app/main_looks.h"
#include "app/main_widgets.h"
#include "app/settings_keeper.h"
#include "app/status_bars.h"
#include "app/window_place.h"
#include "app/winnable_panel.h"
#include "content/about.h"
#include "content/help.h"
#include "content/music.h"
#include "content/shuffle.h"
#include "content/sound_output.h"
#include "content/translate.h"
#include "field/geometry.h"
#include "game/editor.h"
#include "game/files.h"
#include "game/game_file.h"
#include "game/layout_file.h"
#include "game/start_layout.h"

namespace tv {
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
  CreateParts();
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
                         clock_, options.Pauses, &sound_->Player(), library_.get()});
  CreateEditor();
  ConnectCommands();

  // A changed work area (a task bar moved, a screen resized) lays the field out again.
  if (screen) {
    connect(screen, &QScreen::availableGeometryChanged, this, [this] {
      if (ready_ && isVisible()) LayOutAndRedraw();
    });
  }

  SetBoardMode(BoardMode::kPlay, false);
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

MainWindowParts TF_Main::Parts() {
  return {menus_,   bars_,         *status_,      field_,     help_,         shuffle_,
          music_,   *sound_,       *looks_,       *library_,  *winnable_,    *input_,
          *editor_, fieldPicture_, edit_.CustomZ, &T_NewGame, &T_UpdateClock};
}

int TF_Main::Message(const std::string& text, int flags) {
  if (messageBox_) return messageBox_(text, flags);
  return ShowMessageBox(this, text, flags);
}

bool TF_Main::OpenForPlay(const std::string& name) {
  const std::string shown(game_->PlayBoard().LayoutName());
  // The game on the field ends before another layout takes the board.
  game_->LeaveInHistory();
  if (!game_->ReadPlayLayout(name).Ok()) return false;
  // A zoom is the player's choice for the layout it was made on.
  if (!EqualsIgnoreCase(shown, game_->PlayBoard().LayoutName())) tilesets_.ZoomedFaceWidth = 0;
  FitTileSize();
  return true;
}

void TF_Main::BuildWindow() {
  MainWidgets widgets = BuildMainWidgets(this);
  menus_ = widgets.Menus;
  bars_ = widgets.Bars;
  P_Field = widgets.P_Field;
  field_ = widgets.Field;
  P_StatusHolder = widgets.P_StatusHolder;
  status_ = widgets.Status;
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
  connect(m.MI_GameShuffle, &QAction::triggered, this, [this] { game_->SelectGameShuffle(); });
  connect(m.MI_GameUndo, &QAction::triggered, this, [this] { game_->Undo(); });
  connect(m.MI_GameRedo, &QAction::triggered, this, [this] { game_->Redo(); });
  connect(m.MI_GamePause, &QAction::triggered, this, [this] { MI_GamePauseClick(); });
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
  editor_->Connect(this);
  connect(m.MI_FileExit, &QAction::triggered, this, &QWidget::close);
  connect(m.MI_OptionsZoomIn, &QAction::triggered, this, [this] { ZoomTiles(true); });
  connect(m.MI_OptionsZoomOut, &QAction::triggered, this, [this] { ZoomTiles(false); });
  toggles_->Connect(this);
  connect(m.MI_OptionsMusic, &QAction::triggered, this, [this] { music_->Run(); });
  connect(m.MI_OptionsTileset, &QAction::triggered, this,
          [this] { looks_->MI_OptionsTilesetClick(); });
  connect(m.MI_OptionsBkgPic, &QAction::triggered, this,
          [this] { looks_->MI_OptionsBkgPicClick(); });
  connect(m.MI_OptionsBkgCol, &QAction::triggered, this,
          [this] { looks_->MI_OptionsBkgColClick(); });
  connect(m.MI_GameClearRecords, &QAction::triggered, this, [this] { library_->ClearRecords(); });
  connect(m.MI_HelpContents, &QAction::triggered, this, [this] { ShowHelpTopic("cont.htm"); });
  connect(m.MI_HelpPlay, &QAction::triggered, this, [this] { MI_HelpPlayClick(); });
  for (QAction* home : {m.MI_HelpCompHome, m.MI_HelpProdHome})
    connect(home, &QAction::triggered, this, [this] { ShowHelpTopic(kAboutTopic); });
  connect(m.MI_HelpAbout, &QAction::triggered, this, [this] { MI_HelpAboutClick(); });

  BindButtons(m, t);
  connect(t.B_SolHelp, &QToolButton::clicked, this, [this] { ShowHelpTopic("solution.htm"); });
}

void TF_Main::ApplySettings(const Settings& settings) {
  settings_ = settings;
  toggles_->Apply();
  tilesets_.ZoomedFaceWidth = settings_.ZoomFaceWidth;
  SetPanelColor(P_Field, settings_.BkgColor);
  const GAME_P& game = game_->PlayBoard().Game;
  status_->SetClockKind(settings_.AnalogClock, game.StartTime, game.ClockTime);
  sound_->Player().ApplySettings(settings_);
  library_->ApplyLists(settings_);
  PlaceWindow(*this, settings_);
}

void TF_Main::ToggleFullScreen() {
  setWindowState(windowState() ^ Qt::WindowFullScreen);
  menus_.MI_OptionsFullScreen->setChecked(isFullScreen());
}

bool TF_Main::ReadStartLayout() {
  // A kept game brings its own layout, so the tile size fits it from the start.
  kept_ = keeper_->TakeKept();
  if (kept_) settings_.LayoutName = kept_->LayoutName;
  return game_->ReadStartLayout(settings_.LayoutName, kDefaultLayout);
}

bool TF_Main::LoadStartTileSize() {
  return LoadTileset(StartTileset(tilesets_, settings_.TilesetName, kDefaultTileset));
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

void TF_Main::AfterLayOut(QSize laidOut) {
  input_->EndDrag();
  looks_->AfterLayOut(laidOut);
  RedrawAll();
}

void TF_Main::SetBoardMode(BoardMode mode, bool update) {
  const bool edit = mode == BoardMode::kEdit;
  if (edit)
    game_->EnterEditMode();
  else
    game_->LeaveEditMode();
  if (update) {
    ShowModeControls(menus_, bars_, edit ? WindowMode::kEdit : WindowMode::kPlay);
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
    editor_->SelectZMode(edit_.ZMode);
    editor_->SelectTool(edit_.Tool);
  }
  LayOutAndRedraw();
}

void TF_Main::EnterSolutionControls(bool on) {
  solutionView_ = on;
  // Only a game in play shows its solution, so leaving it is play mode again.
  ShowModeControls(menus_, bars_, on ? WindowMode::kSolution : WindowMode::kPlay);
  for (QAction* a : {menus_.MI_LayoutChoose, menus_.MI_GameNew, menus_.MI_GameRestart,
                     menus_.MI_GameShuffle, menus_.MI_GameShowSol, menus_.MI_GameClearRecords,
                     menus_.MI_LayoutCreate, menus_.MI_LayoutEdit})
    a->setEnabled(!on);
  if (on) {
    Enable(Command::kUndo, false);
    Enable(Command::kRedo, false);
    Enable(Command::kHint, false);
    Enable(Command::kPause, false);
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
    Message(TranslatedUtf8(Text::Lines({Text::Template(TV_TRANSLATE_NOOP(
                                            "Messages", "Could not keep the unfinished game!")),
                                        kept.Words()})),
            kMessageWarning);
  }
}

void TF_Main::SetSolutionView(bool on) {
  input_->ClearHover();
  EnterSolutionControls(on);
  if (ready_) LayOutAndRedraw();
}

void TF_Main::Enable(Command command, bool on) {
  // The buttons follow: each is bound to its item.
  for (QAction* item : CommandItems(menus_, command))
    if (item != nullptr) item->setEnabled(on);
}

void TF_Main::SetCaption(const std::string& caption) {
  setWindowTitle(QString::fromStdString(caption));
}

void TF_Main::ShowHelpTopic(const std::string& topic) {
  help_->ShowTopic(topic);
}

void TF_Main::CopyGameNumber() {
  if (!game_->HasDeal()) return;
  const QString number = QString::number(game_->PlayBoard().Game.Seed);
  QGuiApplication::clipboard()->setText(number);
  status_->ShowNote(QCoreApplication::translate("Status", kGameNumberCopiedNote).toStdString());
}

void TF_Main::PositionChanged() {
  input_->Keys().AfterPositionChange();
  input_->AfterPositionChange();
  const MODE_P& board = game_->PlayBoard();
  winnable_->PositionChanged(
      board, ready_ && GameInPlay(board, game_->Mode() == BoardMode::kPlay, game_->SolutionMode()));
}

void TF_Main::MI_GamePauseClick() {
  game_->SetPaused(!game_->Paused());
  autoPaused_ = false;
  // The item (and its button) flips itself when clicked; the game decides.
  menus_.MI_GamePause->setChecked(game_->Paused());
}

void TF_Main::MI_HelpPlayClick() {
  if (game_->Mode() == BoardMode::kEdit)
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

void TF_Main::MI_LayoutEditClick(bool create) {
  input_->ClearHover();
  T_UpdateClock.stop();
  editor_->Enter(create);
}

Settings TF_Main::CurrentSettings() const {
  Settings settings = settings_;
  settings.LayoutName = std::string(game_->PlayBoard().LayoutName());
  settings.TilesetName = tilesets_.TilesetName;
  settings.AnalogClock = status_->AnalogClock();
  settings.ZoomFaceWidth = tilesets_.ZoomedFaceWidth;
  library_->StoreLists(settings);
  music_->Player().StoreSettings(settings);
  StoreWindowPlace(*this, startArea_, settings);
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
    Message(TranslatedUtf8(Text::Lines({Text::Template(TV_TRANSLATE_NOOP(
                                            "Messages", "Could not write the settings file!")),
                                        saved.Words()})),
            kMessageError);
}

void TF_Main::CloseWithoutQuestions() {
  askOnClose_ = false;
  close();
}

void TF_Main::closeEvent(QCloseEvent* event) {
  if (askOnClose_ && ready_ && game_->Mode() == BoardMode::kEdit && !editor_->SavePrompt()) {
    event->ignore();
    return;
  }
  if (saveOnClose_) SaveOnClose();
  if (game_->Mode() == BoardMode::kEdit) SetBoardMode(BoardMode::kPlay, false);
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
  if (game_->Mode() == BoardMode::kPlay && !ready_) return;
  if (solutionView_) CentreSolutionButtons(bars_);
  // The panel's new size is known only after the layout has run.
  if (QLayout* layout = centralWidget()->layout()) layout->activate();
  fit_->Resized();
}

}  // namespace tv
