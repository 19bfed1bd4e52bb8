#pragma once
// The framework's global helpers.
//
// AfxMessageBox shows a box captioned with the application's name. Like the framework it adds an
// icon when the flags give none: the exclamation for OK and OK/Cancel boxes, the question mark for
// Yes/No and Yes/No/Cancel boxes, the exclamation for the others. The string-id form loads its
// text through the resource chain (an id no module holds shows an empty text).

#include "platform/framework/CString.h"
#include "platform/framework/WinUser.h"

class CWinApp;
class CWnd;

int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = static_cast<UINT>(-1));
CWinApp* AfxGetApp();
LPCTSTR AfxGetAppName();
CWnd* AfxGetMainWnd();
// The text of string `id` with %1 (and %2) replaced.
void AfxFormatString1(CString& result, UINT id, LPCTSTR s1);
void AfxFormatString2(CString& result, UINT id, LPCTSTR s1, LPCTSTR s2);
