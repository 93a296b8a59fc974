#include "core/SystemLocale.h"

#include <QLocale>

char SystemDecimalPoint() {
  const QString point = QLocale::system().decimalPoint();
  if (point.size() != 1 || point[0].unicode() >= 0x80) return '.';
  return static_cast<char>(point[0].unicode());
}
