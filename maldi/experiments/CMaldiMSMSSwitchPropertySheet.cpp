#include "maldi/experiments/CMaldiMSMSSwitchPropertySheet.h"

#include <new>

#include "maldi/experiments/CMaldiMSMSSwitchCollisionEnergyPage.h"
#include "maldi/experiments/CMaldiMSMSSwitchLockMassPage.h"
#include "maldi/experiments/CMaldiMSMSSwitchMassPage.h"
#include "maldi/experiments/CMaldiMSMSSwitchScanConditionsPage.h"
#include "maldi/experiments/CMaldiMSMSSwitchTemplatePage.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "maldi/resources/MaldiSwitchMassIds.h"

using namespace maldi::res;

IMPLEMENT_DYNAMIC(CMaldiMSMSSwitchPropertySheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CMaldiMSMSSwitchPropertySheet, CPropertySheet)
    ON_BN_CLICKED(IDOK, &CMaldiMSMSSwitchPropertySheet::OnOK)
END_MESSAGE_MAP()

CMaldiMSMSSwitchPropertySheet::CMaldiMSMSSwitchPropertySheet(LPCTSTR caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage)
{
}

CMaldiMSMSSwitchPropertySheet::~CMaldiMSMSSwitchPropertySheet()
{
    DeletePages();
}

void CMaldiMSMSSwitchPropertySheet::DeletePages()
{
    auto release = [this](auto*& page) {
        if (!page) return;
        RemovePage(page);
        if (page->GetSafeHwnd()) page->DestroyWindow();
        delete page;
        page = nullptr;
    };
    release(m_pSwitchMassPage);
    release(m_pTemplatePage);
    release(m_pLockMassPage);
    release(m_pCollisionEnergyPage);
    release(m_pScanConditionsPage);
}

void CMaldiMSMSSwitchPropertySheet::SetUpPages()
{
    DeletePages(); // an earlier call's

    m_pSwitchMassPage = new (std::nothrow) CMaldiMSMSSwitchMassPage(IDD_MSMS_SWITCH_MASS_PAGE, IDS_MSMS_MASS);
    m_pTemplatePage = new (std::nothrow) CMaldiMSMSSwitchTemplatePage;
    m_pLockMassPage = new (std::nothrow) CMaldiMSMSSwitchLockMassPage;
    m_pCollisionEnergyPage =
        new (std::nothrow) CMaldiMSMSSwitchCollisionEnergyPage(IDD_MSMS_SWITCH_CE_PAGE, IDS_COLLISION_ENERGY);
    m_pScanConditionsPage = new (std::nothrow) CMaldiMSMSSwitchScanConditionsPage;

    if (!m_pSwitchMassPage || !m_pTemplatePage || !m_pLockMassPage || !m_pCollisionEnergyPage ||
        !m_pScanConditionsPage)
        return;
    AddPage(m_pSwitchMassPage);
    AddPage(m_pTemplatePage);
    AddPage(m_pScanConditionsPage);
    AddPage(m_pLockMassPage);
    AddPage(m_pCollisionEnergyPage);
}

// --- MS/MS mass --------------------------------------------------------------------------------------

char CMaldiMSMSSwitchPropertySheet::SetupSwitchMassPage(MaldiMSMSSwitchMassInfo* info)
{
    CMaldiMSMSSwitchMassPage* page = m_pSwitchMassPage;
    if (!page || !info) return 0;
    page->m_bUseSingleMass = info->bUseSingleMass;
    page->m_dSingleMass = info->dSingleMass;
    page->m_bUseSampleListEntries = info->bUseSampleListEntries;
    page->m_bUseSampleListFile = info->bUseSampleListFile;
    page->m_bUseListBelow = info->bUseListBelow;
    page->m_strFileName = info->strMassListFile;
    return 1;
}

