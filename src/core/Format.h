#pragma once

#include <optional>
#include <string>

// Money and other floats: the shortest form that reads back to the same float,
// with the given decimal separator ("2000", "2087.5").
std::string FormatFloat(float value, char decimalPoint = '.');
// Accepts "," or "." as the separator; none when the text is not a number.
std::optional<float> ParseFloat(const std::string& text);
// A whole decimal integer in 32 bits, optionally signed; none otherwise.
std::optional<int> ParseInt(const std::string& text);

// "Остался: 1 стат." / "Осталось: 3 стата." / "Осталось: 5 статов.": the counting
// rule of the inventory and the character screen. The forms are the word for one,
// for two to four and for many.
std::string CountWithWord(int n, const std::string& one, const std::string& few,
                          const std::string& many);
