#include "web/PageJson.h"

#include <cstdio>

namespace web {
namespace {

// UTF-8 passes through; quotes, backslashes and control characters are escaped.
std::string jsonString(const std::string& text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

}  // namespace

JsonArray& JsonArray::addRaw(const std::string& json) {
    if (!items_.empty()) items_ += ',';
    items_ += json;
    return *this;
}

JsonArray& JsonArray::add(bool value) {
    return addRaw(value ? "true" : "false");
}

JsonArray& JsonArray::add(const std::string& value) {
    return addRaw(jsonString(value));
}

JsonArray& JsonArray::add(const JsonObject& value) {
    return addRaw(value.str());
}

JsonObject& JsonObject::addRaw(const char* key, const std::string& json) {
    if (!members_.empty()) members_ += ',';
    members_ += jsonString(key) + ':' + json;
    return *this;
}

JsonObject& JsonObject::add(const char* key, const std::string& value) {
    return addRaw(key, jsonString(value));
}

JsonObject& JsonObject::add(const char* key, bool value) {
    return addRaw(key, value ? "true" : "false");
}

// Enough digits to read back the very value; the page shows it as the desktop does.
JsonObject& JsonObject::add(const char* key, double value) {
    char number[32];
    std::snprintf(number, sizeof number, "%.17g", value);
    return addRaw(key, number);
}

JsonObject& JsonObject::add(const char* key, const JsonArray& value) {
    return addRaw(key, value.str());
}

JsonObject& JsonObject::add(const char* key, const JsonObject& value) {
    return addRaw(key, value.str());
}

}  // namespace web
