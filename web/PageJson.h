#pragma once
#include <string>

// The requests the page's dialogs get, written as JSON.
namespace web {

std::string jsonString(const std::string& text);

class JsonArray {
  public:
    JsonArray& add(bool value);
    std::string str() const { return "[" + items_ + "]"; }

  private:
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
    std::string str() const { return "{" + members_ + "}"; }

  private:
    JsonObject& addRaw(const char* key, const std::string& json);
    std::string members_;
};

}  // namespace web
