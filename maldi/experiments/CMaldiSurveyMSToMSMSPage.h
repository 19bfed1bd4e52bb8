#pragma once
// The "MS to MSMS " page of the survey sheet: the library page's switch criteria with the number
// of peaks to switch on added. The number of MS/MS functions is shown only (a MALDI survey runs
// one).

#include "platform/experimentpages/CQuadMSToMSMSPage.h"

class CMaldiSurveyMSToMSMSPage : public CQuadMSToMSMSPage {
    DECLARE_DYNAMIC(CMaldiSurveyMSToMSMSPage)
public:
    CMaldiSurveyMSToMSMSPage();

    int m_nPeaksToSwitchOn = 20;

protected:
    void DoDataExchange(CDataExchange* dx) override;
};
