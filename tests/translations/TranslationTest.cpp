// English beside Russian: the translation file is complete, the language is chosen
// as the player expects, and the rules' texts follow the chosen language while the
// names stay the items' and monsters' identities.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <set>

#include "character/SkillPoints.h"
#include "core/Language.h"
#include "core/Translate.h"
#include "fight/Loot.h"
#include "fight/Roster.h"
#include "inventory/StatPoints.h"
#include "items/ItemCatalogue.h"
#include "world/Encounters.h"
#include "world/WoodCutting.h"

namespace {

bool HasCyrillic(const std::string& text) {
  return QString::fromStdString(text).contains(QRegularExpression("[\\x{0400}-\\x{04FF}]"));
}

struct TsMessage {
  QString context, source, type;
  QStringList forms;  // the translation, or its plural forms
  bool numerus = false;
};

std::vector<TsMessage> ReadTs(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  std::vector<TsMessage> messages;
  QString context;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"name") context = xml.readElementText();
    if (xml.name() != u"message") continue;
    TsMessage message{context, {}, {}, {}, xml.attributes().value("numerus") == u"yes"};
    while (xml.readNextStartElement()) {
      if (xml.name() == u"source") {
        message.source = xml.readElementText();
      } else if (xml.name() == u"translation") {
        message.type = xml.attributes().value("type").toString();
        if (!message.numerus) {
          message.forms << xml.readElementText();
          continue;
        }
        while (xml.readNextStartElement()) message.forms << xml.readElementText();
      } else {
        xml.skipCurrentElement();
      }
    }
    messages.push_back(message);
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return messages;
}

QStringList Placeholders(const QString& text) {
  QStringList found;
  for (const auto& match : QRegularExpression("%[1-9n]").globalMatch(text))
    found << match.captured();
  // A source may name one argument twice where a translation names it once.
  found.removeDuplicates();
  found.sort();
  return found;
}

TEST(TranslationFile, EveryMessageIsFinishedInPlainEnglishWithItsPlaceholders) {
  const auto messages = ReadTs(MG_SOURCE_DIR "/../translations/morrowgate_en.ts");
  ASSERT_GT(messages.size(), 300u);
  for (const TsMessage& m : messages) {
    SCOPED_TRACE((m.context + " / " + m.source).toStdString());
    EXPECT_TRUE(m.type.isEmpty()) << "marked " << m.type.toStdString();
    ASSERT_EQ(m.forms.size(), m.numerus ? 2 : 1) << "English has two plural forms";
    for (const QString& form : m.forms) {
      EXPECT_FALSE(form.trimmed().isEmpty());
      EXPECT_FALSE(HasCyrillic(form.toStdString())) << form.toStdString();
      EXPECT_EQ(Placeholders(form), Placeholders(m.source)) << form.toStdString();
      // A fragment joined to others keeps its leading and trailing spaces.
      EXPECT_EQ(form.startsWith(' '), m.source.startsWith(' '));
      EXPECT_EQ(form.endsWith(' '), m.source.endsWith(' '));
    }
  }
}

TEST(LanguageChoice, TheOptionOrTheFirstOfRussianOrEnglishAmongTheSystemsLanguages) {
  EXPECT_EQ(ParseLanguage("ru"), Language::Russian);
  EXPECT_EQ(ParseLanguage("en"), Language::English);
  EXPECT_EQ(ParseLanguage("EN"), std::nullopt);
  EXPECT_EQ(ParseLanguage("de"), std::nullopt);
  using L = QStringList;
  EXPECT_EQ(ChooseLanguage(L{"en-GB", "ru-RU"}), Language::English);
  EXPECT_EQ(ChooseLanguage(L{"de-DE", "ru_RU", "en-US"}), Language::Russian);
  EXPECT_EQ(ChooseLanguage(L{"fr-FR", "EN"}), Language::English);
  // Other languages, the plain C locale and names that merely start alike give Russian.
  EXPECT_EQ(ChooseLanguage(L{"de-DE", "fr"}), Language::Russian);
  EXPECT_EQ(ChooseLanguage(L{"C"}), Language::Russian);
  EXPECT_EQ(ChooseLanguage(L{}), Language::Russian);
  EXPECT_EQ(ChooseLanguage(L{"enx", "rux"}), Language::Russian);
}

