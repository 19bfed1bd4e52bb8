#pragma once
// The source swap tool window ("Swap Source", template 14146): leads the operator through changing
// the source between MALDI and API, step by step, behind a source temperature interlock.
//
// The host constructs it with its two interface pointers (either may be null), then calls
// CreateUI (icon), Create (the window exists, topmost and contracted, its 200 ms timer running,
// both step buttons disabled) and DisplayWindow, which starts a swap run at step 0 and shows the
// window. Each tick of timer 5 reads the source temperature and performs one step of the swap
// sequence (ProbeSwapStatuses, in CMaldiProbeSwapControlDlgSequence.cpp, where the whole sequence
// is laid out step by step). The run ends when the operator confirms the new mode at step 24
// (the host hears SourceSwapComplete and the window closes) or closes the window (nothing is
// changed or undone).
//
// The window shows a temperature gauge with a thermometer button (override the interlock), the
// "Probe Control" group with "Prev Step", the expand button and "Next Step", a probe position
// indicator carrying the current step's title, and, below the group, a status log of the
// instructions; contracting the panel folds the log away. The frame parts (icon, topmost, expand
// and contract, minimised painting, key filtering) are the tool window frame's.
//
// The status log never holds more than the edit control's text limit (EM_GETLIMITTEXT; the
// framework's default for an edit is 30000 characters). The framework applies that limit only to
// what the operator types, not to what a program writes, so the panel keeps to it itself: before an
// entry is added, the oldest whole entries give way, so the newest instructions are always shown.
//
// Temperature readbacks that are not numbers leave the gauge as it is; values beyond the int range
// show as the nearest int.

#include "maldi/controls/CProgressCtrlX.h"
#include "maldi/controls/CTemperatureGuage.h"
#include "maldi/frame/CToolWindow.h"
#include "platform/framework/CEdit.h"
#include "platform/framework/gdi/CFont.h"
#include "platform/widgets/CButtonST.h"

class CMaldiAppInterface;
class CInstCtlClient;

class CMaldiProbeSwapControlDlg : public CToolDialog {
public:
    // What the sequence and the panel share, as numbers the tests and the host can name.
    static constexpr UINT_PTR kTimerId = 5;
    static constexpr UINT kTimerInterval = 200;       // ms, one step of the sequence per tick
    static constexpr double kInterlockTemperature = 45.0; // degrees Celsius; also the gauge's hot mark
    static constexpr double kOverrideSetPoint = 30.0;
    static constexpr int kPressureCheckTicks = 30;    // 6 s of backing pressure before the cover is read
    static constexpr int kLogEntryLines = 11;         // lines each log entry fills, with its tag last

    // Temperature status.
    static constexpr int kTemperatureUnknown = 0;
    static constexpr int kTemperatureOk = 1;          // at or below the interlock temperature
    static constexpr int kTemperatureHot = 2;
    static constexpr int kTemperatureOverridden = 3;

    CMaldiProbeSwapControlDlg(CMaldiAppInterface* app, CInstCtlClient* control);
    ~CMaldiProbeSwapControlDlg() override;

    // Exported operations, in the order the host uses them.
    using CToolWindow::Create;
    virtual void CreateUI(HICON icon);
    virtual BOOL Create();
    virtual void DisplayWindow();
    virtual void SetSourceTemperature();

    // Read-only views for the host and for tests.
    int GetSwapStep() const { return m_nSwapStep; }
    int GetTemperatureStatus() const { return m_nTemperatureStatus; }
    int GetTargetSourceMode() const { return m_nTargetSourceMode; }
    int GetPressureCheckTicks() const { return m_nPressureCheckTicks; }
    double GetSourceTemperature() const { return m_dSourceTemperature; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;

    afx_msg void OnTimer(UINT_PTR id);
    afx_msg void OnSwapTemperate();
    afx_msg void OnSwapLeft();
    afx_msg void OnSwapRight();

    DECLARE_MESSAGE_MAP()

private:
    // --- the swap sequence (CMaldiProbeSwapControlDlgSequence.cpp) ------------------------------
    void ProbeSwapStatuses();
    void ProcessCommand(bool next);
    void ProbeSwapComplete();
    // False (members unchanged) when either probe symbol is unknown to the instrument.
    bool RefreshHardwareProbeStates();
    // Title on the indicator, then instruction in the log.
    void Show(LPCTSTR title, LPCTSTR instruction);
    void ShowTemperatureTexts();

    // --- what the sequence shows --------------------------------------------------------------------
    void DisplayProgressBarMessage(CString title);
    void DisplayStatusMessage(CString text);
    void AppendToStatusLog(const CString& text);
    // Removes the oldest whole entries (each starts with `rule`) until `needed` more characters fit
    // within the log's text limit.
    void MakeRoomInStatusLog(const CString& rule, int needed);
    void EnableStepButtons(bool previous, bool next);
    void SetProgressIndicator(int position, int upperLimit);
    void SetIndicatorFromProbeState();

    CMaldiAppInterface* m_pApp;
    CInstCtlClient* m_pControl;
    CButtonST m_btnTemperature;   // 14178, the interlock override
    CButtonST m_btnPrevStep;      // 14169
    // The expand button (14167) is the frame's.
    CButtonST m_btnNextStep;      // 14101
    BYTE m_nProbeState = 0;
    BYTE m_nProbeSubStep = 0;
    BYTE m_nProbePreviousState = 0;
    CString m_strLastStatusTag;
    CString m_strLastStatusText;
    CFont m_fontIndicator;
    int m_nIndicatorUpper = 100;
    int m_nIndicatorStep = 1;
    int m_nIndicatorPosition = 0;
    int m_nTemperatureStatus = kTemperatureUnknown;
    double m_dSourceTemperature = 0.0;
    int m_nSwapStep = 0;
    int m_nPressureCheckTicks = 0;
    // Expanded height, contract amount (124) and expand state are the frame's.
    int m_nTargetSourceMode = 0;
    CProgressCtrlX m_ctlProbePosition;  // 14195
    CTemperatureGuage m_ctlTemperature; // 14103
    CEdit m_ctlStatusLog;               // 37317
    // The icon is the frame's (CreateUI).
};
