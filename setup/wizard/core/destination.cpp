#include "setup/wizard/core/destination.h"

#include <vector>

#include "platform/paths.h"

namespace wizard {

namespace {

bool hasDrive(std::string_view path, char sep) {
    return sep == platform::kWindowsSeparator && platform::driveLetter(path).has_value();
}

}  // namespace

std::string fullPath(std::string_view path, char sep, std::string_view currentDir) {
    std::string absolute;
    if (hasDrive(path, sep) && path.size() > 2 && path[2] == sep) {
        absolute = std::string(path);
    } else if (!path.empty() && path[0] == sep) {
        // Rooted without a drive: on Windows the current drive's root.
        absolute = hasDrive(currentDir, sep)
                       ? std::string(currentDir.substr(0, 2)) + std::string(path)
                       : std::string(path);
    } else {
        absolute = platform::joinPath(currentDir, path, sep);
    }

    if (absolute.empty()) return absolute;
    // Split off the root ("c:\" or "\") and resolve "." and ".." in the rest.
    std::size_t rootLength = hasDrive(absolute, sep) ? 3 : (absolute[0] == sep ? 1 : 0);
    std::string root = absolute.substr(0, rootLength);
    std::vector<std::string> parts;
    std::string part;
    auto flush = [&] {
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        part.clear();
    };
    for (std::size_t i = rootLength; i < absolute.size(); ++i) {
        if (absolute[i] == sep) {
            flush();
        } else {
            part += absolute[i];
        }
    }
    flush();
    std::string result = root;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) result += sep;
        result += parts[i];
    }
    // A trailing separator on a folder path is kept as the user wrote it.
    if (!parts.empty() && !absolute.empty() && absolute.back() == sep) result += sep;
    return result;
}

void setDestination(SetupChoices& choices, std::string_view directory, std::string_view name,
                    char sep, std::string_view currentDir) {
    choices.destinationDrive = hasDrive(directory, sep) ? directory[0] : 'c';
    choices.destinationBase =
        directory.empty() ? std::string() : fullPath(directory, sep, currentDir);
    std::string folder(name);
    if (!folder.empty() && folder.front() == sep) folder.erase(0, 1);
    if (!folder.empty() && folder.back() == sep) folder.pop_back();
    choices.productFolder = folder;
    if (!choices.destinationBase.empty() && choices.destinationBase.back() != sep) {
        choices.destinationBase += sep;
    }
}

std::string shortDestination(const SetupChoices& choices, std::size_t maxLength, char sep) {
    std::string full = choices.destinationBase + choices.productFolder;
    if (full.size() <= maxLength) return full;
    const std::string& base = choices.destinationBase;
    std::string result;
    for (std::size_t i = 0; i < base.size(); ++i) {
        result += base[i];
        if (base[i] == sep && i + 1 >= 4) {
            return result + "..." + sep + choices.productFolder;
        }
    }
    return result;
}

std::string availableText(std::int32_t freeMb, const std::string& enoughWord) {
    return freeMb > 1000 ? enoughWord : std::to_string(freeMb) + " Mb";
}

}  // namespace wizard
