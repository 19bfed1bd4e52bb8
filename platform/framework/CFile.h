#pragma once
// Binary file of the framework: open, read, write, seek and close on a path.
//
// Failures are results, never exceptions: Open, Write, Flush and Close return FALSE, Read returns the
// bytes it could read, Seek returns -1, and GetError() gives the errno of the last operation's
// failure (0 when it succeeded; so after a short Read, 0 means the end of the file). Share modes, typeText and modeNoInherit are accepted and have no effect here: files are
// always binary, never inherited, and one process owns them.
//
// Safe saves. modeCreate without modeNoTruncate on a regular file (or a new path) does not truncate
// the file: writes go to a temporary file beside it (".~<name>.<random>"), and Close renames that
// over the target only when every write, the flush and the sync succeeded. Until then readers see
// the previous content; after a failed write, a failed Close or Abort() the previous file is exactly
// as it was. The new file keeps the permissions of the one it replaces; through a symbolic link the
// file it points to is replaced. Devices, pipes and other special files are written directly.
// A folder is never opened (EISDIR).

#include <cstdint>

#include "platform/framework/CString.h"
#include "platform/framework/SafeSave.h"
#include "platform/framework/WinTypes.h"

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

    CFile() = default;
    // Closes the file as Close() does, so a completed save is kept.
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE when the path is null or empty (EINVAL/ENOENT), a folder (EISDIR), the flags ask for
    // both modeWrite and modeReadWrite or modeCreate without a write mode (EINVAL), this object
    // already has a file open (EBUSY), or the system refuses.
    virtual BOOL Open(LPCTSTR path, UINT openFlags);
    // Reads up to count bytes; fewer only at the end of the file or on a failure (then GetError()).
    virtual UINT Read(void* buffer, UINT count);
    // Writes all count bytes or returns FALSE. A failed write of a safe save dooms it: Close will
    // keep the previous file.
    virtual BOOL Write(const void* buffer, UINT count);
    // New position, or -1 when the file is closed or the position would be negative.
    virtual std::int64_t Seek(std::int64_t offset, UINT from);
    void SeekToBegin() { Seek(0, begin); }
    std::uint64_t SeekToEnd();
    std::uint64_t GetLength() const;
    std::uint64_t GetPosition() const;
    // Pushes written data to the disk.
    virtual BOOL Flush();
    // Completes a safe save (see above) and closes. TRUE when the file is closed and, for a save,
    // in place. Closing a closed file does nothing and returns TRUE.
    virtual BOOL Close();
    // Closes without completing a save: the previous file stays, the temporary file goes.
    virtual void Abort();

    BOOL IsOpen() const { return m_fd >= 0; }
    // The path as given to Open, and its last component.
    CString GetFilePath() const { return m_path; }
    CString GetFileName() const;
    int GetError() const { return m_error; }

private:
    BOOL OpenSafeSave(LPCTSTR path, bool readToo);
    BOOL Fail(int error);
    // Also dooms a pending save with the error.
    BOOL FailSave(int error);
    void Reset();

    int m_fd = -1;
    int m_error = 0;
    CString m_path;
    SafeSave m_save;  // pending while a safe save is open
    int m_saveError = 0;  // the first write failure; the save keeps the previous file
};
