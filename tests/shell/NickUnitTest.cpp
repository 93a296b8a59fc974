#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <fstream>
#include <iterator>

#include "character/PersUnit.h"
#include "core/Cp1251.h"
#include "fight/MGUnit.h"
#include "inventory/StockUnit.h"
#include "shell/NickUnit.h"
#include "shell/SaveGame.h"
#include "shop/BuyUnit.h"
#include "state/SaveFiles.h"
#include "state/ScrambleFile.h"
#include "support/Files.h"
#include "support/SavingChild.h"
#include "support/TestGame.h"
#include "widgets/ListBox.h"
#include "world/StartUnit.h"

namespace fs = std::filesystem;

namespace {

const std::string kRegistered = R"(message "Off-Line Morrowgate" none "Ваш ник зарегистрирован.")";
const std::string kWelcomeBack =
    R"(message "Off-Line Morrowgate" none "Вы зашли под ранее зарегистрированным ником.")";

// What a successful login of Вася shows, with the sound on.
std::vector<std::string> EnteredAsVasya(const std::string& message) {
  return {"sound sound\\Войти.wav", message, "hide TForm4", R"(title "Вася - Morrowgate")",
          "show TForm3"};
}

std::string Refusal(const std::string& text) {
  return "message \"Ошибка\" warning \"" + text + "\"";
}

std::string BackupOffer(const std::string& problem, const std::string& backup, bool yes) {
  return "confirm \"Ошибка\" \"" + problem + " Загрузить последнюю целую резервную копию (" +
         backup + ")?\" " + (yes ? "yes" : "no");
}

class Login : public TestGame {
 protected:
  void SetUp() override { Start(); }

  // Types one character at a time, as the player (and the script's `type`) does.
  void Type(QLineEdit* edit, const QString& text) {
    for (QChar c : text) edit->setText(edit->text() + c);
  }

  void LogIn(const QString& nick, const QString& password) {
    game->form4->Edit1->setText(nick);
    game->form4->Edit2->setText(password);
    game->form4->Button->click();
  }

  // A new run of the game on the same folder.
  void Restart() {
    game.reset();
    Start();
  }

  std::string Bytes(const std::string& gamePath) const {
    return FileBytes(game->folder.Resolve(gamePath));
  }

  // The save folder's names beside the backup folder and the lock files.
  std::vector<std::string> SaveFolder() const {
    auto names = FileNames(root / "save");
    std::erase_if(names,
                  [](const std::string& n) { return n == "backup" || n.ends_with(".lock"); });
    return names;
  }

  // Registers and saves Вася, then starts a new run.
  void SavedVasya() {
    LogIn("Вася", "secret");
    game->form3->SaveButton->click();
    Restart();
  }

  void ExpectRefusedAndStillAtLogin(const std::string& text) {
    EXPECT_EQ(Events(), std::vector<std::string>{Refusal(text)});
    EXPECT_FALSE(game->form4->isHidden());
    EXPECT_TRUE(game->form3->isHidden());
  }
};

}  // namespace

TEST_F(Login, TheNickFilterClearsTheBoxOnAnyOfTheNineCharacters) {
  QLineEdit* nick = game->form4->Edit1;
  for (QChar bad : QString("\\/:*?\"<>|")) {
    Type(nick, "Вас");
    EXPECT_EQ(nick->text(), "Вас");
    Type(nick, QString(bad));
    EXPECT_EQ(nick->text(), "") << QString(bad).toStdString();
    nick->setText(QString("ab") + bad + "cd");  // pasted
    EXPECT_EQ(nick->text(), "");
  }
}

TEST_F(Login, CharactersTheSaveFilesCannotHoldClearEitherBox) {
  for (QLineEdit* box : {game->form4->Edit1, game->form4->Edit2}) {
    Type(box, "Ёжик");
    EXPECT_EQ(box->text(), "Ёжик");
    Type(box, QString::fromUtf8("😀"));
    EXPECT_EQ(box->text(), "");
    box->setText("日本語");
    EXPECT_EQ(box->text(), "");
    box->setText("a\tb");
    EXPECT_EQ(box->text(), "");
  }
  // The password may hold what a nick may not.
  game->form4->Edit2->setText("a/b:c");
  EXPECT_EQ(game->form4->Edit2->text(), "a/b:c");
}

