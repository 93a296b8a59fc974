#include "core/Translate.h"

#include <cmath>

namespace mg {
namespace {
Translation& Current() {
  static Translation translation;
  return translation;
}
}  // namespace

void SetTranslation(Translation translation) { Current() = std::move(translation); }

bool Translating() { return static_cast<bool>(Current()); }

std::string translate(const char* context, const char* source) {
  if (Translating()) {
    if (auto text = Current()(context, source, nullptr, -1)) return *text;
  }
  return source;
}

std::string translate(const char* context, const char* source, const char* disambiguation, int n) {
  if (Translating()) {
    if (auto text = Current()(context, source, disambiguation, n)) return *text;
  }
  std::string text = source;
  const std::size_t at = text.find("%n");
  if (at != std::string::npos) text.replace(at, 2, std::to_string(n));
  return text;
}

int PluralCountOf(float amount) {
  const float whole = std::trunc(amount);
  if (whole != amount) return 2;
  if (std::fabs(whole) < 1e6f) return static_cast<int>(whole);
  return 1000000 + static_cast<int>(std::fmod(std::fabs(whole), 100.0f));
}

std::string CapitalizeFirst(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
    text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text;
}

std::string Fill(std::string_view text, std::initializer_list<std::string_view> arguments) {
  std::string filled;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    const auto index = static_cast<std::size_t>(next - '1');
    if (text[i] == '%' && next >= '1' && next <= '9' && index < arguments.size()) {
      filled += arguments.begin()[index];
      ++i;
    } else {
      filled += text[i];
    }
  }
  return filled;
}

}  // namespace mg
