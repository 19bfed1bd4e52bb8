// The time bookkeeping the scan function dialogs and the survey page share, on its own.

#include <gtest/gtest.h>

#include <climits>

#include "maldi/dialogs/MaldiAcquisitionTime.h"

namespace {

struct Values {
    int start = 10, end = 60, lockMass = 10, sample = 60;
    BOOL useLockMass = FALSE;
    double total = 70.0;
    MaldiAcquisitionTime time{start, end, lockMass, sample, useLockMass, total};
};

} // namespace

// Open() resetting the start time is the MS dialog's opening test.
TEST(MaldiAcquisitionTime, OpeningCanKeepTheStartTime)
{
    Values kept;
    kept.start = 7;
    kept.time.OpenKeepingStartTime();
    EXPECT_EQ(kept.start, 7);
    EXPECT_EQ(kept.sample, 60);
    EXPECT_DOUBLE_EQ(kept.total, 60.0);

    Values withLockMass;
    withLockMass.useLockMass = TRUE;
    withLockMass.start = 7;
    withLockMass.time.OpenKeepingStartTime();
    EXPECT_EQ(withLockMass.start, 10);
    EXPECT_EQ(withLockMass.sample, 50);
}

TEST(MaldiAcquisitionTime, TimesAtTheIntLimitsDoNotOverflow)
{
    Values v;
    v.useLockMass = TRUE;
    v.end = INT_MIN;
    v.lockMass = INT_MAX;
    v.time.Open();
    EXPECT_EQ(v.sample, INT_MIN);
    v.sample = INT_MAX;
    v.time.LockMassTimeChanged();
    EXPECT_EQ(v.end, INT_MAX);
    v.lockMass = INT_MIN;
    v.sample = INT_MIN;
    v.time.SampleTimeChanged();
    EXPECT_EQ(v.end, INT_MIN);
    EXPECT_DOUBLE_EQ(v.total, static_cast<double>(INT_MIN));
}
