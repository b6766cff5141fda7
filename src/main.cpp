// Tilvane: Mahjong solitaire. Until the main window lands the program starts a
// minimal window so that `make run` always has something to show.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label("Tilvane");
  label.setWindowTitle("Tilvane");
  label.resize(320, 120);
  label.setAlignment(Qt::AlignCenter);
  label.show();
  return app.exec();
}
