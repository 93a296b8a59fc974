#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "character/PersUnit.h"
#include "fight/MGUnit.h"
#include "inventory/StockUnit.h"
#include "shell/NickUnit.h"
#include "shell/Question.h"
#include "shop/BuyUnit.h"
#include "support/TestGame.h"
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

}  // namespace

// Every screen in a state with long values: the texts must fit their fixed
// frames (the frames scale with the screen, so this holds at 200 % too) and
// every letter must exist in the font.
class GameLook : public TestGame {
 protected:
  void SetUp() override {
    Start();
    GameState& s = game->state;
    s.Nick = "Странник10";
    s.AttLevel = 22;
    s.Money = 1234567.5;
    for (const auto& member : kBaseStatMembers) s.*member.current = 9999;
    s.AttHP = s.MoveAttHP = 99999;
    s.Kolch = "image\\Кольчуга.bmp";  // the one picture shown only while worn
    s.KolchHint = "Кольчуга";
    game->form3->AttackerKinds[1] = 22;
    game->form3->AttackerKinds[2] = 21;
  }

  std::vector<Screen*> Screens() const {
    return {game->form1, game->form2, game->form3, game->form4,
            game->form5, game->form6, game->form7};
  }

  void ExpectTextsFit(Screen* screen) {
    screen->show();
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

TEST_F(GameLook, EveryTextFitsItsFrameWithCyrillicLetters) {
  for (Screen* screen : Screens()) {
    SCOPED_TRACE(screen->objectName().toStdString());
    ExpectTextsFit(screen);
  }
}

TEST_F(GameLook, NoTwoControlsOverlap) {
  for (Screen* screen : Screens()) {
    screen->show();
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
TEST_F(GameLook, EveryControlLiesWithinItsParent) {
  const auto expectWithin = [](const Screen* screen) {
    for (const QWidget* control : screen->findChildren<QWidget*>()) {
      if (!control->isVisible() || control->objectName().startsWith("qt_")) continue;
      if (control->objectName().isEmpty()) continue;
      EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry()))
          << screen->objectName().toStdString() << ": " << control->objectName().toStdString();
    }
  };
  for (Screen* screen : Screens()) {
    screen->show();
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
TEST_F(GameLook, FightFiguresKeepTheInventorysProportions) {
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

TEST_F(GameLook, AllScreensShareOneReadablePaletteAndTheIcon) {
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
