// The simulated hardware on its own: the probe's states as the swap panel reads them, its refusal to
// drive into an open source, and the calibration search's failure, which no scenario meets. The
// scenarios cover the rest of the hardware end to end.
#include <gtest/gtest.h>

#include "maldi/boundary/InstrumentProperty.h"
#include "platform/instrument/VEXPropertyTable.h"
#include "sim/SimCalibrationSearch.h"
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
