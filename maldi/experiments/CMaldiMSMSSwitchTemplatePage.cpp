#include "maldi/experiments/CMaldiMSMSSwitchTemplatePage.h"

#include "maldi/resources/MaldiResources.h"
#include "platform/framework/DDX.h"

using namespace maldi::res;

IMPLEMENT_DYNAMIC(CMaldiMSMSSwitchTemplatePage, CPropertyPage)

// Every radio button and check box of the page re-reads the page, which re-applies the rules.
BEGIN_MESSAGE_MAP(CMaldiMSMSSwitchTemplatePage, CPropertyPage)
    ON_BN_CLICKED(IDC_SW_AUTO_MASS_RANGE, &CMaldiMSMSSwitchTemplatePage::OnModeClicked)
    ON_BN_CLICKED(IDC_SW_MANUAL_MASS_RANGE, &CMaldiMSMSSwitchTemplatePage::OnModeClicked)
    ON_BN_CLICKED(IDC_SW_AUTO_ACQ_TIME, &CMaldiMSMSSwitchTemplatePage::OnModeClicked)
    ON_BN_CLICKED(IDC_SW_MANUAL_ACQ_TIME, &CMaldiMSMSSwitchTemplatePage::OnModeClicked)
    ON_BN_CLICKED(IDC_SW_USE_NOT_CONSIDER_TOP, &CMaldiMSMSSwitchTemplatePage::OnModeClicked)
    ON_BN_CLICKED(IDC_SW_USE_COMPLETE_AFTER, &CMaldiMSMSSwitchTemplatePage::OnModeClicked)
    ON_BN_CLICKED(IDC_SW_CONSERVE_PUSHER, &CMaldiMSMSSwitchTemplatePage::OnModeClicked)
END_MESSAGE_MAP()

CMaldiMSMSSwitchTemplatePage::CMaldiMSMSSwitchTemplatePage() : CPropertyPage(IDD_MSMS_SWITCH_TEMPLATE_PAGE)
{
    MaldiResources::Module();
}

void CMaldiMSMSSwitchTemplatePage::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_SW_START_MASS, m_dStartMass);
    DDX_Text(dx, IDC_SW_SET_MASS_OFFSET, m_dSetMassOffset);
    DDX_Check(dx, IDC_SW_AUTO_MASS_RANGE, m_bAutoMassRange);
    DDX_Check(dx, IDC_SW_MANUAL_MASS_RANGE, m_bManualMassRange);
    DDX_Check(dx, IDC_SW_AUTO_ACQ_TIME, m_bAutoAcquisitionTime);
    DDX_Check(dx, IDC_SW_MANUAL_ACQ_TIME, m_bManualAcquisitionTime);
    DDX_Check(dx, IDC_SW_USE_NOT_CONSIDER_TOP, m_bUseNotConsiderTop);
    DDX_Check(dx, IDC_SW_USE_COMPLETE_AFTER, m_bUseCompleteAfter);
    DDX_Text(dx, IDC_SW_INTENSITY_THRESHOLD, m_dIntensityThreshold);
    DDX_Text(dx, IDC_SW_TOP_PERCENTAGE, m_dTopPercentage);
    DDX_Text(dx, IDC_SW_COMPLETE_AFTER_TIME, m_dCompleteAfterTime);
    DDX_Text(dx, IDC_SW_MAX_DURATION, m_nMaxDuration);
    DDX_Check(dx, IDC_SW_CONSERVE_PUSHER, m_bConservePusherFrequency);

    GetDlgItem(IDC_SW_TOP_PERCENTAGE)->EnableWindow(m_bUseNotConsiderTop);
    GetDlgItem(IDC_SW_COMPLETE_AFTER_TIME)->EnableWindow(m_bUseCompleteAfter);

    const BOOL manualRange = !m_bAutoMassRange;
    GetDlgItem(IDC_SW_START_MASS)->EnableWindow(manualRange);
    GetDlgItem(IDC_SW_SET_MASS_OFFSET)->EnableWindow(manualRange);
    GetDlgItem(IDC_SW_CONSERVE_PUSHER)->EnableWindow(manualRange);
    m_dStartMassInEffect = manualRange ? m_dStartMass : kAutoStartMass;
    m_dSetMassOffsetInEffect = manualRange ? m_dSetMassOffset : kAutoSetMassOffset;
    m_bConservePusherFrequencyInEffect = manualRange ? m_bConservePusherFrequency : FALSE;

    const BOOL manualTime = !m_bAutoAcquisitionTime;
    GetDlgItem(IDC_SW_MAX_DURATION)->EnableWindow(manualTime);
    m_nMaxDurationInEffect = manualTime ? m_nMaxDuration : kAutoMaxDuration;
}

BOOL CMaldiMSMSSwitchTemplatePage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    UpdateData(FALSE);
    return TRUE;
}

void CMaldiMSMSSwitchTemplatePage::OnModeClicked()
{
    UpdateData(TRUE);
}
