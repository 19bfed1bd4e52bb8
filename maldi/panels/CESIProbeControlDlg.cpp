#include "maldi/panels/CESIProbeControlDlg.h"

#include <algorithm>

#include "maldi/boundary/CMaldiAppInterface.h"
#include "maldi/boundary/InstrumentProperty.h"
#include "maldi/panels/PanelBarColours.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/DDX.h"

using namespace maldi::res;

namespace {

constexpr ToolWindowInfo kProbeAdjustWindow{
    .templateId = IDD_ESI_PROBE_CONTROL,
    .caption = "ESI Probe Adjust",
    .contractAmount = 60,
    .swallowedKeys = ToolWindowKeys::Tab | ToolWindowKeys::Enter | ToolWindowKeys::Escape,
    .exchangeBeforeFiltering = true,
    .greyClose = true,
    .setIcon = true,
    .topmost = true,
    .expandButton = ExpandButtonKind::IconButton,
    .initialExpandState = 1,
};

constexpr int kBarFontHeight = -12;

} // namespace

const int CESIProbeControlDlg::m_nAccelerationTimes[4] = {600, 500, 400, 300};

BEGIN_MESSAGE_MAP(CESIProbeControlDlg, CToolDialog)
    ON_BN_CLICKED(IDI_HOME, &CESIProbeControlDlg::OnSourceHome)
    ON_BN_CLICKED(IDI_SAVE_POSITION, &CESIProbeControlDlg::OnSourceSave)
    ON_BN_CLICKED(IDI_EXIT, &CESIProbeControlDlg::OnSourceExit)
    ON_BN_CLICKED(IDI_PREVIOUS, &CESIProbeControlDlg::OnSourceLeft)
    ON_BN_CLICKED(IDI_STOP, &CESIProbeControlDlg::OnSourceHalt)
    ON_BN_CLICKED(IDI_NEXT, &CESIProbeControlDlg::OnSourceRight)
    ON_BN_CLICKED(IDC_STEP_SIZE_ONE, &CESIProbeControlDlg::OnStepSizeOne)
    ON_BN_CLICKED(IDC_STEP_SIZE_FIVE, &CESIProbeControlDlg::OnStepSizeTwo)
    ON_BN_CLICKED(IDC_STEP_SIZE_FIFTY, &CESIProbeControlDlg::OnStepSizeThree)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CESIProbeControlDlg::CESIProbeControlDlg(CInstCtlClient* instCtlClient, CMaldiAppInterface* appInterface)
    : CToolDialog(kProbeAdjustWindow, IDD_ESI_PROBE_CONTROL),
      m_pInstCtlClient(instCtlClient),
      m_pAppInterface(appInterface)
{
}

CESIProbeControlDlg::~CESIProbeControlDlg() = default;

// --- operations of the host -----------------------------------------------------------------------------

BOOL CESIProbeControlDlg::Create()
{
    return CToolDialog::Create();
}

void CESIProbeControlDlg::CreateUI(HICON icon)
{
    CToolDialog::CreateUI(icon);
}

void CESIProbeControlDlg::DisplayWindow()
{
    CToolDialog::DisplayWindow();
}

void CESIProbeControlDlg::SetInitialProbePosition(int position, int /*unused*/)
{
    m_nPosition = std::clamp(position, kPositionIn, kPositionOut);
    m_nSavedPosition = m_nPosition;
    if (m_ctlPosition.m_hWnd) m_ctlPosition.SetPos(m_nPosition);
    NeedToSave(FALSE);
    LeftButtonEnableWindow(TRUE);
    RightButtonEnableWindow(TRUE);
    ConfigurePositionButtons();
}

void CESIProbeControlDlg::SetStepSize(int size)
{
    int radio = IDC_STEP_SIZE_FIFTY;
    if (size == 1) {
        radio = IDC_STEP_SIZE_ONE;
    } else if (size == 5) {
        radio = IDC_STEP_SIZE_FIVE;
    } else {
        size = 50;
    }
    if (m_hWnd) CheckRadioButton(IDC_STEP_SIZE_ONE, IDC_STEP_SIZE_FIFTY, radio);
    UseStepSize(size);
}

// --- initialisation ---------------------------------------------------------------------------------------

