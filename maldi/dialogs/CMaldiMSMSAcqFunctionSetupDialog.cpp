#include "maldi/dialogs/CMaldiMSMSAcqFunctionSetupDialog.h"

#include "maldi/dialogs/MaldiPatternFile.h"
#include "maldi/dialogs/MaldiScanForm.h"
#include "maldi/dialogs/MaldiScanLists.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "maldi/resources/MaldiResources.h"
#include "platform/framework/CommCtrl.h"
#include "platform/framework/DDX.h"

using namespace maldi::res;

namespace {

constexpr MaldiScanFormIds kControls{IDC_MSMS_ION_MODE, IDC_MSMS_DATA_FORMAT, IDC_MSMS_SCANS_TO_SUM,
                                     IDC_MSMS_SAMPLE_TIME, IDC_MSMS_PATTERN_FILE, IDC_MSMS_PATTERN_BROWSE};

} // namespace

IMPLEMENT_DYNAMIC(CMaldiMSMSAcqFunctionSetupDialog, CTOFMSMSAcqFunctionSetupDialog)

// What each control does. Chained to CDialog's map: the base's handlers are for its own controls.
BEGIN_MESSAGE_MAP(CMaldiMSMSAcqFunctionSetupDialog, CDialog)
    ON_BN_CLICKED(IDC_USE_LOCK_MASS, &CMaldiMSMSAcqFunctionSetupDialog::OnUseLockMass)
    ON_EN_CHANGE(IDC_MSMS_SAMPLE_TIME, &CMaldiMSMSAcqFunctionSetupDialog::OnChangeSampleAcquireTime)
    ON_EN_CHANGE(IDC_LOCK_MASS_TIME, &CMaldiMSMSAcqFunctionSetupDialog::OnChangeLMAcquireTime)
    ON_CBN_SELCHANGE(IDC_MSMS_DATA_FORMAT, &CMaldiMSMSAcqFunctionSetupDialog::OnSelChangeDataFormat)
    ON_CBN_EDITCHANGE(IDC_MSMS_DATA_FORMAT, &CMaldiMSMSAcqFunctionSetupDialog::OnEditChangeDataFormat)
    ON_BN_CLICKED(IDC_MSMS_USE_TUNE_PAGE_CE, &CMaldiMSMSAcqFunctionSetupDialog::OnPbUseTunePageCE)
    ON_BN_CLICKED(IDC_MSMS_PATTERN_BROWSE, &CMaldiMSMSAcqFunctionSetupDialog::OnBrowseBtn)
    ON_CBN_SELCHANGE(IDC_MSMS_ION_MODE, &CMaldiMSMSAcqFunctionSetupDialog::OnSelChangeIonMode)
    ON_CBN_SELCHANGE(IDC_LASER_FIRING_RATE, &CMaldiMSMSAcqFunctionSetupDialog::OnSelChangeLaserFiringRate)
    ON_CBN_SELCHANGE(IDC_PLATE_SPEED, &CMaldiMSMSAcqFunctionSetupDialog::OnSelChangePlateSpeed)
END_MESSAGE_MAP()

CMaldiMSMSAcqFunctionSetupDialog::CMaldiMSMSAcqFunctionSetupDialog(CWnd* parent)
    : CTOFMSMSAcqFunctionSetupDialog(IDD_MALDI_MSMS_SCAN, parent),
      m_dEndMass(250.0),
      m_dTotalTime(70.0),
      m_dInterScanDelay(0.1),
      m_dScanTime(1.0),
      m_dStartMass(50.0),
      m_dSetMass(50.0),
      m_dCollisionEnergy(50.0),
      m_nScansToSum(5),
      m_strIonMode(MaldiScanLists::DefaultIonMode()),
      m_strDataFormat(MaldiScanLists::DefaultDataFormat()),
      m_strLaserPatternFilename(MaldiPatternFile::DefaultName()),
      m_bUseTunePageCE(FALSE),
      m_nStartTime(10),
      m_nEndTime(10),
      m_nLockMassTime(10),
      m_nSampleTime(60),
      m_bUseLockMass(FALSE),
      m_strCaption("Maldi MSMS"),
      m_nLaserFiringRate(1),
      m_nPlateSpeed(1),
      m_nLaserType(1)
{
    MaldiResources::Module(); // the template comes from the library's module
    // The base's collision cell and precursor settings as MALDI MS/MS runs them: the energy held
    // (a ramp, if chosen, from 20 V to 35 V) and the precursor selected at unit resolution.
    m_nCERampEnabled = 0;
    m_dCERampStart = 20.0;
    m_dCERampEnd = 35.0;
    m_nPrecursorUnitResolution = 1;
}

void CMaldiMSMSAcqFunctionSetupDialog::SetLaserPatternFilename(CString name)
{
    if (MaldiPatternFile::IsUserSelectable()) m_strLaserPatternFilename = name;
}

