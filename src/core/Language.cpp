#include "core/Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <stdexcept>

#include "core/Translate.h"

std::optional<Language> ParseLanguage(const std::string& word) {
  if (word == "ru") return Language::Russian;
  if (word == "en") return Language::English;
  return std::nullopt;
}

namespace {
bool Names(const QString& tag, const char* language) {
  const QString lower = tag.toLower();
  if (!lower.startsWith(QLatin1String(language))) return false;
  return lower.size() == 2 || lower[2] == '-' || lower[2] == '_';
}
}  // namespace

Language ChooseLanguage(const QStringList& uiLanguages) {
  for (const QString& tag : uiLanguages) {
    if (Names(tag, "ru")) return Language::Russian;
    if (Names(tag, "en")) return Language::English;
  }
  return Language::Russian;
}

Language SystemLanguage() { return ChooseLanguage(QLocale::system().uiLanguages()); }

GameTranslation::GameTranslation(Language language) : language_(language) {
  if (language == Language::Russian) return;
  translator_ = std::make_unique<QTranslator>();
  // The translation is built into the program, so it cannot go missing.
  if (!translator_->load(":/i18n/morrowgate_en.qm"))
    throw std::runtime_error("the English translation is missing from the program");
  QCoreApplication::installTranslator(translator_.get());
  mg::SetTranslation([](const char* context, const char* source, const char* disambiguation,
                        int n) -> std::optional<std::string> {
    return QCoreApplication::translate(context, source, disambiguation, n).toStdString();
  });
}

GameTranslation::~GameTranslation() {
  if (!translator_) return;
  mg::SetTranslation({});
  QCoreApplication::removeTranslator(translator_.get());
}