TEST_F(Login, BoxesTakeTenAndFifteenCharacters) {
  Type(game->form4->Edit1, "абвгдежзийк");
  Type(game->form4->Edit2, "0123456789abcdefg");
  EXPECT_EQ(game->form4->Edit1->text(), "абвгдежзий");
  EXPECT_EQ(game->form4->Edit2->text(), "0123456789abcde");
  EXPECT_EQ(game->form4->Edit2->echoMode(), QLineEdit::Password);
}

TEST_F(Login, EmptyAndShortFieldsAreRefusedInTheirOrder) {
  LogIn("", "secret");
  ExpectRefusedAndStillAtLogin("Нужно ввести ник и пароль.");
  LogIn("Вася", "");
  ExpectRefusedAndStillAtLogin("Нужно ввести ник и пароль.");
  LogIn("Ва", "secret");
  ExpectRefusedAndStillAtLogin("Ник и пароль должны состоять минимум из трёх символов.");
  EXPECT_EQ(game->state.Nick, "Ва");
  LogIn("Вася", "se");
  ExpectRefusedAndStillAtLogin("Ник и пароль должны состоять минимум из трёх символов.");
  EXPECT_EQ(game->state.Password, "se");
  EXPECT_FALSE(fs::exists(root / "save"));
}

TEST_F(Login, ANickOfSpacesOnlyIsRefusedButSpacesInsideAreKept) {
  for (const QString nick : {"   ", "          "}) {
    LogIn(nick, "secret");
    ExpectRefusedAndStillAtLogin("Ник не может состоять из одних пробелов.");
  }
  EXPECT_FALSE(fs::exists(root / "save"));
  LogIn(" В я ", "secret");
  EXPECT_TRUE(game->form4->isHidden());
  EXPECT_TRUE(fs::exists(root / "save" / " В я .par"));
}

TEST_F(Login, ANewNickIsRegisteredAndEntersTheGame) {
  Draws({7});
  game->state.Sound = 0;  // the registration sound plays all the same
  LogIn("Вася", "secret");
  EXPECT_EQ(Events(), EnteredAsVasya(kRegistered));
  // The draw is taken, but the town has no attacks.
  EXPECT_EQ(game->random.ForcedLeft(), 0u);
  EXPECT_EQ(game->form3->EncounterCountdown, 0);
  const std::pair<Screen*, const char*> titles[] = {{game->form3, "Вася - Меню"},
                                                    {game->form7, "Вася - Персонаж"},
                                                    {game->form2, "Вася - Магазин"},
                                                    {game->form1, "Вася - Бой"}};
  for (const auto& [screen, title] : titles) EXPECT_EQ(screen->windowTitle(), title);
  EXPECT_EQ(SaveFolder(), (std::vector<std::string>{"Вася.l1", "Вася.l2", "Вася.par", "Вася.sum"}));
  EXPECT_EQ(Bytes("save\\Вася.l1"), "");
}

TEST_F(Login, AnEmptyMainFileIsANewNick) {
  fs::create_directories(root / "save");
  std::ofstream(root / "save" / "Вася.par");
  LogIn("Вася", "secret");
  EXPECT_EQ(Events(), EnteredAsVasya(kRegistered));
  EXPECT_FALSE(Bytes("save\\Вася.par").empty());
}

