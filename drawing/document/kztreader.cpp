#include "kztreader.h"

#include <charconv>

namespace document {

namespace {
bool isSpace(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
}  // namespace

void KztReader::skipWhiteSpace() {
    while (pos_ < bytes_.size() && isSpace(static_cast<unsigned char>(bytes_[pos_]))) ++pos_;
    last_ = pos_;
}

std::string_view KztReader::readWord() {
    skipWhiteSpace();
    const std::size_t start = pos_;
    while (pos_ < bytes_.size() && !isSpace(static_cast<unsigned char>(bytes_[pos_]))) ++pos_;
    return bytes_.substr(start, pos_ - start);
}

std::string_view KztReader::readLine() {
    last_ = pos_;
    const std::size_t start = pos_;
    std::size_t end = bytes_.find('\n', pos_);
    if (end == std::string_view::npos) end = bytes_.size();
    pos_ = end < bytes_.size() ? end + 1 : end;
    std::size_t len = end - start;
    if (len > 0 && end < bytes_.size() && bytes_[end - 1] == '\r') --len;
    return bytes_.substr(start, len);
}

bool KztReader::readInt64(std::int64_t& value) {
    skipWhiteSpace();
    const char* first = bytes_.data() + pos_;
    const char* last = bytes_.data() + bytes_.size();
    // from_chars takes no '+'.
    if (first != last && *first == '+' && first + 1 != last && *(first + 1) != '-') ++first;
    std::int64_t v = 0;
    auto [ptr, ec] = std::from_chars(first, last, v);
    if (ec != std::errc()) return false;
    value = v;
    pos_ = static_cast<std::size_t>(ptr - bytes_.data());
    return true;
}

bool KztReader::readInt(std::int32_t& value) {
    const std::size_t start = pos_;
    std::int64_t v = 0;
    if (!readInt64(v)) return false;
    if (v < INT32_MIN || v > INT32_MAX) {
        pos_ = last_ = start;
        return false;
    }
    value = static_cast<std::int32_t>(v);
    return true;
}

bool KztReader::readReal(double& value) {
    skipWhiteSpace();
    const char* first = bytes_.data() + pos_;
    const char* last = bytes_.data() + bytes_.size();
    if (first != last && *first == '+' && first + 1 != last && *(first + 1) != '-') ++first;
    double v = 0;
    auto [ptr, ec] = std::from_chars(first, last, v);
    if (ec == std::errc::invalid_argument) return false;
    // Out of range: the conversion still consumed the number; keep the old value.
    if (ec == std::errc()) value = v;
    pos_ = static_cast<std::size_t>(ptr - bytes_.data());
    return true;
}

}  // namespace document
