#include "core/Bindings.h"

void Bindings::Bind(const std::string& name, Getter get, Setter set) {
  entries_[name] = Entry{std::move(get), std::move(set)};
}

void Bindings::Bind(const std::string& name, int& member) {
  Bind(
      name, [&member] { return ScriptValue(member); },
      [&member](const ScriptValue& v) {
        if (const int* i = std::get_if<int>(&v)) {
          member = *i;
          return true;
        }
        return false;
      });
}

void Bindings::Bind(const std::string& name, float& member) {
  Bind(
      name, [&member] { return ScriptValue(member); },
      [&member](const ScriptValue& v) {
        if (const float* f = std::get_if<float>(&v)) {
          member = *f;
          return true;
        }
        if (const int* i = std::get_if<int>(&v)) {
          member = static_cast<float>(*i);
          return true;
        }
        return false;
      });
}

void Bindings::Bind(const std::string& name, bool& member) {
  Bind(
      name, [&member] { return ScriptValue(member); },
      [&member](const ScriptValue& v) {
        if (const bool* b = std::get_if<bool>(&v)) {
          member = *b;
          return true;
        }
        return false;
      });
}

void Bindings::Bind(const std::string& name, std::string& member) {
  Bind(
      name, [&member] { return ScriptValue(member); },
      [&member](const ScriptValue& v) {
        if (const std::string* s = std::get_if<std::string>(&v)) {
          member = *s;
          return true;
        }
        return false;
      });
}

std::optional<ScriptValue> Bindings::Get(const std::string& name) const {
  const auto it = entries_.find(name);
  if (it == entries_.end()) return std::nullopt;
  return it->second.get();
}

bool Bindings::Set(const std::string& name, const ScriptValue& value) const {
  const auto it = entries_.find(name);
  if (it == entries_.end() || !it->second.set) return false;
  return it->second.set(value);
}

void Bindings::ForEach(
    const std::function<void(const std::string&, const ScriptValue&)>& visit) const {
  for (const auto& [name, entry] : entries_) visit(name, entry.get());
}
