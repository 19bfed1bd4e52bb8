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
    FILE* stream = save.BeginStream(path, mode);
    if (stream == nullptr)
        return nullptr;
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
    int error = std::ferror(stream) ? (save.Error() != 0 ? save.Error() : EIO) : 0;
    if (error == 0)
        error = save.Commit();
    else
        save.Abandon();
    if (error != 0) {
        errno = error;
        return EOF;
    }
    return 0;
}
