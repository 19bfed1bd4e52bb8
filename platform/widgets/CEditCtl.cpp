#include "platform/widgets/CEditCtl.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CEditCtl, CEdit)

namespace {

// True for a printf format that converts exactly one double (%f, %e, %g with flags, width and
// precision) and may hold "%%": anything else would read an argument that is not there.
bool IsDoubleFormat(LPCTSTR format)
{
    int conversions = 0;
    for (const char* p = format; *p; ++p) {
        if (*p != '%') continue;
        ++p;
        if (*p == '%') continue;
        while (*p && std::strchr("-+ #0", *p)) ++p;
        while (*p >= '0' && *p <= '9') ++p;
        if (*p == '.') {
            ++p;
            while (*p >= '0' && *p <= '9') ++p;
        }
        if (!*p || !std::strchr("feEgG", *p)) return false;
        ++conversions;
    }
    return conversions == 1;
}

} // namespace

void CEditCtl::SetFormat(LPCTSTR format)
{
    if (format && *format && IsDoubleFormat(format)) m_strFormat = format;
}

void CEditCtl::SetValue(double value)
{
    m_dValue = value;
    if (!GetSafeHwnd()) return;
    m_strShown.Format(m_strFormat, value);
    SetWindowText(m_strShown);
}

double CEditCtl::GetValue() const
{
    if (!GetSafeHwnd()) return m_dValue;
    CString text;
    GetWindowText(text);
    if (text == m_strShown) return m_dValue;
    char* end = nullptr;
    double value = std::strtod(text, &end);
    return end == text.GetString() ? 0.0 : value;
}
