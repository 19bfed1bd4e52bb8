#pragma once
// The "MSMS Switch" page of the survey sheet: an MS/MS function hands back to the survey when the
// intensity rises above the threshold, and either when the parent peak has fallen by the monitor
// window (percent) or after a time. Of the two ways back only the chosen one's value is editable.

#include "platform/experimentpages/CQuadMSMSToMSPage.h"

class CMaldiSurveyMSMSToMSPage : public CQuadMSMSToMSPage {
    DECLARE_DYNAMIC(CMaldiSurveyMSMSToMSPage)
public:
    CMaldiSurveyMSMSToMSPage();

    // Threshold, after-time flag and switch-back time: the base's members.
    BOOL m_bMonitorWindow = FALSE;
    double m_dMonitorWindow = 5.0; // % less than the parent

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // "After Time (sec)": the base maps the button to this.
    void OnAfterTime() override;
    afx_msg void OnMonitorWindow();

    DECLARE_MESSAGE_MAP()
};
