#include <gtest/gtest.h>

#include <cmath>

#include "platform/instrument/CInstCtlClient.h"
#include "platform/instrument/CInstMonClient.h"
#include "platform/instrument/PropertyRuntime.h"
#include "platform/instrument/VEXPropertyTable.h"

namespace {

class PropertyRuntime : public ::testing::Test {
protected:
    void SetUp() override { table.Reset(); }
    void TearDown() override { table.Reset(); }
    VEXPropertyTable& table = VEXPropertyTable::Instance();
};

double Value(const char* symbol)
{
    return vexPropertyGetLastTransferVal(getPropertyHandleFromSymbol(symbol));
}

} // namespace

TEST_F(PropertyRuntime, RemovedSymbolsAreUnknownUntilAddedOrReset)
{
    VEXPropertyTag* cover = getPropertyHandleFromSymbol("PROBE_COVER_STATE_STATUS");
    ASSERT_NE(cover, nullptr);
    vexPropertySetLastTransferVal(cover, 1.0);

    EXPECT_TRUE(table.Remove("PROBE_COVER_STATE_STATUS"));
    EXPECT_FALSE(table.Remove("PROBE_COVER_STATE_STATUS"));
    EXPECT_EQ(getPropertyHandleFromSymbol("PROBE_COVER_STATE_STATUS"), nullptr);
    EXPECT_EQ(table.Symbols().size(), 9u);

    // Coming back gives the same handle, so a stale one never dangles.
    EXPECT_EQ(table.Add("PROBE_COVER_STATE_STATUS", VEXPropertyKind::Status, 0.0), cover);
    EXPECT_EQ(Value("PROBE_COVER_STATE_STATUS"), 0.0);

    VEXPropertyTag* extra = table.Add("LASER_ENERGY_SETTING", VEXPropertyKind::Setting, 12.5);
    ASSERT_NE(extra, nullptr);
    EXPECT_EQ(getPropertyHandleFromSymbol("LASER_ENERGY_SETTING"), extra);
    EXPECT_EQ(table.Add("", VEXPropertyKind::Setting, 1.0), nullptr);

    table.Remove("SOURCE_TEMPERATURE_RB");
    table.SetMaldiEsiModel(false);
    EXPECT_FALSE(vexZephyrMaldiESIInstrument());
    table.Reset();
    EXPECT_TRUE(vexZephyrMaldiESIInstrument());
    EXPECT_EQ(getPropertyHandleFromSymbol("LASER_ENERGY_SETTING"), nullptr);
    EXPECT_EQ(Value("SOURCE_TEMPERATURE_RB"), 30.0);
    EXPECT_EQ(Value("PROBE_COVER_STATE_STATUS"), 2.0);
    EXPECT_EQ(table.Symbols().size(), 10u);
}

TEST_F(PropertyRuntime, HookLetsASimulatedInstrumentAnswerWrites)
{
    CInstCtlClient client;
    std::vector<std::string> seen;
    // A tiny instrument: unloading moves the probe to isolation, and it reports each set point back
    // through the client's own log (a re-entrant write).
    client.SetWriteHook([&](const CInstCtlClient::WriteRecord& write) {
        seen.push_back(write.Text());
        if (write.symbol == "UNLOAD_PROBE_COMMAND")
            vexPropertySetLastTransferVal(getPropertyHandleFromSymbol("PROBE_STATE_STATUS"), 0.0);
        if (write.kind == CInstCtlClient::WriteKind::Setting && write.value > 0)
            client.VexSettingPropertyWriteRemote(getPropertyHandleFromSymbol(write.symbol.c_str()), 0.0);
    });

    client.VexCommandPropertyWriteRemote(getPropertyHandleFromSymbol("UNLOAD_PROBE_COMMAND"));
    EXPECT_EQ(Value("PROBE_STATE_STATUS"), 0.0);

    client.VexSettingPropertyWriteRemote(getPropertyHandleFromSymbol("SOURCE_TEMPERATURE_SETTING"), 30.0);
    EXPECT_EQ(seen, (std::vector<std::string>{"Command UNLOAD_PROBE_COMMAND",
                                              "Setting SOURCE_TEMPERATURE_SETTING = 30",
                                              "Setting SOURCE_TEMPERATURE_SETTING = 0"}));
    ASSERT_EQ(client.Writes().size(), 3u);
    EXPECT_EQ(client.Writes()[2].order, 3);

    // A hook that removes itself while running must not pull the ground from under the call.
    client.SetWriteHook([&](const CInstCtlClient::WriteRecord&) { client.SetWriteHook(nullptr); seen.clear(); });
    client.SetMaldiControl(6, 10);
    client.SetMaldiControl(6, 5);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(client.Writes().size(), 5u);
}

TEST_F(PropertyRuntime, MonitorClientReadsBackKnownSymbolsOnly)
{
    CInstMonClient monitor;
    double value = -1.0;
    EXPECT_TRUE(monitor.ReadMonitoredValue("SOURCE_TEMPERATURE_RB", value));
    EXPECT_EQ(value, 30.0);
    value = -1.0;
    EXPECT_FALSE(monitor.ReadMonitoredValue("NO_SUCH_PROPERTY", value));
    EXPECT_FALSE(monitor.ReadMonitoredValue(nullptr, value));
    EXPECT_EQ(value, -1.0);
}
