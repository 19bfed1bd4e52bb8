#pragma once
// The standard edit ("Edit"): single-line and multi-line text with a selection and a caret.
//
// Typing (WM_CHAR) replaces the selection: printable characters, backspace, and Enter in a
// multi-line edit with ES_WANTRETURN. ES_NUMBER refuses non-digits, ES_READONLY refuses all
// changes and the text limit (EM_LIMITTEXT, 30000 characters by default) refuses growth, each with a
// beep. Every change made by typing, EM_REPLACESEL or Delete sends EN_UPDATE then EN_CHANGE;
// WM_SETTEXT does too for a single-line edit, not for a multi-line one, as documented.
//
// EM_REPLACESEL and WM_SETTEXT change a read-only edit too (read-only stops the operator only).
//
// Lines: a single-line edit has one. A multi-line edit breaks at its hard line breaks ("\r\n") and,
// unless it scrolls horizontally (ES_AUTOHSCROLL or WS_HSCROLL), wraps its words at the width of
// its formatting rectangle in its font (TextLayout::Wrap): EM_GETLINECOUNT, EM_LINEINDEX,
// EM_LINEFROMCHAR, EM_LINELENGTH and EM_GETLINE all count these lines, and painting shows them.
// The formatting rectangle is the client area less a one-pixel margin left and right.
// Scrolling: the first visible line moves by EM_LINESCROLL, by WM_VSCROLL (line, page, top,
// bottom, thumb; EN_VSCROLL to the parent first), and, with ES_AUTOVSCROLL, to keep the caret in
// view after typing. EM_LINESCROLL stops when the last line is at the top, as documented; the
// others when it is at the bottom.

#include <cstddef>
#include <vector>

#include "platform/framework/CRect.h"
#include "platform/framework/CString.h"
#include "platform/framework/TextLayout.h"
#include "platform/framework/WinUser.h"

class CDC;

class EditControl {
public:
    static LRESULT WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static constexpr DWORD kDefaultLimit = 30000;
    static constexpr int kMargin = 1;

    // What painting needs: where the text goes, its lines, and the first one shown.
    static CRect FormatRect(HWND hwnd);
    // The lines are kept between calls and, when a replacement changes the text, laid out again
    // only for the hard lines it touched, so that appending to a long log costs what the appended
    // text costs.
    static const std::vector<TextLayout::Line>& Lines(HWND hwnd);
    static int FirstVisibleLine(HWND hwnd);
    static int VisibleLineCount(HWND hwnd);
    // Draws the edit into a context set up on its client area: the parent's WM_CTLCOLOREDIT brush
    // (WM_CTLCOLORSTATIC when read-only or disabled), the lines from the first visible one in the
    // formatting rectangle, aligned by ES_LEFT / ES_CENTER / ES_RIGHT, '*' for each character of
    // an ES_PASSWORD edit, grey when disabled, the selection highlighted while the edit has the
    // focus (always with ES_NOHIDESEL). No caret is drawn.
    static void Paint(HWND hwnd, CDC& dc);

private:
    static LRESULT handle(HWND hwnd, EditControl& self, UINT message, WPARAM wParam, LPARAM lParam);
    static EditControl* from(HWND hwnd);
    // Replaces the selection by `text` when the limit allows; notifies. FALSE when refused.
    static bool replaceSelection(HWND hwnd, const CString& text, bool byOperator);
    static int lineOf(const std::vector<TextLayout::Line>& lines, int index);
    // EM_LINESCROLL may bring the last line to the top; the scroll bar and the caret stop when the
    // last line reaches the bottom.
    static void scrollTo(HWND hwnd, int firstLine, bool lastLineOnTop);
    static void scrollCaretIntoView(HWND hwnd);

    // The layout of the text, and what it was made for.
    struct Layout {
        bool valid = false;
        DWORD style = 0;
        int width = 0;
        HFONT font = nullptr;
        int length = 0;
        std::vector<TextLayout::Line> lines;
    };
    static std::vector<TextLayout::Line> layOut(HWND hwnd, const CString& text);
    // The key the layout of `text` in the edit's current style, width and font would have.
    static Layout keyOf(HWND hwnd, const CString& text);
    // The layout after [a, b) of `before` became `inserted` characters, giving `after`.
    void relayOut(HWND hwnd, const CString& before, const CString& after, int a, int b, int inserted);

    Layout m_layout;
    int m_selStart = 0;
    int m_selEnd = 0;
    DWORD m_limit = kDefaultLimit;
    bool m_modified = false;
    int m_firstLine = 0;
};
