#pragma once
// Where the precursor masses of an MS/MS switch experiment come from, exchanged with the host
// through the switch sheet's "MS/MS Mass" page. The four sources are one radio group: exactly one
// of them is meant to be TRUE.

#include "platform/framework/CString.h"
#include "platform/framework/WinTypes.h"

struct MaldiMSMSSwitchMassInfo {
    BOOL bUseSingleMass = TRUE;
    double dSingleMass = 50.0;           // m/z
    BOOL bUseSampleListEntries = FALSE;  // MASS A to MASS Z of the sample list
    BOOL bUseSampleListFile = FALSE;     // the file named in the sample list (SPARE 1)
    BOOL bUseListBelow = FALSE;          // the list edited on the page
    CString strMassListFile;             // the page's mass switch list file
};
