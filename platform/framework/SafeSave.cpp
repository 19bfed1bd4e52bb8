#include "platform/framework/SafeSave.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int OpenFolder(const std::string& folder)
{
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 && errno == EACCES)
        fd = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);  // enough to create and rename
    return fd;
}

int CreateTemporary(int folder, const std::string& base, bool readToo, std::string& name)
{
    static std::atomic<unsigned> counter{0};
    const std::string stem = ".~" + base.substr(0, 200) + ".";  // stay below the longest name allowed
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

}  // namespace

SafeSave::SafeSave(SafeSave&& other) noexcept
    : m_folder(std::exchange(other.m_folder, -1)),
      m_temporary(std::move(other.m_temporary)),
      m_target(std::move(other.m_target))
{
}

SafeSave& SafeSave::operator=(SafeSave&& other) noexcept
{
    if (this != &other) {
        Abandon();
        m_folder = std::exchange(other.m_folder, -1);
        m_temporary = std::move(other.m_temporary);
        m_target = std::move(other.m_target);
    }
    return *this;
}

SafeSave::~SafeSave()
{
    Abandon();
}

int SafeSave::Begin(const std::string& path, bool readToo)
{
    Abandon();
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    std::string target = path;
    if (exists) {
        if (S_ISDIR(st.st_mode)) {
            errno = EISDIR;
            return -1;
        }
        if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
            return -1;  // as a truncating open would refuse it
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) == nullptr)
            return -1;
        target = resolved;
    } else {
        struct stat link {};
        if (::lstat(path.c_str(), &link) == 0) {
            errno = ENOENT;  // a dangling link: nothing sensible to replace
            return -1;
        }
    }
    const std::string::size_type slash = target.rfind('/');
    const std::string folderName = slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
    std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    if (base.empty()) {
        errno = EISDIR;
        return -1;
    }

    const int folder = OpenFolder(folderName);
    if (folder < 0)
        return -1;
    std::string temporary;
    const int fd = CreateTemporary(folder, base, readToo, temporary);
    if (fd < 0) {
        const int error = errno;
        ::close(folder);
        errno = error;
        return -1;
    }
    if (exists) {
        // Only the superuser may hand a file to another owner; ours is fine then.
        if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
        }
        ::fchmod(fd, st.st_mode & 07777);
    }
    m_folder = folder;
    m_temporary = std::move(temporary);
    m_target = std::move(base);
    return fd;
}

int SafeSave::Commit()
{
    if (!Pending())
        return EBADF;
    if (::renameat(m_folder, m_temporary.c_str(), m_folder, m_target.c_str()) != 0) {
        const int error = errno;
        Abandon();
        return error;
    }
    ::fsync(m_folder);  // make the rename itself durable; harmless where unsupported
    ::close(m_folder);
    m_folder = -1;
    m_temporary.clear();
    m_target.clear();
    return 0;
}

void SafeSave::Abandon()
{
    if (!Pending())
        return;
    ::unlinkat(m_folder, m_temporary.c_str(), 0);
    ::close(m_folder);
    m_folder = -1;
    m_temporary.clear();
    m_target.clear();
}
