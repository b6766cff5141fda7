// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's widgets in their places, with the program's style sheets.
#include "app/main_widgets.h"

#include <QFile>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QVBoxLayout>

#include "app/accessibility.h"
#include "app/field_widget.h"
#include "app/status_bars.h"
#include "app/status_holder.h"
#include "field/pixel_buffer.h"

static void RegisterStyles() {
  Q_INIT_RESOURCE(styles);
}

namespace tv {
namespace {

// A style sheet of the program's resources.
QString StyleSheet(const char* name) {
  static const bool registered = (RegisterStyles(), true);
  (void)registered;
  QFile file(QStringLiteral(":/styles/") + name);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QColor PackedColor(int color) {
  const RgbBytes rgb = SplitColor(color);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace

MainWidgets BuildMainWidgets(QMainWindow* window) {
  MainWidgets w;
  w.Menus = BuildMenus(window);
  auto* central = new QWidget(window);
  central->setObjectName("ClientArea");
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  w.Bars = BuildToolbars(central);
  column->addWidget(w.Bars.P_ToolbarHolder);

  w.P_Field = new QWidget(central);
  w.P_Field->setObjectName("P_Field");
  w.P_Field->setAutoFillBackground(true);
  column->addWidget(w.P_Field, 1);
  w.Field = new FieldWidget(w.P_Field);
  w.Field->move(0, 0);

  w.P_StatusHolder = new StatusHolder(central);
  w.P_StatusHolder->setObjectName("P_StatusHolder");
  w.P_StatusHolder->setFixedHeight(kStatusHeight);
  w.Status = new StatusBars(w.P_StatusHolder);
  NameStatusPanels(w.P_StatusHolder);
  auto* statusStack = new QHBoxLayout(w.P_StatusHolder);
  statusStack->setContentsMargins(0, 0, 0, 0);
  statusStack->addWidget(w.Status->PlayStatus());
  statusStack->addWidget(w.Status->EditStatus());
  column->addWidget(w.P_StatusHolder);
  window->setCentralWidget(central);

  // Warm lacquer tones around the field. Style sheets only where they are needed: the
  // status bar repaints every second and stays on the plain, cheaper style.
  w.Bars.P_ToolbarHolder->setStyleSheet(StyleSheet("toolbar.qss"));
  w.Bars.P_ToolbarHolder->setAttribute(Qt::WA_StyledBackground);
  window->menuBar()->setStyleSheet(StyleSheet("menus.qss"));

  return w;
}

void SetPanelColor(QWidget* panel, int color) {
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, PackedColor(color));
  panel->setPalette(palette);
}

}  // namespace tv
