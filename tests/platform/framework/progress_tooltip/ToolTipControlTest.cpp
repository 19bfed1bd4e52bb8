// The standard tooltip as a dialog uses it: tools and their texts, activation, and the tip that
// appears over a tool after the delay when the dialog relays its mouse messages.

#include <gtest/gtest.h>

#include <vector>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/CToolTipCtrl.h"
#include "platform/framework/Framework.h"
#include "platform/framework/gdi/PaintManager.h"

namespace {

constexpr int IDC_LABEL = 3101;
constexpr int IDC_OTHER = 3102;
constexpr int IDC_ASKED = 3103;
constexpr UINT IDS_TIP = 3200;

DialogTemplate tipTemplate()
{
    const DWORD child = WS_CHILD | WS_VISIBLE;
    return DialogTemplate{701, "Tips", DS_SETFONT | WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 20, 20, 200, 80,
                          "MS Sans Serif", 8,
                          {
                              {IDC_LABEL, "Static", "label", child | SS_NOTIFY, 0, 5, 5, 60, 10},
                              {IDC_OTHER, "Static", "other", child | SS_NOTIFY, 0, 5, 25, 60, 10},
                              {IDC_ASKED, "Static", "asked", child | SS_NOTIFY, 0, 5, 45, 60, 10},
                          }};
}

// A dialog that relays its mouse messages to its tooltip, as hosts do, and answers the tooltip's
// questions for the tool whose text is a callback.
class TipDialog : public CDialog {
public:
    CToolTipCtrl tip;
    CString answer = "asked text";
    int questions = 0;

    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (tip.GetSafeHwnd()) tip.RelayEvent(msg);
        return CDialog::PreTranslateMessage(msg);
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        if (hdr->code == TTN_GETDISPINFO) {
            ++questions;
            reinterpret_cast<NMTTDISPINFO*>(lParam)->lpszText = const_cast<LPSTR>(answer.GetString());
            return TRUE;
        }
        return CDialog::OnNotify(wParam, lParam, result);
    }
};

struct Fixture {
    AutomationSession session;
    Automation& a = *session;
    ResourceModule strings{"tip strings", {}, {{IDS_TIP, "Tip from the string table"}}, {}};
    ResourceRegistrar registrar{strings};
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

TEST(ToolTip, HoldsToolsWithTheirTexts)
{
    Fixture f;
    EXPECT_EQ(f.a.ClassName(f.dialog.tip), "tooltips_class32");
    EXPECT_FALSE(f.tipShown());
    EXPECT_TRUE(f.a.IsToolTipActive(f.dialog.tip)); // a new tooltip is active
    EXPECT_EQ(f.dialog.tip.GetToolCount(), 0);

    EXPECT_TRUE(f.dialog.tip.AddTool(f.wnd(IDC_LABEL), "Label tip"));
    EXPECT_FALSE(f.dialog.tip.AddTool(f.wnd(IDC_LABEL), "again")); // the same tool twice
    EXPECT_FALSE(f.dialog.tip.AddTool(nullptr, "nobody"));
    CRect part(0, 0, 10, 10);
    EXPECT_TRUE(f.dialog.tip.AddTool(f.wnd(IDC_OTHER), IDS_TIP, &part, 7));
    EXPECT_EQ(f.dialog.tip.GetToolCount(), 2);

    CString text;
    f.dialog.tip.GetText(text, f.wnd(IDC_LABEL));
    EXPECT_EQ(text, "Label tip");
    f.dialog.tip.GetText(text, f.wnd(IDC_OTHER), 7);
    EXPECT_EQ(text, "Tip from the string table");
    f.dialog.tip.UpdateTipText("Changed", f.wnd(IDC_LABEL));
    EXPECT_EQ(f.a.ToolTipText(f.dialog.tip, f.item(IDC_LABEL)), "Changed");
    f.dialog.tip.UpdateTipText("Nobody's", f.wnd(IDC_ASKED)); // no such tool: nothing changes
    EXPECT_EQ(f.dialog.tip.GetToolCount(), 2);
    f.dialog.tip.GetText(text, f.wnd(IDC_ASKED));
    EXPECT_EQ(text, "");

    EXPECT_EQ(f.a.ToolTipOf(f.item(IDC_LABEL)), f.dialog.tip.GetSafeHwnd());
    EXPECT_EQ(f.a.ToolTipOf(f.item(IDC_OTHER)), f.dialog.tip.GetSafeHwnd());
    EXPECT_EQ(f.a.ToolTipOf(f.item(IDC_ASKED)), nullptr);
    EXPECT_THROW(f.a.IsToolTipActive(f.item(IDC_LABEL)), AutomationError);

    f.dialog.tip.DelTool(f.wnd(IDC_LABEL));
    EXPECT_EQ(f.dialog.tip.GetToolCount(), 1);
    EXPECT_EQ(f.a.ToolTipOf(f.item(IDC_LABEL)), nullptr);
}

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

TEST(ToolTip, ClicksAndTheAutoPopDelayPutTheTipAway)
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

