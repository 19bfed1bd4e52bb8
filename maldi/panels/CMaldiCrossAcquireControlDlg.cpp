#include "maldi/panels/CMaldiCrossAcquireControlDlg.h"

#include "maldi/boundary/CMaldiAppInterface.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/platemodel/CMaldiPlate.h"
#include "platform/platemodel/TargetPlate.h"

using namespace maldi::res;

namespace {

constexpr ToolWindowInfo kCrosshairWindow{
    .templateId = IDD_CROSS_ACQUIRE_CONTROL,
    .caption = "Maldi Acquisition",
    .contractAmount = 73,
    // The arrow keys would move the tracker's cross.
    .swallowedKeys = ToolWindowKeys::Arrows | ToolWindowKeys::Tab | ToolWindowKeys::Escape,
    .exchangeBeforeFiltering = false,
    .greyClose = true,
    .setIcon = true,
    .topmost = true,
    .expandButton = ExpandButtonKind::IconButton,
    .initialExpandState = 1,
};

// The tracker's full width is one well diameter: a unit is half a percent of it. The constant is
// single precision and the product double, as the plate positions have always been computed.
constexpr float kWellShare = 0.005f;

} // namespace

const int CMaldiCrossAcquireControlDlg::m_nXYMin = -100;
const int CMaldiCrossAcquireControlDlg::m_nXYMax = 100;
const int CMaldiCrossAcquireControlDlg::m_nCircleMin = -100;
const int CMaldiCrossAcquireControlDlg::m_nCircleMax = 100;
const double CMaldiCrossAcquireControlDlg::m_fRatio = 0.8;

BEGIN_MESSAGE_MAP(CMaldiCrossAcquireControlDlg, CMaldiAcquireControlDlg)
    ON_CONTROL(TRN_CHANGE, IDC_TRACKER, &CMaldiCrossAcquireControlDlg::OnTracker)
    ON_NOTIFY(TRN_RELEASE, IDC_TRACKER, &CMaldiCrossAcquireControlDlg::OnTrackerRelease)
    ON_BN_CLICKED(IDI_FIRE_LASER, &CMaldiCrossAcquireControlDlg::OnPlateLaser)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CMaldiCrossAcquireControlDlg::CMaldiCrossAcquireControlDlg(CMaldiAppInterface* appInterface, CInstMonClient* monClient)
    : CMaldiAcquireControlDlg(kCrosshairWindow, appInterface, monClient)
{
}

CMaldiCrossAcquireControlDlg::~CMaldiCrossAcquireControlDlg() = default;

// --- operations of the host -----------------------------------------------------------------------------

void CMaldiCrossAcquireControlDlg::CreateUI(HICON icon, const PolarityDependentInstParam& polarityParam,
                                            const CString& name, const CString& units, const CString& format)
{
    CToolWindow<CTunePage>::CreateUI(icon);
    BindCollisionEnergyBox(IDC_CROSS_COLLISION_ENERGY, polarityParam, name, units, format);
}

BOOL CMaldiCrossAcquireControlDlg::Create()
{
    return CToolWindow<CTunePage>::Create();
}

void CMaldiCrossAcquireControlDlg::DisplayWindow()
{
    CToolWindow<CTunePage>::DisplayWindow();
    ShowCollisionEnergy(IDC_CROSS_COLLISION_ENERGY);
}

void CMaldiCrossAcquireControlDlg::StopAcquisition()
{
    KillTimer(kRefreshTimer);
    EndDialog(IDOK);
}

void CMaldiCrossAcquireControlDlg::SetButtonStates()
{
    if (m_bPaused) return;
    m_btnLaser.EnableWindow(TRUE);
    SetLockButtonState(kLockEnable, 1);
}

void CMaldiCrossAcquireControlDlg::PauseButtonsDisable()
{
    m_btnLaser.EnableWindow(FALSE);
    SetLockButtonState(kLockEnable, 0);
}

void CMaldiCrossAcquireControlDlg::UpdateProgressIndicator(int /*spotCount*/, int /*currentSpot*/, int referenceFlag,
                                                           int /*well*/)
{
    m_nReferenceFlag = referenceFlag;
}

void CMaldiCrossAcquireControlDlg::InitialiseDialog(double collisionEnergy)
{
    ClearTrackerSpots();
    SetCentre();
    RequestInitialStates();
    m_bPaused = false;
    SetButtonStates();
    m_btnLaser.SetCheck(BST_UNCHECKED);
    m_btnPause.SetCheck(BST_UNCHECKED);
    if (m_hWnd) SetTimer(kRefreshTimer, kRefreshInterval);
    m_dCollisionEnergy = collisionEnergy;
}

