#include "platform/fileio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

void setError(std::string* error, const std::string& what, const std::string& path) {
    if (error) *error = what + " " + path + ": " + std::strerror(errno);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// The file a write to `path` must replace: the target of a symbolic link, else `path`.
std::string resolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char buffer[PATH_MAX];
        if (::realpath(path.c_str(), buffer)) return buffer;
    }
    return path;
}

}  // namespace

std::optional<std::string> readWholeFile(const std::string& path, std::string* error) {
    // O_NONBLOCK: opening a pipe without a writer must not hang; it is refused below.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        setError(error, "cannot open", path);
        return std::nullopt;
    }
    const auto fail = [&](int code) {
        if (code) errno = code;
        setError(error, "cannot read", path);
        ::close(fd);
        return std::nullopt;
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0) return fail(0);
    if (S_ISDIR(st.st_mode)) return fail(EISDIR);
    if (!S_ISREG(st.st_mode)) return fail(EINVAL);
    if (static_cast<std::uint64_t>(st.st_size) > kMaxFileBytes) return fail(EFBIG);
    std::string content(static_cast<size_t>(st.st_size), '\0');
    size_t got = 0;
    while (got < content.size()) {
        const ssize_t n = ::read(fd, content.data() + got, content.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return fail(0);
        if (n == 0) break;  // the file shrank meanwhile
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    content.resize(got);
    return content;
}

bool isMissing(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) != 0 && errno == ENOENT;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    const std::string target = resolveTarget(path);
    const auto slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    const std::string prefix =
        (slash == std::string::npos ? std::string() : dir) + "." + base + ".tmp";
    // Not mkstemp: its 0600 would become the new file's mode; open() applies the umask itself.
    int fd = -1;
    std::string temp;
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = prefix + std::to_string(::getpid()) + "." + std::to_string(counter++);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        setError(error, "cannot create a temporary file in", dir);
        return false;
    }
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        (void)::fchmod(fd, st.st_mode & 07777);  // best effort: a foreign owner may forbid it
    }
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (!ok) setError(error, "cannot write", temp);
    if (::close(fd) != 0 && ok) {
        setError(error, "cannot write", temp);
        ok = false;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        setError(error, "cannot replace", target);
        ok = false;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable, so a crash right after cannot bring the old file back.
    const int folder = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        (void)::fsync(folder);
        ::close(folder);
    }
    return true;
}

bool makeDirectories(const std::string& dir) {
    if (dir.empty()) return false;
    struct stat st {};
    if (::stat(dir.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    size_t pos = 0;
    while (pos != std::string::npos) {
        pos = dir.find('/', pos + 1);
        const std::string prefix = dir.substr(0, pos);
        if (prefix.empty()) continue;
        if (::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) return false;
    }
    return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace platform
