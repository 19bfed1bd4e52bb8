#pragma once
// Buffered binary stream over a CFile, for objects that store and load themselves.
//
// Byte layout, as the framework writes it: numbers are little-endian, two's complement or IEEE 754
// (BYTE and char 1 byte, WORD and short 2, int/LONG/BOOL and UINT/DWORD 4, float 4, double 8,
// long long 8). `long` has no operator here, because it is 8 bytes on this platform and 4 in the
// framework's files: use LONG or long long. A CString is its length, then its bytes: a length below
// 255 is one byte; below 0xFFFE it is 0xFF then a WORD; otherwise 0xFF, 0xFFFF, then a DWORD (and a
// DWORD of 0xFFFFFFFF announces a 64-bit length). The wide-string marker (0xFF, 0xFFFE) is refused
// as a bad schema: this system writes single-byte text only.
//
// Failures do not throw. The first failure is recorded (GetFailure) and sticks: afterwards reads give
// 0 or an empty string and writes do nothing. A loader reads all its values, then tests IsFailed()
// before it uses any of them. Reading past the end records endOfFile; a reader that finds values it
// cannot accept records badSchema through SetFailure. Loading never allocates more than the data that
// is actually there, however large a length prefix claims to be.

#include <cstdint>
#include <vector>

#include "platform/framework/CString.h"
#include "platform/framework/WinTypes.h"

class CFile;

class CArchive {
public:
    enum Mode : UINT { store = 0, load = 1, bNoFlushOnDelete = 2 };
    enum Failure : int {
        none = 0,
        generic,      // used after Close, or without a file
        readOnly,     // a write to an archive that loads
        endOfFile,    // a read past the end of the data
        writeOnly,    // a read from an archive that stores
        badSchema,    // the data is not what the reader accepts
        fileError,    // the file refused a read or a write (its GetError() tells why)
    };

    // The buffer size is clamped to 128 bytes .. 1 MiB. The file is not owned and must outlive the
    // archive's Close.
    CArchive(CFile* file, UINT mode, int bufferSize = 4096);
    // Closes as Close() does, unless the mode has bNoFlushOnDelete (then as Abort()).
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_mode & load) != 0; }
    BOOL IsStoring() const { return (m_mode & load) == 0; }
    CFile* GetFile() const { return m_file; }

    BOOL IsFailed() const { return m_failure != none; }
    Failure GetFailure() const { return m_failure; }
    // Records a failure (the first one wins); none is ignored.
    void SetFailure(Failure failure);
    // TRUE when the load buffer holds no unread byte (the file may still have more).
    BOOL IsBufferEmpty() const { return m_next >= m_end; }

    // Raw bytes. Read returns how many it got (fewer at the end, without a failure); Write stores
    // them all or records the failure.
    UINT Read(void* buffer, UINT count);
    void Write(const void* buffer, UINT count);

    // Storing: writes the buffer to the file. Loading: moves the file back to the first unread byte.
    // FALSE when the archive has failed.
    BOOL Flush();
    // Flush, then let go of the file (which stays open). TRUE when the archive never failed.
    BOOL Close();
    // Let go of the file without writing the buffer.
    void Abort();

    CArchive& operator<<(BYTE v);
    CArchive& operator<<(char v);
    CArchive& operator<<(WORD v);
    CArchive& operator<<(short v);
    CArchive& operator<<(int v);
    CArchive& operator<<(unsigned v);
    CArchive& operator<<(long long v);
    CArchive& operator<<(unsigned long long v);
    CArchive& operator<<(float v);
    CArchive& operator<<(double v);
    CArchive& operator<<(const CString& v);
    CArchive& operator<<(const char* v) { return *this << CString(v); }

    CArchive& operator>>(BYTE& v);
    CArchive& operator>>(char& v);
    CArchive& operator>>(WORD& v);
    CArchive& operator>>(short& v);
    CArchive& operator>>(int& v);
    CArchive& operator>>(unsigned& v);
    CArchive& operator>>(long long& v);
    CArchive& operator>>(unsigned long long& v);
    CArchive& operator>>(float& v);
    CArchive& operator>>(double& v);
    CArchive& operator>>(CString& v);

private:
    void Put(std::uint64_t value, int bytes);
    std::uint64_t Take(int bytes);
    bool Fill();

    CFile* m_file;
    UINT m_mode;
    Failure m_failure = none;
    std::vector<char> m_buffer;
    // Loading: unread bytes are [m_next, m_end). Storing: m_end is the fill level.
    std::size_t m_next = 0;
    std::size_t m_end = 0;
};
