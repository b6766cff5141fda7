// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the layout library: its dialogs, favourites and records.
#include "app/layout_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPainter>
#include <QSvgRenderer>
#include <utility>

#include "app/art.h"
#include "app/main_host.h"
#include "app/main_menus.h"
#include "app/program.h"
#include "content/settings.h"
#include "content/translate.h"
#include "field/tilesets.h"
#include "game/files.h"
#include "game/layout_file.h"
#include "library/congrat.h"
#include "library/layouts.h"
#include "library/opensave.h"
#include "library/rename.h"

static void RegisterLibraryArt() {
  Q_INIT_RESOURCE(library_art);
}

namespace tv {

namespace {

// The pictures whose magenta pixels are keys (markers, transparency), at their exact
// size, outside the art catalogue whose pictures never hold magenta.
// Only the part `source` of it when that is not empty, drawn at `size` when that is not.
QImage KeyedPicture(const char* name, QColor background, QRect source = {}, QSize size = {}) {
  static const bool registered = (RegisterLibraryArt(), true);
  (void)registered;
  QSvgRenderer renderer(QStringLiteral(":/library-art/%1.svg").arg(name));
  if (!renderer.isValid()) return {};
  if (!source.isEmpty()) renderer.setViewBox(source);
  QImage image(size.isEmpty() ? renderer.defaultSize() : size, QImage::Format_RGB888);
  image.fill(background);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF(0, 0), image.size()));
  return image;
}

}  // namespace

LibraryPictures LoadLibraryPictures() {
  LibraryPictures p;
  const QColor magenta(255, 0, 255);
  p.SmallStars = ArtImage("stars-small");
  p.MidStars = ArtImage("stars-middle");
  p.LargeStars = ArtImage("stars-large");
  p.PreviewTiles = KeyedPicture("preview-tiles", Qt::black);
  p.HdrArrows = KeyedPicture("sort-arrows", magenta);
  p.FrameGreen = ArtImage("rec-frame-green", {}, Qt::white);
  p.FrameWhite = ArtImage("rec-frame-white", {}, Qt::white);
  p.PageAll = ArtIcon("choose-layout");
  p.PageFavs = ArtIcon("fav-add");
  p.PageRecent = ArtIcon("restart");
  p.Delete = ArtIcon("edit-erase");
  p.Help = ArtIcon("help");
  p.PreviewTilesPart = [](QRect source, QSize size) {
    return KeyedPicture("preview-tiles", Qt::black, source, size);
  };
  p.DrawSmallStars = [](QSize size) { return ArtImage("stars-small", size); };
  p.DrawMidStars = [](QSize size) { return ArtImage("stars-middle", size); };
  p.DrawLargeStars = [](QSize size) { return ArtImage("stars-large", size); };
  p.FramePieces = [](bool white, QSize size) {
    return ArtImage(white ? "rec-frame-white" : "rec-frame-green", size, Qt::white);
  };
  return p;
}

LayoutCommands::LayoutCommands(const LibraryPaths& paths, LayoutCommandsCalls host,
                               const MainMenus& menus)
    : library_(paths), host_(std::move(host)), menus_(menus), pictures_(LoadLibraryPictures()) {
  Report(library_.BuildCatalogue());
  LayoutsCallbacks callbacks;
  callbacks.CurrentLayout = host_.CurrentLayout;
  callbacks.OpenForPlay = [this](LayoutInfo* entry) {
    return entry && host_.OpenForPlay && host_.OpenForPlay(entry->Name);
  };
  callbacks.FavouritesChanged = [this] { RebuildFavouritesMenu(); };
  callbacks.Message = [this](const std::string& text, bool question) {
    if (!host_.Message) return !question;
    if (!question) {
      host_.Message(text, kMessageOk);
      return true;
    }
    return host_.Message(text, kMessageYesNo | kMessageQuestion) == kAnswerYes;
  };
  callbacks.ShowHelp = host_.ShowHelp;
  callbacks.AskNewName = [this](const std::string& oldName, std::string& newName) {
    return rename_->Ask(oldName, newName);
  };
  const auto report = [this](const std::string& text) {
    if (host_.Message) host_.Message(text, kMessageOk);
  };
  // Made when first wanted; it fills itself from the library as it is made.
  makeChooser_ = [this, callbacks] {
    return new TF_Layouts(library_, pictures_, callbacks, host_.Owner);
  };
  congrat_ = new TF_Congrat(pictures_.LargeStars, host_.Owner, pictures_.DrawLargeStars);
  rename_ = new TF_Rename(paths.LayoutsDir, report, host_.Owner);
  openSave_ = new TF_OpenSave(
      paths.LayoutsDir, report,
      [this](const std::string& text) {
        return host_.Message &&
               host_.Message(text, kMessageOkCancel | kMessageQuestion) == kAnswerOk;
      },
      host_.Owner);
  Connect();
}

LayoutCommands::~LayoutCommands() = default;

TF_Layouts* LayoutCommands::Chooser() {
  if (!chooser_) chooser_ = makeChooser_();
  return chooser_;
}

