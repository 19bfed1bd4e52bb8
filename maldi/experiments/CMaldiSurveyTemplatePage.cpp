#include "maldi/experiments/CMaldiSurveyTemplatePage.h"

#include "maldi/resources/MaldiResourceIds.h"
#include "maldi/resources/MaldiResources.h"
#include "platform/framework/DDX.h"

using namespace maldi::res;

IMPLEMENT_DYNAMIC(CMaldiSurveyTemplatePage, CQuadMSMSTemplatePage)

BEGIN_MESSAGE_MAP(CMaldiSurveyTemplatePage, CQuadMSMSTemplatePage)
    ON_BN_CLICKED(IDC_SV_USE_OWN_FILE, &CMaldiSurveyTemplatePage::OnUseOwnFile)
    ON_BN_CLICKED(IDC_SV_USE_TUNE_PAGE_CE, &CMaldiSurveyTemplatePage::OnUseTunePageCE)
    ON_BN_CLICKED(IDC_SV_PARAMETER_BROWSE, &CMaldiSurveyTemplatePage::OnPbBrowse)
END_MESSAGE_MAP()

CMaldiSurveyTemplatePage::CMaldiSurveyTemplatePage()
    : CQuadMSMSTemplatePage(IDD_SURVEY_TEMPLATE_PAGE), m_dEndMass(m_dStartMass + kEndMassSpan)
{
    MaldiResources::Module();
}

void CMaldiSurveyTemplatePage::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_SV_TEMPLATE_START_MASS, m_dStartMass);
    DDX_Text(dx, IDC_SV_SET_MASS_OFFSET, m_dSetMassOffset);
    DDX_Text(dx, IDC_SV_TEMPLATE_SCAN_TIME, m_dScanTime);
    DDX_Text(dx, IDC_SV_TEMPLATE_INTER_SCAN_DELAY, m_dInterScanDelay);
    DDX_Check(dx, IDC_SV_USE_TUNE_PAGE_CE, m_bUseTunePageCE);
    DDX_Text(dx, IDC_SV_COLLISION_ENERGY, m_dCollisionEnergy);
    DDV_MinMaxDouble(dx, m_dCollisionEnergy, kMinCollisionEnergy, kMaxCollisionEnergy);
    DDX_Text(dx, IDC_SV_PARAMETER_FILE, m_strInstParamFile);
    DDX_Check(dx, IDC_SV_USE_OWN_FILE, m_bUseOwnInstParamFile);

    m_dEndMass = m_dStartMass + kEndMassSpan;
    GetDlgItem(IDC_SV_PARAMETER_FILE)->EnableWindow(m_bUseOwnInstParamFile);
    GetDlgItem(IDC_SV_PARAMETER_BROWSE)->EnableWindow(m_bUseOwnInstParamFile);
    // Checked means the page's own energy is used, unlike the MS/MS scan function dialog.
    GetDlgItem(IDC_SV_COLLISION_ENERGY)->EnableWindow(m_bUseTunePageCE);
}

void CMaldiSurveyTemplatePage::OnUseOwnFile()
{
    UpdateData(TRUE);
}

void CMaldiSurveyTemplatePage::OnUseTunePageCE()
{
    UpdateData(TRUE);
}
