#include "platform/experimentpages/CQuadFSListPage.h"

#include "platform/experimentpages/QuadFSResources.h"
#include "platform/framework/DDX.h"

IMPLEMENT_DYNAMIC(CQuadFSListPage, CPropertyPage)

CQuadFSListPage::CQuadFSListPage(UINT templateId, UINT captionId) : CPropertyPage(templateId, captionId)
{
    QuadFSResources::Module(); // the library's templates
}

void CQuadFSListPage::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_ENTRIES, m_strEntries);
}