char CMaldiMSMSSwitchPropertySheet::GetSwitchMassPage(MaldiMSMSSwitchMassInfo* info)
{
    const CMaldiMSMSSwitchMassPage* page = m_pSwitchMassPage;
    if (!page || !info) return 0;
    info->bUseSingleMass = page->m_bUseSingleMass;
    info->dSingleMass = page->m_dSingleMass;
    info->bUseSampleListEntries = page->m_bUseSampleListEntries;
    info->bUseSampleListFile = page->m_bUseSampleListFile;
    info->bUseListBelow = page->m_bUseListBelow;
    info->strMassListFile = page->m_strFileName;
    return 1;
}

// --- acquisition template ------------------------------------------------------------------------------

char CMaldiMSMSSwitchPropertySheet::SetupMSMSTemplatePage(MaldiMSMSSwitchTemplateInfo* info)
{
    CMaldiMSMSSwitchTemplatePage* page = m_pTemplatePage;
    if (!page || !info) return 0;
    page->m_dStartMassInEffect = info->dStartMassInEffect;
    page->m_dSetMassOffsetInEffect = info->dSetMassOffsetInEffect;
    page->m_nMaxDurationInEffect = info->nMaxDurationInEffect;
    page->m_dStartMass = info->dStartMass;
    page->m_dSetMassOffset = info->dSetMassOffset;
    page->m_nMaxDuration = info->nMaxDuration;
    page->m_dIntensityThreshold = info->dIntensityThreshold;
    page->m_dTopPercentage = info->dTopPercentage;
    page->m_dCompleteAfterTime = info->dCompleteAfterTime;
    page->m_bUseCompleteAfter = info->bUseCompleteAfter;
    page->m_bUseNotConsiderTop = info->bUseNotConsiderTop;
    page->m_bAutoMassRange = info->bAutoMassRange;
    page->m_bManualMassRange = !info->bAutoMassRange;
    page->m_bAutoAcquisitionTime = info->bAutoAcquisitionTime;
    page->m_bManualAcquisitionTime = !info->bAutoAcquisitionTime;
    page->m_bConservePusherFrequencyInEffect = info->bConservePusherFrequencyInEffect;
    page->m_bConservePusherFrequency = info->bConservePusherFrequency;
    return 1;
}

char CMaldiMSMSSwitchPropertySheet::GetMSMSTemplatePage(MaldiMSMSSwitchTemplateInfo* info)
{
    const CMaldiMSMSSwitchTemplatePage* page = m_pTemplatePage;
    if (!page || !info) return 0;
    info->dStartMassInEffect = page->m_dStartMassInEffect;
    info->dSetMassOffsetInEffect = page->m_dSetMassOffsetInEffect;
    info->nMaxDurationInEffect = page->m_nMaxDurationInEffect;
    info->dStartMass = page->m_dStartMass;
    info->dSetMassOffset = page->m_dSetMassOffset;
    info->nMaxDuration = page->m_nMaxDuration;
    info->dIntensityThreshold = page->m_dIntensityThreshold;
    info->dTopPercentage = page->m_dTopPercentage;
    info->dCompleteAfterTime = page->m_dCompleteAfterTime;
    info->bUseCompleteAfter = page->m_bUseCompleteAfter;
    info->bUseNotConsiderTop = page->m_bUseNotConsiderTop;
    info->bAutoMassRange = page->m_bAutoMassRange;
    info->bAutoAcquisitionTime = page->m_bAutoAcquisitionTime;
    info->bConservePusherFrequencyInEffect = page->m_bConservePusherFrequencyInEffect;
    info->bConservePusherFrequency = page->m_bConservePusherFrequency;
    return 1;
}

// --- scan conditions -------------------------------------------------------------------------------

