#pragma once
// The "MS/MS to MS" page of a function-switch experiment: when an MS/MS function hands back to
// the survey: the intensity rising above a threshold, or after a time.
//
// The "After Time" button (IDC_AFTER_TIME) is handled by the virtual OnAfterTime, mapped here, so a
// derived page with more ways back replaces what the button does without a map entry of its own.
// Here it sets the after-time flag and reads the controls.
//
// Defaults: threshold 50000 counts, switch back after a time, 2.0 s.

#include "platform/framework/CPropertyPage.h"

class CQuadMSMSToMSPage : public CPropertyPage {
    DECLARE_DYNAMIC(CQuadMSMSToMSPage)
public:
    explicit CQuadMSMSToMSPage(LPCTSTR templateName, UINT captionId = 0);
    explicit CQuadMSMSToMSPage(UINT templateId, UINT captionId = 0);

    double m_dIntensityThreshold = 50000.0; // counts
    BOOL m_bAfterTime = TRUE;
    double m_dSwitchBackTime = 2.0;         // s

protected:
    void DoDataExchange(CDataExchange* dx) override;
    afx_msg virtual void OnAfterTime();

    DECLARE_MESSAGE_MAP()
};
