#include <gtest/gtest.h>

#include <memory>

#include "maldi/boundary/CMaldiAppInterface.h"
#include "tests/support/RecordingAppInterface.h"
#include "tests/support/VirtualSlot.h"

using Op = RecordingAppInterface::Operation;

#ifdef MALDI_HAS_VIRTUAL_SLOT
TEST(CMaldiAppInterface, TwelveOperationsKeepTheHostsSlotOrder)
{
    using I = CMaldiAppInterface;
    EXPECT_EQ(SlotOf(&I::MovePlateToPosition), 0u);
    EXPECT_EQ(SlotOf(&I::GoToLockMassWell), 1u);
    EXPECT_EQ(SlotOf(&I::SendPlateCommand), 2u);
    EXPECT_EQ(SlotOf(&I::RequestStopAcquisition), 3u);
    EXPECT_EQ(SlotOf(&I::RequestContinueAcquisition), 4u);
    EXPECT_EQ(SlotOf(&I::RequestPauseAcquisition), 5u);
    EXPECT_EQ(SlotOf(&I::SaveESIProbePosition), 6u);
    EXPECT_EQ(SlotOf(&I::ESIProbeWindowClosed), 7u);
    EXPECT_EQ(SlotOf(&I::StartPlateCalibration), 8u);
    EXPECT_EQ(SlotOf(&I::AbortPlateCalibration), 9u);
    EXPECT_EQ(SlotOf(&I::GetSourceMode), 10u);
    EXPECT_EQ(SlotOf(&I::SourceSwapComplete), 11u);
}
#endif

TEST(RecordingAppInterface, LogsEveryCallInOrderWithItsArguments)
{
    auto recorder = std::make_unique<RecordingAppInterface>();
    CMaldiAppInterface* host = recorder.get();
    CString well("C7");
    host->SendPlateCommand(2, 14);
    host->MovePlateToPosition(0.25, -1.5);
    host->GoToLockMassWell(true, well, 1);
    host->RequestPauseAcquisition();
    host->RequestContinueAcquisition();
    host->RequestStopAcquisition();
    host->SaveESIProbePosition(2050);
    host->ESIProbeWindowClosed(5);
    host->StartPlateCalibration(TRUE);
    host->AbortPlateCalibration();
    host->SourceSwapComplete(0);

    EXPECT_EQ(recorder->Texts(),
              (std::vector<std::string>{"SendPlateCommand(2,14)", "MovePlateToPosition(0.25,-1.5)",
                                        "GoToLockMassWell(1,\"C7\",1)", "RequestPauseAcquisition()",
                                        "RequestContinueAcquisition()", "RequestStopAcquisition()",
                                        "SaveESIProbePosition(2050)", "ESIProbeWindowClosed(5)",
                                        "StartPlateCalibration(1)", "AbortPlateCalibration()",
                                        "SourceSwapComplete(0)"}));
    ASSERT_EQ(recorder->calls.size(), 11u);
    EXPECT_EQ(recorder->calls[1].operation, Op::MovePlateToPosition);
    EXPECT_EQ(recorder->calls[1].args, (std::vector<double>{0.25, -1.5}));
    EXPECT_EQ(recorder->Count(Op::SendPlateCommand), 1);
    EXPECT_EQ(recorder->CallsOf(Op::SaveESIProbePosition).at(0).args.at(0), 2050.0);
    EXPECT_EQ(recorder->Count(Op::GetSourceMode), 0);

    recorder->Clear();
    EXPECT_TRUE(recorder->Texts().empty());
}

TEST(RecordingAppInterface, AnswersTheSourceModeItIsGivenAndRecordsTheQuestion)
{
    RecordingAppInterface recorder;
    CMaldiAppInterface& host = recorder;
    EXPECT_EQ(host.GetSourceMode(), CMaldiAppInterface::SourceModeMaldi);
    recorder.SetSourceMode(CMaldiAppInterface::SourceModeApi);
    EXPECT_EQ(host.GetSourceMode(), 1);
    recorder.SetSourceMode(7); // the host may answer anything; the double passes it on
    EXPECT_EQ(host.GetSourceMode(), 7);
    EXPECT_EQ(recorder.Count(Op::GetSourceMode), 3);
    EXPECT_EQ(recorder.calls.back().Text(), "GetSourceMode()");
}
