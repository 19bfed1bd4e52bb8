// The simulated hardware on its own: probe motion and covers as the swap panel will read them,
// and the plate stage's acquisition run as the host will report it.
#include <gtest/gtest.h>

#include "maldi/boundary/InstrumentProperty.h"
#include "platform/framework/AutomationSession.h"
#include "platform/instrument/VEXPropertyTable.h"
#include "platform/platemodel/TargetPlate.h"
#include "sim/SimPlateStage.h"
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

TEST_F(SourceFixture, UnloadWithdrawsThroughStateFourToTheIsolationPosition)
{
    EXPECT_EQ(Status(InstrumentProperty::ProbeStateStatus), 0x30);
    source.UnloadProbe();
    Pass(50);
    EXPECT_EQ(Status(InstrumentProperty::ProbeStateStatus), 0x40);
    EXPECT_EQ(Status(InstrumentProperty::ProbePreviousState), 3);
    Pass(3 * SimSourceHardware::kUnloadStepMs);
    EXPECT_EQ(Status(InstrumentProperty::ProbeStateStatus), 0x43);
    Pass(SimSourceHardware::kUnloadStepMs);
    EXPECT_EQ(Status(InstrumentProperty::ProbeStateStatus), 0x00);
    EXPECT_EQ(Status(InstrumentProperty::ProbePreviousState), 4);
}

TEST_F(SourceFixture, ProbeRefusesToDriveIntoAnOpenSourceAndLoadsWhenClosed)
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

    // From the API position a load withdraws first, then counts the MALDI sub-steps down.
    source.LoadProbe();
    Pass(50 + 4 * SimSourceHardware::kUnloadStepMs);
    EXPECT_EQ(Status(InstrumentProperty::ProbeStateStatus), 0x00);
    Pass(SimSourceHardware::kLoadStepMs);
    EXPECT_EQ(Status(InstrumentProperty::ProbeStateStatus), 0x18);
    Pass(8 * SimSourceHardware::kLoadStepMs);
    EXPECT_EQ(Status(InstrumentProperty::ProbeStateStatus), 0x10);
    Pass(SimSourceHardware::kLoadStepMs);
    EXPECT_EQ(Status(InstrumentProperty::ProbeStateStatus), 0x30);
}

TEST_F(SourceFixture, AFittedCoverIsRecognisedOnlyAfterThePressureSettles)
{
    source.RemoveCover();
    EXPECT_EQ(Status(InstrumentProperty::ProbeCoverStateStatus), 0);
    source.FitCover(SimSourceHardware::kCoverApiCone);
    Pass(SimSourceHardware::kCoverDetectMs - 50);
    EXPECT_EQ(Status(InstrumentProperty::ProbeCoverStateStatus), 0);
    Pass(50);
    EXPECT_EQ(Status(InstrumentProperty::ProbeCoverStateStatus), 1);
    source.FitCover(7);
    EXPECT_EQ(source.FittedCover(), SimSourceHardware::kCoverApiCone) << "no such cover";
}

TEST_F(SourceFixture, TemperatureCoolsTowardTheSetPointAndNeverPassesIt)
{
    source.SetTemperature(72.0, 30.0);
    Pass(90000);
    double value = 0.0;
    ASSERT_TRUE(InstrumentProperty::Read(InstrumentProperty::SourceTemperatureReadback, value));
    // One time constant: 30 + 42 / e.
    EXPECT_NEAR(value, 30.0 + 42.0 / 2.718281828, 0.2);
    Pass(900000);
    EXPECT_NEAR(source.Temperature(), 30.0, 0.01);
    EXPECT_GE(source.Temperature(), 30.0);
}

namespace {

struct StageFixture : ::testing::Test {
    AutomationSession session;
    CMaldiPlate plate;
    std::vector<std::string> events;
    std::vector<SimPlateStage::Progress> progress;
    std::vector<bool> ends;
    SimPlateStage stage{[this](const std::string& text) { events.push_back(text); }};

    StageFixture()
    {
        SetTargetPlate(&plate);
        stage.SetProgressListener([this](const SimPlateStage::Progress& p) { progress.push_back(p); });
        stage.SetEndListener([this](bool completed) { ends.push_back(completed); });
    }
    ~StageFixture() override { SetTargetPlate(nullptr); }
    void Pass(unsigned ms)
    {
        for (unsigned t = 0; t < ms; t += 50) stage.Advance(50);
    }
};

} // namespace

TEST_F(StageFixture, ARunReportsEachSpotInOrderAndEnds)
{
    ASSERT_TRUE(stage.StartRun({{1, false}, {1, true}, {2, false}}, 1000));
    EXPECT_FALSE(stage.StartRun({{3, false}}, 1000)) << "one run at a time";
    Pass(20000);
    ASSERT_EQ(progress.size(), 3u);
    EXPECT_EQ(progress[1].reference, 1);
    EXPECT_EQ(progress[2].currentSpot, 2);
    EXPECT_EQ(progress[2].well, 2);
    EXPECT_EQ(progress[2].spotCount, 3);
    EXPECT_EQ(ends, std::vector<bool>{true});
    EXPECT_EQ(stage.SpotsAcquired(), 3);
    EXPECT_FALSE(stage.LaserOn());
    EXPECT_GT(stage.Shots(), 3 * SimPlateStage::kShotsPerSecond * 9 / 10);
}

TEST_F(StageFixture, PauseFreezesTheRunAndStopEndsItUncompleted)
{
    ASSERT_TRUE(stage.StartRun({{1, false}, {2, false}}, 1000));
    Pass(500);
    stage.Pause();
    long shots = stage.Shots();
    Pass(10000);
    EXPECT_EQ(progress.size(), 1u);
    EXPECT_EQ(stage.Shots(), shots);
    stage.Continue();
    Pass(1500);
    EXPECT_EQ(progress.size(), 2u);
    stage.Stop();
    EXPECT_EQ(ends, std::vector<bool>{false});
    EXPECT_FALSE(stage.Running());
}

TEST_F(StageFixture, StopPlateHoldsTheSpotUntilNext)
{
    ASSERT_TRUE(stage.StartRun({{1, false}, {2, false}, {3, false}}, 1000));
    stage.StopPlate();
    Pass(10000);
    EXPECT_EQ(progress.size(), 1u);
    stage.MoveNext();
    EXPECT_EQ(progress.back().currentSpot, 1);
    stage.MovePrevious();
    EXPECT_EQ(progress.back().currentSpot, 0);
    stage.SetSpeed(9);
    EXPECT_EQ(stage.Speed(), 4);
}
