#pragma once
// The lock-mass acquisition of an MS/MS switch experiment, exchanged with the host through the
// switch sheet's "Lock Mass" page.

#include "platform/framework/WinTypes.h"

struct MaldiMSMSSwitchLMInfo {
    BOOL bUseLockMass = FALSE;
    double dLockMass = 1500.0;            // m/z of the MS/MS
    double dIntensityThreshold = 1234.0;  // counts
    double dTopPercentage = 5.0;          // % of the mass range not considered
    double dCompleteAfterTime = 15.0;     // s
    BOOL bUseNotConsiderTop = FALSE;
    BOOL bUseCompleteAfter = FALSE;
    BOOL bTunePageCollisionEnergy = TRUE; // FALSE: the fixed energy
    double dCollisionEnergyInEffect = 77.0; // V
    double dFixedCollisionEnergy = 77.0;  // V, entered
};
