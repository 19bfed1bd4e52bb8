#include "platform/auditfile/AuditFile.h"

#include "platform/framework/SafeSave.h"

#include <cerrno>
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

// "w" streams waiting for fcloseS to put their file in place.
std::mutex g_lock;
std::unordered_map<FILE*, SafeSave>& PendingSaves()
{
    static std::unordered_map<FILE*, SafeSave> saves;
    return saves;
}

bool IsSafeSaveMode(const char* mode)
{
    return mode[0] == 'w' && std::strchr(mode, 'x') == nullptr;
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
    }

    SafeSave save;
    int fd = save.Begin(path, std::strchr(mode, '+') != nullptr);
    if (fd < 0)
        return nullptr;
    FILE* stream = ::fdopen(fd, mode);
    if (stream == nullptr) {
        int error = errno;
        ::close(fd);
        save.Abandon();
        errno = error;
        return nullptr;
    }
    std::lock_guard<std::mutex> hold(g_lock);
    PendingSaves()[stream] = std::move(save);
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
    SafeSave save;
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
    if (ok) {
        error = save.Commit();
        ok = error == 0;
    } else {
        save.Abandon();
    }
    if (!ok) {
        errno = error;
        return EOF;
    }
    return 0;
}
