#pragma once
#include <string>

// What the core hands the page's script as JSON: dialog requests, the menus and
// the tables of its constants.
namespace web {

class JsonObject;

class JsonArray {
  public:
    JsonArray& add(bool value);
    JsonArray& add(const std::string& value);
    // Text, not the truth value a pointer would otherwise convert to.
    JsonArray& add(const char* value) { return add(std::string(value)); }
    JsonArray& add(const JsonObject& value);
    std::string str() const { return "[" + items_ + "]"; }

  private:
    JsonArray& addRaw(const std::string& json);
    std::string items_;
};

class JsonObject {
  public:
    JsonObject& add(const char* key, const std::string& value);
    JsonObject& add(const char* key, const char* value) { return add(key, std::string(value)); }
    JsonObject& add(const char* key, bool value);
    JsonObject& add(const char* key, double value);
    JsonObject& add(const char* key, int value) { return add(key, static_cast<double>(value)); }
    JsonObject& add(const char* key, const JsonArray& value);
    JsonObject& add(const char* key, const JsonObject& value);
    std::string str() const { return "{" + members_ + "}"; }

  private:
    JsonObject& addRaw(const char* key, const std::string& json);
    std::string members_;
};

}  // namespace web
