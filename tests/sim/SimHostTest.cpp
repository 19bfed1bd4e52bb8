// The simulated host, instrument and operator in one session, driven piece by piece: what each
// host call does to the simulated hardware, how the instrument follows the clock, and how the
// operator answers boxes.
#include <gtest/gtest.h>

#include "maldi/boundary/InstrumentProperty.h"
#include "platform/framework/CString.h"
#include "platform/framework/ResourceChain.h"
#include "platform/instrument/PropertyRuntime.h"
#include "sim/SimSession.h"

namespace {

struct HostFixture : ::testing::Test {
    SimSession session{SimOptions(), "host", nullptr};
    SimHost& host = session.Host();
    SimPlateStage& stage = session.Instrument().Stage();
};

} // namespace

TEST_F(HostFixture, SourceSwapCompleteSwitchesTheModeAndIndexesThePlateAfterMaldi)
{
    EXPECT_EQ(host.GetSourceMode(), CMaldiAppInterface::SourceModeMaldi);
    host.SourceSwapComplete(CMaldiAppInterface::SwapToApi);
    EXPECT_EQ(host.GetSourceMode(), CMaldiAppInterface::SourceModeApi);
    host.SourceSwapComplete(5);
    EXPECT_EQ(host.GetSourceMode(), CMaldiAppInterface::SourceModeApi) << "an unknown mode changes nothing";
    EXPECT_TRUE(session.Transcript().Contains("source mode 5 not known", "host"));
    EXPECT_FALSE(session.Transcript().Contains("plate indexing"));
    host.SourceSwapComplete(CMaldiAppInterface::SwapToMaldi);
    EXPECT_EQ(host.GetSourceMode(), CMaldiAppInterface::SourceModeMaldi);
    EXPECT_TRUE(session.Transcript().Contains("plate indexing to the first well", "stage"));
    // Every call is recorded as the recording host records it, and written to the transcript.
    EXPECT_EQ(host.Count(RecordingAppInterface::Operation::SourceSwapComplete), 3);
    EXPECT_EQ(session.Transcript().Count("SourceSwapComplete(", "host"), 3);
}

TEST_F(HostFixture, PlateCommandsReachTheStage)
{
    host.SendPlateCommand(CMaldiAppInterface::PlateCommandLaser, CMaldiAppInterface::LaserOn);
    EXPECT_TRUE(stage.LaserOn());
    session.Wait(1000);
    EXPECT_EQ(stage.Shots(), SimPlateStage::kShotsPerSecond);
    host.SendPlateCommand(CMaldiAppInterface::PlateCommandLaser, CMaldiAppInterface::LaserOff);
    EXPECT_FALSE(stage.LaserOn());

    host.SendPlateCommand(CMaldiAppInterface::PlateCommandSpeed, 7);
    EXPECT_EQ(stage.Speed(), 7);
    host.SendPlateCommand(CMaldiAppInterface::PlateCommandSpeed, 0);
    EXPECT_EQ(stage.Speed(), 7);

    host.SendPlateCommand(CMaldiAppInterface::PlateCommandMove, CMaldiAppInterface::MoveNext);
    session.Wait(3000);
    EXPECT_EQ(stage.WellName(), "A2");
    host.SendPlateCommand(CMaldiAppInterface::PlateCommandMove, CMaldiAppInterface::MovePrevious);
    EXPECT_EQ(stage.WellName(), "A1");
    host.SendPlateCommand(CMaldiAppInterface::PlateCommandMove, 99);
    EXPECT_TRUE(session.Transcript().Contains("plate command (2,99) not known", "host"));
}

TEST_F(HostFixture, RunRequestsReachTheRunAndInitialStatesAreAnsweredOnlyDuringARun)
{
    host.SendPlateCommand(CMaldiAppInterface::PlateCommandMove, CMaldiAppInterface::RequestInitialStates);
    EXPECT_FALSE(session.Transcript().Contains("UpdateProgressIndicator"));

    ASSERT_TRUE(host.StartAcquisition({{1, false}, {2, false}}, 1000, 25.0));
    EXPECT_FALSE(host.StartAcquisition({{3, false}}, 1000, 25.0)) << "one run at a time";
    host.RequestPauseAcquisition();
    EXPECT_TRUE(stage.Paused());
    host.RequestContinueAcquisition();
    EXPECT_FALSE(stage.Paused());
    CString well;
    host.GoToLockMassWell(true, well, 1);
    EXPECT_TRUE(stage.AtLockMass());
    EXPECT_EQ(stage.LastProgress().reference, 1);
    host.GoToLockMassWell(false, well, 1);
    EXPECT_EQ(stage.LastProgress().reference, 0);
    host.RequestStopAcquisition();
    EXPECT_FALSE(stage.Running());
}

TEST_F(HostFixture, HostModuleSuppliesWhatTheLibraryLacks)
{
    CString ionMode;
    ASSERT_TRUE(ionMode.LoadString(23023));
    EXPECT_EQ(ionMode, CString("LDI+"));
    ResourceModule* from = nullptr;
    EXPECT_EQ(ResourceChain::Get().FindIcon(ResourceId(SimHost::kApplicationIcon), &from), host.ApplicationIcon());
    EXPECT_EQ(from, &host.Module());
}

TEST_F(HostFixture, InstrumentFollowsTheClockAndTheClientsWrites)
{
    CInstCtlClient& client = session.Client();
    client.VexCommandPropertyWriteRemote(getPropertyHandleFromSymbol(InstrumentProperty::UnloadProbeCommand));
    EXPECT_TRUE(session.Transcript().Contains("<- Command UNLOAD_PROBE_COMMAND", "inst"));
    BYTE status = 0;
    ASSERT_TRUE(InstrumentProperty::ReadStatus(InstrumentProperty::ProbeStateStatus, status));
    EXPECT_EQ(status, 0x30) << "nothing moves before time does";
    // Any advance of the virtual clock moves the hardware, not only the session's own waits.
    session.Ui().Advance(4 * SimSourceHardware::kUnloadStepMs + 100);
    ASSERT_TRUE(InstrumentProperty::ReadStatus(InstrumentProperty::ProbeStateStatus, status));
    EXPECT_EQ(status, 0x00);

    client.VexSettingPropertyWriteRemote(
        getPropertyHandleFromSymbol(InstrumentProperty::ElectrosprayThrottlePositionSetting), 2400.0);
    session.Wait(50);
    EXPECT_LT(session.Instrument().Source().Throttle(), 2400.0) << "the throttle travels";
    session.Wait(200);
    EXPECT_EQ(session.Instrument().Source().Throttle(), 2400.0);
    double readback = 0.0;
    ASSERT_TRUE(InstrumentProperty::Read(SimSourceHardware::kThrottleReadback, readback));
    EXPECT_EQ(readback, 2400.0);
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
