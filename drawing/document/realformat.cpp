#include "realformat.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace document {

namespace {

// Positional form of a value whose "%#g" form has an exponent: the six significant digits
// of "%.5e", moved by the exponent.
void appendPositional(std::string& out, double value) {
    char sci[64];
    std::snprintf(sci, sizeof sci, "%.5e", value);
    const char* p = sci;
    if (*p == '-') out += *p++;
    char digits[6];
    int n = 0;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits[n++] = *p;
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out.append(digits, n);
    } else {
        // exponent >= 6: every digit stands before the point.
        out.append(digits, n);
        out.append(static_cast<std::size_t>(exponent - (n - 1)), '0');
        out += ".0";
    }
}

}  // namespace

void AppendReal(std::string& out, double value, RealNotation notation) {
    if (!std::isfinite(value)) value = 0.0;
    char buf[400];
    if (notation == RealNotation::Fixed) {
        const int len = std::snprintf(buf, sizeof buf, "%f", value);
        out.append(buf, static_cast<std::size_t>(len));
        return;
    }
    const int len = std::snprintf(buf, sizeof buf, "%#g", value);
    if (std::memchr(buf, 'e', static_cast<std::size_t>(len)) == nullptr) {
        out.append(buf, static_cast<std::size_t>(len));
        return;
    }
    appendPositional(out, value);
}

void AppendInt(std::string& out, std::int64_t value) {
    char buf[24];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, ptr);
}

}  // namespace document
