#pragma once
// A JSON document as a small tree that keeps each number as its text, so coordinates are
// judged on their exact decimal value. Built from the parser's events with bounds on size
// and nesting.
#include <string>
#include <utility>
#include <vector>

struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    std::string text; // a string's value, a number's text, "true" or "false"
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    // The member's value, or nullptr (also when this is no object).
    const JsonValue* member(const char* key) const;
    bool isString(const char* value) const { return kind == Kind::String && text == value; }
};

enum class JsonResult { Ok, Malformed, TooLarge };

// Parses `bytes` (UTF-8, a BOM allowed); `errorOffset` tells where it went wrong.
JsonResult parseJson(const char* bytes, size_t size, JsonValue& root, size_t& errorOffset);
