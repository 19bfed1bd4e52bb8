#include "platform/framework/CFile.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>


CFile::~CFile()
{
    Close();
}

BOOL CFile::Fail(int error)
{
    m_error = error != 0 ? error : EIO;
    return FALSE;
}

BOOL CFile::FailSave(int error)
{
    Fail(error);
    if (m_saveError == 0)
        m_saveError = m_error;
    return FALSE;
}

void CFile::Reset()
{
    m_fd = -1;
    m_save.Abandon();
    m_saveError = 0;
}

BOOL CFile::Open(LPCTSTR path, UINT openFlags)
{
    m_error = 0;
    if (IsOpen())
        return Fail(EBUSY);
    if (path == nullptr)
        return Fail(EINVAL);
    if (path[0] == '\0')
        return Fail(ENOENT);
    UINT access = openFlags & 0x3;
    if (access == 0x3)
        return Fail(EINVAL);
    bool writes = access != modeRead;
    bool create = (openFlags & modeCreate) != 0;
    bool truncate = create && (openFlags & modeNoTruncate) == 0;

    struct stat st {};
    bool exists = ::stat(path, &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return Fail(EISDIR);
    if (create && !writes)
        return Fail(EINVAL);  // a file created for reading only could never be filled

    m_path = path;
    if (truncate && (!exists || S_ISREG(st.st_mode)))
        return OpenSafeSave(path, access == modeReadWrite);

    int flags = O_CLOEXEC | (access == modeRead ? O_RDONLY : access == modeWrite ? O_WRONLY : O_RDWR);
    if (create)
        flags |= O_CREAT | (truncate ? O_TRUNC : 0);
    int fd = ::open(path, flags, 0666);
    if (fd < 0) {
        int error = errno;
        m_path.Empty();
        return Fail(error);
    }
    m_fd = fd;
    return TRUE;
}

BOOL CFile::OpenSafeSave(LPCTSTR path, bool readToo)
{
    int fd = m_save.Begin(path, readToo);
    if (fd < 0) {
        int error = errno;
        m_path.Empty();
        return Fail(error);
    }
    m_fd = fd;
    m_saveError = 0;
    return TRUE;
}

UINT CFile::Read(void* buffer, UINT count)
{
    m_error = 0;
    if (!IsOpen() || (buffer == nullptr && count > 0)) {
        Fail(IsOpen() ? EINVAL : EBADF);
        return 0;
    }
    auto* out = static_cast<char*>(buffer);
    UINT done = 0;
    while (done < count) {
        ssize_t n = ::read(m_fd, out + done, count - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
            break;
        }
        if (n == 0)
            break;
        done += static_cast<UINT>(n);
    }
    return done;
}

BOOL CFile::Write(const void* buffer, UINT count)
{
    m_error = 0;
    if (!IsOpen())
        return Fail(EBADF);
    if (buffer == nullptr && count > 0)
        return FailSave(EINVAL);
    if (m_save.Pending())
        return m_save.Write(buffer, count) ? TRUE : FailSave(errno);
    const auto* in = static_cast<const char*>(buffer);
    UINT done = 0;
    while (done < count) {
        ssize_t n = ::write(m_fd, in + done, count - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return FailSave(errno);
        }
        done += static_cast<UINT>(n);
    }
    return TRUE;
}

std::int64_t CFile::Seek(std::int64_t offset, UINT from)
{
    m_error = 0;
    if (!IsOpen()) {
        Fail(EBADF);
        return -1;
    }
    int whence = from == begin ? SEEK_SET : from == current ? SEEK_CUR : from == end ? SEEK_END : -1;
    if (whence < 0) {
        Fail(EINVAL);
        return -1;
    }
    off_t position = ::lseek(m_fd, static_cast<off_t>(offset), whence);
    if (position < 0) {
        Fail(errno);
        return -1;
    }
    return position;
}

std::uint64_t CFile::SeekToEnd()
{
    std::int64_t position = Seek(0, end);
    return position < 0 ? 0 : static_cast<std::uint64_t>(position);
}

std::uint64_t CFile::GetLength() const
{
    struct stat st {};
    if (!IsOpen() || ::fstat(m_fd, &st) != 0)
        return 0;
    return static_cast<std::uint64_t>(st.st_size);
}

std::uint64_t CFile::GetPosition() const
{
    if (!IsOpen())
        return 0;
    off_t position = ::lseek(m_fd, 0, SEEK_CUR);
    return position < 0 ? 0 : static_cast<std::uint64_t>(position);
}

BOOL CFile::Flush()
{
    m_error = 0;
    if (!IsOpen())
        return Fail(EBADF);
    // Writes are unbuffered here; a flush makes them durable. Pipes and terminals cannot sync.
    if (m_save.Pending()) {
        int error = m_save.Flush();
        if (error == 0)
            error = m_save.Sync();
        return error == 0 ? TRUE : FailSave(error);
    }
    if (::fsync(m_fd) != 0 && errno != EINVAL && errno != EROFS)
        return FailSave(errno);
    return TRUE;
}

BOOL CFile::Close()
{
    m_error = 0;
    if (!IsOpen())
        return TRUE;
    if (!m_save.Pending()) {
        int result = ::close(m_fd);
        int error = errno;
        Reset();
        m_path.Empty();
        return result == 0 ? TRUE : Fail(error);
    }
    // A pending save: the first failure decides, and the previous file stays. The descriptor is
    // the save's, which closes it.
    int error = m_saveError;
    if (error == 0)
        error = m_save.Commit();
    else
        m_save.Abandon();
    Reset();
    m_path.Empty();
    return error == 0 ? TRUE : Fail(error);
}

void CFile::Abort()
{
    if (!IsOpen())
        return;
    if (!m_save.Pending())
        ::close(m_fd);
    m_save.Abandon();
    Reset();
    m_path.Empty();
}

CString CFile::GetFileName() const
{
    int slash = m_path.ReverseFind('/');
    return slash < 0 ? m_path : m_path.Mid(slash + 1);
}
