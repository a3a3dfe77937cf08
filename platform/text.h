#pragma once
// Small text checks shared by the settings and registry files.
#include <string>
#include <string_view>
#include <vector>

#include "platform/cp1252.h"

namespace platform {

// `s` without blanks (space, tab, CR, vertical tab, form feed) at either end.
inline std::string_view trim(std::string_view s) {
    constexpr std::string_view blanks = " \t\r\v\f";
    const size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

// A CR or LF would split the line a name or value is written on.
inline bool hasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

// True when `names` holds `name` in any letter case (equalsNoCase).
inline bool containsNoCase(const std::vector<std::string>& names, std::string_view name) {
    for (const std::string& known : names) {
        if (equalsNoCase(known, name)) return true;
    }
    return false;
}

}  // namespace platform
