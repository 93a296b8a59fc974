// The test program: GoogleTest with one QApplication on the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>

#include "shell/Screen.h"

namespace {
void QuietQt(QtMsgType, const QMessageLogContext&, const QString&) {}
}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietQt);
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  Screen::InstallKeyPreview();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
