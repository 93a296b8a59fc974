#include "shell/Shield.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {
// The drawing's own units: a 64-pixel square.
constexpr double kUnits = 64;
const QColor kGold(0xD8, 0xB0, 0x48);
const QColor kRed(0x7A, 0x1E, 0x14);
}  // namespace

QImage ShieldPicture(int size) {
  QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / kUnits, size / kUnits);
  QPainterPath shield;
  shield.moveTo(8, 6);
  shield.lineTo(56, 6);
  shield.cubicTo(56, 36, 46, 50, 32, 60);
  shield.cubicTo(18, 50, 8, 36, 8, 6);
  p.setPen(QPen(kGold, 4));
  p.setBrush(kRed);
  p.drawPath(shield);
  p.setPen(Qt::NoPen);
  p.setBrush(kGold);
  p.drawRect(28, 12, 8, 38);
  p.drawRect(16, 22, 32, 8);
  return picture;
}
