#include <QPushButton>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

#include "fight/MGUnit.h"
#include "inventory/StockUnit.h"
#include "replay/ReplayFixture.h"
#include "shell/NickUnit.h"
#include "shop/BuyUnit.h"
#include "support/Keys.h"
#include "world/StartUnit.h"
#include "world/WorldMap.h"

namespace {

constexpr const char* kAxe = "Топор дровосека";

// A player who clicks at random on whatever the shown screen offers, keys now and
// then, with the world clock ticking between: travel, attacks and fights (potions
// and scrolls on the belt), the shop, wearing, selling, gems, wood cutting, saving.
class Monkey {
 public:
  Monkey(Game& game, std::uint32_t seed) : game_(game), random_(seed) {}

  void Step() {
    Screen* screen = ShownScreen();
    if (!screen) return;
    if (Pick(8) == 0) return Key(screen);
    std::vector<QWidget*> controls = Controls(screen);
    if (controls.empty()) return;
    QWidget* control = controls[Pick(static_cast<int>(controls.size()))];
    if (auto* list = qobject_cast<ListBox*>(control)) {
      if (list->count() > 0) ClickRow(list, Pick(list->count()));
      return;
    }
    // Leaving a screen too often would keep the player on the menu.
    if (control->objectName() == "BackButton" && Pick(4) != 0) return;
    Click(control);
  }

 private:
  int Pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

  Screen* ShownScreen() const {
    for (const char* form : {"TForm1", "TForm2", "TForm5", "TForm7", "TForm3"}) {
      Screen* screen = game_.FindScreen(form);
      if (screen->isVisible()) return screen;
    }
    return nullptr;
  }

  static std::vector<QWidget*> Controls(Screen* screen) {
    std::vector<QWidget*> controls;
    for (QWidget* w : screen->findChildren<QWidget*>()) {
      if (!w->isVisible() || !w->isEnabled()) continue;
      const bool clickable = qobject_cast<QAbstractButton*>(w) || qobject_cast<PictureBox*>(w) ||
                             qobject_cast<ListBox*>(w);
      if (clickable) controls.push_back(w);
    }
    return controls;
  }

  void Key(Screen* screen) {
    static const char* keys = "1234qwer";
    if (Pick(3) == 0) return PressKey(screen, Qt::Key_Return, Qt::NoModifier, "\r");
    if (Pick(2) == 0) {
      static const int arrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                                   Qt::Key_Tab};
      return PressKey(screen, arrows[Pick(5)]);
    }
    TypeKey(screen, QChar(keys[Pick(8)]));
  }

  Game& game_;
  std::mt19937 random_;
};

class SessionReplays : public Replays {
 protected:
  void LogIn(const QString& password) {
    Type(game->form4->Edit1, "Бот");
    Type(game->form4->Edit2, password);
    Click(game->form4->Button);
  }

  // With the mouse: the woodcutter's axe first, then two kinds on every tab while the
  // money lasts.
  void Shop() {
    Click(game->form3->ShopButton);
    for (const bool axe : {true, false}) {
      for (ListBox* list : game->form2->findChildren<ListBox*>()) {
        if (!list->objectName().endsWith("SubjectListBox")) continue;
        const QString key = list->objectName().chopped(std::strlen("SubjectListBox"));
        Click(game->form2->findChild<QWidget*>(key + "Tab"));
        for (int row = 0; row < list->count(); ++row) {
          if (axe != (list->Line(row) == kAxe) || (!axe && row % 3 != 1)) continue;
          ClickRow(list, row);
          Click(game->form2->findChild<QWidget*>(key + "Button"));
        }
      }
    }
    Click(game->form2->BackButton);
  }

  // Every line of the backpack chosen and worn, from the last.
  void WearAll() {
    Click(game->form3->StockButton);
    ListBox* backpack = game->form5->SubjectListBox;
    for (int row = backpack->count() - 1; row >= 0; --row) {
      if (row >= backpack->count()) continue;
      ClickRow(backpack, row);
      Click(game->form5->DressButton);
    }
    Click(game->form5->BackButton);
  }

  // Along the bottom row of the map, giving up the fights met on the way.
  void WalkTo(int place) {
    for (int second = 0; second < 3000 && game->state.Place != place; ++second) {
      if (game->form1->isVisible()) Click(game->form1->BackButton);
      if (game->form3->MoveCountdown == 0)
        Click(game->form3->Images[game->state.Place + (place < game->state.Place ? -1 : 1)]);
      Tick();
    }
  }

