#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <set>

#include "character/PersUnit.h"
#include "fight/MGUnit.h"
#include "inventory/StockUnit.h"
#include "shell/HelpWindow.h"
#include "shell/NickUnit.h"
#include "shell/Question.h"
#include "shop/BuyUnit.h"
#include "support/Keys.h"
#include "support/TestGame.h"
#include "widgets/ListBox.h"
#include "widgets/PageControl.h"
#include "widgets/PictureBox.h"
#include "world/StartUnit.h"

namespace {

std::string NameOf(const QWidget* widget) {
  return widget ? widget->objectName().toStdString() : std::string("(none)");
}

void TypeText(QWidget* window, const QString& text) {
  for (QChar c : text) TypeKey(window, c);
}

// The game's controls a player meets on a shown screen: what takes the focus by
// Tab, and every named control, Qt's own inner widgets aside.
std::vector<QWidget*> VisibleControls(QWidget* screen) {
  std::vector<QWidget*> controls;
  for (QWidget* w : screen->findChildren<QWidget*>()) {
    if (!w->isVisible()) continue;
    // A spin box's edit line hands its focus to the box: one control.
    if (w->focusProxy() && w->focusProxy() == w->parentWidget()) continue;
    const QString name = w->objectName();
    const bool named = !name.isEmpty() && !name.startsWith("qt_");
    if (named || (w->focusPolicy() & Qt::TabFocus)) controls.push_back(w);
  }
  return controls;
}

}  // namespace

class Keyboard : public TestGame {
 protected:
  void SetUp() override { Start(); }

  void Tick(int seconds) {
    for (int i = 0; i < seconds; ++i) game->form3->TimerTimer();
  }
  QWidget* Focus(Screen* screen) const { return screen->focusWidget(); }
  // Tab until the named control has the focus; false when the round ends first.
  bool TabTo(Screen* screen, const char* name) {
    for (int i = 0; i < 60; ++i) {
      if (NameOf(Focus(screen)) == name) return true;
      PressKey(screen, Qt::Key_Tab);
    }
    return false;
  }
  void LogIn() {
    TypeText(game->form4, "Вася");
    PressKey(game->form4, Qt::Key_Tab);
    TypeText(game->form4, "secret");
    PressKey(game->form4, Qt::Key_Return);
  }

  // What a screen reader reads on every screen: each control a player meets has a
  // name, and no two of one screen the same. Answers all the names read.
  QStringList ReadEveryScreensAccessibleNames() {
    QStringList read;
    GameState& s = game->state;
    s.ShlemHint = "Шлем слепоты";
    s.Shlem = "image\\Шлем слепоты.bmp";
    s.PointPar = s.PointUm = 5;
    game->form5->SubjectListBox->SetLines({"Кольцо долголетия", "Кольцо долголетия"});
    game->form5->TransListBox->AddLine("Рубин [1]");
    game->form3->AttackerKinds[1] = 1;
    game->form3->AttackerKinds[2] = 1;
    game->form3->RefreshMap();
    for (Screen* screen : {static_cast<Screen*>(game->form4), static_cast<Screen*>(game->form3),
                           static_cast<Screen*>(game->form2), static_cast<Screen*>(game->form5),
                           static_cast<Screen*>(game->form1), static_cast<Screen*>(game->form7),
                           static_cast<Screen*>(game->form6), static_cast<Screen*>(game->help)}) {
      screen->show();
      game->RefreshLabels();
      std::map<QString, std::string> names;
      for (QWidget* control : VisibleControls(screen)) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        if (!accessible) {
          ADD_FAILURE() << NameOf(control);
          continue;
        }
        const QString name = accessible->text(QAccessible::Name);
        read << name;
        SCOPED_TRACE(NameOf(screen) + "." + NameOf(control) + " \"" + name.toStdString() + "\"");
        EXPECT_FALSE(name.trimmed().isEmpty());
        const auto [at, fresh] = names.emplace(name, NameOf(control));
        EXPECT_TRUE(fresh) << "also " << at->second;
      }
      EXPECT_GE(names.size(), 2u) << NameOf(screen);
      screen->hide();
    }
    return read;
  }
};

