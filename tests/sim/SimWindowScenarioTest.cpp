// The scenarios of the dialogs, sheets and editors run in-process: each story's essential events in
// order (what the host set, what the operator did, what the instrument heard, what the host read
// back, and the files it wrote).
#include <gtest/gtest.h>

#include "SimTestSupport.h"
#include "sim/SimScenarios.h"
#include "sim/SimSession.h"

using simtest::InOrder;

namespace {

struct Story {
    const char* scenario;
    std::vector<std::string> events; // in order
};

// A transcript line of a field read back by the host after the operator's run.
std::string Read(const std::string& field, const std::string& value) { return "    " + field + " = " + value; }

const Story kStories[] = {
    {"ms-scan",
     {"laser firing rate = 500", "Firing Rate \"500\", Lock Mass Time \"10\", Sample Time \"50\", Total Time \"60\"",
      "firing rates offered: 1, 5, 10, 20, 500, 1000 Hz", "clicks \"...\"", "Open \"Pattern File(*.ptn) | *.ptn||\"",
      "Total Time \"90\" (greyed), Scans To Sum \"12\"", "returned 1 (IDOK)", Read("scans to sum", "12"),
      Read("data format", "\"MCA\""), Read("laser firing rate", "500"), Read("start time", "10"),
      Read("end time", "90"), "patterns/raster.ptn\""}},
    {"msms-scan",
     {"Collision Energy \"35\" (greyed)", "returned 1 (IDOK)", Read("set mass", "756.3"),
      Read("use tune page collision energy", "1"), Read("collision energy", "35"), "Collision Energy \"42.5\"",
      "returned 1 (IDOK)", Read("use tune page collision energy", "0"), Read("collision energy", "42.5")}},
    {"maldi-settings",
     {"Laser Pattern \"Straight Line\" (greyed)", "chooses \"1000\"", "the laser fires at 10 Hz", "returned 2 (IDCANCEL)",
      "the laser fires at 10 Hz", "<- MaldiControl 6 = 1000", "returned 1 (IDOK)", "default.ptn\"",
      "the laser fires at 1000 Hz", Read("probe motion type", "1"), "Pattern File \"\" (greyed)",
      "Pattern File \"/", "<- MaldiControl 6 = 5", Read("probe motion type", "0"), "patterns/raster.ptn\"",
      "the laser fires at 5 Hz"}},
    {"pattern-editor",
     {"7 points", "clicks \"Undo\"", "6 points: (-60, -60) on w4", "Save As \"Pattern Files (*.ptn) | *.ptn||\"",
      "6 points", "square.ptn as written", "  | -0.6 -0.6 1 4", "  | 0 0 0 4",
      "square.ptn ?\" [Pattern File, MB_YESNOCANCEL | MB_ICONEXCLAMATION] -> No",
      "0 points; file \"\"", "Open \"Pattern Files", "6 points", "the same points as saved", "returned 2 (IDCANCEL)"}},
    {"target-plate",
     {"lab.mtp as written", "Wells per Column \"8\"", "\"File has changed. Save?\" [Target Plate, MB_YESNO] -> Yes",
      "Save As \"Maldi Target Plate files", "returned 1 (IDOK)", "Plate() = \"", "small-wells.mtp as written",
      Read("wells per column", "4"), Read("well diameter", "4"), Read("well reference", "0"),
      Read("lock-mass correction", "0"), Read("hole 1 X", "-6.5"), Read("search window", "7"),
      Read("search step", "0.05"), "Wells per Column \"4\"", "returned 2 (IDCANCEL)", "bar \"1: 1 of 2\"; Lock Mass greyed",
      "bar \"8: 2 of 2\"", "laser fires at (-0.800, +0.600) mm from the centre of well 8"}},
    {"survey",
     {"sets MaldiLaserInfo:", "Sample Time \"50\", Total Time \"60\"", "Sample Time \"40\", Total Time \"50\"",
      "opens the \"MS to MSMS \" page", "opens the \"MSMS Switch\" page", "Monitor Window \"12\", After Time \"2\" (greyed)",
      "opens the \"MSMS Template\" page", "Collision Energy \"40\"", "opens the \"Include\" page",
      "opens the \"Collision Energy\" page", "returned 1 (IDOK)", Read("end mass", "2500"), Read("end time", "50"),
      Read("nPeaksToSwitchOn", "8"), Read("dMonitorWindow", "12"), Read("bMonitorWindow", "1"),
      Read("dEndMass", "500"), Read("strInstParamFile", "\"/methods/survey.ipr\""),
      Read("nLaserFiringRate", "1000"), Read("nPlateSpeed", "6"), Read("bUsePeakArea", "0")}},
    {"msms-switch",
     {"MB_YESNO] -> No", "\"Save\" of the mass list", "returned 1 (IDOK)",
      Read("nMaxDurationInEffect", "30"), Read("bAutoMassRange", "0"), Read("nLaserFiringRateInEffect", "1000"),
      Read("dCollisionEnergyInEffect", "60"), "| 2093.087000,", "50.000000,-1.000000"}},
};

} // namespace

TEST(SimWindowScenario, EachStoryShowsItsEventsInOrderAndOpensEveryScriptedModalRun)
{
    for (const Story& story : kStories) {
        SCOPED_TRACE(story.scenario);
        SimSession session(simtest::TestOptions(), story.scenario, nullptr);
        const SimScenario* scenario = SimScenarios::Find(story.scenario);
        ASSERT_NE(scenario, nullptr);
        ASSERT_NO_THROW(scenario->run(session));
        EXPECT_TRUE(InOrder(session.Transcript(), story.events));
        EXPECT_EQ(session.Ui().PendingModalScripts(), 0u) << "every modal run the story scripted was opened";
    }
}
