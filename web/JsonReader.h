#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the page's script hands the core as JSON: the answers of its dialogs.
namespace web {

class JsonValue {
  public:
    enum class Type { Null, Bool, Number, String, Array, Object };

    static JsonValue null() { return JsonValue(Type::Null); }
    static JsonValue boolean(bool value);
    static JsonValue number(double value);
    static JsonValue string(std::string value);
    static JsonValue array(std::vector<JsonValue> items);
    static JsonValue object(std::vector<std::string> keys, std::vector<JsonValue> values);

    Type type() const { return type_; }
    // The value when it is of that type, else nothing.
    std::optional<bool> asBool() const;
    std::optional<double> asNumber() const;
    std::optional<std::string> asString() const;
    // The items of an array; empty for anything else.
    const std::vector<JsonValue>& items() const { return items_; }
    // The member of an object under `key` (the last one, should there be two), or
    // null when there is none or this is no object.
    const JsonValue* member(std::string_view key) const;

  private:
    explicit JsonValue(Type type) : type_(type) {}

    Type type_;
    bool bool_ = false;
    double number_ = 0;
    std::string text_;
    std::vector<JsonValue> items_;   // an array's items, or an object's values
    std::vector<std::string> keys_;  // an object's keys, one for each value
};

// The value of a whole JSON text (RFC 8259), or nothing when it is not one; nesting
// deeper than 64 levels is refused rather than followed.
std::optional<JsonValue> parseJson(std::string_view text);

}  // namespace web
