// The English table speaks of each of the game's things by one name: where a
// Russian text uses a term of the glossary, its English uses the glossary's
// English, and no English text uses a word that term replaced.

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace {

const QString kTranslations = MG_SOURCE_DIR "/../translations/";

// Lines of a table: tab-separated fields, comments and blank lines left out.
std::vector<QStringList> ReadTable(const QString& name) {
  QFile file(kTranslations + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << name.toStdString();
  std::vector<QStringList> rows;
  for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
    if (line.isEmpty() || line.startsWith('#')) continue;
    rows.push_back(line.split('\t'));
  }
  return rows;
}

// A term matched at the start of a word, in any case, Cyrillic words included.
QRegularExpression AtWordStart(const QString& pattern) {
  return QRegularExpression(
      "(?<!\\w)(?:" + pattern + ")",
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
}

struct Term {
  QRegularExpression russian, english, replaced;
  QString name;
};

std::vector<Term> Glossary() {
  std::vector<Term> terms;
  for (const QStringList& row : ReadTable("glossary.tsv")) {
    EXPECT_TRUE(row.size() == 2 || row.size() == 3) << row.join(" | ").toStdString();
    if (row.size() < 2) continue;
    Term term{AtWordStart(row[0]), AtWordStart(row[1]), QRegularExpression(),
              row[0] + " = " + row[1]};
    if (row.size() == 3) term.replaced = AtWordStart(row[2]);
    for (const auto* re : {&term.russian, &term.english, &term.replaced})
      EXPECT_TRUE(re->isValid()) << re->pattern().toStdString() << ": "
                                 << re->errorString().toStdString();
    terms.push_back(term);
  }
  return terms;
}

// The English of a plural text is its forms joined by " | ".
struct Entry {
  QString context, russian, english;
};

std::vector<Entry> Translations() {
  std::vector<Entry> entries;
  for (const QStringList& row : ReadTable("morrowgate_en.tsv")) {
    EXPECT_EQ(row.size(), 3) << row.join(" | ").toStdString();
    if (row.size() == 3) entries.push_back({row[0], row[1], row[2]});
  }
  return entries;
}

TEST(Glossary, EveryEnglishTextUsesTheTermItsRussianUses) {
  const std::vector<Term> terms = Glossary();
  const std::vector<Entry> entries = Translations();
  ASSERT_GT(terms.size(), 30u);
  ASSERT_GT(entries.size(), 500u);
  for (const Entry& entry : entries) {
    for (const Term& term : terms) {
      if (!entry.russian.contains(term.russian)) continue;
      EXPECT_TRUE(entry.english.contains(term.english))
          << term.name.toStdString() << "\n  " << entry.context.toStdString() << " / "
          << entry.russian.toStdString() << "\n  " << entry.english.toStdString();
    }
  }
}

TEST(Glossary, NoEnglishTextUsesAReplacedWord) {
  const std::vector<Term> terms = Glossary();
  for (const Entry& entry : Translations()) {
    for (const Term& term : terms) {
      if (term.replaced.pattern().isEmpty()) continue;
      const auto match = term.replaced.match(entry.english);
      EXPECT_FALSE(match.hasMatch())
          << term.name.toStdString() << ": \"" << match.captured().toStdString() << "\" in\n  "
          << entry.english.toStdString();
    }
  }
}

TEST(Glossary, TheEnglishWritesOneKindOfApostropheAndNoDoubledFullStop) {
  for (const Entry& entry : Translations()) {
    EXPECT_FALSE(entry.english.contains(QChar(0x2019))) << entry.english.toStdString();
    EXPECT_FALSE(entry.english.contains(QRegularExpression("\\.[”\"]?\\.")))
        << entry.english.toStdString();
  }
}

// The checks themselves: a term found in an inflected Russian word asks for the
// English one, and a word that merely contains the term asks for nothing.
TEST(Glossary, TermsAreFoundAtTheStartOfAWordInAnyCase) {
  const QRegularExpression opponent = AtWordStart("соперник");
  EXPECT_TRUE(QString("Нанесённый соперником(ами) урон").contains(opponent));
  EXPECT_TRUE(QString("Соперник увернулся").contains(opponent));
  const QRegularExpression move = AtWordStart("ход(а|у|ом|ы|ов)?(?!\\w)");
  EXPECT_TRUE(QString("за ход").contains(move));
  EXPECT_FALSE(QString("Переход длится").contains(move));
  EXPECT_FALSE(QString("Походить").contains(move));
}

}  // namespace