TEST(Fill, PutsArgumentsByNumberAndLeavesOtherPercentSignsAlone) {
  EXPECT_EQ(mg::Fill("%1 и %2.", {"Крыса", "Кабан"}), "Крыса и Кабан.");
  EXPECT_EQ(mg::Fill("%2 after %1", {"a", "b"}), "b after a");
  EXPECT_EQ(mg::Fill("КБ: 25% %1", {"x"}), "КБ: 25% x");
  EXPECT_EQ(mg::Fill("%3 %1%", {"a"}), "%3 a%");
  EXPECT_EQ(mg::Fill("%", {"a"}), "%");
}

// Everything the rules say about an item, a monster and a fight in one language.
std::vector<std::string> RulesTexts() {
  std::vector<std::string> texts;
  for (const ItemKind& kind : AllItemKinds()) {
    texts.push_back(DisplayName(kind.name));
    for (const std::string& line : DescribeItem(kind.name)) texts.push_back(line);
    texts.push_back(FoundItemMessage(kind.name));
  }
  for (int kind = 1; kind <= kMonsterKindCount; ++kind) {
    texts.push_back(mg::translate("Monster", RosterRow(kind).name));
    texts.push_back(mg::translate("Fight", RosterRow(kind).defeatMessage));
  }
  for (const AttackerSlots& kinds : {AttackerSlots{0, 1, 0, 0}, AttackerSlots{0, 6, 0, 0},
                                     AttackerSlots{0, 14, 0, 0}, AttackerSlots{0, 2, 3, 0}}) {
    texts.push_back(AttackMessageAt(2, kinds));
  }
  texts.push_back(AttackMessageAt(3, AttackerSlots{0, 4, 5, 21}));
  for (int n : {0, 1, 2, 5, 21, 81}) {
    texts.push_back(StatPointsLeftText(n));
    texts.push_back(SkillPointsLeftText(n));
    texts.push_back(FoundMoneyMessage(n));
  }
  texts.push_back(CutTimeText(42));
  texts.push_back(PeaceAwardText(7));
  return texts;
}

class English : public ::testing::Test {
 protected:
  std::optional<GameTranslation> english{std::in_place, Language::English};
};

TEST_F(English, NoRulesTextKeepsARussianLetter) {
  for (const std::string& text : RulesTexts()) EXPECT_FALSE(HasCyrillic(text)) << text;
}

TEST_F(English, EveryItemHasItsOwnName) {
  std::set<std::string> shown;
  for (const ItemKind& kind : AllItemKinds()) {
    EXPECT_TRUE(shown.insert(DisplayName(kind.name)).second) << kind.name;
  }
  EXPECT_EQ(DisplayName("Алмаз [3]"), "Diamond [3]");
  EXPECT_EQ(DisplayName(kEmptySlot), "Empty slot");
  // A name the catalogue does not know is shown as it is.
  EXPECT_EQ(DisplayName("Вещь"), "Вещь");
}

TEST_F(English, CountsTakeTheEnglishPluralAndAttacksTheirOneForm) {
  EXPECT_EQ(StatPointsLeftText(1), "1 stat point left.");
  EXPECT_EQ(StatPointsLeftText(21), "21 stat points left.");
  EXPECT_EQ(SkillPointsLeftText(0), "0 skill points left.");
  EXPECT_EQ(FoundMoneyMessage(1), "You found 1 rouble.");
  EXPECT_EQ(FoundMoneyMessage(42), "You found 42 roubles.");
  EXPECT_EQ(FoundItemMessage("Броня орка"), "Your loot: Orc Armour.");
}

