#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "core/Json.h"

// The named members the script mode reads and writes ("GameState.Money",
// "TForm3.MoveTarget", "TForm1.OpponentSlots[2].CurHP"). Each screen binds its own
// members once, at construction; the members must outlive the bindings.
class Bindings {
 public:
  using Getter = std::function<ScriptValue()>;
  // Returns false when the value has the wrong type.
  using Setter = std::function<bool(const ScriptValue&)>;

  void Bind(const std::string& name, int& member);
  void Bind(const std::string& name, float& member);
  void Bind(const std::string& name, bool& member);
  void Bind(const std::string& name, std::string& member);
  void Bind(const std::string& name, Getter get, Setter set);

  bool Has(const std::string& name) const { return entries_.count(name) != 0; }
  std::optional<ScriptValue> Get(const std::string& name) const;
  // False when the name is unknown or the value does not fit the member.
  bool Set(const std::string& name, const ScriptValue& value) const;
  // Every name with its value, in the order of the names.
  void ForEach(const std::function<void(const std::string&, const ScriptValue&)>& visit) const;

 private:
  struct Entry {
    Getter get;
    Setter set;
  };
  std::map<std::string, Entry> entries_;
};
