#pragma once
// The recent-file list: up to four paths, newest first, kept in the settings file and written
// back at every change so that no entry is lost when the program ends abnormally.
#include <string>
#include <vector>

namespace shell {

class RecentFiles {
public:
    static constexpr int kMaxEntries = 4;
    static constexpr const char* kSection = "Recent Files";  // keys File1 .. File4

    // Reads the list from the settings file at `settingsPath` (missing file: empty list).
    void open(const std::string& settingsPath);
    // Puts `path` at the top (an equal entry moves up) and writes the list.
    void add(const std::string& path);
    const std::vector<std::string>& entries() const { return entries_; }

private:
    void write() const;

    std::string settingsPath_;
    std::vector<std::string> entries_;
};

}  // namespace shell
