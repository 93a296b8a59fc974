#include "core/Cp1251.h"

#include <array>

namespace {

// Unicode code points of the bytes 0x80..0xFF; 0 marks the one unused byte (0x98).
constexpr char32_t kHighHalf[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// The other way round, for every code point up to the highest the table holds
// (0: not in the code page): a save of a long backpack looks up every letter.
constexpr auto kBytesOf = [] {
  std::array<unsigned char, 0x2123> bytes{};
  for (int i = 0; i < 128; ++i) {
    if (kHighHalf[i] != 0) bytes[kHighHalf[i]] = static_cast<unsigned char>(0x80 + i);
  }
  return bytes;
}();

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 sequence at pos; returns false on a malformed one.
bool NextCodePoint(std::string_view text, std::size_t& pos, char32_t& c) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const int extra = lead < 0x80    ? 0
                    : lead >= 0xF8 ? -1
                    : lead >= 0xF0 ? 3
                    : lead >= 0xE0 ? 2
                    : lead >= 0xC0 ? 1
                                   : -1;
  if (extra < 0 || pos + extra >= text.size()) return false;
  c = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) {
    const auto cont = static_cast<unsigned char>(text[pos + i]);
    if ((cont & 0xC0) != 0x80) return false;
    c = (c << 6) | (cont & 0x3F);
  }
  pos += extra + 1;
  return true;
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
  // The UTF-8 form of every high byte, worked out once: a login reads each letter
  // of a long backpack through here.
  static const std::array<std::string, 128> kHighUtf8 = [] {
    std::array<std::string, 128> forms;
    for (int i = 0; i < 128; ++i) AppendUtf8(forms[i], kHighHalf[i] == 0 ? U'?' : kHighHalf[i]);
    return forms;
  }();
  std::string out;
  out.reserve(bytes.size() * 2);
  std::size_t plain = 0;  // start of the run of ASCII not yet copied
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) continue;
    out.append(bytes.substr(plain, i - plain));
    out.append(kHighUtf8[b - 0x80]);
    plain = i + 1;
  }
  out.append(bytes.substr(plain));
  return out;
}

std::optional<std::string> Utf8ToCp1251(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    char32_t c = 0;
    if (!NextCodePoint(text, pos, c)) return std::nullopt;
    if (c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    const unsigned char byte = c < kBytesOf.size() ? kBytesOf[c] : 0;
    if (byte == 0) return std::nullopt;
    out += static_cast<char>(byte);
  }
  return out;
}

bool FitsCp1251(std::string_view text) { return Utf8ToCp1251(text).has_value(); }

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (char ch : text) {
    if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++count;
  }
  return count;
}
