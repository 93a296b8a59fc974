#include <QLabel>
#include <QPushButton>

#include "fight/FightFixture.h"
#include "widgets/PictureBox.h"

namespace {

class Potions : public FightFixture {
 protected:
  // Puts an item into a belt or pocket slot before the fight starts.
  void Carry(const char* slotName, const std::string& item) {
    const EquipSlotInfo& slot = *FindEquipSlot(slotName);
    game->state.*slot.picture = "image\\" + item + ".bmp";
    game->state.*slot.hint = item;
  }
  void BeginCarrying(std::initializer_list<std::pair<const char*, std::string>> items,
                     std::initializer_list<int> kinds = {12}) {
    Start();
    for (const auto& [slot, item] : items) Carry(slot, item);
    Attack(kinds);
  }
  std::string Warning(const std::string& text) const {
    return "message \"Ошибка\" warning \"" + text + "\"";
  }
  std::string LabelText(const char* name) {
    return Screen().findChild<QLabel*>(name)->text().toStdString();
  }
};

}  // namespace

TEST_F(Potions, PoisonIsRefusedTheSecondTimeAndStaysInTheBelt) {
  BeginCarrying({{"SodPoyas1", "Зелье яда"}, {"SodPoyas2", "Зелье яда"}});
  Screen().AttSodPoyas1Image->Click();
  EXPECT_EQ(Events(), (Lines{Info("Использовано зелье яда.")}));
  Screen().AttSodPoyas2Image->Click();
  EXPECT_EQ(Events(), (Lines{Warning("Вы уже один раз использовали зелье яда в этом бою.")}));
  EXPECT_EQ(State().SodPoyas2Hint, "Зелье яда");
  EXPECT_EQ(Screen().AttSodPoyas2Image->Picture(), "image\\Зелье яда.bmp");
  EXPECT_EQ(Fight().PoisonRefused, 0);
  EXPECT_EQ(Fight().PoisonActive, 1);
  EXPECT_EQ(State().SodPoyas1Hint, "Пустой слот");
}

TEST_F(Potions, PoisonCanBeUsedAgainInTheNextFight) {
  BeginCarrying({{"SodPoyas1", "Зелье яда"}, {"SodPoyas2", "Зелье яда"}});
  Screen().AttSodPoyas1Image->Click();
  Screen().BackButton->click();
  game->form1->show();
  Events();
  Screen().AttSodPoyas2Image->Click();
  EXPECT_EQ(Events(), (Lines{Info("Использовано зелье яда.")}));
}

TEST_F(Potions, CurseFallsOnlyOnTheCurrentOpponent) {
  BeginCarrying({{"SodKarman", "Свиток проклятия"}}, {12, 12});
  Screen().AttSodKarmanImage->Click();
  EXPECT_EQ(Fight().OpponentSlots[1].Ulov, 563);  // stored at once: 750 − 187
  EXPECT_EQ(Fight().OpponentSlots[1].Stoi, 563);
  EXPECT_EQ(Fight().OpponentSlots[2].Ulov, 750);
  EXPECT_EQ(LabelText("DefUlovLabel"), "Уловка: 563");
  Screen().ChangeButton->click();
  EXPECT_EQ(Fight().CurrentOpponent.Ulov, 750);
}

TEST_F(Potions, FemaleSpiteOnOneHitPointWaitsForTheNextMove) {
  BeginCarrying({{"SodKarman", "Свиток женской злости"}});
  Fight().CurrentOpponent.CurHP = 1;
  Screen().AttSodKarmanImage->Click();
  EXPECT_EQ(Fight().CurrentOpponent.CurHP, 0);
  EXPECT_EQ(Fight().OpponentSlots[1].CurHP, 0);
  EXPECT_EQ(State().DamageDealt, 1);
  EXPECT_FALSE(Screen().isHidden());
  EXPECT_EQ(State().Win, 0);
}

TEST_F(Potions, AnUnknownNameIsDroppedSilently) {
  BeginCarrying({{"SodPoyas1", "Свиток силы"}});
  Screen().AttSodPoyas1Image->Click();
  EXPECT_TRUE(Events().empty());
  EXPECT_EQ(State().AttPower, 26);
  EXPECT_EQ(State().SodPoyas1Hint, "Пустой слот");
  Screen().AttSodKarmanImage->Click();
  EXPECT_TRUE(Events().empty());
}

