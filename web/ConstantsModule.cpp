#include "web/ConstantsModule.h"

namespace web {

namespace {

// Ranges and the tables themselves cannot be changed by the page's code.
constexpr const char* kPreamble =
    "// The constants the page shares with the core, written from the core's headers\n"
    "// by web/PageConstants.cpp when the page is built. Not to be edited.\n"
    "\n"
    "/**\n"
    " * @template T\n"
    " * @param {T} value\n"
    " * @returns {T}\n"
    " */\n"
    "function frozen(value) {\n"
    "    for (const member of Object.values(/** @type {object} */ (value))) {\n"
    "        if (typeof member === 'object') frozen(member);\n"
    "    }\n"
    "    return Object.freeze(value);\n"
    "}\n";

}  // namespace

ConstantsModule::Table& ConstantsModule::Table::add(const char* name, ParamRange<uint32_t> range) {
    return put(name, JsonObject()
                         .add("min", static_cast<double>(range.min))
                         .add("max", static_cast<double>(range.max)));
}

ConstantsModule::Table& ConstantsModule::Table::add(const char* name, ParamRange<float> range) {
    return put(name, JsonObject()
                         .add("min", static_cast<double>(range.min))
                         .add("max", static_cast<double>(range.max)));
}

ConstantsModule::Table& ConstantsModule::table(const char* name) {
    tables_.emplace_back();
    tables_.back().name_ = name;
    return tables_.back();
}

std::string ConstantsModule::str() const {
    std::string module = kPreamble;
    for (const Table& table : tables_)
        module += "\nexport const " + table.name_ + " = frozen(" + table.json_.str() + ");\n";
    return module;
}

}  // namespace web
