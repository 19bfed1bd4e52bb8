#pragma once
// Single-byte text of the window system. Bytes are Windows-1252 characters (the degree sign is the
// byte 0xB0); ToUtf8/FromUtf8 convert at the edges (rendering, transcripts, files meant for people).
// Unlike a C string a CString may hold embedded zero bytes; LPCTSTR conversion stops at the first.

#include <cstdarg>
#include <string>
#include <string_view>

#include "platform/framework/WinTypes.h"

class CString {
public:
    CString() = default;
    CString(const char* s) : m_s(s ? s : "") {}
    CString(const char* s, int length);
    CString(char ch, int repeat = 1);
    CString(std::string s) : m_s(std::move(s)) {}
    CString(std::string_view s) : m_s(s) {}

    int GetLength() const { return static_cast<int>(m_s.size()); }
    BOOL IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }

    // Out-of-range indexes read as 0 and writes are ignored, instead of touching memory.
    char GetAt(int i) const;
    char operator[](int i) const { return GetAt(i); }
    void SetAt(int i, char ch);

    operator LPCTSTR() const { return m_s.c_str(); }
    LPCTSTR GetString() const { return m_s.c_str(); }
    const std::string& str() const { return m_s; }

    // printf semantics. A null format leaves the string empty.
    void Format(LPCTSTR format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(LPCTSTR format, va_list args);
    void AppendFormat(LPCTSTR format, ...) __attribute__((format(printf, 2, 3)));
    // Loads a string from the resource chain; FALSE (and unchanged) when no module holds the id.
    BOOL LoadString(UINT id);

    int Compare(LPCTSTR s) const;
    int CompareNoCase(LPCTSTR s) const;

    // -1 when absent; a start beyond the end finds nothing.
    int Find(char ch, int start = 0) const;
    int Find(LPCTSTR sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCTSTR chars) const;

    // Counts are clamped to the string, as the framework does.
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    CString& MakeUpper();
    CString& MakeLower();
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim(char ch);
    int Replace(LPCTSTR from, LPCTSTR to);
    int Replace(char from, char to);
    int Remove(char ch);
    int Insert(int index, LPCTSTR s);
    int Delete(int index, int count = 1);

    // Writable buffer of at least minLength characters; ReleaseBuffer(-1) cuts at the first zero.
    char* GetBuffer(int minLength = 0);
    void ReleaseBuffer(int newLength = -1);

    std::string ToUtf8() const;
    static CString FromUtf8(std::string_view utf8);
    // Unicode code point of one Windows-1252 byte (bytes without a character map to themselves).
    static char32_t CodePointOf(unsigned char ch);

    CString& operator=(const char* s) { m_s = s ? s : ""; return *this; }
    CString& operator=(char ch) { m_s.assign(1, ch); return *this; }
    CString& operator+=(const CString& s) { m_s += s.m_s; return *this; }
    CString& operator+=(const char* s) { if (s) m_s += s; return *this; }
    CString& operator+=(char ch) { m_s += ch; return *this; }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_s + b.m_s); }
    friend CString operator+(const CString& a, const char* b) { CString r(a); r += b; return r; }
    friend CString operator+(const char* a, const CString& b) { CString r(a); r += b; return r; }
    friend CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }
    friend CString operator+(char a, const CString& b) { CString r(a); r += b; return r; }

    friend bool operator==(const CString& a, const CString& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
    friend bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator!=(const char* a, const CString& b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_s < b.m_s; }
    friend bool operator>(const CString& a, const CString& b) { return a.m_s > b.m_s; }

private:
    std::string m_s;
};
