// The embedded calibration grid control as its users reach it: the wrapper's three dispatch calls,
// refused sizes and aims, and what it paints.

#include <gtest/gtest.h>

#include <set>

#include "platform/calibrationgrid/CCalibrationGrid.h"
#include "platform/calibrationgrid/CalibrationGridControl.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/CRect.h"
#include "platform/framework/CWnd.h"

namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 80; // the grid is the centred 80 x 80 square

class CalibrationGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, "Static", "Host", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 300, 200, nullptr, 0));
        HWND hwnd = ::CreateWindowEx(0, CalibrationGridControl::kClassName, "", WS_CHILD | WS_VISIBLE, 10, 10, kWidth,
                                     kHeight, host.m_hWnd, reinterpret_cast<HMENU>(37321), nullptr, nullptr);
        ASSERT_NE(hwnd, nullptr);
        ASSERT_TRUE(grid.SubclassWindow(hwnd));
    }
    CalibrationGridControl& Control() { return *CalibrationGridControl::FromHandle(grid.m_hWnd); }
    // A pixel of the grid, in its client coordinates, as the operator sees it.
    COLORREF Pixel(int x, int y)
    {
        Surface s = automation->Render(host.m_hWnd);
        POINT p{x, y};
        ::ClientToScreen(grid.m_hWnd, &p);
        const CRect window = automation->WindowRect(host.m_hWnd);
        return s.GetPixel(p.x - window.left, p.y - window.top);
    }

    AutomationSession automation;
    CWnd host;
    CCalibrationGrid grid; // after the session: registers the class
};

TEST_F(CalibrationGridTest, SizeHitsAndCurrentAimAsTheCallsSetThem)
{
    EXPECT_EQ(grid.SetGridSize(4), TRUE);
    EXPECT_EQ(grid.SetHit(0), TRUE);
    EXPECT_EQ(grid.SetHit(15), TRUE);
    EXPECT_EQ(grid.SetCurrentAim(5), TRUE);
    EXPECT_EQ(grid.SetCurrentAim(6), TRUE); // one current aim at a time
    EXPECT_EQ(Control().GridSize(), 4);
    EXPECT_EQ(Control().Hits(), (std::set<long>{0, 15}));
    EXPECT_EQ(Control().CurrentAim(), 6);

    // Aims off the grid are refused: no hit, and no aim current (the one after the last aim included).
    for (long aim : {-1L, 16L, 100000L}) {
        SCOPED_TRACE(aim);
        EXPECT_EQ(grid.SetHit(aim), FALSE);
        grid.SetCurrentAim(6);
        EXPECT_EQ(grid.SetCurrentAim(aim), FALSE);
        EXPECT_EQ(Control().CurrentAim(), -1);
    }
    EXPECT_EQ(Control().Hits(), (std::set<long>{0, 15}));

    // A new size forgets the run; a negative one is refused; a huge one is limited.
    EXPECT_EQ(grid.SetGridSize(3), TRUE);
    EXPECT_TRUE(Control().Hits().empty());
    EXPECT_EQ(Control().CurrentAim(), -1);
    EXPECT_EQ(grid.SetGridSize(-2), FALSE);
    EXPECT_EQ(Control().GridSize(), 3);
    EXPECT_EQ(grid.SetGridSize(9999), TRUE);
    EXPECT_EQ(Control().GridSize(), CalibrationGridControl::kMaxGridSize);
    EXPECT_EQ(grid.SetHit(CalibrationGridControl::kMaxGridSize * CalibrationGridControl::kMaxGridSize - 1), TRUE);
    EXPECT_EQ(grid.SetGridSize(0), TRUE);
    EXPECT_EQ(grid.SetHit(0), FALSE); // an empty field has no aims
}

TEST_F(CalibrationGridTest, WithoutAGridWindowTheCallsDoNothing)
{
    CCalibrationGrid unattached;
    EXPECT_EQ(unattached.SetGridSize(3), 0);
    HWND label = ::CreateWindowEx(0, "Static", "", WS_CHILD | WS_VISIBLE, 150, 10, 40, 40, host.m_hWnd, nullptr,
                                  nullptr, nullptr);
    CCalibrationGrid onAnother;
    ASSERT_TRUE(onAnother.SubclassWindow(label));
    EXPECT_EQ(onAnother.SetGridSize(3), 0);
    EXPECT_EQ(onAnother.SetHit(1), 0);
    EXPECT_EQ(Control().GridSize(), 0); // the real grid untouched
    onAnother.UnsubclassWindow();

    // An unknown id or a wrong argument count is not handled.
    CalibrationGridDispatch call{7, 1, 0, 0, false};
    ::SendMessage(grid.m_hWnd, CGM_DISPATCH, 0, reinterpret_cast<LPARAM>(&call));
    EXPECT_FALSE(call.handled);
    CalibrationGridDispatch noArgs{griddispid::SetHit, 0, 0, 0, false};
    ::SendMessage(grid.m_hWnd, CGM_DISPATCH, 0, reinterpret_cast<LPARAM>(&noArgs));
    EXPECT_FALSE(noArgs.handled);
}

TEST_F(CalibrationGridTest, PaintsHitsFilledAndTheCurrentAimFramed)
{
    grid.SetGridSize(4); // 20-pixel cells in the square from x 20 to 100
    grid.SetHit(1);      // row 0, column 1
    grid.SetCurrentAim(6); // row 1, column 2
    EXPECT_EQ(CRect(Control().CellRect(1)), CRect(40, 0, 60, 20));
    EXPECT_EQ(CRect(Control().CellRect(6)), CRect(60, 20, 80, 40));

    EXPECT_EQ(Pixel(50, 10), CalibrationGridControl::kHitColour);
    EXPECT_EQ(Pixel(30, 10), RGB(255, 255, 255)); // aim 0: not hit
    EXPECT_EQ(Pixel(60, 30), CalibrationGridControl::kCurrentColour); // frame of aim 6
    EXPECT_EQ(Pixel(70, 30), RGB(255, 255, 255)); // its inside
    for (POINT edge : {POINT{20, 50}, POINT{99, 50}, POINT{30, 0}, POINT{30, 79}}) { // inner and outer edges
        EXPECT_EQ(Pixel(edge.x, edge.y), CalibrationGridControl::kLineColour) << edge.x << "," << edge.y;
    }
    EXPECT_EQ(Pixel(10, 10), RGB(255, 255, 255)); // beside the square
}

} // namespace
