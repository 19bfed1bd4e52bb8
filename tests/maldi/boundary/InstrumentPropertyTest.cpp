#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "maldi/boundary/InstrumentProperty.h"
#include "platform/instrument/CInstCtlClient.h"
#include "platform/instrument/VEXPropertyTable.h"

namespace {

class InstrumentPropertyTest : public ::testing::Test {
protected:
    void SetUp() override { table.Reset(); }
    void TearDown() override { table.Reset(); }
    VEXPropertyTable& table = VEXPropertyTable::Instance();
    CInstCtlClient client;
};

using IP = InstrumentProperty;

} // namespace

TEST_F(InstrumentPropertyTest, UnknownSymbolOrNullClientSkipsSilently)
{
    table.Remove(IP::ProbeCoverStateStatus);
    double value = 7.0;
    BYTE status = 9;
    EXPECT_FALSE(IP::Read(IP::ProbeCoverStateStatus, value));
    EXPECT_FALSE(IP::ReadStatus(IP::ProbeCoverStateStatus, status));
    EXPECT_FALSE(IP::SetLastTransfer(IP::ProbeCoverStateStatus, 1.0));
    EXPECT_FALSE(IP::Read(nullptr, value));
    EXPECT_EQ(value, 7.0);
    EXPECT_EQ(status, 9);

    table.Remove(IP::LoadProbeCommand);
    EXPECT_FALSE(IP::SendCommand(&client, IP::LoadProbeCommand));
    EXPECT_FALSE(IP::WriteSetting(&client, "NO_SUCH_SETTING", 1.0));
    EXPECT_FALSE(IP::WriteSetting(nullptr, IP::SourceTemperatureSetting, 30.0));
    EXPECT_FALSE(IP::SendCommand(nullptr, IP::UnloadProbeCommand));
    EXPECT_TRUE(client.Writes().empty());

    // The symbol is looked up again on each call, so it works as soon as the instrument knows it.
    table.Add(IP::LoadProbeCommand, VEXPropertyKind::Command, 0.0);
    EXPECT_TRUE(IP::SendCommand(&client, IP::LoadProbeCommand));
    ASSERT_EQ(client.Writes().size(), 1u);
    EXPECT_EQ(client.Writes()[0].Text(), "Command LOAD_PROBE_COMMAND");
}

TEST_F(InstrumentPropertyTest, AWriteIsSeenByTheNextReadOnlyWhenTheLastTransferIsSetToo)
{
    ASSERT_TRUE(IP::SetLastTransfer(IP::ElectrosprayThrottlePositionSetting, 2000.0));
    EXPECT_TRUE(IP::WriteSetting(&client, IP::ElectrosprayThrottlePositionSetting, 2050.0));
    double value = 0.0;
    ASSERT_TRUE(IP::Read(IP::ElectrosprayThrottlePositionSetting, value));
    EXPECT_EQ(value, 2000.0);

    // The interlock override: write the set point and set it locally at once.
    ASSERT_TRUE(IP::SetLastTransfer(IP::SourceTemperatureSetting, 150.0));
    EXPECT_TRUE(IP::WriteSetting(&client, IP::SourceTemperatureSetting, 30.0));
    EXPECT_TRUE(IP::SetLastTransfer(IP::SourceTemperatureSetting, 30.0));
    ASSERT_TRUE(IP::Read(IP::SourceTemperatureSetting, value));
    EXPECT_EQ(value, 30.0);
    EXPECT_EQ(client.WriteLog(),
              "Setting ELECTROSPRAY_THROTTLE_POSITION_SETTING = 2050\n"
              "Setting SOURCE_TEMPERATURE_SETTING = 30\n");
}

TEST_F(InstrumentPropertyTest, StatusCodesAreTruncatedToAByte)
{
    BYTE status = 0;
    IP::SetLastTransfer(IP::ProbeStateStatus, 133.9); // 0x85: state 8, sub-step 5
    ASSERT_TRUE(IP::ReadStatus(IP::ProbeStateStatus, status));
    EXPECT_EQ(status, 0x85);
    EXPECT_EQ(IP::ProbeState(status), 8);
    EXPECT_EQ(IP::ProbeSubStep(status), 5);

    EXPECT_EQ(IP::StatusByte(2.99), 2);
    EXPECT_EQ(IP::StatusByte(-0.5), 0);   // toward zero, not down
    EXPECT_EQ(IP::StatusByte(-1.0), 255); // low byte of -1
    EXPECT_EQ(IP::StatusByte(0x1F3), 0xF3);
    EXPECT_EQ(IP::StatusByte(4294967296.0 + 7.0), 7); // beyond int: no undefined conversion
    EXPECT_EQ(IP::StatusByte(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(IP::StatusByte(-std::numeric_limits<double>::infinity()), 0);
}
