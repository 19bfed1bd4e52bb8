// The simulated source on its own: the probe's states as the swap panel reads them, and its refusal
// to drive into an open source. The scenarios cover the rest of the hardware end to end.
#include <gtest/gtest.h>

#include "maldi/boundary/InstrumentProperty.h"
#include "platform/instrument/VEXPropertyTable.h"
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

