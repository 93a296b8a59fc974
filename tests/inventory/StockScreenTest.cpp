#include <QLabel>
#include <QPushButton>

#include "inventory/StockUnit.h"
#include "script/Controls.h"
#include "support/TestGame.h"
#include "widgets/ListBox.h"
#include "widgets/PictureBox.h"

namespace {

class StockScreen : public TestGame {
 protected:
  void SetUp() override {
    Start();
    game->state.Nick = "Вася";
    form = game->form5;
  }
  std::string Caption(QLabel* label) { return label->text().toStdString(); }
  bool Visible(QWidget* control) { return controls::OwnVisible(control); }
  PictureBox* Picture(const char* slot) { return form->Figure.Slot(slot); }

  TForm5* form = nullptr;
};

TEST_F(StockScreen, LabelsShowANewCharacter) {
  form->TimerTimer();
  EXPECT_EQ(Caption(form->HPLabel), "Вася [1] | ХП: [50/50]");
  EXPECT_EQ(Caption(form->PowerLabel), "Сила: 26");
  EXPECT_EQ(Caption(form->HealthLabel), "Здоровье: 5");
  EXPECT_EQ(Caption(form->KickLabel), "Удар: 1");
  EXPECT_EQ(Caption(form->KBLabel), "Класс брони: 1");
  EXPECT_EQ(Caption(form->StoiLabel), "Стойкость: 1");
  EXPECT_FALSE(Visible(form->UluchLabel));
  EXPECT_FALSE(Visible(form->PowerButton));
  EXPECT_FALSE(Visible(form->HealthButton));
}

TEST_F(StockScreen, PointsShowTheButtonsAndTheRedCount) {
  game->state.PointPar = 22;
  form->TimerTimer();
  EXPECT_EQ(Caption(form->UluchLabel), "Осталось: 22 стата.");
  EXPECT_TRUE(Visible(form->UluchLabel));
  EXPECT_TRUE(Visible(form->DexterityButton));
  EXPECT_TRUE(Visible(form->GoodLuckButton));
}

TEST_F(StockScreen, SpendingTheLastPointHidesTheButtonsAtTheNextTick) {
  game->state.PointPar = 1;
  form->TimerTimer();
  EXPECT_EQ(Caption(form->UluchLabel), "Остался: 1 стат.");
  form->HealthButton->click();
  EXPECT_TRUE(Visible(form->HealthButton));
  form->TimerTimer();
  EXPECT_FALSE(Visible(form->HealthButton));
  EXPECT_FALSE(Visible(form->UluchLabel));
  EXPECT_EQ(Caption(form->HPLabel), "Вася [1] | ХП: [60/60]");
  EXPECT_EQ(Caption(form->HealthLabel), "Здоровье: 6");
}

TEST_F(StockScreen, ShowingPlaysTheEntrySoundAndDrawsTheFigure) {
  game->state.Money = 2087.5f;
  game->state.Avatar = "image\\7.bmp";
  game->state.ShlemHint = "Шлем лавы";
  game->state.Shlem = "image\\Шлем лавы.bmp";
  form->show();
  const auto events = Events();
  EXPECT_EQ(events, (std::vector<std::string>{"show TForm5", "sound sound\\ПИ вход.wav"}));
  // The offscreen platform uses the C locale's point.
  EXPECT_EQ(Caption(form->MoneyLabel), "У вас: 2087.5 руб.");
  EXPECT_EQ(form->Figure.avatar->Picture(), "image\\7.bmp");
  EXPECT_EQ(Picture("Shlem")->Picture(), "image\\Шлем лавы.bmp");
  EXPECT_EQ(Picture("Shlem")->toolTip().toStdString(), "Шлем лавы");
  EXPECT_EQ(Picture("Amulet")->Picture(), "image\\Амулет.bmp");
  EXPECT_EQ(Picture("Amulet")->toolTip().toStdString(), "Пустой слот");
  EXPECT_EQ(Picture("Karman")->Picture(), "image\\Карман.bmp");
  EXPECT_FALSE(Visible(Picture("Kolch")));
}

TEST_F(StockScreen, TheChainMailShowsOnlyWhileWorn) {
  game->state.Kolch = "image\\Кольчуга заката.bmp";
  game->state.KolchHint = "Кольчуга заката";
  ShowSlotPictures(game->state, form->Figure);
  ShowSlotHints(game->state, form->Figure);
  EXPECT_TRUE(Visible(Picture("Kolch")));
  EXPECT_EQ(Picture("Kolch")->Picture(), "image\\Кольчуга заката.bmp");
  EXPECT_EQ(Picture("Kolch")->toolTip().toStdString(), "Кольчуга заката");
  game->state.KolchHint = kEmptySlot;
  ShowSlotPictures(game->state, form->Figure);
  EXPECT_FALSE(Visible(Picture("Kolch")));
}

TEST_F(StockScreen, TheFigureKeepsItsFrames) {
  EXPECT_EQ(Picture("Shlem")->geometry(), QRect(8, 51, 62, 65));
  EXPECT_EQ(Picture("SodPoyas3")->geometry(), QRect(50, 276, 20, 20));
  EXPECT_EQ(Picture("SodKarman")->geometry(), QRect(212, 51, 41, 20));
  EXPECT_EQ(Picture("Kolch")->geometry(), QRect(191, 362, 62, 83));
  EXPECT_EQ(form->Figure.avatar->geometry(), QRect(73, 61, 116, 256));
  EXPECT_EQ(form->Figure.avatar->objectName(), "AvatarImage");
  EXPECT_EQ(form->size(), QSize(811, 481));
}

TEST_F(StockScreen, ShowingWithEmptyListsChoosesNothing) {
  form->show();
  EXPECT_EQ(form->SubjectListBox->currentRow(), -1);
  EXPECT_EQ(form->TransListBox->currentRow(), -1);
}

TEST_F(StockScreen, ShowingChoosesTheFirstBonusLine) {
  form->TransListBox->SetLines({"Алмаз [1]", "Рубин [1]"});
  form->show();
  EXPECT_EQ(form->TransListBox->currentRow(), 0);
}

TEST_F(StockScreen, BackReturnsToTheMenu) {
  form->show();
  Events();
  form->BackButton->click();
  EXPECT_EQ(Events(),
            (std::vector<std::string>{"hide TForm5", "sound sound\\ПИ выход.wav", "show TForm3"}));
}

TEST_F(StockScreen, TheCloseBoxAsksAndNoGoesBackToTheMenu) {
  form->show();
  Events();
  AnswerConfirmation(false);
  form->close();
  const auto events = Events();
  EXPECT_EQ(events.front().rfind("confirm ", 0), 0u);
  EXPECT_EQ(std::vector<std::string>(events.begin() + 1, events.end()),
            (std::vector<std::string>{"sound sound\\ПИ выход.wav", "show TForm3", "hide TForm5"}));
}

TEST_F(StockScreen, EscapePressesBack) {
  form->show();
  Events();
  EXPECT_TRUE(form->FormKeyPress(27));
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(Events().back(), "show TForm3");
}

}  // namespace
