#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <cmath>
#include <sstream>

#include "character/PersUnit.h"
#include "core/Translate.h"
#include "fight/MGUnit.h"
#include "inventory/StockUnit.h"
#include "items/ItemCatalogue.h"
#include "script/Controls.h"
#include "script/ScriptRunner.h"
#include "shell/NickUnit.h"
#include "shell/Question.h"
#include "shop/BuyUnit.h"
#include "support/TestGame.h"
#include "widgets/ListBox.h"
#include "widgets/PageControl.h"
#include "world/StartUnit.h"

namespace {

// WCAG's contrast ratio of two colours, 1 (none) to 21 (black on white).
double Contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto channel = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString TextOf(const QWidget* widget) {
  if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  return {};
}

// How wide the control must be to show its text whole.
int WidthNeeded(const QWidget* widget) {
  if (qobject_cast<const QLabel*>(widget)) return widget->sizeHint().width();
  // A push button's text sits within two pixels of its frame on either side.
  const int text = widget->fontMetrics().horizontalAdvance(TextOf(widget));
  return qobject_cast<const QPushButton*>(widget) ? text + 4 : widget->sizeHint().width();
}

// A list box's lines as the script mode reads them.
std::vector<std::string> LinesOf(const QWidget* box) {
  return std::get<std::vector<std::string>>(*controls::Property(box, "Items"));
}

// The width a list box leaves a line: inside its frame, less the scroll bar
// once the lines overflow, less the text margins of an item.
int LineRoom(const QAbstractItemView* box, int lineCount) {
  const QStyle* style = box->style();
  const int inner = box->height() - 2 * box->frameWidth();
  int room = box->width() - 2 * box->frameWidth();
  if (lineCount > 0 && lineCount * box->sizeHintForRow(0) > inner)
    room -= style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, box);
  return room - 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, box) + 1);
}

void ExpectLinesFit(const QAbstractItemView* box) {
  const std::vector<std::string> lines = LinesOf(box);
  const int room = LineRoom(box, static_cast<int>(lines.size()));
  for (const std::string& line : lines) {
    EXPECT_LE(box->fontMetrics().horizontalAdvance(QString::fromStdString(line)), room)
        << box->objectName().toStdString() << " \"" << line << "\"";
  }
}

// Every kind of line a fight log holds, in the language chosen, with five-digit damage.
std::vector<std::string> LongestFightLines() {
  const auto fight = [](const char* text) { return mg::translate("Fight", text); };
  std::vector<std::string> lines;
  for (const char* zone : {"в голову", "в торс", "в живот", "в ноги"}) {
    for (const char* line :
         {"Соперник поразил на -%1 (%2).", "Соперник поразил критом на -%1 (%2).",
          "Соперник пробил блок на -%1 (%2).", "Соперник пробил блок критом на -%1 (%2).",
          "Вы поразили на -%1 (%2).", "Вы поразили критом на -%1 (%2).",
          "Вы пробили блок на -%1 (%2).", "Вы пробили блок критом на -%1 (%2)."})
      lines.push_back(mg::Fill(fight(line), {"99999", fight(zone)}));
    for (const char* line :
         {"Вы увернулись от удара (%1).", "Вы заблокировали удар (%1).",
          "Соперник увернулся от удара (%1).", "Соперник заблокировал удар (%1)."})
      lines.push_back(mg::Fill(fight(line), {fight(zone)}));
  }
  lines.push_back(mg::Fill(fight("Ураган поразил соперника на -%1."), {"99999"}));
  return lines;
}

}  // namespace

// Every screen in a state with long values: the texts must fit their fixed
// frames (the frames scale with the screen, so this holds at 200 % too) and
// every letter must exist in the font.
class GameLook : public TestGame, public ::testing::WithParamInterface<Language> {
 protected:
  // A level-30 character with ten million roubles, five-digit hit points and
  // a nick of the widest letters.
  void SetUp() override {
    language = GetParam();
    Start();
    GameState& s = game->state;
    s.Nick = "ЩЩЩЩЩЩЩЩЩЩ";
    s.AttLevel = 30;
    s.Money = 10000000;
    for (const auto& member : kBaseStatMembers) s.*member.current = 9999;
    s.AttHP = s.MoveAttHP = 99999;
    s.Point = s.PointPeace = 123897570;
    s.PointLev = 123897570;
    s.Win = s.Lose = s.Noup = 99999;
    s.PointPar = s.PointUm = 999;
    s.Kolch = "image\\Кольчуга.bmp";  // the one picture shown only while worn
    s.KolchHint = "Кольчуга";
    game->form3->AttackerKinds[1] = 22;
    game->form3->AttackerKinds[2] = 21;
  }

