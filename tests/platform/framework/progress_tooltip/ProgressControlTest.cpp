// The standard progress bar's clamping at both ends, without overflow. The gradient bar's tests
// compare it message for message with the bar (previous positions returned, steps that wrap).

#include <gtest/gtest.h>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/CProgressCtrl.h"
#include "platform/framework/Framework.h"

namespace {

constexpr int IDC_BAR = 3001;

struct Fixture {
    AutomationSession session;
    Automation& a = *session;
    CDialog dialog;
    HWND bar = nullptr;
    Fixture()
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
    Fixture f;
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

