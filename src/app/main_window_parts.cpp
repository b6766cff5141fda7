// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's parts made and wired to it: field view and input, tile fitting,
// option toggles, sound, looks, the layout commands, the editor and the history with
// its daily deal.
#include <QAction>
#include <QCoreApplication>
#include <QToolButton>
#include <ctime>
#include <utility>

#include "app/art.h"
#include "app/field_fit.h"
#include "app/field_input.h"
#include "app/field_view.h"
#include "app/field_widget.h"
#include "app/layout_commands.h"
#include "app/main_editor.h"
#include "app/main_history.h"
#include "app/main_looks.h"
#include "app/main_options.h"
#include "app/main_widgets.h"
#include "app/main_window.h"
#include "app/settings_keeper.h"
#include "app/status_bars.h"
#include "app/winnable_panel.h"
#include "content/help.h"
#include "content/music.h"
#include "content/shuffle.h"
#include "content/sound_output.h"
#include "game/daily_deal.h"
#include "game/game.h"
#include "game/history.h"

namespace tv {

void TF_Main::CreateParts() {
  view_ = std::make_unique<FieldView>(*game_, settings_, pictures_, fieldPicture_, *field_);
  input_ = std::make_unique<FieldInput>(*game_, *view_, *field_, *status_, menus_, edit_);
  FieldFit::Calls fit{
      [this] { return AvailableArea(); }, [this](const std::string& text) { Message(text); },
      [this](Command zoom, bool on) { Enable(zoom, on); },
      [this](QSize laidOut) { AfterLayOut(laidOut); }, [this] { input_->ClearHover(); }};
  fit_ = std::make_unique<FieldFit>(*game_, tilesets_, pictures_, std::move(fit));
  input_->OnSelectTool = [this](EditTool tool) { editor_->SelectTool(tool); };
  input_->OnSelectZMode = [this](LevelMode mode) { editor_->SelectZMode(mode); };
  // Another screen density: the tiles that fit are another size.
  field_->OnRatioChanged = [this] {
    input_->RatioChanged();
    if (ready_ && isVisible()) FitTileSize();
  };
  input_->Keys().OnHint = [this] {
    if (menus_.MI_GameHint->isEnabled()) menus_.MI_GameHint->trigger();
  };
  winnable_ = new WinnablePanel(status_->Panel("P_Winnable"), this);
  OptionToggles::Follow follow;
  follow.Redraw = [this] { RedrawAll(); };
  follow.LongerHints = [this](bool on) { game_->SetLongerHints(on); };
  follow.ShowWinnable = [this](bool on) {
    game_->SetPreferWinnableHints(on);
    winnable_->SetShown(on);
    if (on) PositionChanged();
  };
  follow.KeepGame = [this](bool on) { keeper_->SetOn(on); };
  follow.MoveMade = [this] { MoveMade(); };
  follow.AnalogClock = [this](bool analog) {
    const GAME_P& game = game_->PlayBoard().Game;
    status_->SetClockKind(analog, game.StartTime, game.ClockTime);
  };
  toggles_ = std::make_unique<OptionToggles>(settings_, menus_, std::move(follow));
  game_->OnPositionChanged = [this] { PositionChanged(); };
  game_->SetPreferWinnableHints(true);

  settingsKeeper_ = new SettingsKeeper(
      paths_.SettingsFile, [this] { return CurrentSettings(); },
      [this](const std::string& text) { Message(text, kMessageWarning); }, this);
  help_ = new HelpViewer(paths_.ContentDir, this);
  help_->OnMessage = [this](const std::string& text) { Message(text, kMessageWarning); };
  shuffle_ = new TF_Shuffle([this](const std::string& text) { Message(text); }, this);
  // Scans the music folder; the output starts once the field is painted.
  SoundOutputOptions sound;
  sound.SoundsDir = paths_.SoundsDir;
  sound.MusicDirs = paths_.MusicDirs();
  sound.Rand = &game_->Rand();
  sound.Message = [this](const std::string& text) { Message(text); };
  sound_ = new SoundOutput(std::move(sound), this);
  music_ = new TF_Music(
      *sound_, [this](const std::string& topic) { ShowHelpTopic(topic); }, this);
  MainLooks::Calls looks{[this](const std::string& text) { Message(text); },
                         [this] { return AvailableArea(); },
                         [this] { RedrawAll(); },
                         [this](int color) { SetPanelColor(P_Field, color); },
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
}

void TF_Main::CreateLibrary() {
  LayoutCommandsCalls host;
  host.Owner = this;
  host.Message = [this](const std::string& text, int flags) { return Message(text, flags); };
  host.ShowHelp = [this](const std::string& topic) { ShowHelpTopic(topic); };
  host.CurrentLayout = [this] { return std::string(game_->PlayBoard().LayoutName()); };
  host.OpenForPlay = [this](const std::string& name) { return OpenForPlay(name); };
  host.StartNewGame = [this] { game_->DeferredStart(kDealNew); };
  host.NextLayoutRun = [this] { return settings_.NextLayoutRun; };
  host.GameDuration = [this] {
    const GAME_P& g = game_->PlayBoard().Game;
    return g.ClockTime - g.StartTime;
  };
  host.GameReshuffles = [this] { return game_->Reshuffle().count; };
  library_ = std::make_unique<LayoutCommands>(
      LibraryPaths{paths_.LayoutsDir, paths_.RecordsFile, paths_.OldRecordsFile}, std::move(host),
      menus_);
}

void TF_Main::CreateEditor() {
  MainEditorCalls host;
  host.Message = [this](const std::string& text, int flags) { return Message(text, flags); };
  host.AvailableArea = [this] { return AvailableArea(); };
  host.SetBoardMode = [this](BoardMode mode) {
    SetBoardMode(mode, true);
    if (mode == BoardMode::kPlay) FitTileSize();
  };
  host.AfterTileLoad = [this] {
    fit_->SetZoomCommands();
    LayOutAndRedraw();
  };
  host.SetCaption = [this](const std::string& caption) { SetCaption(caption); };
  host.OpenForPlay = [this](const std::string& name) { return OpenForPlay(name); };
  host.StartNewGame = [this] { game_->DeferredStart(kDealNew); };
  host.Ready = [this] { return ready_; };
  host.PointerTool = [this](EditTool tool) {
    input_->EndDrag();
    if (tool == EditTool::kMove)
      field_->setCursor(ArtCursor("move", field_->devicePixelRatioF()));
    else
      field_->unsetCursor();
  };
  host.EraseUnderPointer = [this] { input_->EraseUnderPointer(); };
  host.ShowHelp = [this](const std::string& topic) { ShowHelpTopic(topic); };
  editor_ = std::make_unique<MainEditor>(*game_, host_, edit_, tilesets_, pictures_, *library_,
                                         menus_, bars_, *status_, std::move(host));
  view_->SetEditor(&editor_->Logic());
  input_->SetEditor(&editor_->Logic());
}

// The main window's part: the history made with what it needs, and its commands.
void TF_Main::CreateHistory() {
  history_ = std::make_unique<MainHistory>(
      paths_.HistoryFile, paths_.LayoutsDir, *game_,
      [this](const std::string& text) { Message(text, kMessageWarning); }, this,
      [this] { ShowHelpTopic("stats.htm"); });
  connect(menus_.MI_GameStats, &QAction::triggered, this,
          [this] { history_->ShowStatistics(std::string(game_->PlayBoard().LayoutName())); });
  menus_.MI_GameStats->setToolTip(bars_.B_Stats->toolTip());
  bars_.B_Stats->setDefaultAction(menus_.MI_GameStats);
  connect(menus_.MI_GameDaily, &QAction::triggered, this, [this] { PlayDailyDeal(); });
}

void TF_Main::PlayDailyDeal() {
  // Everyone's shipped set when installed; run portable, the folder is that set.
  const std::string& shipped =
      paths_.ShippedLayoutsDir.empty() ? paths_.LayoutsDir : paths_.ShippedLayoutsDir;
  const DailyDeal deal = DailyDealIn(LocalDateNumber(std::time(nullptr)), shipped);
  if (deal.Layout.empty() || !OpenForPlay(deal.Layout)) {
    Message(QCoreApplication::translate("Messages",
                                        "Today's deal is played on the layout \"%1\", which "
                                        "cannot be read from the layouts folder.")
                .arg(QString::fromStdString(deal.Layout))
                .toStdString(),
            kMessageWarning);
    return;
  }
  game_->PlayGameNumber(deal.GameNumber, deal.Date);
}

}  // namespace tv
