#pragma once
// The "MS to MS/MS" page of a function-switch experiment: when the survey function hands over to
// MS/MS functions (total ion current summed above a threshold), how many MS/MS functions run, how
// long a precursor stays excluded (retention time window) and which precursors are chosen (one of
// three radio buttons, held as three BOOLs).
//
// Defaults: threshold 1000 counts, 1 MS/MS function, window 30 s, "everything".

#include "platform/framework/CPropertyPage.h"

class CQuadMSToMSMSPage : public CPropertyPage {
    DECLARE_DYNAMIC(CQuadMSToMSMSPage)
public:
    explicit CQuadMSToMSMSPage(LPCTSTR templateName, UINT captionId = 0);
    explicit CQuadMSToMSMSPage(UINT templateId, UINT captionId = 0);

    double m_dTICSumThreshold = 1000.0;  // counts
    UINT m_nMSMSFunctions = 1;           // 1 to 8
    double m_dRetentionTimeWindow = 30.0; // s
    BOOL m_bEverything = TRUE;
    BOOL m_bIncludedMassesOnly = FALSE;
    BOOL m_bIncludedMassesPriority = FALSE;

protected:
    void DoDataExchange(CDataExchange* dx) override;
};
