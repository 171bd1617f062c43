#pragma once
#include <deque>
#include <string>

#include "model/ElementParams.h"
#include "web/PageJson.h"

namespace web {

// A JavaScript module of constants: each table is an exported object, frozen, whose
// members are numbers, texts and ranges {min, max}.
class ConstantsModule {
  public:
    class Table {
      public:
        Table& add(const char* name, int value) { return put(name, value); }
        // A single-precision value exactly, as the core compares with it.
        Table& add(const char* name, float value) { return put(name, static_cast<double>(value)); }
        Table& add(const char* name, const char* text) { return put(name, text); }
        Table& add(const char* name, ParamRange<uint32_t> range);
        Table& add(const char* name, ParamRange<float> range);

      private:
        friend class ConstantsModule;
        template <typename T>
        Table& put(const char* name, const T& value) {
            json_.add(name, value);
            return *this;
        }

        std::string name_;
        JsonObject json_;
    };

    // A new table under that name, exported in the order made; its members are
    // added to what is returned.
    Table& table(const char* name);
    // The module's text.
    std::string str() const;

  private:
    std::deque<Table> tables_;  // a table stays where it is as more come
};

}  // namespace web