// Log in, travel, fight, come back to the town, buy, wear and spend a point: key
// events only (the world clock ticks as time passes).
TEST_F(Keyboard, AWholeRoundWithKeysAlone) {
  GameState& s = game->state;
  LogIn();
  ASSERT_TRUE(game->form3->isVisible());
  EXPECT_EQ(NameOf(Focus(game->form3)), "Image5");

  // North of the town is place 10.
  PressKey(game->form3, Qt::Key_Up);
  EXPECT_EQ(NameOf(Focus(game->form3)), "Image10");
  PressKey(game->form3, Qt::Key_Space);
  EXPECT_EQ(game->form3->MoveTarget, 10);
  Tick(90);
  ASSERT_EQ(s.Place, 10);
  for (int i = 0; i < 30 && !game->form1->isVisible(); ++i) Tick(1);
  ASSERT_TRUE(game->form1->isVisible());

  // One strike and three blocks, then "Ход": a bare-handed character loses.
  TForm1& fight = *game->form1;
  TypeKey(&fight, '1');
  for (QChar key : {QChar('q'), QChar('w')}) TypeKey(&fight, key);
  EXPECT_TRUE(fight.CheckBoxes[1]->isChecked());
  EXPECT_TRUE(fight.CheckBoxes[5]->isChecked());
  EXPECT_TRUE(fight.CheckBoxes[6]->isChecked());
  EXPECT_EQ(s.AttOD, 100 - 30 - 2 * 20);
  while (fight.isVisible()) PressKey(&fight, Qt::Key_Return);
  EXPECT_EQ(s.Lose + s.Win + s.Noup, 1);

  // Back to the town, then the shop's first tab and its first kind.
  ASSERT_TRUE(game->form3->isVisible());
  EXPECT_EQ(NameOf(Focus(game->form3)), "Image10");
  PressKey(game->form3, Qt::Key_Down);
  PressKey(game->form3, Qt::Key_Return);
  Tick(90);
  ASSERT_EQ(s.Place, 5);
  ASSERT_TRUE(TabTo(game->form3, "ShopButton"));
  PressKey(game->form3, Qt::Key_Return);
  ASSERT_TRUE(game->form2->isVisible());
  EXPECT_EQ(NameOf(Focus(game->form2)), "ShlemTab");
  ASSERT_TRUE(TabTo(game->form2, "ShlemButton"));
  const std::string helmet = game->form2->Tab(ShopCategory::Shlem).ChosenName;
  PressKey(game->form2, Qt::Key_Space);
  EXPECT_EQ(game->form5->SubjectListBox->Lines(), std::vector<std::string>{helmet});
  PressKey(game->form2, Qt::Key_Escape);

  // Wear it.
  ASSERT_TRUE(TabTo(game->form3, "StockButton"));
  PressKey(game->form3, Qt::Key_Space);
  ASSERT_TRUE(game->form5->isVisible());
  ASSERT_TRUE(TabTo(game->form5, "DressButton"));
  PressKey(game->form5, Qt::Key_Return);
  EXPECT_EQ(s.ShlemHint, helmet);
  PressKey(game->form5, Qt::Key_Escape);

  // A stat point on the character screen.
  s.PointPar = 1;
  const int power = s.AttPower;
  ASSERT_TRUE(TabTo(game->form3, "PersButton"));
  PressKey(game->form3, Qt::Key_Return);
  ASSERT_TRUE(game->form7->isVisible());
  game->RefreshLabels();
  ASSERT_TRUE(TabTo(game->form7, "PowerButton"));
  PressKey(game->form7, Qt::Key_Space);
  EXPECT_EQ(s.AttPower, power + 1);
  EXPECT_EQ(s.PointPar, 0);
}

TEST_F(Keyboard, TheArrowsMoveOverTheMapAndStopAtItsEdges) {
  LogIn();
  TForm3& map = *game->form3;
  const auto press = [&](int key) {
    PressKey(&map, key);
    return NameOf(Focus(&map));
  };
  EXPECT_EQ(press(Qt::Key_Right), "Image5");  // the bottom-right corner
  EXPECT_EQ(press(Qt::Key_Down), "Image5");
  EXPECT_EQ(press(Qt::Key_Left), "Image4");
  for (int i = 0; i < 4; ++i) press(Qt::Key_Up);
  EXPECT_EQ(NameOf(Focus(&map)), "Image19");  // the top row
  for (int i = 0; i < 5; ++i) press(Qt::Key_Left);
  EXPECT_EQ(NameOf(Focus(&map)), "Image16");
  // The map is one stop of the Tab order, where the arrows left it.
  EXPECT_EQ(press(Qt::Key_Tab), "PersButton");
  EXPECT_EQ(press(Qt::Key_Backtab), "Image16");
  // Enter on a place too far away answers as a click would.
  Events();
  press(Qt::Key_Return);
  EXPECT_EQ(Events(),
            (std::vector<std::string>{"message \"Так нельзя\" warning \"Слишком далеко.\""}));
  EXPECT_EQ(map.MoveCountdown, 0);
  // Arrival puts the map's stop where the player stands.
  press(Qt::Key_Down);
  EXPECT_EQ(NameOf(Focus(&map)), "Image11");
  map.ImageClick(10);
  Tick(90);
  // The moving map gave the focus on; the way back leads to the new place.
  EXPECT_EQ(NameOf(Focus(&map)), "PersButton");
  EXPECT_EQ(press(Qt::Key_Backtab), "Image10");
}

