#include <gtest/gtest.h>

#include <QLineEdit>
#include <sstream>

#include "script/ScriptRunner.h"
#include "shell/NickUnit.h"
#include "support/TestGame.h"
#include "world/StartUnit.h"

using Lines = std::vector<std::string>;

class Script : public TestGame {
 protected:
  void SetUp() override { Start(); }

  // Runs the commands; returns the exit status.
  int Run(const std::string& commands) {
    ScriptRunner runner(*game, root);
    std::istringstream input(commands);
    std::ostringstream errors;
    const int status = runner.Run(input, errors);
    lastError = errors.str();
    return status;
  }

  std::string lastError;
};

// The scenarios run every command; here are the refusals.
TEST_F(Script, ErrorsStopTheScriptWithStatusTwo) {
  EXPECT_EQ(Run("echo fine\nbogus\n"), 2);
  EXPECT_EQ(lastError, "script error: 2: unknown command: bogus\n");
  for (const char* bad :
       {"set TForm4.Edit1.Text \"x\"", "set GameState.Place \"five\"", "get GameState.Nothing",
        "get TForm9.Caption", "click TForm3.NoSuchButton", "get TForm3.PersButton.Items",
        "select TForm5.SubjectListBox 0",  // the backpack is empty
        "tick many", "type TForm3.PersButton x", "draws 2147483648", "draws -1"})
    EXPECT_EQ(Run(std::string(bad) + "\n"), 2) << bad;
  EXPECT_EQ(game->state.Place, 5);
  EXPECT_EQ(game->random.ForcedLeft(), 0u);
  Events();
  // Hidden controls ignore clicks.
  EXPECT_EQ(Run("# a comment\n\nclick TForm3.ProfButton\nclick TForm3.TimeLabel\necho after\n"), 0);
  EXPECT_EQ(Events(), (Lines{"echo after"}));
}

TEST_F(Script, GetPrintsLargeSumsInPlainDigits) {
  game->state.Money = 10000000;
  EXPECT_EQ(Run("get GameState.Money\n"), 0);
  EXPECT_EQ(Events(), (Lines{"GameState.Money = 10000000"}));
}

TEST_F(Script, PasteCutsAtTheLengthLimit) {
  EXPECT_EQ(Run("paste TForm4.Edit2 0123456789abcdefgh\n"), 0);
  EXPECT_EQ(game->form4->Edit2->text(), "0123456789abcde");
  EXPECT_EQ(Run("paste TForm4.Edit2 \n"), 0);
  EXPECT_EQ(game->form4->Edit2->text(), "");
}
