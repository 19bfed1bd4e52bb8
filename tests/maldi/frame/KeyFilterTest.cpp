// Keys the operator presses in a tool window: what each kind of window swallows, what reaches the
// dialog, and the values moved into the members before filtering.

#include <memory>

#include "FrameTestSupport.h"

using namespace frame_test;

namespace {

struct Kind {
    const char* name;
    ToolWindowInfo info;
    bool tab, enter, escape, arrows; // swallowed
};

const Kind kKinds[] = {
    {"probe adjust", probeAdjustKind(), true, true, true, false},
    {"source swap", sourceSwapKind(), true, true, true, false},
    {"acquisition", acquisitionKind(), true, false, true, false},
    {"crosshair", crosshairKind(), true, false, true, true},
    {"calibration", calibrationKind(), false, true, false, false},
};

struct Window {
    AutomationSession session;
    FrameResources resources;
    std::unique_ptr<TestToolWindow<>> w;
    HWND hwnd = nullptr;

    explicit Window(const ToolWindowInfo& info) : w(resources.Open<TestToolWindow<>>(info)), hwnd(w->m_hWnd)
    {
        w->DisplayWindow();
    }
    HWND control(int id) const { return session->Find(hwnd, id); }
};

} // namespace

TEST(ToolWindowKeys, EnterTabAndEscapeAreSwallowedOrReachTheDialog)
{
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        Window t(kind.info);
        t.session->Click(t.control(IDC_VALUE));
        // Enter, when passed on, presses the default button; it never closes the window.
        t.session->PressKey(VK_RETURN);
        EXPECT_EQ(t.w->goClicks, kind.enter ? 0 : 1);
        EXPECT_EQ(t.w->oks, 0);
        // Tab, when passed on, moves the focus to the next control.
        t.session->Click(t.control(IDC_VALUE));
        t.session->PressKey(VK_TAB);
        EXPECT_EQ(t.session->FocusWindow(), kind.tab ? t.control(IDC_VALUE) : t.control(IDC_GO));
        // Escape, when passed on, cancels the dialog.
        t.session->Click(t.control(IDC_VALUE));
        t.session->PressKey(VK_ESCAPE);
        EXPECT_EQ(t.w->cancels, kind.escape ? 0 : 1);
        EXPECT_EQ(t.session->IsVisible(t.hwnd), kind.escape);
    }
}

TEST(ToolWindowKeys, ArrowKeysAreSwallowedOnlyByTheCrosshairKind)
{
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        Window t(kind.info);
        t.session->Click(t.control(IDC_RADIO1));
        for (UINT key : {VK_DOWN, VK_RIGHT}) {
            t.session->PressKeyTo(t.control(IDC_RADIO1), key);
            EXPECT_EQ(t.session->FocusWindow(), kind.arrows ? t.control(IDC_RADIO1) : t.control(IDC_RADIO2));
            t.session->Click(t.control(IDC_RADIO1));
        }
        EXPECT_EQ(t.session->CheckState(t.control(IDC_RADIO1)), BST_CHECKED);
    }
}

TEST(ToolWindowKeys, WindowsThatAskForItHaveTheirMembersReadForEveryMessage)
{
    Window probe(probeAdjustKind());
    probe.session->ReplaceText(probe.control(IDC_VALUE), "42");
    EXPECT_EQ(probe.w->value, 42);
    // A change that sent nothing through the message loop is read at the next message, whatever
    // it is: here a timer tick.
    ::SetWindowText(probe.control(IDC_VALUE), "7");
    EXPECT_EQ(probe.w->value, 42);
    probe.w->SetTimer(5, 200);
    probe.session->Advance(200);
    EXPECT_EQ(probe.w->value, 7);

    Window acquisition(acquisitionKind());
    acquisition.session->ReplaceText(acquisition.control(IDC_VALUE), "42");
    acquisition.w->SetTimer(5, 200);
    acquisition.session->Advance(200);
    EXPECT_EQ(acquisition.w->value, 0);
}
