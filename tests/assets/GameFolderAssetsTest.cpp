// Every picture and sound the game can name is in the built game folder, loads,
// and fits the frame it is shown in.

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "Figures.h"
#include "Items.h"
#include "Map.h"
#include "Sounds.h"
#include "Wave.h"
#include "core/GameFolder.h"
#include "fight/Roster.h"
#include "inventory/StockUnit.h"
#include "items/ItemCatalogue.h"
#include "state/GameState.h"
#include "support/Files.h"
#include "support/TestGame.h"
#include "world/WorldMap.h"

namespace {

const GameFolder kBuilt{std::filesystem::u8path(MG_GAME_DIR)};

QImage LoadPicture(const std::string& gamePath) {
  return QImage(QString::fromStdString(kBuilt.Resolve(gamePath).string()), "BMP");
}

// Loads and has its frame's proportions (pictures are stretched to their frames).
void ExpectPicture(const std::string& gamePath, int frameWidth, int frameHeight) {
  const QImage picture = LoadPicture(gamePath);
  ASSERT_FALSE(picture.isNull()) << gamePath;
  EXPECT_EQ(picture.width() * frameHeight, picture.height() * frameWidth)
      << gamePath << " is " << picture.width() << "x" << picture.height();
}

void ExpectPicture(const std::string& gamePath, Frame frame) {
  ExpectPicture(gamePath, frame.width, frame.height);
}

// Mean difference of two pictures' colours, 0..255.
double Difference(const QImage& a, const QImage& b) {
  const QImage x = a.scaled(32, 32).convertToFormat(QImage::Format_RGB32);
  const QImage y = b.scaled(32, 32).convertToFormat(QImage::Format_RGB32);
  double sum = 0;
  for (int j = 0; j < 32; ++j) {
    for (int i = 0; i < 32; ++i) {
      const QColor c(x.pixel(i, j)), d(y.pixel(i, j));
      sum += std::abs(c.red() - d.red()) + std::abs(c.green() - d.green()) +
             std::abs(c.blue() - d.blue());
    }
  }
  return sum / (32 * 32 * 3);
}

// Every "image\…bmp" or "sound\…wav" written whole as a literal in the game's sources.
std::set<std::string> LiteralPathsInSources(const std::string& folder,
                                            const std::string& extension) {
  const std::regex literal("\"(" + folder + ")\\\\\\\\([^\"\\\\]+\\." + extension + ")\"");
  std::set<std::string> paths;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(MG_SOURCE_DIR)) {
    if (!entry.is_regular_file()) continue;
    const std::string text = FileBytes(entry.path());
    for (std::sregex_iterator it(text.begin(), text.end(), literal), end; it != end; ++it) {
      paths.insert((*it)[1].str() + "\\" + (*it)[2].str());
    }
  }
  return paths;
}

}  // namespace

TEST(GameFolderAssets, EveryItemOfTheCatalogueHasItsPictureInItsSlotsProportions) {
  for (const auto& kind : AllItemKinds()) ExpectPicture(kind.Picture(), FrameOfItem(kind));
}

TEST(GameFolderAssets, ItemsOfDifferentSetsLookDifferentAtAGlance) {
  EXPECT_GT(
      Difference(LoadPicture("image\\Шлем дракона.bmp"), LoadPicture("image\\Шлем слепоты.bmp")),
      12);
  EXPECT_GT(
      Difference(LoadPicture("image\\Кольцо льда.bmp"), LoadPicture("image\\Кольцо тьмы.bmp")), 12);
  EXPECT_GT(Difference(LoadPicture("image\\Зелье яда.bmp"), LoadPicture("image\\Зелье силы.bmp")),
            4);
}

TEST(GameFolderAssets, MapPlacesAndTheMarkerAreSquare) {
  for (int place = 0; place <= kPlaceCount; ++place)
    ExpectPicture(PlacePicture(place), kPlaceFrame);
}

TEST(GameFolderAssets, NeighbouringPlacesJoinIntoOneLandscape) {
  // The right edge of place 1 continues into the left edge of place 2, while
  // places far apart (forest and mountains) differ.
  const QImage forest = LoadPicture(PlacePicture(1)), meadow = LoadPicture(PlacePicture(2));
  const int w = forest.width();
  double seam = 0;
  for (int y = 0; y < forest.height(); ++y) {
    const QColor a(forest.pixel(w - 1, y)), b(meadow.pixel(0, y));
    seam += std::abs(a.green() - b.green());
  }
  EXPECT_LT(seam / forest.height(), 40);
  EXPECT_GT(Difference(LoadPicture(PlacePicture(5)), LoadPicture(PlacePicture(16))), 20);
}

