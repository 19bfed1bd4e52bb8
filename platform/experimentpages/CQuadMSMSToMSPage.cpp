#include "platform/experimentpages/CQuadMSMSToMSPage.h"

#include "platform/experimentpages/QuadFSControlIds.h"
#include "platform/framework/DDX.h"

using namespace quadfs;

IMPLEMENT_DYNAMIC(CQuadMSMSToMSPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CQuadMSMSToMSPage, CPropertyPage)
    ON_BN_CLICKED(IDC_AFTER_TIME, &CQuadMSMSToMSPage::OnAfterTime)
END_MESSAGE_MAP()

CQuadMSMSToMSPage::CQuadMSMSToMSPage(LPCTSTR templateName, UINT captionId) : CPropertyPage(templateName, captionId)
{
}

CQuadMSMSToMSPage::CQuadMSMSToMSPage(UINT templateId, UINT captionId) : CPropertyPage(templateId, captionId) {}

void CQuadMSMSToMSPage::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_INTENSITY_THRESHOLD, m_dIntensityThreshold);
    DDX_Text(dx, IDC_SWITCH_BACK_TIME, m_dSwitchBackTime);
    DDX_Check(dx, IDC_AFTER_TIME, m_bAfterTime);
}

void CQuadMSMSToMSPage::OnAfterTime()
{
    m_bAfterTime = TRUE;
    UpdateData(TRUE);
}
