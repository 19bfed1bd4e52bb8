#pragma once
// The laser and plate-motion settings of a MALDI survey experiment, exchanged with the host
// through the survey sheet's laser page.

#include "platform/framework/CString.h"
#include "platform/framework/WinTypes.h"

struct MaldiLaserInfo {
    UINT nLaserType = 1;          // 1, 2 or 3: selects the firing rates offered
    int nLaserFiringRate = 1;     // Hz
    int nPlateSpeed = 1;
    CString strLaserPatternFilename;
    int nFirstDiffWidth = 2;      // centroid parameters
    int nSecondDiffWidth = 2;
    int nMinPointsInPeak = 1;
    int nMinPeakHeight = 1;
    BOOL bUsePeakArea = TRUE;
};
