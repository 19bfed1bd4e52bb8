// The standard tooltip as a dialog uses it: the tip that appears over a tool after the delay when the
// dialog relays its mouse messages, and goes when the mouse leaves. The standard progress bar's
// clamping at both ends, without overflow: the gradient bar's tests compare it message for message
// with the bar (previous positions returned, steps that wrap).

#include <gtest/gtest.h>

#include <vector>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/CProgressCtrl.h"
#include "platform/framework/CToolTipCtrl.h"
#include "platform/framework/Framework.h"
#include "platform/framework/gdi/PaintManager.h"

namespace {

constexpr int IDC_LABEL = 3101;
constexpr int IDC_OTHER = 3102;

DialogTemplate tipTemplate()
{
    const DWORD child = WS_CHILD | WS_VISIBLE;
    return DialogTemplate{701, "Tips", DS_SETFONT | WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 20, 20, 200, 80,
                          "MS Sans Serif", 8,
                          {
                              {IDC_LABEL, "Static", "label", child | SS_NOTIFY, 0, 5, 5, 60, 10},
                              {IDC_OTHER, "Static", "other", child | SS_NOTIFY, 0, 5, 25, 60, 10},
                          }};
}

// A dialog that relays its mouse messages to its tooltip, as hosts do.
class TipDialog : public CDialog {
public:
    CToolTipCtrl tip;

    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (tip.GetSafeHwnd()) tip.RelayEvent(msg);
        return CDialog::PreTranslateMessage(msg);
    }
};

struct Fixture {
    AutomationSession session;
    Automation& a = *session;
    TipDialog dialog;
    Fixture()
    {
        EXPECT_TRUE(dialog.CreateIndirect(tipTemplate(), nullptr));
        EXPECT_TRUE(dialog.tip.Create(&dialog));
    }
    HWND item(int id) { return a.Find(dialog, id); }
    CWnd* wnd(int id) { return dialog.GetDlgItem(id); }
    // The mouse moves (or a button goes down) over a control, through the host loop.
    void mouse(int id, UINT message = WM_MOUSEMOVE, int x = 3, int y = 3)
    {
        ::PostMessage(item(id), message, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
        a.Pump();
    }
    bool tipShown() { return a.IsVisible(dialog.tip); }
};

} // namespace

TEST(ToolTip, ShowsTheTipAfterTheDelayAndHidesItWhenTheMouseLeaves)
{
    Fixture f;
    f.dialog.tip.AddTool(f.wnd(IDC_LABEL), "Label tip");
    f.mouse(IDC_LABEL, WM_MOUSEMOVE, 4, 6);
    f.a.Advance(ToolTipControl::kDefaultInitial - 1);
    EXPECT_FALSE(f.tipShown());
    f.a.Advance(1);
    ASSERT_TRUE(f.tipShown());
    EXPECT_EQ(f.a.Text(f.dialog.tip), "Label tip");
    // Just below the mouse, on top of everything, not taking the activation.
    POINT mouse{4, 6};
    ::ClientToScreen(f.item(IDC_LABEL), &mouse);
    CRect tip = f.a.WindowRect(f.dialog.tip);
    EXPECT_EQ(tip.left, mouse.x);
    EXPECT_GT(tip.top, mouse.y);
    EXPECT_GT(tip.Width(), 20);
    EXPECT_TRUE(f.a.IsTopmost(f.dialog.tip));
    EXPECT_NE(f.a.ActiveWindow(), f.dialog.tip.GetSafeHwnd());
    // Dark text on the info colour inside a frame.
    Surface shown = PaintManager::Get().Render(f.dialog.tip);
    ASSERT_EQ(shown.Width(), tip.Width());
    EXPECT_EQ(shown.GetPixel(0, 0), ::GetSysColor(COLOR_INFOTEXT));
    EXPECT_EQ(shown.GetPixel(1, 1), ::GetSysColor(COLOR_INFOBK));
    int ink = 0;
    for (int y = 2; y < shown.Height() - 2; ++y)
        for (int x = 2; x < shown.Width() - 2; ++x) ink += shown.GetPixel(x, y) != ::GetSysColor(COLOR_INFOBK);
    EXPECT_GT(ink, 20);

    f.mouse(IDC_LABEL, WM_MOUSEMOVE, 8, 6); // moving within the tool keeps it
    EXPECT_TRUE(f.tipShown());
    f.mouse(IDC_OTHER); // not a tool
    EXPECT_FALSE(f.tipShown());
    f.a.Advance(2000);
    EXPECT_FALSE(f.tipShown());
}

TEST(ToolTip, ATipLeftUnderTheMouseGoesAfterTheAutoPopDelay)
{
    Fixture f;
    f.dialog.tip.AddTool(f.wnd(IDC_LABEL), "Label tip");
    f.mouse(IDC_LABEL);
    f.a.Advance(ToolTipControl::kDefaultInitial);
    ASSERT_TRUE(f.tipShown());
    f.a.Advance(ToolTipControl::kDefaultAutoPop - 1);
    EXPECT_TRUE(f.tipShown());
    f.a.Advance(1);
    EXPECT_FALSE(f.tipShown());
}

namespace {

constexpr int IDC_BAR = 3001;

struct BarFixture {
    AutomationSession session;
    Automation& a = *session;
    CDialog dialog;
    HWND bar = nullptr;
    BarFixture()
    {
        EXPECT_TRUE(dialog.CreateIndirect(
            DialogTemplate{700, "Bar", DS_SETFONT | WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 200, 60, "MS Sans Serif", 8,
                           {{IDC_BAR, "msctls_progress32", "", WS_CHILD | WS_VISIBLE | PBS_SMOOTH, 0, 5, 5, 150, 12}}},
            nullptr));
        bar = a.Find(dialog, IDC_BAR);
    }
    LRESULT send(UINT message, WPARAM wParam = 0) { return ::SendMessage(bar, message, wParam, 0); }
};

} // namespace

TEST(ProgressControl, PositionsClampAndReturnThePreviousPosition)
{
    BarFixture f;
    EXPECT_EQ(f.send(PBM_SETPOS, 40), 0);
    EXPECT_EQ(f.send(PBM_SETPOS, 250), 40);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 100);
    EXPECT_EQ(f.send(PBM_SETPOS, static_cast<WPARAM>(-5)), 100);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 0);
    EXPECT_EQ(f.send(PBM_DELTAPOS, 1000), 0);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 100);
    EXPECT_EQ(f.send(PBM_DELTAPOS, static_cast<WPARAM>(INT32_MIN)), 100); // no overflow
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 0);
}

