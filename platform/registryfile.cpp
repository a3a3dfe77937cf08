#include "platform/registryfile.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>
#include <utility>

#include "platform/cp1252.h"
#include "platform/text.h"

namespace platform {

namespace {

struct HiveSpelling {
    Hive hive;
    std::string_view full;
    std::string_view shortName;
};

constexpr HiveSpelling kHives[] = {
    {Hive::ClassesRoot, "HKEY_CLASSES_ROOT", "HKCR"},
    {Hive::LocalMachine, "HKEY_LOCAL_MACHINE", "HKLM"},
    {Hive::CurrentUser, "HKEY_CURRENT_USER", "HKCU"},
};

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && equalsNoCase(s.substr(0, prefix.size()), prefix);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool sameNames(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (!equalsNoCase(a[i], b[i])) return false;
    }
    return true;
}

// True when `names` lies strictly below `ancestor`.
bool isBelow(const std::vector<std::string>& names, const std::vector<std::string>& ancestor) {
    if (names.size() <= ancestor.size()) return false;
    for (size_t i = 0; i < ancestor.size(); ++i) {
        if (!equalsNoCase(names[i], ancestor[i])) return false;
    }
    return true;
}

// Reads a quoted string starting at s[0] == '"'; `length` gets the characters used.
std::optional<std::string> readQuoted(std::string_view s, size_t& length) {
    std::string out;
    for (size_t i = 1; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            out += s[++i];
        } else if (s[i] == '"') {
            length = i + 1;
            return out;
        } else {
            out += s[i];
        }
    }
    return std::nullopt;
}

std::string quoted(std::string_view s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

// "hex(2):41,42,00" -> "AB"; nothing when the bytes are not well formed.
std::optional<std::string> decodeHexString(std::string_view data) {
    std::string out;
    size_t i = 0;
    while (i < data.size()) {
        while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\\')) ++i;
        if (i == data.size()) break;
        if (i + 1 >= data.size() || hexDigit(data[i]) < 0 || hexDigit(data[i + 1]) < 0) {
            return std::nullopt;
        }
        out += static_cast<char>(hexDigit(data[i]) * 16 + hexDigit(data[i + 1]));
        i += 2;
        while (i < data.size() && (data[i] == ' ' || data[i] == '\t')) ++i;
        if (i < data.size() && data[i] != ',') return std::nullopt;
        ++i;
    }
    while (!out.empty() && out.back() == '\0') out.pop_back();
    if (out.find('\0') != std::string::npos) return std::nullopt;  // a multi-string, not ours
    return out;
}

std::string encodeHexString(std::string_view s) {
    std::string out = "hex(2):";
    char byte[4];
    for (unsigned char c : s) {
        std::snprintf(byte, sizeof byte, "%02x,", c);
        out += byte;
    }
    out += "00";
    return out;
}

std::optional<RegistryValue> parseValueLine(std::string_view line) {
    RegistryValue value;
    size_t used = 0;
    if (line.front() == '@') {
        used = 1;
    } else {
        const auto name = readQuoted(line, used);
        if (!name) return std::nullopt;
        value.name = *name;
    }
    std::string_view rest = trim(line.substr(used));
    if (rest.empty() || rest.front() != '=') return std::nullopt;
    const std::string_view data = trim(rest.substr(1));
    if (!data.empty() && data.front() == '"') {
        const auto text = readQuoted(data, used);
        if (!text) return std::nullopt;
        value.type = ValueType::String;
        value.text = *text;
        return value;
    }
    if (startsWithNoCase(data, "dword:")) {
        const std::string_view digits = data.substr(6);
        std::uint32_t number = 0;
        bool ok = !digits.empty() && digits.size() <= 8;
        for (char c : digits) {
            ok = ok && hexDigit(c) >= 0;
            if (ok) number = number * 16 + static_cast<std::uint32_t>(hexDigit(c));
        }
        if (ok) {
            value.type = ValueType::Dword;
            value.dword = number;
            return value;
        }
    }
    if (startsWithNoCase(data, "hex(2):")) {
        if (auto text = decodeHexString(data.substr(7))) {
            value.type = ValueType::ExpandString;
            value.text = std::move(*text);
            return value;
        }
    }
    if (data.empty()) return std::nullopt;
    value.type = ValueType::Other;
    value.text = std::string(data);
    return value;
}

// `"name"=hex...\` or `@=hex...\`: data that goes on in the next line.
bool isWrappedHexLine(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.back() != '\\') return false;
    size_t used = 1;
    if (line.front() == '"') {
        if (!readQuoted(line, used)) return false;
    } else if (line.front() != '@') {
        return false;
    }
    const std::string_view rest = trim(line.substr(used));
    return !rest.empty() && rest.front() == '=' && startsWithNoCase(trim(rest.substr(1)), "hex");
}

