#include "maldi/dialogs/CMaldiMSAcqFunctionSetupDialog.h"

#include "maldi/dialogs/MaldiPatternFile.h"
#include "maldi/dialogs/MaldiScanForm.h"
#include "maldi/dialogs/MaldiScanLists.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "maldi/resources/MaldiResources.h"
#include "platform/framework/CommCtrl.h"
#include "platform/framework/DDX.h"

using namespace maldi::res;

namespace {

constexpr MaldiScanFormIds kControls{IDC_MS_ION_MODE, IDC_MS_DATA_FORMAT, IDC_MS_SCANS_TO_SUM,
                                     IDC_MS_SAMPLE_TIME, IDC_MS_PATTERN_FILE, IDC_MS_PATTERN_BROWSE};

} // namespace

IMPLEMENT_DYNAMIC(CMaldiMSAcqFunctionSetupDialog, CTOFMSAcqFunctionSetupDialog)

// What each control does.
BEGIN_MESSAGE_MAP(CMaldiMSAcqFunctionSetupDialog, CTOFMSAcqFunctionSetupDialog)
    ON_BN_CLICKED(IDC_USE_LOCK_MASS, &CMaldiMSAcqFunctionSetupDialog::OnUseLockMass)
    ON_EN_CHANGE(IDC_MS_SAMPLE_TIME, &CMaldiMSAcqFunctionSetupDialog::OnChangeSampleAcquireTime)
    ON_EN_CHANGE(IDC_LOCK_MASS_TIME, &CMaldiMSAcqFunctionSetupDialog::OnChangeLMAcquireTime)
    ON_CBN_SELCHANGE(IDC_MS_DATA_FORMAT, &CMaldiMSAcqFunctionSetupDialog::OnSelChangeDataFormat)
    ON_CBN_EDITCHANGE(IDC_MS_DATA_FORMAT, &CMaldiMSAcqFunctionSetupDialog::OnEditChangeDataFormat)
    ON_BN_CLICKED(IDC_MS_PATTERN_BROWSE, &CMaldiMSAcqFunctionSetupDialog::OnBrowseBtn)
    ON_CBN_SELCHANGE(IDC_MS_ION_MODE, &CMaldiMSAcqFunctionSetupDialog::OnSelChangeIonMode)
    ON_CBN_SELCHANGE(IDC_LASER_FIRING_RATE, &CMaldiMSAcqFunctionSetupDialog::OnSelChangeLaserFiringRate)
    ON_CBN_SELCHANGE(IDC_PLATE_SPEED, &CMaldiMSAcqFunctionSetupDialog::OnSelChangePlateSpeed)
    ON_EN_CHANGE(IDC_MS_START_MASS, &CMaldiMSAcqFunctionSetupDialog::OnEditChangeStartMass)
    ON_EN_CHANGE(IDC_MS_END_MASS, &CMaldiMSAcqFunctionSetupDialog::OnEditChangeStartEnd)
    ON_EN_CHANGE(IDC_MS_SCAN_TIME, &CMaldiMSAcqFunctionSetupDialog::OnEditChangeScanTime)
    ON_EN_CHANGE(IDC_MS_INTER_SCAN_DELAY, &CMaldiMSAcqFunctionSetupDialog::OnEditChangeInterScanTime)
    ON_EN_CHANGE(IDC_MS_PATTERN_FILE, &CMaldiMSAcqFunctionSetupDialog::OnEditChangePatternFilename)
    ON_EN_CHANGE(IDC_MS_SCANS_TO_SUM, &CMaldiMSAcqFunctionSetupDialog::OnEditChangeScansToSum)
END_MESSAGE_MAP()

CMaldiMSAcqFunctionSetupDialog::CMaldiMSAcqFunctionSetupDialog(CWnd* parent)
    : CTOFMSAcqFunctionSetupDialog(IDD_MALDI_MS_SCAN, parent),
      m_dEndMass(250.0),
      m_dInterScanDelay(0.1),
      m_dTotalTime(70.0),
      m_dScanTime(1.0),
      m_dStartMass(50.0),
      m_nScansToSum(5),
      m_strIonMode(MaldiScanLists::DefaultIonMode()),
      m_strDataFormat(MaldiScanLists::DefaultDataFormat()),
      m_strLaserPatternFilename(MaldiPatternFile::DefaultName()),
      m_nStartTime(10),
      m_nEndTime(10),
      m_nLockMassTime(10),
      m_nSampleTime(60),
      m_bUseLockMass(FALSE),
      m_strCaption("Maldi MS"),
      m_nLaserFiringRate(1),
      m_nPlateSpeed(1),
      m_nLaserType(1)
{
    MaldiResources::Module(); // the template comes from the library's module
    // The collision cell in MALDI MS: the tune page's energy; a ramp, if chosen, from 20 V to 35 V.
    m_nUseTunePageCE = 1;
    m_nCERampEnabled = 0;
    m_dCERampStart = 20.0;
    m_dCERampEnd = 35.0;
}

