// The source swap panel: its controls, the temperature reading, the indicator and the status log.
// The swap sequence itself is in CMaldiProbeSwapControlDlgSequence.cpp.

#include "maldi/panels/CMaldiProbeSwapControlDlg.h"

#include <climits>
#include <cmath>

#include "maldi/boundary/InstrumentProperty.h"
#include "maldi/panels/PanelBarColours.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/DDX.h"

using namespace maldi::res;

namespace {

constexpr ToolWindowInfo kProbeSwapInfo{
    .templateId = IDD_PROBE_SWAP_CONTROL,
    .caption = "Swap Source",
    .contractAmount = 124, // folds the status log away
    .swallowedKeys = ToolWindowKeys::Tab | ToolWindowKeys::Enter | ToolWindowKeys::Escape,
    .exchangeBeforeFiltering = true,
    .greyClose = false,
    .setIcon = true,
    .topmost = true,
    .expandButton = ExpandButtonKind::TwoState,
    .initialExpandState = 0};

constexpr int kGaugeLowerLimit = 0;
constexpr int kGaugeUpperLimit = 180;

// Truncated toward zero; beyond the int range the nearest int (the caller has ruled out NaN).
int WholeDegrees(double value)
{
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}

} // namespace

BEGIN_MESSAGE_MAP(CMaldiProbeSwapControlDlg, CToolDialog)
    // WM_SYSCOMMAND, WM_PAINT, WM_QUERYDRAGICON and the expand button (14167, OnExpandDialog) are
    // the tool window frame's.
    ON_WM_TIMER()
    ON_BN_CLICKED(IDI_THERMOMETER, &CMaldiProbeSwapControlDlg::OnSwapTemperate)
    ON_BN_CLICKED(IDI_PREVIOUS, &CMaldiProbeSwapControlDlg::OnSwapLeft)
    ON_BN_CLICKED(IDI_NEXT, &CMaldiProbeSwapControlDlg::OnSwapRight)
END_MESSAGE_MAP()

CMaldiProbeSwapControlDlg::CMaldiProbeSwapControlDlg(CMaldiAppInterface* app, CInstCtlClient* control)
    : CToolDialog(kProbeSwapInfo, IDD_PROBE_SWAP_CONTROL), m_pApp(app), m_pControl(control)
{
}

CMaldiProbeSwapControlDlg::~CMaldiProbeSwapControlDlg()
{
    m_fontIndicator.DeleteObject();
}

// --- exported operations ----------------------------------------------------------------------------

void CMaldiProbeSwapControlDlg::CreateUI(HICON icon)
{
    CToolDialog::CreateUI(icon);
}

BOOL CMaldiProbeSwapControlDlg::Create()
{
    return CToolDialog::Create();
}

void CMaldiProbeSwapControlDlg::DisplayWindow()
{
    m_nSwapStep = 0;
    m_nPressureCheckTicks = 0;
    m_nTargetSourceMode = 0;
    m_strLastStatusTag = "";
    m_strLastStatusText = "";
    m_nTemperatureStatus = m_dSourceTemperature <= kInterlockTemperature ? kTemperatureOk : kTemperatureHot;
    if (!m_hWnd) return;

    m_ctlStatusLog.SetWindowText("PROBE SWAP");
    m_ctlProbePosition.SetTextFormat("", PBS_SHOW_POSITION);
    m_ctlProbePosition.SendMessage(PBM_SETPOS, 0);
    m_ctlProbePosition.Invalidate(TRUE);

    UpdateData(FALSE);
    ShowWindow(SW_SHOW);
    SetTimer(kTimerId, kTimerInterval);
}

void CMaldiProbeSwapControlDlg::SetSourceTemperature()
{
    double value = 0.0;
    if (!InstrumentProperty::Read(InstrumentProperty::SourceTemperatureReadback, value)) return;
    m_dSourceTemperature = value;
    if (m_ctlTemperature.m_hWnd && !std::isnan(value)) m_ctlTemperature.SetTemperature(WholeDegrees(value));
    if (value <= kInterlockTemperature) m_nTemperatureStatus = kTemperatureOk;
}

// --- window -----------------------------------------------------------------------------------------