RegistrySection parseHeader(std::string_view line) {
    RegistrySection section;
    std::string_view inner = trim(line).substr(1);
    const size_t close = inner.rfind(']');
    if (close != std::string_view::npos) inner = inner.substr(0, close);
    section.header = std::string(inner);
    const size_t slash = inner.find('\\');
    const std::string_view root = inner.substr(0, slash);
    section.known = false;
    for (const HiveSpelling& h : kHives) {
        if (equalsNoCase(root, h.full) || equalsNoCase(root, h.shortName)) {
            section.known = true;
            section.hive = h.hive;
        }
    }
    if (section.known && slash != std::string_view::npos) {
        const auto names = splitKeyPath(inner.substr(slash + 1));
        if (names) {
            section.names = *names;
        } else {
            section.known = false;  // "[HKCR\a\\b]": keep it as written
        }
    }
    return section;
}

// The key's hive and names in one lower-case text, for finding repeated sections.
std::string foldedId(const RegistrySection& section) {
    std::string id(1, static_cast<char>('0' + static_cast<int>(section.hive)));
    for (const std::string& name : section.names) {
        id += '\\';
        for (char c : name) id += cp1252ToLower(c);
    }
    return id;
}

// A wrapped hex line whose continuation never came (end of file, a section next) ends where
// its backslash is, blanks before it included: read so, and written so, it reads back the same
// and does not swallow the line after it.
std::string_view withoutDanglingContinuation(std::string_view line) {
    while (isWrappedHexLine(line)) {
        line = trim(line);
        line.remove_suffix(1);
        line = trim(line);
    }
    return line;
}

void dropDanglingContinuation(std::string& line) {
    line = std::string(withoutDanglingContinuation(line));
}

void appendLine(std::string& out, std::string_view line) {
    out += withoutDanglingContinuation(line);
    out += "\r\n";
}

}  // namespace

std::string_view hiveName(Hive hive) {
    for (const HiveSpelling& h : kHives) {
        if (h.hive == hive) return h.full;
    }
    return {};
}

std::string keyPath(Hive hive, const std::vector<std::string>& names) {
    std::string text(hiveName(hive));
    for (const std::string& name : names) text += "\\" + name;
    return text;
}

int RegistryValue::windowsType() const {
    switch (type) {
        case ValueType::String:
            return 1;
        case ValueType::ExpandString:
            return 2;
        case ValueType::Dword:
            return 4;
        case ValueType::Other:
            break;
    }
    if (startsWithNoCase(text, "hex:")) return 3;
    if (startsWithNoCase(text, "hex(")) {
        int n = 0;
        size_t i = 4;
        for (; i < text.size() && hexDigit(text[i]) >= 0 && n < 0x10000; ++i) {
            n = n * 16 + hexDigit(text[i]);
        }
        if (i > 4 && i < text.size() && text[i] == ')') return n;
    }
    return 0;
}

std::optional<std::vector<std::string>> splitKeyPath(std::string_view path) {
    std::vector<std::string> names;
    if (path.empty()) return names;
    size_t pos = 0;
    for (;;) {
        const size_t slash = path.find('\\', pos);
        const std::string_view name = path.substr(pos, slash - pos);
        if (name.empty() || hasLineBreak(name)) {
            return std::nullopt;
        }
        names.emplace_back(name);
        if (slash == std::string_view::npos) return names;
        pos = slash + 1;
    }
}

RegistryFile RegistryFile::parse(std::string_view bytes) {
    RegistryFile file;
    // Split into lines; a hex value whose line ends in a backslash continues on the next
    // (regedit wraps long hex data that way).
    std::vector<std::string> lines;
    size_t pos = 0;
    bool continuing = false;
    while (pos < bytes.size()) {
        size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (continuing && trim(line).substr(0, 1) != "[") {
            std::string& last = lines.back();
            last = std::string(trim(last));
            last.pop_back();
            last += trim(line);
        } else {
            if (continuing) dropDanglingContinuation(lines.back());
            lines.emplace_back(line);
        }
        continuing = isWrappedHexLine(lines.back());
    }
    if (continuing) dropDanglingContinuation(lines.back());

    bool headerSeen = false;
    RegistrySection* current = nullptr;
    std::unordered_map<std::string, size_t> index;
    for (std::string& raw : lines) {
        std::string_view line = trim(raw);
        if (!headerSeen && line.substr(0, 3) == "\xEF\xBB\xBF") line = trim(line.substr(3));
        if (line.empty()) continue;
        if (!headerSeen && file.sections.empty() && file.preamble.empty() &&
            (equalsNoCase(line, "REGEDIT4") ||
             equalsNoCase(line, "Windows Registry Editor Version 5.00"))) {
            headerSeen = true;
            continue;
        }
        headerSeen = true;
        if (line.front() == '[') {
            RegistrySection section = parseHeader(line);
            // An index instead of find(): a large hand-made file must not cost quadratic time.
            const std::string id = section.known ? foldedId(section) : std::string();
            const auto seen = section.known ? index.find(id) : index.end();
            if (seen != index.end()) {
                current = &file.sections[seen->second];
            } else {
                if (section.known) index.emplace(id, file.sections.size());
                file.sections.push_back(std::move(section));
                current = &file.sections.back();
            }
            continue;
        }
        if (!current) {
            file.preamble.push_back(raw);
            continue;
        }
        std::optional<RegistryValue> value;
        if (current->known && (line.front() == '@' || line.front() == '"')) {
            value = parseValueLine(line);
        }
        if (!value) {
            current->otherLines.emplace_back(line);
            continue;
        }
        // A name given twice (also across repeated sections): the later one wins, as an import.
        bool replaced = false;
        for (RegistryValue& existing : current->values) {
            if (equalsNoCase(existing.name, value->name)) {
                existing = std::move(*value);
                replaced = true;
                break;
            }
        }
        if (!replaced) current->values.push_back(std::move(*value));
    }
    return file;
}

