#include "widgets/PictureBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include "core/GameFolder.h"

PictureBox::PictureBox(const GameFolder& folder, const QString& name, QWidget* parent)
    : QLabel(parent), folder_(folder) {
  setObjectName(name);
  setScaledContents(true);
}

void PictureBox::Load(const std::string& gamePath) {
  picture_ = gamePath;
  if (gamePath.empty()) {
    clear();
    return;
  }
  const QString file = QString::fromStdString(folder_.Resolve(gamePath).string());
  QPixmap pixmap;
  if (!QPixmapCache::find(file, &pixmap)) {
    // A missing file shows an empty frame.
    if (pixmap.load(file)) QPixmapCache::insert(file, pixmap);
  }
  setPixmap(pixmap);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Click();
  QLabel::mouseReleaseEvent(event);
}

void PictureBox::SetFocusable(bool tabStop) {
  setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void PictureBox::SetAccessibleLabel(const QString& what) {
  what_ = what;
  UpdateAccessibleName();
}

void PictureBox::UpdateAccessibleName() {
  const QString hint = toolTip();
  setAccessibleName(hint.isEmpty() ? what_ : what_ + ": " + hint);
}

bool PictureBox::event(QEvent* event) {
  // The hint is what the slot holds or what a place offers: the name follows it.
  if (event->type() == QEvent::ToolTipChange && !what_.isEmpty()) UpdateAccessibleName();
  return QLabel::event(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (focusPolicy() != Qt::NoFocus &&
      (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
    Click();
    return;
  }
  QLabel::keyPressEvent(event);
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  // A frame in the game's highlight colour, inside the picture so that small
  // pictures keep their neighbours clear.
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}
