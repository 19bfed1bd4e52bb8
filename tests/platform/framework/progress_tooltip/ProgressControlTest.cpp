// The standard progress bar as a host drives it: position and step messages with their results,
// clamping (without overflow) and the step-it wrap.

#include <gtest/gtest.h>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/CProgressCtrl.h"
#include "platform/framework/Framework.h"
#include "platform/framework/gdi/CBitmap.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/PaintManager.h"

namespace {

constexpr int IDC_BAR = 3001;
constexpr int IDC_LABEL = 3002;

DialogTemplate barTemplate(DWORD barStyle)
{
    return DialogTemplate{700, "Bar", DS_SETFONT | WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 200, 60,
                          "MS Sans Serif", 8,
                          {
                              {IDC_BAR, "msctls_progress32", "Progress1", WS_CHILD | WS_VISIBLE | barStyle, 0, 5, 5, 150, 12},
                              {IDC_LABEL, "Static", "label", WS_CHILD | WS_VISIBLE, 0, 5, 30, 50, 8},
                          }};
}

struct Fixture {
    AutomationSession session;
    Automation& a = *session;
    CDialog dialog;
    HWND bar = nullptr;
    explicit Fixture(DWORD barStyle = PBS_SMOOTH)
    {
        EXPECT_TRUE(dialog.CreateIndirect(barTemplate(barStyle), nullptr));
        bar = a.Find(dialog, IDC_BAR);
    }
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return ::SendMessage(bar, message, wParam, lParam); }
};


} // namespace

TEST(ProgressControl, PositionsClampAndReturnThePreviousPosition)
{
    Fixture f;
    EXPECT_EQ(f.send(PBM_SETPOS, 40), 0);
    EXPECT_EQ(f.send(PBM_SETPOS, 250), 40);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 100);
    EXPECT_EQ(f.send(PBM_SETPOS, static_cast<WPARAM>(-5)), 100);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 0);
    EXPECT_EQ(f.send(PBM_DELTAPOS, 30), 0);
    EXPECT_EQ(f.send(PBM_DELTAPOS, static_cast<WPARAM>(-12)), 30);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 18);
    EXPECT_EQ(f.send(PBM_DELTAPOS, 1000), 18);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 100);
    EXPECT_EQ(f.send(PBM_DELTAPOS, static_cast<WPARAM>(INT32_MIN)), 100); // no overflow
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 0);
}

