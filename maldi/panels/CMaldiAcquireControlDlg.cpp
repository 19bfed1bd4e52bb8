#include "maldi/panels/CMaldiAcquireControlDlg.h"

#include <algorithm>
#include <climits>

#include "maldi/boundary/CMaldiAppInterface.h"
#include "maldi/panels/PanelBarColours.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/CommCtrl.h"
#include "platform/framework/DDX.h"
#include "platform/platemodel/CMaldiPlate.h"
#include "platform/platemodel/TargetPlate.h"

using namespace maldi::res;

namespace {

constexpr ToolWindowInfo kAcquisitionWindow{
    .templateId = IDD_ACQUIRE_CONTROL,
    .caption = "Maldi Acquisition",
    .contractAmount = 108,
    .swallowedKeys = ToolWindowKeys::Tab | ToolWindowKeys::Escape,
    .exchangeBeforeFiltering = false,
    .greyClose = true,
    .setIcon = true,
    .topmost = true,
    .expandButton = ExpandButtonKind::IconButton,
    .initialExpandState = 1,
    .baseInitialisation = BaseInitialisation::AfterButtons,
};

// The progress bar's look: sample spots in the panels' blues (PanelBar), the reference spot in
// oranges.
using PanelBar::kTextOnBar;
constexpr COLORREF kSpotTextOnBk = 0x800000;
constexpr COLORREF kReferenceStart = 0x4980;
constexpr COLORREF kReferenceEnd = 0x93FF;

// A derived panel keeps the acquisition panel's frame values with its own template.
ToolWindowInfo WithTemplate(UINT templateId)
{
    ToolWindowInfo info = kAcquisitionWindow;
    info.templateId = templateId;
    return info;
}

} // namespace

const int CMaldiAcquireControlDlg::m_nSpeeds[8] = {1, 2, 3, 4, 5, 6, 7, 8};

BEGIN_MESSAGE_MAP(CMaldiAcquireControlDlg, CToolWindow<CTunePage>)
    ON_BN_CLICKED(IDI_FIRE_LASER, &CMaldiAcquireControlDlg::OnPlateLaser)
    ON_BN_CLICKED(IDI_STOP_ACQUISITION, &CMaldiAcquireControlDlg::OnPlateStopAcquire)
    ON_BN_CLICKED(IDI_PAUSE, &CMaldiAcquireControlDlg::OnPlatePauseAcquire)
    ON_BN_CLICKED(IDI_PREVIOUS, &CMaldiAcquireControlDlg::OnPlateMoveLeft)
    ON_BN_CLICKED(IDI_STOP, &CMaldiAcquireControlDlg::OnPlateStop)
    ON_BN_CLICKED(IDI_NEXT, &CMaldiAcquireControlDlg::OnPlateMoveRight)
    ON_BN_CLICKED(IDI_LOCK_MASS, &CMaldiAcquireControlDlg::OnLMCWell) // virtual: a derived panel's runs
    ON_NOTIFY(NM_RELEASEDCAPTURE, IDC_SPEED_SLIDER, &CMaldiAcquireControlDlg::OnReleasedCaptureSpeedSlider)
    ON_WM_HSCROLL()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CMaldiAcquireControlDlg::CMaldiAcquireControlDlg(CMaldiAppInterface* appInterface, CInstMonClient* monClient)
    : CMaldiAcquireControlDlg(IDD_ACQUIRE_CONTROL, appInterface, monClient)
{
}

CMaldiAcquireControlDlg::CMaldiAcquireControlDlg(UINT templateId, CMaldiAppInterface* appInterface,
                                                 CInstMonClient* monClient)
    : CToolWindow<CTunePage>(WithTemplate(templateId), templateId),
      m_pAppInterface(appInterface),
      m_pMonClient(monClient)
{
}

CMaldiAcquireControlDlg::CMaldiAcquireControlDlg(const ToolWindowInfo& info, CMaldiAppInterface* appInterface,
                                                 CInstMonClient* monClient)
    : CToolWindow<CTunePage>(info, info.templateId),
      m_pAppInterface(appInterface),
      m_pMonClient(monClient)
{
}

