#include "platform/paths.h"

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <utility>

#include "platform/cp1252.h"

namespace platform {

namespace {

// Length of a "c:" prefix on Windows-style paths; 0 otherwise. A colon is an ordinary
// character in '/' paths.
size_t drivePrefixLength(std::string_view path, char sep) {
    if (sep == '/' || path.size() < 2 || path[1] != ':') return 0;
    return std::isalpha(static_cast<unsigned char>(path[0])) ? 2 : 0;
}

size_t fileNameStart(std::string_view path, char sep) {
    const size_t last = path.rfind(sep);
    if (last != std::string_view::npos) return last + 1;
    return drivePrefixLength(path, sep);
}

}  // namespace

std::string joinPath(std::string_view dir, std::string_view name, char sep) {
    while (!name.empty() && name.front() == sep && !dir.empty()) name.remove_prefix(1);
    std::string result = withTrailingSeparator(dir, sep);
    result += name;
    return result;
}

std::string directoryPart(std::string_view path, char sep) {
    return std::string(path.substr(0, fileNameStart(path, sep)));
}

std::string fileNamePart(std::string_view path, char sep) {
    return std::string(path.substr(fileNameStart(path, sep)));
}

std::string extensionPart(std::string_view path, char sep) {
    const std::string_view name = path.substr(fileNameStart(path, sep));
    const size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string replaceExtension(std::string_view path, std::string_view extension, char sep) {
    const size_t start = fileNameStart(path, sep);
    const size_t dot = path.substr(start).rfind('.');
    std::string result(dot == std::string_view::npos ? path : path.substr(0, start + dot));
    result += extension;
    return result;
}

bool hasTrailingSeparator(std::string_view path, char sep) {
    return !path.empty() && path.back() == sep;
}

std::string withTrailingSeparator(std::string_view path, char sep) {
    std::string result(path);
    if (!result.empty() && result.back() != sep) result += sep;
    return result;
}

std::string withoutTrailingSeparator(std::string_view path, char sep) {
    const size_t root = drivePrefixLength(path, sep) + 1;
    while (path.size() > root && path.back() == sep) path.remove_suffix(1);
    return std::string(path);
}

std::optional<char> driveLetter(std::string_view path) {
    if (drivePrefixLength(path, '\\') == 0) return std::nullopt;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
}

std::string convertSeparators(std::string_view path, char from, char to) {
    std::string result(path);
    for (char& c : result) {
        if (c == from) c = to;
    }
    return result;
}

std::optional<std::string> findFileNoCase(const std::string& dir, std::string_view name) {
    if (name.empty() || name.find('/') != std::string_view::npos) return std::nullopt;
    const auto inDir = [&](std::string_view entry) { return joinPath(dir, entry, '/'); };
    struct stat st {};
    if (::lstat(inDir(name).c_str(), &st) == 0) return inDir(name);

    DIR* folder = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!folder) return std::nullopt;
    std::optional<std::string> best;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string_view entryName = entry->d_name;
        if (equalsNoCase(entryName, name) && (!best || entryName < *best)) best = entryName;
    }
    ::closedir(folder);
    if (!best) return std::nullopt;
    return inDir(*best);
}

std::string pathNoCase(const std::string& dir, std::string_view name) {
    if (auto found = findFileNoCase(dir, name)) return std::move(*found);
    return joinPath(dir, name, '/');
}

std::optional<std::string> findPathNoCase(const std::string& path) {
    if (path.empty()) return std::nullopt;
    std::string current = path.front() == '/' ? "/" : "";
    size_t pos = 0;
    while (pos <= path.size()) {
        size_t next = path.find('/', pos);
        if (next == std::string::npos) next = path.size();
        const std::string_view part = std::string_view(path).substr(pos, next - pos);
        pos = next + 1;
        if (part.empty()) continue;
        if (part == "." || part == "..") {
            current = joinPath(current, part, '/');
            continue;
        }
        const auto found = findFileNoCase(current, part);
        if (!found) return std::nullopt;
        current = *found;
    }
    return current.empty() ? std::nullopt : std::optional<std::string>(current);
}

std::string homeDirectory() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return "/";
}

namespace {

std::string xdgHome(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/') return value;
    return joinPath(homeDirectory(), fallback, '/');
}

}  // namespace

std::string xdgConfigHome() { return xdgHome("XDG_CONFIG_HOME", ".config"); }

std::string xdgDataHome() { return xdgHome("XDG_DATA_HOME", ".local/share"); }

}  // namespace platform
