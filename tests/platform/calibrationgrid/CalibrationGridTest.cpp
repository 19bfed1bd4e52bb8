// The embedded calibration grid control as its users reach it: the wrapper's dispatch calls and
// refused sizes and aims.

#include <gtest/gtest.h>

#include <set>

#include "platform/calibrationgrid/CCalibrationGrid.h"
#include "platform/calibrationgrid/CalibrationGridControl.h"
#include "platform/framework/AutomationSession.h"
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

} // namespace
