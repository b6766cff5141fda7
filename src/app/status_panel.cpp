#include "app/status_panel.h"

#include "app/framed_label.h"
#include "app/qt_pictures.h"
#include "field/render.h"

namespace tv {
namespace {

constexpr QColor kStatusText(0x2a, 0x1d, 0x10);

}  // namespace

QFont StatusPanelFont() {
  QFont font("Arial");
  font.setPixelSize(19);
  return font;
}

StatusPanel::StatusPanel(const char* panelName, const char* labelName, int width,
                         const PixelBuffer& frame, QWidget* parent)
    : QWidget(parent) {
  setObjectName(panelName);
  frame_ = QPixmap::fromImage(ImageFromPixelBuffer(BuildStatusFrame(frame, width)));
  resize(width, kPanelHeight);
  label_ = new FramedLabel(frame_, this);
  label_->setObjectName(labelName);
  label_->setFont(StatusPanelFont());
  label_->setAlignment(Qt::AlignCenter);
  label_->setGeometry(0, 0, width, kPanelHeight);
  QPalette palette = label_->palette();
  palette.setColor(QPalette::WindowText, kStatusText);
  label_->setPalette(palette);
}

void StatusPanel::SetText(const QString& text) {
  if (label_->text() != text) label_->setText(text);
}

}  // namespace tv
