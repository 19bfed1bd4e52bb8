// The plate speed slider of the acquisition panel: the operator dragging the thumb (WM_HSCROLL while
// it moves, NM_RELEASEDCAPTURE when let go).

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