void CMaldiMSMSAcqFunctionSetupDialog::DoDataExchange(CDataExchange* dx)
{
    // Replaces the base's exchange: this template has none of the base's controls.
    DDX_Text(dx, IDC_MSMS_START_MASS, m_dStartMass);
    DDX_Text(dx, IDC_MSMS_END_MASS, m_dEndMass);
    DDX_Text(dx, IDC_MSMS_SET_MASS, m_dSetMass);
    DDX_Text(dx, IDC_MSMS_SCAN_TIME, m_dScanTime);
    DDX_Text(dx, IDC_MSMS_INTER_SCAN_DELAY, m_dInterScanDelay);
    DDX_Check(dx, IDC_MSMS_USE_TUNE_PAGE_CE, m_bUseTunePageCE);
    DDX_Text(dx, IDC_MSMS_COLLISION_ENERGY, m_dCollisionEnergy);
    DDX_Text(dx, IDC_MSMS_SCANS_TO_SUM, m_nScansToSum);
    DDX_CBString(dx, IDC_MSMS_ION_MODE, m_strIonMode);
    DDV_MaxChars(dx, m_strIonMode, 10);
    DDX_CBString(dx, IDC_MSMS_DATA_FORMAT, m_strDataFormat);
    DDV_MaxChars(dx, m_strDataFormat, 10);
    DDX_Text(dx, IDC_MSMS_PATTERN_FILE, m_strLaserPatternFilename);
    DDX_Text(dx, IDC_LASER_FIRING_RATE, m_nLaserFiringRate);
    DDX_Text(dx, IDC_PLATE_SPEED, m_nPlateSpeed);
    DDX_Text(dx, IDC_LOCK_MASS_TIME, m_nLockMassTime);
    DDX_Text(dx, IDC_MSMS_SAMPLE_TIME, m_nSampleTime);
    DDX_Text(dx, IDC_MSMS_TOTAL_TIME, m_dTotalTime);
    DDX_Check(dx, IDC_USE_LOCK_MASS, m_bUseLockMass);

    MaldiScanForm::ShowStates(*this, kControls, m_bUseLockMass, m_strDataFormat, m_strCaption);
    GetDlgItem(IDC_MSMS_COLLISION_ENERGY)->EnableWindow(!m_bUseTunePageCE);
}

BOOL CMaldiMSMSAcqFunctionSetupDialog::OnInitDialog()
{
    CDialog::OnInitDialog(); // not the base's: it would look for its own controls

    MaldiScanForm::FillLists(*this, kControls, m_nLaserType, m_nLaserFiringRate, m_nPlateSpeed);
    m_time.OpenKeepingStartTime();
    WriteControls();
    return TRUE;
}

void CMaldiMSMSAcqFunctionSetupDialog::OnOK()
{
    ReadControls(); // the framework's OK reads and validates again, and stays open on a failure
    CDialog::OnOK();
}

// --- acquisition time ---------------------------------------------------------------------------------

void CMaldiMSMSAcqFunctionSetupDialog::OnUseLockMass()
{
    MaldiScanForm::LockMassToggled(*this, m_time);
}

void CMaldiMSMSAcqFunctionSetupDialog::OnChangeSampleAcquireTime()
{
    MaldiScanForm::TimeChanged(*this, IDC_MSMS_SAMPLE_TIME, m_time, &MaldiAcquisitionTime::SampleTimeChanged);
}

void CMaldiMSMSAcqFunctionSetupDialog::OnChangeLMAcquireTime()
{
    MaldiScanForm::TimeChanged(*this, IDC_LOCK_MASS_TIME, m_time, &MaldiAcquisitionTime::LockMassTimeChanged);
}

// --- data format ----------------------------------------------------------------------------------------

void CMaldiMSMSAcqFunctionSetupDialog::OnSelChangeDataFormat()
{
    MaldiScanForm::PostFormatChange(*this, kControls);
}

void CMaldiMSMSAcqFunctionSetupDialog::OnEditChangeDataFormat()
{
    MaldiScanForm::ShowFormat(*this, kControls);
    ReadControls();
}

// --- collision energy -----------------------------------------------------------------------------------

void CMaldiMSMSAcqFunctionSetupDialog::OnPbUseTunePageCE()
{
    // The edit follows the box even when another field does not read; the operator's text then
    // stays where it is rather than being overwritten by the members.
    const bool read = ReadControls();
    m_bUseTunePageCE = IsDlgButtonChecked(IDC_MSMS_USE_TUNE_PAGE_CE) == BST_CHECKED;
    GetDlgItem(IDC_MSMS_COLLISION_ENERGY)->EnableWindow(!m_bUseTunePageCE);
    if (read) WriteControls();
}

// --- pattern file ---------------------------------------------------------------------------------------

void CMaldiMSMSAcqFunctionSetupDialog::OnBrowseBtn()
{
    if (MaldiPatternFile::Browse(this, m_strLaserPatternFilename)) WriteControls();
}

// --- the lists: read every field ------------------------------------------------------------------------

void CMaldiMSMSAcqFunctionSetupDialog::OnSelChangeIonMode() { ReadControls(); }
void CMaldiMSMSAcqFunctionSetupDialog::OnSelChangeLaserFiringRate() { ReadControls(); }
void CMaldiMSMSAcqFunctionSetupDialog::OnSelChangePlateSpeed() { ReadControls(); }
