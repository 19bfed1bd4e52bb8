#pragma once
// The standard edit ("Edit"): single-line and multi-line text with a selection and a caret.
//
// Typing (WM_CHAR) replaces the selection: printable characters, backspace, and Enter in a
// multi-line edit with ES_WANTRETURN. ES_NUMBER refuses non-digits, ES_READONLY refuses all
// changes and the text limit (EM_LIMITTEXT, 30000 characters by default) refuses growth, each with a
// beep. Every change made by typing, EM_REPLACESEL or Delete sends EN_UPDATE then EN_CHANGE;
// WM_SETTEXT does too for a single-line edit, not for a multi-line one, as documented.
//
// Lines are the text's hard line breaks ("\r\n"): word wrapping needs the font metrics and is done
// by the edit's completion with the other common controls. EM_LINESCROLL moves the first visible
// line within the text.

#include <cstddef>

#include "platform/framework/CString.h"
#include "platform/framework/WinUser.h"

class EditControl {
public:
    static LRESULT WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static constexpr int kExtraBytes = sizeof(void*);
    static constexpr DWORD kDefaultLimit = 30000;

private:
    static EditControl* from(HWND hwnd);
    // Replaces the selection by `text` when the limit allows; notifies. FALSE when refused.
    static bool replaceSelection(HWND hwnd, const CString& text, bool byOperator);
    static int lineCount(const CString& text);
    static int lineStart(const CString& text, int line);
    static int lineOf(const CString& text, int index);

    int m_selStart = 0;
    int m_selEnd = 0;
    DWORD m_limit = kDefaultLimit;
    bool m_modified = false;
    int m_firstLine = 0;
};
