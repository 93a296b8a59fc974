#include "widgets/PictureBox.h"

#include <QMouseEvent>
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
