#include <map>

#include "character/SkillPoints.h"
#include "state/SaveFilesFixture.h"
#include "state/SaveOpening.h"
#include "sweep/FlipSweep.h"
#include "world/WorldMap.h"

namespace {

using Kind = SaveOpening::Kind;
using Fault = SaveOpening::Fault;

// The login's decision over files a disk or a player damaged.
class Opening : public SaveFiles {
 protected:
  Opening() : SaveFiles(FreshFolderInMemory()) {}

  void SaveVasya(int saves, float money = 777) {
    GameState state = NewCharacter();
    state.Money = money;
    for (int i = 0; i < saves; ++i) ASSERT_EQ(Save(state, {"Меч"}, {"Рубин"}), std::nullopt);
  }
  SaveOpening Open(const std::string& password = "secret") const {
    GameState typed = NewCharacter();
    typed.Password = password;
    return OpenSave(folder, names, typed);
  }
  void ReplaceInMain(const std::string& from, const std::string& to) const {
    std::string text = Plain(names.main);
    text.replace(text.find(from), from.size(), to);
    WriteScrambled(names.main, text);
  }
};

}  // namespace

TEST(FlipSweep, EveryFlippedBitLoadsTheSavedCharacterOrOffersItsBackup) {
  const FlipCounts counts = SweepFlips(FreshFolderInMemory(), {.everyBit = false});
  EXPECT_GT(counts.flips, 1000);
  EXPECT_EQ(counts.Faults(), 0);
  EXPECT_EQ(counts.loadedSame + counts.offered, counts.flips);
  EXPECT_GT(counts.offered, counts.flips * 9 / 10);
}

TEST_F(Opening, ALostEmptiedOrZeroedFileBesideBackupsIsOfferedOnlyToItsOwner) {
  SaveVasya(2);
  for (const std::string* name : names.Files()) {
    const std::string whole = Bytes(*name);
    for (const std::string& damaged :
         {std::string("deleted"), std::string(), std::string(whole.size(), '\0')}) {
      if (damaged == "deleted")
        fs::remove(Path(*name));
      else
        Write(*name, damaged);
      const SaveOpening opening = Open();
      EXPECT_EQ(opening.kind, Kind::Offer) << *name << " " << damaged.size();
      EXPECT_FLOAT_EQ(opening.backup->game.state.Money, 777);
      EXPECT_EQ(Open("Secret").kind, Kind::WrongPassword) << *name;
    }
    Write(*name, whole);
  }
  EXPECT_EQ(Open().kind, Kind::Load);
}

TEST_F(Opening, DecliningLoadsChangedFilesAsTheyStandWhereTheyCanBeRead) {
  SaveVasya(1);
  ReplaceInMain("Money=777", "Money=9999");
  SaveOpening opening = Open();
  ASSERT_EQ(opening.kind, Kind::Offer);
  EXPECT_EQ(opening.problem,
            "Файл сохранения save\\Вася.par повреждён: он изменился после того, как игра его "
            "записала.");
  EXPECT_FLOAT_EQ(opening.game->state.Money, 9999);
  // A save without a digest, as older builds leave it, loads as before.
  fs::remove(Path(names.digest));
  EXPECT_EQ(Open().kind, Kind::Load);
  // A place off the map can never be left: damage that declining cannot load.
  ReplaceInMain("Place=5", "Place=0");
  EXPECT_FALSE(Open().game);
}

TEST_F(Opening, WithoutBackupsDamageIsSaidAndTheRulesOfANewNickHold) {
  SaveVasya(1);
  fs::remove_all(Path("save\\backup"));
  // A byte the code page leaves unused shows as a question mark and can be saved again.
  ReplaceInMain("ShlemHint=", "ShlemHint=\x98");
  SaveOpening opening = Open();
  ASSERT_EQ(opening.kind, Kind::Load);
  EXPECT_EQ(opening.fault, Fault::Damage);
  EXPECT_EQ(opening.game->state.ShlemHint, "?Пустой слот");
  EXPECT_EQ(Save(opening.game->state), std::nullopt);
  fs::remove_all(Path("save\\backup"));
  // A wrong version without a backup is refused as before; an empty file is a new nick.
  fs::remove(Path(names.digest));
  ReplaceInMain("Version=0.5", "Version=0.4");
  EXPECT_EQ(Open().fault, Fault::Version);
  EXPECT_EQ(Open().kind, Kind::Refuse);
  Write(names.main, "");
  EXPECT_EQ(Open("anything").kind, Kind::Register);
}

TEST(SavedRanges, AreTheRangesPlayNeverLeaves) {
  std::map<std::string, std::pair<int, int>> ranges;
  for (const MemberRange& range : SavedRanges()) ranges[range.key] = {range.lowest, range.highest};
  EXPECT_EQ(ranges, (std::map<std::string, std::pair<int, int>>{{"Place", {1, kPlaceCount}},
                                                                {"Sound", {0, 1}},
                                                                {"Strannik", {0, kSkillCap}},
                                                                {"Lesorub", {0, kSkillCap}}}));
}