CMaldiAcquireControlDlg::~CMaldiAcquireControlDlg() = default;

// --- operations of the host -----------------------------------------------------------------------------

void CMaldiAcquireControlDlg::CreateUI(HICON icon, const PolarityDependentInstParam& polarityParam,
                                       const CString& name, const CString& units, const CString& format)
{
    CToolWindow<CTunePage>::CreateUI(icon);
    BindCollisionEnergyBox(IDC_COLLISION_ENERGY, polarityParam, name, units, format);
}

void CMaldiAcquireControlDlg::BindCollisionEnergyBox(UINT id, const PolarityDependentInstParam& polarityParam,
                                                     const CString& name, const CString& units, const CString& format)
{
    if (m_pMonClient) InitialiseEditControl(m_pMonClient, id, name, units, format, 1, polarityParam, 2, 1);
}

void CMaldiAcquireControlDlg::ShowCollisionEnergy(UINT id)
{
    if (!m_hWnd || !GetDlgItem(static_cast<int>(id))) return;
    if (CEditCtl* box = GetEditControl(id)) box->SetValue(m_dCollisionEnergy);
}

BOOL CMaldiAcquireControlDlg::Create()
{
    return CToolWindow<CTunePage>::Create();
}

void CMaldiAcquireControlDlg::DisplayWindow()
{
    CToolWindow<CTunePage>::DisplayWindow();
    ShowCollisionEnergy(IDC_COLLISION_ENERGY);
}

void CMaldiAcquireControlDlg::StopAcquisition()
{
    KillTimer(kProgressTimer);
    EndDialog(IDOK);
}

void CMaldiAcquireControlDlg::PauseAcquisition()
{
    m_btnPause.SetCheck(BST_CHECKED);
    m_bPaused = true;
    PauseButtonsDisable();
}

void CMaldiAcquireControlDlg::ContinueAcquisition()
{
    m_btnPause.SetCheck(BST_UNCHECKED);
    m_bPaused = false;
    SetButtonStates();
}

void CMaldiAcquireControlDlg::SetButtonStates()
{
    if (m_bPaused) return;
    // In 64 bits: any spot count the host reports, down to the least int, has a last spot.
    if (static_cast<long long>(m_nCurrentSpot) >= static_cast<long long>(m_nSpotCount) - 1) {
        m_btnNext.SetCheck(BST_UNCHECKED);
        m_btnNext.EnableWindow(FALSE);
    } else {
        m_btnNext.EnableWindow(TRUE);
    }
    if (m_nCurrentSpot < 1) {
        m_btnPrevious.SetCheck(BST_UNCHECKED);
        m_btnPrevious.EnableWindow(FALSE);
    } else {
        m_btnPrevious.EnableWindow(TRUE);
    }
    m_btnPlateStop.EnableWindow(TRUE);
    m_btnLaser.EnableWindow(TRUE);
    SetLockButtonState(kLockEnable, 1);
}

void CMaldiAcquireControlDlg::PauseButtonsDisable()
{
    m_btnNext.EnableWindow(FALSE);
    m_btnLaser.EnableWindow(FALSE);
    m_btnPrevious.EnableWindow(FALSE);
    m_btnPlateStop.EnableWindow(FALSE);
    m_btnLockMass.EnableWindow(FALSE);
}

void CMaldiAcquireControlDlg::UpdateProgressIndicator(int spotCount, int currentSpot, int referenceFlag, int well)
{
    m_nSpotCount = spotCount;
    m_nCurrentSpot = currentSpot;
    m_nReferenceFlag = referenceFlag;
    m_nWell = well;
}

void CMaldiAcquireControlDlg::SetPlateSpeed(int speed)
{
    for (int i = 0; i < 8; ++i) {
        if (m_nSpeeds[i] == speed) m_nSpeedIndex = i;
    }
}

