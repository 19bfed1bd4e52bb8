#include "platform/experimentpages/CQuadMSMSTemplatePage.h"

#include "platform/auditfile/CFileDialogS.h"
#include "platform/experimentpages/QuadFSControlIds.h"
#include "platform/framework/DDX.h"

using namespace quadfs;

IMPLEMENT_DYNAMIC(CQuadMSMSTemplatePage, CPropertyPage)

BEGIN_MESSAGE_MAP(CQuadMSMSTemplatePage, CPropertyPage)
    ON_BN_CLICKED(IDC_TEMPLATE_BROWSE, &CQuadMSMSTemplatePage::OnPbBrowse)
END_MESSAGE_MAP()

CQuadMSMSTemplatePage::CQuadMSMSTemplatePage(LPCTSTR templateName, UINT captionId)
    : CPropertyPage(templateName, captionId)
{
}

CQuadMSMSTemplatePage::CQuadMSMSTemplatePage(UINT templateId, UINT captionId) : CPropertyPage(templateId, captionId)
{
}

void CQuadMSMSTemplatePage::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_TEMPLATE_PARAMETER_FILE, m_strInstParamFile);
    DDX_Text(dx, IDC_TEMPLATE_COLLISION_ENERGY, m_dCollisionEnergy);
}

void CQuadMSMSTemplatePage::OnPbBrowse()
{
    // Read first: the members are written back with the chosen name.
    if (!UpdateData(TRUE)) return;
    CFileDialogS dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter, this, ".");
    if (dialog.DoModal() != IDOK) return;
    m_strInstParamFile = dialog.GetPathName();
    UpdateData(FALSE);
}
