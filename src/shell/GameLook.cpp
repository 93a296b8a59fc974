#include "shell/GameLook.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QStyleFactory>

#include "shell/Shield.h"

namespace {

// clang-format off
struct Shade {
  QPalette::ColorRole role;
  QColor colour;
};
const Shade kShades[] = {
  {QPalette::Window,          QColor(0xEE, 0xE3, 0xC8)},  // parchment
  {QPalette::WindowText,      QColor(0x2E, 0x24, 0x18)},  // dark ink
  {QPalette::Base,            QColor(0xFB, 0xF6, 0xE8)},  // lists and boxes
  {QPalette::AlternateBase,   QColor(0xF3, 0xEA, 0xD4)},
  {QPalette::Text,            QColor(0x2E, 0x24, 0x18)},
  {QPalette::Button,          QColor(0xD8, 0xC3, 0x98)},  // light oak
  {QPalette::ButtonText,      QColor(0x2E, 0x24, 0x18)},
  {QPalette::Highlight,       QColor(0x7A, 0x36, 0x14)},  // the game's dark red-brown
  {QPalette::HighlightedText, QColor(0xFB, 0xF6, 0xE8)},
  {QPalette::ToolTipBase,     QColor(0xFB, 0xF6, 0xE8)},
  {QPalette::ToolTipText,     QColor(0x2E, 0x24, 0x18)},
  {QPalette::PlaceholderText, QColor(0x8A, 0x7B, 0x62)},
  {QPalette::Light,           QColor(0xF6, 0xEC, 0xD6)},
  {QPalette::Midlight,        QColor(0xE2, 0xD2, 0xB0)},
  {QPalette::Mid,             QColor(0xB0, 0x98, 0x70)},
  {QPalette::Dark,            QColor(0x7E, 0x6A, 0x4C)},
  {QPalette::Shadow,          QColor(0x3C, 0x30, 0x20)},
};
// clang-format on

const QColor kDisabledText(0x9A, 0x8C, 0x74);

QPalette GamePalette() {
  QPalette palette;
  for (const Shade& shade : kShades) palette.setColor(shade.role, shade.colour);
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, kDisabledText);
  return palette;
}

QFont GameFont() {
  QFont font("DejaVu Sans");
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(12);
  return font;
}

// The window icon at the sizes title bars and task bars ask for.
QIcon GameIcon() {
  QIcon icon;
  for (int size : {16, 32, 64, 128}) icon.addPixmap(QPixmap::fromImage(ShieldPicture(size)));
  return icon;
}

}  // namespace

void ApplyGameLook(QApplication& app) {
  app.setStyle(QStyleFactory::create("Fusion"));
  app.setPalette(GamePalette());
  app.setFont(GameFont());
  app.setWindowIcon(GameIcon());
}
