#include "platform/framework/CString.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/framework/ResourceChain.h"

namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252; 0 marks the five bytes without a character.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool isBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

CString::CString(const char* s, int length)
{
    if (s && length > 0) m_s.assign(s, static_cast<size_t>(length));
}

CString::CString(char ch, int repeat)
{
    if (repeat > 0) m_s.assign(static_cast<size_t>(repeat), ch);
}

char CString::GetAt(int i) const
{
    return (i >= 0 && i < GetLength()) ? m_s[static_cast<size_t>(i)] : '\0';
}

void CString::SetAt(int i, char ch)
{
    if (i >= 0 && i < GetLength()) m_s[static_cast<size_t>(i)] = ch;
}

void CString::FormatV(LPCTSTR format, va_list args)
{
    m_s.clear();
    if (!format) return;
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n <= 0) return;
    std::vector<char> buf(static_cast<size_t>(n) + 1);
    std::vsnprintf(buf.data(), buf.size(), format, args);
    m_s.assign(buf.data(), static_cast<size_t>(n));
}

void CString::Format(LPCTSTR format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(LPCTSTR format, ...)
{
    CString tail;
    va_list args;
    va_start(args, format);
    tail.FormatV(format, args);
    va_end(args);
    m_s += tail.m_s;
}

int CString::Compare(LPCTSTR s) const
{
    int r = std::strcmp(m_s.c_str(), s ? s : "");
    return (r > 0) - (r < 0);
}

int CString::CompareNoCase(LPCTSTR s) const
{
    CString a(*this), b(s);
    return a.MakeLower().Compare(b.MakeLower());
}

int CString::Find(char ch, int start) const
{
    if (start < 0) start = 0;
    if (start >= GetLength()) return -1;
    auto pos = m_s.find(ch, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(LPCTSTR sub, int start) const
{
    if (!sub) return -1;
    if (start < 0) start = 0;
    if (start > GetLength()) return -1;
    auto pos = m_s.find(sub, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const
{
    auto pos = m_s.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(LPCTSTR chars) const
{
    if (!chars) return -1;
    auto pos = m_s.find_first_of(chars);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

CString CString::Left(int count) const
{
    count = std::clamp(count, 0, GetLength());
    return CString(m_s.substr(0, static_cast<size_t>(count)));
}

CString CString::Right(int count) const
{
    count = std::clamp(count, 0, GetLength());
    return CString(m_s.substr(static_cast<size_t>(GetLength() - count)));
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_s.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString& CString::MakeUpper()
{
    for (auto& c : m_s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return *this;
}

CString& CString::MakeLower()
{
    for (auto& c : m_s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return *this;
}

CString& CString::TrimLeft()
{
    size_t i = 0;
    while (i < m_s.size() && isBlank(m_s[i])) ++i;
    m_s.erase(0, i);
    return *this;
}

CString& CString::TrimRight()
{
    while (!m_s.empty() && isBlank(m_s.back())) m_s.pop_back();
    return *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(char ch)
{
    while (!m_s.empty() && m_s.back() == ch) m_s.pop_back();
    size_t i = 0;
    while (i < m_s.size() && m_s[i] == ch) ++i;
    m_s.erase(0, i);
    return *this;
}

int CString::Replace(LPCTSTR from, LPCTSTR to)
{
    if (!from || !*from) return 0;
    std::string f(from), t(to ? to : "");
    int n = 0;
    for (size_t pos = m_s.find(f); pos != std::string::npos; pos = m_s.find(f, pos + t.size())) {
        m_s.replace(pos, f.size(), t);
        ++n;
    }
    return n;
}

int CString::Replace(char from, char to)
{
    int n = 0;
    for (auto& c : m_s) {
        if (c == from) {
            c = to;
            ++n;
        }
    }
    return n;
}

int CString::Remove(char ch)
{
    auto old = m_s.size();
    m_s.erase(std::remove(m_s.begin(), m_s.end(), ch), m_s.end());
    return static_cast<int>(old - m_s.size());
}

int CString::Insert(int index, LPCTSTR s)
{
    index = std::clamp(index, 0, GetLength());
    if (s) m_s.insert(static_cast<size_t>(index), s);
    return GetLength();
}

int CString::Delete(int index, int count)
{
    if (index >= 0 && index < GetLength() && count > 0) {
        m_s.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    }
    return GetLength();
}

char* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength()) m_s.resize(static_cast<size_t>(minLength));
    return m_s.data();
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0) {
        m_s.resize(std::strlen(m_s.c_str()));
    } else {
        m_s.resize(static_cast<size_t>(std::min(newLength, GetLength())));
    }
}

char32_t CString::CodePointOf(unsigned char ch)
{
    if (ch >= 0x80 && ch <= 0x9F && kHighControls[ch - 0x80] != 0) return kHighControls[ch - 0x80];
    return ch;
}

std::string CString::ToUtf8() const
{
    std::string out;
    out.reserve(m_s.size());
    for (unsigned char ch : m_s) appendUtf8(out, CodePointOf(ch));
    return out;
}

CString CString::FromUtf8(std::string_view utf8)
{
    // Characters outside Windows-1252 become '?'; malformed sequences are taken byte by byte.
    std::string out;
    size_t i = 0;
    while (i < utf8.size()) {
        unsigned char b = static_cast<unsigned char>(utf8[i]);
        char32_t cp = b;
        size_t len = 1;
        if (b >= 0xC0 && b < 0xE0 && i + 1 < utf8.size()) {
            cp = ((b & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            len = 2;
        } else if (b >= 0xE0 && b < 0xF0 && i + 2 < utf8.size()) {
            cp = ((b & 0x0Fu) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
                 (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
            len = 3;
        } else if (b >= 0xF0 && i + 3 < utf8.size()) {
            cp = U'?';
            len = 4;
        }
        i += len;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 32; ++k) {
            if (kHighControls[k] != 0 && kHighControls[k] == cp) mapped = static_cast<char>(0x80 + k);
        }
        out += mapped;
    }
    return CString(out);
}


BOOL CString::LoadString(UINT id)
{
    const CString* s = ResourceChain::Get().FindString(id);
    if (!s) return FALSE;
    *this = *s;
    return TRUE;
}
