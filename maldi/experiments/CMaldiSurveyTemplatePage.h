#pragma once
// The "MSMS Template" page of the survey sheet: the MS/MS function every switch starts from. The
// end mass is not edited: it is always the start mass + 100 (kEndMassSpan). The collision energy
// (0 to 200 V) is editable exactly while "Use Tune Page" is checked, and the parameter file edit
// and "&Browse" exactly while "File" is checked.

#include "platform/experimentpages/CQuadMSMSTemplatePage.h"

class CMaldiSurveyTemplatePage : public CQuadMSMSTemplatePage {
    DECLARE_DYNAMIC(CMaldiSurveyTemplatePage)
public:
    static constexpr double kEndMassSpan = 100.0;
    static constexpr double kMinCollisionEnergy = 0.0;
    static constexpr double kMaxCollisionEnergy = 200.0;

    CMaldiSurveyTemplatePage();

    // Parameter file, start mass, scan duration, collision energy and carried values: the base's.
    double m_dEndMass;               // m/z, start mass + 100
    double m_dSetMassOffset = 50.0;
    BOOL m_bUseTunePageCE = FALSE;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    afx_msg void OnUseOwnFile();
    afx_msg void OnUseTunePageCE();

    DECLARE_MESSAGE_MAP()
};
