#include "platform/framework/DDX.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/framework/Afx.h"
#include "platform/framework/CDataExchange.h"
#include "platform/framework/CWnd.h"
#include "platform/framework/CommCtrl.h"
#include "platform/framework/FrameworkError.h"
#include "platform/framework/FrameworkStrings.h"

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

CString controlText(HWND control)
{
    CString text;
    CWnd::FromHandle(control)->GetWindowText(text);
    return text;
}

// Sets the text only when it differs, so that no change notification is sent for nothing.
void setControlText(HWND control, const CString& text)
{
    if (controlText(control) != text) ::SetWindowText(control, text);
}

// A whole decimal integer, blanks around it allowed.
bool parseInteger(const CString& text, long long& value, bool allowSign)
{
    const char* p = text.GetString();
    while (isBlank(*p)) ++p;
    const char* start = p;
    if (*p == '+' || *p == '-') {
        if (!allowSign && *p == '-') return false;
        ++p;
    }
    if (*p < '0' || *p > '9') return false;
    errno = 0;
    char* end = nullptr;
    long long v = std::strtoll(start, &end, 10);
    if (errno == ERANGE || !end) return false;
    while (isBlank(*end)) ++end;
    if (*end != '\0') return false;
    value = v;
    return true;
}

// A whole decimal number (no "inf", "nan" or hexadecimal), blanks around it allowed.
bool parseNumber(const CString& text, double& value)
{
    const char* p = text.GetString();
    while (isBlank(*p)) ++p;
    const char* start = p;
    if (*p == '+' || *p == '-') ++p;
    bool digits = false;
    while (*p >= '0' && *p <= '9') {
        ++p;
        digits = true;
    }
    if (*p == '.') {
        ++p;
        while (*p >= '0' && *p <= '9') {
            ++p;
            digits = true;
        }
    }
    if (!digits) return false;
    if (*p == 'e' || *p == 'E') {
        const char* e = p + 1;
        if (*e == '+' || *e == '-') ++e;
        if (*e < '0' || *e > '9') return false;
        while (*e >= '0' && *e <= '9') ++e;
        p = e;
    }
    const char* numberEnd = p;
    while (isBlank(*p)) ++p;
    if (*p != '\0') return false;
    std::string number(start, numberEnd);
    char* end = nullptr;
    errno = 0;
    double v = std::strtod(number.c_str(), &end);
    if (!std::isfinite(v) || (errno == ERANGE && std::fabs(v) > 1.0)) return false;
    value = v;
    return true;
}

[[noreturn]] void failWith(CDataExchange* dx, UINT promptId)
{
    AfxMessageBox(promptId, MB_ICONEXCLAMATION);
    dx->Fail();
}

[[noreturn]] void failRange(CDataExchange* dx, UINT promptId, const CString& low, const CString& high)
{
    CString prompt;
    AfxFormatString2(prompt, promptId, low, high);
    AfxMessageBox(prompt, MB_ICONEXCLAMATION);
    dx->Fail();
}

template <class T>
void exchangeSigned(CDataExchange* dx, int id, T& value, long long low, long long high, const char* format)
{
    HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        long long v = 0;
        if (!parseInteger(controlText(control), v, true) || v < low || v > high) failWith(dx, AFX_IDP_PARSE_INT);
        value = static_cast<T>(v);
    } else {
        CString s;
        s.Format(format, static_cast<long>(value));
        setControlText(control, s);
    }
}

template <class T>
void exchangeUnsigned(CDataExchange* dx, int id, T& value, unsigned long long high, UINT prompt)
{
    HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        long long v = 0;
        if (!parseInteger(controlText(control), v, false) || v < 0 || static_cast<unsigned long long>(v) > high) {
            failWith(dx, prompt);
        }
        value = static_cast<T>(v);
    } else {
        CString s;
        s.Format("%lu", static_cast<unsigned long>(value));
        setControlText(control, s);
    }
}

template <class T>
void exchangeFloating(CDataExchange* dx, int id, T& value, int digits, double limit)
{
    HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        double v = 0;
        if (!parseNumber(controlText(control), v) || std::fabs(v) > limit) failWith(dx, AFX_IDP_PARSE_REAL);
        value = static_cast<T>(v);
    } else {
        CString s;
        s.Format("%.*g", digits, static_cast<double>(value));
        setControlText(control, s);
    }
}

} // namespace

void DDX_Text(CDataExchange* dx, int id, int& value)
{
    exchangeSigned(dx, id, value, INT_MIN, INT_MAX, "%ld");
}

void DDX_Text(CDataExchange* dx, int id, short& value)
{
    exchangeSigned(dx, id, value, SHRT_MIN, SHRT_MAX, "%ld");
}

void DDX_Text(CDataExchange* dx, int id, long& value)
{
    // The framework's long is 32 bits wide; values beyond are refused as on the instrument PC.
    exchangeSigned(dx, id, value, INT32_MIN, INT32_MAX, "%ld");
}

void DDX_Text(CDataExchange* dx, int id, UINT& value)
{
    exchangeUnsigned(dx, id, value, UINT_MAX, AFX_IDP_PARSE_UINT);
}

void DDX_Text(CDataExchange* dx, int id, BYTE& value)
{
    exchangeUnsigned(dx, id, value, 255, AFX_IDP_PARSE_BYTE);
}

void DDX_Text(CDataExchange* dx, int id, float& value)
{
    exchangeFloating(dx, id, value, FLT_DIG, FLT_MAX);
}

void DDX_Text(CDataExchange* dx, int id, double& value)
{
    exchangeFloating(dx, id, value, DBL_DIG, DBL_MAX);
}

