// The crosshair scenario run in-process as maldi-sim runs it: the laser fires while the cross is
// dragged, each position sent is marked, the lock-mass well clears the marks, the host ends the run.
#include <gtest/gtest.h>

#include "SimTestSupport.h"
#include "sim/SimScenarios.h"
#include "sim/SimSession.h"

using simtest::InOrder;
using simtest::TestOptions;

TEST(SimCrosshairScenario, ADragWithTheLaserFiringLeavesOneMarkPerPositionSent)
{
    SimSession session(TestOptions(), "crosshair", nullptr);
    const SimScenario* scenario = SimScenarios::Find("crosshair");
    ASSERT_NE(scenario, nullptr);
    scenario->run(session);
    const SimTranscript& t = session.Transcript();

    EXPECT_TRUE(InOrder(t, {"crosshair panel: CreateUI, Create", "InitialiseDialog(35.0) -> crosshair panel",
                            "SendPlateCommand(1,1)", "laser on", "laser fires at (+0.000, +0.000) mm",
                            "laser fires at (-0.560, +0.420) mm from the centre of well A1",
                            "cross at (-40, 30), 2 laser marks", "SendPlateCommand(1,2)", "laser off",
                            "cross at (0, 0), 9 laser marks", "GoToLockMassWell(0,\"\",1)",
                            "cross at (0, 0), 0 laser marks", "StopAcquisition() -> crosshair panel",
                            "(window closed)"}));
    // Every position sent while the laser fired is one mark; none after it stopped.
    const int firing = t.Count("laser fires at", "host");
    EXPECT_EQ(firing, 9);
    EXPECT_GT(session.Host().Count(RecordingAppInterface::Operation::MovePlateToPosition), firing);
    EXPECT_FALSE(session.Instrument().Stage().LaserOn());
    HWND panel = session.Host().CrosshairWindow();
    EXPECT_TRUE(!panel || !session.Ui().IsVisible(panel));
}