// A control disabled or hidden under the focus never hands it to a neighbour that
// gives up the fight or spends a point.
TEST_F(Keyboard, AControlLostUnderTheFocusLeavesItSomewhereHarmless) {
  game->form4->hide();
  TForm1& fight = *game->form1;
  fight.show();
  fight.ChangeButton->show();
  fight.ChangeButton->setEnabled(true);
  fight.ChangeButton->setFocus();
  fight.ChangeButton->setEnabled(false);
  EXPECT_EQ(NameOf(Focus(&fight)), "(none)");
  fight.hide();
  TForm7& character = *game->form7;
  game->state.PointPar = game->state.PointUm = 1;
  character.show();
  // Qt moves the focus off a hidden control only in the active window.
  QApplication::setActiveWindow(&character);
  ASSERT_TRUE(TabTo(&character, "PowerButton"));
  PressKey(&character, Qt::Key_Space, {}, " ");
  character.TimerTimer();  // the label refresh hides the "+" buttons
  EXPECT_EQ(NameOf(Focus(&character)), "AvatarListBox");
  EXPECT_EQ(game->state.PointUm, 1);
}

TEST_F(Keyboard, FightKeysTickTheBoxesAsClicksDo) {
  game->form3->AttackerKinds[1] = 1;
  game->form4->hide();
  game->form1->show();
  TForm1& fight = *game->form1;
  EXPECT_EQ(NameOf(Focus(&fight)), "CheckBox1");
  EXPECT_EQ(fight.CheckBoxes[5]->toolTip(), "Клавиша Q (Й)");
  // Both layouts' letters, either case; a second press unticks.
  TypeKey(&fight, QChar(0x0439));  // й
  EXPECT_TRUE(fight.CheckBoxes[5]->isChecked());
  TypeKey(&fight, 'Q');
  EXPECT_FALSE(fight.CheckBoxes[5]->isChecked());
  // Without a shield a second block greys out the other two, and their keys do nothing.
  TypeKey(&fight, 'e');
  TypeKey(&fight, 'r');
  TypeKey(&fight, 'w');
  EXPECT_FALSE(fight.CheckBoxes[6]->isChecked());
  EXPECT_EQ(game->state.AttOD, 60);
  // Held Ctrl takes nothing; the strikes cost as ticked by mouse.
  PressKey(&fight, Qt::Key_1, Qt::ControlModifier, "1");
  EXPECT_FALSE(fight.CheckBoxes[1]->isChecked());
  for (QChar key : {QChar('1'), QChar('2'), QChar('3')}) TypeKey(&fight, key);
  EXPECT_EQ(game->state.AttOD, 60 - 105);
  // The belt and the pocket are in the Tab order; Space there uses the item.
  game->state.SodPoyas1Hint = "Зелье ХП";
  ASSERT_TRUE([&] {
    for (int i = 0; i < 20; ++i) {
      if (Focus(&fight) == fight.AttSodPoyas1Image) return true;
      PressKey(&fight, Qt::Key_Tab);
    }
    return false;
  }());
  Events();
  PressKey(&fight, Qt::Key_Space);
  EXPECT_EQ(game->state.SodPoyas1Hint, "Пустой слот");
  EXPECT_EQ(Events(), (std::vector<std::string>{
                          "message \"Off-Line Morrowgate\" none \"Использовано зелье ХП.\""}));
}

