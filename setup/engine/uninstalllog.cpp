#include "setup/engine/uninstalllog.h"

#include <fstream>

namespace engine {

bool UninstallLog::open(const std::string& path) {
    close();
    file_ = std::fopen(path.c_str(), "ab");
    return file_ != nullptr;
}

void UninstallLog::append(std::string_view targetPath) {
    if (!file_) return;
    std::fwrite(targetPath.data(), 1, targetPath.size(), file_);
    std::fputs("\r\n", file_);
    // Flushed per line so the log on disk is complete even if the run is stopped.
    std::fflush(file_);
}

void UninstallLog::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

std::vector<std::string> UninstallLog::read(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

}  // namespace engine
