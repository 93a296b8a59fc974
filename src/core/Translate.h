#pragma once

// The texts the player reads are Russian in the rules. Qt's lupdate finds them
// where they are marked: calls of mg::translate and, in the data tables,
// QT_TRANSLATE_NOOP (a no-op here; the rules link no Qt). The display side
// installs a translation for a language other than Russian; without one every
// text is its Russian source, unchanged.

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace mg {

// Answers a text's translation (with %n filled in for a count), or nothing.
using Translation = std::function<std::optional<std::string>(
    const char* context, const char* source, const char* disambiguation, int n)>;

// Installs the language's translation; an empty one restores Russian.
void SetTranslation(Translation translation);
bool Translating();

// The text in the chosen language; the source when it has no translation.
std::string translate(const char* context, const char* source);
// A text with a count: the language's plural form with the count put in for %n;
// while Russian is chosen, the source so filled.
std::string translate(const char* context, const char* source, const char* disambiguation, int n);

// Puts the arguments in for %1, %2, … (a translation may reorder them).
std::string Fill(std::string_view text, std::initializer_list<std::string_view> arguments);

}  // namespace mg
