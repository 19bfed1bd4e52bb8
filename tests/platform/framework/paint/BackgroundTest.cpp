// A dialog's background fill skips the child dialogs that paint all of their window after it; every
// other child, and every context outside a paint cycle, gets the whole fill.

#include <gtest/gtest.h>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/DialogManager.h"
#include "platform/framework/Framework.h"
#include "platform/framework/gdi/CBitmap.h"
#include "platform/framework/gdi/CBrush.h"
#include "platform/framework/gdi/CDC.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
const CRect kChildRect(20, 10, 80, 50);  // in the parent's client area

// The parent's background is red.
INT_PTR CALLBACK RedBackground(HWND, UINT message, WPARAM, LPARAM)
{
    static CBrush red(kRed);
    return message == WM_CTLCOLORDLG ? reinterpret_cast<INT_PTR>(red.m_hObject) : FALSE;
}

// A child that takes WM_ERASEBKGND and draws nothing.
INT_PTR CALLBACK ErasesNothing(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message != WM_ERASEBKGND) return FALSE;
    ::SetWindowLongPtr(dialog, DWLP_MSGRESULT, 1);
    return TRUE;
}

HWND MakeDialog(HWND parent, DWORD style, DLGPROC proc)
{
    const DialogTemplate t{0, "", style, 0, 0, 0, 40, 30, "MS Sans Serif", 8, {}};
    HWND dialog = DialogManager::CreateIndirect(nullptr, t, parent, proc, 0, nullptr);
    EXPECT_NE(dialog, nullptr);
    return dialog;
}

struct Scene {
    HWND parent = MakeDialog(nullptr, WS_POPUP | WS_VISIBLE, &RedBackground);
    HWND child;
    Scene(DWORD childStyle, DLGPROC childProc) : child(MakeDialog(parent, childStyle | DS_CONTROL, childProc))
    {
        ::SetWindowPos(parent, nullptr, 100, 100, 200, 150, SWP_NOZORDER | SWP_NOACTIVATE);
        ::SetWindowPos(child, nullptr, kChildRect.left, kChildRect.top, kChildRect.Width(), kChildRect.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
};

int RedPixels(const Surface& s, const CRect& r)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += s.GetPixel(x, y) == kRed;
    return n;
}

} // namespace

TEST(Background, ChildrenThatDoNotPaintAllOfTheirWindowGetTheParentsFillUnderThem)
{
    struct Case {
        const char* child;
        DWORD style;
        DLGPROC proc;
        bool parentShows;
    } const cases[] = {
        {"a child dialog of the dialog manager alone", WS_CHILD | WS_VISIBLE, nullptr, false},
        {"a hidden child dialog", WS_CHILD, nullptr, true},
        {"a child dialog whose procedure takes the erase", WS_CHILD | WS_VISIBLE, &ErasesNothing, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.child);
        AutomationSession session;
        Scene scene(c.style, c.proc);
        const Surface image = session->Render(scene.parent);
        EXPECT_EQ(RedPixels(image, kChildRect), c.parentShows ? kChildRect.Width() * kChildRect.Height() : 0);
        EXPECT_EQ(RedPixels(image, CRect(0, 0, 200, 10)), 200 * 10) << "around the child the parent fills";
    }
}

TEST(Background, AFillOutsideThePaintCycleIsWholeEvenUnderAChildThatPaintsItself)
{
    AutomationSession session;
    Scene scene(WS_CHILD | WS_VISIBLE, nullptr);
    session->Render(scene.parent);
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&memory, 200, 150);
    memory.SelectObject(&bitmap);
    ::SendMessage(scene.parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.GetSafeHdc()), 0);
    EXPECT_EQ(RedPixels(*memory.GetSurface(), kChildRect), kChildRect.Width() * kChildRect.Height());
}