char CMaldiMSMSSwitchPropertySheet::SetupScanConditionsPage(MaldiMSMSSwitchScanConditionsInfo* info)
{
    CMaldiMSMSSwitchScanConditionsPage* page = m_pScanConditionsPage;
    if (!page || !info) return 0;
    page->m_dScanTimeInEffect = info->dScanTimeInEffect;
    page->m_dInterScanDelayInEffect = info->dInterScanDelayInEffect;
    page->m_dScanTime = info->dScanTime;
    page->m_dInterScanDelay = info->dInterScanDelay;
    page->m_nMCAScansInEffect = info->nMCAScansInEffect;
    page->m_strDataFormatInEffect = info->strDataFormatInEffect;
    page->m_strIonModeInEffect = info->strIonModeInEffect;
    page->m_nMCAScans = info->nMCAScans;
    page->m_strDataFormat = info->strDataFormat;
    page->m_strIonMode = info->strIonMode;
    page->m_nLaserFiringRateInEffect = info->nLaserFiringRateInEffect;
    page->m_nPlateSpeedInEffect = info->nPlateSpeedInEffect;
    page->m_nLaserTypeInEffect = info->nLaserTypeInEffect;
    page->m_nLaserFiringRate = info->nLaserFiringRate;
    page->m_nPlateSpeed = info->nPlateSpeed;
    page->m_nLaserType = info->nLaserType;
    page->SetPatternFiles(info->strPatternFile, info->strPatternFileInEffect); // not on the MALDI/ESI model
    page->m_bAutoScanRate = info->bAutoScanRate;
    page->m_bManualScanRate = !info->bAutoScanRate;
    page->m_bAutoScanConditions = info->bAutoScanConditions;
    page->m_bManualScanConditions = !info->bAutoScanConditions;
    page->m_bTunePageMaldiSettings = info->bTunePageMaldiSettings;
    page->m_bUserDefinedMaldiSettings = !info->bTunePageMaldiSettings;
    return 1;
}

char CMaldiMSMSSwitchPropertySheet::GetScanConditionsPage(MaldiMSMSSwitchScanConditionsInfo* info)
{
    const CMaldiMSMSSwitchScanConditionsPage* page = m_pScanConditionsPage;
    if (!page || !info) return 0;
    info->dScanTimeInEffect = page->m_dScanTimeInEffect;
    info->dInterScanDelayInEffect = page->m_dInterScanDelayInEffect;
    info->dScanTime = page->m_dScanTime;
    info->dInterScanDelay = page->m_dInterScanDelay;
    info->nMCAScansInEffect = page->m_nMCAScansInEffect;
    info->strDataFormatInEffect = page->m_strDataFormatInEffect;
    info->strIonModeInEffect = page->m_strIonModeInEffect;
    info->nMCAScans = page->m_nMCAScans;
    info->strDataFormat = page->m_strDataFormat;
    info->strIonMode = page->m_strIonMode;
    info->nLaserFiringRateInEffect = page->m_nLaserFiringRateInEffect;
    info->nPlateSpeedInEffect = page->m_nPlateSpeedInEffect;
    info->nLaserTypeInEffect = page->m_nLaserTypeInEffect;
    info->strPatternFileInEffect = page->m_strPatternFileInEffect;
    info->nLaserFiringRate = page->m_nLaserFiringRate;
    info->nPlateSpeed = page->m_nPlateSpeed;
    info->nLaserType = page->m_nLaserType;
    info->strPatternFile = page->m_strPatternFile;
    info->bAutoScanRate = page->m_bAutoScanRate;
    info->bAutoScanConditions = page->m_bAutoScanConditions;
    info->bTunePageMaldiSettings = page->m_bTunePageMaldiSettings;
    return 1;
}

// --- lock mass ------------------------------------------------------------------------------------------

