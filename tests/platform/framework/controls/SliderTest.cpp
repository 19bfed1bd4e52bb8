// The plate speed slider of the acquisition panel: range 0 to 7 set without redraw, the position
// set in code, the operator dragging the thumb (WM_HSCROLL while it moves, NM_RELEASEDCAPTURE when
// let go), pages by pressing the channel, and the keys.

#include <gtest/gtest.h>

#include "ControlFixture.h"
#include "platform/framework/TrackbarControl.h"

using namespace controls_test;

namespace {

constexpr int IDC_SPEED = 400;
constexpr int IDC_LEVEL = 401; // vertical
constexpr int IDC_OTHER = 402;

std::vector<DialogItem> sliderItems()
{
    return {
        {IDC_SPEED, TRACKBAR_CLASS, "", kChild | WS_TABSTOP | TBS_AUTOTICKS | TBS_BOTH, 0, 7, 7, 120, 20},
        {IDC_LEVEL, TRACKBAR_CLASS, "", kChild | WS_TABSTOP | TBS_VERT, 0, 140, 7, 20, 80},
        {IDC_OTHER, "Button", "Other", kChild | WS_TABSTOP, 0, 7, 40, 40, 14},
    };
}

CSliderCtrl& sliderOf(Fixture& f, int id)
{
    return *static_cast<CSliderCtrl*>(CWnd::FromHandle(f.item(id)));
}

} // namespace

TEST(Slider, RangeAndPositionStayConsistentAndProgramChangesAreSilent)
{
    Fixture f(sliderItems());
    CSliderCtrl& speed = sliderOf(f, IDC_SPEED);
    EXPECT_EQ(f.a.SliderRange(speed), (std::pair<int, int>{0, 100}));
    EXPECT_EQ(speed.GetPageSize(), 20);
    speed.SetRange(0, 7, FALSE);
    EXPECT_EQ(f.a.SliderRange(speed), (std::pair<int, int>{0, 7}));
    EXPECT_EQ(speed.GetPageSize(), 1) << "the page follows the range until set";
    speed.SetPos(5);
    EXPECT_EQ(speed.GetPos(), 5);
    speed.SetPos(12);
    EXPECT_EQ(speed.GetPos(), 7);
    speed.SetPos(-3);
    EXPECT_EQ(speed.GetPos(), 0);
    speed.SetPos(6);
    speed.SetRange(0, 3, TRUE);
    EXPECT_EQ(speed.GetPos(), 3) << "a new range clamps the position";
    speed.SendMessage(TBM_SETRANGE, TRUE, MAKELPARAM(2, 9));
    EXPECT_EQ(f.a.SliderRange(speed), (std::pair<int, int>{2, 9}));
    EXPECT_EQ(speed.GetPos(), 3);
    EXPECT_EQ(speed.GetNumTics(), 8u) << "automatic ticks at every position, ends included";
    EXPECT_TRUE(f.dialog.codes(IDC_SPEED, "hscroll").empty());
    EXPECT_EQ(f.dialog.count(IDC_SPEED, NM_RELEASEDCAPTURE), 0);

    // The thumb sits at the position's share of the channel.
    speed.SetRange(0, 7, TRUE);
    CRect channel, thumb;
    speed.GetChannelRect(&channel);
    for (int pos : {0, 3, 7}) {
        speed.SetPos(pos);
        speed.GetThumbRect(&thumb);
        EXPECT_EQ(thumb.CenterPoint().x, channel.left + pos * (channel.Width() - 1) / 7) << pos;
    }
}

