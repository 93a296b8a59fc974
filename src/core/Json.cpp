#include "core/Json.h"

#include <cstdio>

#include "core/Format.h"

std::string JsonQuote(const std::string& text) {
  std::string out = "\"";
  for (char ch : text) {
    const auto b = static_cast<unsigned char>(ch);
    switch (ch) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (b < 0x20) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\u%04x", b);
          out += buffer;
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

std::string JsonValue(const ScriptValue& value) {
  struct Printer {
    std::string operator()(int v) const { return std::to_string(v); }
    std::string operator()(float v) const { return FormatFloat(v, '.'); }
    std::string operator()(bool v) const { return v ? "true" : "false"; }
    std::string operator()(const std::string& v) const { return JsonQuote(v); }
    std::string operator()(const std::vector<std::string>& v) const {
      std::string out = "[";
      for (std::size_t i = 0; i < v.size(); ++i) {
        if (i) out += ',';
        out += JsonQuote(v[i]);
      }
      return out + "]";
    }
  };
  return std::visit(Printer{}, value);
}

namespace {

void AppendUtf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::optional<std::string> ParseJsonString(const std::string& text) {
  if (text.size() < 2 || text.front() != '"' || text.back() != '"') return std::nullopt;
  std::string out;
  for (std::size_t i = 1; i + 1 < text.size(); ++i) {
    const char ch = text[i];
    if (ch == '"') return std::nullopt;
    if (ch != '\\') {
      out += ch;
      continue;
    }
    if (++i + 1 >= text.size()) return std::nullopt;
    switch (text[i]) {
      case '"':
        out += '"';
        break;
      case '\\':
        out += '\\';
        break;
      case '/':
        out += '/';
        break;
      case 'b':
        out += '\b';
        break;
      case 'f':
        out += '\f';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case 't':
        out += '\t';
        break;
      case 'u': {
        if (i + 4 > text.size() - 2) return std::nullopt;
        unsigned code = 0;
        for (int k = 1; k <= 4; ++k) {
          const char h = text[i + k];
          code <<= 4;
          if (h >= '0' && h <= '9')
            code |= h - '0';
          else if (h >= 'a' && h <= 'f')
            code |= h - 'a' + 10;
          else if (h >= 'A' && h <= 'F')
            code |= h - 'A' + 10;
          else
            return std::nullopt;
        }
        AppendUtf8(out, code);
        i += 4;
        break;
      }
      default:
        return std::nullopt;
    }
  }
  return out;
}

}  // namespace

std::optional<ScriptValue> ParseJsonScalar(const std::string& text) {
  if (text == "true") return ScriptValue(true);
  if (text == "false") return ScriptValue(false);
  if (!text.empty() && text.front() == '"') {
    if (auto s = ParseJsonString(text)) return ScriptValue(*s);
    return std::nullopt;
  }
  if (text.find_first_of(".eE") == std::string::npos) {
    if (auto i = ParseInt(text)) return ScriptValue(*i);
    return std::nullopt;
  }
  if (text.find(',') != std::string::npos) return std::nullopt;
  if (auto f = ParseFloat(text)) return ScriptValue(*f);
  return std::nullopt;
}
