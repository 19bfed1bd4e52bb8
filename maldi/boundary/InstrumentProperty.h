#pragma once
// Instrument property access as the windows use it: read, write and command by symbol.
//
// Every call looks the symbol up again, because the instrument may forget a property between two
// calls; handles are never kept. An unknown symbol or a null client skips the call without a
// message and the function answers false. Writes go out and return at once; the last-transfer
// value changes only when the instrument answers or when SetLastTransfer is called, so a read
// straight after a write sees the old value.

#include "platform/framework/WinTypes.h"

class CInstCtlClient;

class InstrumentProperty {
public:
    // Symbols the library uses.
    static constexpr LPCTSTR ElectrosprayThrottlePositionSetting = "ELECTROSPRAY_THROTTLE_POSITION_SETTING";
    static constexpr LPCTSTR SourceTemperatureSetting = "SOURCE_TEMPERATURE_SETTING";
    static constexpr LPCTSTR SourceTemperatureReadback = "SOURCE_TEMPERATURE_RB";
    static constexpr LPCTSTR ProbeCoverStateStatus = "PROBE_COVER_STATE_STATUS";
    static constexpr LPCTSTR SourcePresentStateStatus = "SOURCE_PRESENT_STATE_STATUS";
    static constexpr LPCTSTR ProbeStateStatus = "PROBE_STATE_STATUS";
    static constexpr LPCTSTR ProbePreviousState = "PROBE_PREVIOUS_STATE";
    static constexpr LPCTSTR UnloadProbeCommand = "UNLOAD_PROBE_COMMAND";
    static constexpr LPCTSTR LoadProbeCommand = "LOAD_PROBE_COMMAND";
    static constexpr LPCTSTR EsProbeModeCommand = "ES_PROBE_MODE_COMMAND";

    static bool IsKnown(LPCTSTR symbol);

    // The last-transfer value; false and value untouched when the symbol is unknown.
    static bool Read(LPCTSTR symbol, double& value);
    // A status code: the value truncated toward zero, its low eight bits as an unsigned byte.
    static bool ReadStatus(LPCTSTR symbol, BYTE& status);
    // Overwrites the last-transfer value locally, so the next read sees it at once.
    static bool SetLastTransfer(LPCTSTR symbol, double value);

    // Sends a setting through the client; false when the client is null or the symbol unknown.
    static bool WriteSetting(CInstCtlClient* client, LPCTSTR symbol, double value);
    // Sends a command through the client; false when the client is null or the symbol unknown.
    static bool SendCommand(CInstCtlClient* client, LPCTSTR symbol);

    // Status byte of a raw value. Whole values outside the int range keep their low eight bits as
    // well; NaN and infinities give 0.
    static BYTE StatusByte(double value);
    // "PROBE_STATE_STATUS" packs the probe state in the high four bits and its sub-step in the low.
    static BYTE ProbeState(BYTE status) { return static_cast<BYTE>(status >> 4); }
    static BYTE ProbeSubStep(BYTE status) { return static_cast<BYTE>(status & 0x0F); }
};
