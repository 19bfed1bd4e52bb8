#pragma once
// When an MS/MS function of a function-switch experiment hands back to the survey, exchanged with
// the host.

#include "platform/framework/WinTypes.h"

struct MSMStoMSInfo {
    double dIntensityThreshold = 50000.0; // counts
    double dMonitorWindow = 5.0;          // % less than the parent, instrument sheets that show it
    double dSwitchBackTime = 2.0;         // s
    BOOL bAfterTime = TRUE;
    BOOL bMonitorWindow = FALSE;          // instrument sheets that show it
};