TEST_F(Login, RefusalsOfAKnownNickLeaveItsFilesAlone) {
  SavedVasya();
  const std::string before = Bytes("save\\Вася.par");

  LogIn("Вася", "Secret");
  ExpectRefusedAndStillAtLogin("Неверный ник или пароль.");

  // The file of another nick under this name.
  fs::copy_file(root / "save" / "Вася.par", root / "save" / "Петя.par");
  LogIn("Петя", "secret");
  ExpectRefusedAndStillAtLogin(
      "Файл сохранения переименован, а он должен иметь имя ника, под которым сохранялись в "
      "него.");
  EXPECT_EQ(game->state.Nick, "Вася");

  std::string plain = ScrambleFile(before);
  plain.replace(plain.find("Version=0.5"), 11, "Version=0.4");
  std::ofstream(root / "save" / "Петя.par", std::ios::binary) << ScrambleFile(plain);
  LogIn("Петя", "secret");
  ExpectRefusedAndStillAtLogin("Файл сохранения этого ника не подходит по версии к игре.");
  EXPECT_EQ(game->state.Version, "0.4");

  EXPECT_EQ(Bytes("save\\Вася.par"), before);
  EXPECT_EQ(SaveFolder(),
            (std::vector<std::string>{"Вася.l1", "Вася.l2", "Вася.par", "Вася.sum", "Петя.par"}));
  // The login is still usable.
  LogIn("Вася", "secret");
  EXPECT_EQ(Events().front(), "sound sound\\Войти.wav");
  EXPECT_TRUE(game->form4->isHidden());
}

TEST_F(Login, ADamagedMainFileOffersTheNewestIntactBackup) {
  SavedVasya();
  LogIn("Вася", "secret");
  game->state.Money = 777;
  game->form3->SaveButton->click();
  Restart();
  std::string plain = ScrambleFile(Bytes("save\\Вася.par"));
  plain.replace(plain.find("AttPower=26"), 11, *Utf8ToCp1251("AttPower=сто"));
  const std::string damaged = ScrambleFile(plain);
  std::ofstream(root / "save" / "Вася.par", std::ios::binary) << damaged;
  const std::string problem =
      "Файл сохранения save\\\\Вася.par повреждён: значение AttPower «сто» не является целым "
      "числом.";

  // No: everything stays as it is.
  game->state.Money = 5;
  AnswerConfirmation(false);
  LogIn("Вася", "secret");
  EXPECT_EQ(Events(), std::vector<std::string>{BackupOffer(problem, "уровень 1, 777 руб.", false)});
  EXPECT_FALSE(game->form4->isHidden());
  EXPECT_FLOAT_EQ(game->state.Money, 5);
  EXPECT_EQ(Bytes("save\\Вася.par"), damaged);

  // Yes: the backup is loaded, and the next save makes it current.
  AnswerConfirmation(true);
  LogIn("Вася", "secret");
  auto entered = EnteredAsVasya(kWelcomeBack);
  entered.insert(entered.begin(), BackupOffer(problem, "уровень 1, 777 руб.", true));
  EXPECT_EQ(Events(), entered);
  EXPECT_FLOAT_EQ(game->state.Money, 777);
  game->form3->SaveButton->click();
  Restart();
  LogIn("Вася", "secret");
  EXPECT_EQ(Events(), EnteredAsVasya(kWelcomeBack));
  EXPECT_FLOAT_EQ(game->state.Money, 777);

  // A main file emptied (as a power loss could leave it) beside backups is no new nick.
  Restart();
  std::ofstream(root / "save" / "Вася.par", std::ios::trunc);
  LogIn("Вася", "secret");
  EXPECT_EQ(Events(), std::vector<std::string>{BackupOffer(
                          "Файл сохранения save\\\\Вася.par повреждён: в нём нет сохранённой игры.",
                          "уровень 1, 777 руб.", false)});
  EXPECT_EQ(Bytes("save\\Вася.par"), "");
}

