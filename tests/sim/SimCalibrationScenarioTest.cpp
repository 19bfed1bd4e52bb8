// The calibration scenario run in-process as maldi-sim runs it (a search to the end, then one
// aborted), and the simulated search's failure, which the scenario never meets.
#include <gtest/gtest.h>

#include <vector>

#include "SimTestSupport.h"
#include "platform/framework/WinUser.h"
#include "sim/SimCalibrationSearch.h"
#include "sim/SimScenarios.h"
#include "sim/SimSession.h"

namespace {

using Search = SimCalibrationSearch;

struct Recorder {
    Search search;
    std::vector<Search::Result> ends;
    Recorder() { search.SetEndListener([this](const Search::Result& r) { ends.push_back(r); }); }
};

} // namespace

TEST(SimCalibrationSearch, AMissedHoleEndsAsFailedNotCompletedAndBadSettingsAreRefused)
{
    Recorder r;
    Search::Settings tiny; // one aim per hole, at the expected position: hole 2 lies beyond the radius
    tiny.window = 1;
    tiny.delayPerRow = 0;
    ASSERT_TRUE(r.search.Start(tiny));
    r.search.Advance(Search::kMinAimMs * 3);
    ASSERT_EQ(r.ends.size(), 1u);
    EXPECT_EQ(r.ends[0].end, Search::End::Failed);
    EXPECT_FALSE(r.search.Running());

    Search::Settings bad;
    bad.window = 0;
    EXPECT_FALSE(r.search.Start(bad));
    bad.window = 3;
    bad.step = -0.1;
    EXPECT_FALSE(r.search.Start(bad));
}

TEST(SimCalibrationScenario, ASearchToTheEndThenOneAborted)
{
    SimSession session(simtest::TestOptions(), "calibration", nullptr);
    const SimScenario* scenario = SimScenarios::Find("calibration");
    ASSERT_NE(scenario, nullptr);
    scenario->run(session);
    const SimTranscript& t = session.Transcript();

    EXPECT_TRUE(simtest::InOrder(
        t, {"StartPlateCalibration(1)", "calibration search: 5 x 5 aims, 0.050 mm apart, 3000 ms a row",
            "\"Searching calibration hole 1\"; \"&Abort\" enabled, Close greyed", "\"Searching calibration hole 2\"",
            "hole 1 list 25 lines, hole 2 list 25 lines", "Calibration complete: hole 1 at", "StartPlateCalibration(0)",
            "Cannot exit while calibration is in progress", "AbortPlateCalibration()",
            "status \"Calibration Aborted\"; \"&Start\" enabled, Close enabled", "(window closed)"}));
    // Every aim of the completed run was reported, and the found holes became the plate's calibration.
    EXPECT_GE(t.Count("UpdateCalibrationDlg(", "host"), 50);
    const CMaldiPlate& plate = session.Host().Plate();
    EXPECT_NEAR(plate.m_fCurrentHole1X, plate.m_fHole1X + Search::kHole1Offset[0], 0.05);
    EXPECT_NEAR(plate.m_fCurrentHole2Y, plate.m_fHole2Y + Search::kHole2Offset[1], 0.05);
    EXPECT_FALSE(session.Instrument().Calibration().Running());
    EXPECT_EQ(session.Host().CalibrationWindow(), nullptr);
}
