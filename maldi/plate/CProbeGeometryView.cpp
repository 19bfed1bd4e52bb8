#include "maldi/plate/CProbeGeometryView.h"

#include "maldi/plate/CMaldiProbeSheet.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/auditfile/CFileDialogS.h"
#include "platform/framework/CComboBox.h"
#include "platform/framework/CDataExchange.h"
#include "platform/framework/DDX.h"
#include "platform/instrument/PropertyRuntime.h"
#include "platform/tuning/HostMessageBox.h"

using namespace maldi::res;

namespace {

constexpr LPCTSTR kFilter = "Maldi Target Plate files (*.mtp)|*.mtp|All Files (*.*)|*.*||";
constexpr DWORD kFileDialogFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT; // 6
constexpr LPCTSTR kExtension = ".mtp";
constexpr LPCTSTR kCaption = "Target Plate";
constexpr LPCTSTR kCreateFailed = "Failed to create file %s";
constexpr LPCTSTR kWellReferences[] = {"Numerical", "Alpha Numeric"};

// "plate1" becomes "plate1.mtp"; a name holding ".mtp" anywhere ("a.mtp.bak") is kept.
CString WithExtension(CString path)
{
    if (path.Find(kExtension) < 0) path += kExtension;
    return path;
}

// Exchanges a wells-per-row field: on the MALDI/ESI model it is 1 and its box only shows it.
void ExchangeWellsPerRow(CDataExchange* dx, int id, int& value)
{
    if (vexZephyrMaldiESIInstrument()) {
        value = 1;
        if (dx->m_bSaveAndValidate) return;
    }
    DDX_Text(dx, id, value);
    DDV_MinMaxInt(dx, value, 1, CMaldiPlate::kMaxWells);
}

void ExchangeWellSize(CDataExchange* dx, int id, float& value)
{
    DDX_Text(dx, id, value);
    DDV_MinMaxFloat(dx, value, CMaldiPlate::kMinWellSize, CMaldiPlate::kMaxWellSize);
}

void ExchangeWellCount(CDataExchange* dx, int id, int& value)
{
    DDX_Text(dx, id, value);
    DDV_MinMaxInt(dx, value, 1, CMaldiPlate::kMaxWells);
}

// Clears a flag however the exchange ends (a failed value leaves it by an exception).
struct ShowingGuard {
    bool& flag;
    explicit ShowingGuard(bool& f) : flag(f) { flag = true; }
    ~ShowingGuard() { flag = false; }
};

} // namespace

IMPLEMENT_DYNCREATE(CProbeGeometryView, CPropertyPage)

BEGIN_MESSAGE_MAP(CProbeGeometryView, CPropertyPage)
    ON_EN_CHANGE(IDC_WELLS_PER_COLUMN, &CProbeGeometryView::OnChange)
    ON_EN_CHANGE(IDC_WELLS_PER_ROW, &CProbeGeometryView::OnChange)
    ON_EN_CHANGE(IDC_WELL_DIAMETER, &CProbeGeometryView::OnChange)
    ON_EN_CHANGE(IDC_WELL_PITCH, &CProbeGeometryView::OnChange)
    ON_EN_CHANGE(IDC_LM_WELLS_PER_COLUMN, &CProbeGeometryView::OnChange)
    ON_EN_CHANGE(IDC_LM_WELLS_PER_ROW, &CProbeGeometryView::OnChange)
    ON_EN_CHANGE(IDC_LM_WELL_DIAMETER, &CProbeGeometryView::OnChange)
    ON_EN_CHANGE(IDC_LM_WELL_PITCH, &CProbeGeometryView::OnChange)
    ON_CBN_SELCHANGE(IDC_WELL_REFERENCE, &CProbeGeometryView::OnChange)
    ON_BN_CLICKED(IDC_LOCK_MASS_CORRECTION, &CProbeGeometryView::OnLockMassCorrection)
    ON_BN_CLICKED(IDC_PLATE_BROWSE, &CProbeGeometryView::OnBrowse)
    ON_BN_CLICKED(IDC_PLATE_SAVE, &CProbeGeometryView::OnSave)
    ON_BN_CLICKED(IDC_PLATE_NEW, &CProbeGeometryView::OnNew)
END_MESSAGE_MAP()

CProbeGeometryView::CProbeGeometryView() : CPropertyPage(IDD_PROBE_GEOMETRY) {}

CProbeGeometryView::CProbeGeometryView(CMaldiPlate* plate, CMaldiProbeSheet* sheet)
    : CPropertyPage(IDD_PROBE_GEOMETRY), m_pPlate(plate), m_pSheet(sheet)
{
}

BOOL CProbeGeometryView::OnInitDialog()
{
    if (auto* list = static_cast<CComboBox*>(GetDlgItem(IDC_WELL_REFERENCE))) {
        for (LPCTSTR name : kWellReferences) list->AddString(name);
    }
    return CPropertyPage::OnInitDialog();
}

