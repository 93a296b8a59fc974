#include <gtest/gtest.h>

#include <QCheckBox>
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

TEST_F(Script, GetReadsMembersControlsAndScreens) {
  EXPECT_EQ(Run("get GameState.Money\n"
                "get GameState.Avatar\n"
                "get TForm4.Button.Caption\n"
                "get TForm4.Button.Hint\n"
                "get TForm3.SoundCheckBox.Checked\n"
                "get TForm3.ProfButton.Visible\n"
                "get TForm3.PersButton.Visible\n"
                "get TForm3.PersButton.Enabled\n"
                "get TForm4.Caption\n"
                "get TForm4.Visible\n"
                "get TForm3.Visible\n"
                "get TForm3.AttackerKinds[2]\n"
                "get Application.Title\n"),
            0);
  EXPECT_EQ(Events(),
            (Lines{"GameState.Money = 2000", "GameState.Avatar = \"image\\\\1.bmp\"",
                   "TForm4.Button.Caption = \"Войти\"",
                   "TForm4.Button.Hint = \"Войти в игру под введённым ником\"",
                   "TForm3.SoundCheckBox.Checked = true", "TForm3.ProfButton.Visible = false",
                   "TForm3.PersButton.Visible = true", "TForm3.PersButton.Enabled = true",
                   "TForm4.Caption = \"Вход\"", "TForm4.Visible = true", "TForm3.Visible = false",
                   "TForm3.AttackerKinds[2] = 0", "Application.Title = \"Off-Line Morrowgate\""}));
}

TEST_F(Script, SetChangesMembersOnly) {
  EXPECT_EQ(Run("set GameState.Money 2087.5\nset TForm3.EncounterCountdown 7\n"
                "set GameState.Nick \"Вася\"\n"),
            0);
  EXPECT_EQ(game->state.Money, 2087.5f);
  EXPECT_EQ(game->form3->EncounterCountdown, 7);
  EXPECT_EQ(game->state.Nick, "Вася");
  EXPECT_EQ(Run("set TForm4.Edit1.Text \"x\"\n"), 2);
  EXPECT_EQ(Run("set GameState.Place \"five\"\n"), 2);
  EXPECT_EQ(game->state.Place, 5);
}

TEST_F(Script, TypeRespectsTheLengthLimitPasteCutsIt) {
  EXPECT_EQ(Run("type TForm4.Edit1 абвгдеёжзий\n"), 0);
  EXPECT_EQ(game->form4->Edit1->text(), "абвгдеёжзи");
  EXPECT_EQ(Run("paste TForm4.Edit2 0123456789abcdefgh\n"), 0);
  EXPECT_EQ(game->form4->Edit2->text(), "0123456789abcde");
  EXPECT_EQ(Run("paste TForm4.Edit2 \n"), 0);
  EXPECT_EQ(game->form4->Edit2->text(), "");
}

TEST_F(Script, ClickTogglesCheckBoxesAndIgnoresHiddenControls) {
  EXPECT_EQ(Run("click TForm3.SoundCheckBox\n"), 0);
  EXPECT_EQ(game->state.Sound, 0);
  EXPECT_EQ(Run("click TForm3.ProfButton\n"), 0);  // hidden: nothing happens
  EXPECT_EQ(Run("click TForm3.TimeLabel\n"), 0);   // hidden as well
}

TEST_F(Script, DrawsAreForcedInOrder) {
  EXPECT_EQ(Run("draws 17 4 2147483647\n"), 0);
  EXPECT_EQ(game->random.RandomInt(15), 2);
  EXPECT_EQ(game->random.RandomInt(3), 1);
  EXPECT_EQ(game->random.RandomInt(2), 1);
  EXPECT_EQ(Run("draws 2147483648\n"), 2);
  EXPECT_EQ(Run("draws -1\n"), 2);
}

TEST_F(Script, AnswersAndEndOfGame) {
  EXPECT_EQ(Run("click TForm3.StockButton\nanswer yes\nclose TForm5\necho never\n"), 0);
  const Lines events = Events();
  EXPECT_EQ(events.back(), "exit");
  EXPECT_EQ(events[events.size() - 2],
            "confirm \"Подтверждение\" \"Вы хотите выйти из игры?\" yes");
}

TEST_F(Script, ErrorsStopTheScriptWithStatusTwo) {
  EXPECT_EQ(Run("echo fine\nbogus\n"), 2);
  EXPECT_EQ(lastError, "script error: 2: unknown command: bogus\n");
  EXPECT_EQ(Run("get GameState.Nothing\n"), 2);
  EXPECT_EQ(Run("get TForm9.Caption\n"), 2);
  EXPECT_EQ(Run("click TForm3.NoSuchButton\n"), 2);
  EXPECT_EQ(Run("get TForm3.PersButton.Items\n"), 2);
  EXPECT_EQ(Run("select TForm5.SubjectListBox 0\n"), 2);  // the backpack is empty
  EXPECT_EQ(Run("tick many\n"), 2);
  EXPECT_EQ(Run("type TForm3.PersButton x\n"), 2);
  Events();
  EXPECT_EQ(Run("# a comment\n\necho after blank lines\n"), 0);
  EXPECT_EQ(Events(), (Lines{"echo after blank lines"}));
}

TEST_F(Script, SelectChoosesALineOrNone) {
  EXPECT_EQ(Run("get TForm5.SubjectListBox.ItemIndex\nget TForm5.SubjectListBox.Items\n"), 0);
  EXPECT_EQ(Events(),
            (Lines{"TForm5.SubjectListBox.ItemIndex = -1", "TForm5.SubjectListBox.Items = []"}));
}
