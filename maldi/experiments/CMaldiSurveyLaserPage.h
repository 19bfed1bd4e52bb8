#pragma once
// The "Laser" page of the survey sheet: the laser firing rate (from the list of the laser type),
// the plate speed and laser pattern file of the probe motion, and the centroid parameters.
//
// The lists are filled every time the page is shown (OnSetActive), so a laser type changed by the
// sheet between showings gives the new type's firing rates, never a list appended to the old one.
// A firing rate or plate speed that is not in its list selects the first item; the member follows
// when the page is next read (leaving it, OK).
//
// "..." reads the page first (a field that does not read stops it after the framework's prompt),
// then browses, so that writing the chosen name back loses nothing typed.
//
// On the MALDI/ESI instrument model the pattern is fixed: SetLaserPatternFilename is ignored and
// the pattern edit and "..." are disabled.

#include "platform/framework/CPropertyPage.h"

class CMaldiSurveyLaserPage : public CPropertyPage {
    DECLARE_DYNAMIC(CMaldiSurveyLaserPage)
public:
    CMaldiSurveyLaserPage();

    void SetLaserPatternFilename(CString name);
    CString GetLaserPatternFilename() const { return m_strLaserPatternFilename; }

    int m_nPlateSpeed = 1;
    int m_nLaserFiringRate = 1;  // Hz
    UINT m_nLaserType = 1;       // 1, 2 or 3: selects the firing-rate list
    int m_nFirstDiffWidth = 2;
    int m_nSecondDiffWidth = 2;
    int m_nMinPointsInPeak = 1;
    int m_nMinPeakHeight = 1;
    BOOL m_bUsePeakArea = TRUE;

    BOOL OnSetActive() override;

protected:
    CString m_strLaserPatternFilename;

    void DoDataExchange(CDataExchange* dx) override;
    afx_msg void OnBrowseBtn();

    DECLARE_MESSAGE_MAP()
};
