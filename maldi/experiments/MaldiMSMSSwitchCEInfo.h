#pragma once
// The collision energy of the MS/MS acquisitions of an MS/MS switch experiment, exchanged with the
// host through the switch sheet's "Collision Energy" page. The three sources are one radio group.

#include "platform/framework/CString.h"
#include "platform/framework/WinTypes.h"

struct MaldiMSMSSwitchCEInfo {
    BOOL bUseTunePageCE = TRUE;
    BOOL bUseFixedCE = FALSE;
    BOOL bUseCEProfile = FALSE;
    double dFixedCE = 77.0;   // V
    CString strProfileFile;   // the collision energy profile file
};
