// Saving and opening truckload files.  A save never damages the previous
// file: the new image goes to a temporary file beside it, which is flushed
// and then renamed over the target in one step.
#include "compute/load_files.h"

#include "compute/load_image.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dravlen {

namespace {

constexpr int kTemporaryNameTries = 100;

// Folder part of a path ("." when it has none), for flushing the rename.
std::string FolderOf(const std::string &path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

bool WriteAll(int fd, const uint8_t *data, std::size_t length)
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

// Creates a new file in the target's folder; its name is returned in
// `name`.  The name ".velmora-<pid>-<n>.tmp" does not grow with the target's,
// so a target name of up to NAME_MAX bytes can be saved, and the program
// recognises (and removes) the temporary files a killed save left behind.
int CreateTemporary(const std::string &target, std::string &name)
{
    for (int i = 0; i < kTemporaryNameTries; ++i) {
        name = FolderOf(target) + "/.velmora-" + std::to_string(::getpid()) + "-" + std::to_string(i) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

// Stores a reason when the caller asked for one; always false, so that a
// failure reads `return Fail(why, ...)`.
bool Fail(DravlenLoadFailure *why, DravlenLoadFailure reason)
{
    if (why)
        *why = reason;
    return false;
}

} // namespace

DravlenLoadFailure FailureFromErrno(int error)
{
    switch (error) {
    case 0:
        return LOAD_OK;
    case ENOENT:
    case ENOTDIR:
        return LOAD_FAILURE_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
        return LOAD_FAILURE_PERMISSION;
    case EISDIR:
        return LOAD_FAILURE_NOT_A_FILE;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return LOAD_FAILURE_NO_SPACE;
    case ENAMETOOLONG:
    case EOVERFLOW:
        return LOAD_FAILURE_TOO_LONG;
    case ENOMEM:
        return LOAD_FAILURE_NO_MEMORY;
    default:
        return LOAD_FAILURE_IO;
    }
}

bool ReplaceFileAtomically(const char *path, const uint8_t *data, std::size_t length,
                           DravlenLoadFailure *why)
{
    if (why)
        *why = LOAD_OK;
    if (!path || !*path || (length > 0 && !data))
        return Fail(why, LOAD_FAILURE_ARGUMENT);
    std::string target = path;
    struct stat existing {};
    const bool exists = ::stat(path, &existing) == 0;
    if (exists) {
        // Saving over a file the user made read-only is refused, as an
        // in-place write would be; a symbolic link is followed so that the
        // link stays and its target receives the new image.
        if (!S_ISREG(existing.st_mode))
            return Fail(why, LOAD_FAILURE_NOT_A_FILE);
        if (::access(path, W_OK) != 0)
            return Fail(why, FailureFromErrno(errno));
        if (char *real = ::realpath(path, nullptr)) {
            target = real;
            std::free(real);
        }
    }

    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        return Fail(why, errno == EEXIST ? LOAD_FAILURE_IO : FailureFromErrno(errno));
    int error = 0;
    bool ok = WriteAll(fd, data, length);
    if (ok && exists)
        ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
    if (ok)
        ok = ::fsync(fd) == 0;
    if (!ok)
        error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return Fail(why, error ? FailureFromErrno(error) : LOAD_FAILURE_IO);
    }
    // Make the rename itself durable; the file is already in place, so a
    // folder that cannot be flushed does not make the save fail.
    const int folder = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

bool ReadWholeFile(const char *path, std::vector<uint8_t> &out, DravlenLoadFailure *why)
{
    out.clear();
    if (why)
        *why = LOAD_OK;
    if (!path)
        return Fail(why, LOAD_FAILURE_ARGUMENT);
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Fail(why, FailureFromErrno(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return Fail(why, FailureFromErrno(error));
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return Fail(why, LOAD_FAILURE_NOT_A_FILE);
    }
    // Read to the end rather than trusting the size: the file may change
    // while it is read.
    out.reserve(static_cast<std::size_t>(info.st_size));
    uint8_t chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            out.clear();
            return Fail(why, FailureFromErrno(error));
        }
        if (n == 0)
            break;
        out.insert(out.end(), chunk, chunk + n);
    }
    ::close(fd);
    return true;
}

std::string LoadNameFromPath(const char *path)
{
    if (!path)
        return std::string();
    std::string name = path;
    const std::size_t separator = name.find_last_of("/\\");
    if (separator != std::string::npos)
        name.erase(0, separator + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

} // namespace dravlen

using namespace dravlen;

extern "C" {

DRAVLEN_API int Save_Load(Load *load, const char *path)
{
    return SaveWithReason_Load(load, path, nullptr);
}

DRAVLEN_API int SaveWithReason_Load(Load *load, const char *path, DravlenLoadFailure *why)
{
    if (!load || !path)
        return Fail(why, LOAD_FAILURE_ARGUMENT);
    uint32_t size = 0;
    void *image = Serialize_Load(load, &size);
    if (!image)
        return Fail(why, LOAD_FAILURE_NO_MEMORY);
    const bool ok = ReplaceFileAtomically(path, static_cast<const uint8_t *>(image), size, why);
    qv_free(image);
    return ok ? 1 : 0;
}

DRAVLEN_API int Open_Load(Load *load, const char *path, int test)
{
    return OpenWithReason_Load(load, path, test, nullptr);
}

DRAVLEN_API int OpenWithReason_Load(Load *load, const char *path, int test, DravlenLoadFailure *why)
{
    if (why)
        *why = LOAD_OK;
    if (!load || !path)
        return Fail(why, LOAD_FAILURE_ARGUMENT);
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes, why))
        return 0;
    // An image longer than a 32-bit length cannot be a truckload.
    if (bytes.size() > UINT32_MAX)
        return Fail(why, LOAD_FAILURE_TOO_LONG);
    DravlenLoadFailure reason = LOAD_OK;
    UnserializeWithReason_Load(load, bytes.data(), static_cast<uint32_t>(bytes.size()), test, &reason);
    if (reason != LOAD_OK)
        return Fail(why, reason);
    if (!test)
        SetName_Load(load, LoadNameFromPath(path).c_str());
    return 1;
}

DRAVLEN_API const char *DescribeFailure_Load(int why)
{
    switch (why) {
    case LOAD_OK: return "No failure.";
    case LOAD_FAILURE_ARGUMENT: return "No truckload or file name was given.";
    case LOAD_FAILURE_NOT_FOUND: return "The file or its folder does not exist.";
    case LOAD_FAILURE_PERMISSION: return "Permission to read or write the file was denied.";
    case LOAD_FAILURE_NOT_A_FILE: return "The name is a folder or another kind of non-regular file.";
    case LOAD_FAILURE_NO_SPACE: return "There is not enough space on the disk.";
    case LOAD_FAILURE_TOO_LONG: return "The file name or the file is too long.";
    case LOAD_FAILURE_IO: return "The file could not be read or written.";
    case LOAD_FAILURE_NO_MEMORY: return "There is not enough memory.";
    case LOAD_FAILURE_NOT_A_TRUCKLOAD: return "The file is not a saved truckload.";
    case LOAD_FAILURE_VERSION: return "The truckload was saved by a newer version.";
    case LOAD_FAILURE_MALFORMED: return "The saved truckload is damaged or incomplete.";
    case LOAD_FAILURE_NOT_REPRESENTABLE:
        return "An item cannot be represented under the current ruleset.";
    default: return "Unknown failure.";
    }
}

} // extern "C"
