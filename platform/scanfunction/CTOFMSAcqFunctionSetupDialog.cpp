#include "platform/scanfunction/CTOFMSAcqFunctionSetupDialog.h"

#include "platform/framework/DDX.h"

IMPLEMENT_DYNAMIC(CTOFMSAcqFunctionSetupDialog, CDialog)

BEGIN_MESSAGE_MAP(CTOFMSAcqFunctionSetupDialog, CDialog)
    ON_BN_CLICKED(IDC_TOF_USE_TUNE_PAGE_CE, &CTOFMSAcqFunctionSetupDialog::OnUseTunePageCE)
    ON_BN_CLICKED(IDC_TOF_CE_RAMP, &CTOFMSAcqFunctionSetupDialog::OnCERamp)
END_MESSAGE_MAP()

CTOFMSAcqFunctionSetupDialog::CTOFMSAcqFunctionSetupDialog(UINT templateId, CWnd* parent)
    : CDialog(templateId, parent)
{
}

CTOFMSAcqFunctionSetupDialog::CTOFMSAcqFunctionSetupDialog(LPCTSTR templateName, CWnd* parent)
    : CDialog(templateName, parent)
{
}

bool CTOFMSAcqFunctionSetupDialog::HasControl(int id) const
{
    return ::GetDlgItem(m_hWnd, id) != nullptr;
}

void CTOFMSAcqFunctionSetupDialog::EnableIfPresent(int id, BOOL enable)
{
    if (HWND control = ::GetDlgItem(m_hWnd, id)) ::EnableWindow(control, enable);
}

BOOL CTOFMSAcqFunctionSetupDialog::OnInitDialog()
{
    if (HasControl(IDC_TOF_CENTROID_THRESHOLD) && !m_editCentroidThreshold.GetSafeHwnd())
        m_editCentroidThreshold.SubclassDlgItem(IDC_TOF_CENTROID_THRESHOLD, this);
    if (HasControl(IDC_TOF_CENTROID_MIN_WIDTH) && !m_editCentroidMinPeakWidth.GetSafeHwnd())
        m_editCentroidMinPeakWidth.SubclassDlgItem(IDC_TOF_CENTROID_MIN_WIDTH, this);
    CDialog::OnInitDialog();
    return TRUE;
}

void CTOFMSAcqFunctionSetupDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    if (HasControl(IDC_TOF_USE_TUNE_PAGE_CE)) DDX_Check(dx, IDC_TOF_USE_TUNE_PAGE_CE, m_nUseTunePageCE);
    if (HasControl(IDC_TOF_CE_RAMP)) DDX_Check(dx, IDC_TOF_CE_RAMP, m_nCERampEnabled);
    if (HasControl(IDC_TOF_CE_RAMP_START)) DDX_Text(dx, IDC_TOF_CE_RAMP_START, m_dCERampStart);
    if (HasControl(IDC_TOF_CE_RAMP_END)) DDX_Text(dx, IDC_TOF_CE_RAMP_END, m_dCERampEnd);
    if (HasControl(IDC_TOF_CENTROID_THRESHOLD)) DDX_Text(dx, IDC_TOF_CENTROID_THRESHOLD, m_dCentroidThreshold);
    if (HasControl(IDC_TOF_CENTROID_MIN_WIDTH)) {
        DDX_Text(dx, IDC_TOF_CENTROID_MIN_WIDTH, m_nCentroidMinPeakWidth);
        DDV_MinMaxInt(dx, m_nCentroidMinPeakWidth, 1, 1000);
    }
    ApplyCollisionCellRule();
    EnableCentroidEdits(HasCentroidingOption());
}

void CTOFMSAcqFunctionSetupDialog::EnableCentroidEdits(BOOL enable)
{
    if (m_editCentroidThreshold.GetSafeHwnd()) m_editCentroidThreshold.EnableWindow(enable);
    if (m_editCentroidMinPeakWidth.GetSafeHwnd()) m_editCentroidMinPeakWidth.EnableWindow(enable);
}

void CTOFMSAcqFunctionSetupDialog::ApplyCollisionCellRule()
{
    BOOL ramping = !m_nUseTunePageCE;
    EnableIfPresent(IDC_TOF_CE_RAMP, ramping);
    EnableIfPresent(IDC_TOF_CE_RAMP_START, ramping);
    EnableIfPresent(IDC_TOF_CE_RAMP_END, ramping && m_nCERampEnabled);
}

// Both check boxes: read the controls; the rule follows the boxes even when a number is bad.
void CTOFMSAcqFunctionSetupDialog::OnUseTunePageCE()
{
    UpdateData(TRUE);
    m_nUseTunePageCE = IsDlgButtonChecked(IDC_TOF_USE_TUNE_PAGE_CE);
    ApplyCollisionCellRule();
}

void CTOFMSAcqFunctionSetupDialog::OnCERamp()
{
    UpdateData(TRUE);
    m_nCERampEnabled = IsDlgButtonChecked(IDC_TOF_CE_RAMP);
    ApplyCollisionCellRule();
}