void CProbeGeometryView::DoDataExchange(CDataExchange* dx)
{
    CPropertyPage::DoDataExchange(dx);
    if (!m_pPlate) return;
    ShowingGuard showing(m_bShowing);
    m_bShowing = !dx->m_bSaveAndValidate;
    CMaldiPlate& plate = *m_pPlate;

    DDX_Control(dx, IDC_WELLS_PER_ROW, m_WellsPerRowEdit);
    DDX_Control(dx, IDC_LM_WELLS_PER_ROW, m_LockMassWellsPerRowEdit);
    const BOOL maldiEsi = vexZephyrMaldiESIInstrument();
    if (maldiEsi) {
        m_WellsPerRowEdit.EnableWindow(FALSE);
        m_LockMassWellsPerRowEdit.EnableWindow(FALSE);
    }

    DDX_Text(dx, IDC_PLATE_FILE_NAME, plate.m_strFileName);
    ExchangeWellCount(dx, IDC_WELLS_PER_COLUMN, plate.m_nWellsPerColumn);
    ExchangeWellsPerRow(dx, IDC_WELLS_PER_ROW, plate.m_nWellsPerRow);
    ExchangeWellSize(dx, IDC_WELL_DIAMETER, plate.m_fWellDiameter);
    ExchangeWellSize(dx, IDC_WELL_PITCH, plate.m_fWellPitch);
    DDX_CBIndex(dx, IDC_WELL_REFERENCE, plate.m_nWellReference);
    DDX_Check(dx, IDC_LOCK_MASS_CORRECTION, plate.m_bLockMassCorrection);
    ExchangeWellCount(dx, IDC_LM_WELLS_PER_COLUMN, plate.m_nLockMassWellsPerColumn);
    ExchangeWellsPerRow(dx, IDC_LM_WELLS_PER_ROW, plate.m_nLockMassWellsPerRow);
    ExchangeWellSize(dx, IDC_LM_WELL_DIAMETER, plate.m_fLockMassWellDiameter);
    ExchangeWellSize(dx, IDC_LM_WELL_PITCH, plate.m_fLockMassWellPitch);

    if (!dx->m_bSaveAndValidate) {
        EnableLockMassFields();
        if (m_pSheet) m_pSheet->Plate() = plate.m_strFileName;
    }
}

void CProbeGeometryView::EnableLockMassFields()
{
    const BOOL on = IsDlgButtonChecked(IDC_LOCK_MASS_CORRECTION) == BST_CHECKED;
    GetDlgItem(IDC_LM_WELLS_PER_COLUMN)->EnableWindow(on);
    GetDlgItem(IDC_LM_WELL_DIAMETER)->EnableWindow(on);
    GetDlgItem(IDC_LM_WELL_PITCH)->EnableWindow(on);
    m_LockMassWellsPerRowEdit.EnableWindow(on && !vexZephyrMaldiESIInstrument());
}

void CProbeGeometryView::MarkModified(int modified)
{
    if (m_pSheet) m_pSheet->PlateModified(modified);
}

void CProbeGeometryView::OnChange()
{
    if (!m_bShowing) MarkModified(1);
}

void CProbeGeometryView::OnLockMassCorrection()
{
    EnableLockMassFields();
    MarkModified(1);
}

void CProbeGeometryView::OnNew()
{
    if (!m_pPlate) return;
    m_pPlate->New();
    MarkModified(1);
    UpdateData(FALSE);
}

void CProbeGeometryView::OnCancel()
{
    MarkModified(0);
    CPropertyPage::OnCancel();
}

void CProbeGeometryView::OnBrowse()
{
    if (!m_pPlate || !UpdateData(TRUE)) return;
    CFileDialogS dialog(TRUE, nullptr, m_pPlate->m_strFileName, kFileDialogFlags, kFilter, this);
    if (dialog.DoModal() != IDOK) return;
    const CString path = WithExtension(dialog.GetPathName());
    // A file that does not open or is not a plate is ignored: the plate keeps its values.
    if (!CMaldiProbeSheet::ReadPlateFile(path, *m_pPlate)) return;
    // The plate's file-name field is the one the file holds, not the path it was opened from.
    UpdateData(FALSE);
    MarkModified(0);
}

void CProbeGeometryView::OnSave()
{
    SavePlate();
}

int CProbeGeometryView::SavePlate()
{
    if (!m_pPlate) return IDCANCEL;
    // A page never shown has no controls: its values are the plate's already.
    if (m_hWnd && !UpdateData(TRUE)) return IDCANCEL;
    CFileDialogS dialog(FALSE, nullptr, m_pPlate->m_strFileName, kFileDialogFlags, kFilter, this);
    const INT_PTR chosen = dialog.DoModal();
    if (chosen != IDOK) {
        if (m_hWnd) UpdateData(FALSE);
        return static_cast<int>(chosen);
    }
    m_pPlate->m_strFileName = WithExtension(dialog.GetPathName());
    int result = IDOK;
    if (CMaldiProbeSheet::WritePlateFile(m_pPlate->m_strFileName, *m_pPlate)) {
        MarkModified(0);
    } else {
        CString text;
        text.Format(kCreateFailed, static_cast<LPCTSTR>(m_pPlate->m_strFileName));
        HostMessageBox(text, kCaption, MB_OK | MB_SETFOREGROUND);
        result = IDCANCEL;
    }
    if (m_hWnd) {
        UpdateData(FALSE);
    } else if (m_pSheet) {
        m_pSheet->Plate() = m_pPlate->m_strFileName;
    }
    return result;
}