TEST_F(Login, AFileChangedAfterTheGameWroteItLoadsAsItStandsWhenTheOfferIsDeclined) {
  SavedVasya();
  std::string plain = ScrambleFile(Bytes("save\\Вася.par"));
  plain.replace(plain.find("Money=2000"), 10, "Money=5000");
  std::ofstream(root / "save" / "Вася.par", std::ios::binary) << ScrambleFile(plain);
  const std::string changed =
      "Файл сохранения save\\\\Вася.par повреждён: он изменился после того, как игра его "
      "записала.";
  AnswerConfirmation(false);
  LogIn("Вася", "secret");
  auto entered = EnteredAsVasya(kWelcomeBack);
  entered.insert(entered.begin(), BackupOffer(changed, "уровень 1, 2000 руб.", false));
  EXPECT_EQ(Events(), entered);
  EXPECT_FLOAT_EQ(game->state.Money, 5000);
  // Without a backup there is nothing to offer: the damage is said all the same.
  Restart();
  fs::remove_all(root / "save" / "backup");
  LogIn("Вася", "secret");
  entered.front() = Refusal(changed + " Резервной копии нет: персонаж загружен как есть.");
  EXPECT_EQ(Events(), entered);
}

TEST_F(Login, ADamagedMainFileWithoutBackupsIsReportedAndChangesNothing) {
  SavedVasya();
  fs::remove_all(root / "save" / "backup");
  std::string plain = ScrambleFile(Bytes("save\\Вася.par"));
  plain.replace(plain.find("AttPower=26"), 11, *Utf8ToCp1251("AttPower=сто"));
  std::ofstream(root / "save" / "Вася.par", std::ios::binary) << ScrambleFile(plain);
  game->state.Money = 5;

  LogIn("Вася", "secret");
  ExpectRefusedAndStillAtLogin(
      "Файл сохранения save\\\\Вася.par повреждён: значение AttPower «сто» не является целым "
      "числом.");
  EXPECT_FLOAT_EQ(game->state.Money, 5);
  EXPECT_TRUE(game->form3->SoundCheckBox->isChecked());

  std::ofstream(root / "save" / "Вася.par", std::ios::binary) << "\x01\x02garbage";
  LogIn("Вася", "secret");
  ExpectRefusedAndStillAtLogin(
      "Файл сохранения save\\\\Вася.par повреждён: это не сохранённая игра.");
}

TEST_F(Login, AFailedRegistrationIsReportedAndStaysAtLogin) {
  std::ofstream(root / "save") << "a file where the folder belongs";
  LogIn("Вася", "secret");
  EXPECT_EQ(Events(), (std::vector<std::string>{
                          "sound sound\\Войти.wav",
                          Refusal("Ник не зарегистрирован: не удаётся создать папку save."),
                      }));
  EXPECT_FALSE(game->form4->isHidden());
}

TEST_F(Login, TheRemainsOfACutOffSaveAreSettledAndNeverTakenForANewNick) {
  SavedVasya();
  const auto path = [&](const std::string& name) { return root / "save" / name; };
  const auto write = [&](const std::string& name, const std::string& bytes) {
    std::ofstream(path(name), std::ios::binary | std::ios::trunc) << bytes;
  };
  const std::string files[] = {"Вася.par", "Вася.l1", "Вася.l2"};
  std::vector<std::string> rich;
  for (const std::string& file : files) rich.push_back(Bytes("save\\" + file));

  // A save of 5 roubles that counted (its mark is there) but was cut off before
  // its new files took their places: the login completes it.
  LogIn("Вася", "secret");
  game->state.Money = 5;
  game->form5->SubjectListBox->SetLines({"Меч"});
  game->form3->SaveButton->click();
  Restart();
  for (std::size_t i = 0; i < 3; ++i) {
    write(files[i] + ".new", Bytes("save\\" + files[i]));
    write(files[i], rich[i]);
  }
  write("Вася.commit", "");
  LogIn("Вася", "secret");
  EXPECT_EQ(Events(), EnteredAsVasya(kWelcomeBack));
  EXPECT_FLOAT_EQ(game->state.Money, 5);
  EXPECT_EQ(game->form5->SubjectListBox->Lines(), std::vector<std::string>{"Меч"});
  EXPECT_EQ(SaveFolder(), (std::vector<std::string>{"Вася.l1", "Вася.l2", "Вася.par", "Вася.sum"}));

  // An older build cut off between the two renames of the main file: no main
  // file, but its old one set aside. The login gives the old save back.
  Restart();
  fs::rename(path("Вася.par"), path("Вася.par.old"));
  write("Вася.par.new", "the older build's new file");
  LogIn("Вася", "secret");
  EXPECT_EQ(Events(), EnteredAsVasya(kWelcomeBack));
  EXPECT_FLOAT_EQ(game->state.Money, 5);
  EXPECT_EQ(SaveFolder(), (std::vector<std::string>{"Вася.l1", "Вася.l2", "Вася.par", "Вася.sum"}));
}

