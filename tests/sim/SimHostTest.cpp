// The simulated host and operator in one session, driven piece by piece: host calls that make no
// sense, boxes the operator has no answer for, the transcript's time stamps.
#include <gtest/gtest.h>

#include "sim/SimSession.h"

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
