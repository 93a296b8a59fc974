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
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(context, text) text
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
// while Russian is chosen, the source so filled. Without a count, a text told apart
// from another of the same source by its disambiguation.
std::string translate(const char* context, const char* source, const char* disambiguation,
                      int n = -1);

// The count whose plural form a sum of money takes: a whole sum is its own count
// (a huge one keeps its last two digits, which the plural rules read); a fraction
// takes the form for two, as "1.5 roubles" and "1,5 рубля" do.
int PluralCountOf(float amount);

// The text with its first letter made a capital (Latin letters only; a sentence
// that opens with a phrase in lower case).
std::string CapitalizeFirst(std::string text);

// Puts the arguments in for %1, %2, … (a translation may reorder them).
std::string Fill(std::string_view text, std::initializer_list<std::string_view> arguments);

}  // namespace mg
