#include "frontend/file_io.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::frontend {

namespace {

constexpr std::string_view kPrefix = ".velmora-";
constexpr std::string_view kSuffix = ".tmp";
constexpr int kNameTries = 100;
constexpr time_t kAbandonedAfterSeconds = 24 * 60 * 60;

std::string folderOf(const std::string &path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool writeAll(int fd, const char *data, std::size_t length)
{
    while (length > 0) {
        const ssize_t n = ::write(fd, data, length);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        length -= static_cast<std::size_t>(n);
    }
    return true;
}

// The process id in a temporary file name, or 0 when it is not ours.
pid_t pidOfTemporary(std::string_view name)
{
    if (name.size() <= kPrefix.size() + kSuffix.size() || name.substr(0, kPrefix.size()) != kPrefix ||
        name.substr(name.size() - kSuffix.size()) != kSuffix)
        return 0;
    const std::string_view middle = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
    const std::size_t dash = middle.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash + 1 == middle.size() || dash > 10)
        return 0;
    long pid = 0;
    for (std::size_t i = 0; i < middle.size(); ++i) {
        if (i == dash)
            continue;
        if (middle[i] < '0' || middle[i] > '9')
            return 0;
        if (i < dash)
            pid = pid * 10 + (middle[i] - '0');
    }
    return pid > 0 && pid <= 0x7fffffffL ? static_cast<pid_t>(pid) : 0;
}

int createTemporary(const std::string &folder, std::string &name)
{
    static unsigned counter = 0;
    for (int i = 0; i < kNameTries; ++i) {
        name = folder + "/" + std::string(kPrefix) + std::to_string(::getpid()) + "-" + std::to_string(counter++) +
               std::string(kSuffix);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

bool isTemporaryFileName(std::string_view fileName) { return pidOfTemporary(fileName) != 0; }

void removeStaleTemporaries(const std::string &folder)
{
    DIR *dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return;
    const time_t now = std::time(nullptr);
    while (const dirent *entry = ::readdir(dir)) {
        const pid_t pid = pidOfTemporary(entry->d_name);
        if (pid == 0)
            continue;
        const std::string path = (folder.empty() ? std::string(".") : folder) + "/" + entry->d_name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        const bool old = now - info.st_mtime > kAbandonedAfterSeconds;
        const bool ownerGone = pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
        if (old || ownerGone)
            ::unlink(path.c_str());
    }
    ::closedir(dir);
}

int replaceFileAtomically(const std::string &path, std::string_view bytes)
{
    if (path.empty())
        return ENOENT;
    std::string target = path;
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists) {
        if (!S_ISREG(existing.st_mode) || ::access(path.c_str(), W_OK) != 0)
            return EACCES;
        if (char *real = ::realpath(path.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    }
    const std::string folder = folderOf(target);
    removeStaleTemporaries(folder);

    std::string temporary;
    const int fd = createTemporary(folder, temporary);
    if (fd < 0)
        return errno;
    int error = 0;
    if (!writeAll(fd, bytes.data(), bytes.size()))
        error = errno;
    if (!error && exists && ::fchmod(fd, existing.st_mode & 07777) != 0)
        error = errno;
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error) {
        ::unlink(temporary.c_str());
        return error;
    }
    // The content is in place; a folder that cannot be flushed does not
    // undo the save.
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return 0;
}

std::optional<std::string> readRegularFile(const std::string &path, std::size_t maxBytes, int &error)
{
    error = 0;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        error = errno;
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return std::nullopt;
    }
    if (static_cast<unsigned long long>(info.st_size) > maxBytes) {
        error = EFBIG;
        return std::nullopt;
    }
    // O_NONBLOCK: should the name have become a pipe since the check, the
    // open does not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return std::nullopt;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = EINVAL;
        ::close(fd);
        return std::nullopt;
    }
    std::string bytes;
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            break;
        }
        if (n == 0)
            break;
        // The file may grow while it is read.
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
            error = EFBIG;
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (error)
        return std::nullopt;
    return bytes;
}

} // namespace velmora::frontend
