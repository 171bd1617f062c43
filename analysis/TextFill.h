#pragma once
#include <initializer_list>
#include <string>

namespace analysis {

// The pattern with each "%d" or "%s" replaced by the next value, in order.
inline std::string fillPattern(const char* pattern, std::initializer_list<std::string> values) {
    std::string result = pattern;
    size_t from = 0;
    for (const std::string& value : values) {
        const size_t at = result.find('%', from);
        if (at == std::string::npos) break;
        result.replace(at, 2, value);
        from = at + value.size();
    }
    return result;
}

}  // namespace analysis