std::string RegistryFile::serialize() const {
    std::string out;
    appendLine(out, "REGEDIT4");
    for (const std::string& line : preamble) appendLine(out, line);
    appendLine(out, "");
    for (const RegistrySection& section : sections) {
        appendLine(
            out,
            "[" + (section.known ? keyPath(section.hive, section.names) : section.header) + "]");
        for (const RegistryValue& value : section.values) {
            std::string line = value.name.empty() ? "@=" : quoted(value.name) + "=";
            switch (value.type) {
                case ValueType::String:
                    line += quoted(value.text);
                    break;
                case ValueType::ExpandString:
                    line += encodeHexString(value.text);
                    break;
                case ValueType::Dword: {
                    char digits[16];
                    std::snprintf(digits, sizeof digits, "dword:%08x", value.dword);
                    line += digits;
                    break;
                }
                case ValueType::Other:
                    line += value.text;
                    break;
            }
            appendLine(out, line);
        }
        for (const std::string& line : section.otherLines) appendLine(out, line);
        appendLine(out, "");
    }
    return out;
}

const RegistrySection* RegistryFile::find(Hive hive, const std::vector<std::string>& names) const {
    for (const RegistrySection& section : sections) {
        if (section.known && section.hive == hive && sameNames(section.names, names)) {
            return &section;
        }
    }
    return nullptr;
}

RegistrySection* RegistryFile::find(Hive hive, const std::vector<std::string>& names) {
    return const_cast<RegistrySection*>(std::as_const(*this).find(hive, names));
}

bool RegistryFile::exists(Hive hive, const std::vector<std::string>& names) const {
    if (names.empty()) return true;
    for (const RegistrySection& section : sections) {
        if (section.known && section.hive == hive &&
            (sameNames(section.names, names) || isBelow(section.names, names))) {
            return true;
        }
    }
    return false;
}

RegistrySection& RegistryFile::create(Hive hive, const std::vector<std::string>& names) {
    std::vector<std::string> level;
    RegistrySection* section = nullptr;
    for (size_t depth = 0; depth < std::max<size_t>(names.size(), 1); ++depth) {
        if (!names.empty()) level.push_back(names[depth]);
        section = find(hive, level);
        if (section) continue;
        // After the parent's section and everything below it, else at the end.
        std::vector<std::string> parent(level.begin(), level.end() - (level.empty() ? 0 : 1));
        size_t insertAt = sections.size();
        for (size_t i = 0; i < sections.size(); ++i) {
            const RegistrySection& s = sections[i];
            if (s.known && s.hive == hive &&
                (sameNames(s.names, parent) || isBelow(s.names, parent)) && !parent.empty()) {
                insertAt = i + 1;
            }
        }
        RegistrySection made;
        made.hive = hive;
        made.names = level;
        section = &*sections.insert(sections.begin() + static_cast<std::ptrdiff_t>(insertAt),
                                    std::move(made));
    }
    return *section;
}

bool RegistryFile::remove(Hive hive, const std::vector<std::string>& names) {
    if (names.empty() || !exists(hive, names)) return false;
    for (const RegistrySection& section : sections) {
        if (section.known && section.hive == hive && isBelow(section.names, names)) return false;
    }
    for (size_t i = 0; i < sections.size(); ++i) {
        if (sections[i].known && sections[i].hive == hive && sameNames(sections[i].names, names)) {
            sections.erase(sections.begin() + static_cast<std::ptrdiff_t>(i));
            return true;
        }
    }
    return false;
}

std::vector<std::string> RegistryFile::subkeys(Hive hive,
                                               const std::vector<std::string>& names) const {
    std::vector<std::string> result;
    for (const RegistrySection& section : sections) {
        if (!section.known || section.hive != hive || !isBelow(section.names, names)) continue;
        const std::string& child = section.names[names.size()];
        if (!containsNoCase(result, child)) result.push_back(child);
    }
    return result;
}

}  // namespace platform
