#include "maldi/experiments/CMaldiSurveyPage.h"

#include "maldi/dialogs/MaldiScanLists.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "maldi/resources/MaldiResources.h"
#include "platform/framework/DDX.h"

using namespace maldi::res;

IMPLEMENT_DYNAMIC(CMaldiSurveyPage, CQuadSurveyPage)

BEGIN_MESSAGE_MAP(CMaldiSurveyPage, CQuadSurveyPage)
    ON_BN_CLICKED(IDC_USE_LOCK_MASS, &CMaldiSurveyPage::OnUseLockMass)
    ON_EN_CHANGE(IDC_SV_SAMPLE_TIME, &CMaldiSurveyPage::OnChangeSampleAcquireTime)
    ON_EN_CHANGE(IDC_LOCK_MASS_TIME, &CMaldiSurveyPage::OnChangeLMAcquireTime)
END_MESSAGE_MAP()

CMaldiSurveyPage::CMaldiSurveyPage()
    : CQuadSurveyPage(IDD_SURVEY_PAGE),
      m_strIonMode(MaldiScanLists::DefaultIonMode()),
      m_strDataFormat(MaldiScanLists::DefaultDataFormat())
{
    MaldiResources::Module(); // the template comes from the library's module
}

void CMaldiSurveyPage::DoDataExchange(CDataExchange* dx)
{
    // Replaces the base's exchange.
    DDX_Text(dx, IDC_SV_START_MASS, m_dStartMass);
    DDX_Text(dx, IDC_SV_END_MASS, m_dEndMass);
    DDX_Text(dx, IDC_SV_SAMPLE_TIME, m_nSampleTime);
    DDX_Text(dx, IDC_SV_SCAN_TIME, m_dScanTime);
    DDX_Text(dx, IDC_SV_INTER_SCAN_DELAY, m_dInterScanDelay);
    DDX_Text(dx, IDC_SV_MONITOR_START, m_dMonitorStartMass);
    DDX_Text(dx, IDC_SV_MONITOR_END, m_dMonitorEndMass);
    DDX_Text(dx, IDC_SV_MONITOR_THRESHOLD, m_dMonitorThreshold);
    DDX_Text(dx, IDC_SV_SWITCH_START, m_dSwitchStartMass);
    DDX_Text(dx, IDC_SV_SWITCH_END, m_dSwitchEndMass);
    DDX_Text(dx, IDC_SV_SWITCH_THRESHOLD, m_dSwitchThreshold);
    DDX_CBString(dx, IDC_SV_DATA_FORMAT, m_strDataFormat);
    DDV_MaxChars(dx, m_strDataFormat, 10);
    DDX_CBString(dx, IDC_SV_ION_MODE, m_strIonMode);
    DDV_MaxChars(dx, m_strIonMode, 10);
    DDX_Text(dx, IDC_SV_TOTAL_TIME, m_dTotalTime);
    DDX_Text(dx, IDC_LOCK_MASS_TIME, m_nLockMassTime);
    DDX_Check(dx, IDC_USE_LOCK_MASS, m_bUseLockMass);

    GetDlgItem(IDC_LOCK_MASS_TIME)->EnableWindow(m_bUseLockMass);
}

BOOL CMaldiSurveyPage::OnInitDialog()
{
    // A template carries no list contents.
    MaldiScanLists::FillIonModes(*GetDlgItem(IDC_SV_ION_MODE));
    MaldiScanLists::FillDataFormats(*GetDlgItem(IDC_SV_DATA_FORMAT));
    CDialog::OnInitDialog(); // the dialog's, not the survey base page's
    m_time.Open();
    UpdateData(FALSE);
    return TRUE;
}

void CMaldiSurveyPage::OnUseLockMass()
{
    // The member, not the box, says what the operator switched from.
    m_time.ToggleLockMass();
    UpdateData(FALSE);
}

void CMaldiSurveyPage::OnChangeSampleAcquireTime()
{
    if (IsEditEmpty(IDC_SV_SAMPLE_TIME) || !UpdateData(TRUE)) return;
    m_time.SampleTimeChanged();
    UpdateData(FALSE);
}

void CMaldiSurveyPage::OnChangeLMAcquireTime()
{
    if (IsEditEmpty(IDC_LOCK_MASS_TIME) || !UpdateData(TRUE)) return;
    m_time.LockMassTimeChanged();
    UpdateData(FALSE);
}

bool CMaldiSurveyPage::IsEditEmpty(int id) const
{
    return GetDlgItem(id)->GetWindowTextLength() == 0;
}
