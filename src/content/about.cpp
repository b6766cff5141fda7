// SPDX-License-Identifier: GPL-3.0-or-later
// About box and splash: the about picture with the version and date printed over it,
// and in about mode a play button that closes it.
#include "content/about.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <cmath>
#include <functional>

#include "content/dense_label.h"

namespace tv {

namespace {

// `plain` for a screen of `ratio` device pixels per point: drawn again when it can be.
QImage ForRatio(const QImage& plain, const AboutPictures::Draw& draw, double ratio) {
  if (ratio == 1 || plain.isNull()) return plain;
  const QSize size(int(std::lround(plain.width() * ratio)),
                   int(std::lround(plain.height() * ratio)));
  QImage drawn = draw ? draw(size) : QImage();
  if (drawn.isNull()) drawn = plain.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  drawn.setDevicePixelRatio(ratio);
  return drawn;
}

}  // namespace

// A button made of two pictures: up, and pressed while the mouse is held on it.
class PlayButton : public QLabel {
 public:
  PlayButton(const AboutPictures& pictures, QWidget* parent)
      : QLabel(parent),
        up_(pictures.PlayUp),
        down_(pictures.PlayDown),
        drawUp_(pictures.DrawPlayUp),
        drawDown_(pictures.DrawPlayDown) {
    Show(false);
    resize(up_.size());
    setCursor(Qt::PointingHandCursor);
  }
  std::function<void()> OnClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) Show(true);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    Show(false);
    if (OnClick) OnClick();
  }
  void paintEvent(QPaintEvent* event) override {
    if (devicePixelRatioF() != ratio_) Show(pressed_);
    QLabel::paintEvent(event);
  }

 private:
  void Show(bool down) {
    const double ratio = devicePixelRatioF();
    if (ratio != ratio_) {
      ratio_ = ratio;
      upShown_ = QPixmap::fromImage(ForRatio(up_, drawUp_, ratio));
      downShown_ = QPixmap::fromImage(ForRatio(down_, drawDown_, ratio));
    }
    pressed_ = down;
    setPixmap(down ? downShown_ : upShown_);
  }

  QImage up_, down_;
  AboutPictures::Draw drawUp_, drawDown_;
  double ratio_ = 0;
  QPixmap upShown_, downShown_;
  bool pressed_ = false;
};

namespace {

// The thin outline of the borderless splash: transparent inside, for mouse and paint.
class OutlineShape : public QWidget {
 public:
  explicit OutlineShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QColor(0x30, 0x22, 0x10));
    painter.drawRect(0, 0, width() - 1, height() - 1);
  }
};

}  // namespace

TF_About::TF_About(bool splash, const AboutPictures& pictures, QWidget* parent)
    : QDialog(parent), splash_(splash) {
  setObjectName("TF_About");
  setWindowTitle(tr("About Program"));
  if (splash) {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  } else {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
  }

  I_Bkg = new DenseLabel(this);
  I_Bkg->setObjectName("I_Bkg");
  I_Bkg->SetMaker([plain = pictures.Background, draw = pictures.DrawBackground](double ratio) {
    return ForRatio(plain, draw, ratio);
  });
  I_Bkg->resize(pictures.Background.size());
  I_Bkg->installEventFilter(this);

  L_VersionShadow = AddLabel("L_VersionShadow", kProgramVersion, 11, 85, true);
  L_Version = AddLabel("L_Version", kProgramVersion, 10, 84, false);
  L_DateShadow = AddLabel("L_DateShadow", tr(kProgramDate), 11, 225, true);
  L_Date = AddLabel("L_Date", tr(kProgramDate), 10, 224, false);

  I_Play = new PlayButton(pictures, this);
  I_Play->setObjectName("I_Play");
  I_Play->OnClick = [this] { accept(); };
  I_Play->setVisible(!splash);

  B_Frame = new OutlineShape(this);
  B_Frame->setObjectName("B_Frame");
  B_Frame->setVisible(splash);

  FormActivate();
}

QLabel* TF_About::AddLabel(const char* name, const QString& text, int x, int y, bool shadow) {
  auto* label = new QLabel(text, this);
  label->setObjectName(name);
  QFont font("Arial");
  font.setPixelSize(16);
  font.setBold(true);
  label->setFont(font);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  label->setAttribute(Qt::WA_TranslucentBackground);
  label->setStyleSheet(shadow ? "color: white; background: transparent;"
                              : "color: black; background: transparent;");
  label->setGeometry(x, y, 350, 20);
  label->installEventFilter(this);
  return label;
}

// The client area always takes exactly the picture's size.
void TF_About::FormActivate() {
  const QSize size = I_Bkg->size();
  setFixedSize(size);
  I_Bkg->move(0, 0);
  B_Frame->setGeometry(0, 0, size.width(), size.height());
  I_Play->move((size.width() - I_Play->width()) / 2, size.height() - 10 - I_Play->height());
  B_Frame->raise();
}

void TF_About::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

bool TF_About::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && !splash_) {
    accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TF_About::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);  // Esc rejects
}

}  // namespace tv
