#pragma once

#include <optional>
#include <string>

// Money and other floats: the shortest digits that read back to the same float,
// in plain decimal form with the given separator ("2000", "2087.5", "100000").
std::string FormatFloat(float value, char decimalPoint = '.');
// Accepts "," or "." as the separator, and the exponent form older saves hold
// ("1e+05"); none when the text is not a number.
std::optional<float> ParseFloat(const std::string& text);
// A whole decimal integer in 32 bits, optionally signed; none otherwise.
std::optional<int> ParseInt(const std::string& text);

// "Остался: 1 стат." / "Осталось: 3 стата." / "Осталось: 5 статов.": the counting
// rule of the inventory and the character screen. The forms are the word for one,
// for two to four and for many.
std::string CountWithWord(int n, const std::string& one, const std::string& few,
                          const std::string& many);
