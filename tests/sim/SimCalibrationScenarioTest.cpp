// The calibration scenario run in-process as maldi-sim runs it, and the simulated search itself:
// aims around each hole, hits where the hole really is, the run's end one aim after the last, abort.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/framework/WinUser.h"
#include "sim/SimCalibrationSearch.h"
#include "sim/SimScenarios.h"
#include "sim/SimSession.h"

namespace {

using Search = SimCalibrationSearch;

struct Recorder {
    Search search;
    std::vector<Search::Aim> aims;
    std::vector<Search::Result> ends;
    Recorder()
    {
        search.SetAimListener([this](const Search::Aim& a) { aims.push_back(a); });
        search.SetEndListener([this](const Search::Result& r) { ends.push_back(r); });
    }
};

} // namespace

TEST(SimCalibrationSearch, AimsRowByRowAroundEachHoleAndFindsWhereTheHolesAre)
{
    Recorder r;
    Search::Settings settings;
    settings.hole1[0] = 10.0;
    settings.hole1[1] = 5.0;
    settings.hole2[0] = 100.0;
    settings.hole2[1] = 80.0;
    settings.step = 0.04;
    settings.window = 7;
    settings.delayPerRow = 1400; // 200 ms an aim
    ASSERT_TRUE(r.search.Start(settings));
    EXPECT_FALSE(r.search.Start(settings)); // one at a time

    r.search.Advance(199);
    EXPECT_TRUE(r.aims.empty());
    r.search.Advance(1);
    ASSERT_EQ(r.aims.size(), 1u);
    EXPECT_EQ(r.aims[0].hole, 1);
    EXPECT_EQ(r.aims[0].aim, 0);
    EXPECT_NEAR(r.aims[0].x, 10.0 - 3 * 0.04, 1e-9); // top left of the square
    EXPECT_NEAR(r.aims[0].y, 5.0 - 3 * 0.04, 1e-9);
    r.search.Advance(200 * 48);
    ASSERT_EQ(r.aims.size(), 49u);
    EXPECT_NEAR(r.aims[48].x, 10.0 + 3 * 0.04, 1e-9);
    EXPECT_NEAR(r.aims[8].x, 10.0 - 2 * 0.04, 1e-9); // second row, second column
    EXPECT_NEAR(r.aims[8].y, 5.0 - 2 * 0.04, 1e-9);

    r.search.Advance(200 * 49);
    ASSERT_EQ(r.aims.size(), 98u);
    EXPECT_EQ(r.aims[49].hole, 2);
    EXPECT_EQ(r.aims[49].aim, 0);
    EXPECT_TRUE(r.ends.empty()); // the end comes one aim later
    r.search.Advance(200);
    ASSERT_EQ(r.ends.size(), 1u);
    EXPECT_FALSE(r.search.Running());
    EXPECT_EQ(r.ends[0].end, Search::End::Completed);
    // Hits only within the hole, and the found hole near the real one.
    for (const Search::Aim& a : r.aims) {
        const double* real = a.hole == 1 ? Search::kHole1Offset : Search::kHole2Offset;
        const double ex = a.hole == 1 ? 10.0 : 100.0, ey = a.hole == 1 ? 5.0 : 80.0;
        EXPECT_EQ(a.hit, std::hypot(a.x - ex - real[0], a.y - ey - real[1]) <= Search::kHoleRadius) << a.aim;
    }
    EXPECT_NEAR(r.ends[0].hole1[0], 10.0 + Search::kHole1Offset[0], 0.04);
    EXPECT_NEAR(r.ends[0].hole2[1], 80.0 + Search::kHole2Offset[1], 0.04);
}

TEST(SimCalibrationSearch, AMissedHoleFailsAndAnAbortEndsAtOnce)
{
    Recorder r;
    Search::Settings tiny; // one aim per hole, at the expected position: hole 2 lies beyond the radius
    tiny.window = 1;
    tiny.delayPerRow = 0;
    ASSERT_TRUE(r.search.Start(tiny));
    r.search.Advance(Search::kMinAimMs * 3);
    ASSERT_EQ(r.ends.size(), 1u);
    EXPECT_EQ(r.ends[0].end, Search::End::Failed);

    ASSERT_TRUE(r.search.Start(Search::Settings{}));
    r.search.Advance(1000);
    const size_t made = r.aims.size();
    r.search.Abort();
    r.search.Advance(5000);
    EXPECT_EQ(r.aims.size(), made);
    ASSERT_EQ(r.ends.size(), 2u);
    EXPECT_EQ(r.ends[1].end, Search::End::Aborted);

    Search::Settings bad;
    bad.window = 0;
    EXPECT_FALSE(r.search.Start(bad));
    bad.window = 3;
    bad.step = -0.1;
    EXPECT_FALSE(r.search.Start(bad));
}

TEST(SimCalibrationScenario, ASearchToTheEndThenOneAborted)
{
    SimOptions options;
    const char* root = std::getenv("MALDI_TEST_OUTPUT");
    options.outDir = (std::filesystem::path(root ? root : "test-output") / "sim" / "calibration").string();
    SimSession session(options, "calibration", nullptr);
    const SimScenario* scenario = SimScenarios::Find("calibration");
    ASSERT_NE(scenario, nullptr);
    scenario->run(session);
    const SimTranscript& t = session.Transcript();

    int at = 0;
    for (const char* text :
         {"StartPlateCalibration(1)", "calibration search: 5 x 5 aims, 0.050 mm apart, 3000 ms a row",
          "\"Searching calibration hole 1\"; \"&Abort\" enabled, Close greyed",
          "\"Searching calibration hole 2\"", "hole 1 list 25 lines, hole 2 list 25 lines",
          "Calibration complete: hole 1 at", "StartPlateCalibration(0)", "Cannot exit while calibration is in progress",
          "AbortPlateCalibration()", "status \"Calibration Aborted\"; \"&Start\" enabled, Close enabled",
          "(window closed)"}) {
        const int found = t.Find(text, std::string(), at);
        ASSERT_GE(found, 0) << "\"" << text << "\" missing or out of order";
        at = found + 1;
    }
    // Every aim of the completed run was reported, and the found holes became the plate's calibration.
    EXPECT_GE(t.Count("UpdateCalibrationDlg(", "host"), 50);
    const CMaldiPlate& plate = session.Host().Plate();
    EXPECT_NEAR(plate.m_fCurrentHole1X, plate.m_fHole1X + Search::kHole1Offset[0], 0.05);
    EXPECT_NEAR(plate.m_fCurrentHole2Y, plate.m_fHole2Y + Search::kHole2Offset[1], 0.05);
    EXPECT_FALSE(session.Instrument().Calibration().Running());
    EXPECT_EQ(session.Host().CalibrationWindow(), nullptr);
    ASSERT_EQ(session.Screenshots().size(), 4u);
    for (const std::string& shot : session.Screenshots()) EXPECT_TRUE(std::filesystem::exists(shot)) << shot;
}