void DDX_Text(CDataExchange* dx, int id, CString& value)
{
    HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = controlText(control);
    } else {
        setControlText(control, value);
    }
}

void DDX_Check(CDataExchange* dx, int id, int& value)
{
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessage(control, BM_GETCHECK, 0, 0));
    } else {
        int shown = (value >= 0 && value <= 2) ? value : 0;
        ::SendMessage(control, BM_SETCHECK, static_cast<WPARAM>(shown), 0);
    }
}

void DDX_Radio(CDataExchange* dx, int id, int& value)
{
    HWND first = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) value = -1;
    int index = 0;
    for (HWND h = first; h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (h != first && (::GetWindowLong(h, GWL_STYLE) & WS_GROUP)) break;
        if (!(::SendMessage(h, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) continue;
        if (dx->m_bSaveAndValidate) {
            if (::SendMessage(h, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
        } else {
            ::SendMessage(h, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.m_hWnd) return;
    HWND h = dx->PrepareCtrl(id);
    if (!control.SubclassWindow(h)) {
        CString what;
        what.Format("control %d is already attached to another object and cannot be bound twice", id);
        throw FrameworkError(what.str());
    }
}

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars)
{
    if (dx->m_bSaveAndValidate) {
        if (value.GetLength() > maxChars) {
            CString count;
            count.Format("%d", maxChars);
            CString prompt;
            AfxFormatString1(prompt, AFX_IDP_PARSE_STRING_SIZE, count);
            AfxMessageBox(prompt, MB_ICONEXCLAMATION);
            dx->Fail();
        }
    } else if (dx->m_idLastControl != 0 && dx->m_bEditLastControl) {
        HWND control = ::GetDlgItem(dx->m_pDlgWnd->m_hWnd, dx->m_idLastControl);
        if (control) ::SendMessage(control, EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
    }
}

namespace {

void checkSigned(CDataExchange* dx, long long value, long long low, long long high)
{
    if (!dx->m_bSaveAndValidate || (value >= low && value <= high)) return;
    CString a, b;
    a.Format("%ld", static_cast<long>(low));
    b.Format("%ld", static_cast<long>(high));
    failRange(dx, AFX_IDP_PARSE_INT_RANGE, a, b);
}

void checkUnsigned(CDataExchange* dx, unsigned long long value, unsigned long long low, unsigned long long high)
{
    if (!dx->m_bSaveAndValidate || (value >= low && value <= high)) return;
    CString a, b;
    a.Format("%lu", static_cast<unsigned long>(low));
    b.Format("%lu", static_cast<unsigned long>(high));
    failRange(dx, AFX_IDP_PARSE_INT_RANGE, a, b);
}

void checkFloating(CDataExchange* dx, double value, double low, double high, int digits)
{
    if (!dx->m_bSaveAndValidate || (value >= low && value <= high)) return;
    CString a, b;
    a.Format("%.*g", digits, low);
    b.Format("%.*g", digits, high);
    failRange(dx, AFX_IDP_PARSE_REAL_RANGE, a, b);
}

} // namespace

void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue)
{
    checkSigned(dx, value, minValue, maxValue);
}

void DDV_MinMaxLong(CDataExchange* dx, long value, long minValue, long maxValue)
{
    checkSigned(dx, value, minValue, maxValue);
}

void DDV_MinMaxShort(CDataExchange* dx, short value, short minValue, short maxValue)
{
    checkSigned(dx, value, minValue, maxValue);
}

void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minValue, UINT maxValue)
{
    checkUnsigned(dx, value, minValue, maxValue);
}

void DDV_MinMaxDWord(CDataExchange* dx, DWORD value, DWORD minValue, DWORD maxValue)
{
    checkUnsigned(dx, value, minValue, maxValue);
}

void DDV_MinMaxByte(CDataExchange* dx, BYTE value, BYTE minValue, BYTE maxValue)
{
    checkUnsigned(dx, value, minValue, maxValue);
}

void DDV_MinMaxFloat(CDataExchange* dx, float value, float minValue, float maxValue)
{
    checkFloating(dx, value, minValue, maxValue, FLT_DIG);
}

void DDV_MinMaxDouble(CDataExchange* dx, double value, double minValue, double maxValue)
{
    checkFloating(dx, value, minValue, maxValue, DBL_DIG);
}

// --- combo boxes --------------------------------------------------------------------------------------

namespace {

void exchangeComboText(CDataExchange* dx, int id, CString& value, UINT findMessage)
{
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = controlText(control);
        return;
    }
    LRESULT found = ::SendMessage(control, findMessage, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.GetString()));
    if (found >= 0) {
        ::SendMessage(control, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
    } else {
        // A drop-down takes the text; a drop-down list has no edit and keeps what it shows.
        DWORD type = static_cast<DWORD>(::GetWindowLong(control, GWL_STYLE)) & CBS_TYPEMASK;
        if (type != CBS_DROPDOWNLIST) setControlText(control, value);
    }
}

} // namespace

void DDX_CBString(CDataExchange* dx, int id, CString& value)
{
    exchangeComboText(dx, id, value, CB_FINDSTRING);
}

void DDX_CBStringExact(CDataExchange* dx, int id, CString& value)
{
    exchangeComboText(dx, id, value, CB_FINDSTRINGEXACT);
}

void DDX_CBIndex(CDataExchange* dx, int id, int& value)
{
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessage(control, CB_GETCURSEL, 0, 0));
    } else {
        ::SendMessage(control, CB_SETCURSEL, static_cast<WPARAM>(value), 0);
    }
}
