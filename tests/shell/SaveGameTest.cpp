#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <fstream>
#include <iterator>

#include "core/SystemLocale.h"
#include "inventory/StockUnit.h"
#include "shell/NickUnit.h"
#include "shell/SaveGame.h"
#include "state/ScrambleFile.h"
#include "support/TestGame.h"
#include "widgets/ListBox.h"
#include "world/StartUnit.h"

namespace fs = std::filesystem;

namespace {

class Saving : public TestGame {
 protected:
  void SetUp() override {
    Start();
    game->form4->Edit1->setText("Вася");
    game->form4->Edit2->setText("secret");
    game->form4->Button->click();
    Events();
  }

  std::string Plain(const std::string& file) const {
    std::ifstream in(root / "save" / file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return ScrambleFile(bytes);
  }
};

}  // namespace

TEST_F(Saving, SaveWritesTheStateAndTheListsAndSaysSo) {
  game->state.Money = 1000.5f;
  game->form5->SubjectListBox->SetLines({"Меч", "Зелье ХП"});
  game->form3->SaveButton->click();
  EXPECT_EQ(Events(), (std::vector<std::string>{
                          "sound sound\\Сохранить.wav",
                          R"(message "Вася - Morrowgate" none "Игра сохранена.")",
                      }));
  const std::string main = Plain("Вася.par");
  EXPECT_NE(main.find("\r\nMoney=1000" + std::string(1, SystemDecimalPoint()) + "5\r\n"),
            std::string::npos);
  // A save writes Noup before Lose.
  EXPECT_LT(main.find("Noup="), main.find("Lose="));
  EXPECT_EQ(Plain("Вася.l1"), "\xCC\xE5\xF7\r\n\xC7\xE5\xEB\xFC\xE5 \xD5\xCF\r\n");
}

TEST_F(Saving, WithTheSoundOffTheSaveIsSilent) {
  game->form3->SoundCheckBox->setChecked(false);
  game->form3->SaveButton->click();
  EXPECT_EQ(Events(),
            std::vector<std::string>{R"(message "Вася - Morrowgate" none "Игра сохранена.")"});
}

TEST_F(Saving, AFailedSaveKeepsThePreviousOneAndSaysSo) {
  const std::string before = Plain("Вася.par");
  fs::remove(root / "save" / "Вася.l2");
  fs::create_directories(root / "save" / "Вася.l2" / "folder");
  game->state.Money = 1;
  game->form3->SaveButton->click();
  EXPECT_EQ(Events(), (std::vector<std::string>{
                          "sound sound\\Сохранить.wav",
                          "message \"Ошибка\" warning \"Игра не сохранена: на месте файла "
                          "save\\\\Вася.l2 находится не файл. Прежнее сохранение осталось без "
                          "изменений.\"",
                      }));
  EXPECT_EQ(Plain("Вася.par"), before);
}

TEST_F(Saving, ANickThatCannotNameAFileIsNotSavedAnywhere) {
  // Only the script mode's set can put such a nick in; the login filters it.
  game->state.Nick = "../Вася";
  game->form3->SaveButton->click();
  EXPECT_EQ(Events(),
            (std::vector<std::string>{
                "sound sound\\Сохранить.wav",
                R"(message "Ошибка" warning "Игра не сохранена: ник «../Вася» )"
                R"(не годится для имени файла. Прежнее сохранение осталось без изменений.")",
            }));
  EXPECT_FALSE(fs::exists(root / "Вася.par"));
}