TEST_F(Login, ANickInPlayInAnotherRunningGameIsRefusedUntilThatGameEnds) {
  LogIn("Вася", "secret");
  Events();
  EXPECT_TRUE(fs::exists(root / "save" / "Вася.lock"));
  // A second copy of the game on the same save folder.
  VectorLog otherLog;
  GameOptions options;
  options.root = root;
  options.seed = 1;
  auto other = std::make_unique<Game>(options, &otherLog);
  other->Start();
  otherLog.Take();
  const auto otherLogsIn = [&](const QString& nick) {
    other->form4->Edit1->setText(nick);
    other->form4->Edit2->setText("secret");
    other->form4->Button->click();
    return otherLog.Take();
  };
  // The lock follows the file the nick names, whatever its letter case.
  for (const QString nick : {"Вася", "ВАСЯ"}) {
    EXPECT_EQ(otherLogsIn(nick), std::vector<std::string>{Refusal(NickInPlay(nick.toStdString()))});
    EXPECT_FALSE(other->form4->isHidden());
  }
  game.reset();  // the first game ends
  EXPECT_EQ(otherLogsIn("Вася"), EnteredAsVasya(kWelcomeBack));
  EXPECT_TRUE(other->form4->isHidden());
  other.reset();

  // A game killed outright frees the nick too: the kernel drops its lock.
  SavingChild child(root, 1);
  ASSERT_TRUE(child.FirstSaveReported());
  Start();
  LogIn("Вася", "secret");
  EXPECT_EQ(Events(), std::vector<std::string>{Refusal(NickInPlay("Вася"))});
  child.KillAndWait();
  LogIn("Вася", "secret");
  EXPECT_EQ(Events(), EnteredAsVasya(kWelcomeBack));
}

TEST_F(Login, ANickInAnotherLetterCaseOpensTheFilesOfThatName) {
  SavedVasya();
  // The files of "Вася" hold that nick: the name typed differs, as on a file
  // system that ignores letter case.
  LogIn("вася", "secret");
  ExpectRefusedAndStillAtLogin(
      "Файл сохранения переименован, а он должен иметь имя ника, под которым сохранялись в "
      "него.");
  // A file of exactly the name typed wins.
  std::ofstream(root / "save" / "вася.par");
  LogIn("вася", "secret");
  EXPECT_EQ(Events().at(1), kRegistered);
  Restart();
  // A new nick whose empty file differs in case is registered there; the name stays.
  std::ofstream(root / "save" / "ПЕТЯ.par");
  LogIn("петя", "secret");
  EXPECT_EQ(Events().at(1), kRegistered);
  EXPECT_EQ(SaveFolder(), (std::vector<std::string>{"Вася.l1", "Вася.l2", "Вася.par", "Вася.sum",
                                                    "ПЕТЯ.l1", "ПЕТЯ.l2", "ПЕТЯ.par", "ПЕТЯ.sum",
                                                    "вася.l1", "вася.l2", "вася.par", "вася.sum"}));
  EXPECT_TRUE(fs::exists(root / "save" / "ПЕТЯ.lock"));
  EXPECT_TRUE(fs::exists(root / "save" / "backup" / "ПЕТЯ.1.par"));
  EXPECT_NE(ScrambleFile(Bytes("save\\ПЕТЯ.par")).find("Nick=\xEF\xE5\xF2\xFF\r\n"),
            std::string::npos);
}
