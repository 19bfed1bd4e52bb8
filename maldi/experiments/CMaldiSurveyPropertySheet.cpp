#include "maldi/experiments/CMaldiSurveyPropertySheet.h"

#include <new>

#include "maldi/experiments/CMaldiSurveyMSMSToMSPage.h"
#include "maldi/experiments/CMaldiSurveyMSToMSMSPage.h"
#include "maldi/experiments/CMaldiSurveyPage.h"
#include "maldi/experiments/CMaldiSurveyTemplatePage.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/experimentpages/QuadFSResources.h"

using namespace maldi::res;

IMPLEMENT_DYNAMIC(CMaldiSurveyPropertySheet, CQuadFSPropertySheet)

BEGIN_MESSAGE_MAP(CMaldiSurveyPropertySheet, CQuadFSPropertySheet)
    ON_BN_CLICKED(IDOK, &CMaldiSurveyPropertySheet::OnOK)
END_MESSAGE_MAP()

CMaldiSurveyPropertySheet::CMaldiSurveyPropertySheet(const char* caption, CWnd* parent, UINT selectPage)
    : CQuadFSPropertySheet(caption, parent, selectPage)
{
}

CMaldiSurveyPropertySheet::~CMaldiSurveyPropertySheet()
{
    if (m_pLaserPage) {
        RemovePage(m_pLaserPage);
        if (m_pLaserPage->GetSafeHwnd()) m_pLaserPage->DestroyWindow();
        delete m_pLaserPage;
        m_pLaserPage = nullptr;
    }
}

CMaldiSurveyPage* CMaldiSurveyPropertySheet::SurveyPage() const
{
    return static_cast<CMaldiSurveyPage*>(m_pSurveyPage);
}
CMaldiSurveyMSToMSMSPage* CMaldiSurveyPropertySheet::MSToMSMSPage() const
{
    return static_cast<CMaldiSurveyMSToMSMSPage*>(m_pMSToMSMSPage);
}
CMaldiSurveyMSMSToMSPage* CMaldiSurveyPropertySheet::MSMSToMSPage() const
{
    return static_cast<CMaldiSurveyMSMSToMSPage*>(m_pMSMSToMSPage);
}
CMaldiSurveyTemplatePage* CMaldiSurveyPropertySheet::TemplatePage() const
{
    return static_cast<CMaldiSurveyTemplatePage*>(m_pTemplatePage);
}

void CMaldiSurveyPropertySheet::SetUpPages()
{
    InitialiseFunctionSwitchInfo();
    if (m_pLaserPage) { // an earlier call's
        RemovePage(m_pLaserPage);
        delete m_pLaserPage;
        m_pLaserPage = nullptr;
    }

    m_pSurveyPage = new (std::nothrow) CMaldiSurveyPage;
    m_pMSToMSMSPage = new (std::nothrow) CMaldiSurveyMSToMSMSPage;
    m_pMSMSToMSPage = new (std::nothrow) CMaldiSurveyMSMSToMSPage;
    m_pIncludePage = new (std::nothrow)
        CQuadFSIncludePage(QuadFSResources::IDD_INCLUDE_PAGE, QuadFSResources::IDS_INCLUDE_CAPTION);
    m_pExcludePage = new (std::nothrow)
        CQuadFSExcludePage(QuadFSResources::IDD_EXCLUDE_PAGE, QuadFSResources::IDS_EXCLUDE_CAPTION);
    m_pTemplatePage = new (std::nothrow) CMaldiSurveyTemplatePage;
    m_pAdductPage =
        new (std::nothrow) CQuadAdductPage(QuadFSResources::IDD_ADDUCT_PAGE, QuadFSResources::IDS_ADDUCT_CAPTION);
    m_pCollisionEnergyPage = new (std::nothrow) CQuadCollisionEnergyPage;
    m_pLaserPage = new (std::nothrow) CMaldiSurveyLaserPage;

    if (!m_pSurveyPage || !m_pMSToMSMSPage || !m_pMSMSToMSPage || !m_pIncludePage || !m_pExcludePage ||
        !m_pTemplatePage || !m_pAdductPage || !m_pCollisionEnergyPage || !m_pLaserPage)
        return;
    AddPage(m_pSurveyPage);
    AddPage(m_pMSToMSMSPage);
    AddPage(m_pMSMSToMSPage);
    AddPage(m_pTemplatePage);
    AddPage(m_pIncludePage);
    AddPage(m_pExcludePage);
    AddPage(m_pLaserPage);
    AddPage(m_pAdductPage);
    AddPage(m_pCollisionEnergyPage);
}

// --- survey page -----------------------------------------------------------------------------------------

