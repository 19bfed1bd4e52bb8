#include "platform/experimentpages/CQuadFSPropertySheet.h"

IMPLEMENT_DYNAMIC(CQuadFSPropertySheet, CPropertySheet)

namespace {

template <class Page>
void dispose(CPropertySheet& sheet, Page*& page)
{
    if (!page) return;
    sheet.RemovePage(page);
    if (page->GetSafeHwnd()) page->DestroyWindow();
    delete page;
    page = nullptr;
}

} // namespace

CQuadFSPropertySheet::CQuadFSPropertySheet(LPCTSTR caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage)
{
}

CQuadFSPropertySheet::~CQuadFSPropertySheet()
{
    InitialiseFunctionSwitchInfo();
}

void CQuadFSPropertySheet::InitialiseFunctionSwitchInfo()
{
    dispose(*this, m_pSurveyPage);
    dispose(*this, m_pMSToMSMSPage);
    dispose(*this, m_pMSMSToMSPage);
    dispose(*this, m_pTemplatePage);
    dispose(*this, m_pIncludePage);
    dispose(*this, m_pExcludePage);
    dispose(*this, m_pAdductPage);
    dispose(*this, m_pCollisionEnergyPage);
}

char CQuadFSPropertySheet::SetupTemplatePage(MSMSTemplateInfo* info, CString first, CString second)
{
    CQuadMSMSTemplatePage* page = m_pTemplatePage;
    if (!page || !info) return 0;
    page->m_dStartMass = info->dStartMass;
    page->m_dScanTime = info->dScanTime;
    page->m_dInterScanDelay = info->dInterScanDelay;
    page->m_dCarried = info->dCarried;
    page->m_dCollisionEnergy = info->dCollisionEnergy;
    page->m_nCarriedFirst = info->nCarriedFirst;
    page->m_nCarriedSecond = info->nCarriedSecond;
    page->m_bUseOwnInstParamFile = info->bUseOwnInstParamFile;
    page->m_strInstParamFile = info->strInstParamFile;
    page->m_strCarriedFirst = first;
    page->m_strCarriedSecond = second;
    return 1;
}

char CQuadFSPropertySheet::GetTemplatePage(MSMSTemplateInfo* info, CString& first, CString& second)
{
    const CQuadMSMSTemplatePage* page = m_pTemplatePage;
    if (!page || !info) return 0;
    info->dStartMass = page->m_dStartMass;
    info->dScanTime = page->m_dScanTime;
    info->dInterScanDelay = page->m_dInterScanDelay;
    info->dCarried = page->m_dCarried;
    info->dCollisionEnergy = page->m_dCollisionEnergy;
    info->nCarriedFirst = page->m_nCarriedFirst;
    info->nCarriedSecond = page->m_nCarriedSecond;
    info->bUseOwnInstParamFile = page->m_bUseOwnInstParamFile;
    info->strInstParamFile = page->m_strInstParamFile;
    first = page->m_strCarriedFirst;
    second = page->m_strCarriedSecond;
    return 1;
}

char CQuadFSPropertySheet::SetupMSToMSMSPage(MStoMSMSInfo* info)
{
    CQuadMSToMSMSPage* page = m_pMSToMSMSPage;
    if (!page || !info) return 0;
    page->m_dTICSumThreshold = info->dTICSumThreshold;
    page->m_nMSMSFunctions = info->nMSMSFunctions;
    page->m_dRetentionTimeWindow = info->dRetentionTimeWindow;
    page->m_bEverything = info->bEverything;
    page->m_bIncludedMassesOnly = info->bIncludedMassesOnly;
    page->m_bIncludedMassesPriority = info->bIncludedMassesPriority;
    return 1;
}

char CQuadFSPropertySheet::GetMSToMSMSPage(MStoMSMSInfo* info)
{
    const CQuadMSToMSMSPage* page = m_pMSToMSMSPage;
    if (!page || !info) return 0;
    info->dTICSumThreshold = page->m_dTICSumThreshold;
    info->nMSMSFunctions = page->m_nMSMSFunctions;
    info->dRetentionTimeWindow = page->m_dRetentionTimeWindow;
    info->bEverything = page->m_bEverything;
    info->bIncludedMassesOnly = page->m_bIncludedMassesOnly;
    info->bIncludedMassesPriority = page->m_bIncludedMassesPriority;
    return 1;
}

char CQuadFSPropertySheet::SetupMSMSToMSPage(MSMStoMSInfo* info)
{
    CQuadMSMSToMSPage* page = m_pMSMSToMSPage;
    if (!page || !info) return 0;
    page->m_dIntensityThreshold = info->dIntensityThreshold;
    page->m_bAfterTime = info->bAfterTime;
    page->m_dSwitchBackTime = info->dSwitchBackTime;
    return 1;
}

char CQuadFSPropertySheet::GetMSMSToMSPage(MSMStoMSInfo* info)
{
    const CQuadMSMSToMSPage* page = m_pMSMSToMSPage;
    if (!page || !info) return 0;
    info->dIntensityThreshold = page->m_dIntensityThreshold;
    info->bAfterTime = page->m_bAfterTime;
    info->dSwitchBackTime = page->m_dSwitchBackTime;
    return 1;
}

void CQuadFSPropertySheet::OnOK()
{
    OnSheetOK();
}
