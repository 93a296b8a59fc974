// The login's refusals and questions in English: damaged saves, the backup offer,
// a nick another running game holds, a failed registration. The Russian texts stay
// as the login tests give them.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <fstream>

#include "shell/NickUnit.h"
#include "state/ScrambleFile.h"
#include "support/Files.h"
#include "support/TestGame.h"
#include "world/StartUnit.h"

namespace fs = std::filesystem;

namespace {

std::string Refusal(const std::string& text) {
  return "message \"Error\" warning \"" + text + "\"";
}

class EnglishLogin : public TestGame {
 protected:
  void SetUp() override {
    language = Language::English;
    Start();
  }

  void LogIn(Game& where, const QString& nick) {
    where.form4->Edit1->setText(nick);
    where.form4->Edit2->setText("secret");
    where.form4->Button->click();
  }

  // Registers and saves Hero, then starts a new run.
  void SavedHero() {
    LogIn(*game, "Hero");
    game->form3->SaveButton->click();
    game.reset();
    Start();
  }

  // Makes Hero's strength a word in the main file.
  void DamageHero() {
    const fs::path par = root / "save" / "Hero.par";
    std::string plain = ScrambleFile(FileBytes(par));
    plain.replace(plain.find("AttPower=26"), 11, "AttPower=lots");
    std::ofstream(par, std::ios::binary | std::ios::trunc) << ScrambleFile(plain);
  }
};

constexpr const char* kDamaged =
    "Save file save\\\\Hero.par is damaged: the value AttPower “lots” is not a whole number.";

TEST_F(EnglishLogin, DamagedSavesAreReportedAndTheBackupOfferedInEnglish) {
  SavedHero();
  DamageHero();
  AnswerConfirmation(false);
  LogIn(*game, "Hero");
  EXPECT_EQ(Events(), std::vector<std::string>{
                          std::string("confirm \"Error\" \"") + kDamaged +
                          " Load the latest intact backup (level 1, 2000 roubles)?\" no"});
  EXPECT_FALSE(game->form4->isHidden());

  fs::remove_all(root / "save" / "backup");
  LogIn(*game, "Hero");
  EXPECT_EQ(Events(), std::vector<std::string>{Refusal(kDamaged)});
  std::ofstream(root / "save" / "Hero.par", std::ios::binary | std::ios::trunc) << "\x01garbage";
  LogIn(*game, "Hero");
  EXPECT_EQ(Events(), std::vector<std::string>{Refusal(
                          "Save file save\\\\Hero.par is damaged: it is not a saved game.")});
}

TEST_F(EnglishLogin, RefusalsOfTheNickAndOfItsRegistrationAreInEnglish) {
  SavedHero();
  game->form4->Edit1->setText("Hero");
  game->form4->Edit2->setText("wrong!");
  game->form4->Button->click();
  EXPECT_EQ(Events(), std::vector<std::string>{Refusal("Wrong nickname or password.")});

  // Another running game on the same folder holds the nick.
  LogIn(*game, "Hero");
  Events();
  VectorLog otherLog;
  GameOptions options;
  options.root = root;
  options.language = Language::English;
  auto other = std::make_unique<Game>(options, &otherLog);
  other->Start();
  otherLog.Take();
  LogIn(*other, "Hero");
  EXPECT_EQ(otherLog.Take(),
            std::vector<std::string>{Refusal(
                "The nickname “Hero” is already in play in another running copy of the game. "
                "Close that copy or log in with another nickname.")});
  other.reset();

  game.reset();
  fs::remove_all(root / "save");
  std::ofstream(root / "save") << "a file where the folder belongs";
  Start();
  LogIn(*game, "Newcomer");
  const auto events = Events();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back(),
            Refusal("The nickname was not registered: the save folder cannot be created."));
}

}  // namespace
