#include "maldi/experiments/CMaldiMSMSSwitchLockMassPage.h"

#include "maldi/resources/MaldiResources.h"
#include "platform/framework/DDX.h"

using namespace maldi::res;

IMPLEMENT_DYNAMIC(CMaldiMSMSSwitchLockMassPage, CPropertyPage)

// Every check box and radio button of the page re-reads the page, which re-applies the rules.
BEGIN_MESSAGE_MAP(CMaldiMSMSSwitchLockMassPage, CPropertyPage)
    ON_BN_CLICKED(IDC_LM_USE_LOCK_MASS, &CMaldiMSMSSwitchLockMassPage::OnModeClicked)
    ON_BN_CLICKED(IDC_LM_TUNE_PAGE_CE, &CMaldiMSMSSwitchLockMassPage::OnModeClicked)
    ON_BN_CLICKED(IDC_LM_FIXED_CE, &CMaldiMSMSSwitchLockMassPage::OnModeClicked)
    ON_BN_CLICKED(IDC_LM_USE_NOT_CONSIDER_TOP, &CMaldiMSMSSwitchLockMassPage::OnModeClicked)
    ON_BN_CLICKED(IDC_LM_USE_COMPLETE_AFTER, &CMaldiMSMSSwitchLockMassPage::OnModeClicked)
END_MESSAGE_MAP()

CMaldiMSMSSwitchLockMassPage::CMaldiMSMSSwitchLockMassPage() : CPropertyPage(IDD_MSMS_SWITCH_LOCK_MASS_PAGE)
{
    MaldiResources::Module();
}

void CMaldiMSMSSwitchLockMassPage::DoDataExchange(CDataExchange* dx)
{
    DDX_Check(dx, IDC_LM_USE_LOCK_MASS, m_bUseLockMass);
    DDX_Check(dx, IDC_LM_USE_NOT_CONSIDER_TOP, m_bUseNotConsiderTop);
    DDX_Check(dx, IDC_LM_USE_COMPLETE_AFTER, m_bUseCompleteAfter);
    DDX_Check(dx, IDC_LM_TUNE_PAGE_CE, m_bTunePageCollisionEnergy);
    DDX_Check(dx, IDC_LM_FIXED_CE, m_bFixedCollisionEnergy);
    DDX_Text(dx, IDC_LM_LOCK_MASS, m_dLockMass);
    DDX_Text(dx, IDC_LM_INTENSITY_THRESHOLD, m_dIntensityThreshold);
    DDX_Text(dx, IDC_LM_TOP_PERCENTAGE, m_dTopPercentage);
    DDX_Text(dx, IDC_LM_COMPLETE_AFTER_TIME, m_dCompleteAfterTime);
    DDX_Text(dx, IDC_LM_FIXED_ENERGY, m_dFixedCollisionEnergy);

    static constexpr UINT kBelowUseLockMass[] = {
        IDC_LM_LOCK_MASS,          IDC_LM_INTENSITY_THRESHOLD, IDC_LM_USE_NOT_CONSIDER_TOP,
        IDC_LM_TOP_PERCENTAGE,     IDC_LM_USE_COMPLETE_AFTER,  IDC_LM_COMPLETE_AFTER_TIME,
        IDC_LM_TUNE_PAGE_CE,       IDC_LM_FIXED_CE,            IDC_LM_FIXED_ENERGY,
    };
    if (!m_bUseLockMass) {
        // The energy in effect stays as it was: nothing on the page is in use.
        for (UINT id : kBelowUseLockMass) GetDlgItem(id)->EnableWindow(FALSE);
        return;
    }
    for (UINT id : kBelowUseLockMass) GetDlgItem(id)->EnableWindow(TRUE);
    GetDlgItem(IDC_LM_TOP_PERCENTAGE)->EnableWindow(m_bUseNotConsiderTop);
    GetDlgItem(IDC_LM_COMPLETE_AFTER_TIME)->EnableWindow(m_bUseCompleteAfter);

    GetDlgItem(IDC_LM_FIXED_ENERGY)->EnableWindow(!m_bTunePageCollisionEnergy);
    m_dCollisionEnergyInEffect = m_bTunePageCollisionEnergy ? kTunePageEnergy : m_dFixedCollisionEnergy;
}

BOOL CMaldiMSMSSwitchLockMassPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    return TRUE;
}

void CMaldiMSMSSwitchLockMassPage::OnModeClicked()
{
    UpdateData(TRUE);
}
