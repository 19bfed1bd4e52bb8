// A dialog's background fill skips only the child dialogs that paint all of their window after it.

#include <gtest/gtest.h>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/DialogManager.h"
#include "platform/framework/Framework.h"
#include "platform/framework/gdi/CBitmap.h"
#include "platform/framework/gdi/CBrush.h"
#include "platform/framework/gdi/CDC.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

INT_PTR CALLBACK RedBackground(HWND, UINT message, WPARAM, LPARAM)
{
    static CBrush red(kRed);
    return message == WM_CTLCOLORDLG ? reinterpret_cast<INT_PTR>(red.m_hObject) : FALSE;
}

INT_PTR CALLBACK ErasesNothing(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message == WM_ERASEBKGND) ::SetWindowLongPtr(dialog, DWLP_MSGRESULT, 1);
    return message == WM_ERASEBKGND;
}

HWND MakeDialog(HWND parent, DWORD style, DLGPROC proc)
{
    return DialogManager::CreateIndirect(nullptr, {0, "", style, 0, 0, 0, 40, 30, "MS Sans Serif", 8, {}}, parent, proc, 0,
                                         nullptr);
}

} // namespace

// Faults: a hidden child, one whose procedure takes the erase, or a context outside the paint
// cycle (WM_PRINTCLIENT) left without the parent's background under the child.
TEST(Background, ParentFillsUnderChildrenThatDoNotRepaintAllOfTheirWindow)
{
    const struct { DWORD style; DLGPROC proc; } cases[] = {{WS_CHILD, nullptr}, {WS_CHILD | WS_VISIBLE, &ErasesNothing}};
    for (const auto& c : cases) {
        AutomationSession session;
        HWND parent = MakeDialog(nullptr, WS_POPUP | WS_VISIBLE, &RedBackground);
        HWND child = MakeDialog(parent, c.style | DS_CONTROL, c.proc);
        ::SetWindowPos(child, nullptr, 0, 0, 10, 10, SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_EQ(session->Render(parent).GetPixel(5, 5), kRed);
    }
    AutomationSession session;
    HWND parent = MakeDialog(nullptr, WS_POPUP | WS_VISIBLE, &RedBackground);
    MakeDialog(parent, WS_CHILD | WS_VISIBLE | DS_CONTROL, nullptr);
    session->Render(parent);
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&memory, 20, 20);
    memory.SelectObject(&bitmap);
    ::SendMessage(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.GetSafeHdc()), 0);
    EXPECT_EQ(memory.GetPixel(5, 5), kRed);
}
