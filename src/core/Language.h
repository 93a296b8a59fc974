#pragma once

#include <QStringList>
#include <memory>
#include <optional>
#include <string>

class QTranslator;

// Russian is the game as written; English is its one translation.
enum class Language { Russian, English };

// "--lang ru" / "--lang en"; nothing for any other word.
std::optional<Language> ParseLanguage(const std::string& word);
// The first of Russian or English among the system's user-interface languages in
// their order of preference ("en-GB", "ru_RU"); any other, and "C", give Russian.
Language ChooseLanguage(const QStringList& uiLanguages);
Language SystemLanguage();

// Installs the chosen language for Qt's tr() and the rules' texts while it lives.
// Russian installs nothing: every text stays its source.
class GameTranslation {
 public:
  explicit GameTranslation(Language language);
  ~GameTranslation();
  GameTranslation(const GameTranslation&) = delete;
  GameTranslation& operator=(const GameTranslation&) = delete;

  Language language() const { return language_; }

 private:
  Language language_;
  std::unique_ptr<QTranslator> translator_;
};