void CMaldiAcquireControlDlg::InitialiseDialog(double collisionEnergy)
{
    RequestInitialStates();
    m_nCurrentSpot = 0;
    m_nSpotCount = 0;
    m_nReferenceFlag = 0;
    m_nWell = 0;
    m_nPrevCurrentSpot = m_nPrevSpotCount = m_nPrevReferenceFlag = m_nPrevWell = -1;
    m_bPaused = false;
    m_bLockMassToggle = true;

    SetButtonStates();
    m_btnLaser.SetCheck(BST_UNCHECKED);
    m_btnPause.SetCheck(BST_UNCHECKED);
    m_btnNext.SetCheck(BST_UNCHECKED);
    m_btnPrevious.SetCheck(BST_UNCHECKED);
    SetLockButtonState(kLockEnable, 1);
    SetLockButtonState(kLockCheck, 0);

    if (m_ctlProgress.m_hWnd) {
        m_ctlProgress.SetPos(0);
        m_ctlProgress.SetTextFormat("", PBS_SHOW_TEXTONLY);
        m_ctlProgress.Invalidate();
    }
    if (m_ctlSpeed.m_hWnd) {
        m_ctlSpeed.SetRange(0, 7);
        m_ctlSpeed.SetPos(m_nSpeedIndex);
        ShowSpeed();
    }
    if (m_hWnd) SetTimer(kProgressTimer, kProgressInterval);
    m_dCollisionEnergy = collisionEnergy;
}

// --- initialisation ---------------------------------------------------------------------------------------

void CMaldiAcquireControlDlg::DoDataExchange(CDataExchange* dx)
{
    CToolWindow<CTunePage>::DoDataExchange(dx);
    DDX_Control(dx, IDC_PLATE_SPOT_PROGRESS, m_ctlProgress);
    DDX_Control(dx, IDC_SPEED_SLIDER, m_ctlSpeed);
}

BOOL CMaldiAcquireControlDlg::OnInitDialog()
{
    // The tuning page's initialisation (the progress bar and slider attached, the collision energy
    // box bound) follows the buttons (BaseInitialisation::AfterButtons).
    return InitialiseFrame({
        .buttons =
            [this] {
                m_frame.SetupIconButtons({{m_btnLaser, IDI_FIRE_LASER, IDS_FIRE_LASER},
                                          {m_btnPause, IDI_PAUSE, IDS_PAUSE_ACQUISITION},
                                          {m_btnStopAcquire, IDI_STOP_ACQUISITION, IDS_STOP_ACQUISITION},
                                          {m_btnPrevious, IDI_PREVIOUS, IDS_PREVIOUS_STEP},
                                          {m_btnPlateStop, IDI_STOP, IDS_PROBE_STOP},
                                          {m_btnNext, IDI_NEXT, IDS_NEXT_STEP},
                                          {m_btnLockMass, IDI_LOCK_MASS, IDS_LOCK_MASS}});
            },
        .controls =
            [this] {
                m_font.CreateFont(0, 0, 0, 0, FW_BOLD, FALSE, FALSE, 0, 0, 0, 0, 0, 0, "Arial");
                m_ctlProgress.SetFont(&m_font);
                m_ctlProgress.SetRange32(m_nProgressStart, m_nProgressUpper);
                m_ctlProgress.SetPos(m_nProgressStart);
                m_ctlProgress.SetStep(1);
                PanelBar::ApplyColours(m_ctlProgress);
                m_ctlProgress.SetTooltipText(static_cast<int>(IDS_PLATE_SPOT_POSITION));
                m_ctlProgress.Invalidate();
            },
        .opened =
            [this] {
                m_ctlSpeed.SetRange(0, 7, FALSE);
                m_ctlSpeed.SetPos(m_nSpeedIndex);
                ShowSpeed();
                SetDefID(static_cast<UINT>(-1)); // Enter presses no button
                SetTimer(kProgressTimer, kProgressInterval);
                RequestInitialStates();
            },
    });
}

void CMaldiAcquireControlDlg::RequestInitialStates()
{
    if (m_pAppInterface) {
        m_pAppInterface->SendPlateCommand(CMaldiAppInterface::PlateCommandMove,
                                          CMaldiAppInterface::RequestInitialStates);
    }
}