// Alike attackers are counted in English and named one by one in Russian, as before.
TEST_F(English, AttackersAreCountedWithTheirArticles) {
  struct Case {
    int slot;
    AttackerSlots kinds;
    const char* english;
    const char* russian;
  };
  const Case cases[] = {
      {2, {0, 1, 0, 0}, "A rat attacks you.", "На Вас напала: Крыса."},
      {2, {0, 16, 0, 0}, "The Balance attacks you.", "На Вас напало: Равновесие."},
      {2, {0, 8, 0, 0}, "An orc attacks you.", "На Вас напал: Орк."},
      {2, {0, 1, 1, 0}, "Two rats attack you.", "На Вас напали: Крыса и Крыса."},
      {2, {0, 1, 2, 0}, "A rat and a boar attack you.", "На Вас напали: Крыса и Кабан."},
      {3, {0, 1, 1, 1}, "Three rats attack you.", "На Вас напали: Крыса, Крыса и Крыса."},
      {3, {0, 10, 10, 9}, "Two ogres and a troll attack you.", "На Вас напали: Огр, Огр и Тролль."},
      {3, {0, 10, 9, 10}, "Two ogres and a troll attack you.", "На Вас напали: Огр, Тролль и Огр."},
      {3,
       {0, 11, 21, 21},
       "A dragon and two Master's Friends attack you.",
       "На Вас напали: Дракон, Друг Мастера и Друг Мастера."},
      {3,
       {0, 1, 2, 3},
       "A rat, a boar and a spider attack you.",
       "На Вас напали: Крыса, Кабан и Паук."},
  };
  for (const Case& c : cases) EXPECT_EQ(AttackMessageAt(c.slot, c.kinds), c.english);
  english.reset();
  for (const Case& c : cases) EXPECT_EQ(AttackMessageAt(c.slot, c.kinds), c.russian);
  // The message's own list of names is the roster's.
  for (int kind = 1; kind < kMonsterKindCount; ++kind) {
    EXPECT_NE(AttackMessageAt(2, AttackerSlots{0, kind, 0, 0}).find(RosterRow(kind).name),
              std::string::npos)
        << kind;
  }
}

// Money is a float: only exactly one takes the singular, and the count a sum gives
// keeps the digits the Russian rule reads.
TEST_F(English, SumsOfMoneyTakeTheirPluralForm) {
  const auto shown = [](float sum, const char* digits) {
    return QCoreApplication::translate("Screen", "У вас: %1 руб.", nullptr, mg::PluralCountOf(sum))
        .arg(digits)
        .toStdString();
  };
  EXPECT_EQ(shown(1.0f, "1"), "You have 1 rouble");
  EXPECT_EQ(shown(2.0f, "2"), "You have 2 roubles");
  EXPECT_EQ(shown(0.5f, "0.5"), "You have 0.5 roubles");
  EXPECT_EQ(shown(1.5f, "1.5"), "You have 1.5 roubles");
  EXPECT_EQ(shown(0.0f, "0"), "You have 0 roubles");
  EXPECT_EQ(mg::PluralCountOf(21.0f), 21);
  EXPECT_EQ(mg::PluralCountOf(3e9f), 1000000);
  EXPECT_EQ(mg::PluralCountOf(1000001.0f), 1000001);
}

TEST_F(English, RussianComesBackUnchangedWhenTheTranslationGoes) {
  english.reset();
  const std::vector<std::string> russian = RulesTexts();
  english.emplace(Language::English);
  const std::vector<std::string> translated = RulesTexts();
  english.reset();
  EXPECT_EQ(RulesTexts(), russian);
  EXPECT_NE(translated, russian);
  EXPECT_EQ(AttackMessageAt(2, AttackerSlots{0, 14, 0, 0}), "На Вас напала: Ангел судьбы.");
  EXPECT_EQ(StatPointsLeftText(81), "Осталось: 81 статов.");
  EXPECT_EQ(DisplayName("Броня орка"), "Броня орка");
}

}  // namespace
