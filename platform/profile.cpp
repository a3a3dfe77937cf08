#include "platform/profile.h"

#include <climits>

#include "platform/cp1252.h"
#include "platform/fileio.h"
#include "platform/text.h"

namespace platform {

namespace {

std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    return trim(line.substr(0, line.find(']')));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() == '[' || line.front() == ';') return std::nullopt;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    const std::string_view key = trim(line.substr(0, eq));
    if (key.empty()) return std::nullopt;
    return KeyLine{key, trim(line.substr(eq + 1))};
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace

int parseProfileInt(std::string_view value) {
    value = trim(value);
    bool negative = false;
    if (!value.empty() && (value.front() == '-' || value.front() == '+')) {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    long long magnitude = 0;
    for (char c : value) {
        if (c < '0' || c > '9') break;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1)
            magnitude = static_cast<long long>(INT_MAX) + 1;
    }
    const long long result = negative ? -magnitude : magnitude;
    return static_cast<int>(result > INT_MAX ? INT_MAX : result);
}

Profile Profile::fromText(std::string_view bytes) {
    Profile profile;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        profile.lines_.emplace_back(line);
        pos = end + 1;
    }
    return profile;
}

std::string Profile::toText() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool Profile::load(const std::string& path, std::string* error) {
    lines_.clear();
    std::string reason;
    const auto bytes = readWholeFile(path, &reason);
    if (!bytes) {
        if (isMissing(path)) return true;
        if (error) *error = reason;
        return false;
    }
    *this = fromText(*bytes);
    return true;
}

bool Profile::save(const std::string& path, std::string* error) const {
    return writeFileAtomically(path, toText(), error);
}

std::optional<Profile::Range> Profile::findSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i]);
        if (!name || !equalsNoCase(*name, trim(section))) continue;
        size_t end = i + 1;
        while (end < lines_.size() && !sectionName(lines_[end])) ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> Profile::findKey(const Range& range, std::string_view key) const {
    for (size_t i = range.header + 1; i < range.end; ++i) {
        const auto line = keyLine(lines_[i]);
        if (line && equalsNoCase(line->key, trim(key))) return i;
    }
    return std::nullopt;
}

std::optional<std::string> Profile::readString(std::string_view section,
                                               std::string_view key) const {
    const auto range = findSection(section);
    if (!range) return std::nullopt;
    const auto index = findKey(*range, key);
    if (!index) return std::nullopt;
    return std::string(unquote(keyLine(lines_[*index])->value));
}

std::string Profile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    auto value = readString(section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

int Profile::readInt(std::string_view section, std::string_view key, int defaultValue) const {
    const auto value = readString(section, key);
    return value ? parseProfileInt(*value) : defaultValue;
}

bool Profile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    section = trim(section);
    key = trim(key);
    if (section.empty() || key.empty() || section.find(']') != std::string_view::npos ||
        key.find('=') != std::string_view::npos || key.front() == '[' || key.front() == ';' ||
        hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value)) {
        return false;
    }
    const auto range = findSection(section);
    if (!range) {
        if (!lines_.empty() && !trim(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::string(key) + "=" + std::string(value));
        return true;
    }
    if (const auto index = findKey(*range, key)) {
        const std::string spelling(keyLine(lines_[*index])->key);
        lines_[*index] = spelling + "=" + std::string(value);
        return true;
    }
    size_t insertAt = range->end;
    while (insertAt > range->header + 1 && trim(lines_[insertAt - 1]).empty()) --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  std::string(key) + "=" + std::string(value));
    return true;
}

bool Profile::writeInt(std::string_view section, std::string_view key, int value) {
    return writeString(section, key, std::to_string(value));
}

bool Profile::deleteKey(std::string_view section, std::string_view key) {
    const auto range = findSection(section);
    if (!range) return false;
    const auto index = findKey(*range, key);
    if (!index) return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
    return true;
}

bool Profile::deleteSection(std::string_view section) {
    const auto range = findSection(section);
    if (!range) return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(range->end));
    return true;
}

bool Profile::hasSection(std::string_view section) const {
    return findSection(section).has_value();
}

std::vector<std::string> Profile::sections() const {
    std::vector<std::string> names;
    for (const std::string& line : lines_) {
        const auto name = sectionName(line);
        if (!name) continue;
        if (!containsNoCase(names, *name)) names.emplace_back(*name);
    }
    return names;
}

std::vector<std::string> Profile::keys(std::string_view section) const {
    std::vector<std::string> names;
    const auto range = findSection(section);
    if (!range) return names;
    for (size_t i = range->header + 1; i < range->end; ++i) {
        const auto line = keyLine(lines_[i]);
        if (!line) continue;
        if (!containsNoCase(names, line->key)) names.emplace_back(line->key);
    }
    return names;
}

std::string readProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue) {
    Profile profile;
    profile.load(path);
    return profile.readString(section, key, defaultValue);
}

int readProfileInt(const std::string& path, std::string_view section, std::string_view key,
                   int defaultValue) {
    Profile profile;
    profile.load(path);
    return profile.readInt(section, key, defaultValue);
}

bool writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
    Profile profile;
    return profile.load(path) && profile.writeString(section, key, value) && profile.save(path);
}

}  // namespace platform
