// Draws every picture and sound the game names into the game folder given as the
// first argument, and the game's icons into the second. Everything is made here, at
// build time; nothing is copied in.

#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <string>

#include "Canvas.h"
#include "Figures.h"
#include "Icons.h"
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
  if (argc < 3) {
    std::fprintf(stderr, "usage: assetgen GAME_FOLDER ICON_FOLDER\n");
    return 2;
  }
  AssetFolder folder(std::filesystem::u8path(argv[1]));
  AssetFolder icons(std::filesystem::u8path(argv[2]));
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
    timings += ' ';
    timings += step.name;
    timings += ' ' + std::to_string(ms.count()) + " ms";
  }
  WriteIcons(icons);
  for (const AssetFolder* written : {&folder, &icons}) {
    for (const auto& failure : written->Failures())
      std::fprintf(stderr, "assetgen: cannot write %s\n", failure.c_str());
  }
  std::printf("assetgen: %d files, %d icons;%s\n", folder.Written(), icons.Written(),
              timings.c_str());
  return folder.Failures().empty() && icons.Failures().empty() ? 0 : 1;
}
