#include "platform/experimentpages/CQuadSurveyPage.h"

#include "platform/experimentpages/QuadFSControlIds.h"
#include "platform/framework/DDX.h"

using namespace quadfs;

IMPLEMENT_DYNAMIC(CQuadSurveyPage, CPropertyPage)

CQuadSurveyPage::CQuadSurveyPage(LPCTSTR templateName, UINT captionId) : CPropertyPage(templateName, captionId) {}

CQuadSurveyPage::CQuadSurveyPage(UINT templateId, UINT captionId) : CPropertyPage(templateId, captionId) {}

void CQuadSurveyPage::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_SURVEY_START_MASS, m_dStartMass);
    DDX_Text(dx, IDC_SURVEY_END_MASS, m_dEndMass);
    DDX_Text(dx, IDC_SURVEY_SCAN_TIME, m_dScanTime);
    DDX_Text(dx, IDC_SURVEY_INTER_SCAN_DELAY, m_dInterScanDelay);
}