void LayoutCommands::Connect() {
  QObject::connect(menus_.MI_LayoutChoose, &QAction::triggered, [this] {
    if (ShowChooser() && host_.StartNewGame) host_.StartNewGame();
  });
  QObject::connect(menus_.MI_FavsAdd, &QAction::triggered, [this] { AddFavourite(); });
  for (int k = 0; k < kFavouriteItems; ++k)
    QObject::connect(menus_.Favourites[std::size_t(k)], &QAction::triggered,
                     [this, k] { OpenFavourite(k); });
}

void LayoutCommands::Report(const Result& result) {
  if (result || result.Words().Empty() || !host_.Message) return;
  // Every count, name and exit writes the records: one failing disk, one message.
  if (result.Is(LibraryError::kRecords)) {
    if (recordsReported_) return;
    recordsReported_ = true;
  }
  host_.Message(MessageOf(result), kMessageError);
}

void LayoutCommands::ApplyLists(const Settings& settings) {
  library_.LoadLists(settings.Favourites, settings.Recent);
  RebuildFavouritesMenu();
}

void LayoutCommands::StoreLists(Settings& settings) const {
  settings.Favourites = library_.Favourites().Names();
  settings.Recent = library_.Recent().Names();
}

void LayoutCommands::SaveRecords() {
  Report(library_.SaveRecords());
}

void LayoutCommands::Rebuild() {
  Report(library_.BuildCatalogue());
  if (chooser_) chooser_->RefillAll();
  RebuildFavouritesMenu();
}

bool LayoutCommands::ShowChooser() {
  if (std::exchange(nextLayout_, false)) return OpenNextLayout();
  return Chooser()->Choose(host_.Owner);
}

bool LayoutCommands::OpenNextLayout() {
  const auto& entries = library_.Layouts().Entries();
  if (entries.empty() || !host_.OpenForPlay) return false;
  const std::string current = host_.CurrentLayout ? host_.CurrentLayout() : "";
  std::size_t next = 0;
  for (std::size_t k = 0; k < entries.size(); ++k)
    if (EqualsIgnoreCase(entries[k]->Name, current)) next = (k + 1) % entries.size();
  return host_.OpenForPlay(entries[next]->Name);
}

void LayoutCommands::AddFavourite() {
  const Result added = library_.AddFavourite(host_.CurrentLayout ? host_.CurrentLayout() : "");
  if (added) return RebuildFavouritesMenu();
  if (added.Is(LibraryError::kFavouritesFull))
    host_.Message(MessageOf(added), kMessageWarning);
  else if (!added.Words().Empty())
    host_.Message(MessageOf(added), kMessageOk);
}

void LayoutCommands::OpenFavourite(int k) {
  const auto& refs = library_.Favourites().Refs();
  if (k < 0 || k >= static_cast<int>(refs.size())) return;
  const LayoutInfo* entry = refs[std::size_t(k)].Get();
  if (entry && host_.OpenForPlay && host_.OpenForPlay(entry->Name) && host_.StartNewGame)
    host_.StartNewGame();
}

void LayoutCommands::RebuildFavouritesMenu() {
  const auto& refs = library_.Favourites().Refs();
  for (int k = 0; k < kFavouriteItems; ++k) {
    QAction* item = menus_.Favourites[std::size_t(k)];
    const bool used = k < static_cast<int>(refs.size());
    item->setVisible(used);
    if (!used) continue;
    const LayoutRef& ref = refs[std::size_t(k)];
    // A favourite whose layout is gone keeps its name, greyed and without effect.
    // A '&' in a name is shown, not taken as the item's access key.
    item->setText(QString::fromUtf8(ref.Get() ? ref.Get()->Name : ref.Name).replace('&', "&&"));
    item->setEnabled(ref.Get() != nullptr);
  }
  menus_.MI_FavsSep->setVisible(!refs.empty());
}

void LayoutCommands::CountGame(bool won) {
  const std::string name = host_.CurrentLayout ? host_.CurrentLayout() : "";
  const double duration = won && host_.GameDuration ? host_.GameDuration() : 0.0;
  const int reshuffles = won && host_.GameReshuffles ? host_.GameReshuffles() : 0;
  const CountOutcome counted = library_.CountGame(name, won, duration, reshuffles);
  if (won) {
    std::string player;
    // A record that could not be written is not announced; the message after says why.
    const bool record = counted.NewRecord && counted.Saved.Ok();
    congrat_->SetNextLayoutOffered(host_.NextLayoutRun && host_.NextLayoutRun());
    const bool ok = congrat_->Ask(record, StarsFor(reshuffles), player);
    nextLayout_ = congrat_->NextLayoutChosen();
    if (counted.Entry && record)
      Report(library_.SetBestPlayer(counted.Entry, ok ? player : kDefaultPlayer));
  }
  if (counted.Entry) Report(counted.Saved);
  if (chooser_) chooser_->ShowInfo(counted.Entry);
}

void LayoutCommands::AddRecent(const std::string& layoutName) {
  library_.AddRecent(layoutName);
}

void LayoutCommands::ClearRecords() {
  if (host_.Message(
          QCoreApplication::translate("Library", "This will clear all game records! Are you sure?")
              .toStdString(),
          kMessageYesNo | kMessageQuestion) != kAnswerYes)
    return;
  Report(library_.ClearRecords());
  if (chooser_) chooser_->ShowInfo(nullptr);
}

}  // namespace tv
