// The gradient bar's model as the tool windows drive it: the standard messages, the snake, the
// colours and the tooltip.

#include "ControlsTestSupport.h"

#include <utility>
#include <vector>

using namespace controls_test;

namespace {

// Sends the same messages to the bar and to a plain standard progress control.
std::vector<std::pair<LRESULT, LRESULT>> sendBoth(HWND bar, HWND plain,
                                                  const std::vector<std::pair<UINT, WPARAM>>& messages)
{
    std::vector<std::pair<LRESULT, LRESULT>> results;
    for (auto [message, wParam] : messages)
        results.emplace_back(::SendMessage(bar, message, wParam, 0), ::SendMessage(plain, message, wParam, 0));
    return results;
}

} // namespace

TEST(ProgressCtrlX, OutsideSnakeModePositionMessagesAnswerAsTheStandardControl)
{
    BarFixture<> f;
    EXPECT_EQ(f.a.ClassName(f.bar), "msctls_progress32");
    const WPARAM minus7 = static_cast<WPARAM>(-7);
    auto results = sendBoth(f.bar, f.plain,
                            {{PBM_SETPOS, 35}, {PBM_SETPOS, 500}, {PBM_DELTAPOS, minus7}, {PBM_SETSTEP, 30},
                             {PBM_STEPIT, 0}, {PBM_STEPIT, 0}, {PBM_STEPIT, 0}, {PBM_SETSTEP, 4}, {PBM_GETPOS, 0}});
    for (size_t i = 0; i < results.size(); ++i) EXPECT_EQ(results[i].first, results[i].second) << "message " << i;
    EXPECT_EQ(f.a.ProgressPosition(f.bar), f.a.ProgressPosition(f.plain));
    EXPECT_EQ(results[2].first, 100);  // DELTAPOS returned the position clamped by the SETPOS before
    EXPECT_EQ(results[4].first, 93);
    EXPECT_EQ(results[5].first, 0);    // 93 + 30 wrapped to the lower limit
}

TEST(ProgressCtrlX, BarAndBackgroundColourMessagesSetTheGradientAndAnswerDefault)
{
    BarFixture<> f;
    EXPECT_EQ(static_cast<COLORREF>(::SendMessage(f.bar, PBM_SETBARCOLOR, 0, RGB(10, 20, 30))), CLR_DEFAULT);
    EXPECT_EQ(gradientOf(f.bar), std::make_pair(RGB(10, 20, 30), RGB(10, 20, 30))); // wParam 0: a solid bar
    ::SendMessage(f.bar, PBM_SETBARCOLOR, RGB(1, 2, 3), RGB(4, 5, 6));
    EXPECT_EQ(gradientOf(f.bar), std::make_pair(RGB(4, 5, 6), RGB(1, 2, 3)));
    EXPECT_EQ(f.bar.GetGradientColorsX().GetSize(), 2);

    EXPECT_EQ(static_cast<COLORREF>(::SendMessage(f.bar, PBM_SETBKCOLOR, 0, RGB(7, 8, 9))), CLR_DEFAULT);
    EXPECT_EQ(f.bar.GetBkColor(), RGB(7, 8, 9));
}

TEST(ProgressCtrlX, DefaultsAndAShortGradientList)
{
    BarFixture<> f;
    const COLORREF caption = ::GetSysColor(COLOR_ACTIVECAPTION);
    EXPECT_EQ(gradientOf(f.bar), std::make_pair(caption, caption));
    EXPECT_EQ(f.bar.GetBkColor(), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(f.bar.GetTextColor(), ::GetSysColor(COLOR_CAPTIONTEXT));
    EXPECT_EQ(f.bar.GetTextColorOnBk(), ::GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(f.bar.GetSnakeTail(), 40);

    f.bar.SetGradientColorsX(1, RGB(9, 0, 0), RGB(8, 0, 0)); // below two: the two given
    EXPECT_EQ(f.bar.GetGradientColorsX().GetSize(), 2);
    EXPECT_EQ(f.bar.GetGradientColorsX()[1], RGB(8, 0, 0));
    f.bar.SetGradientColorsX(3, RGB(1, 0, 0), RGB(2, 0, 0), RGB(3, 0, 0));
    f.bar.SetGradientColors(RGB(1, 0, 0), RGB(2, 0, 0)); // after a longer list: two colours again
    EXPECT_EQ(f.bar.GetGradientColorsX().GetSize(), 2);
}

TEST(ProgressCtrlX, SnakeRunsOutOfTheFarEndStartsOverFromTheOtherSideAndSwitchesOffLeavingNoBit)
{
    BarFixture<> f(100, 10);
    f.bar.SetSnake(TRUE);
    f.bar.SetGradientColors(RGB(0, 0, 255), RGB(0, 0, 255));
    ::SendMessage(f.bar, PBM_SETSTEP, 10, 0); // also the snake's step

    // Heads 10 .. 140; the drawn snake is [tail, min(head, 100)) pixels on a 100-pixel bar.
    for (int head = 10; head <= 140; head += 10) {
        const int oldPos = static_cast<int>(::SendMessage(f.bar, PBM_STEPIT, 0, 0));
        EXPECT_EQ(oldPos, std::min(head - 10, 100)) << "head " << head;
        EXPECT_EQ(f.a.ProgressPosition(f.bar), std::min(head, 100));
        const int tail = std::max(head - 40, 0);
        const CRect drawn = tail < 100 ? CRect(tail, 0, std::min(head, 100), 10) : CRect(); // or wholly out
        EXPECT_EQ(boxOf(*f.Paint(), RGB(0, 0, 255)), drawn) << "head " << head;
        EXPECT_EQ(f.bar.GetReverse(), 0u);
    }
    // 150 is past 100 + 40: back to 10 from the other end, tail at 0.
    ::SendMessage(f.bar, PBM_STEPIT, 0, 0);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 10);
    EXPECT_NE(f.bar.GetReverse(), 0u);
    EXPECT_EQ(boxOf(*f.Paint(), RGB(0, 0, 255)), CRect(90, 0, 100, 10)); // drawn from the right
    // Going round once more clears the reverse bit again.
    for (int i = 0; i < 14; ++i) ::SendMessage(f.bar, PBM_STEPIT, 0, 0);
    EXPECT_EQ(f.bar.GetReverse(), 0u);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 10);
    f.bar.ModifyStyle(PBS_SMOOTH, 0); // the template's, which would hide a bit set by mistake
    const DWORD before = f.bar.GetStyle() & ~(PBS_SNAKE | PBS_RUBBER_BAR);
    f.bar.SetSnake(FALSE);
    EXPECT_EQ(f.bar.GetStyle(), before) << "switching the snake off clears its bits and sets no other";
}