void CESIProbeControlDlg::DoDataExchange(CDataExchange* dx)
{
    CToolDialog::DoDataExchange(dx);
    DDX_Control(dx, IDI_HOME, m_btnHome);
    DDX_Control(dx, IDI_SAVE_POSITION, m_btnSave);
    DDX_Control(dx, IDI_EXIT, m_btnExit);
    DDX_Control(dx, IDI_PREVIOUS, m_btnLeft);
    DDX_Control(dx, IDI_STOP, m_btnStop);
    DDX_Control(dx, IDI_NEXT, m_btnRight);
    DDX_Control(dx, IDC_SOURCE_POSITION, m_ctlPosition);
}

BOOL CESIProbeControlDlg::OnInitDialog()
{
    // The buttons are attached by the first data exchange, which comes first.
    return InitialiseFrame({
        .buttons = [this] { SetButtonStates(); },
        .controls =
            [this] {
                // Default output and clipping precision, quality and pitch (all 0).
                m_font.CreateFont(kBarFontHeight, 0, 0, 0, FW_BOLD, FALSE, FALSE, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
                m_ctlPosition.SetFont(&m_font);
                m_ctlPosition.SetRange32(kPositionIn, kPositionOut);
                m_ctlPosition.SetPos(m_nPosition);
                m_ctlPosition.SetStep(m_nStepSize);
                PanelBar::ApplyColours(m_ctlPosition);
                m_ctlPosition.SetTextFormat("Position %d", PBS_SHOW_POSITION);
                m_ctlPosition.SetTooltipText(static_cast<int>(IDS_SOURCE_POSITION));
                m_ctlPosition.Invalidate();
                CheckRadioButton(IDC_STEP_SIZE_ONE, IDC_STEP_SIZE_FIFTY,
                                 m_nStepSize == 1   ? IDC_STEP_SIZE_ONE
                                 : m_nStepSize == 5 ? IDC_STEP_SIZE_FIVE
                                                    : IDC_STEP_SIZE_FIFTY);
                ResetAcceleration();
                SetTimer(kRepeatTimer, static_cast<UINT>(m_nAccelerationTimes[0]));
            },
    });
}

// Icons and tooltips of the panel's own buttons. Save and home follow the need-to-save flag; the
// stop button has nothing to stop (moves are single writes) and stays disabled.
void CESIProbeControlDlg::SetButtonStates()
{
    m_frame.SetupIconButtons({{m_btnHome, IDI_HOME, IDS_HOME_POSITION},
                              {m_btnSave, IDI_SAVE_POSITION, IDS_SAVE_POSITION},
                              {m_btnExit, IDI_EXIT, IDS_EXIT},
                              {m_btnLeft, IDI_PREVIOUS, IDS_SOURCE_IN},
                              {m_btnStop, IDI_STOP, IDS_SOURCE_STOP},
                              {m_btnRight, IDI_NEXT, IDS_SOURCE_OUT}});
    NeedToSave(FALSE);
    m_btnStop.EnableWindow(FALSE);
}

// --- buttons ----------------------------------------------------------------------------------------------

void CESIProbeControlDlg::OnSourceHome()
{
    WriteProbePosition(m_nSavedPosition);
    m_nPosition = m_nSavedPosition;
    ConfigurePositionButtons();
    m_ctlPosition.SetPos(m_nPosition);
    NeedToSave(FALSE);
}

void CESIProbeControlDlg::OnSourceSave()
{
    if (!m_bNeedToSave || !m_pAppInterface) return;
    m_pAppInterface->SaveESIProbePosition(m_nPosition);
    m_nSavedPosition = m_nPosition;
    NeedToSave(FALSE);
}

void CESIProbeControlDlg::OnSourceExit()
{
    if (!m_bNeedToSave) {
        OnOK();
        return;
    }
    int answer = ::MessageBox(m_hWnd, "Exit Without Saving Source Position?", "Information",
                              MB_YESNO | MB_ICONINFORMATION);
    if (answer != IDYES) return;
    // Leaving unsaved: the probe goes back to where it was saved.
    WriteProbePosition(m_nSavedPosition);
    OnOK();
}

void CESIProbeControlDlg::OnSourceLeft()
{
    NeedToSave(TRUE);
    ResetAcceleration();
    if (m_nPosition > kPositionIn) {
        m_nPosition -= m_nStepSize;
        WriteProbePosition(m_nPosition);
        StartRepeatTimer();
        RightButtonEnableWindow(TRUE);
    }
    ConfigurePositionButtons();
}

void CESIProbeControlDlg::OnSourceHalt()
{
}

void CESIProbeControlDlg::OnSourceRight()
{
    NeedToSave(TRUE);
    ResetAcceleration();
    if (m_nPosition < kPositionOut) {
        m_nPosition += m_nStepSize;
        WriteProbePosition(m_nPosition);
        StartRepeatTimer();
        LeftButtonEnableWindow(TRUE);
    }
    ConfigurePositionButtons();
}

void CESIProbeControlDlg::OnStepSizeOne()
{
    UseStepSize(1);
}

void CESIProbeControlDlg::OnStepSizeTwo()
{
    UseStepSize(5);
}

void CESIProbeControlDlg::OnStepSizeThree()
{
    UseStepSize(50);
}

void CESIProbeControlDlg::OnOK()
{
    KillTimer(kRepeatTimer);
    if (m_pAppInterface) m_pAppInterface->ESIProbeWindowClosed(m_nStepSize);
    EndDialog(IDOK);
}

// --- a held move button -------------------------------------------------------------------------------------

void CESIProbeControlDlg::OnTimer(UINT_PTR id)
{
    if (m_btnLeft.ButtonPressed()) {
        NeedToSave(TRUE);
        if (m_nPosition > kPositionIn) {
            m_nPosition -= m_nStepSize;
            WriteProbePosition(m_nPosition);
        }
        ConfigurePositionButtons();
        DoAcceleration();
    } else if (m_btnRight.ButtonPressed()) {
        NeedToSave(TRUE);
        if (m_nPosition < kPositionOut) {
            m_nPosition += m_nStepSize;
            WriteProbePosition(m_nPosition);
        }
        ConfigurePositionButtons();
        DoAcceleration();
    } else {
        // Nothing held: the next hold starts slow again, at whatever interval the timer has now.
        ResetAcceleration();
    }
    CToolDialog::OnTimer(id);
}

// Three ticks at each interval, then the next faster one, down to the last.
void CESIProbeControlDlg::DoAcceleration()
{
    if (++m_nRepeatCount <= 2) return;
    m_nRepeatCount = 0;
    if (m_nRepeatLevel < 3) {
        ++m_nRepeatLevel;
        StartRepeatTimer();
    }
}

void CESIProbeControlDlg::ResetAcceleration()
{
    m_nRepeatCount = 0;
    m_nRepeatLevel = 0;
}

void CESIProbeControlDlg::StartRepeatTimer()
{
    if (m_hWnd) SetTimer(kRepeatTimer, static_cast<UINT>(m_nAccelerationTimes[m_nRepeatLevel]));
}

// --- control states ---------------------------------------------------------------------------------------

void CESIProbeControlDlg::NeedToSave(BOOL needToSave)
{
    m_bNeedToSave = needToSave;
    if (m_btnSave.m_hWnd) m_btnSave.EnableWindow(needToSave);
    if (m_btnHome.m_hWnd) m_btnHome.EnableWindow(needToSave);
}

// A button held while it becomes disabled never sees its release: forget the hold, or the timer
// would go on stepping once the position is back inside.
void CESIProbeControlDlg::ConfigurePositionButtons()
{
    if (m_nPosition <= kPositionIn) {
        LeftButtonEnableWindow(FALSE);
        m_btnLeft.ClearButtonPressed();
    } else {
        LeftButtonEnableWindow(TRUE);
    }
    if (m_nPosition >= kPositionOut) {
        RightButtonEnableWindow(FALSE);
        m_btnRight.ClearButtonPressed();
    } else {
        RightButtonEnableWindow(TRUE);
    }
}

void CESIProbeControlDlg::LeftButtonEnableWindow(BOOL enable)
{
    if (m_btnLeft.m_hWnd) m_btnLeft.EnableWindow(enable);
}

void CESIProbeControlDlg::RightButtonEnableWindow(BOOL enable)
{
    if (m_btnRight.m_hWnd) m_btnRight.EnableWindow(enable);
}

// --- the instrument and the bar -----------------------------------------------------------------------------

void CESIProbeControlDlg::WriteProbePosition(int position)
{
    InstrumentProperty::WriteSetting(m_pInstCtlClient, InstrumentProperty::ElectrosprayThrottlePositionSetting,
                                     static_cast<double>(position));
    if (!m_ctlPosition.m_hWnd) return;
    m_ctlPosition.SetPos(position);
    m_ctlPosition.Invalidate();
}

void CESIProbeControlDlg::UseStepSize(int size)
{
    m_nStepSize = size;
    if (!m_ctlPosition.m_hWnd) return;
    m_ctlPosition.SetStep(size);
    m_ctlPosition.Invalidate();
}
