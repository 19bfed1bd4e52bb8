#include "maldi/plate/CPlateCalibrationSetupDialog.h"

#include "maldi/boundary/CMaldiAppInterface.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/Afx.h"
#include "platform/framework/DDX.h"
#include "platform/platemodel/TargetPlate.h"

using namespace maldi::res;

namespace {

constexpr ToolWindowInfo kCalibrationWindow{
    .templateId = IDD_PLATE_CALIBRATION,
    .caption = "Spatial Calibration",
    .contractAmount = 185,
    .swallowedKeys = ToolWindowKeys::Enter,
    .expandButton = ExpandButtonKind::IconButton,
    .initialExpandState = 0,
};

} // namespace

BEGIN_MESSAGE_MAP(CPlateCalibrationSetupDialog, CToolDialog)
    ON_WM_CLOSE()
    ON_WM_TIMER()
    ON_BN_CLICKED(IDC_CALIBRATION_START, &CPlateCalibrationSetupDialog::OnStart)
    // The expand button (14181) reaches OnExpandDialog through the frame.
END_MESSAGE_MAP()

CPlateCalibrationSetupDialog::CPlateCalibrationSetupDialog(CMaldiAppInterface* appInterface, CWnd* parent)
    : CToolDialog(kCalibrationWindow, IDD_PLATE_CALIBRATION, parent), m_pAppInterface(appInterface)
{
}

CPlateCalibrationSetupDialog::~CPlateCalibrationSetupDialog() = default;

// --- operations of the host -----------------------------------------------------------------------------

BOOL CPlateCalibrationSetupDialog::Create()
{
    return CToolDialog::Create();
}

void CPlateCalibrationSetupDialog::DisplayWindow()
{
    CToolDialog::DisplayWindow();
}

void CPlateCalibrationSetupDialog::Initialise(bool autoStart)
{
    SetGridSizes();
    m_bAutoStart = autoStart;
    if (autoStart) OnStart();
}

void CPlateCalibrationSetupDialog::Calibrating(bool calibrating)
{
    m_bCalibrating = calibrating;
    if (!m_hWnd) return;
    if (CWnd* close = GetDlgItem(IDCANCEL)) close->EnableWindow(calibrating ? FALSE : TRUE);
    SetDlgItemText(static_cast<int>(IDC_CALIBRATION_START), calibrating ? "&Abort" : "&Start");
}

void CPlateCalibrationSetupDialog::SetStatus(int nStatus)
{
    switch (nStatus) {
    case StatusStarted:
        Calibrating(true);
        break;
    case StatusCompleted:
        Calibrating(false);
        if (m_bAutoStart) OnClose();
        break;
    case StatusAborted:
    case 3:
    case 4:
        Calibrating(false);
        break;
    default:
        break;
    }
}

void CPlateCalibrationSetupDialog::SetStatusText(LPCTSTR text)
{
    if (m_hWnd) SetDlgItemText(static_cast<int>(IDC_CALIBRATION_STATUS), text ? text : "");
}

void CPlateCalibrationSetupDialog::UpdateCalibrationDlg(int hole, int aim, int hit, double x, double y)
{
    m_nHole = hole;
    m_nAim = aim;
    m_nHit = hit;
    m_dX = x;
    m_dY = y;
}

void CPlateCalibrationSetupDialog::DestroyDlgWindow()
{
    if (!m_hWnd) return;
    KillTimer(kListTimer);
    DestroyWindow();
}

// --- initialisation ---------------------------------------------------------------------------------------

void CPlateCalibrationSetupDialog::DoDataExchange(CDataExchange* dx)
{
    CToolDialog::DoDataExchange(dx);
    DDX_Control(dx, static_cast<int>(IDC_CALIBRATION_HOLE1_GRID), m_Hole1Grid);
    DDX_Control(dx, static_cast<int>(IDC_CALIBRATION_HOLE2_GRID), m_Hole2Grid);
    DDX_Control(dx, static_cast<int>(IDC_CALIBRATION_HOLE1_LIST), m_Hole1ListBox);
    DDX_Control(dx, static_cast<int>(IDC_CALIBRATION_HOLE2_LIST), m_Hole2ListBox);
    DDX_Check(dx, static_cast<int>(IDC_CALIBRATION_USE_INITIAL), m_nUseInitialConditions);
    DDX_Text(dx, static_cast<int>(IDC_CALIBRATION_SEARCH_STEP), m_fSearchStep);
    DDV_MinMaxFloat(dx, m_fSearchStep, 0.0f, 100.0f);
    DDX_Text(dx, static_cast<int>(IDC_CALIBRATION_ROW_DELAY), m_nDelayPerRow);
    DDV_MinMaxInt(dx, m_nDelayPerRow, 0, 5000);
    DDX_Text(dx, static_cast<int>(IDC_CALIBRATION_SEARCH_WINDOW), m_nSearchWindow);
    DDV_MinMaxInt(dx, m_nSearchWindow, 0, 9999);
    DDX_Text(dx, static_cast<int>(IDC_CALIBRATION_HOLE1_LIST), m_strHole1List);
    DDX_Text(dx, static_cast<int>(IDC_CALIBRATION_HOLE2_LIST), m_strHole2List);
}

