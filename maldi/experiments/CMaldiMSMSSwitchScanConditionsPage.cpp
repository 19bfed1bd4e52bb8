#include "maldi/experiments/CMaldiMSMSSwitchScanConditionsPage.h"

#include "maldi/dialogs/MaldiPatternFile.h"
#include "maldi/dialogs/MaldiScanLists.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "maldi/resources/MaldiResources.h"
#include "platform/framework/DDX.h"

using namespace maldi::res;

IMPLEMENT_DYNAMIC(CMaldiMSMSSwitchScanConditionsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CMaldiMSMSSwitchScanConditionsPage, CPropertyPage)
    ON_BN_CLICKED(IDC_SC_AUTO_SCAN_RATE, &CMaldiMSMSSwitchScanConditionsPage::OnModeClicked)
    ON_BN_CLICKED(IDC_SC_MANUAL_SCAN_RATE, &CMaldiMSMSSwitchScanConditionsPage::OnModeClicked)
    ON_BN_CLICKED(IDC_SC_AUTO_SCAN_CONDITIONS, &CMaldiMSMSSwitchScanConditionsPage::OnModeClicked)
    ON_BN_CLICKED(IDC_SC_MANUAL_SCAN_CONDITIONS, &CMaldiMSMSSwitchScanConditionsPage::OnModeClicked)
    ON_BN_CLICKED(IDC_SC_TUNE_PAGE_MALDI, &CMaldiMSMSSwitchScanConditionsPage::OnModeClicked)
    ON_BN_CLICKED(IDC_SC_USER_DEFINED, &CMaldiMSMSSwitchScanConditionsPage::OnModeClicked)
    ON_CBN_SELCHANGE(IDC_SC_DATA_FORMAT, &CMaldiMSMSSwitchScanConditionsPage::OnSelChangeDataFormat)
    ON_CBN_EDITCHANGE(IDC_SC_DATA_FORMAT, &CMaldiMSMSSwitchScanConditionsPage::OnEditChangeDataFormat)
    ON_CBN_SELCHANGE(IDC_SC_ION_MODE, &CMaldiMSMSSwitchScanConditionsPage::OnSelChangeList)
    ON_CBN_SELCHANGE(IDC_PLATE_SPEED, &CMaldiMSMSSwitchScanConditionsPage::OnSelChangeList)
    ON_CBN_SELCHANGE(IDC_LASER_FIRING_RATE, &CMaldiMSMSSwitchScanConditionsPage::OnSelChangeList)
    ON_BN_CLICKED(IDC_SC_PATTERN_BROWSE, &CMaldiMSMSSwitchScanConditionsPage::OnPatternBrowse)
END_MESSAGE_MAP()

CMaldiMSMSSwitchScanConditionsPage::CMaldiMSMSSwitchScanConditionsPage()
    : CPropertyPage(IDD_MSMS_SWITCH_SCAN_CONDITIONS_PAGE), m_strPatternFile(MaldiPatternFile::DefaultName()),
      m_strPatternFileInEffect(MaldiPatternFile::DefaultName())
{
    MaldiResources::Module();
}

void CMaldiMSMSSwitchScanConditionsPage::SetPatternFiles(const CString& pattern, const CString& patternInEffect)
{
    if (!MaldiPatternFile::IsUserSelectable()) return;
    m_strPatternFile = pattern;
    m_strPatternFileInEffect = patternInEffect;
}

