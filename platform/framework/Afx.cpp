#include "platform/framework/Afx.h"

#include "platform/framework/CWinApp.h"
#include "platform/framework/CWnd.h"

namespace {

UINT withDefaultIcon(UINT type)
{
    if (type & MB_ICONMASK) return type;
    switch (type & MB_TYPEMASK) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return type | MB_ICONQUESTION;
    default:
        return type | MB_ICONEXCLAMATION;
    }
}

CString formatted(UINT id, LPCTSTR s1, LPCTSTR s2)
{
    CString text;
    text.LoadString(id);
    text.Replace("%1", s1 ? s1 : "");
    if (s2) text.Replace("%2", s2);
    return text;
}

} // namespace

int AfxMessageBox(LPCTSTR text, UINT type, UINT)
{
    HWND owner = ::GetActiveWindow();
    return ::MessageBox(owner, text ? text : "", AfxGetAppName(), withDefaultIcon(type));
}

int AfxMessageBox(UINT promptId, UINT type, UINT)
{
    CString text;
    text.LoadString(promptId);
    return AfxMessageBox(text, type);
}

LPCTSTR AfxGetAppName()
{
    return AfxGetApp()->m_pszAppName;
}

CWnd* AfxGetMainWnd()
{
    return AfxGetApp()->m_pMainWnd;
}

void AfxFormatString1(CString& result, UINT id, LPCTSTR s1)
{
    result = formatted(id, s1, nullptr);
}

void AfxFormatString2(CString& result, UINT id, LPCTSTR s1, LPCTSTR s2)
{
    result = formatted(id, s1, s2);
}
