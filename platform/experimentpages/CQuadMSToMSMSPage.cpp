#include "platform/experimentpages/CQuadMSToMSMSPage.h"

#include "platform/experimentpages/QuadFSControlIds.h"
#include "platform/framework/DDX.h"

using namespace quadfs;

IMPLEMENT_DYNAMIC(CQuadMSToMSMSPage, CPropertyPage)

CQuadMSToMSMSPage::CQuadMSToMSMSPage(LPCTSTR templateName, UINT captionId) : CPropertyPage(templateName, captionId)
{
}

CQuadMSToMSMSPage::CQuadMSToMSMSPage(UINT templateId, UINT captionId) : CPropertyPage(templateId, captionId) {}

void CQuadMSToMSMSPage::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_TIC_SUM_THRESHOLD, m_dTICSumThreshold);
    DDX_Text(dx, IDC_MSMS_FUNCTIONS, m_nMSMSFunctions);
    DDV_MinMaxUInt(dx, m_nMSMSFunctions, 1, 8);
    DDX_Text(dx, IDC_RETENTION_TIME_WINDOW, m_dRetentionTimeWindow);
    DDX_Check(dx, IDC_PRECURSOR_EVERYTHING, m_bEverything);
    DDX_Check(dx, IDC_PRECURSOR_INCLUDED_ONLY, m_bIncludedMassesOnly);
    DDX_Check(dx, IDC_PRECURSOR_INCLUDED_PRIORITY, m_bIncludedMassesPriority);
}