void CMaldiMSMSSwitchScanConditionsPage::DoDataExchange(CDataExchange* dx)
{
    DDX_Check(dx, IDC_SC_AUTO_SCAN_RATE, m_bAutoScanRate);
    DDX_Check(dx, IDC_SC_MANUAL_SCAN_RATE, m_bManualScanRate);
    DDX_Check(dx, IDC_SC_AUTO_SCAN_CONDITIONS, m_bAutoScanConditions);
    DDX_Check(dx, IDC_SC_MANUAL_SCAN_CONDITIONS, m_bManualScanConditions);
    DDX_Check(dx, IDC_SC_TUNE_PAGE_MALDI, m_bTunePageMaldiSettings);
    DDX_Check(dx, IDC_SC_USER_DEFINED, m_bUserDefinedMaldiSettings);
    DDX_Text(dx, IDC_SC_SCAN_TIME, m_dScanTime);
    DDX_Text(dx, IDC_SC_INTER_SCAN_DELAY, m_dInterScanDelay);
    DDX_Text(dx, IDC_SC_MCA_SCANS, m_nMCAScans);
    DDX_CBStringExact(dx, IDC_SC_ION_MODE, m_strIonMode);
    DDV_MaxChars(dx, m_strIonMode, kMaxListText);
    DDX_CBStringExact(dx, IDC_SC_DATA_FORMAT, m_strDataFormat);
    DDV_MaxChars(dx, m_strDataFormat, kMaxListText);
    DDX_Text(dx, IDC_SC_PATTERN_FILE, m_strPatternFile);
    DDX_Text(dx, IDC_LASER_FIRING_RATE, m_nLaserFiringRate);
    DDX_Text(dx, IDC_PLATE_SPEED, m_nPlateSpeed);

    const BOOL manualRate = !m_bAutoScanRate;
    GetDlgItem(IDC_SC_SCAN_TIME)->EnableWindow(manualRate);
    GetDlgItem(IDC_SC_INTER_SCAN_DELAY)->EnableWindow(manualRate);
    m_dScanTimeInEffect = manualRate ? m_dScanTime : kAutoScanTime;
    m_dInterScanDelayInEffect = manualRate ? m_dInterScanDelay : kAutoInterScanDelay;

    const BOOL manualConditions = !m_bAutoScanConditions;
    GetDlgItem(IDC_SC_ION_MODE)->EnableWindow(manualConditions);
    GetDlgItem(IDC_SC_DATA_FORMAT)->EnableWindow(manualConditions);
    GetDlgItem(IDC_SC_MCA_SCANS)->EnableWindow(manualConditions && m_strDataFormat == "MCA");
    m_strIonModeInEffect = manualConditions ? m_strIonMode : CString(kAutoIonMode);
    m_strDataFormatInEffect = manualConditions ? m_strDataFormat : CString(kAutoDataFormat);
    m_nMCAScansInEffect = manualConditions ? m_nMCAScans : kAutoMCAScans;

    const BOOL userDefined = !m_bTunePageMaldiSettings;
    const BOOL patternEditable = userDefined && MaldiPatternFile::IsUserSelectable();
    GetDlgItem(IDC_SC_PATTERN_FILE)->EnableWindow(patternEditable);
    GetDlgItem(IDC_SC_PATTERN_BROWSE)->EnableWindow(patternEditable);
    GetDlgItem(IDC_PLATE_SPEED)->EnableWindow(userDefined);
    GetDlgItem(IDC_LASER_FIRING_RATE)->EnableWindow(userDefined);
    if (userDefined) {
        m_nLaserTypeInEffect = m_nLaserType;
        m_nLaserFiringRateInEffect = m_nLaserFiringRate;
        m_nPlateSpeedInEffect = m_nPlateSpeed;
        m_strPatternFileInEffect = m_strPatternFile;
    } else {
        m_nLaserTypeInEffect = kTuneLaserType;
        m_nLaserFiringRateInEffect = kTuneLaserFiringRate;
        m_nPlateSpeedInEffect = kTunePlateSpeed;
        m_strPatternFileInEffect = MaldiPatternFile::DefaultName();
    }
}

BOOL CMaldiMSMSSwitchScanConditionsPage::OnInitDialog()
{
    // A template carries no list contents: the fixed lists go in before the first exchange.
    MaldiScanLists::FillIonModes(*GetDlgItem(IDC_SC_ION_MODE));
    MaldiScanLists::FillDataFormats(*GetDlgItem(IDC_SC_DATA_FORMAT));
    MaldiScanLists::FillPlateSpeeds(*GetDlgItem(IDC_PLATE_SPEED));
    CPropertyPage::OnInitDialog();
    return TRUE;
}

BOOL CMaldiMSMSSwitchScanConditionsPage::OnSetActive()
{
    BOOL shown = CPropertyPage::OnSetActive();
    // Emptied and refilled each time: the sheet may have changed the laser type since.
    MaldiScanLists::FillFiringRates(*GetDlgItem(IDC_LASER_FIRING_RATE), m_nLaserTypeInEffect);
    // Only the type in effect is corrected: the entered one goes back to the host as it was set.
    // The lists are drop-down lists, which the text exchange below does not select in.
    MaldiScanLists::SelectNumber(*GetDlgItem(IDC_LASER_FIRING_RATE), m_nLaserFiringRateInEffect);
    MaldiScanLists::SelectNumber(*GetDlgItem(IDC_PLATE_SPEED), m_nPlateSpeedInEffect);
    UpdateData(FALSE);
    return shown;
}

void CMaldiMSMSSwitchScanConditionsPage::OnModeClicked()
{
    UpdateData(TRUE);
}

void CMaldiMSMSSwitchScanConditionsPage::OnSelChangeDataFormat()
{
    // The new item becomes the list's text only after this notification.
    CWnd* format = GetDlgItem(IDC_SC_DATA_FORMAT);
    PostMessage(WM_COMMAND, MAKEWPARAM(IDC_SC_DATA_FORMAT, CBN_EDITCHANGE),
                reinterpret_cast<LPARAM>(format->GetSafeHwnd()));
}

void CMaldiMSMSSwitchScanConditionsPage::OnEditChangeDataFormat()
{
    UpdateData(TRUE);
}

void CMaldiMSMSSwitchScanConditionsPage::OnSelChangeList()
{
    UpdateData(TRUE);
}

void CMaldiMSMSSwitchScanConditionsPage::OnPatternBrowse()
{
    // Read first: writing the chosen name back writes every field, and what the operator typed
    // since the page was last read must not be lost.
    if (!UpdateData(TRUE)) return;
    if (MaldiPatternFile::Browse(this, m_strPatternFile)) UpdateData(FALSE);
}