char CMaldiMSMSSwitchPropertySheet::SetupLockMassPage(MaldiMSMSSwitchLMInfo* info)
{
    CMaldiMSMSSwitchLockMassPage* page = m_pLockMassPage;
    if (!page || !info) return 0;
    page->m_bUseLockMass = info->bUseLockMass;
    page->m_dLockMass = info->dLockMass;
    page->m_dIntensityThreshold = info->dIntensityThreshold;
    page->m_dTopPercentage = info->dTopPercentage;
    page->m_dCompleteAfterTime = info->dCompleteAfterTime;
    page->m_bUseNotConsiderTop = info->bUseNotConsiderTop;
    page->m_bUseCompleteAfter = info->bUseCompleteAfter;
    page->m_bTunePageCollisionEnergy = info->bTunePageCollisionEnergy;
    page->m_bFixedCollisionEnergy = !info->bTunePageCollisionEnergy;
    page->m_dCollisionEnergyInEffect = info->dCollisionEnergyInEffect;
    page->m_dFixedCollisionEnergy = info->dFixedCollisionEnergy;
    return 1;
}

char CMaldiMSMSSwitchPropertySheet::GetLockMassPage(MaldiMSMSSwitchLMInfo* info)
{
    const CMaldiMSMSSwitchLockMassPage* page = m_pLockMassPage;
    if (!page || !info) return 0;
    info->bUseLockMass = page->m_bUseLockMass;
    info->dLockMass = page->m_dLockMass;
    info->dIntensityThreshold = page->m_dIntensityThreshold;
    info->dTopPercentage = page->m_dTopPercentage;
    info->dCompleteAfterTime = page->m_dCompleteAfterTime;
    info->bUseNotConsiderTop = page->m_bUseNotConsiderTop;
    info->bUseCompleteAfter = page->m_bUseCompleteAfter;
    info->bTunePageCollisionEnergy = page->m_bTunePageCollisionEnergy;
    info->dCollisionEnergyInEffect = page->m_dCollisionEnergyInEffect;
    info->dFixedCollisionEnergy = page->m_dFixedCollisionEnergy;
    return 1;
}

// --- collision energy ---------------------------------------------------------------------------------

char CMaldiMSMSSwitchPropertySheet::SetupCollisionEnergyPage(MaldiMSMSSwitchCEInfo* info)
{
    CMaldiMSMSSwitchCollisionEnergyPage* page = m_pCollisionEnergyPage;
    if (!page || !info) return 0;
    page->m_bUseTunePageCE = info->bUseTunePageCE;
    page->m_bUseFixedCE = info->bUseFixedCE;
    page->m_bUseCEProfile = info->bUseCEProfile;
    page->m_dFixedCE = info->dFixedCE;
    page->m_strFileName = info->strProfileFile;
    return 1;
}

char CMaldiMSMSSwitchPropertySheet::GetCollisionEnergyPage(MaldiMSMSSwitchCEInfo* info)
{
    const CMaldiMSMSSwitchCollisionEnergyPage* page = m_pCollisionEnergyPage;
    if (!page || !info) return 0;
    info->bUseTunePageCE = page->m_bUseTunePageCE;
    info->bUseFixedCE = page->m_bUseFixedCE;
    info->bUseCEProfile = page->m_bUseCEProfile;
    info->dFixedCE = page->m_dFixedCE;
    info->strProfileFile = page->m_strFileName;
    return 1;
}

// --- OK -------------------------------------------------------------------------------------------------

void CMaldiMSMSSwitchPropertySheet::OnOK()
{
    // What was typed on the page shown counts; a field that does not read was prompted for already.
    UpdateData(TRUE);
    if (CPropertyPage* active = GetActivePage(); active && active->GetSafeHwnd()) active->UpdateData(TRUE);

    const bool massPending = m_pSwitchMassPage && m_pSwitchMassPage->m_bChangesPending;
    const bool profilePending = m_pCollisionEnergyPage && m_pCollisionEnergyPage->m_bChangesPending;
    if (massPending || profilePending) {
        if (MessageBox(kUnsavedChanges, nullptr, MB_YESNO) != IDYES) return;
        if (m_pSwitchMassPage) m_pSwitchMassPage->m_bChangesPending = FALSE;
        if (m_pCollisionEnergyPage) m_pCollisionEnergyPage->m_bChangesPending = FALSE;
    }
    EndDialog(IDOK);
}