  std::vector<Screen*> Screens() const {
    return {game->form1, game->form2, game->form3, game->form4,
            game->form5, game->form6, game->form7};
  }

  // Shown with its labels written, as the first refresh leaves it.
  void Show(Screen* screen) {
    screen->show();
    game->RefreshLabels();
  }

  void ExpectTextsFit(Screen* screen) {
    Show(screen);
    for (QWidget* control : screen->findChildren<QWidget*>()) {
      const QString text = TextOf(control);
      if (text.isEmpty()) continue;
      SCOPED_TRACE(control->objectName().toStdString() + " \"" + text.toStdString() + "\"");
      const auto* label = qobject_cast<QLabel*>(control);
      if (label && label->wordWrap()) {
        EXPECT_LE(label->heightForWidth(label->width()), label->height());
      } else {
        EXPECT_LE(WidthNeeded(control), control->width());
      }
      for (QChar letter : text) EXPECT_TRUE(control->fontMetrics().inFont(letter));
    }
    screen->hide();
  }
};

TEST_P(GameLook, EveryTextFitsItsFrameWithCyrillicLetters) {
  for (Screen* screen : Screens()) {
    SCOPED_TRACE(screen->objectName().toStdString());
    ExpectTextsFit(screen);
  }
}

TEST_P(GameLook, TheMoneyLabelsFitAFractionalSum) {
  game->state.Money = 1234567.5;
  for (Screen* screen : {static_cast<Screen*>(game->form2), static_cast<Screen*>(game->form5),
                         static_cast<Screen*>(game->form7)}) {
    SCOPED_TRACE(screen->objectName().toStdString());
    ExpectTextsFit(screen);
  }
}

// Every line a list box can show: all the names of the shop and of a full
// backpack, every description, the gems among the bonuses, the fight logs.
TEST_P(GameLook, EveryListLineFitsItsBox) {
  std::vector<std::string> names;
  std::vector<std::string> gems;
  for (const ItemKind& kind : AllItemKinds()) {
    names.push_back(kind.name);
    if (kind.itemClass == ItemClass::Gem) gems.push_back(kind.name);
  }
  ASSERT_EQ(names.size(), 221u);
  game->form5->SubjectListBox->SetLines(names);
  game->form5->TransListBox->SetLines(gems);
  game->form1->ListBox1->SetLines(LongestFightLines());
  game->form1->ListBox2->SetLines(LongestFightLines());
  for (Screen* screen : Screens()) {
    screen->show();
    for (const QAbstractItemView* box : screen->findChildren<QAbstractItemView*>()) {
      if (!box->objectName().isEmpty()) ExpectLinesFit(box);
    }
    screen->hide();
  }

  // Each description, chosen as a player chooses it.
  const auto chooseEach = [this](Screen* screen, const std::string& list, std::size_t count,
                                 const QAbstractItemView* description) {
    screen->show();
    ScriptRunner runner(*game, root);
    for (std::size_t row = 0; row < count; ++row) {
      std::istringstream command("select " + list + " " + std::to_string(row) + "\n");
      std::ostringstream errors;
      ASSERT_EQ(runner.Run(command, errors), 0) << errors.str();
      ExpectLinesFit(description);
    }
    screen->hide();
  };
  chooseEach(game->form5, "TForm5.SubjectListBox", names.size(), game->form5->ParamListBox);
  for (int i = 0; i < kShopCategoryCount; ++i) {
    const auto category = static_cast<ShopCategory>(i);
    const std::string key = ShopCategoryKey(category);
    chooseEach(game->form2, "TForm2." + key + "SubjectListBox", ShopKinds(category).size(),
               game->form2->findChild<QAbstractItemView*>(QString::fromStdString(key + "ListBox")));
  }
  Events();
}

