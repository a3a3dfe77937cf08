#include "setup/engine/filecopy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <vector>

namespace engine {
namespace fs = std::filesystem;

namespace {

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool copyContents(const std::string& source, const std::string& target) {
    int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    struct stat st {};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(in);
        return false;
    }
    const std::string temp = target + ".setup-part";
    const mode_t mode = (st.st_mode & 07777) | S_IWUSR;
    int out = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (out < 0) {
        ::close(in);
        return false;
    }
    bool ok = true;
    std::vector<char> buffer(1 << 16);
    for (;;) {
        ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        if (!writeAll(out, buffer.data(), static_cast<size_t>(n))) {
            ok = false;
            break;
        }
    }
    ::close(in);
    // The umask may have narrowed the mode given to open(); the attributes are set in full.
    if (::fchmod(out, mode) != 0) ok = false;
    if (::close(out) != 0) ok = false;
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) ok = false;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

}  // namespace

CopyOutcome copyFile(const std::string& source, const std::string& target, UninstallLog* log,
                     bool failIfExists) {
    std::error_code ec;
    if (failIfExists && fs::exists(fs::symlink_status(target, ec)))
        return CopyOutcome::KeptExisting;
    if (!copyContents(source, target)) return CopyOutcome::Failed;
    if (log) log->append(target);
    return CopyOutcome::Copied;
}

bool copyFolder(std::string mediumFolder, std::string targetFolder, UninstallLog* log,
                std::string& failedSource, std::string& failedTarget) {
    if (mediumFolder.empty() || mediumFolder.back() != '/') mediumFolder += '/';
    if (targetFolder.empty() || targetFolder.back() != '/') targetFolder += '/';
    makePath(targetFolder);
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(mediumFolder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError)) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    for (const auto& name : names) {
        if (copyFile(mediumFolder + name, targetFolder + name, log) == CopyOutcome::Failed) {
            failedSource = mediumFolder + name;
            failedTarget = targetFolder + name;
            return false;
        }
    }
    return true;
}

void makePath(const std::string& path) {
    std::error_code ec;
    fs::create_directories(path, ec);
}

bool sameSize(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    // "Cannot be opened" is judged by opening, as a file without read permission counts so.
    int fa = ::open(a.c_str(), O_RDONLY | O_CLOEXEC);
    int fb = ::open(b.c_str(), O_RDONLY | O_CLOEXEC);
    bool result = true;
    if (fa >= 0 && fb >= 0 && ::fstat(fa, &sa) == 0 && ::fstat(fb, &sb) == 0)
        result = sa.st_size / 128 == sb.st_size / 128;
    if (fa >= 0) ::close(fa);
    if (fb >= 0) ::close(fb);
    return result;
}

}  // namespace engine