void CMaldiCrossAcquireControlDlg::ClearTrackerSpots()
{
    if (m_ctlTracker.m_hWnd) m_ctlTracker.ClearSpots();
}

void CMaldiCrossAcquireControlDlg::SetCentre()
{
    if (m_ctlTracker.m_hWnd) m_ctlTracker.SetValue(0, 0);
}

// --- initialisation ---------------------------------------------------------------------------------------

// Nothing is bound: the tracker is attached by DrawTracker, the collision energy box on first use.
void CMaldiCrossAcquireControlDlg::DoDataExchange(CDataExchange* dx)
{
    CToolWindow<CTunePage>::DoDataExchange(dx);
}

BOOL CMaldiCrossAcquireControlDlg::OnInitDialog()
{
    return InitialiseFrame({
        .buttons =
            [this] {
                m_frame.SetupIconButtons({{m_btnLaser, IDI_FIRE_LASER, IDS_FIRE_LASER},
                                          {m_btnStopAcquire, IDI_STOP_ACQUISITION, IDS_STOP_ACQUISITION},
                                          {m_btnPause, IDI_PAUSE, IDS_PAUSE_ACQUISITION},
                                          {m_btnLockMass, IDI_LOCK_MASS, IDS_LOCK_MASS}});
            },
        .controls = [this] { DrawTracker(); },
        .opened =
            [this] {
                SetDefID(static_cast<UINT>(-1)); // Enter presses no button
                SetTimer(kRefreshTimer, kRefreshInterval);
                RequestInitialStates();
            },
    });
}

void CMaldiCrossAcquireControlDlg::DrawTracker()
{
    if (!m_ctlTracker.m_hWnd && !m_ctlTracker.SubclassDlgItem(IDC_TRACKER, this)) return;
    m_ctlTracker.SetXLimits(m_nXYMin, m_nXYMax);
    m_ctlTracker.SetYLimits(m_nXYMin, m_nXYMax);
    m_ctlTracker.SetCircleLimits(m_nCircleMin, m_nCircleMax, m_nCircleMin, m_nCircleMax);
    m_ctlTracker.SetCircleRatio(m_fRatio);
}

// --- the tracker and the laser ---------------------------------------------------------------------------

bool CMaldiCrossAcquireControlDlg::ScaleTrackerToWellXY(int x, int y, double& plateX, double& plateY)
{
    const CMaldiPlate* plate = TargetPlate();
    if (!plate) return false;
    const double diameter = plate->m_fWellDiameter;
    plateX = diameter * kWellShare * x;
    plateY = diameter * kWellShare * y;
    return true;
}

void CMaldiCrossAcquireControlDlg::OnTracker()
{
    if (!m_ctlTracker.m_hWnd) return;
    int x = 0, y = 0;
    m_ctlTracker.GetValue(x, y);
    double plateX = 0.0, plateY = 0.0;
    bool onPlate = ScaleTrackerToWellXY(x, y, plateX, plateY);
    if (m_btnLaser.GetCheck() == BST_CHECKED) m_ctlTracker.AddSpot(x, y, kLaserSpotKind, kLaserSpotColour);
    if (onPlate && m_pAppInterface) m_pAppInterface->MovePlateToPosition(plateX, plateY);
}

void CMaldiCrossAcquireControlDlg::OnTrackerRelease(NMHDR* /*header*/, LRESULT* result)
{
    OnTracker();
    if (result) *result = 0;
}

void CMaldiCrossAcquireControlDlg::OnPlateLaser()
{
    CMaldiAcquireControlDlg::OnPlateLaser();
    // Turned on: the laser fires where the cross is, so that position is sent and marked.
    if (m_btnLaser.GetCheck() == BST_CHECKED) OnTracker();
}

void CMaldiCrossAcquireControlDlg::OnLMCWell()
{
    m_bLockMassToggle = !m_bLockMassToggle;
    if (m_pAppInterface) {
        CString well;
        m_pAppInterface->GoToLockMassWell(m_bLockMassToggle, well, 1);
    }
    m_btnLaser.SetCheck(BST_UNCHECKED);
    ClearTrackerSpots();
    SetCentre();
}

// --- the refresh timer -------------------------------------------------------------------------------------

void CMaldiCrossAcquireControlDlg::OnTimer(UINT_PTR id)
{
    if (m_nReferenceFlag != m_nPrevReferenceFlag) SetLockButtonState(kLockCheck, m_nReferenceFlag != 0 ? 1 : 0);
    m_nPrevReferenceFlag = m_nReferenceFlag;
    CToolWindow<CTunePage>::OnTimer(id);
}
