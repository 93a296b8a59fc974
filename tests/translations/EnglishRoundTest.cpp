// A whole round played in English: login, travel, a fight to its end, the shop, the
// inventory, the character screen, a save and its loading. No Russian
// letter may show anywhere, and the save is the very one the Russian game writes.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QTabBar>
#include <QTextBrowser>
#include <map>
#include <sstream>

#include "fight/MGUnit.h"
#include "script/ScriptRunner.h"
#include "shell/HelpWindow.h"
#include "support/Files.h"
#include "support/TestGame.h"

namespace {

bool HasCyrillic(const QString& text) {
  static const QRegularExpression kCyrillic("[\\x{0400}-\\x{04FF}]");
  return text.contains(kCyrillic);
}

// Every text a player can read on the screens now shown.
QStringList VisibleTexts() {
  QStringList texts;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    texts << window->windowTitle();
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (!w->isVisible()) continue;
      texts << w->toolTip();
      if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
      if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
      if (auto* tabs = qobject_cast<QTabBar*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
      }
      if (auto* browser = qobject_cast<QTextBrowser*>(w)) texts << browser->toPlainText();
      if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
        for (int row = 0; row < view->model()->rowCount(); ++row)
          texts << view->model()->index(row, 0).data().toString();
      }
    }
  }
  return texts;
}

// Every save file by name, with its bytes.
std::map<std::string, std::string> ReadFolder(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  for (const std::string& name : FileNames(folder)) {
    if (std::filesystem::is_regular_file(folder / name)) files[name] = FileBytes(folder / name);
  }
  return files;
}

class Round : public TestGame {
 protected:
  // Runs script lines, then checks what is on screen and what popped up.
  void Play(const std::string& lines) {
    ScriptRunner runner(*game, root);
    std::istringstream input(lines);
    std::ostringstream errors;
    ASSERT_EQ(runner.Run(input, errors), 0) << errors.str();
    if (language != Language::English) {
      Events();
      return;
    }
    for (const QString& text : VisibleTexts())
      EXPECT_FALSE(HasCyrillic(text)) << text.toStdString();
    for (const std::string& line : Events()) {
      seen.push_back(line);
      // Sounds are named by their files, which stay the game's own.
      if (line.starts_with("sound ")) continue;
      EXPECT_FALSE(HasCyrillic(QString::fromStdString(line))) << line;
    }
  }

  std::vector<std::string> seen;
};

constexpr const char* kStrongHero = R"(set GameState.AttKick 100
set GameState.AttPower 80
set GameState.AttDexterity 200
set GameState.AttGoodLuck 200
set GameState.AttKB 120
set GameState.AttHP 3000
set GameState.MoveAttHP 3000
)";

TEST_F(Round, PlayedInEnglishShowsNoRussianAndSavesWhatRussianSaves) {
  language = Language::English;
  Start(5);
  Play("paste TForm4.Edit1 Hero\npaste TForm4.Edit2 secret\nclick TForm4.Button\n");
  // Travel from the town to its neighbour and arrive.
  Play("click TForm3.Image10\ntick 100\n");
  // The shop: every tab, a purchase.
  Play(
      "click TForm3.ShopButton\nselect TForm2.ShlemSubjectListBox 0\nclick TForm2.ShlemButton\n"
      "select TForm2.ZelikSubjectListBox 2\nclick TForm2.ZelikButton\n"
      "click TForm2.SvitokTabSheet\nclick TForm2.BackButton\n");
  // The inventory: wear the helm, choose the potion, wear it too.
  Play(
      "click TForm3.StockButton\nselect TForm5.SubjectListBox 0\nclick TForm5.DressButton\n"
      "select TForm5.SubjectListBox 0\nclick TForm5.DressButton\nclick TForm5.BackButton\n");
  Play("click TForm3.PersButton\nclick TForm7.BackButton\n");
  // The help, its tables of potions and scrolls included, then back to the map.
  Play("key TForm3 F1\n");
  const QString help = game->help->findChild<QTextBrowser*>("HelpBrowser")->toPlainText();
  EXPECT_TRUE(help.contains("First steps")) << help.left(200).toStdString();
  EXPECT_TRUE(help.contains("Poison Potion")) << "the potions' table names them in English";
  EXPECT_TRUE(help.contains("place 10, just above the town")) << "the rats' place filled in";
  EXPECT_TRUE(help.contains("Town: the shop")) << "the map's town in English";
  Play("key HelpWindow Escape\n");
  EXPECT_TRUE(game->help->isHidden());
  // A fight to its end against a rat, away from the town.
  Play(std::string(kStrongHero) +
       "set GameState.Place 4\nset TForm3.AttackerCount 1\nset TForm3.AttackerKinds[1] 1\n"
       "set TForm3.EncounterCountdown 1\ntick\n");
  Play("click TForm1.MoveButton\n");  // refused: nothing chosen
  for (int move = 0; move < 5 && game->form1->isVisible(); ++move)
    Play(
        "click TForm1.CheckBox1\nclick TForm1.CheckBox4\nclick TForm1.CheckBox6\n"
        "click TForm1.MoveButton\n");
  EXPECT_FALSE(game->form1->isVisible()) << "the fight ended";
  Play("set GameState.Place 5\nclick TForm3.SaveButton\n");
  EXPECT_NE(std::find(seen.begin(), seen.end(),
                      "message \"Hero - Morrowgate\" none \"The game is saved.\""),
            seen.end());
}

// The same save read in the other language gives the same game, and writing it
// again gives the same bytes.
TEST_F(Round, ASaveMadeInOneLanguageLoadsInTheOtherUnchanged) {
  for (Language from : {Language::English, Language::Russian}) {
    const Language to = from == Language::English ? Language::Russian : Language::English;
    SCOPED_TRACE(from == Language::English ? "English to Russian" : "Russian to English");
    std::filesystem::remove_all(root / "save");
    const auto script = [](const std::string& extra) {
      return "paste TForm4.Edit1 Hero\npaste TForm4.Edit2 secret\nclick TForm4.Button\n" + extra +
             "click TForm3.SaveButton\n";
    };
    language = from;
    Start(3);
    Play(
        script("click TForm3.ShopButton\nselect TForm2.ShlemSubjectListBox 1\n"
               "click TForm2.ShlemButton\nclick TForm2.BackButton\nclick TForm3.StockButton\n"
               "select TForm5.SubjectListBox 0\nclick TForm5.DressButton\n"
               "click TForm5.BackButton\n"));
    const auto first = ReadFolder(root / "save");
    const std::string hint = game->state.ShlemHint;
    game.reset();
    language = to;
    Start(3);
    Play(script(""));
    EXPECT_EQ(game->state.ShlemHint, hint);
    EXPECT_EQ(hint, "Шлем лавы") << "the save keeps the Russian name";
    EXPECT_EQ(ReadFolder(root / "save"), first);
    game.reset();
  }
}

}  // namespace
