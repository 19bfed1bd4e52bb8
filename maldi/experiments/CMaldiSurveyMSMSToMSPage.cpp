#include "maldi/experiments/CMaldiSurveyMSMSToMSPage.h"

#include "maldi/resources/MaldiResourceIds.h"
#include "maldi/resources/MaldiResources.h"
#include "platform/framework/DDX.h"

using namespace maldi::res;

IMPLEMENT_DYNAMIC(CMaldiSurveyMSMSToMSPage, CQuadMSMSToMSPage)

BEGIN_MESSAGE_MAP(CMaldiSurveyMSMSToMSPage, CQuadMSMSToMSPage)
    ON_BN_CLICKED(IDC_SV_USE_MONITOR_WINDOW, &CMaldiSurveyMSMSToMSPage::OnMonitorWindow)
END_MESSAGE_MAP()

CMaldiSurveyMSMSToMSPage::CMaldiSurveyMSMSToMSPage() : CQuadMSMSToMSPage(IDD_SURVEY_MSMS_TO_MS_PAGE)
{
    MaldiResources::Module();
}

void CMaldiSurveyMSMSToMSPage::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_SV_INTENSITY_THRESHOLD, m_dIntensityThreshold);
    DDX_Text(dx, IDC_SV_MONITOR_WINDOW, m_dMonitorWindow);
    DDX_Text(dx, IDC_SV_SWITCH_BACK_TIME, m_dSwitchBackTime);
    DDX_Check(dx, IDC_SV_AFTER_TIME, m_bAfterTime);
    DDX_Check(dx, IDC_SV_USE_MONITOR_WINDOW, m_bMonitorWindow);

    GetDlgItem(IDC_SV_SWITCH_BACK_TIME)->EnableWindow(m_bAfterTime);
    GetDlgItem(IDC_SV_MONITOR_WINDOW)->EnableWindow(!m_bAfterTime);
}

void CMaldiSurveyMSMSToMSPage::OnAfterTime()
{
    m_bAfterTime = TRUE;
    m_bMonitorWindow = FALSE;
    UpdateData(TRUE);
}

void CMaldiSurveyMSMSToMSPage::OnMonitorWindow()
{
    m_bAfterTime = FALSE;
    m_bMonitorWindow = TRUE;
    UpdateData(TRUE);
}