char CMaldiSurveyPropertySheet::SetupSurveyPage(double startMass, double endMass, double monitorStartMass,
                                                double monitorEndMass, double monitorThreshold,
                                                double switchStartMass, double switchEndMass,
                                                double switchThreshold, int startTime, int endTime, double scanTime,
                                                double interScanDelay, int lockMassTime, int useLockMass,
                                                UINT functionOptions, CString ionMode, CString dataFormat,
                                                CString instParamFile)
{
    CMaldiSurveyPage* page = SurveyPage();
    if (!page) return 0;
    page->m_dStartMass = startMass;
    page->m_dEndMass = endMass;
    page->m_dMonitorStartMass = monitorStartMass;
    page->m_dMonitorEndMass = monitorEndMass;
    page->m_dMonitorThreshold = monitorThreshold;
    page->m_dSwitchStartMass = switchStartMass;
    page->m_dSwitchEndMass = switchEndMass;
    page->m_dSwitchThreshold = switchThreshold;
    page->m_nStartTime = startTime;
    page->m_nEndTime = endTime;
    page->m_dScanTime = scanTime;
    page->m_dInterScanDelay = interScanDelay;
    page->m_nLockMassTime = lockMassTime;
    page->m_bUseLockMass = useLockMass;
    page->m_nFunctionOptions = functionOptions;
    page->m_strIonMode = ionMode;
    page->m_strDataFormat = dataFormat;
    page->m_strInstParamFile = instParamFile;
    return 1;
}

char CMaldiSurveyPropertySheet::GetSurveyPage(double& startMass, double& endMass, double& monitorStartMass,
                                              double& monitorEndMass, double& monitorThreshold,
                                              double& switchStartMass, double& switchEndMass,
                                              double& switchThreshold, int& startTime, int& endTime,
                                              double& scanTime, double& interScanDelay, int& lockMassTime,
                                              int& useLockMass, UINT& functionOptions, CString& ionMode,
                                              CString& dataFormat, CString& instParamFile)
{
    const CMaldiSurveyPage* page = SurveyPage();
    if (!page) return 0;
    startMass = page->m_dStartMass;
    endMass = page->m_dEndMass;
    monitorStartMass = page->m_dMonitorStartMass;
    monitorEndMass = page->m_dMonitorEndMass;
    monitorThreshold = page->m_dMonitorThreshold;
    switchStartMass = page->m_dSwitchStartMass;
    switchEndMass = page->m_dSwitchEndMass;
    switchThreshold = page->m_dSwitchThreshold;
    startTime = page->m_nStartTime;
    endTime = page->m_nEndTime;
    scanTime = page->m_dScanTime;
    interScanDelay = page->m_dInterScanDelay;
    lockMassTime = page->m_nLockMassTime;
    useLockMass = page->m_bUseLockMass;
    functionOptions = page->m_nFunctionOptions;
    ionMode = page->m_strIonMode;
    dataFormat = page->m_strDataFormat;
    instParamFile = page->m_strInstParamFile;
    return 1;
}

// --- template page: this sheet's transfer alone ----------------------------------------------------------

char CMaldiSurveyPropertySheet::SetupTemplatePage(MSMSTemplateInfo* info, CString first, CString second)
{
    CMaldiSurveyTemplatePage* page = TemplatePage();
    if (!page || !info) return 0;
    page->m_dStartMass = info->dStartMass;
    page->m_dEndMass = info->dEndMass; // the page sets it to start + 100 at its next exchange
    page->m_dSetMassOffset = info->dSetMassOffset;
    page->m_dScanTime = info->dScanTime;
    page->m_dInterScanDelay = info->dInterScanDelay;
    page->m_dCarried = info->dCarried;
    page->m_dCollisionEnergy = info->dCollisionEnergy;
    page->m_nCarriedFirst = info->nCarriedFirst;
    page->m_nCarriedSecond = info->nCarriedSecond;
    page->m_bUseTunePageCE = info->bUseTunePageCE;
    page->m_bUseOwnInstParamFile = info->bUseOwnInstParamFile;
    page->m_strInstParamFile = info->strInstParamFile;
    page->m_strCarriedFirst = first;
    page->m_strCarriedSecond = second;
    return 1;
}

char CMaldiSurveyPropertySheet::GetTemplatePage(MSMSTemplateInfo* info, CString& first, CString& second)
{
    const CMaldiSurveyTemplatePage* page = TemplatePage();
    if (!page || !info) return 0;
    info->dStartMass = page->m_dStartMass;
    info->dEndMass = page->m_dStartMass + CMaldiSurveyTemplatePage::kEndMassSpan;
    info->dSetMassOffset = page->m_dSetMassOffset;
    info->dScanTime = page->m_dScanTime;
    info->dInterScanDelay = page->m_dInterScanDelay;
    info->dCarried = page->m_dCarried;
    info->dCollisionEnergy = page->m_dCollisionEnergy;
    info->nCarriedFirst = page->m_nCarriedFirst;
    info->nCarriedSecond = page->m_nCarriedSecond;
    info->bUseTunePageCE = page->m_bUseTunePageCE;
    info->bUseOwnInstParamFile = page->m_bUseOwnInstParamFile;
    info->strInstParamFile = page->m_strInstParamFile;
    first = page->m_strCarriedFirst;
    second = page->m_strCarriedSecond;
    return 1;
}

