#include <gtest/gtest.h>

#include "maldi/boundary/CMaldiAppInterface.h"
#include "tests/support/VirtualSlot.h"

#ifdef MALDI_HAS_VIRTUAL_SLOT
// A host built against the published interface calls through these slots: a reordered or
// inserted operation would call the wrong one.
TEST(CMaldiAppInterface, TwelveOperationsKeepTheHostsSlotOrderSoAnOldHostCallsTheRightOne)
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
