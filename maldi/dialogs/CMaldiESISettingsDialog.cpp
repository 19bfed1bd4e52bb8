#include "maldi/dialogs/CMaldiESISettingsDialog.h"

#include "maldi/dialogs/MaldiPatternFile.h"
#include "maldi/dialogs/MaldiScanLists.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "maldi/resources/MaldiResources.h"
#include "platform/framework/CommCtrl.h"
#include "platform/framework/DDX.h"
#include "platform/instrument/CInstCtlClient.h"

using namespace maldi::res;

IMPLEMENT_DYNAMIC(CMaldiESISettingsDialog, CDialog)

BEGIN_MESSAGE_MAP(CMaldiESISettingsDialog, CDialog)
    ON_CBN_SELCHANGE(IDC_LASER_FIRING_RATE, &CMaldiESISettingsDialog::OnSelChangeLaserFiringRate)
    ON_CBN_SELCHANGE(IDC_PLATE_SPEED, &CMaldiESISettingsDialog::OnSelChangePlateSpeed)
END_MESSAGE_MAP()

CMaldiESISettingsDialog::CMaldiESISettingsDialog(CInstCtlClient* control, CWnd* parent)
    : CMaldiESISettingsDialog(IDD_MALDI_ESI_SETTINGS, control, parent)
{
}

CMaldiESISettingsDialog::CMaldiESISettingsDialog(UINT templateId, CInstCtlClient* control, CWnd* parent)
    : CDialog(templateId, parent),
      m_pInstCtlClient(control),
      m_strPatternFilename(""),
      m_strPatternType("Straight Line"),
      m_nLaserFiringRate(1),
      m_nPlateSpeed(1),
      m_nLaserType(1)
{
    MaldiResources::Module(); // the templates come from the library's module
}

void CMaldiESISettingsDialog::SendLaserFrequency()
{
    if (m_pInstCtlClient)
        m_pInstCtlClient->SetMaldiControl(kLaserFrequencyControl, static_cast<int>(m_nLaserFiringRate));
}

void CMaldiESISettingsDialog::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_LASER_FIRING_RATE, m_nLaserFiringRate);
    DDX_Text(dx, IDC_LASER_PATTERN_TYPE, m_strPatternType);
    DDX_Text(dx, IDC_PLATE_SPEED, m_nPlateSpeed);
}

BOOL CMaldiESISettingsDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    MaldiScanLists::FillFiringRates(*GetDlgItem(IDC_LASER_FIRING_RATE), m_nLaserType);
    MaldiScanLists::FillPlateSpeeds(*GetDlgItem(IDC_PLATE_SPEED));
    MaldiScanLists::SelectNumber(*GetDlgItem(IDC_LASER_FIRING_RATE), m_nLaserFiringRate);
    MaldiScanLists::SelectNumber(*GetDlgItem(IDC_PLATE_SPEED), m_nPlateSpeed);
    WriteControls();
    return TRUE;
}

void CMaldiESISettingsDialog::OnOK()
{
    ReadControls(); // the framework's OK reads and validates again, and stays open on a failure
    // This instrument's pattern is fixed: whatever name the host set, the default one is in effect.
    m_strPatternFilename = MaldiPatternFile::DefaultName();
    SendLaserFrequency();
    CDialog::OnOK();
}

void CMaldiESISettingsDialog::OnSelChangeLaserFiringRate() { ReadControls(); }
void CMaldiESISettingsDialog::OnSelChangePlateSpeed() { ReadControls(); }
