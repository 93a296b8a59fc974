// Draws every picture and sound the game names into the game folder given as the
// one argument. Everything is made here, at build time; nothing is copied in.

#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <string>

#include "Canvas.h"
#include "Figures.h"
#include "Items.h"
#include "Map.h"
#include "Monsters.h"
#include "Slots.h"
#include "Sounds.h"

namespace {

struct Step {
  const char* name;
  void (*write)(AssetFolder&);
};

// Qt's notes about the session (no runtime folder on a build machine) are noise here;
// what matters is reported as a file that could not be written.
void OnlyCritical(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(OnlyCritical);
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: assetgen GAME_FOLDER\n");
    return 2;
  }
  AssetFolder folder(std::filesystem::u8path(argv[1]));
  // Monsters come after the items because they wear many of them.
  const Step steps[] = {{"map", WriteMapPictures},          {"slots", WriteEmptySlotPictures},
                        {"items", WriteItemPictures},       {"avatars", WriteAvatarPictures},
                        {"monsters", WriteMonsterPictures}, {"sounds", WriteSounds}};
  std::string timings;
  for (const auto& step : steps) {
    const auto start = std::chrono::steady_clock::now();
    step.write(folder);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    timings += " " + std::string(step.name) + " " + std::to_string(ms.count()) + " ms";
  }
  for (const auto& failure : folder.Failures())
    std::fprintf(stderr, "assetgen: cannot write %s\n", failure.c_str());
  std::printf("assetgen: %d files;%s\n", folder.Written(), timings.c_str());
  return folder.Failures().empty() ? 0 : 1;
}