TEST(Slider, DraggingTheThumbTracksAndReleasingReportsTheEnd)
{
    Fixture f(sliderItems());
    HWND h = f.item(IDC_SPEED);
    CSliderCtrl& speed = sliderOf(f, IDC_SPEED);
    speed.SetRange(0, 7);
    speed.SetPos(1);
    // The panel shows the speed while the thumb moves and sends it when let go.
    std::vector<int> shown, sent;
    f.dialog.onEvent = [&](const Event& e) {
        if (e.id != IDC_SPEED) return;
        if (e.kind == "hscroll") shown.push_back(speed.GetPos());
        if (e.kind == "notify" && e.code == NM_RELEASEDCAPTURE) sent.push_back(speed.GetPos());
    };
    EXPECT_TRUE(f.a.DragSlider(h, 5, false));
    EXPECT_EQ(f.a.SliderPosition(h), 5);
    EXPECT_EQ(f.dialog.codes(IDC_SPEED, "hscroll"), (std::vector<UINT>{TB_THUMBTRACK}));
    EXPECT_EQ(f.dialog.events.back().position, 5);
    EXPECT_TRUE(sent.empty()) << "still held";
    EXPECT_TRUE(f.a.DragSlider(h, 6, false));
    EXPECT_TRUE(f.a.ReleaseSlider(h));
    EXPECT_FALSE(f.a.ReleaseSlider(h)) << "nothing held any more";
    EXPECT_EQ(f.dialog.codes(IDC_SPEED, "hscroll"),
              (std::vector<UINT>{TB_THUMBTRACK, TB_THUMBTRACK, TB_THUMBPOSITION, TB_ENDTRACK}));
    EXPECT_EQ(shown, (std::vector<int>{5, 6, 6, 6}));
    EXPECT_EQ(sent, (std::vector<int>{6}));
    EXPECT_EQ(f.a.FocusWindow(), h);

    // Pulled past the end, the thumb stops there.
    f.a.DragSlider(h, 50);
    EXPECT_EQ(f.a.SliderPosition(h), 7);
    f.a.DragSlider(h, -50);
    EXPECT_EQ(f.a.SliderPosition(h), 0);
    EXPECT_EQ(sent.size(), 3u);

    ::EnableWindow(h, FALSE);
    EXPECT_FALSE(f.a.DragSlider(h, 4));
    EXPECT_EQ(f.a.SliderPosition(h), 0);
    EXPECT_THROW(f.a.DragSlider(f.item(IDC_OTHER), 1), AutomationError);
}

TEST(Slider, PressingTheChannelPagesTowardsThePressAndKeysStep)
{
    Fixture f(sliderItems());
    HWND h = f.item(IDC_SPEED);
    CSliderCtrl& speed = sliderOf(f, IDC_SPEED);
    speed.SetRange(0, 20);
    speed.SetPageSize(5);
    speed.SetPos(10);
    CRect channel;
    speed.GetChannelRect(&channel);
    // A press near the right end of the channel.
    LPARAM right = MAKELPARAM(static_cast<WORD>(channel.right - 2), static_cast<WORD>(channel.CenterPoint().y));
    ::PostMessage(h, WM_LBUTTONDOWN, MK_LBUTTON, right);
    ::PostMessage(h, WM_LBUTTONUP, 0, right);
    f.a.Pump();
    EXPECT_EQ(speed.GetPos(), 15);
    EXPECT_EQ(f.dialog.codes(IDC_SPEED, "hscroll"), (std::vector<UINT>{TB_PAGEDOWN, TB_ENDTRACK}));
    EXPECT_EQ(f.dialog.count(IDC_SPEED, NM_RELEASEDCAPTURE), 1);

    f.dialog.events.clear();
    ::SetFocus(h);
    f.a.PressKey(VK_LEFT);
    EXPECT_EQ(speed.GetPos(), 14);
    f.a.PressKey(VK_NEXT);
    EXPECT_EQ(speed.GetPos(), 19);
    f.a.PressKey(VK_END);
    EXPECT_EQ(speed.GetPos(), 20);
    f.a.PressKey(VK_RIGHT); // at the end: sent all the same
    EXPECT_EQ(speed.GetPos(), 20);
    f.a.PressKey(VK_HOME);
    EXPECT_EQ(speed.GetPos(), 0);
    EXPECT_EQ(f.dialog.codes(IDC_SPEED, "hscroll"),
              (std::vector<UINT>{TB_LINEUP, TB_ENDTRACK, TB_PAGEDOWN, TB_ENDTRACK, TB_BOTTOM, TB_ENDTRACK, TB_LINEDOWN,
                                 TB_ENDTRACK, TB_TOP, TB_ENDTRACK}));
}

TEST(Slider, AVerticalSliderSendsVerticalScrollsWithItsMinimumAtTheTop)
{
    Fixture f(sliderItems());
    HWND h = f.item(IDC_LEVEL);
    CSliderCtrl& level = sliderOf(f, IDC_LEVEL);
    level.SetRange(0, 10);
    CRect thumb;
    level.GetThumbRect(&thumb);
    level.SetPos(10);
    CRect bottom;
    level.GetThumbRect(&bottom);
    EXPECT_GT(bottom.top, thumb.top);
    EXPECT_TRUE(f.a.DragSlider(h, 4));
    EXPECT_EQ(f.a.SliderPosition(h), 4);
    EXPECT_EQ(f.dialog.codes(IDC_LEVEL, "vscroll"), (std::vector<UINT>{TB_THUMBTRACK, TB_THUMBPOSITION, TB_ENDTRACK}));
    EXPECT_TRUE(f.dialog.codes(IDC_LEVEL, "hscroll").empty());
}
