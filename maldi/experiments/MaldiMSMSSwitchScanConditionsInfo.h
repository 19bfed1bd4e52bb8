#pragma once
// Scan rates, scan conditions and MALDI laser settings of an MS/MS switch experiment, exchanged
// with the host through the switch sheet's "Scan Conditions" page. Each setting the modes decide
// comes twice: the value in effect (a fixed default in the automatic and tune page modes) and the
// value entered.

#include "platform/framework/CString.h"
#include "platform/framework/WinTypes.h"

struct MaldiMSMSSwitchScanConditionsInfo {
    double dScanTimeInEffect = 5.0;        // s
    double dInterScanDelayInEffect = 0.1;  // s
    double dScanTime = 5.0;                // s, entered
    double dInterScanDelay = 0.1;          // s, entered
    int nMCAScansInEffect = 5;
    CString strDataFormatInEffect = "Continuum";
    CString strIonModeInEffect = "LDI+";
    int nMCAScans = 5;                     // entered
    CString strDataFormat = "Continuum";   // entered: "Centroid", "Continuum" or "MCA"
    CString strIonMode = "LDI+";           // entered: "LDI+" or "LDI-"
    UINT nLaserFiringRateInEffect = 10;    // Hz
    UINT nPlateSpeedInEffect = 2;
    UINT nLaserTypeInEffect = 1;           // 1, 2 or 3
    CString strPatternFileInEffect;
    UINT nLaserFiringRate = 10;            // Hz, entered
    UINT nPlateSpeed = 2;                  // entered, 1 to 8
    UINT nLaserType = 1;                   // selects the firing rates offered
    CString strPatternFile;                // entered
    BOOL bAutoScanRate = TRUE;             // FALSE: manual scan rate
    BOOL bAutoScanConditions = TRUE;       // FALSE: manual scan conditions
    BOOL bTunePageMaldiSettings = TRUE;    // FALSE: user defined
};
