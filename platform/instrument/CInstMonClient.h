#pragma once
// Monitor client of the hardware-link library: reads back monitored instrument values by symbol.
// The library itself only hands it on (the tuning pages bind edit boxes to monitored values).

#include "platform/instrument/VEXPropertyTag.h"

class CInstMonClient {
public:
    CInstMonClient() = default;
    CInstMonClient(const CInstMonClient&) = delete;
    CInstMonClient& operator=(const CInstMonClient&) = delete;
    virtual ~CInstMonClient() = default;

    // The last-transfer value of a known symbol; false (and value unchanged) for an unknown one.
    bool ReadMonitoredValue(const char* symbol, double& value) const;
};
