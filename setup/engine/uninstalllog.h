#pragma once
// The uninstall log "UnInst.inf": one line per installed file, the full target path, each line
// ended by carriage return and line feed. Every error is ignored: an installation whose log
// cannot be written still goes on.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

class UninstallLog {
public:
    UninstallLog() = default;
    ~UninstallLog() { close(); }
    UninstallLog(const UninstallLog&) = delete;
    UninstallLog& operator=(const UninstallLog&) = delete;

    // Opens `path` for appending, creating it when missing. False when neither works.
    bool open(const std::string& path);
    bool isOpen() const { return file_ != nullptr; }
    void append(std::string_view targetPath);
    void close();

    // The lines of a log file, without their line ends; empty lines are dropped.
    static std::vector<std::string> read(const std::string& path);

private:
    std::FILE* file_ = nullptr;
};

}  // namespace engine
