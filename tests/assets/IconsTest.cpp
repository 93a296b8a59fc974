// The desktop's icons, drawn at build time, are the windows' shield at every size.

#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QString>

#include "Icons.h"

namespace {

QImage Icon(int size) {
  const std::string edge = std::to_string(size);
  return QImage(QString::fromStdString(std::string(MG_ICON_DIR) + "/hicolor/" + edge + "x" + edge +
                                       "/apps/morrowgate.png"),
                "PNG");
}

TEST(Icons, EveryHicolorSizeIsTheShieldOnATransparentSquare) {
  for (int size : kIconSizes) {
    const QImage icon = Icon(size);
    ASSERT_FALSE(icon.isNull()) << size;
    EXPECT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(icon.pixel(0, size - 1)), 0) << size;
    EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << size;
    // The shield's dark red beside the cross.
    const QColor field = icon.pixelColor(size * 3 / 10, size * 3 / 5);
    EXPECT_EQ(field.alpha(), 255) << size;
    EXPECT_GT(field.red(), 2 * field.green()) << size;
  }
}

TEST(Icons, TheDesktopsIconIsTheWindowsIcon) {
  const QImage window =
      QApplication::windowIcon().pixmap(64).toImage().convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(Icon(64).convertToFormat(QImage::Format_ARGB32), window);
}

}  // namespace
