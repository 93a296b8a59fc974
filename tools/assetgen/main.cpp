// Draws every picture and sound the game names into the game folder given as the
// one argument. Everything is made here, at build time; nothing is copied in.

#include <QGuiApplication>
#include <chrono>
#include <cstdio>

#include "Canvas.h"
#include "Figures.h"
#include "Items.h"
#include "Map.h"
#include "Monsters.h"
#include "Slots.h"
#include "Sounds.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: assetgen GAME_FOLDER\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  AssetFolder folder(std::filesystem::u8path(argv[1]));
  WriteMapPictures(folder);
  WriteEmptySlotPictures(folder);
  WriteItemPictures(folder);
  WriteAvatarPictures(folder);
  WriteMonsterPictures(folder);
  WriteSounds(folder);
  for (const auto& failure : folder.Failures())
    std::fprintf(stderr, "assetgen: cannot write %s\n", failure.c_str());
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - start);
  std::printf("assetgen: %d files in %lld ms\n", folder.Written(),
              static_cast<long long>(ms.count()));
  return folder.Failures().empty() ? 0 : 1;
}
