// Each scenario run in-process as maldi-sim runs it: the transcript holds the essential events in
// order, and the instrument and the host end where the session leaves them.
#include <gtest/gtest.h>

#include <chrono>

#include "SimTestSupport.h"
#include "sim/SimCalibrationSearch.h"
#include "sim/SimScenarios.h"
#include "sim/SimSession.h"

using simtest::InOrder;
using simtest::TestOptions;

namespace {

// Runs the scenario by name; fails the test when it is not in the list.
bool RunScenario(SimSession& session, const char* name)
{
    const SimScenario* scenario = SimScenarios::Find(name);
    if (!scenario) return false;
    scenario->run(session);
    return true;
}

// The commands and settings the instrument received, in order, without the throttle jogs.
std::vector<std::string> ProbeWrites(const CInstCtlClient& client)
{
    std::vector<std::string> writes;
    for (const auto& write : client.Writes())
        if (write.symbol != "ELECTROSPRAY_THROTTLE_POSITION_SETTING") writes.push_back(write.Text());
    return writes;
}

} // namespace

TEST(SimScenario, SourceSwapGoesToApiThroughTheOverrideAndBackToMaldiAfterCooling)
{
    SimSession session(TestOptions(), "source-swap", nullptr);
    ASSERT_TRUE(RunScenario(session, "source-swap"));
    const SimTranscript& t = session.Transcript();

    EXPECT_TRUE(InOrder(t, {"Temperature!", "clicks the thermometer button", "Reducing temperature. Interlock overridden.",
                            "GetSourceMode()", "Open Source", "Command UNLOAD_PROBE_COMMAND", "Remove Cover",
                            "fits the API cone", "Confirm API", "Command ES_PROBE_MODE_COMMAND", "API Ready",
                            "SourceSwapComplete(0)", "software source mode is now API"}));
    // The way back: the interlock releases itself, the wrong cover is sent back with Prev Step.
    EXPECT_TRUE(InOrder(t, {"SourceSwapComplete(0)", "Temperature!", "Temperature Ok", "Remove Cone",
                            "Confirm API", "\"Prev Step\": the wrong cover", "fits the MALDI cover cap",
                            "Confirm MALDI", "Command LOAD_PROBE_COMMAND", "MALDI Ready", "SourceSwapComplete(2)",
                            "plate indexing to the first well"}));
    EXPECT_EQ(t.Count("clicks the thermometer button"), 1) << "the second swap waited for the source to cool";
    EXPECT_EQ(t.Count("Source Temp above 45", "log"), 2) << "each run logs the interlock once";

    EXPECT_EQ(ProbeWrites(session.Client()),
              (std::vector<std::string>{"Setting SOURCE_TEMPERATURE_SETTING = 30", "Command UNLOAD_PROBE_COMMAND",
                                        "Command ES_PROBE_MODE_COMMAND", "Command UNLOAD_PROBE_COMMAND",
                                        "Command UNLOAD_PROBE_COMMAND", "Command LOAD_PROBE_COMMAND"}));

    // The source is back as MALDI needs it: cap fitted, front closed, probe loaded and cool.
    const SimSourceHardware& source = session.Instrument().Source();
    EXPECT_TRUE(source.ReportedCover() == SimSourceHardware::kCoverMaldiCap && source.FrontClosed() &&
                source.ProbeState() == 3 && source.ProbeSubStep() == 0 && source.Temperature() <= 45.0);
    HWND swap = session.Host().SourceSwapWindow();
    EXPECT_TRUE(!swap || !session.Ui().IsVisible(swap)) << "the window closed at the last step";
}

