#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

// The script mode's values: JSON strings, integers, numbers, booleans and arrays of strings.
using ScriptValue = std::variant<int, float, bool, std::string, std::vector<std::string>>;

std::string JsonQuote(const std::string& text);
std::string JsonValue(const ScriptValue& value);
// Parses one JSON scalar (string, number, true/false); none when malformed.
std::optional<ScriptValue> ParseJsonScalar(const std::string& text);
