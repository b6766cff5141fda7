// SPDX-License-Identifier: GPL-3.0-or-later
// Menu items and toolbar buttons, created in the order they appear.
#include "app/main_menus.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIconEngine>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <algorithm>
#include <memory>
#include <utility>

#include "app/accessibility.h"
#include "app/art.h"

namespace tv {
namespace {

// A menu text, with what it means where the same English serves twice ("&New" game or
// layout), so that a language can say each its own way.
struct Caption {
  Caption(const char* source) : Source(source) {}  // NOLINT: plain texts are most captions
  Caption(const char* source, const char* meaning) : Source(source), Meaning(meaning) {}
  QString Translated() const { return QCoreApplication::translate("Menu", Source, Meaning); }
  const char* Source;
  const char* Meaning = nullptr;
};

QAction* Item(QMenu* menu, const char* name, const Caption& caption, const char* icon = nullptr,
              const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(caption.Translated());
  action->setObjectName(name);
  if (icon) action->setIcon(ArtIcon(icon));
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  return action;
}

// The menu draws a checked item's icon in its On state; a plain icon would show the
// check only as a faint frame, so the On state carries a clear check mark.
QIcon WithCheckMark(const QIcon& base) {
  QIcon icon;
  for (int size : {16, 20, 24, 32, 48, 64}) {
    const QPixmap off = base.pixmap(QSize(size, size));
    if (off.isNull()) continue;
    icon.addPixmap(off, QIcon::Normal, QIcon::Off);
    QPixmap on = off;
    QPainter painter(&on);
    painter.setRenderHint(QPainter::Antialiasing);
    const double d = size * 0.62, x = size - d, y = size - d;
    painter.setPen(QPen(QColor(255, 255, 255), size / 16.0));
    painter.setBrush(QColor(24, 120, 48));
    painter.drawEllipse(QRectF(x, y, d, d).adjusted(0.5, 0.5, -0.5, -0.5));
    QPen tick(QColor(255, 255, 255), std::max(1.5, d * 0.16), Qt::SolidLine, Qt::RoundCap,
              Qt::RoundJoin);
    painter.setPen(tick);
    painter.setBrush(Qt::NoBrush);
    const QPointF mark[] = {
        {x + d * 0.26, y + d * 0.52}, {x + d * 0.44, y + d * 0.70}, {x + d * 0.76, y + d * 0.32}};
    painter.drawPolyline(mark, 3);
    painter.end();
    icon.addPixmap(on, QIcon::Normal, QIcon::On);
  }
  return icon;
}

// The check-marked pictures of an icon, six sizes in two states, are made when first
// asked for: menus that are never opened cost none of them.
class CheckMarkEngine : public QIconEngine {
 public:
  explicit CheckMarkEngine(QIcon base) : base_(std::move(base)) {}
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().pixmap(size, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Icon().availableSizes(mode, state);
  }
  bool isNull() override { return base_.isNull(); }
  QIconEngine* clone() const override { return new CheckMarkEngine(*this); }
  QString key() const override { return QStringLiteral("tv-check-mark"); }

 private:
  QIcon& Icon() {
    if (icon_.isNull()) icon_ = WithCheckMark(base_);
    return icon_;
  }
  QIcon base_, icon_;
};

QAction* Check(QMenu* menu, const char* name, const Caption& caption, const char* icon) {
  QAction* action = Item(menu, name, caption, icon);
  action->setCheckable(true);
  if (!icon) return action;
  const QIcon base = action->icon();
  action->setIcon(QIcon(new CheckMarkEngine(base)));
  // The menu itself draws the finished icon, made as the menu first opens.
  auto connection = std::make_shared<QMetaObject::Connection>();
  *connection = QObject::connect(menu, &QMenu::aboutToShow, action, [action, base, connection] {
    action->setIcon(WithCheckMark(base));
    QObject::disconnect(*connection);
  });
  return action;
}

QMenu* Menu(QMenuBar* bar, const char* name, const Caption& caption) {
  QMenu* menu = bar->addMenu(caption.Translated());
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(name);
  return menu;
}

constexpr QSize kButtonSize(40, 38);
constexpr QSize kButtonIcon(30, 30);

// A button bound to a checkable menu item: the item's icon carries a check mark for the
// menu, the button shows its check by its frame, so it keeps its own plain picture.
class PlainIconButton : public QToolButton {
 public:
  PlainIconButton(QWidget* parent, QIcon icon) : QToolButton(parent), icon_(std::move(icon)) {}

