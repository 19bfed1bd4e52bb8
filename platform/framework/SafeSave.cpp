#include "platform/framework/SafeSave.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// The fault a test installed (SafeSaveFault); one at a time, for the whole process.
struct InstalledFault {
    bool active = false;
    SafeSave::Step step = SafeSave::Step::Open;
    int error = 0;
    std::uint64_t room = 0;
    int hits = 0;
};
InstalledFault g_fault;

}  // namespace

struct SafeSave::State {
    int folder = -1;          // the target's folder, held open so the rename lands there
    int fd = -1;              // the temporary file
    FILE* stream = nullptr;   // over fd, for BeginStream
    std::string temporary;    // names inside that folder
    std::string target;
    std::uint64_t written = 0;
    int error = 0;            // the first failure: the save can only be abandoned

    int Write(const void* data, std::size_t count)
    {
        if (error != 0)
            return error;
        std::size_t fits = count;
        int failure = SafeSave::Fault(Step::Write, written, &fits);
        const auto* in = static_cast<const char*>(data);
        std::size_t done = 0;
        while (done < fits) {
            const ssize_t n = ::write(fd, in + done, fits - done);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                failure = errno;
                break;
            }
            done += static_cast<std::size_t>(n);
        }
        written += done;
        if (failure != 0)
            error = failure;
        return failure;
    }
};

int SafeSave::Fault(Step step, std::uint64_t written, std::size_t* fits)
{
    if (!g_fault.active || g_fault.step != step)
        return 0;
    if (step == Step::Write && fits != nullptr) {
        if (written + *fits <= g_fault.room)
            return 0;
        *fits = written < g_fault.room ? static_cast<std::size_t>(g_fault.room - written) : 0;
    }
    ++g_fault.hits;
    return g_fault.error;
}

ssize_t SafeSave::StreamWrite(void* cookie, const char* data, std::size_t count)
{
    auto* state = static_cast<State*>(cookie);
    if (const int error = state->Write(data, count); error != 0) {
        errno = error;
        return 0;  // the stream marks its error; the save is doomed already
    }
    return static_cast<ssize_t>(count);
}

SafeSave::SafeSave() = default;

SafeSave::SafeSave(SafeSave&& other) noexcept : m_state(std::move(other.m_state)) {}

SafeSave& SafeSave::operator=(SafeSave&& other) noexcept
{
    if (this != &other) {
        Abandon();
        m_state = std::move(other.m_state);
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
    if (const int error = Fault(Step::Open, 0, nullptr); error != 0) {
        errno = error;
        return -1;
    }
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
    m_state = std::make_unique<State>();
    m_state->folder = folder;
    m_state->fd = fd;
    m_state->temporary = std::move(temporary);
    m_state->target = std::move(base);
    return fd;
}

FILE* SafeSave::BeginStream(const std::string& path, const char* mode)
{
    if (mode == nullptr || mode[0] != 'w') {
        errno = EINVAL;
        return nullptr;
    }
    if (Begin(path, std::strchr(mode, '+') != nullptr) < 0)
        return nullptr;
    cookie_io_functions_t io{};
    io.read = [](void* cookie, char* buffer, std::size_t size) -> ssize_t {
        return ::read(static_cast<State*>(cookie)->fd, buffer, size);
    };
    io.write = &SafeSave::StreamWrite;
    io.seek = [](void* cookie, off64_t* position, int whence) -> int {
        const off_t at = ::lseek(static_cast<State*>(cookie)->fd, static_cast<off_t>(*position), whence);
        if (at < 0)
            return -1;
        *position = at;
        return 0;
    };
    io.close = [](void*) -> int { return 0; };  // the descriptor is the save's
    FILE* stream = ::fopencookie(m_state.get(), mode, io);
    if (stream == nullptr) {
        const int error = errno != 0 ? errno : ENOMEM;
        Abandon();
        errno = error;
        return nullptr;
    }
    m_state->stream = stream;
    return stream;
}

int SafeSave::Fail(int error)
{
    if (m_state && m_state->error == 0)
        m_state->error = error;
    errno = error;
    return error;
}

int SafeSave::Error() const
{
    return m_state ? m_state->error : 0;
}

bool SafeSave::Write(const void* data, std::size_t count)
{
    if (!Pending()) {
        errno = EBADF;
        return false;
    }
    if (data == nullptr && count > 0)
        return Fail(EINVAL) == 0;
    if (const int error = m_state->Write(data, count); error != 0) {
        errno = error;
        return false;
    }
    return true;
}

int SafeSave::Flush()
{
    if (!Pending())
        return EBADF;
    if (m_state->error != 0)
        return m_state->error;
    if (const int error = Fault(Step::Flush, 0, nullptr); error != 0)
        return Fail(error);
    if (m_state->stream != nullptr && std::fflush(m_state->stream) != 0)
        return Fail(m_state->error != 0 ? m_state->error : (errno != 0 ? errno : EIO));
    return 0;
}

int SafeSave::Sync()
{
    if (!Pending())
        return EBADF;
    if (m_state->error != 0)
        return m_state->error;
    if (const int error = Fault(Step::Sync, 0, nullptr); error != 0)
        return Fail(error);
    if (::fsync(m_state->fd) != 0)
        return Fail(errno);
    return 0;
}

int SafeSave::Commit(bool sync)
{
    if (!Pending())
        return EBADF;
    int error = Flush();
    if (error == 0 && sync)
        error = Sync();
    if (error == 0 && m_state->stream != nullptr && std::ferror(m_state->stream))
        error = Fail(EIO);  // a read of a "w+" stream failed: what it wrote cannot be trusted
    if (m_state->stream != nullptr) {
        std::fclose(std::exchange(m_state->stream, nullptr));  // nothing left to write
    }
    if (::close(std::exchange(m_state->fd, -1)) != 0 && error == 0)
        error = Fail(errno);
    if (error == 0) {
        error = Fault(Step::Rename, 0, nullptr);
        if (error == 0 &&
            ::renameat(m_state->folder, m_state->temporary.c_str(), m_state->folder, m_state->target.c_str()) != 0)
            error = errno;
    }
    if (error != 0) {
        Abandon();
        return error;
    }
    ::fsync(m_state->folder);  // make the rename itself durable; harmless where unsupported
    ::close(m_state->folder);
    m_state.reset();
    return 0;
}

void SafeSave::Abandon()
{
    if (!Pending())
        return;
    if (m_state->error == 0)
        m_state->error = ECANCELED;  // so that closing the stream writes nothing more
    if (m_state->stream != nullptr)
        std::fclose(std::exchange(m_state->stream, nullptr));
    if (m_state->fd >= 0)
        ::close(std::exchange(m_state->fd, -1));
    ::unlinkat(m_state->folder, m_state->temporary.c_str(), 0);
    ::close(m_state->folder);
    m_state.reset();
}

SafeSaveFault::SafeSaveFault(SafeSave::Step step, int error, std::uint64_t room)
{
    g_fault = InstalledFault{true, step, error, room, 0};
}

SafeSaveFault::~SafeSaveFault()
{
    g_fault = InstalledFault{};
}

int SafeSaveFault::Hits() const
{
    return g_fault.hits;
}
