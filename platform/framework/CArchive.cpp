#include "platform/framework/CArchive.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/framework/CFile.h"

namespace {

constexpr int kMinBuffer = 128;
constexpr int kMaxBuffer = 1 << 20;

template <typename To, typename From>
To BitsOf(From from)
{
    static_assert(sizeof(To) == sizeof(From));
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

}  // namespace

CArchive::CArchive(CFile* file, UINT mode, int bufferSize)
    : m_file(file), m_mode(mode), m_buffer(static_cast<std::size_t>(std::clamp(bufferSize, kMinBuffer, kMaxBuffer)))
{
    if (m_file == nullptr || !m_file->IsOpen())
        SetFailure(generic);
}

CArchive::~CArchive()
{
    if (m_mode & bNoFlushOnDelete)
        Abort();
    else
        Close();
}

void CArchive::SetFailure(Failure failure)
{
    if (m_failure == none)
        m_failure = failure;
}

bool CArchive::Fill()
{
    // Called with the buffer consumed.
    m_next = m_end = 0;
    if (m_file == nullptr)
        return false;
    UINT got = m_file->Read(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
    if (got == 0 && m_file->GetError() != 0)
        SetFailure(fileError);
    m_end = got;
    return got > 0;
}

UINT CArchive::Read(void* buffer, UINT count)
{
    if (count == 0)
        return 0;
    if (IsFailed() || buffer == nullptr) {
        SetFailure(generic);
        return 0;
    }
    if (IsStoring()) {
        SetFailure(writeOnly);
        return 0;
    }
    auto* out = static_cast<char*>(buffer);
    UINT done = 0;
    while (done < count) {
        if (m_next >= m_end && !Fill())
            break;
        std::size_t n = std::min<std::size_t>(count - done, m_end - m_next);
        std::memcpy(out + done, m_buffer.data() + m_next, n);
        m_next += n;
        done += static_cast<UINT>(n);
    }
    return done;
}

void CArchive::Write(const void* buffer, UINT count)
{
    if (count == 0)
        return;
    if (IsFailed() || buffer == nullptr) {
        SetFailure(generic);
        return;
    }
    if (IsLoading()) {
        SetFailure(readOnly);
        return;
    }
    const auto* in = static_cast<const char*>(buffer);
    while (count > 0) {
        if (m_end == m_buffer.size() && !Flush())
            return;
        std::size_t n = std::min<std::size_t>(count, m_buffer.size() - m_end);
        std::memcpy(m_buffer.data() + m_end, in, n);
        m_end += n;
        in += n;
        count -= static_cast<UINT>(n);
    }
}

BOOL CArchive::Flush()
{
    if (IsFailed())
        return FALSE;
    if (IsStoring()) {
        if (m_end > 0 && !m_file->Write(m_buffer.data(), static_cast<UINT>(m_end)))
            SetFailure(fileError);
        m_end = 0;
    } else if (m_next < m_end) {
        if (m_file->Seek(-static_cast<std::int64_t>(m_end - m_next), CFile::current) < 0)
            SetFailure(fileError);
        m_next = m_end = 0;
    }
    return !IsFailed();
}

BOOL CArchive::Close()
{
    if (m_file == nullptr)
        return !IsFailed();
    Flush();
    m_file = nullptr;
    BOOL ok = !IsFailed();
    SetFailure(generic);  // nothing more goes through a closed archive
    return ok;
}

void CArchive::Abort()
{
    m_file = nullptr;
    m_next = m_end = 0;
    SetFailure(generic);
}

void CArchive::Put(std::uint64_t value, int bytes)
{
    char data[8];
    for (int i = 0; i < bytes; ++i)
        data[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    Write(data, static_cast<UINT>(bytes));
}

std::uint64_t CArchive::Take(int bytes)
{
    unsigned char data[8] = {};
    if (IsFailed())
        return 0;
    if (Read(data, static_cast<UINT>(bytes)) != static_cast<UINT>(bytes)) {
        SetFailure(endOfFile);
        return 0;
    }
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<std::uint64_t>(data[i]) << (8 * i);
    return value;
}

CArchive& CArchive::operator<<(BYTE v) { Put(v, 1); return *this; }
CArchive& CArchive::operator<<(char v) { Put(static_cast<BYTE>(v), 1); return *this; }
CArchive& CArchive::operator<<(WORD v) { Put(v, 2); return *this; }
CArchive& CArchive::operator<<(short v) { Put(static_cast<WORD>(v), 2); return *this; }
CArchive& CArchive::operator<<(int v) { Put(static_cast<std::uint32_t>(v), 4); return *this; }
CArchive& CArchive::operator<<(unsigned v) { Put(v, 4); return *this; }
CArchive& CArchive::operator<<(long long v) { Put(static_cast<std::uint64_t>(v), 8); return *this; }
CArchive& CArchive::operator<<(unsigned long long v) { Put(v, 8); return *this; }
CArchive& CArchive::operator<<(float v) { Put(BitsOf<std::uint32_t>(v), 4); return *this; }
CArchive& CArchive::operator<<(double v) { Put(BitsOf<std::uint64_t>(v), 8); return *this; }

CArchive& CArchive::operator<<(const CString& v)
{
    auto length = static_cast<std::uint32_t>(v.GetLength());
    if (length < 0xFF) {
        Put(length, 1);
    } else if (length < 0xFFFE) {
        Put(0xFF, 1);
        Put(length, 2);
    } else {
        Put(0xFF, 1);
        Put(0xFFFF, 2);
        Put(length, 4);
    }
    Write(v.GetString(), length);
    return *this;
}

CArchive& CArchive::operator>>(BYTE& v) { v = static_cast<BYTE>(Take(1)); return *this; }
CArchive& CArchive::operator>>(char& v) { v = static_cast<char>(Take(1)); return *this; }
CArchive& CArchive::operator>>(WORD& v) { v = static_cast<WORD>(Take(2)); return *this; }
CArchive& CArchive::operator>>(short& v) { v = static_cast<short>(Take(2)); return *this; }
CArchive& CArchive::operator>>(int& v) { v = static_cast<int>(static_cast<std::uint32_t>(Take(4))); return *this; }
CArchive& CArchive::operator>>(unsigned& v) { v = static_cast<unsigned>(Take(4)); return *this; }
CArchive& CArchive::operator>>(long long& v) { v = static_cast<long long>(Take(8)); return *this; }
CArchive& CArchive::operator>>(unsigned long long& v) { v = Take(8); return *this; }
CArchive& CArchive::operator>>(float& v) { v = BitsOf<float>(static_cast<std::uint32_t>(Take(4))); return *this; }
CArchive& CArchive::operator>>(double& v) { v = BitsOf<double>(Take(8)); return *this; }

CArchive& CArchive::operator>>(CString& v)
{
    v.Empty();
    std::uint64_t length = Take(1);
    if (length == 0xFF) {
        length = Take(2);
        if (length == 0xFFFE) {
            SetFailure(badSchema);  // a wide string
            return *this;
        }
        if (length == 0xFFFF) {
            length = Take(4);
            if (length == 0xFFFFFFFF)
                length = Take(8);
        }
    }
    if (IsFailed())
        return *this;
    if (length > static_cast<std::uint64_t>(INT_MAX)) {
        SetFailure(badSchema);
        return *this;
    }
    // Grow with the data actually read, so a huge length on a short file costs nothing.
    std::string text;
    char chunk[4096];
    while (length > 0) {
        UINT want = static_cast<UINT>(std::min<std::uint64_t>(length, sizeof chunk));
        UINT got = Read(chunk, want);
        text.append(chunk, got);
        if (got < want) {
            SetFailure(endOfFile);
            return *this;
        }
        length -= got;
    }
    v = CString(std::move(text));
    return *this;
}
