#include "maldi/experiments/CMaldiSurveyLaserPage.h"

#include "maldi/dialogs/MaldiPatternFile.h"
#include "maldi/dialogs/MaldiScanLists.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "maldi/resources/MaldiResources.h"
#include "platform/framework/DDX.h"

using namespace maldi::res;

IMPLEMENT_DYNAMIC(CMaldiSurveyLaserPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CMaldiSurveyLaserPage, CPropertyPage)
    ON_BN_CLICKED(IDC_SV_PATTERN_BROWSE, &CMaldiSurveyLaserPage::OnBrowseBtn)
END_MESSAGE_MAP()

CMaldiSurveyLaserPage::CMaldiSurveyLaserPage()
    : CPropertyPage(IDD_SURVEY_LASER_PAGE), m_strLaserPatternFilename(MaldiPatternFile::DefaultName())
{
    MaldiResources::Module();
}

void CMaldiSurveyLaserPage::SetLaserPatternFilename(CString name)
{
    if (MaldiPatternFile::IsUserSelectable()) m_strLaserPatternFilename = name;
}

void CMaldiSurveyLaserPage::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_LASER_FIRING_RATE, m_nLaserFiringRate);
    DDX_Text(dx, IDC_PLATE_SPEED, m_nPlateSpeed);
    DDX_Text(dx, IDC_SV_PATTERN_FILE, m_strLaserPatternFilename);
    DDX_Text(dx, IDC_SV_FIRST_DIFF_WIDTH, m_nFirstDiffWidth);
    DDX_Text(dx, IDC_SV_SECOND_DIFF_WIDTH, m_nSecondDiffWidth);
    DDX_Text(dx, IDC_SV_MIN_POINTS, m_nMinPointsInPeak);
    DDX_Text(dx, IDC_SV_MIN_HEIGHT, m_nMinPeakHeight);
    DDX_Check(dx, IDC_SV_USE_PEAK_AREA, m_bUsePeakArea);

    if (!MaldiPatternFile::IsUserSelectable()) {
        GetDlgItem(IDC_SV_PATTERN_FILE)->EnableWindow(FALSE);
        GetDlgItem(IDC_SV_PATTERN_BROWSE)->EnableWindow(FALSE);
    }
}

BOOL CMaldiSurveyLaserPage::OnSetActive()
{
    BOOL shown = CPropertyPage::OnSetActive();
    // Emptied and refilled each time: the laser type may have changed since the page was last shown.
    MaldiScanLists::FillFiringRates(*GetDlgItem(IDC_LASER_FIRING_RATE), m_nLaserType);
    MaldiScanLists::FillPlateSpeeds(*GetDlgItem(IDC_PLATE_SPEED));
    MaldiScanLists::SelectNumber(*GetDlgItem(IDC_LASER_FIRING_RATE), m_nLaserFiringRate);
    MaldiScanLists::SelectNumber(*GetDlgItem(IDC_PLATE_SPEED), m_nPlateSpeed);
    UpdateData(FALSE);
    return shown;
}

void CMaldiSurveyLaserPage::OnBrowseBtn()
{
    // Read first: writing the chosen name back writes every field, and what the operator typed
    // since the page was last read must not be lost.
    if (!UpdateData(TRUE)) return;
    if (MaldiPatternFile::Browse(this, m_strLaserPatternFilename)) UpdateData(FALSE);
}
