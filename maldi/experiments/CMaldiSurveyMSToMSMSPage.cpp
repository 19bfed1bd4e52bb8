#include "maldi/experiments/CMaldiSurveyMSToMSMSPage.h"

#include "maldi/resources/MaldiResourceIds.h"
#include "maldi/resources/MaldiResources.h"
#include "platform/framework/DDX.h"

using namespace maldi::res;

IMPLEMENT_DYNAMIC(CMaldiSurveyMSToMSMSPage, CQuadMSToMSMSPage)

CMaldiSurveyMSToMSMSPage::CMaldiSurveyMSToMSMSPage() : CQuadMSToMSMSPage(IDD_SURVEY_MS_TO_MSMS_PAGE)
{
    MaldiResources::Module();
    m_nMSMSFunctions = 1;
}

void CMaldiSurveyMSToMSMSPage::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_SV_TIC_SUM_THRESHOLD, m_dTICSumThreshold);
    DDX_Text(dx, IDC_SV_MSMS_FUNCTIONS, m_nMSMSFunctions);
    DDX_Text(dx, IDC_SV_PEAKS_TO_SWITCH_ON, m_nPeaksToSwitchOn);
    DDX_Text(dx, IDC_SV_RETENTION_WINDOW, m_dRetentionTimeWindow);
    DDX_Check(dx, IDC_SV_EVERYTHING, m_bEverything);
    DDX_Check(dx, IDC_SV_INCLUDED_ONLY, m_bIncludedMassesOnly);
    DDX_Check(dx, IDC_SV_INCLUDED_PRIORITY, m_bIncludedMassesPriority);
}
