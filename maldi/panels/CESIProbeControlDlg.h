#pragma once
// The ESI probe adjust panel: a tool window with which the operator moves the electrospray probe
// in and out in steps, watches its position on a bar, and either saves the new position or leaves
// and sends the probe back to the saved one.
//
// Every move is written at once to "ELECTROSPRAY_THROTTLE_POSITION_SETTING". A move button held
// down repeats its step on timer 5, faster the longer it is held (600 ms for three ticks, then 500,
// 400 and finally 300 ms); releasing it is also a click, which takes one more step and starts the
// timer again at 600 ms.
//
// Positions run from 500 (probe in) to 9000 (probe out). A step is taken while the position is
// inside those limits and is not cut at them, so the position can end up to one step beyond a
// limit; the button toward that limit then stays disabled until the position is back inside.
//
// Life cycle: construct (either pointer may be null; calls through a null one are skipped) ->
// CreateUI(icon) -> Create (contracted, timer running) -> SetInitialProbePosition, SetStepSize ->
// DisplayWindow -> moves, Save, Home -> Exit (or OnOK) tells the host the step size and ends the
// dialog -> the host destroys the object.
//
// The step size radio buttons show the step size from initialisation on, also when the host
// never calls SetStepSize.

#include "maldi/controls/CProgressCtrlX.h"
#include "maldi/frame/CToolWindow.h"
#include "platform/framework/gdi/CFont.h"
#include "platform/widgets/CButtonST.h"

class CInstCtlClient;
class CMaldiAppInterface;

class CESIProbeControlDlg : public CToolDialog {
public:
    static constexpr UINT IDD = 14144;
    static constexpr UINT_PTR kRepeatTimer = 5;
    static constexpr int kPositionIn = 500;    // lower limit: probe fully in
    static constexpr int kPositionOut = 9000;  // upper limit: probe fully out
    static constexpr int kDefaultStepSize = 50;
    static constexpr int kDefaultPosition = 2000;
    // Interval of the repeat timer, in milliseconds, by repeat level.
    static const int m_nAccelerationTimes[4];

    CESIProbeControlDlg(CInstCtlClient* instCtlClient, CMaldiAppInterface* appInterface);
    ~CESIProbeControlDlg() override;

    // --- operations of the host ---------------------------------------------------------------------
    using CToolDialog::Create;
    virtual BOOL Create();
    virtual void CreateUI(HICON icon);
    virtual void DisplayWindow();
    // Position and saved position := position clamped to 500..9000; nothing is written to the
    // instrument. The second argument has no effect.
    virtual void SetInitialProbePosition(int position, int unused);
    // 1, 5 or 50; any other size is taken as 50.
    virtual void SetStepSize(int size);

    // --- what the panel holds, for the host and tests -----------------------------------------------
    int GetPosition() const { return m_nPosition; }
    int GetSavedPosition() const { return m_nSavedPosition; }
    int GetStepSize() const { return m_nStepSize; }
    BOOL GetNeedToSave() const { return m_bNeedToSave; }
    int GetRepeatLevel() const { return m_nRepeatLevel; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;

    afx_msg void OnSourceHome();
    afx_msg void OnSourceSave();
    afx_msg void OnSourceExit();
    afx_msg void OnSourceLeft();
    afx_msg void OnSourceHalt();
    afx_msg void OnSourceRight();
    afx_msg void OnStepSizeOne();
    afx_msg void OnStepSizeTwo();
    afx_msg void OnStepSizeThree();
    afx_msg void OnTimer(UINT_PTR id);

private:
    void NeedToSave(BOOL needToSave);
    void ConfigurePositionButtons();
    void SetButtonStates();
    void DoAcceleration();
    void ResetAcceleration();
    void LeftButtonEnableWindow(BOOL enable);
    void RightButtonEnableWindow(BOOL enable);
    // Sends the position to the instrument, then shows it on the bar.
    void WriteProbePosition(int position);
    // Step size and bar step; the bar repaints.
    void UseStepSize(int size);
    // Restarts the repeat timer at the interval of the current repeat level.
    void StartRepeatTimer();

    CInstCtlClient* m_pInstCtlClient;
    CMaldiAppInterface* m_pAppInterface;
    CButtonST m_btnHome;
    CButtonST m_btnSave;
    CButtonST m_btnExit;
    CButtonST m_btnLeft;
    CButtonST m_btnStop;
    CButtonST m_btnRight;
    BOOL m_bNeedToSave = FALSE;
    CFont m_font;
    int m_nStepSize = kDefaultStepSize;
    int m_nPosition = kDefaultPosition;
    int m_nSavedPosition = kDefaultPosition;
    int m_nRepeatCount = 0;
    int m_nRepeatLevel = 0;
    CProgressCtrlX m_ctlPosition;

    DECLARE_MESSAGE_MAP()
};