void CMaldiAcquireControlDlg::ShowSpeed()
{
    int position = m_ctlSpeed.GetPos();
    if (position < 0 || position > 7) return;
    CString text;
    text.Format("%d", m_nSpeeds[position]);
    SetDlgItemText(IDC_SPEED_TEXT, text);
}

// --- the progress timer -------------------------------------------------------------------------------------

void CMaldiAcquireControlDlg::OnTimer(UINT_PTR id)
{
    bool outOfDate = m_nWell != m_nPrevWell || m_nCurrentSpot != m_nPrevCurrentSpot ||
                     m_nSpotCount != m_nPrevSpotCount ||
                     (m_nCurrentSpot != -1 && m_nReferenceFlag != m_nPrevReferenceFlag);
    if (outOfDate) {
        CString label;
        if (m_nReferenceFlag) {
            label = "Ref";
        } else if (const CMaldiPlate* plate = TargetPlate()) {
            plate->ConvertWellReference(m_nWell, label);
        }
        // The spot shown counts from 1; a current spot at the top of the int range still shows its
        // successor, and the bar stops at its upper limit as it would for any spot past the end.
        const long long shownSpot = static_cast<long long>(m_nCurrentSpot) + 1;
        CString text;
        text.Format("%s: %lld of %d", label.GetString(), shownSpot, m_nSpotCount);
        m_ctlProgress.SetTextFormat(text, PBS_SHOW_TEXTONLY);
        m_ctlProgress.SetRange32(0, m_nSpotCount);
        m_ctlProgress.SetPos(static_cast<int>(std::min<long long>(shownSpot, INT_MAX)));
        m_ctlProgress.Invalidate();
        SetButtonStates();
    }
    if (m_nReferenceFlag != m_nPrevReferenceFlag) SetSpotColours(m_nReferenceFlag != 0);

    m_nPrevCurrentSpot = m_nCurrentSpot;
    m_nPrevReferenceFlag = m_nReferenceFlag;
    m_nPrevSpotCount = m_nSpotCount;
    m_nPrevWell = m_nWell;
    CToolWindow<CTunePage>::OnTimer(id);
}

// Colours only; they show at the next paint.
void CMaldiAcquireControlDlg::SetSpotColours(bool reference)
{
    m_ctlProgress.SetTextColor(kTextOnBar);
    if (reference) {
        m_ctlProgress.SetTextColor(kTextOnBar, kReferenceStart);
        m_ctlProgress.SetGradientColors(kReferenceStart, kReferenceEnd);
        SetLockButtonState(kLockCheck, 1);
    } else {
        m_ctlProgress.SetTextColor(kTextOnBar, kSpotTextOnBk);
        m_ctlProgress.SetGradientColors(PanelBar::kGradientStart, PanelBar::kGradientEnd);
        SetLockButtonState(kLockCheck, 0);
    }
}

void CMaldiAcquireControlDlg::SetLockButtonState(int what, int value)
{
    const CMaldiPlate* plate = TargetPlate();
    if (!plate || !m_btnLockMass.m_hWnd) return;
    if (!plate->IsLockMassCorrection()) {
        m_btnLockMass.EnableWindow(FALSE);
        m_btnLockMass.SetCheck(BST_UNCHECKED);
        return;
    }
    if (what == kLockEnable) {
        m_btnLockMass.EnableWindow(value ? TRUE : FALSE);
    } else if (what == kLockCheck) {
        m_btnLockMass.SetCheck(value ? BST_CHECKED : BST_UNCHECKED);
    }
}

// --- buttons ----------------------------------------------------------------------------------------------

void CMaldiAcquireControlDlg::OnPlateLaser()
{
    bool on = m_btnLaser.GetCheck() != BST_CHECKED;
    m_btnLaser.SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
    if (m_pAppInterface) {
        m_pAppInterface->SendPlateCommand(CMaldiAppInterface::PlateCommandLaser,
                                          on ? CMaldiAppInterface::LaserOn : CMaldiAppInterface::LaserOff);
    }
}