TEST(SimScenario, EsiProbeHoldAcceleratesSavesAndExitReturnsTheProbe)
{
    SimSession session(TestOptions(), "esi-probe", nullptr);
    ASSERT_TRUE(RunScenario(session, "esi-probe"));
    const SimTranscript& t = session.Transcript();

    // The held button: intervals between the throttle writes of the hold.
    std::vector<unsigned long long> times;
    int hold = t.Find("holds \"Source Out\" down");
    int release = t.Find("releases \"Source Out\"");
    ASSERT_GE(hold, 0);
    ASSERT_GT(release, hold);
    for (int i = hold; i < release; ++i)
        if (t.Lines()[i].text.find("<- Setting ELECTROSPRAY_THROTTLE_POSITION_SETTING") == 0)
            times.push_back(t.Lines()[i].time);
    ASSERT_GE(times.size(), 11u);
    std::vector<unsigned long long> intervals;
    for (size_t i = 1; i < 11; ++i) intervals.push_back(times[i] - times[i - 1]);
    EXPECT_EQ(intervals, (std::vector<unsigned long long>{600, 600, 500, 500, 500, 400, 400, 400, 300, 300}));

    const std::string box = "\"Exit Without Saving Source Position?\" [Information, MB_YESNO | MB_ICONINFORMATION]";
    EXPECT_TRUE(InOrder(t, {"clicks \"Save Position\"", "SaveESIProbePosition(", box + " -> No", box + " -> Yes",
                            "ESIProbeWindowClosed(50)", "(window closed)"}));
    int saved = session.Host().SavedEsiPosition();
    EXPECT_GT(saved, 2000);
    EXPECT_EQ(t.Count("SaveESIProbePosition(" + std::to_string(saved) + ")", "host"), 1);
    // Exit with Yes wrote the saved position back, and the throttle went there.
    ASSERT_FALSE(session.Client().Writes().empty());
    EXPECT_EQ(session.Client().Writes().back().value, saved);
    EXPECT_EQ(session.Instrument().Source().Throttle(), saved);
    HWND esi = session.Host().EsiProbeWindow();
    EXPECT_TRUE(!esi || !session.Ui().IsVisible(esi));
}

TEST(SimScenario, AcquisitionShowsEachSpotPausesAndStopsOnlyWhenConfirmed)
{
    SimSession session(TestOptions(), "acquisition", nullptr);
    ASSERT_TRUE(RunScenario(session, "acquisition"));
    const SimTranscript& t = session.Transcript();
    const std::string box = "\"Really stop the acquisition ?\" [Information, MB_YESNO | MB_ICONINFORMATION]";

    EXPECT_TRUE(InOrder(t, {"SendPlateCommand(2,14)", "InitialiseDialog(30.0)", "SendPlateCommand(2,14)",
                            "bar \"A1: 1 of 5\"", "bar \"A2: 2 of 5\"", "bar \"Ref: 3 of 5\"",
                            "RequestPauseAcquisition()", "acquisition paused", "RequestContinueAcquisition()",
                            "bar \"A3: 4 of 5\"", "SendPlateCommand(5,2)", "SendPlateCommand(2,3)",
                            "bar \"A4: 5 of 5\"", box + " -> No", box + " -> Yes", "RequestStopAcquisition()",
                            "acquisition run stopped", "StopAcquisition() -> acquisition panel", "(window closed)"}));
    // While paused the movement, laser and lock-mass buttons are off; on the reference spot the
    // lock-mass button shows checked.
    EXPECT_TRUE(t.Contains("Previous greyed, Next greyed, Plate Stop greyed, Laser greyed, Pause pressed, Lock Mass greyed", "acquire"));
    EXPECT_TRUE(InOrder(t, {"bar \"Ref: 3 of 5\"", "Lock Mass pressed"}));
    // The No answer sent nothing: one stop request only.
    EXPECT_EQ(session.Host().Count(RecordingAppInterface::Operation::RequestStopAcquisition), 1);
    EXPECT_EQ(t.Count("Really stop the acquisition ?", "box"), 2);

    const SimPlateStage& stage = session.Instrument().Stage();
    EXPECT_TRUE(!stage.Running() && !stage.LaserOn() && stage.Speed() == 2 && stage.WellName() == "A4");
}

TEST(SimScenario, CrosshairDragWithTheLaserFiringLeavesOneMarkPerPositionSent)
{
    SimSession session(TestOptions(), "crosshair", nullptr);
    ASSERT_TRUE(RunScenario(session, "crosshair"));
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

TEST(SimScenario, CalibrationSearchesToTheEndThenOneIsAborted)
{
    using Search = SimCalibrationSearch;
    SimSession session(TestOptions(), "calibration", nullptr);
    ASSERT_TRUE(RunScenario(session, "calibration"));
    const SimTranscript& t = session.Transcript();

    EXPECT_TRUE(InOrder(
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

TEST(SimScenario, RealtimePaceTakesWallClockTime)
{
    SimOptions options = TestOptions();
    options.pace = SimOptions::Pace::Realtime;
    SimSession session(options, "pace", nullptr);
    auto start = std::chrono::steady_clock::now();
    session.Wait(300);
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    EXPECT_GE(elapsed.count(), 300);
    EXPECT_EQ(session.Ui().Now(), 300u);
}