  // A wood cutting in the forest, a fight or two with potions and scrolls on the way.
  void CutWood() {
    Monkey fighter(*game, 5);
    if (game->form3->ProfButton->isVisible()) Click(game->form3->ProfButton);
    for (int second = 0; second < 400; ++second) {
      if (game->form1->isVisible()) fighter.Step();
      Tick();
    }
  }

  void Play(int steps) {
    Monkey monkey(*game, 20261209);
    for (int i = 0; i < steps && !game->Quitting(); ++i) {
      monkey.Step();
      for (int t = static_cast<int>(i % 3); t > 0; --t) Tick();
      // The auto-fight's timer, when the monkey has started it.
      for (int step = 0; step < 3 && game->form1->AutoFighting(); ++step)
        game->input.RunTimed("step TForm1.AutoFightStep");
      game->RefreshLabels();
    }
  }

  // The number of the input on the recording's line starting at `offset`.
  static int InputNumberAt(const std::string& text, std::size_t offset) {
    std::istringstream in(text.substr(0, offset) + "end 0 x=0\n");
    int inputs = 0;
    std::string line;
    std::getline(in, line);
    for (int header = 0; header < 4; ++header) std::getline(in, line);
    while (std::getline(in, line)) {
      static const std::set<std::string> kNotInputs = {"file", "answer", "password", "digest",
                                                       "end"};
      if (!kNotInputs.count(line.substr(0, line.find(' ')))) ++inputs;
    }
    return inputs + 1;
  }

  std::filesystem::path MainFile() const { return root / "save" / "Бот.par"; }
};

}  // namespace

TEST_F(SessionReplays, ALongRandomSessionEndsTheSameAndAChangedInputIsFound) {
  StartRecorded();
  LogIn("secret");
  ASSERT_TRUE(game->form3->isVisible());
  Shop();
  WearAll();
  WalkTo(kForest);
  CutWood();
  WalkTo(kTown);
  Play(3000);
  Click(game->form3->SaveButton);
  const std::string recording = Finish();
  EXPECT_EQ(recording.find("secret"), std::string::npos) << "the password is not recorded";
  for (const char* seen :
       {"click TForm1.MoveButton", "click TForm2.", "click TForm5.DressButton",
        "click TForm3.ProfButton", "click TForm1.AttSod", "step TForm1.AutoFightStep", "tick"})
    EXPECT_NE(recording.find(seen), std::string::npos) << seen;

  std::istringstream in(recording);
  const auto inputs = std::get<Recording>(ReadRecording(in)).inputs.size();
  EXPECT_EQ(Replay(recording), "replay: " + std::to_string(inputs) + " events, same end");

  // A tick in the middle becomes a forced draw: the world runs a second behind from
  // there on, and the next digest (one every ten inputs) finds it.
  const auto middle = recording.find("\ntick\n", recording.size() / 2) + 1;
  std::string changed = recording;
  changed.replace(middle, 4, "draws 1");
  const int changedInput = InputNumberAt(changed, middle);
  const std::string verdict = Replay(changed);
  ASSERT_TRUE(verdict.starts_with("replay: differs at event ")) << verdict;
  const int found = std::stoi(verdict.substr(std::string("replay: differs at event ").size()));
  EXPECT_GE(found, changedInput);
  EXPECT_LT(found, changedInput + 10);
}

TEST_F(SessionReplays, ADamagedSaveOfferedAtTheLoginReplaysFromTheRecordedFiles) {
  Start(3, 12);
  LogIn("secret");
  for (int save = 0; save < 2; ++save) Click(game->form3->SaveButton);
  game.reset();
  std::ofstream(MainFile(), std::ios::trunc) << "not a save";

  StartRecorded(11);
  LogIn("wrong");  // refused: the backup's password is not that
  game->form4->Edit1->clear();
  game->form4->Edit2->clear();
  AnswerConfirmation(true);
  LogIn("secret");
  ASSERT_TRUE(game->form3->isVisible());
  Play(200);
  const std::string recording = Finish();
  EXPECT_NE(recording.find("password no"), std::string::npos);
  EXPECT_NE(recording.find("answer yes"), std::string::npos);
  EXPECT_NE(recording.find(" backup/Бот."), std::string::npos);
  EXPECT_TRUE(Replay(recording).ends_with("events, same end")) << Replay(recording);

  // Had the player said no, the replay would not find the game it did.
  std::string refused = recording;
  refused.replace(refused.find("answer yes"), 10, "answer no");
  EXPECT_TRUE(Replay(refused).starts_with("replay: differs at event ")) << Replay(refused);
}
