#pragma once
// The MS to MS/MS switch criteria of a function-switch experiment, exchanged with the host.

#include "platform/framework/WinTypes.h"

struct MStoMSMSInfo {
    double dTICSumThreshold = 1000.0;  // counts
    UINT nMSMSFunctions = 1;
    int nPeaksToSwitchOn = 20;         // instrument sheets that show it
    double dRetentionTimeWindow = 30.0; // s
    BOOL bEverything = TRUE;           // precursor selection: one of the three is TRUE
    BOOL bIncludedMassesOnly = FALSE;
    BOOL bIncludedMassesPriority = FALSE;
};
