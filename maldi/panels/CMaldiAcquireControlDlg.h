#pragma once
// The acquisition control panel: the tool window shown while a MALDI plate acquisition runs. It
// shows which spot is acquired and how far the run has got, and lets the operator fire the laser,
// move the plate to the previous or next spots, stop the plate, pause, continue or stop the
// acquisition, go to the lock-mass well and change the plate speed. Every request goes to the host;
// the host reports progress back through UpdateProgressIndicator, and timer 5 (500 ms) turns the
// last report into the progress bar's text, range and colours.
//
// Life cycle: construct -> CreateUI -> Create (contracted, timer running, (2,14) sent) ->
// DisplayWindow -> per run InitialiseDialog, UpdateProgressIndicator ..., Pause/Continue ->
// StopAcquisition (timer killed, dialog ended as by OK) -> destroyed by the host.
// A null host pointer skips the host calls; the buttons still change their own states.

#include "maldi/controls/CProgressCtrlX.h"
#include "maldi/frame/CToolWindow.h"
#include "platform/framework/CSliderCtrl.h"
#include "platform/framework/gdi/CFont.h"
#include "platform/tuning/CTunePage.h"
#include "platform/widgets/CButtonST.h"

class CInstMonClient;
class CMaldiAppInterface;

class CMaldiAcquireControlDlg : public CToolWindow<CTunePage> {
public:
    static constexpr UINT_PTR kProgressTimer = 5;
    static constexpr UINT kProgressInterval = 500;
    // Plate speeds by slider position.
    static const int m_nSpeeds[8];

    CMaldiAcquireControlDlg(CMaldiAppInterface* appInterface, CInstMonClient* monClient);
    CMaldiAcquireControlDlg(UINT templateId, CMaldiAppInterface* appInterface, CInstMonClient* monClient);
    ~CMaldiAcquireControlDlg() override;

    // --- operations of the host, in this order in the virtual table -------------------------------------
    virtual void CreateUI(HICON icon, const PolarityDependentInstParam& polarityParam, const CString& name,
                          const CString& units, const CString& format);
    virtual void DisplayWindow();
    virtual void StopAcquisition();
    using CToolWindow<CTunePage>::Create;
    virtual BOOL Create();
    virtual void PauseAcquisition();
    virtual void ContinueAcquisition();
    virtual void SetButtonStates();
    virtual void PauseButtonsDisable();
    virtual void UpdateProgressIndicator(int spotCount, int currentSpot, int referenceFlag, int well);
    // Selects the speed when the table holds it (the last matching index); shown by the slider at the
    // next OnInitDialog or InitialiseDialog.
    virtual void SetPlateSpeed(int speed);
    virtual void InitialiseDialog(double collisionEnergy);

protected:
    // Last of the virtual operations: the lock-mass button's click reaches a derived panel's version.
    virtual void OnLMCWell();

public:
    // --- what the panel holds, for the host and tests -----------------------------------------------------
    int GetSpeedIndex() const { return m_nSpeedIndex; }
    bool IsPaused() const { return m_bPaused; }
    double GetCollisionEnergy() const { return m_dCollisionEnergy; }
    CProgressCtrlX& GetProgressBar() { return m_ctlProgress; }

protected:
    // A derived panel whose frame values (template, contract amount, swallowed keys) are its own.
    CMaldiAcquireControlDlg(const ToolWindowInfo& info, CMaldiAppInterface* appInterface, CInstMonClient* monClient);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    // what 1 enables (value non-zero) or disables the lock-mass button, 2 checks or unchecks it.
    static constexpr int kLockEnable = 1;
    static constexpr int kLockCheck = 2;
    void SetLockButtonState(int what, int value);
    void RequestInitialStates();

    // The collision energy box `id`: bound to the monitored parameter the host names, and showing
    // the energy of the run.
    void BindCollisionEnergyBox(UINT id, const PolarityDependentInstParam& polarityParam, const CString& name,
                                const CString& units, const CString& format);
    void ShowCollisionEnergy(UINT id);

    afx_msg void OnPlateLaser();
    afx_msg void OnPlateStopAcquire();
    afx_msg void OnPlatePauseAcquire();
    afx_msg void OnPlateMoveLeft();
    afx_msg void OnPlateStop();
    afx_msg void OnPlateMoveRight();
    afx_msg void OnReleasedCaptureSpeedSlider(NMHDR* header, LRESULT* result);
    afx_msg void OnHScroll(UINT code, UINT position, CScrollBar* scrollBar);
    afx_msg void OnTimer(UINT_PTR id);

    CMaldiAppInterface* m_pAppInterface;
    CInstMonClient* m_pMonClient;
    CButtonST m_btnPrevious;
    CButtonST m_btnNext;
    CButtonST m_btnPlateStop;
    CButtonST m_btnLaser;
    CButtonST m_btnStopAcquire;
    CButtonST m_btnPause;
    CButtonST m_btnLockMass;
    int m_nSpeedIndex = 1;
    int m_nReferenceFlag = 0;
    int m_nWell = 0;
    int m_nPrevReferenceFlag = -1;
    int m_nPrevWell = -1;
    bool m_bPaused = false;
    bool m_bLockMassToggle = true;
    CFont m_font;
    int m_nProgressUpper = 100;
    int m_nProgressStart = 0;
    int m_nCurrentSpot = -1;
    int m_nSpotCount = 10;
    int m_nPrevCurrentSpot = -1;
    int m_nPrevSpotCount = -1;
    CProgressCtrlX m_ctlProgress;
    CSliderCtrl m_ctlSpeed;
    double m_dCollisionEnergy = 30.0;

private:
    void ShowSpeed();
    void SetSpotColours(bool reference);

    DECLARE_MESSAGE_MAP()
};