TEST(ProgressCtrlX, SnakeDeltasMoveForwardAndAHeadAtTheEndKeepsRunningOut)
{
    BarFixture<> f(100, 10);
    f.bar.SetSnake(TRUE);
    f.bar.SetGradientColors(RGB(0, 255, 0), RGB(0, 255, 0)); // a solid bar, to find it
    EXPECT_EQ(::SendMessage(f.bar, PBM_SETPOS, 50, 0), 0); // the old position
    EXPECT_EQ(::SendMessage(f.bar, PBM_DELTAPOS, static_cast<WPARAM>(-20), 0), 50);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 70); // forward by the magnitude
    const COLORREF green = RGB(0, 255, 0);
    EXPECT_EQ(boxOf(*f.Paint(), green), CRect(30, 0, 70, 10));

    // Past the end the standard control holds the head at 100 while the tail (65) is less than a
    // tail size behind it: the next delta continues from 65 + 40 = 105, not from 100.
    ::SendMessage(f.bar, PBM_SETPOS, 100, 0);
    ::SendMessage(f.bar, PBM_DELTAPOS, 5, 0);
    EXPECT_EQ(boxOf(*f.Paint(), green), CRect(65, 0, 100, 10));
    ::SendMessage(f.bar, PBM_DELTAPOS, 5, 0);
    EXPECT_EQ(boxOf(*f.Paint(), green), CRect(70, 0, 100, 10));
    // A huge step wraps and is held at the far end.
    ::SendMessage(f.bar, PBM_DELTAPOS, 100000, 0);
    EXPECT_EQ(f.a.ProgressPosition(f.bar), 100);
    EXPECT_EQ(boxOf(*f.Paint(), green), CRect()); // its tail is at the end too
}

TEST(ProgressCtrlX, TooltipIsMadeOnFirstUseInactiveUntilGivenAText)
{
    BarFixture<> f;
    ResourceModule strings{"bar strings", {}, {{1234, "Plate progress"}}, {}};
    ResourceRegistrar registrar{strings};
    EXPECT_EQ(f.bar.GetToolTip().GetSafeHwnd(), nullptr);
    // The first message through the host loop makes it.
    ::PostMessage(f.bar, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    f.a.Pump();
    HWND tip = f.bar.GetToolTip().GetSafeHwnd();
    ASSERT_NE(tip, nullptr);
    EXPECT_FALSE(f.a.IsToolTipActive(tip));
    EXPECT_EQ(f.bar.GetToolTip().GetToolCount(), 0);

    f.bar.SetTooltipText(nullptr); // nothing
    EXPECT_EQ(f.bar.GetToolTip().GetToolCount(), 0);
    f.bar.SetTooltipText(99999); // no such string: unchanged
    EXPECT_EQ(f.bar.GetToolTip().GetToolCount(), 0);
    f.bar.SetTooltipText(1234);
    EXPECT_EQ(f.a.ToolTipOf(f.bar), tip);
    EXPECT_TRUE(f.a.IsToolTipActive(tip));
    EXPECT_EQ(f.a.ToolTipText(tip, f.bar, 1), "Plate progress");
    CString other = "Step 4 of 25";
    f.bar.SetTooltipText(&other, FALSE);
    EXPECT_EQ(f.bar.GetToolTip().GetToolCount(), 1);
    EXPECT_EQ(f.a.ToolTipText(tip, f.bar, 1), "Step 4 of 25");
    EXPECT_FALSE(f.a.IsToolTipActive(tip));

    // Active again, the operator hovering over the bar sees it.
    f.bar.SetTooltipText(&other);
    ::PostMessage(f.bar, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    f.a.Pump();
    f.a.Advance(ToolTipControl::kDefaultInitial);
    EXPECT_TRUE(f.a.IsVisible(tip));
    EXPECT_EQ(f.a.Text(tip), "Step 4 of 25");
}
