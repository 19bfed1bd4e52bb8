// The embedded laser pattern control as its users reach it: the wrapper's dispatch calls, the
// operator's drawing with the mouse, the modified flag, and the width applied while held.

#include <gtest/gtest.h>

#include <functional>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/CWnd.h"
#include "platform/patternctrl/CMaldiPatternCtrl.h"
#include "platform/patternctrl/PatternControl.h"

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 160;

class PatternControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, "Static", "Host", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 400, 300, nullptr, 0));
        HWND hwnd = ::CreateWindowEx(0, PatternControl::kClassName, "", WS_CHILD | WS_VISIBLE, 10, 10, kWidth, kHeight,
                                     host.m_hWnd, reinterpret_cast<HMENU>(14100), nullptr, nullptr);
        ASSERT_NE(hwnd, nullptr);
        ASSERT_TRUE(pattern.SubclassWindow(hwnd));
    }

    // The operator clicks at a pixel of the control's client area.
    void ClickAt(int x, int y)
    {
        ::SendMessage(pattern.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::SendMessage(pattern.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    std::vector<PatternControl::Point> Points() { return PatternControl::FromHandle(pattern.m_hWnd)->Points(); }

    AutomationSession automation;
    CWnd host;
    CMaldiPatternCtrl pattern; // constructed after the session: registers the class
};

TEST_F(PatternControlTest, DrawnPointsTakeTheLaserStateAndWidthSetForNewPoints)
{
    ClickAt(kWidth / 2 + 5, kHeight / 2 - 7); // off, width 1: the control's own start
    pattern.SetLaserState(TRUE);
    pattern.SetLaserWidth(8);
    ClickAt(0, 0);
    ::SendMessage(pattern.m_hWnd, PCM_ADDPOINT, 0, MAKELPARAM(static_cast<WORD>(-30), 40));

    using P = PatternControl::Point;
    EXPECT_EQ(Points(), (std::vector<P>{{5, -7, FALSE, 1}, {-kWidth / 2, -kHeight / 2, TRUE, 8}, {-30, 40, TRUE, 8}}));
    // The wrapper reads what the control holds; out of range, nothing, not a neighbour's value.
    ASSERT_EQ(pattern.GetPointCount(), 3);
    EXPECT_TRUE(pattern.GetPointX(2) == -30 && pattern.GetPointY(2) == 40 && pattern.GetPointLaserState(1) == TRUE &&
                pattern.GetPointLaserWidth(1) == 8);
    for (long index : {-1L, 3L, 1000L}) {
        EXPECT_EQ(pattern.GetPointX(index), 0) << index;
        EXPECT_EQ(pattern.GetPointLaserWidth(index), 0) << index;
    }
}

TEST_F(PatternControlTest, ModifiedFollowsEveryChangeOfThePointsUntilReset)
{
    EXPECT_FALSE(pattern.IsPatternModified());
    pattern.SetLaserState(TRUE);
    pattern.SetLaserWidth(4);
    EXPECT_FALSE(pattern.IsPatternModified()) << "settings for new points change no point";

    struct Case {
        const char* what;
        std::function<void()> change;
    };
    const Case cases[] = {
        {"drawing", [&] { ClickAt(20, 20); }},
        {"a setter", [&] { pattern.SetPointY(0, 3); }},
        {"all widths", [&] { pattern.SetAllLaserWidths(2); }},
        {"undo", [&] { pattern.Undo(); }},
        {"new pattern", [&] { pattern.NewPattern(); }},
    };
    for (const Case& c : cases) {
        pattern.ResetModified();
        ASSERT_FALSE(pattern.IsPatternModified()) << c.what;
        c.change();
        EXPECT_TRUE(pattern.IsPatternModified()) << c.what;
    }
}

// Holding the all-widths button repeats the call: an unchanged width must record no undo step,
// or the steps before it are pushed out. The pattern editor's tests walk undo itself.
TEST_F(PatternControlTest, ApplyingTheWidthEveryPointHasIsNoEditSoAHeldButtonKeepsTheUndoSteps)
{
    ClickAt(110, 80);
    pattern.SetAllLaserWidths(9);
    pattern.ResetModified();
    for (int i = 0; i < 150; ++i) pattern.SetAllLaserWidths(9);
    EXPECT_FALSE(pattern.IsPatternModified());
    EXPECT_TRUE(pattern.Undo());
    EXPECT_EQ(pattern.GetPointLaserWidth(0), 1);
    EXPECT_TRUE(pattern.Undo());
    EXPECT_EQ(pattern.GetPointCount(), 0);
    EXPECT_FALSE(pattern.Undo()) << "nothing left to undo";
}

} // namespace
