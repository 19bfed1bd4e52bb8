#pragma once
// The acquisition template of an MS/MS switch experiment, exchanged with the host through the
// switch sheet's "Acqusition Template" page. Each setting the modes decide comes twice: the value
// in effect (a fixed default in the automatic modes) and the value entered.

#include "platform/framework/WinTypes.h"

struct MaldiMSMSSwitchTemplateInfo {
    double dStartMassInEffect = 50.0;      // m/z
    double dSetMassOffsetInEffect = 50.0;  // m/z
    int nMaxDurationInEffect = 345678;     // s
    double dStartMass = 50.0;              // m/z, entered
    double dSetMassOffset = 50.0;          // m/z, entered
    int nMaxDuration = 345678;             // s, entered
    double dReserved = 0.0;                // the host's own: the sheet neither sets nor reads it
    double dIntensityThreshold = 1234.0;   // counts
    double dTopPercentage = 5.0;           // % of the mass range not considered
    double dCompleteAfterTime = 15.0;      // s
    BOOL bUseCompleteAfter = FALSE;
    BOOL bUseNotConsiderTop = FALSE;
    BOOL bAutoMassRange = TRUE;            // FALSE: manual mass range
    BOOL bAutoAcquisitionTime = TRUE;      // FALSE: manual acquisition time
    BOOL bConservePusherFrequencyInEffect = FALSE;
    BOOL bConservePusherFrequency = FALSE; // entered
};
