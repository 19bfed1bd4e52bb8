// The simulator piece by piece: the probe's states as the swap panel reads them and its refusal to
// drive into an open source, the calibration search's failure, host calls that make no sense, boxes
// the operator has no answer for, the transcript's time stamps. The scenarios cover the rest end to end.
#include <gtest/gtest.h>

#include "maldi/boundary/InstrumentProperty.h"
#include "platform/instrument/VEXPropertyTable.h"
#include "sim/SimCalibrationSearch.h"
#include "sim/SimSession.h"
#include "sim/SimSourceHardware.h"

namespace {

// The table is reset before the hardware reads its starting state from it.
struct FreshTable {
    FreshTable() { VEXPropertyTable::Instance().Reset(); }
    ~FreshTable() { VEXPropertyTable::Instance().Reset(); }
};

struct SourceFixture : ::testing::Test {
    FreshTable table;
    std::vector<std::string> events;
    SimSourceHardware source{[this](const std::string& text) { events.push_back(text); }};

    int Status(const char* symbol)
    {
        BYTE value = 0;
        EXPECT_TRUE(InstrumentProperty::ReadStatus(symbol, value));
        return value;
    }
    void Pass(unsigned ms)
    {
        for (unsigned t = 0; t < ms; t += 50) source.Advance(50);
    }
};

} // namespace

TEST_F(SourceFixture, ProbeRefusesToDriveIntoAnOpenSourceAndIsNotReadyBeforeItsLastSubStep)
{
    source.UnloadProbe();
    Pass(4000);
    source.OpenFront();
    EXPECT_EQ(Status(InstrumentProperty::SourcePresentStateStatus), 0);
    source.EsProbeMode();
    source.LoadProbe();
    Pass(1000);
    EXPECT_EQ(Status(InstrumentProperty::ProbeStateStatus), 0x00);
    EXPECT_EQ(events.back(), "load refused: the source front is open");

    source.CloseFront();
    source.EsProbeMode();
    Pass(50);
    EXPECT_EQ(Status(InstrumentProperty::ProbeStateStatus), 0x80);
    Pass(4 * SimSourceHardware::kEsStepMs);
    EXPECT_EQ(Status(InstrumentProperty::ProbeStateStatus), 0x84) << "not ready before sub-step 5";
    Pass(SimSourceHardware::kEsStepMs);
    EXPECT_EQ(Status(InstrumentProperty::ProbeStateStatus), 0x85);
}

TEST(SimCalibrationSearch, AMissedHoleEndsAsFailedNotCompletedAndBadSettingsAreRefused)
{
    using Search = SimCalibrationSearch;
    Search search;
    std::vector<Search::Result> ends;
    search.SetEndListener([&](const Search::Result& r) { ends.push_back(r); });
    Search::Settings tiny; // one aim per hole, at the expected position: hole 2 lies beyond the radius
    tiny.window = 1;
    tiny.delayPerRow = 0;
    ASSERT_TRUE(search.Start(tiny));
    search.Advance(Search::kMinAimMs * 3);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].end, Search::End::Failed);
    EXPECT_FALSE(search.Running());

    Search::Settings bad;
    bad.window = 0;
    EXPECT_FALSE(search.Start(bad));
    bad.window = 3;
    bad.step = -0.1;
    EXPECT_FALSE(search.Start(bad));
}

namespace {

struct HostFixture : ::testing::Test {
    SimSession session{SimOptions(), "host", nullptr};
    SimHost& host = session.Host();
    SimPlateStage& stage = session.Instrument().Stage();
};

} // namespace

// The scenarios play the calls a host understands; these are the ones it does not.
TEST_F(HostFixture, UnknownSourceModesAndPlateCommandsChangeNothingAndAreTranscribed)
{
    host.SourceSwapComplete(5);
    EXPECT_EQ(host.GetSourceMode(), CMaldiAppInterface::SourceModeMaldi);
    EXPECT_TRUE(session.Transcript().Contains("source mode 5 not known", "host"));
    EXPECT_FALSE(session.Transcript().Contains("plate indexing")) << "only a swap to MALDI indexes the plate";
    host.SendPlateCommand(CMaldiAppInterface::PlateCommandSpeed, 7);
    host.SendPlateCommand(CMaldiAppInterface::PlateCommandSpeed, 0);
    EXPECT_EQ(stage.Speed(), 7);
    host.SendPlateCommand(CMaldiAppInterface::PlateCommandMove, 99);
    EXPECT_TRUE(session.Transcript().Contains("plate command (2,99) not known", "host"));
    host.SendPlateCommand(CMaldiAppInterface::PlateCommandMove, CMaldiAppInterface::RequestInitialStates);
    EXPECT_FALSE(session.Transcript().Contains("UpdateProgressIndicator")) << "initial states only during a run";
}

TEST_F(HostFixture, OperatorAnswersBoxesByRuleAndLeavesUnexpectedOnesUnanswered)
{
    SimOperator& oper = session.Operator();
    oper.AnswerOnce("Really stop", IDNO);
    oper.AnswerAlways("Exit Without Saving", IDYES);
    Automation& ui = session.Ui();
    EXPECT_EQ(ui.ShowMessageBox(nullptr, "Really stop the acquisition ?", "Information", MB_YESNO), IDNO);
    EXPECT_EQ(ui.ShowMessageBox(nullptr, "Exit Without Saving Source Position?", "Information", MB_YESNO), IDYES);
    EXPECT_EQ(ui.ShowMessageBox(nullptr, "Exit Without Saving Source Position?", "Information", MB_YESNO), IDYES);
    // The once-rule is used up: the next stop box has no answer and fails loudly.
    EXPECT_THROW(ui.ShowMessageBox(nullptr, "Really stop the acquisition ?", "Information", MB_YESNO), AutomationError);
    EXPECT_TRUE(session.Transcript().Contains("(the operator has no answer)", "box"));
    EXPECT_EQ(oper.Answers().size(), 3u);
}

TEST(SimTranscript, StampsVirtualTimeAsMinutesSecondsMilliseconds)
{
    EXPECT_EQ(SimTranscript::FormatTime(0), "00:00.000");
    EXPECT_EQ(SimTranscript::FormatTime(62345), "01:02.345");
    EXPECT_EQ(SimTranscript::FormatTime(3600000), "60:00.000");
    SimTranscript transcript;
    transcript.AddAt(1500, "oper", "clicks \"Next Step\"");
    EXPECT_EQ(transcript.Lines().back().Format(), "00:01.500  oper      clicks \"Next Step\"");
    EXPECT_EQ(transcript.Find("Next", "host"), -1);
    EXPECT_EQ(transcript.Find("Next", "oper"), 0);
}
