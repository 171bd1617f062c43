#include "web/JsonReader.h"

#include <cstdint>
#include <locale>
#include <sstream>
#include <utility>

namespace web {

JsonValue JsonValue::boolean(bool value) {
    JsonValue json(Type::Bool);
    json.bool_ = value;
    return json;
}

JsonValue JsonValue::number(double value) {
    JsonValue json(Type::Number);
    json.number_ = value;
    return json;
}

JsonValue JsonValue::string(std::string value) {
    JsonValue json(Type::String);
    json.text_ = std::move(value);
    return json;
}

JsonValue JsonValue::array(std::vector<JsonValue> items) {
    JsonValue json(Type::Array);
    json.items_ = std::move(items);
    return json;
}

JsonValue JsonValue::object(std::vector<std::string> keys, std::vector<JsonValue> values) {
    JsonValue json(Type::Object);
    json.keys_ = std::move(keys);
    json.items_ = std::move(values);
    return json;
}

std::optional<bool> JsonValue::asBool() const {
    if (type_ != Type::Bool) return std::nullopt;
    return bool_;
}

std::optional<double> JsonValue::asNumber() const {
    if (type_ != Type::Number) return std::nullopt;
    return number_;
}

std::optional<std::string> JsonValue::asString() const {
    if (type_ != Type::String) return std::nullopt;
    return text_;
}

const JsonValue* JsonValue::member(std::string_view key) const {
    for (size_t i = keys_.size(); i-- > 0;) {
        if (keys_[i] == key) return &items_[i];
    }
    return nullptr;
}

namespace {

constexpr int kMaxDepth = 64;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

void appendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<JsonValue> document() {
        std::optional<JsonValue> value = parseValue(0);
        skipSpace();
        if (at_ != text_.size()) return std::nullopt;
        return value;
    }

  private:
    std::optional<JsonValue> parseValue(int depth) {
        skipSpace();
        if (at_ >= text_.size() || depth >= kMaxDepth) return std::nullopt;
        switch (text_[at_]) {
            case '{':
                return parseObject(depth);
            case '[':
                return parseArray(depth);
            case '"': {
                std::optional<std::string> text = parseString();
                if (!text) return std::nullopt;
                return JsonValue::string(std::move(*text));
            }
            case 't':
                return word("true") ? std::optional(JsonValue::boolean(true)) : std::nullopt;
            case 'f':
                return word("false") ? std::optional(JsonValue::boolean(false)) : std::nullopt;
            case 'n':
                return word("null") ? std::optional(JsonValue::null()) : std::nullopt;
            default:
                return parseNumber();
        }
    }

    std::optional<JsonValue> parseObject(int depth) {
        ++at_;  // {
        std::vector<std::string> keys;
        std::vector<JsonValue> values;
        skipSpace();
        if (take('}')) return JsonValue::object(std::move(keys), std::move(values));
        do {
            skipSpace();
            std::optional<std::string> key = parseString();
            skipSpace();
            if (!key || !take(':')) return std::nullopt;
            std::optional<JsonValue> value = parseValue(depth + 1);
            if (!value) return std::nullopt;
            keys.push_back(std::move(*key));
            values.push_back(std::move(*value));
            skipSpace();
        } while (take(','));
        if (!take('}')) return std::nullopt;
        return JsonValue::object(std::move(keys), std::move(values));
    }

    std::optional<JsonValue> parseArray(int depth) {
        ++at_;  // [
        std::vector<JsonValue> items;
        skipSpace();
        if (take(']')) return JsonValue::array(std::move(items));
        do {
            std::optional<JsonValue> item = parseValue(depth + 1);
            if (!item) return std::nullopt;
            items.push_back(std::move(*item));
            skipSpace();
        } while (take(','));
        if (!take(']')) return std::nullopt;
        return JsonValue::array(std::move(items));
    }

    // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?, read as the nearest double.
    std::optional<JsonValue> parseNumber() {
        const size_t start = at_;
        take('-');
        if (!take('0') && !digits()) return std::nullopt;
        if (take('.') && !digits()) return std::nullopt;
        if (take('e') || take('E')) {
            if (!take('+')) take('-');
            if (!digits()) return std::nullopt;
        }
        // Whatever the C locale says about the decimal point; a number beyond a
        // double's range is refused.
        std::istringstream number{std::string(text_.substr(start, at_ - start))};
        number.imbue(std::locale::classic());
        double value = 0;
        if (!(number >> value)) return std::nullopt;
        return JsonValue::number(value);
    }

    std::optional<std::string> parseString() {
        if (!take('"')) return std::nullopt;
        std::string text;
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"') return text;
            if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
            if (c != '\\') {
                text += c;
                continue;
            }
            if (at_ >= text_.size() || !escape(text_[at_++], text)) return std::nullopt;
        }
        return std::nullopt;
    }

    bool escape(char c, std::string& text) {
        switch (c) {
            case '"':
            case '\\':
            case '/':
                text += c;
                return true;
            case 'b':
                text += '\b';
                return true;
            case 'f':
                text += '\f';
                return true;
            case 'n':
                text += '\n';
                return true;
            case 'r':
                text += '\r';
                return true;
            case 't':
                text += '\t';
                return true;
            case 'u':
                return codePoint(text);
            default:
                return false;
        }
    }

    // After "\u": four hex digits, a surrogate pair as one character; a lone
    // surrogate is refused, as it has no UTF-8.
    bool codePoint(std::string& text) {
        std::optional<uint32_t> code = hex4();
        if (!code || (*code >= 0xDC00 && *code < 0xE000)) return false;
        if (*code >= 0xD800 && *code < 0xDC00) {
            if (!take('\\') || !take('u')) return false;
            const std::optional<uint32_t> low = hex4();
            if (!low || *low < 0xDC00 || *low >= 0xE000) return false;
            code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
        }
        appendUtf8(text, *code);
        return true;
    }

    std::optional<uint32_t> hex4() {
        if (text_.size() - at_ < 4) return std::nullopt;
        uint32_t code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_++];
            uint32_t digit = 0;
            if (isDigit(c)) {
                digit = static_cast<uint32_t>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                digit = static_cast<uint32_t>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                digit = static_cast<uint32_t>(c - 'A' + 10);
            } else {
                return std::nullopt;
            }
            code = code * 16 + digit;
        }
        return code;
    }

    bool digits() {
        const size_t start = at_;
        while (at_ < text_.size() && isDigit(text_[at_])) ++at_;
        return at_ > start;
    }

    bool word(std::string_view expected) {
        if (text_.substr(at_, expected.size()) != expected) return false;
        at_ += expected.size();
        return true;
    }

    bool take(char c) {
        if (at_ >= text_.size() || text_[at_] != c) return false;
        ++at_;
        return true;
    }

    void skipSpace() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }

    std::string_view text_;
    size_t at_ = 0;
};

}  // namespace

std::optional<JsonValue> parseJson(std::string_view text) {
    return Parser(text).document();
}

}  // namespace web
