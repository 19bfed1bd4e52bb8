// Drawing at scale 2, for high-density screens: fills and edges doubled, text rendered from the
// font at twice the size, and a new window's first paint made at the front end's scale.

#include <gtest/gtest.h>

#include "platform/framework/Automation.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/Framework.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/PaintManager.h"

namespace {

enum : int { IDC_LABEL = 100, IDC_ETCHED, IDC_CHECK, IDC_EDIT };
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

DialogTemplate controls()
{
    return DialogTemplate{700, "Scaled", DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 10, 10, 160, 80,
                          "MS Sans Serif", 8,
                          {{IDC_LABEL, "Static", "Left label", kChild | SS_LEFT, 0, 7, 7, 70, 8},
                           {IDC_CHECK, "Button", "&Checked", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 7, 20, 100, 10},
                           {IDC_EDIT, "Edit", "Single line", kChild | WS_BORDER | WS_TABSTOP, 0, 7, 34, 110, 14},
                           {IDC_ETCHED, "Static", "", kChild | SS_ETCHEDHORZ, 0, 7, 54, 146, 1},
                           {IDOK, "Button", "OK", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 60, 60, 45, 14}}};
}

// A child's rectangle in the picture of its top-level window.
CRect InImage(HWND window)
{
    CRect r = Automation::Get().WindowRect(window);
    const CRect top = Automation::Get().WindowRect(::GetAncestor(window, GA_ROOT));
    r.OffsetRect(-top.left, -top.top);
    return r;
}

} // namespace

// A pixel-doubled scale-1 render differs from scale 2 in the labels only, and scale 1 again is the
// picture it was.
TEST(Scale, AtScaleTwoEdgesAreDoubledAndTextIsRenderedLargerNotEnlarged)
{
    AutomationSession session;
    CDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(controls()));
    dialog.ShowWindow(SW_SHOW);
    const Surface one = session->Render(dialog);
    const Surface two = session->Render(dialog, 2);
    ASSERT_EQ(CSize(two.Width(), two.Height()), CSize(one.Width() * 2, one.Height() * 2));
    auto notDoubled = [&](const CRect& r) {
        int n = 0;
        for (int y = r.top * 2; y < r.bottom * 2; ++y)
            for (int x = r.left * 2; x < r.right * 2; ++x) n += two.GetPixel(x, y) != one.GetPixel(x / 2, y / 2);
        return n;
    };
    EXPECT_GT(notDoubled(InImage(::GetDlgItem(dialog, IDC_LABEL))), 40) << "text enlarged pixel by pixel";
    EXPECT_EQ(notDoubled(InImage(::GetDlgItem(dialog, IDC_ETCHED))), 0);
    EXPECT_EQ(notDoubled(CRect(0, 30, 4, one.Height())), 0) << "the frame's edges";
    EXPECT_EQ(session->Render(dialog), one);
}

TEST(Scale, ANewWindowPaintsAtTheDefaultScaleNotAtOneAndThenAgain)
{
    AutomationSession session;
    PaintManager::Get().SetDefaultScale(2);
    CDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(controls()));
    dialog.ShowWindow(SW_SHOW);
    PaintManager::Get().PaintPending(dialog);
    const long long fills = CDC::GetTotalFillCount();
    EXPECT_EQ(session->Render(dialog, 2).Width(), session->WindowRect(dialog).Width() * 2);
    EXPECT_EQ(CDC::GetTotalFillCount(), fills) << "the window painted at scale 1 first";
}
