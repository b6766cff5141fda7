// SPDX-License-Identifier: GPL-3.0-or-later
// The layout library's windows over a temporary layouts folder: pictures, the
// chooser's pages, keys and buttons, and the congratulation and rename dialogs.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "app/layout_commands.h"
#include "app/widget_events.h"
#include "game/layout_file.h"
#include "library/congrat.h"
#include "library/layout_header.h"
#include "library/layout_list.h"
#include "library/layouts.h"
#include "library/opensave.h"
#include "library/rename.h"
#include "support/temp_dir.h"

namespace tv {
namespace {

namespace fs = std::filesystem;
using test::App;
using test::KeyClick;

constexpr const char* kHiddenMessage =
    "A layout name cannot begin with \".\": the file would be hidden!";

TEST(LibraryPictures, ExactSizesAndTheFivePreviewTiles) {
  App();
  const LibraryPictures p = LoadLibraryPictures();
  EXPECT_EQ(p.SmallStars.size(), QSize(52, 68));
  EXPECT_EQ(p.MidStars.size(), QSize(78, 100));
  EXPECT_EQ(p.LargeStars.size(), QSize(102, 131));
  EXPECT_EQ(p.HdrArrows.size(), QSize(19, 11));
  EXPECT_EQ(StarsRow(p.LargeStars, 32, 3).size(), QSize(102, 32));
  EXPECT_NE(StarsRow(p.SmallStars, 16, 0), StarsRow(p.SmallStars, 16, 3));
  ASSERT_EQ(p.PreviewTiles.size(), QSize(88, 25));
  const std::vector<PreviewTile> tiles = CutPreviewTiles(p.PreviewTiles);
  ASSERT_EQ(tiles.size(), 5u);
  const int sides[] = {12, 14, 17, 19, 21}, edges[] = {2, 2, 3, 3, 3};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(tiles[i].Size,
              (TileSize{sides[i] - edges[i], sides[i] - edges[i], edges[i], edges[i]}));
    EXPECT_EQ(qAlpha(tiles[i].Picture.pixel(0, 0)), 0);  // black is transparent
  }
  EXPECT_EQ(FormatRecordTime(1 + (2 * 3600 + 3 * 60 + 4.9) / 86400.0), "26:03:04");
}

// A layouts folder, its library and a chooser shown without its own event loop.
struct Chooser {
  test::TempDir dir;
  std::unique_ptr<LayoutLibrary> library;
  std::unique_ptr<TF_Layouts> window;
  std::vector<std::string> messages, opened;
  std::string current = "beta";