void CMaldiProbeSwapControlDlg::DoDataExchange(CDataExchange* dx)
{
    CToolDialog::DoDataExchange(dx);
    DDX_Control(dx, static_cast<int>(IDC_PROBE_POSITION), m_ctlProbePosition);
    DDX_Control(dx, static_cast<int>(IDC_SOURCE_TEMPERATURE), m_ctlTemperature);
    DDX_Control(dx, static_cast<int>(IDC_SWAP_STATUS_LOG), m_ctlStatusLog);
}

BOOL CMaldiProbeSwapControlDlg::OnInitDialog()
{
    return InitialiseFrame({
        .buttons =
            [this] {
                m_frame.SetupIconButtons({{m_btnTemperature, IDI_THERMOMETER, IDS_REDUCE_PROBE_TEMPERATURE},
                                          {m_btnPrevStep, IDI_PREVIOUS, IDS_PREV_STEP},
                                          {m_btnNextStep, IDI_NEXT, IDS_NEXT_STEP}});
            },
        .controls =
            [this] {
                LOGFONT lf{};
                lf.lfWeight = FW_BOLD;
                CFont::SetFaceName(lf, "Arial");
                if (!m_fontIndicator.GetSafeHandle()) m_fontIndicator.CreateFontIndirect(&lf);
                if (m_ctlProbePosition.m_hWnd) {
                    m_ctlProbePosition.SetFont(&m_fontIndicator, TRUE);
                    m_ctlProbePosition.SendMessage(PBM_SETRANGE32, 0, static_cast<LPARAM>(m_nIndicatorUpper));
                    m_ctlProbePosition.SendMessage(PBM_SETPOS, static_cast<WPARAM>(m_nIndicatorPosition));
                    m_ctlProbePosition.SendMessage(PBM_SETSTEP, static_cast<WPARAM>(m_nIndicatorStep));
                    PanelBar::ApplyColours(m_ctlProbePosition);
                    m_ctlProbePosition.SetTooltipText(static_cast<int>(IDS_PROBE_POSITION), TRUE);
                    m_ctlProbePosition.Invalidate(TRUE);
                }

                if (m_ctlTemperature.m_hWnd) {
                    m_ctlTemperature.Initialise();
                    m_ctlTemperature.SetTemperatureLimits(kGaugeLowerLimit, kGaugeUpperLimit);
                    m_ctlTemperature.SetHotTemperature(static_cast<int>(kInterlockTemperature));
                    if (!std::isnan(m_dSourceTemperature)) m_ctlTemperature.SetTemperature(WholeDegrees(m_dSourceTemperature));
                    m_ctlTemperature.SetTooltipText(static_cast<int>(IDS_SOURCE_TEMPERATURE), TRUE);
                }
            },
        .opened =
            [this] {
                SetTimer(kTimerId, kTimerInterval);
                EnableStepButtons(false, false);
            },
    });
}

void CMaldiProbeSwapControlDlg::OnTimer(UINT_PTR id)
{
    SetSourceTemperature();
    ProbeSwapStatuses();
    CToolDialog::OnTimer(id);
}

void CMaldiProbeSwapControlDlg::OnCancel()
{
    KillTimer(kTimerId);
    CToolDialog::OnCancel();
}

void CMaldiProbeSwapControlDlg::OnSwapTemperate()
{
    ProcessCommand(true);
}

void CMaldiProbeSwapControlDlg::OnSwapLeft()
{
    ProcessCommand(false);
}

void CMaldiProbeSwapControlDlg::OnSwapRight()
{
    ProcessCommand(true);
}

// --- what the sequence shows ------------------------------------------------------------------------

void CMaldiProbeSwapControlDlg::EnableStepButtons(bool previous, bool next)
{
    if (m_btnPrevStep.m_hWnd) m_btnPrevStep.EnableWindow(previous ? TRUE : FALSE);
    if (m_btnNextStep.m_hWnd) m_btnNextStep.EnableWindow(next ? TRUE : FALSE);
}

void CMaldiProbeSwapControlDlg::SetProgressIndicator(int position, int upperLimit)
{
    if (!m_ctlProbePosition.m_hWnd) return;
    m_ctlProbePosition.SendMessage(PBM_SETRANGE32, 0, static_cast<LPARAM>(upperLimit));
    m_ctlProbePosition.SendMessage(PBM_SETPOS, static_cast<WPARAM>(position));
    m_ctlProbePosition.Invalidate(TRUE);
}