TEST_P(GameLook, NoTwoControlsOverlap) {
  for (Screen* screen : Screens()) {
    Show(screen);
    const auto controls = screen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < controls.size(); ++i) {
      for (qsizetype j = i + 1; j < controls.size(); ++j) {
        if (!controls[i]->isVisible() || !controls[j]->isVisible()) continue;
        EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
            << screen->objectName().toStdString() << ": " << controls[i]->objectName().toStdString()
            << " and " << controls[j]->objectName().toStdString();
      }
    }
    screen->hide();
  }
}

// Every named control stays inside its parent's frame: a list or a picture
// cut off by the window's edge or by the shop's rows of tabs would show it.
TEST_P(GameLook, EveryControlLiesWithinItsParent) {
  const auto expectWithin = [](const Screen* screen) {
    for (const QWidget* control : screen->findChildren<QWidget*>()) {
      if (!control->isVisible() || control->objectName().startsWith("qt_")) continue;
      if (control->objectName().isEmpty()) continue;
      EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry()))
          << screen->objectName().toStdString() << ": " << control->objectName().toStdString();
    }
  };
  for (Screen* screen : Screens()) {
    Show(screen);
    expectWithin(screen);
    screen->hide();
  }
  game->form2->show();
  for (int page = 0; page < game->form2->PageControl->count(); ++page) {
    game->form2->PageControl->setCurrentIndex(page);
    expectWithin(game->form2);
  }
}

// The pictures are drawn for the inventory's frames; the fight's smaller
// figures must not distort them.
TEST_P(GameLook, FightFiguresKeepTheInventorysProportions) {
  std::vector<QString> names = {"Avatar"};
  for (const auto& slot : kEquipSlots) names.push_back(slot.name);
  for (const QString& name : names) {
    const QSize inventory = game->form5->findChild<QWidget*>(name + "Image")->size();
    for (const QString side : {"Att", "Def"}) {
      const auto* picture = game->form1->findChild<QWidget*>(side + name + "Image");
      if (!picture) continue;  // the opponent has no chain mail
      const QSize fight = picture->size();
      SCOPED_TRACE((side + name).toStdString());
      EXPECT_LT(fight.width(), inventory.width());
      // Equal proportions, give or take a pixel of rounding either way.
      EXPECT_LE(std::abs(fight.width() * inventory.height() - inventory.width() * fight.height()),
                inventory.width() + inventory.height());
    }
  }
}

TEST_P(GameLook, AllScreensShareOneReadablePaletteAndTheIcon) {
  const QPalette palette = QApplication::palette();
  ASSERT_FALSE(QApplication::windowIcon().isNull());
  for (Screen* screen : Screens()) {
    EXPECT_EQ(screen->palette(), palette);
    EXPECT_EQ(screen->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
  }
  const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
      {QPalette::WindowText, QPalette::Window},
      {QPalette::Text, QPalette::Base},
      {QPalette::ButtonText, QPalette::Button},
      {QPalette::HighlightedText, QPalette::Highlight},
      {QPalette::ToolTipText, QPalette::ToolTipBase},
  };
  for (const auto& [text, ground] : pairs) {
    EXPECT_GE(Contrast(palette.color(text), palette.color(ground)), 7.0) << text;
  }
  // Disabled controls still read, yet look disabled.
  const double disabled = Contrast(palette.color(QPalette::Disabled, QPalette::ButtonText),
                                   palette.color(QPalette::Button));
  EXPECT_GE(disabled, 1.5);
  EXPECT_LT(disabled,
            Contrast(palette.color(QPalette::ButtonText), palette.color(QPalette::Button)));
}

// Both languages: the English texts keep to the frames the Russian ones were laid out for.
INSTANTIATE_TEST_SUITE_P(Languages, GameLook,
                         ::testing::Values(Language::Russian, Language::English),
                         [](const auto& info) {
                           return info.param == Language::Russian ? "Russian" : "English";
                         });
