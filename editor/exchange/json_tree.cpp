#include "json_tree.h"

#include "exchange_limits.h"

#include <nlohmann/json.hpp>

#include <cstring>

const JsonValue* JsonValue::member(const char* key) const {
    if (kind != Kind::Object) return nullptr;
    for (const auto& m : members) {
        if (m.first == key) return &m.second;
    }
    return nullptr;
}

namespace {

// Builds the tree from the parser's events; stops the parse (returns false) beyond the
// limits.
class TreeBuilder : public nlohmann::json_sax<nlohmann::json> {
  public:
    explicit TreeBuilder(JsonValue& root) : root_(root) {}

    bool null() override { return put(JsonValue::Kind::Null, std::string()); }
    bool boolean(bool value) override { return put(JsonValue::Kind::Boolean, value ? "true" : "false"); }
    bool number_integer(number_integer_t value) override {
        return put(JsonValue::Kind::Number, std::to_string(value));
    }
    bool number_unsigned(number_unsigned_t value) override {
        return put(JsonValue::Kind::Number, std::to_string(value));
    }
    bool number_float(number_float_t, const string_t& text) override { return put(JsonValue::Kind::Number, text); }
    bool string(string_t& value) override { return put(JsonValue::Kind::String, value); }
    bool binary(binary_t&) override { return put(JsonValue::Kind::Null, std::string()); }
    bool start_object(std::size_t) override { return open(JsonValue::Kind::Object); }
    bool key(string_t& value) override {
        key_ = value;
        return true;
    }
    bool end_object() override { return close(); }
    bool start_array(std::size_t) override { return open(JsonValue::Kind::Array); }
    bool end_array() override { return close(); }
    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception&) override {
        errorOffset = position;
        return false;
    }

    bool tooLarge = false;
    size_t errorOffset = 0;

  private:
    // Adds a value where the parser stands and returns it.
    JsonValue* place(JsonValue::Kind kind, const std::string& text) {
        if (++items_ > kMaxJsonItems || stack_.size() >= kMaxJsonDepth) {
            tooLarge = true;
            return nullptr;
        }
        JsonValue value;
        value.kind = kind;
        value.text = text;
        if (stack_.empty()) {
            root_ = std::move(value);
            return &root_;
        }
        JsonValue& parent = *stack_.back();
        if (parent.kind == JsonValue::Kind::Array) {
            parent.items.push_back(std::move(value));
            return &parent.items.back();
        }
        parent.members.emplace_back(key_, std::move(value));
        return &parent.members.back().second;
    }
    bool put(JsonValue::Kind kind, const std::string& text) { return place(kind, text) != nullptr; }
    bool open(JsonValue::Kind kind) {
        JsonValue* value = place(kind, std::string());
        if (value) stack_.push_back(value);
        return value != nullptr;
    }
    bool close() {
        stack_.pop_back();
        return true;
    }

    JsonValue& root_;
    std::vector<JsonValue*> stack_;
    std::string key_;
    size_t items_ = 0;
};

} // namespace

JsonResult parseJson(const char* bytes, size_t size, JsonValue& root, size_t& errorOffset) {
    if (size >= 3 && std::memcmp(bytes, "\xEF\xBB\xBF", 3) == 0) {
        bytes += 3;
        size -= 3;
    }
    TreeBuilder builder(root);
    bool ok = nlohmann::json::sax_parse(bytes, bytes + size, &builder, nlohmann::json::input_format_t::json, true);
    errorOffset = builder.errorOffset;
    if (builder.tooLarge) return JsonResult::TooLarge;
    return ok ? JsonResult::Ok : JsonResult::Malformed;
}