void CMaldiMSAcqFunctionSetupDialog::SetLaserPatternFilename(CString name)
{
    if (MaldiPatternFile::IsUserSelectable()) m_strLaserPatternFilename = name;
}

void CMaldiMSAcqFunctionSetupDialog::DoDataExchange(CDataExchange* dx)
{
    // Replaces the base's exchange: this template has none of the base's controls.
    DDX_Text(dx, IDC_MS_START_MASS, m_dStartMass);
    DDX_Text(dx, IDC_MS_END_MASS, m_dEndMass);
    DDX_Text(dx, IDC_MS_SCAN_TIME, m_dScanTime);
    DDX_Text(dx, IDC_MS_INTER_SCAN_DELAY, m_dInterScanDelay);
    DDX_Text(dx, IDC_MS_SCANS_TO_SUM, m_nScansToSum);
    DDX_Text(dx, IDC_MS_PATTERN_FILE, m_strLaserPatternFilename);
    DDX_CBString(dx, IDC_MS_ION_MODE, m_strIonMode);
    DDV_MaxChars(dx, m_strIonMode, 10);
    DDX_CBString(dx, IDC_MS_DATA_FORMAT, m_strDataFormat);
    DDV_MaxChars(dx, m_strDataFormat, 10);
    DDX_Text(dx, IDC_LASER_FIRING_RATE, m_nLaserFiringRate);
    DDX_Text(dx, IDC_PLATE_SPEED, m_nPlateSpeed);
    DDX_Text(dx, IDC_LOCK_MASS_TIME, m_nLockMassTime);
    DDX_Text(dx, IDC_MS_SAMPLE_TIME, m_nSampleTime);
    DDX_Text(dx, IDC_MS_TOTAL_TIME, m_dTotalTime);
    DDX_Check(dx, IDC_USE_LOCK_MASS, m_bUseLockMass);

    MaldiScanForm::ShowStates(*this, kControls, m_bUseLockMass, m_strDataFormat, m_strCaption);
}

BOOL CMaldiMSAcqFunctionSetupDialog::OnInitDialog()
{
    CTOFMSAcqFunctionSetupDialog::OnInitDialog();

    MaldiScanForm::FillLists(*this, kControls, m_nLaserType, m_nLaserFiringRate, m_nPlateSpeed);
    m_time.Open();
    WriteControls();
    return TRUE;
}

void CMaldiMSAcqFunctionSetupDialog::OnOK()
{
    ReadControls(); // the framework's OK reads and validates again, and stays open on a failure
    CTOFMSAcqFunctionSetupDialog::OnOK();
}

// --- acquisition time ---------------------------------------------------------------------------------

void CMaldiMSAcqFunctionSetupDialog::OnUseLockMass()
{
    MaldiScanForm::LockMassToggled(*this, m_time);
}

void CMaldiMSAcqFunctionSetupDialog::OnChangeSampleAcquireTime()
{
    MaldiScanForm::TimeChanged(*this, IDC_MS_SAMPLE_TIME, m_time, &MaldiAcquisitionTime::SampleTimeChanged);
}

void CMaldiMSAcqFunctionSetupDialog::OnChangeLMAcquireTime()
{
    MaldiScanForm::TimeChanged(*this, IDC_LOCK_MASS_TIME, m_time, &MaldiAcquisitionTime::LockMassTimeChanged);
}

// --- data format ----------------------------------------------------------------------------------------

void CMaldiMSAcqFunctionSetupDialog::OnSelChangeDataFormat()
{
    MaldiScanForm::PostFormatChange(*this, kControls);
}

void CMaldiMSAcqFunctionSetupDialog::OnEditChangeDataFormat()
{
    const CString format = MaldiScanForm::ShowFormat(*this, kControls);
    if (HasCentroidingOption()) EnableCentroidEdits(format == "Centroid");
    ReadControls();
}

// --- pattern file ---------------------------------------------------------------------------------------

void CMaldiMSAcqFunctionSetupDialog::OnBrowseBtn()
{
    if (MaldiPatternFile::Browse(this, m_strLaserPatternFilename)) WriteControls();
}

// --- every other field: read them all -------------------------------------------------------------------

void CMaldiMSAcqFunctionSetupDialog::OnSelChangeIonMode() { ReadControls(); }
void CMaldiMSAcqFunctionSetupDialog::OnSelChangeLaserFiringRate() { ReadControls(); }
void CMaldiMSAcqFunctionSetupDialog::OnSelChangePlateSpeed() { ReadControls(); }
void CMaldiMSAcqFunctionSetupDialog::OnEditChangeStartMass() { ReadControls(); }
void CMaldiMSAcqFunctionSetupDialog::OnEditChangeStartEnd() { ReadControls(); }
void CMaldiMSAcqFunctionSetupDialog::OnEditChangeScanTime() { ReadControls(); }
void CMaldiMSAcqFunctionSetupDialog::OnEditChangeInterScanTime() { ReadControls(); }
void CMaldiMSAcqFunctionSetupDialog::OnEditChangePatternFilename() { ReadControls(); }
void CMaldiMSAcqFunctionSetupDialog::OnEditChangeScansToSum() { ReadControls(); }
