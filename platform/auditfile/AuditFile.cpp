#include "platform/auditfile/AuditFile.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <unordered_map>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A "w" stream that writes a temporary file, waiting for fcloseS to put it in place.
struct PendingSave {
    int folder = -1;        // the target's folder, held open so the rename lands there
    std::string temporary;  // names inside that folder
    std::string target;
};

std::mutex g_lock;
std::unordered_map<FILE*, PendingSave>& PendingSaves()
{
    static std::unordered_map<FILE*, PendingSave> saves;
    return saves;
}

bool IsSafeSaveMode(const char* mode)
{
    return mode[0] == 'w' && std::strchr(mode, 'x') == nullptr;
}

int OpenFolder(const std::string& folder)
{
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 && errno == EACCES)
        fd = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);  // enough to create and rename
    return fd;
}

// Creates the temporary file beside the target; its name is returned in `name`.
int CreateTemporary(int folder, const std::string& base, bool readToo, std::string& name)
{
    static std::atomic<unsigned> counter{0};
    // Stay below the longest file name the folder allows.
    std::string stem = ".~" + base.substr(0, 200) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned salt = static_cast<unsigned>(::getpid()) * 2654435761u + counter.fetch_add(1) * 40503u +
                        static_cast<unsigned>(attempt);
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", salt);
        name = stem + suffix;
        int flags = (readToo ? O_RDWR : O_WRONLY) | O_CREAT | O_EXCL | O_CLOEXEC;
        int fd = ::openat(folder, name.c_str(), flags, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

FILE* OpenSafeSave(const char* path, const char* mode)
{
    struct stat st {};
    bool exists = ::stat(path, &st) == 0;
    if (!exists) {
        if (errno != ENOENT)
            return nullptr;
        struct stat link {};
        if (::lstat(path, &link) == 0)  // a dangling link: fopen creates its target; nothing to keep
            return std::fopen(path, mode);
    } else if (S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        return nullptr;
    } else if (!S_ISREG(st.st_mode)) {
        return std::fopen(path, mode);
    } else if (::faccessat(AT_FDCWD, path, W_OK, AT_EACCESS) != 0) {
        return nullptr;
    }

    std::string target = path;
    if (exists) {
        // Replace what a link points to, not the link.
        char resolved[PATH_MAX];
        if (::realpath(path, resolved) == nullptr)
            return nullptr;
        target = resolved;
    }
    std::string::size_type slash = target.rfind('/');
    std::string folderName = slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
    std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    if (base.empty()) {
        errno = EISDIR;
        return nullptr;
    }

    int folder = OpenFolder(folderName);
    if (folder < 0)
        return nullptr;
    std::string temporary;
    int fd = CreateTemporary(folder, base, std::strchr(mode, '+') != nullptr, temporary);
    if (fd < 0) {
        int error = errno;
        ::close(folder);
        errno = error;
        return nullptr;
    }
    if (exists) {
        // Best effort: the saved file keeps its owner and permissions.
        if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
            // Only the owner's group or the superuser may hand a file over; ours is fine then.
        }
        ::fchmod(fd, st.st_mode & 07777);
    }
    FILE* stream = ::fdopen(fd, mode);
    if (stream == nullptr) {
        int error = errno;
        ::close(fd);
        ::unlinkat(folder, temporary.c_str(), 0);
        ::close(folder);
        errno = error;
        return nullptr;
    }
    std::lock_guard<std::mutex> hold(g_lock);
    PendingSaves()[stream] = PendingSave{folder, temporary, base};
    return stream;
}

}  // namespace

FILE* fopenS(const char* path, const char* mode)
{
    if (path == nullptr || mode == nullptr) {
        errno = EINVAL;
        return nullptr;
    }
    if (path[0] == '\0') {
        errno = ENOENT;
        return nullptr;
    }
    if (IsSafeSaveMode(mode))
        return OpenSafeSave(path, mode);
    struct stat st {};
    if (::stat(path, &st) == 0 && S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        return nullptr;
    }
    return std::fopen(path, mode);
}

char* fgetsS(char* buffer, int size, FILE* stream)
{
    if (buffer == nullptr || size <= 0 || stream == nullptr) {
        errno = EINVAL;
        return nullptr;
    }
    return std::fgets(buffer, size, stream);
}

int fprintfS(FILE* stream, const char* format, ...)
{
    if (stream == nullptr || format == nullptr) {
        errno = EINVAL;
        return -1;
    }
    va_list args;
    va_start(args, format);
    int written = std::vfprintf(stream, format, args);
    va_end(args);
    return written;
}

int fcloseS(FILE* stream)
{
    if (stream == nullptr) {
        errno = EINVAL;
        return EOF;
    }
    PendingSave save;
    bool pending = false;
    {
        std::lock_guard<std::mutex> hold(g_lock);
        auto it = PendingSaves().find(stream);
        if (it != PendingSaves().end()) {
            save = std::move(it->second);
            PendingSaves().erase(it);
            pending = true;
        }
    }
    if (!pending)
        return std::fclose(stream);

    // The first failure decides; its errno is the one the caller sees.
    bool ok = std::fflush(stream) == 0 && !std::ferror(stream);
    if (ok && ::fsync(::fileno(stream)) != 0)
        ok = false;
    int error = ok ? 0 : (errno != 0 ? errno : EIO);
    if (std::fclose(stream) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::renameat(save.folder, save.temporary.c_str(), save.folder, save.target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (ok)
        ::fsync(save.folder);  // make the rename itself durable; harmless where unsupported
    else
        ::unlinkat(save.folder, save.temporary.c_str(), 0);
    ::close(save.folder);
    if (!ok) {
        errno = error;
        return EOF;
    }
    return 0;
}
