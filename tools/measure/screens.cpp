// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program in a given folder, plays a few moves, and saves pictures of the
// window in play mode, paused and in solution mode, of the about box and of the sound options.
//
// Usage: tilvane-screens PROGRAM_DIR OUT_DIR [game number]
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>

#include "app/art.h"
#include "app/field_widget.h"
#include "app/layout_commands.h"
#include "app/main_looks.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "content/about.h"
#include "content/bkg_pics.h"
#include "content/colorpicker.h"
#include "content/music.h"
#include "content/tiles_dialog.h"
#include "field/geometry.h"
#include "library/congrat.h"
#include "library/layouts.h"
#include "screen_tool.h"

namespace {

using tv::screens::Settle;

bool Save(QWidget* widget, const std::string& path) {
  const bool ok = widget->grab().save(QString::fromStdString(path));
  std::printf("%s %s\n", ok ? "saved" : "could not save", path.c_str());
  return ok;
}

// A point where the hit-test finds `slot`.
QPoint PointOn(tv::TF_Main& w, int slot) {
  const tv::MODE_P& b = w.CurrentGame().Board();
  const tv::TILE_P& t = b.Tiles[std::size_t(slot)];
  for (int dy = b.Game.FaceHeight / 2; dy >= 0; dy -= 2)
    for (int dx = b.Game.FaceWidth / 2; dx < b.Game.FaceWidth; dx += 2)
      if (tv::HitTest(b, b.Game.TileCount, t.Left + dx, t.Top + dy) == slot)
        return {t.Left + dx, t.Top + dy};
  return {};
}

void Click(tv::TF_Main& w, int slot) {
  tv::screens::ClickField(w, QPointF(PointOn(w, slot)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: tilvane-screens PROGRAM_DIR OUT_DIR [game number]\n");
    return 2;
  }
  setenv("SDL_AUDIODRIVER", "dummy", 0);  // heard or not, the pictures are the same
  QApplication app(argc, argv);
  const std::string out = std::string(argv[2]) + "/";
  tv::StartOptions options;
  auto window = tv::screens::StartShown(options, argv[1]);
  if (!window) return 1;
  const tv::Game& game = window->CurrentGame();
  if (argc > 3) {
    tv::screens::DealGame(*window, std::uint32_t(std::stoul(argv[3])));
  }
  Settle(600);

  // A game under way: a few pairs gone, one tile selected, the mouse over it.
  const tv::Solution solution = game.DealSolution();
  int left = game.PlayBoard().Game.TilesLeft;
  for (int pair = 0; pair < 6; ++pair, left -= 2) {
    Click(*window, solution.Steps[std::size_t(left - 1)].Slot);
    Click(*window, solution.Steps[std::size_t(left - 2)].Slot);
  }
  Click(*window, solution.Steps[std::size_t(left - 1)].Slot);
  const QPoint p = PointOn(*window, solution.Steps[std::size_t(left - 1)].Slot);
  QMouseEvent move(QEvent::MouseMove, QPointF(p + QPoint(3, 3)),
                   window->Parts().Field->mapToGlobal(QPointF(p)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(window->Parts().Field, &move);
  Settle(1300);
  bool ok = Save(window.get(), out + "play.png");
  if (argc > 4) {  // a look at a menu, for checking its style
    QMenu* menu = window->Parts().Menus.MI_Options;
    menu->popup(window->mapToGlobal(QPoint(200, 30)));
    Settle(300);
    Save(menu, std::string(argv[4]));
    menu->hide();
  }

  // Paused: the background and a quiet word instead of the tiles.
  window->Parts().Menus.MI_GamePause->trigger();
  Settle(300);
  ok = Save(window.get(), out + "pause.png") && ok;
  window->Parts().Menus.MI_GamePause->trigger();

  window->Parts().Menus.MI_GameShowSol->trigger();
  for (int i = 0; i < 30; ++i) window->Parts().Menus.MI_SolNext->trigger();
  Settle(300);
  ok = Save(window.get(), out + "solution.png") && ok;
  if (argc > 4) {  // local redraws must leave what a full redraw draws
    const QImage local = window->Parts().Field->Image().copy();
    window->RedrawAll();
    const QImage full = window->Parts().Field->Image();
    int differing = 0;
    for (int y = 0; y < full.height(); ++y)
      for (int x = 0; x < full.width(); ++x) differing += local.pixel(x, y) != full.pixel(x, y);
    std::printf("pixels differing from a full redraw: %d\n", differing);
    local.save(QString::fromStdString(std::string(argv[4]) + ".local.png"));
    full.save(QString::fromStdString(std::string(argv[4]) + ".full.png"));
  }
  window->Parts().Menus.MI_SolStop->trigger();

  // The window made smaller than the layout's size: the tiles are fitted again.
  window->resize(900, 600);
  Settle(400);
  ok = Save(window.get(), out + "resized.png") && ok;
  // The layout chooser, with a few records and favourites in memory only.
  tv::LayoutLibrary& library = window->Parts().Library.Library();
  int k = 0;
  for (const tv::EntryPtr& e : library.Layouts().Entries()) {
    if (k++ % 3 != 0) continue;
    e->Played = 3 + k;
    e->Won = 1 + k / 4;
    e->BestTime = (240 + 37 * k) / 86400.0;
    e->BestReshuffles = k % 4;
    e->Stars = 3 - k % 4;
    e->BestPlayer = k % 2 ? "Mei" : "Jonas";
    library.AddRecent(e->Name);
  }
  if (tv::LayoutInfo* dragon = library.FindLayout("Dragon")) {
    *dragon = tv::LayoutInfo{dragon->Name,
                             dragon->Tiles,
                             dragon->FreeTiles,
                             12,
                             5,
                             "Mei",
                             (4 * 60 + 27.5) / 86400.0,
                             1,
                             2};
  }
  for (const char* name : {"Dragon", "Pagoda", "Fortress"}) (void)library.AddFavourite(name);
  tv::TF_Layouts* chooser = window->Parts().Library.Chooser();
  for (const auto& [w, h, file] :
       {std::tuple{960, 600, "chooser.png"}, {723, 550, "chooser-small.png"}}) {
    chooser->resize(w, h);
    chooser->show();
    Settle(300);
    ok = Save(chooser, out + file) && ok;
    chooser->hide();
  }

  tv::TF_Congrat* congrat = window->Parts().Library.Congrat();
  QTimer::singleShot(300, congrat, [&] {
    ok = Save(congrat, out + "congrat.png") && ok;
    congrat->reject();
  });
  std::string player;
  congrat->Ask(true, 2, player);

  tv::TF_About about(false, tv::AboutArt(), window.get());
  about.show();
  Settle(300);
  ok = Save(&about, out + "about.png") && ok;
  about.close();

  // The sound options, with a song of the music folder playing.
  tv::SoundOutput& sound = window->Parts().Sounds;
  sound.StartSound();
  tv::TF_Music* music = window->Parts().Music;
  music->show();
  music->Player().PlayNext();
  Settle(300);
  ok = Save(music, out + "music.png") && ok;
  music->hide();
  // The looks dialogs, shown without their modal loop so they can be pictured.
  tv::MainLooks& looks = window->Parts().Looks;
  for (QDialog* dialog :
       {static_cast<QDialog*>(looks.Tiles()), static_cast<QDialog*>(looks.BkgPicsDialog())}) {
    dialog->show();
    dialog->resize(760, 440);  // the size the help pages show
    auto* list = dialog->findChild<QListWidget*>("LV_Thumbs");
    if (list && list->currentItem()) list->scrollToItem(list->currentItem());
    Settle(1200);  // the thumbnails arrive one per tick
    ok = Save(dialog, out + dialog->objectName().toStdString() + ".png") && ok;
    dialog->hide();
  }
  tv::TF_ColorPicker picker([](int) {}, window.get());
  picker.SelectedColor = tv::JoinColor(0, 128, 0);
  picker.DefaultColors[0] = tv::JoinColor(0, 128, 0);
  picker.show();
  Settle(300);
  ok = Save(&picker, out + "TF_ColorPicker.png") && ok;
  picker.SetGammaMode(tv::kGammaCircle);
  picker.SelectColor(tv::JoinColor(64, 64, 64));
  Settle(200);
  ok = Save(&picker, out + "TF_ColorPicker-circle.png") && ok;
  picker.hide();
  window->close();
  return ok ? 0 : 1;
}