// How far the probe is from its working position: a full bar while it is isolated, emptying as it
// moves in (state 1 by sub-step towards MALDI, 8 towards the API throttle position). Pairs not
// listed leave the indicator as it is.
void CMaldiProbeSwapControlDlg::SetIndicatorFromProbeState()
{
    const int sub = m_nProbeSubStep;
    switch (m_nProbeState) {
    case 0:
        SetProgressIndicator(1, 1);
        break;
    case 1:
        if (sub <= 8) SetProgressIndicator(9 - sub, 9);
        break;
    case 3:
        if (sub == 0) SetProgressIndicator(0, 9);
        break;
    case 4:
        if (sub <= 3) SetProgressIndicator(sub + 1, 5);
        break;
    case 8:
        if (sub <= 5) {
            SetProgressIndicator(5 - sub, 6);
        } else if (sub <= 7) {
            SetProgressIndicator(sub, 6);
        }
        break;
    case 9:
        SetProgressIndicator(0, 0);
        break;
    default:
        break;
    }
}

void CMaldiProbeSwapControlDlg::DisplayProgressBarMessage(CString title)
{
    if (m_nSwapStep == 0 || m_nSwapStep == 1) {
        SetProgressIndicator(1, 1); // temperature check: the probe is not read
    } else {
        if (!RefreshHardwareProbeStates()) return;
        SetIndicatorFromProbeState();
    }
    if (!m_ctlProbePosition.m_hWnd) return;
    m_ctlProbePosition.SetTextFormat(title, PBS_SHOW_POSITION);
    m_ctlProbePosition.Invalidate(TRUE);
}

// Each instruction goes into the log once (a repeat with the same probe values is dropped), framed
// by a rule and padded so that every entry fills at least 11 lines with its tag on the last. It is
// appended at the end of the log (the edit lays out only what changed), so an entry costs the same
// however long the log is.
void CMaldiProbeSwapControlDlg::AppendToStatusLog(const CString& text)
{
    const int end = m_ctlStatusLog.GetWindowTextLength();
    m_ctlStatusLog.SetSel(end, end, TRUE);
    m_ctlStatusLog.ReplaceSel(text);
}

void CMaldiProbeSwapControlDlg::MakeRoomInStatusLog(const CString& rule, int needed)
{
    const long long limit = m_ctlStatusLog.GetLimitText();
    const int length = m_ctlStatusLog.GetWindowTextLength();
    if (length + static_cast<long long>(needed) <= limit) return;
    // The oldest entries go, whole: the cut is at the first rule past what must go.
    CString log;
    m_ctlStatusLog.GetWindowText(log);
    const long long excess = length + static_cast<long long>(needed) - limit;
    int cut = excess >= length ? -1 : log.Find(rule.GetString(), static_cast<int>(excess));
    if (cut < 0) cut = length;
    m_ctlStatusLog.SetSel(0, cut, TRUE);
    m_ctlStatusLog.ReplaceSel("");
}

void CMaldiProbeSwapControlDlg::DisplayStatusMessage(CString text)
{
    CString tag;
    tag.Format("(P:%d S:%d  E:%X)", m_nProbeState, m_nProbeSubStep, m_nProbePreviousState);
    if (tag == m_strLastStatusTag && text == m_strLastStatusText) return;
    m_strLastStatusTag = tag;
    m_strLastStatusText = text;
    if (!m_ctlStatusLog.m_hWnd) return;

    const CString rule = "\r\n\r\n" + CString('-', 44);
    const CString entry = rule + "\r\n\r\n" + text + "\r\n\r\n";
    MakeRoomInStatusLog(rule, entry.GetLength() + 2 * kLogEntryLines + tag.GetLength());
    const int linesBefore = m_ctlStatusLog.GetLineCount();
    AppendToStatusLog(entry);
    const int linesAdded = m_ctlStatusLog.GetLineCount() - linesBefore;

    for (int i = linesAdded; i < kLogEntryLines; ++i) tag = "\r\n" + tag;
    AppendToStatusLog(tag);

    m_ctlStatusLog.LineScroll(m_ctlStatusLog.GetLineCount(), 0);
    UpdateData(FALSE);
}
