#include "setup/engine/desktopentry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/cp1252.h"
#include "platform/fileio.h"
#include "platform/paths.h"

namespace engine {
namespace fs = std::filesystem;

namespace {

// Desktop entry values escape backslash and line breaks.
std::string entryValue(const std::string& utf8) {
    std::string out;
    for (char c : utf8) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string quoteExecWord(const std::string& word) {
    const bool plain =
        !word.empty() && word.find_first_of(" \t\"'\\><~|&;$*?#()`=%") == std::string::npos;
    std::string out;
    if (plain) return word;
    out += '"';
    for (char c : word) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
        if (c == '%') out += '%';
        out += c;
    }
    out += '"';
    return out;
}

bool isExecutableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

std::string xmlEscaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string groupId(const std::string& groupName) {
    std::string id = platform::cp1252ToUtf8(groupName);
    std::replace(id.begin(), id.end(), '/', '_');
    return "crossword-" + id;
}

}  // namespace

std::string desktopFileName(const std::string& name) {
    std::string file = platform::cp1252ToUtf8(name);
    std::replace(file.begin(), file.end(), '/', '_');
    return file + ".desktop";
}

std::string execLine(const std::vector<std::string>& words) {
    std::string line;
    for (const auto& w : words) {
        if (!line.empty()) line += ' ';
        line += quoteExecWord(w);
    }
    return line;
}

bool createShortcut(const std::string& target, const std::string& link, const std::string& name,
                    const std::string& description, const std::string& workingDirectory) {
    std::vector<std::string> exec{target};
    if (!isExecutableFile(target)) exec = {"xdg-open", target};
    std::string text = "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Name=" + entryValue(platform::cp1252ToUtf8(name)) + "\n";
    text += "Comment=" + entryValue(platform::cp1252ToUtf8(description)) + "\n";
    text += "Exec=" + entryValue(execLine(exec)) + "\n";
    text += "Path=" + entryValue(workingDirectory) + "\n";
    text += "Terminal=false\n";
    return platform::writeFileAtomically(link, text);
}

MenuGroupFiles menuGroupFiles(const std::string& groupName) {
    const std::string id = groupId(groupName);
    return {platform::xdgDataHome() + "/desktop-directories/" + id + ".directory",
            platform::xdgConfigHome() + "/menus/applications-merged/" + id + ".menu"};
}

bool createMenuGroup(const std::string& groupName, const std::string& groupFolder) {
    const auto files = menuGroupFiles(groupName);
    const std::string name = platform::cp1252ToUtf8(groupName);
    std::vector<std::string> entries;
    std::error_code ec;
    for (fs::directory_iterator it(groupFolder, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().extension() == ".desktop") entries.push_back(it->path().filename());
    std::sort(entries.begin(), entries.end());

    std::string directory = "[Desktop Entry]\nType=Directory\nName=" + entryValue(name) + "\n";
    std::string menu =
        "<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
        " \"http://www.freedesktop.org/standards/menu-spec/menu-1.0.dtd\">\n"
        "<Menu>\n  <Name>Applications</Name>\n  <Menu>\n";
    menu += "    <Name>" + xmlEscaped(name) + "</Name>\n";
    menu += "    <Directory>" + xmlEscaped(fs::path(files.directoryEntry).filename()) +
            "</Directory>\n";
    menu += "    <AppDir>" + xmlEscaped(groupFolder) + "</AppDir>\n    <Include>\n";
    for (const auto& e : entries) menu += "      <Filename>" + xmlEscaped(e) + "</Filename>\n";
    menu += "    </Include>\n  </Menu>\n</Menu>\n";

    bool ok = platform::makeDirectories(fs::path(files.directoryEntry).parent_path());
    ok = platform::makeDirectories(fs::path(files.menuFile).parent_path()) && ok;
    ok = platform::writeFileAtomically(files.directoryEntry, directory) && ok;
    ok = platform::writeFileAtomically(files.menuFile, menu) && ok;
    return ok;
}

}  // namespace engine