  explicit Chooser(const std::vector<std::pair<std::string, int>>& layouts) {
    App();
    const std::string folder = dir.dir() + "layouts/";
    fs::create_directories(folder);
    for (const auto& [name, pairs] : layouts) {
      std::vector<LayoutPosition> p;
      for (int i = 0; i < 2 * pairs; ++i) p.push_back({2 * i, 0, 0});
      EXPECT_TRUE(WriteLayoutPositions(folder, name, p).Ok());
    }
    library = std::make_unique<LayoutLibrary>(
        LibraryPaths{folder, dir.dir() + "tilvane.won2", dir.dir() + "tilvane.won"});
    EXPECT_TRUE(library->BuildCatalogue().Ok());
    LayoutsCallbacks c;
    c.CurrentLayout = [this] { return current; };
    c.OpenForPlay = [this](LayoutInfo* e) {
      opened.push_back(e->Name);
      return true;
    };
    c.Message = [this](const std::string& text, bool) {
      messages.push_back(text);
      return true;
    };
    window = std::make_unique<TF_Layouts>(*library, LoadLibraryPictures(), c);
    window->show();
  }
  LayoutList* all() const { return window->List(kTagAll); }
  std::string Selected() const {
    const LayoutInfo* e = all()->EntryAt(all()->SelectedRow());
    return e ? e->Name : "";
  }
};

TEST(LayoutChooser, KeysSortingAndButtonsPerPage) {
  Chooser c({{"alpha", 2}, {"beta", 1}, {"gamma", 1}, {"Delta", 3}});
  EXPECT_EQ(c.Selected(), "beta");  // the current layout
  EXPECT_EQ(c.window->InfoText("L_Play"), "0");
  KeyClick(c.all(), Qt::Key_G);
  EXPECT_EQ(c.Selected(), "gamma");
  EXPECT_EQ(c.window->ChooserEntry()->Name, "gamma");
  KeyClick(c.all(), Qt::Key_Z);  // nothing at or after Z: the last entry
  EXPECT_EQ(c.Selected(), "gamma");
  KeyClick(c.all(), Qt::Key_Return);
  EXPECT_EQ(c.opened, std::vector<std::string>{"gamma"});

  LayoutHeader* header = c.window->Header(kTagAll);
  const QPoint tiles(header->SectionLeft(1) + 5, 5);
  test::MouseClick(header, tiles);
  EXPECT_EQ(c.all()->EntryAt(0)->Name, "beta");  // 2 tiles, before gamma by name
  test::MouseClick(header, tiles);
  EXPECT_EQ(c.all()->EntryAt(0)->Name, "Delta");
  EXPECT_TRUE(c.library->Layouts().SortDescending());
  EXPECT_EQ(c.Selected(), "gamma");  // the selection stays on its entry
  test::MouseClick(header, QPoint(5, 5));
  EXPECT_EQ(c.all()->EntryAt(0)->Name, "alpha");
  EXPECT_EQ(c.library->Layouts().SortColumn(), kSortName);

  c.window->Pages()->setCurrentIndex(2);  // Recent
  EXPECT_FALSE(c.window->DeleteButton()->isEnabled());
  EXPECT_FALSE(c.window->RenameButton()->isEnabled());
  EXPECT_TRUE(c.window->OkButton()->isEnabled());
  ASSERT_TRUE(c.library->AddFavourite("alpha").Ok());
  c.window->Pages()->setCurrentIndex(1);  // Favorites, refilled on the next showing
  c.window->hide();
  c.window->show();
  c.window->Pages()->setCurrentIndex(1);
  EXPECT_FALSE(c.window->DeleteButton()->isEnabled());
  c.window->List(kTagFavs)->SelectRow(0);
  test::MouseClick(c.window->List(kTagFavs)->viewport());
  EXPECT_TRUE(c.window->DeleteButton()->isEnabled());
  c.window->DeleteButton()->click();
  EXPECT_EQ(c.messages.back(), "Delete layout \"alpha\" from Favorites?");
  test::KeyRelease(c.window->List(kTagFavs), Qt::Key_Return);  // the answer's key
  EXPECT_EQ(c.opened.size(), 1u);
  EXPECT_EQ(c.library->Favourites().Size(), 0);
  EXPECT_TRUE(fs::exists(c.dir.path() / "layouts" / "alpha.mah"));
}

TEST(LayoutChooser, DeletingTheLastRowAndTheCurrentLayout) {
  Chooser c({{"alpha", 1}, {"beta", 1}, {"gamma", 1}});
  KeyClick(c.all(), Qt::Key_Delete);
  EXPECT_EQ(c.messages.back(), "Layout \"beta\" is currently loaded and cannot be deleted!");
  KeyClick(c.all(), Qt::Key_G);
  KeyClick(c.all(), Qt::Key_Delete);
  EXPECT_EQ(c.messages.back(), "Delete layout \"gamma\" ?");
  // The Enter that answered the question box comes back to the list as a release only.
  test::KeyRelease(c.all(), Qt::Key_Return);
  EXPECT_TRUE(c.opened.empty());
  EXPECT_FALSE(fs::exists(c.dir.path() / "layouts" / "gamma.mah"));
  EXPECT_EQ(c.all()->RowCount(), 2);
  EXPECT_EQ(c.Selected(), "beta");  // the new last row
  EXPECT_EQ(c.window->ChooserEntry()->Name, "beta");
  // After Rename, refused here, keys go to the list again: Delete works without a click.
  c.window->RenameButton()->setFocus();
  c.window->RenameButton()->click();
  EXPECT_EQ(c.window->focusWidget(), c.all());
}

TEST(LibraryDialogs, CongratulationModesAndTheRecordHoldersName) {
  App();
  TF_Congrat dialog(LoadLibraryPictures().LargeStars);
  std::string name;
  QTimer::singleShot(0, &dialog, [&] {
    EXPECT_EQ(dialog.Title()->text(), "You have set a new record!");
    EXPECT_EQ(dialog.NameEdit()->selectedText(), "Player");
    dialog.NameEdit()->setText("   ");
    dialog.findChild<QPushButton*>("B_Ok")->click();
  });
  EXPECT_TRUE(dialog.Ask(true, 2, name));
  EXPECT_EQ(name, "Player");
  EXPECT_EQ(dialog.StarsPicture(), StarsRow(LoadLibraryPictures().LargeStars, 32, 2));
  const int recordHeight = dialog.height();
  QTimer::singleShot(0, &dialog, [&] {
    EXPECT_EQ(dialog.Title()->text(), "You have won the game!");
    EXPECT_TRUE(dialog.NameEdit()->isHidden());
    dialog.findChild<QPushButton*>("B_Close")->click();
  });
  EXPECT_FALSE(dialog.Ask(false, 0, name));
  EXPECT_LT(dialog.height(), recordHeight);
  EXPECT_FALSE(dialog.NextLayoutChosen());
  EXPECT_TRUE(dialog.findChild<QPushButton*>("B_NextLayout")->isHidden());

  // The run through the layouts: "Next layout" in both modes, a record's name kept.
  dialog.SetNextLayoutOffered(true);
  for (const bool record : {false, true}) {
    QTimer::singleShot(0, &dialog, [&] {
      auto* next = dialog.findChild<QPushButton*>("B_NextLayout");
      EXPECT_TRUE(next->isVisible());
      EXPECT_LE(next->geometry().bottom(), dialog.height());
      if (record) dialog.NameEdit()->setText(" Ann ");
      next->click();
    });
    EXPECT_EQ(dialog.Ask(record, 3, name), record);
    EXPECT_TRUE(dialog.NextLayoutChosen());
  }
  EXPECT_EQ(name, "Ann");
}

TEST(LibraryDialogs, RenameCleansTypingAndRefusesTakenNames) {
  App();
  test::TempDir dir;
  for (const char* n : {"Dragon", "Pagoda"})
    ASSERT_TRUE(WriteLayoutPositions(dir.dir(), n, {{0, 0, 0}, {2, 0, 0}}).Ok());
  std::vector<std::string> messages;
  TF_Rename dialog(dir.dir(), [&](const std::string& m) { messages.push_back(m); });
  std::string result;
  QTimer::singleShot(0, &dialog, [&] {
    dialog.NameEdit()->setText("a*?b");
    EXPECT_EQ(dialog.NameEdit()->text(), "ab");
    dialog.NameEdit()->setText(".Hidden");
    dialog.RenameButton()->click();
    EXPECT_EQ(messages.back(), kHiddenMessage);
    EXPECT_EQ(dialog.NameEdit()->text(), ".Hidden");  // as typed
    messages.clear();
    dialog.NameEdit()->setText("PAGODA");
    dialog.RenameButton()->click();
    EXPECT_EQ(messages, std::vector<std::string>{"Layout with this name already exists!"});
    dialog.NameEdit()->setText("DRAGON");
    dialog.RenameButton()->click();
  });
  EXPECT_TRUE(dialog.Ask("Dragon", result));
  EXPECT_EQ(result, "dragon");
}

TEST(LibraryDialogs, OpenAndSaveCheckTheFolderIgnoringCase) {
  App();
  test::TempDir dir;
  ASSERT_TRUE(WriteLayoutPositions(dir.dir(), "Pagoda", {{0, 0, 0}, {2, 0, 0}}).Ok());
  std::vector<std::string> messages;
  int asked = 0;
  TF_OpenSave dialog(
      dir.dir(), [&](const std::string& m) { messages.push_back(m); },
      [&](const std::string& q) {
        messages.push_back(q);
        return ++asked > 1;  // Cancel first, then OK
      });
  dialog.SetName("start");
  QTimer::singleShot(0, &dialog, [&] {
    ASSERT_EQ(dialog.Files()->count(), 1);
    EXPECT_EQ(dialog.Files()->item(0)->text(), "pagoda");
    // The list taking the focus makes a row current; only a row chosen is copied.
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(dialog.Files(), &focus);
    EXPECT_EQ(dialog.NameEdit()->text(), "start");
    dialog.Files()->setCurrentRow(0);
    EXPECT_EQ(dialog.NameEdit()->text(), "pagoda");
    dialog.NameEdit()->setText("nothing");
    dialog.OkButton()->click();
    EXPECT_EQ(messages.back(), "File \"nothing\" does not exist!");
    dialog.NameEdit()->setText(" PAGODA ");
    dialog.OkButton()->click();
  });
  ASSERT_TRUE(dialog.Ask());
  EXPECT_EQ(dialog.Name(), "PAGODA");  // the letter case as typed

  dialog.SetMode(OpenSaveMode::kSave);
  QTimer::singleShot(0, &dialog, [&] {
    EXPECT_EQ(dialog.NameEdit()->selectedText(), "PAGODA");
    dialog.NameEdit()->setText(" .x");
    dialog.OkButton()->click();
    EXPECT_EQ(messages.back(), kHiddenMessage);
    EXPECT_EQ(dialog.NameEdit()->text(), " .x");
    dialog.NameEdit()->setText("PAGODA");
    dialog.OkButton()->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(messages.back(), "File \"PAGODA\" already exists. Overwrite it?");
    dialog.OkButton()->click();
  });
  EXPECT_TRUE(dialog.Ask());
  EXPECT_EQ(asked, 2);
}

// Rows keep one size whatever a name holds, so the columns line up and stay in sight.
TEST(LibraryDialogs, OpenListRowsKeepOneSize) {
  App();
  test::TempDir dir;
  const std::vector<std::string> names = {"pagoda", "\xc3\xbdmir \xe9\xb3\xa5\xe5\xb1\x85",
                                          std::string(251, 'w')};
  for (const std::string& name : names)
    ASSERT_TRUE(WriteLayoutPositions(dir.dir(), name, {{0, 0, 0}, {2, 0, 0}}).Ok()) << name;
  TF_OpenSave dialog(
      dir.dir(), [](const std::string&) {}, [](const std::string&) { return true; });
  QTimer::singleShot(0, &dialog, [&] {
    QListWidget* list = dialog.Files();
    ASSERT_EQ(list->count(), 3);
    const QSize first = list->visualItemRect(list->item(0)).size();
    for (int i = 0; i < list->count(); ++i) {
      const QRect row = list->visualItemRect(list->item(i));
      EXPECT_EQ(row.size(), first) << i;
      EXPECT_LE(row.right(), list->viewport()->width()) << i;
    }
    dialog.reject();
  });
  EXPECT_FALSE(dialog.Ask());
}

// A record holder's name from the records file is shown as written: markup in it is
// neither drawn nor followed (an <img> of a device would be read for ever).
TEST(LayoutChooser, ARecordHoldersNameIsPlainText) {
  Chooser c({{"alpha", 2}, {"beta", 1}});
  LayoutInfo* alpha = c.library->FindLayout("alpha");
  const std::string hostile = "<img src=\"/dev/zero\"><b>" + std::string(80, 'x') + "</b>";
  alpha->Played = 1;
  alpha->Won = 1;
  alpha->BestTime = 0.01;
  alpha->Stars = 3;
  alpha->BestPlayer = hostile;
  c.window->ShowInfo(alpha);
  auto* label = c.window->findChild<QLabel*>("L_BestPlayer");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->textFormat(), Qt::PlainText);
  EXPECT_TRUE(label->text().startsWith("<img src=")) << label->text().toStdString();
  // The tooltip keeps every character as text.
  QTextDocument tip;
  tip.setHtml(label->toolTip());
  EXPECT_EQ(tip.toPlainText().toStdString(), hostile);
}

}  // namespace
}  // namespace tv