TEST_F(Keyboard, CtrlTabStepsThroughTheShopsTabsRoundTheEnds) {
  TForm2& shop = *game->form2;
  game->form4->hide();
  shop.show();
  const int last = shop.PageControl->count() - 1;
  PressKey(&shop, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(shop.PageControl->currentIndex(), last);
  EXPECT_EQ(Focus(&shop), shop.PageControl->tab(last));
  PressKey(&shop, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(shop.PageControl->currentIndex(), 0);
  // From inside a sheet too; the focus goes to the new tab.
  PressKey(&shop, Qt::Key_Tab);
  EXPECT_EQ(Focus(&shop), shop.Tab(ShopCategory::Shlem).SubjectListBox);
  PressKey(&shop, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(shop.PageControl->currentIndex(), 1);
  EXPECT_EQ(NameOf(Focus(&shop)), "AmuletTab");
  // The arrows on a tab step as well; Tab goes on to the sheet's kinds.
  PressKey(&shop, Qt::Key_Right);
  EXPECT_EQ(shop.PageControl->currentIndex(), 2);
  PressKey(&shop, Qt::Key_Left);
  PressKey(&shop, Qt::Key_Left);
  EXPECT_EQ(shop.PageControl->currentIndex(), 0);
  PressKey(&shop, Qt::Key_Tab);
  EXPECT_EQ(Focus(&shop), shop.Tab(ShopCategory::Shlem).SubjectListBox);
}

// Tab goes once round every control that can take the focus, from the first, and
// Shift+Tab goes back the same way.
TEST_F(Keyboard, TabGoesRoundEveryControlOfEveryScreen) {
  game->state.PointPar = game->state.PointUm = 5;
  game->form5->SubjectListBox->AddLine("Шлем слепоты");
  game->form3->AttackerKinds[1] = 1;
  game->form3->AttackerKinds[2] = 1;
  const std::pair<Screen*, const char*> screens[] = {
      {game->form4, "Edit1"},      {game->form3, "Image5"},    {game->form2, "ShlemTab"},
      {game->form5, "ShlemImage"}, {game->form1, "CheckBox1"}, {game->form7, "ShlemImage"},
      {game->form6, "YesButton"},  {game->help, "HelpBrowser"}};
  for (const auto& [screen, first] : screens) {
    const std::string name = NameOf(screen);
    screen->show();
    game->RefreshLabels();
    EXPECT_EQ(NameOf(Focus(screen)), first) << name;
    std::vector<QWidget*> forward;
    std::set<QWidget*> seen;
    while (seen.insert(Focus(screen)).second) {
      forward.push_back(Focus(screen));
      PressKey(screen, Qt::Key_Tab);
    }
    EXPECT_EQ(Focus(screen), forward.front()) << name;
    std::size_t focusable = 0;
    for (QWidget* w : VisibleControls(screen))
      if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled()) ++focusable;
    // The map's places and the shop's tabs are one stop each.
    EXPECT_EQ(forward.size(), focusable) << name;
    for (auto it = forward.rbegin(); it != forward.rend(); ++it) {
      PressKey(screen, Qt::Key_Backtab);
      EXPECT_EQ(Focus(screen), *it) << name;
    }
    screen->hide();
  }
}

// What a screen reader reads: every control a player meets has a name, and no two
// of one screen the same.
TEST_F(Keyboard, EveryVisibleControlHasItsOwnAccessibleName) {
  ReadEveryScreensAccessibleNames();
  // A picture says what it is and what its hint holds, and follows the hint.
  const auto name = [](QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).toStdString();
  };
  EXPECT_EQ(name(game->form5->Figure.Slot("Shlem")), "Шлем: Шлем слепоты");
  EXPECT_EQ(name(game->form1->findChild<QWidget*>("DefShlemImage")), "Шлем соперника");
  EXPECT_EQ(name(game->form3->Images[5]), "Город (место 5): Ваше местоположение");
  EXPECT_EQ(name(game->form3->Images[1]), "Лес (место 1): Переместиться");
  EXPECT_EQ(name(game->form5->PowerButton), "+1 к силе");
  // The hint stays the description.
  EXPECT_EQ(QAccessible::queryAccessibleInterface(game->form3->ShopButton)
                ->text(QAccessible::Description)
                .toStdString(),
            "Пойти в магазин");
}

TEST_F(Keyboard, InEnglishEveryAccessibleNameIsEnglish) {
  game.reset();
  language = Language::English;
  Start();
  static const QRegularExpression kCyrillic("[\\x{0400}-\\x{04FF}]");
  for (const QString& name : ReadEveryScreensAccessibleNames())
    EXPECT_FALSE(name.contains(kCyrillic)) << name.toStdString();
  const auto name = [](QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).toStdString();
  };
  EXPECT_EQ(name(game->form5->Figure.Slot("Shlem")), "Helm: Helm of Blindness");
  EXPECT_EQ(name(game->form1->findChild<QWidget*>("DefShlemImage")), "Opponent's Helm");
  EXPECT_EQ(name(game->form3->Images[5]), "Town (place 5): You are here");
  EXPECT_EQ(name(game->form3->Images[7]), "Place 7: Travel here");
  EXPECT_EQ(name(game->form4->Edit1), "Nickname");
}
