#pragma once
// The survey page of a function-switch experiment: the survey (MS) function that watches the
// spectrum: its mass range, its scan duration, an options word and its instrument parameter file.
// Instrument pages derive from it with their own template and usually their own data exchange;
// the values live in the members from construction on, so a sheet can move them to and from its
// records whether or not the page's window exists.
//
// Defaults: mass range 100 to 1000 m/z, scan time 1.0 s, inter-scan delay 0.1 s, options 0, no
// parameter file.

#include "platform/framework/CPropertyPage.h"

class CQuadSurveyPage : public CPropertyPage {
    DECLARE_DYNAMIC(CQuadSurveyPage)
public:
    explicit CQuadSurveyPage(LPCTSTR templateName, UINT captionId = 0);
    explicit CQuadSurveyPage(UINT templateId, UINT captionId = 0);

    double m_dStartMass = 100.0;     // m/z
    double m_dEndMass = 1000.0;      // m/z
    double m_dScanTime = 1.0;        // s
    double m_dInterScanDelay = 0.1;  // s
    UINT m_nFunctionOptions = 0;     // the survey function's options word, carried unchanged
    CString m_strInstParamFile;      // the survey function's instrument parameter file

protected:
    // The mass range and scan duration (ids in QuadFSControlIds.h).
    void DoDataExchange(CDataExchange* dx) override;
};
