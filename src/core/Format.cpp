#include "core/Format.h"

#include <charconv>
#include <cmath>

std::string FormatFloat(float value, char decimalPoint) {
  // Plain digits, never an exponent: the shortest digits that read back to the
  // same float, written out in full ("100000", not "1e+05"). The largest float
  // has 39 whole digits, the smallest 45 places: both fit the buffer.
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  std::string text(buffer, result.ptr);
  for (char& ch : text) {
    if (ch == '.') ch = decimalPoint;
  }
  return text;
}

std::optional<float> ParseFloat(const std::string& text) {
  std::string plain = text;
  for (char& ch : plain) {
    if (ch == ',') ch = '.';
  }
  if (plain.empty()) return std::nullopt;
  float value = 0;
  const char* begin = plain.data();
  const char* end = plain.data() + plain.size();
  if (*begin == '+') ++begin;
  const auto result = std::from_chars(begin, end, value);
  if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<int> ParseInt(const std::string& text) {
  if (text.empty()) return std::nullopt;
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  if (*begin == '+') ++begin;
  int value = 0;
  const auto result = std::from_chars(begin, end, value);
  if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
  return value;
}

std::string CountWithWord(int n, const std::string& one, const std::string& few,
                          const std::string& many) {
  // The game lists the forms only up to 71 and 74; from 75 on every count takes
  // the many-form (81 "статов").
  const bool inList = n >= 1 && n <= 74 && n / 10 != 1;
  if (inList && n % 10 == 1) return "Остался: " + std::to_string(n) + " " + one;
  if (inList && n % 10 >= 2 && n % 10 <= 4) return "Осталось: " + std::to_string(n) + " " + few;
  return "Осталось: " + std::to_string(n) + " " + many;
}