void CMaldiAcquireControlDlg::OnPlateStopAcquire()
{
    int answer = ::MessageBox(m_hWnd, "Really stop the acquisition ?", "Information", MB_YESNO | MB_ICONINFORMATION);
    if (answer == IDYES && m_pAppInterface) m_pAppInterface->RequestStopAcquisition();
}

void CMaldiAcquireControlDlg::OnPlatePauseAcquire()
{
    if (m_btnPause.GetCheck() == BST_CHECKED) {
        m_btnPause.SetCheck(BST_UNCHECKED);
        if (m_pAppInterface) m_pAppInterface->RequestContinueAcquisition();
        m_bPaused = false;
        SetButtonStates();
    } else {
        m_btnPause.SetCheck(BST_CHECKED);
        if (m_pAppInterface) m_pAppInterface->RequestPauseAcquisition();
        m_bPaused = true;
        PauseButtonsDisable();
    }
}

void CMaldiAcquireControlDlg::OnPlateMoveLeft()
{
    if (m_btnNext.GetCheck() == BST_CHECKED) m_btnNext.SetCheck(BST_UNCHECKED);
    bool moving = m_btnPrevious.GetCheck() == BST_CHECKED;
    m_btnPrevious.SetCheck(moving ? BST_UNCHECKED : BST_CHECKED);
    if (m_pAppInterface) {
        m_pAppInterface->SendPlateCommand(CMaldiAppInterface::PlateCommandMove,
                                          moving ? CMaldiAppInterface::MoveStop : CMaldiAppInterface::MovePrevious);
    }
}

void CMaldiAcquireControlDlg::OnPlateMoveRight()
{
    if (m_btnPrevious.GetCheck() == BST_CHECKED) m_btnPrevious.SetCheck(BST_UNCHECKED);
    bool moving = m_btnNext.GetCheck() == BST_CHECKED;
    m_btnNext.SetCheck(moving ? BST_UNCHECKED : BST_CHECKED);
    if (m_pAppInterface) {
        m_pAppInterface->SendPlateCommand(CMaldiAppInterface::PlateCommandMove,
                                          moving ? CMaldiAppInterface::MoveStop : CMaldiAppInterface::MoveNext);
    }
}

void CMaldiAcquireControlDlg::OnPlateStop()
{
    if (m_btnNext.GetCheck() == BST_CHECKED) m_btnNext.SetCheck(BST_UNCHECKED);
    if (m_btnPrevious.GetCheck() == BST_CHECKED) m_btnPrevious.SetCheck(BST_UNCHECKED);
    if (m_pAppInterface) {
        m_pAppInterface->SendPlateCommand(CMaldiAppInterface::PlateCommandMove, CMaldiAppInterface::MoveStop);
    }
}

void CMaldiAcquireControlDlg::OnLMCWell()
{
    m_bLockMassToggle = !m_bLockMassToggle;
    if (m_pAppInterface) {
        CString well;
        m_pAppInterface->GoToLockMassWell(m_bLockMassToggle, well, 1);
    }
    m_btnNext.SetCheck(BST_UNCHECKED);
    m_btnPrevious.SetCheck(BST_UNCHECKED);
    m_btnLaser.SetCheck(BST_UNCHECKED);
}

void CMaldiAcquireControlDlg::OnHScroll(UINT code, UINT position, CScrollBar* scrollBar)
{
    if (scrollBar && scrollBar->GetSafeHwnd() == m_ctlSpeed.GetSafeHwnd()) ShowSpeed();
    CToolWindow<CTunePage>::OnHScroll(code, position, scrollBar);
}

void CMaldiAcquireControlDlg::OnReleasedCaptureSpeedSlider(NMHDR* /*header*/, LRESULT* result)
{
    m_nSpeedIndex = m_ctlSpeed.GetPos();
    if (m_nSpeedIndex >= 0 && m_nSpeedIndex < 8 && m_pAppInterface) {
        m_pAppInterface->SendPlateCommand(CMaldiAppInterface::PlateCommandSpeed, m_nSpeeds[m_nSpeedIndex]);
    }
    if (result) *result = 0;
}