 protected:
  void initStyleOption(QStyleOptionToolButton* option) const override {
    QToolButton::initStyleOption(option);
    option->icon = icon_;
  }

 private:
  QIcon icon_;
};

QToolButton* Button(QWidget* bar, const char* name, const char* hint, const char* icon,
                    bool checkable = false) {
  auto* button = checkable ? new PlainIconButton(bar, ArtIcon(icon)) : new QToolButton(bar);
  button->setObjectName(name);
  button->setToolTip(QCoreApplication::translate("Toolbar", hint));
  button->setIcon(ArtIcon(icon));
  button->setIconSize(kButtonIcon);
  button->setFixedSize(kButtonSize);
  button->setAutoRaise(true);  // flat
  button->setCheckable(checkable);
  button->setFocusPolicy(Qt::NoFocus);
  bar->layout()->addWidget(button);
  return button;
}

void Separator(QWidget* bar) {
  auto* line = new QWidget(bar);
  line->setFixedSize(10, kButtonSize.height());
  bar->layout()->addWidget(line);
}

QWidget* Bar(QWidget* holder, const char* name) {
  auto* bar = new QWidget(holder);
  bar->setObjectName(name);
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setSpacing(2);
  return bar;
}

}  // namespace

MainMenus BuildMenus(QMainWindow* window) {
  QMenuBar* bar = window->menuBar();
  MainMenus m;
  m.MI_Game = Menu(bar, "MI_Game", QT_TRANSLATE_NOOP("Menu", "&Game"));
  m.MI_LayoutChoose = Item(m.MI_Game, "MI_LayoutChoose", QT_TRANSLATE_NOOP("Menu", "&Choose..."),
                           "choose-layout", Qt::Key_F3);
  m.MI_GameNew = Item(m.MI_Game, "MI_GameNew", QT_TRANSLATE_NOOP3("Menu", "&New", "a new game"),
                      "new-game", Qt::Key_F2);
  m.MI_GameRestart =
      Item(m.MI_Game, "MI_GameRestart", QT_TRANSLATE_NOOP("Menu", "&Restart"), "restart");
  m.MI_GameReshuffle = Item(m.MI_Game, "MI_GameReshuffle",
                            QT_TRANSLATE_NOOP("Menu", "Reshuffle &Tiles"), "reshuffle");
  m.MI_GameShuffle = Item(m.MI_Game, "MI_GameShuffle",
                          QT_TRANSLATE_NOOP("Menu", "&Select Game Shuffle..."), "game-number");
  m.MI_GameDaily =
      Item(m.MI_Game, "MI_GameDaily", QT_TRANSLATE_NOOP("Menu", "D&aily Deal"), "daily-deal");
  m.MI_Game->addSeparator();
  m.MI_GameUndo =
      Item(m.MI_Game, "MI_GameUndo", QT_TRANSLATE_NOOP("Menu", "&Undo"), "undo", Qt::Key_F4);
  m.MI_GameRedo = Item(m.MI_Game, "MI_GameRedo", QT_TRANSLATE_NOOP("Menu", "Re&do"), "redo");
  m.MI_GameRedo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  m.MI_GameHint =
      Item(m.MI_Game, "MI_GameHint", QT_TRANSLATE_NOOP("Menu", "&Hint"), "hint", Qt::Key_F5);
  m.MI_GameShowSol = Item(m.MI_Game, "MI_GameShowSol", QT_TRANSLATE_NOOP("Menu", "Show S&olution"),
                          "show-solution");
  m.MI_GamePause =
      Item(m.MI_Game, "MI_GamePause", QT_TRANSLATE_NOOP("Menu", "&Pause"), "pause", Qt::Key_P);
  m.MI_GamePause->setCheckable(true);
  m.MI_Game->addSeparator();
  m.MI_GameStats =
      Item(m.MI_Game, "MI_GameStats", QT_TRANSLATE_NOOP("Menu", "Stat&istics..."), "statistics");
  m.MI_Game->addSeparator();
  m.MI_GameExit = Item(m.MI_Game, "MI_GameExit", QT_TRANSLATE_NOOP("Menu", "E&xit"), "exit");

  m.MI_Favs = Menu(bar, "MI_Favs", QT_TRANSLATE_NOOP("Menu", "F&avorites"));
  m.MI_FavsAdd =
      Item(m.MI_Favs, "MI_FavsAdd", QT_TRANSLATE_NOOP("Menu", "&Add to Favorites"), "fav-add");
  m.MI_FavsSep = m.MI_Favs->addSeparator();
  m.MI_FavsSep->setObjectName("MI_FavsSep");
  m.MI_FavsSep->setVisible(false);
  for (int i = 0; i < kFavouriteItems; ++i) {
    const QString name = QStringLiteral("Fav%1").arg(i);
    QAction* item = m.MI_Favs->addAction(name);
    item->setObjectName(name);
    item->setData(i);
    item->setVisible(false);
    m.Favourites[std::size_t(i)] = item;
  }

  m.MI_Layout = Menu(bar, "MI_Layout", QT_TRANSLATE_NOOP("Menu", "&Layout"));
  m.MI_LayoutCreate =
      Item(m.MI_Layout, "MI_LayoutCreate", QT_TRANSLATE_NOOP("Menu", "&Create"), "layout-create");
  m.MI_LayoutEdit = Item(m.MI_Layout, "MI_LayoutEdit",
                         QT_TRANSLATE_NOOP3("Menu", "&Edit", "edit the layout"), "layout-edit");

  m.MI_Sol = Menu(bar, "MI_Sol", QT_TRANSLATE_NOOP("Menu", "&Solution"));
  m.MI_SolFirst =
      Item(m.MI_Sol, "MI_SolFirst", QT_TRANSLATE_NOOP("Menu", "Game &Start"), "sol-first");
  m.MI_SolPrev =
      Item(m.MI_Sol, "MI_SolPrev", QT_TRANSLATE_NOOP("Menu", "&Restore Move"), "sol-prev");
  m.MI_SolNext = Item(m.MI_Sol, "MI_SolNext", QT_TRANSLATE_NOOP("Menu", "&Next Move"), "sol-next");
  m.MI_SolLast = Item(m.MI_Sol, "MI_SolLast", QT_TRANSLATE_NOOP("Menu", "Game &End"), "sol-last");
  m.MI_Sol->addSeparator();
  m.MI_SolStop =
      Item(m.MI_Sol, "MI_SolStop", QT_TRANSLATE_NOOP("Menu", "Return to &Game"), "sol-stop");

  m.MI_File = Menu(bar, "MI_File", QT_TRANSLATE_NOOP("Menu", "&File"));
  m.MI_FileNew =
      Item(m.MI_File, "MI_FileNew", QT_TRANSLATE_NOOP3("Menu", "&New", "a new layout"), "file-new");
  m.MI_FileOpen = Item(m.MI_File, "MI_FileOpen", QT_TRANSLATE_NOOP("Menu", "&Open"), "file-open");
  m.MI_FileSave = Item(m.MI_File, "MI_FileSave", QT_TRANSLATE_NOOP("Menu", "&Save"), "file-save");
  m.MI_File->addSeparator();
  m.MI_FilePlay = Item(m.MI_File, "MI_FilePlay", QT_TRANSLATE_NOOP("Menu", "&Play"), "file-play");
  m.MI_FileReturn =
      Item(m.MI_File, "MI_FileReturn", QT_TRANSLATE_NOOP("Menu", "&Return to Game"), "sol-stop");
  m.MI_File->addSeparator();
  m.MI_FileExit = Item(m.MI_File, "MI_FileExit", QT_TRANSLATE_NOOP("Menu", "E&xit"), "exit");

  m.MI_Edit = Menu(bar, "MI_Edit", QT_TRANSLATE_NOOP3("Menu", "&Edit", "the editor's menu"));
  m.MI_EditUndo = Item(m.MI_Edit, "MI_EditUndo", QT_TRANSLATE_NOOP("Menu", "&Undo"), "undo");
  m.MI_EditUndo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
  m.MI_EditRedo = Item(m.MI_Edit, "MI_EditRedo", QT_TRANSLATE_NOOP("Menu", "&Redo"), "edit-redo");
  m.MI_EditRedo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  m.MI_Edit->addSeparator();
  m.MI_EditDraw = Check(m.MI_Edit, "MI_EditDraw", QT_TRANSLATE_NOOP("Menu", "&Draw"), "edit-draw");
  m.MI_EditErase =
      Check(m.MI_Edit, "MI_EditErase", QT_TRANSLATE_NOOP("Menu", "&Erase"), "edit-erase");
  m.MI_EditMove =
      Check(m.MI_Edit, "MI_EditMove", QT_TRANSLATE_NOOP("Menu", "&Move Field"), "edit-move");
  m.MI_Edit->addSeparator();
  m.MI_EditAutoZ = Check(m.MI_Edit, "MI_EditAutoZ", QT_TRANSLATE_NOOP("Menu", "&Auto Z"), "auto-z");
  m.MI_EditCustomZ =
      Check(m.MI_Edit, "MI_EditCustomZ", QT_TRANSLATE_NOOP("Menu", "&Custom Z"), "custom-z");
  auto* tools = new QActionGroup(window);
  for (QAction* a : {m.MI_EditDraw, m.MI_EditErase, m.MI_EditMove}) tools->addAction(a);
  auto* levels = new QActionGroup(window);
  for (QAction* a : {m.MI_EditAutoZ, m.MI_EditCustomZ}) levels->addAction(a);
  m.MI_EditDraw->setData(0);
  m.MI_EditErase->setData(1);
  m.MI_EditMove->setData(2);
  m.MI_EditAutoZ->setData(0);
  m.MI_EditCustomZ->setData(1);
  m.MI_EditDraw->setChecked(true);
  m.MI_EditAutoZ->setChecked(true);

  m.MI_Options = Menu(bar, "MI_Options", QT_TRANSLATE_NOOP("Menu", "&Options"));
  m.MI_OptionsBkgPic = Item(m.MI_Options, "MI_OptionsBkgPic",
                            QT_TRANSLATE_NOOP("Menu", "Background &Picture..."), "bkg-picture");
  m.MI_OptionsBkgCol = Item(m.MI_Options, "MI_OptionsBkgCol",
                            QT_TRANSLATE_NOOP("Menu", "&Background Color..."), "bkg-color");
  m.MI_OptionsTileset =
      Item(m.MI_Options, "MI_OptionsTileset", QT_TRANSLATE_NOOP("Menu", "&Tileset..."), "tileset");
  m.MI_Options->addSeparator();
  m.MI_OptionsZoomIn = Item(m.MI_Options, "MI_OptionsZoomIn",
                            QT_TRANSLATE_NOOP("Menu", "&Enlarge Tiles Size"), "zoom-in", Qt::Key_E);
  m.MI_OptionsZoomOut =
      Item(m.MI_Options, "MI_OptionsZoomOut", QT_TRANSLATE_NOOP("Menu", "&Reduce Tiles Size"),
           "zoom-out", Qt::Key_R);
  m.MI_OptionsDimBlockedTiles =
      Check(m.MI_Options, "MI_OptionsDimBlockedTiles",
            QT_TRANSLATE_NOOP("Menu", "&Dim Blocked Tiles"), "dim-blocked");
  m.MI_OptionsDrawShadows = Check(m.MI_Options, "MI_OptionsDrawShadows",
                                  QT_TRANSLATE_NOOP("Menu", "Draw &Shadows"), "draw-shadows");
  m.MI_OptionsLongerHints = Check(m.MI_Options, "MI_OptionsLongerHints",
                                  QT_TRANSLATE_NOOP("Menu", "&Longer Hints"), "hint");
  m.MI_OptionsNextLayout =
      Check(m.MI_Options, "MI_OptionsNextLayout",
            QT_TRANSLATE_NOOP("Menu", "&Next Layout After a Win"), "choose-layout");
  m.MI_OptionsResume =
      m.MI_Options->addAction(QCoreApplication::translate("Menu", "Res&ume Unfinished Game"));
  m.MI_OptionsResume->setObjectName("MI_OptionsResume");
  m.MI_OptionsResume->setCheckable(true);
  m.MI_OptionsResume->setChecked(true);
  m.MI_OptionsShowWinnable = Check(m.MI_Options, "MI_OptionsShowWinnable",
                                   QT_TRANSLATE_NOOP("Menu", "Show &Winnable"), nullptr);
  m.MI_OptionsFullScreen = Check(m.MI_Options, "MI_OptionsFullScreen",
                                 QT_TRANSLATE_NOOP("Menu", "&Full Screen"), nullptr);
  m.MI_OptionsFullScreen->setShortcut(Qt::Key_F11);
  // The editor hides no Options item, but the key works whatever menus show.
  window->addAction(m.MI_OptionsFullScreen);
  m.MI_Options->addSeparator();
  m.MI_OptionsMusic = Item(m.MI_Options, "MI_OptionsMusic",
                           QT_TRANSLATE_NOOP("Menu", "Sound and &Music..."), "music");
  m.MI_Options->addSeparator();
  m.MI_GameClearRecords =
      Item(m.MI_Options, "MI_GameClearRecords", QT_TRANSLATE_NOOP("Menu", "&Clear Players Records"),
           "clear-records");

  m.Help1 = Menu(bar, "Help1", QT_TRANSLATE_NOOP("Menu", "&Help"));
  m.MI_HelpContents =
      Item(m.Help1, "MI_HelpContents", QT_TRANSLATE_NOOP("Menu", "&Contents"), "help-contents");
  // F1 is the help of what the player is doing, as the help buttons' hints say.
  m.MI_HelpPlay =
      Item(m.Help1, "MI_HelpPlay", QT_TRANSLATE_NOOP("Menu", "&How to Play"), "help", Qt::Key_F1);
  m.Help1->addSeparator();
  m.MI_HelpCompHome =
      Item(m.Help1, "MI_HelpCompHome", QT_TRANSLATE_NOOP("Menu", "%1 Home &Page"), "web-home");
  m.MI_HelpCompHome->setText(m.MI_HelpCompHome->text().arg(kPublisherName));
  m.MI_HelpProdHome =
      Item(m.Help1, "MI_HelpProdHome", QT_TRANSLATE_NOOP("Menu", "&Tilvane Home Page"), "web-home");
  m.Help1->addSeparator();
  m.MI_HelpAbout = Item(m.Help1, "MI_HelpAbout", QT_TRANSLATE_NOOP("Menu", "&About"), "about");
  return m;
}

MainToolbars BuildToolbars(QWidget* parent) {
  MainToolbars t;
  t.P_ToolbarHolder = new QWidget(parent);
  t.P_ToolbarHolder->setObjectName("P_ToolbarHolder");
  t.P_ToolbarHolder->setFixedHeight(kToolbarHeight);

  QWidget* p = t.P_PlayToolbar = Bar(t.P_ToolbarHolder, "P_PlayToolbar");
  t.B_ChooseLayout = Button(p, "B_ChooseLayout", QT_TRANSLATE_NOOP("Toolbar", "Choose Layout (F3)"),
                            "choose-layout");
  t.B_New = Button(p, "B_New", QT_TRANSLATE_NOOP("Toolbar", "New Game (F2)"), "new-game");
  t.B_Restart = Button(p, "B_Restart", QT_TRANSLATE_NOOP("Toolbar", "Restart Game"), "restart");
  Separator(p);
  t.B_Undo = Button(p, "B_Undo", QT_TRANSLATE_NOOP("Toolbar", "Undo Move (F4)"), "undo");
  t.B_Redo = Button(p, "B_Redo", QT_TRANSLATE_NOOP("Toolbar", "Redo Move (Ctrl+Y)"), "redo");
  t.B_Hint = Button(p, "B_Hint", QT_TRANSLATE_NOOP("Toolbar", "Hint (F5)"), "hint");
  t.B_Pause = Button(p, "B_Pause", QT_TRANSLATE_NOOP("Toolbar", "Pause (P)"), "pause", true);
  Separator(p);
  t.B_BkgCol = Button(p, "B_BkgCol", QT_TRANSLATE_NOOP("Toolbar", "Background Color"), "bkg-color");
  t.B_BkgPic =
      Button(p, "B_BkgPic", QT_TRANSLATE_NOOP("Toolbar", "Background Picture"), "bkg-picture");
  t.B_Tiles = Button(p, "B_Tiles", QT_TRANSLATE_NOOP("Toolbar", "Tileset"), "tileset");
  Separator(p);
  t.B_ZoomIn =
      Button(p, "B_ZoomIn", QT_TRANSLATE_NOOP("Toolbar", "Enlarge Tile Size (E)"), "zoom-in");
  t.B_ZoomOut =
      Button(p, "B_ZoomOut", QT_TRANSLATE_NOOP("Toolbar", "Reduce Tile Size (R)"), "zoom-out");
  t.B_DimBlocked = Button(p, "B_DimBlocked", QT_TRANSLATE_NOOP("Toolbar", "Dim Blocked Tiles"),
                          "dim-blocked", true);
  Separator(p);
  t.B_Stats = Button(p, "B_Stats", QT_TRANSLATE_NOOP("Toolbar", "Statistics"), "statistics");
  t.B_Music = Button(p, "B_Music", QT_TRANSLATE_NOOP("Toolbar", "Sound and Music"), "music");
  t.B_PlayHelp = Button(p, "B_PlayHelp", QT_TRANSLATE_NOOP("Toolbar", "Game Help (F1)"), "help");
  static_cast<QHBoxLayout*>(p->layout())->addStretch();

  QWidget* e = t.P_EditToolbar = Bar(t.P_ToolbarHolder, "P_EditToolbar");
  t.B_FileNew = Button(e, "B_FileNew", QT_TRANSLATE_NOOP("Toolbar", "New"), "file-new");
  t.B_FileOpen = Button(e, "B_FileOpen", QT_TRANSLATE_NOOP("Toolbar", "Open"), "file-open");
  t.B_FileSave = Button(e, "B_FileSave", QT_TRANSLATE_NOOP("Toolbar", "Save"), "file-save");
  t.B_FilePlay = Button(e, "B_FilePlay", QT_TRANSLATE_NOOP("Toolbar", "Play"), "file-play");
  Separator(e);
  t.B_EditUndo = Button(e, "B_EditUndo", QT_TRANSLATE_NOOP("Toolbar", "Undo (Ctrl+Z)"), "undo");
  t.B_EditRedo =
      Button(e, "B_EditRedo", QT_TRANSLATE_NOOP("Toolbar", "Redo (Ctrl+Y)"), "edit-redo");
  Separator(e);
  t.B_EditDraw =
      Button(e, "B_EditDraw", QT_TRANSLATE_NOOP("Toolbar", "Put Tiles"), "edit-draw", true);
  t.B_EditErase =
      Button(e, "B_EditErase", QT_TRANSLATE_NOOP("Toolbar", "Erase Tiles"), "edit-erase", true);
  t.B_EditMove =
      Button(e, "B_EditMove", QT_TRANSLATE_NOOP("Toolbar", "Move Field"), "edit-move", true);
  Separator(e);
  t.B_EditAutoZ = Button(e, "B_EditAutoZ", QT_TRANSLATE_NOOP("Toolbar", "Auto Z"), "auto-z", true);
  t.B_EditCustomZ =
      Button(e, "B_EditCustomZ", QT_TRANSLATE_NOOP("Toolbar", "Custom Z"), "custom-z", true);
  t.P_CustomZ = new QWidget(e);
  t.P_CustomZ->setObjectName("P_CustomZ");
  t.P_CustomZ->setLayout(new QHBoxLayout);
  t.P_CustomZ->layout()->setContentsMargins(0, 0, 0, 0);
  t.B_CustomZDown =
      Button(t.P_CustomZ, "B_CustomZDown", QT_TRANSLATE_NOOP("Toolbar", "Z Level Down"), "z-down");
  t.L_CustomZ = new QLabel(QCoreApplication::translate("Editor", "Z: %1").arg(0), t.P_CustomZ);
  t.L_CustomZ->setObjectName("L_CustomZ");
  t.P_CustomZ->layout()->addWidget(t.L_CustomZ);
  t.B_CustomZUp =
      Button(t.P_CustomZ, "B_CustomZUp", QT_TRANSLATE_NOOP("Toolbar", "Z Level Up"), "z-up");
  e->layout()->addWidget(t.P_CustomZ);
  Separator(e);
  t.B_EditHelp = Button(e, "B_EditHelp", QT_TRANSLATE_NOOP("Toolbar", "Editor Help (F1)"), "help");
  static_cast<QHBoxLayout*>(e->layout())->addStretch();
  // The editor's bar holds the most buttons: slightly narrower ones keep it whole in the
  // smallest window.
  for (QToolButton* b : e->findChildren<QToolButton*>()) b->setFixedWidth(kButtonSize.width() - 4);
  for (QObject* child : e->children())
    if (auto* gap = qobject_cast<QWidget*>(child);
        gap && gap->metaObject() == &QWidget::staticMetaObject)
      if (gap != t.P_CustomZ) gap->setFixedWidth(6);

  t.P_SolToolbar = new QWidget(t.P_ToolbarHolder);
  t.P_SolToolbar->setObjectName("P_SolToolbar");
  QWidget* s = t.P_SolButtons = Bar(t.P_SolToolbar, "P_SolButtons");
  t.B_SolFirst = Button(s, "B_SolFirst", QT_TRANSLATE_NOOP("Toolbar", "Game Start (Home Button)"),
                        "sol-first");
  t.B_SolPrev =
      Button(s, "B_SolPrev", QT_TRANSLATE_NOOP("Toolbar", "Restore Move (Left Arrow)"), "sol-prev");
  t.B_SolNext =
      Button(s, "B_SolNext", QT_TRANSLATE_NOOP("Toolbar", "Next Move (Right Arrow)"), "sol-next");
  t.B_SolLast =
      Button(s, "B_SolLast", QT_TRANSLATE_NOOP("Toolbar", "Game End (End Button)"), "sol-last");
  Separator(s);
  t.B_SolStop = Button(s, "B_SolStop", QT_TRANSLATE_NOOP("Toolbar", "Return to Game"), "sol-stop");
  t.B_SolHelp = Button(s, "B_SolHelp", QT_TRANSLATE_NOOP("Toolbar", "Solution Help (F1)"), "help");
  s->adjustSize();

  auto* stack = new QHBoxLayout(t.P_ToolbarHolder);
  stack->setContentsMargins(0, 0, 0, 0);
  for (QWidget* bar : {t.P_PlayToolbar, t.P_EditToolbar, t.P_SolToolbar}) stack->addWidget(bar);
  t.P_EditToolbar->hide();
  t.P_SolToolbar->hide();
  return t;
}

void ShowModeControls(const MainMenus& m, const MainToolbars& t, WindowMode mode) {
  struct Shown {
    QMenu* MainMenus::*menu;
    bool play, edit, solution;
  };
  static constexpr Shown kMenus[] = {
      {&MainMenus::MI_Game, true, false, false},   {&MainMenus::MI_Favs, true, false, false},
      {&MainMenus::MI_Layout, true, false, false}, {&MainMenus::MI_Sol, false, false, true},
      {&MainMenus::MI_File, false, true, false},   {&MainMenus::MI_Edit, false, true, false},
  };
  struct ShownBar {
    QWidget* MainToolbars::*bar;
    bool play, edit, solution;
  };
  static constexpr ShownBar kBars[] = {
      {&MainToolbars::P_PlayToolbar, true, false, false},
      {&MainToolbars::P_EditToolbar, false, true, false},
      {&MainToolbars::P_SolToolbar, false, false, true},
  };
  const auto shown = [mode](bool play, bool edit, bool solution) {
    return mode == WindowMode::kPlay ? play : mode == WindowMode::kEdit ? edit : solution;
  };
  for (const Shown& s : kMenus)
    (m.*s.menu)->menuAction()->setVisible(shown(s.play, s.edit, s.solution));
  for (const ShownBar& s : kBars) (t.*s.bar)->setVisible(shown(s.play, s.edit, s.solution));
}

std::array<QAction*, 2> CommandItems(const MainMenus& m, Command command) {
  switch (command) {
    case Command::kUndo:
      return {m.MI_GameUndo, nullptr};
    case Command::kHint:
      return {m.MI_GameHint, nullptr};
    case Command::kReshuffle:
      return {m.MI_GameReshuffle, nullptr};
    case Command::kRedo:
      return {m.MI_GameRedo, nullptr};
    case Command::kPause:
      return {m.MI_GamePause, nullptr};
    case Command::kSolutionNext:
      return {m.MI_SolNext, m.MI_SolLast};
    case Command::kSolutionPrev:
      return {m.MI_SolFirst, m.MI_SolPrev};
    case Command::kZoomIn:
      return {m.MI_OptionsZoomIn, nullptr};
    case Command::kZoomOut:
      return {m.MI_OptionsZoomOut, nullptr};
  }
  return {nullptr, nullptr};
}

void BindButtons(const MainMenus& m, const MainToolbars& t) {
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
      {t.B_DimBlocked, m.MI_OptionsDimBlockedTiles},
      {t.B_Music, m.MI_OptionsMusic},
      {t.B_PlayHelp, m.MI_HelpPlay},
      {t.B_FileNew, m.MI_FileNew},
      {t.B_FileOpen, m.MI_FileOpen},
      {t.B_FileSave, m.MI_FileSave},
      {t.B_FilePlay, m.MI_FilePlay},
      {t.B_EditDraw, m.MI_EditDraw},
      {t.B_EditErase, m.MI_EditErase},
      {t.B_EditMove, m.MI_EditMove},
      {t.B_EditAutoZ, m.MI_EditAutoZ},
      {t.B_EditCustomZ, m.MI_EditCustomZ},
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
  DescribeToolbarButtons(t.P_ToolbarHolder);
}

void CentreSolutionButtons(MainToolbars& bars) {
  // The toolbar may have just become visible: let the holder give it its size first.
  if (QLayout* layout = bars.P_ToolbarHolder->layout()) layout->activate();
  QWidget* s = bars.P_SolButtons;
  s->adjustSize();
  s->move(std::max(0, (bars.P_SolToolbar->width() - s->width()) / 2),
          std::max(0, (bars.P_SolToolbar->height() - s->height()) / 2));
}

}  // namespace tv
