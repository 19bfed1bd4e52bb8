#pragma once
// The "Survey" page of the survey sheet: the MALDI survey function (mass range, scan duration,
// ionisation mode and data format), the two peak windows that watch the spectrum (monitor and
// switch, each a mass range and a threshold) and the acquisition time, an optional lock-mass phase
// followed by the sample phase, kept by the same bookkeeping as the MS scan function dialog.
//
// The host's values arrive through the sheet before the page is shown: the page derives the sample
// time from the end time when it opens (OnInitDialog). Every data exchange enables the lock-mass
// time edit exactly while the lock mass is used. Handlers are in the message map at the top of the
// .cpp file; a typed time that does not read stops its handler after the framework's prompt.

#include "maldi/dialogs/MaldiAcquisitionTime.h"
#include "platform/experimentpages/CQuadSurveyPage.h"

class CMaldiSurveyPage : public CQuadSurveyPage {
    DECLARE_DYNAMIC(CMaldiSurveyPage)
public:
    CMaldiSurveyPage();

    // Mass range, scan duration, options word and parameter file: the base's members.
    double m_dMonitorStartMass = 100.0;  // m/z
    double m_dMonitorEndMass = 1000.0;   // m/z
    double m_dMonitorThreshold = 10.0;   // counts
    double m_dSwitchStartMass = 100.0;   // m/z
    double m_dSwitchEndMass = 1000.0;    // m/z
    double m_dSwitchThreshold = 10.0;    // counts
    CString m_strIonMode;                // "LDI+" or "LDI-", at most 10 characters
    CString m_strDataFormat;             // "Centroid", "Continuum" or "MCA", at most 10 characters
    BOOL m_bUseLockMass = FALSE;
    int m_nLockMassTime = 10;            // s
    int m_nSampleTime = 60;              // s
    double m_dTotalTime = 70.0;          // s, shown only
    int m_nStartTime = 10;               // s, the sample phase's start
    int m_nEndTime = 10;                 // s

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    afx_msg void OnUseLockMass();
    afx_msg void OnChangeSampleAcquireTime();
    afx_msg void OnChangeLMAcquireTime();

    DECLARE_MESSAGE_MAP()

private:
    bool IsEditEmpty(int id) const;

    MaldiAcquisitionTime m_time{m_nStartTime, m_nEndTime, m_nLockMassTime, m_nSampleTime, m_bUseLockMass,
                                m_dTotalTime};
};
