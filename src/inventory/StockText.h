#pragma once

#include <QString>
#include <string>

// Texts the inventory shows.
inline QString Text(const std::string& text) { return QString::fromStdString(text); }
// A sum of roubles in its shortest form with the system's decimal separator.
std::string Roubles(float sum);
