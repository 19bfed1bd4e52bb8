#include "maldi/dialogs/CMaldiSettingsDialog.h"

#include "maldi/dialogs/MaldiPatternFile.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/DDX.h"

using namespace maldi::res;

IMPLEMENT_DYNAMIC(CMaldiSettingsDialog, CMaldiESISettingsDialog)

// The lists' selection changes are the base's handlers.
BEGIN_MESSAGE_MAP(CMaldiSettingsDialog, CMaldiESISettingsDialog)
    ON_BN_CLICKED(IDC_USE_CROSS_HAIRS, &CMaldiSettingsDialog::OnUseCrossHairs)
    ON_BN_CLICKED(IDC_USE_PATTERN_FILE, &CMaldiSettingsDialog::OnUsePatternUserDefined)
    ON_BN_CLICKED(IDC_SETTINGS_PATTERN_BROWSE, &CMaldiSettingsDialog::OnPatternBrowseBtn)
END_MESSAGE_MAP()

CMaldiSettingsDialog::CMaldiSettingsDialog(CInstCtlClient* control, CWnd* parent)
    : CMaldiESISettingsDialog(IDD_MALDI_SETTINGS, control, parent), m_nProbeMotionType(kCrossHairs)
{
}

void CMaldiSettingsDialog::DoDataExchange(CDataExchange* dx)
{
    // No pattern type text here, and the pattern file edit is shown, not read.
    DDX_Text(dx, IDC_LASER_FIRING_RATE, m_nLaserFiringRate);
    DDX_Text(dx, IDC_PLATE_SPEED, m_nPlateSpeed);

    const BOOL crossHairs = m_nProbeMotionType == kCrossHairs;
    CheckDlgButton(IDC_USE_CROSS_HAIRS, crossHairs ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_USE_PATTERN_FILE, crossHairs ? BST_UNCHECKED : BST_CHECKED);
    GetDlgItem(IDC_SETTINGS_PATTERN_FILE)->EnableWindow(!crossHairs);
    GetDlgItem(IDC_SETTINGS_PATTERN_BROWSE)->EnableWindow(!crossHairs);
}

BOOL CMaldiSettingsDialog::OnInitDialog()
{
    CMaldiESISettingsDialog::OnInitDialog();
    SetDlgItemText(IDC_SETTINGS_PATTERN_FILE, m_strPatternFilename);
    return TRUE;
}

void CMaldiSettingsDialog::OnOK()
{
    ReadControls(); // the framework's OK reads and validates again, and stays open on a failure
    SendLaserFrequency();
    CDialog::OnOK(); // not the base's: the pattern file name stays the operator's
}

void CMaldiSettingsDialog::OnUseCrossHairs()
{
    m_nProbeMotionType = kCrossHairs;
    WriteControls();
}

void CMaldiSettingsDialog::OnUsePatternUserDefined()
{
    m_nProbeMotionType = kPatternFile;
    WriteControls();
}

void CMaldiSettingsDialog::OnPatternBrowseBtn()
{
    if (MaldiPatternFile::Browse(this, m_strPatternFilename))
        SetDlgItemText(IDC_SETTINGS_PATTERN_FILE, m_strPatternFilename);
}
