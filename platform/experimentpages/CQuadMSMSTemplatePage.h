#pragma once
// The MS/MS template page of a function-switch experiment: the MS/MS function every switch
// starts from: mass range, scan duration, collision energy (the tune page's or its own) and an
// optional instrument parameter file of its own. Three further values and two strings belong to
// the template and are carried unchanged for the sheet (the page shows none of them).
//
// OnPbBrowse (mapped to IDC_TEMPLATE_BROWSE) lets the operator choose the parameter file: an Open
// dialog of the audited file library with kFilter, initial folder ".", after the controls have been
// read (a field that does not read stops it after the framework's prompt); on OK the full path becomes
// the file name and the members are written to the controls; Cancel changes nothing.
//
// Defaults: start mass 50 m/z, scan time 1.0 s, inter-scan delay 0.1 s, collision energy 30 V,
// the survey's parameter file (use own file clear), carried values 0 and empty.

#include "platform/framework/CPropertyPage.h"

class CQuadMSMSTemplatePage : public CPropertyPage {
    DECLARE_DYNAMIC(CQuadMSMSTemplatePage)
public:
    static constexpr LPCTSTR kFilter = "Instrument Parameter File(*.ipr) | *.ipr||";

    explicit CQuadMSMSTemplatePage(LPCTSTR templateName, UINT captionId = 0);
    explicit CQuadMSMSTemplatePage(UINT templateId, UINT captionId = 0);

    BOOL m_bUseOwnInstParamFile = FALSE;
    CString m_strInstParamFile;
    double m_dStartMass = 50.0;        // m/z
    double m_dScanTime = 1.0;          // s
    double m_dInterScanDelay = 0.1;    // s
    double m_dCollisionEnergy = 30.0;  // V
    // Carried for the sheet.
    double m_dCarried = 0.0;
    int m_nCarriedFirst = 0;
    int m_nCarriedSecond = 0;
    CString m_strCarriedFirst;
    CString m_strCarriedSecond;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    afx_msg void OnPbBrowse();

    DECLARE_MESSAGE_MAP()
};
