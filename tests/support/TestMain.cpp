// The test program: GoogleTest with the game's application on the offscreen platform.

#include <gtest/gtest.h>

#include "shell/GameApplication.h"

namespace {
void QuietQt(QtMsgType, const QMessageLogContext&, const QString&) {}
}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietQt);
  GameApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