BOOL CPlateCalibrationSetupDialog::OnInitDialog()
{
    // The frame's order with the expand button (icon 14181, tooltip 19); the grids once contracted.
    return InitialiseFrame({.opened = [this] {
        SetGridSizes();
        if (m_bAutoStart) OnStart();
    }});
}

void CPlateCalibrationSetupDialog::SetGridSizes()
{
    const auto n = static_cast<short>(m_nSearchWindow);
    m_Hole1Grid.SetGridSize(n);
    m_Hole2Grid.SetGridSize(n);
}

// --- handlers ---------------------------------------------------------------------------------------------

// Start: a new run with the window's search; while calibrating the same button aborts.
void CPlateCalibrationSetupDialog::OnStart()
{
    if (!m_bCalibrating) {
        m_strHole1List.Empty();
        m_strHole2List.Empty();
        if (m_Hole1ListBox.m_hWnd) m_Hole1ListBox.SetWindowText("");
        if (m_Hole2ListBox.m_hWnd) m_Hole2ListBox.SetWindowText("");
        // A value out of range has been reported to the operator; the run still starts with the
        // values as transferred.
        UpdateData(TRUE);
        SetGridSizes();

        // The host reads the search from the current plate during the start call only.
        CMaldiPlate* plate = TargetPlate();
        float savedStep = 0.0f;
        int savedDelay = 0;
        int savedWindow = 0;
        if (plate) {
            savedStep = plate->m_fSearchStep;
            savedDelay = plate->m_nSearchDelay;
            savedWindow = plate->m_nSearchWindow;
            plate->m_fSearchStep = m_fSearchStep;
            plate->m_nSearchDelay = m_nDelayPerRow;
            plate->m_nSearchWindow = m_nSearchWindow;
        }
        if (m_pAppInterface) m_pAppInterface->StartPlateCalibration(m_nUseInitialConditions ? TRUE : FALSE);
        // The host may have changed the current plate during the call: restore the one changed.
        if (plate) {
            plate->m_fSearchStep = savedStep;
            plate->m_nSearchDelay = savedDelay;
            plate->m_nSearchWindow = savedWindow;
        }
    } else {
        if (m_pAppInterface) m_pAppInterface->AbortPlateCalibration();
        SetStatus(StatusAborted);
        SetStatusText("Calibration Aborted");
    }
    if (m_hWnd) SetTimer(kListTimer, kListInterval);
}

void CPlateCalibrationSetupDialog::OnTimer(UINT_PTR id)
{
    const bool same = m_nHole == m_nShownHole && m_nAim == m_nShownAim && m_nHit == m_nShownHit &&
                      m_dX == m_dShownX && m_dY == m_dShownY;
    if (!same && m_bCalibrating) ListReport();
    m_nShownHole = m_nHole;
    m_nShownAim = m_nAim;
    m_nShownHit = m_nHit;
    m_dShownX = m_dX;
    m_dShownY = m_dY;
    CToolDialog::OnTimer(id);
}

void CPlateCalibrationSetupDialog::ListReport()
{
    CCalibrationGrid* grid = nullptr;
    CString* list = nullptr;
    if (m_nHole == 1) {
        grid = &m_Hole1Grid;
        list = &m_strHole1List;
    } else if (m_nHole == 2) {
        grid = &m_Hole2Grid;
        list = &m_strHole2List;
    }
    if (grid) {
        CString line;
        if (m_nHit != 0) {
            grid->SetHit(m_nAim);
            line.Format("Hit at aim %d, %lf, %lf\r\n", m_nAim, m_dX, m_dY);
        } else {
            line.Format("Fail at aim %d, %lf, %lf\r\n", m_nAim, m_dX, m_dY);
        }
        grid->SetCurrentAim(static_cast<long>(m_nAim) + 1);
        *list += line;
    }
    for (auto [box, text] : {std::pair{&m_Hole1ListBox, &m_strHole1List}, std::pair{&m_Hole2ListBox, &m_strHole2List}}) {
        if (!box->m_hWnd) continue;
        box->SetWindowText(*text);
        box->LineScroll(box->GetLineCount());
    }
}

// The close box: refused while calibrating; otherwise the dialog's own closing, as by Close.
void CPlateCalibrationSetupDialog::OnClose()
{
    if (m_bCalibrating) {
        AfxMessageBox("Cannot exit while calibration is in progress", MB_OK);
        return;
    }
    if (m_hWnd) DefWindowProc(WM_CLOSE, 0, 0);
}