TEST(GameFolderAssets, AvatarsAreDistinctFullFigures) {
  std::vector<QImage> seen;
  for (int n = 1; n <= kAvatarCount; ++n) {
    ExpectPicture(AvatarPicture(n), kAvatarFrame);
    const QImage avatar = LoadPicture(AvatarPicture(n));
    for (const auto& other : seen) EXPECT_GT(Difference(avatar, other), 3) << AvatarPicture(n);
    seen.push_back(avatar);
  }
}

TEST(GameFolderAssets, EveryMonsterHasItsPortraitAndGear) {
  std::set<std::string> gear;
  for (int kind = 1; kind <= kMonsterKindCount; ++kind) {
    for (const auto& picture : OpponentPictures(kind)) {
      const std::string_view slot = picture.slot;
      ExpectPicture(picture.path, slot == "Avatar" ? kAvatarFrame : SlotFrameOf(slot));
      if (slot != "Avatar" && !FindItem(picture.path.substr(6, picture.path.size() - 10)))
        gear.insert(picture.path);
    }
  }
  // The troll's and the ogre's own gear are the only pieces outside the catalogue.
  EXPECT_TRUE(gear.count("image\\s9 Оружие.bmp"));
  EXPECT_TRUE(gear.count("image\\s10 Кольцо.bmp"));
}

TEST(GameFolderAssets, MonstersLookUnlikeEachOther) {
  for (int kind = 2; kind <= kMonsterKindCount; ++kind) {
    const auto path = [](int k) { return OpponentPictures(k)[0].path; };
    EXPECT_GT(Difference(LoadPicture(path(kind)), LoadPicture(path(kind - 1))), 5) << kind;
  }
}

TEST(GameFolderAssets, EveryPictureNamedInTheSourcesExists) {
  const auto named = LiteralPathsInSources("image", "bmp");
  EXPECT_GE(named.size(), 10u);
  for (const auto& path : named) EXPECT_FALSE(LoadPicture(path).isNull()) << path;
}

TEST(GameFolderAssets, EverySoundNamedInTheSourcesIsGenerated) {
  std::set<std::string> generated;
  for (const auto& sound : AllSounds()) generated.insert(SoundPath(sound));
  EXPECT_EQ(generated.size(), 22u);
  for (const auto& path : LiteralPathsInSources("sound", "wav"))
    EXPECT_TRUE(generated.count(path)) << path;
}

TEST(GameFolderAssets, EverySoundIsShortNormalisedPcm) {
  for (const auto& sound : AllSounds()) {
    const auto wave = ReadWave(kBuilt.Resolve(SoundPath(sound)));
    ASSERT_TRUE(wave) << SoundPath(sound);
    EXPECT_GT(wave->Seconds(), 0.1) << SoundPath(sound);
    EXPECT_LT(wave->Seconds(), 3.0) << SoundPath(sound);
    float peak = 0;
    for (float s : wave->samples) peak = std::max(peak, std::abs(s));
    EXPECT_GT(peak, 0.7f) << SoundPath(sound);
    EXPECT_LE(peak, 0.95f) << SoundPath(sound);
  }
}

// The figure's frames are taken from the inventory screen itself.
class EmptySlotAssets : public TestGame {};

TEST_F(EmptySlotAssets, EveryEmptySlotPictureFitsItsFrameOnTheInventory) {
  Start();
  for (const auto& slot : kEquipSlots) {
    if (*slot.emptyPicture == '\0') continue;
    const auto* frame = game->form5->findChild<QWidget*>(QString(slot.name) + "Image");
    ASSERT_NE(frame, nullptr) << slot.name;
    ExpectPicture(slot.emptyPicture, frame->width(), frame->height());
  }
  const auto* avatar = game->form5->findChild<QWidget*>("AvatarImage");
  ASSERT_NE(avatar, nullptr);
  ExpectPicture(AvatarPicture(1), avatar->width(), avatar->height());
}