// --- switch criteria: this sheet's fields, then the base's -----------------------------------------------

char CMaldiSurveyPropertySheet::SetupMSToMSMSPage(MStoMSMSInfo* info)
{
    if (!MSToMSMSPage() || !info) return 0;
    MSToMSMSPage()->m_nPeaksToSwitchOn = info->nPeaksToSwitchOn;
    return CQuadFSPropertySheet::SetupMSToMSMSPage(info);
}

char CMaldiSurveyPropertySheet::GetMSToMSMSPage(MStoMSMSInfo* info)
{
    if (!MSToMSMSPage() || !info) return 0;
    info->nPeaksToSwitchOn = MSToMSMSPage()->m_nPeaksToSwitchOn;
    return CQuadFSPropertySheet::GetMSToMSMSPage(info);
}

char CMaldiSurveyPropertySheet::SetupMSMSToMSPage(MSMStoMSInfo* info)
{
    if (!MSMSToMSPage() || !info) return 0;
    MSMSToMSPage()->m_dMonitorWindow = info->dMonitorWindow;
    MSMSToMSPage()->m_bMonitorWindow = info->bMonitorWindow;
    return CQuadFSPropertySheet::SetupMSMSToMSPage(info);
}

char CMaldiSurveyPropertySheet::GetMSMSToMSPage(MSMStoMSInfo* info)
{
    if (!MSMSToMSPage() || !info) return 0;
    info->dMonitorWindow = MSMSToMSPage()->m_dMonitorWindow;
    info->bMonitorWindow = MSMSToMSPage()->m_bMonitorWindow;
    return CQuadFSPropertySheet::GetMSMSToMSPage(info);
}

// --- laser page ------------------------------------------------------------------------------------------

char CMaldiSurveyPropertySheet::SetupLaserPage(MaldiLaserInfo* info)
{
    if (!m_pLaserPage || !info) return 0;
    m_pLaserPage->m_nLaserType = info->nLaserType;
    m_pLaserPage->m_nLaserFiringRate = info->nLaserFiringRate;
    m_pLaserPage->m_nPlateSpeed = info->nPlateSpeed;
    m_pLaserPage->SetLaserPatternFilename(info->strLaserPatternFilename); // fixed on the MALDI/ESI model
    m_pLaserPage->m_nFirstDiffWidth = info->nFirstDiffWidth;
    m_pLaserPage->m_nSecondDiffWidth = info->nSecondDiffWidth;
    m_pLaserPage->m_nMinPointsInPeak = info->nMinPointsInPeak;
    m_pLaserPage->m_nMinPeakHeight = info->nMinPeakHeight;
    m_pLaserPage->m_bUsePeakArea = info->bUsePeakArea;
    return 1;
}

char CMaldiSurveyPropertySheet::GetLaserPage(MaldiLaserInfo* info)
{
    if (!m_pLaserPage || !info) return 0;
    info->nLaserType = m_pLaserPage->m_nLaserType;
    info->nLaserFiringRate = m_pLaserPage->m_nLaserFiringRate;
    info->nPlateSpeed = m_pLaserPage->m_nPlateSpeed;
    info->strLaserPatternFilename = m_pLaserPage->GetLaserPatternFilename();
    info->nFirstDiffWidth = m_pLaserPage->m_nFirstDiffWidth;
    info->nSecondDiffWidth = m_pLaserPage->m_nSecondDiffWidth;
    info->nMinPointsInPeak = m_pLaserPage->m_nMinPointsInPeak;
    info->nMinPeakHeight = m_pLaserPage->m_nMinPeakHeight;
    info->bUsePeakArea = m_pLaserPage->m_bUsePeakArea;
    return 1;
}

// --- OK ------------------------------------------------------------------------------------------------

void CMaldiSurveyPropertySheet::OnOK()
{
    UpdateData(TRUE);
    // A field of the page shown that does not read keeps the sheet open (after the prompt).
    if (CPropertyPage* active = GetActivePage(); active && active->GetSafeHwnd() && !active->UpdateData(TRUE)) return;
    CMaldiSurveyTemplatePage* templ = TemplatePage();
    CMaldiSurveyPage* survey = SurveyPage();
    if (templ && survey && !templ->m_bUseOwnInstParamFile) {
        templ->m_strInstParamFile = survey->m_strInstParamFile;
        // The page's edit too, or the template page would read its old name back when OK leaves it.
        if (templ->GetSafeHwnd()) templ->SetDlgItemText(IDC_SV_PARAMETER_FILE, templ->m_strInstParamFile);
    }
    CQuadFSPropertySheet::OnOK();
}
