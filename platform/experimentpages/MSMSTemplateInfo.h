#pragma once
// The MS/MS function template of a function-switch experiment, exchanged with the host.

#include "platform/framework/CString.h"
#include "platform/framework/WinTypes.h"

struct MSMSTemplateInfo {
    double dStartMass = 50.0;      // m/z
    double dEndMass = 150.0;       // m/z
    double dSetMassOffset = 50.0;
    double dScanTime = 1.0;        // s
    double dInterScanDelay = 0.1;  // s
    double dCarried = 0.0;         // the template's own value, carried by the pages
    double dCollisionEnergy = 30.0; // V
    int nCarriedFirst = 0;         // the template's own value, carried by the pages
    // Collision energy ramp over each scan, where an instrument page offers it.
    BOOL bCERamp = FALSE;
    double dCERampLow = 20.0;      // V
    double dCERampHigh = 35.0;     // V
    int nCarriedSecond = 0;        // the template's own value, carried by the pages
    BOOL bUseTunePageCE = FALSE;
    BOOL bUseOwnInstParamFile = FALSE;
    CString strInstParamFile;
};