    // After a click the tip stays away while the mouse stays on the tool.
    f.mouse(IDC_OTHER);
    f.mouse(IDC_LABEL);
    f.a.Advance(ToolTipControl::kDefaultInitial);
    ASSERT_TRUE(f.tipShown());
    f.mouse(IDC_LABEL, WM_LBUTTONDOWN);
    EXPECT_FALSE(f.tipShown());
    f.mouse(IDC_LABEL, WM_MOUSEMOVE, 5, 5);
    f.a.Advance(3000);
    EXPECT_FALSE(f.tipShown());
    f.mouse(IDC_OTHER);
    f.mouse(IDC_LABEL);
    f.a.Advance(ToolTipControl::kDefaultInitial);
    EXPECT_TRUE(f.tipShown());
}

TEST(ToolTip, AnInactiveTooltipShowsNothingAndKeepsItsTools)
{
    Fixture f;
    f.dialog.tip.AddTool(f.wnd(IDC_LABEL), "Label tip");
    f.mouse(IDC_LABEL);
    f.a.Advance(ToolTipControl::kDefaultInitial);
    ASSERT_TRUE(f.tipShown());
    f.dialog.tip.Activate(FALSE);
    EXPECT_FALSE(f.a.IsToolTipActive(f.dialog.tip));
    EXPECT_FALSE(f.tipShown());
    f.mouse(IDC_OTHER);
    f.mouse(IDC_LABEL);
    f.a.Advance(10000);
    EXPECT_FALSE(f.tipShown());
    EXPECT_EQ(f.dialog.tip.GetToolCount(), 1);

    f.dialog.tip.Activate(TRUE);
    f.mouse(IDC_OTHER);
    f.mouse(IDC_LABEL);
    f.a.Advance(ToolTipControl::kDefaultInitial);
    EXPECT_TRUE(f.tipShown());
}

TEST(ToolTip, RectangleToolsAndCallbackTexts)
{
    Fixture f;
    CRect corner(0, 0, 10, 5);
    f.dialog.tip.AddTool(f.wnd(IDC_OTHER), "corner", &corner, 2);
    f.dialog.tip.AddTool(f.wnd(IDC_ASKED)); // the text is asked for each time
    f.dialog.tip.SetDelayTime(TTDT_INITIAL, 100);
    EXPECT_EQ(f.dialog.tip.GetDelayTime(TTDT_INITIAL), 100);

    f.mouse(IDC_OTHER, WM_MOUSEMOVE, 20, 3); // outside the rectangle
    f.a.Advance(1000);
    EXPECT_FALSE(f.tipShown());
    f.mouse(IDC_OTHER, WM_MOUSEMOVE, 9, 4);
    f.a.Advance(100);
    ASSERT_TRUE(f.tipShown());
    EXPECT_EQ(f.a.Text(f.dialog.tip), "corner");

    f.mouse(IDC_ASKED);
    f.a.Advance(ToolTipControl::kDefaultReshow); // from one tip straight to the next
    ASSERT_TRUE(f.tipShown());
    EXPECT_EQ(f.a.Text(f.dialog.tip), "asked text");
    EXPECT_EQ(f.dialog.questions, 1);
    f.dialog.answer = "asked again";
    EXPECT_EQ(f.a.ToolTipText(f.dialog.tip, f.item(IDC_ASKED)), "asked again");
}
