#pragma once
// The crosshair acquisition panel: the acquisition panel in which the operator steers the laser
// inside the current well with a crosshair tracker instead of stepping from well to well. Dragging
// or releasing the tracker's cross sends the matching position within the well to the host
// (MovePlateToPosition); while the laser fires, every position sent is also marked on the tracker
// as a red dot. It keeps the laser, pause, stop-acquisition, lock-mass and expand buttons and the
// collision-energy box, and has no previous/next/plate-stop buttons, progress bar or speed slider.
//
// Tracker coordinates run from -100 to 100 on both axes with (0, 0) the well's centre; the tracker's
// full width spans one well diameter of the current plate: position = diameter x 0.005 x t.
// Without a current plate there is no well to map onto: the cross still moves (and is marked while
// the laser fires) but no position goes to the host.
//
// Timer 6 (500 ms) keeps the lock-mass button's check in step with the reported reference flag; the
// only progress value the panel uses. The arrow keys are swallowed (they would move the cross), as
// are Tab and Escape.
//
// Life cycle as the acquisition panel's: construct -> CreateUI -> Create (contracted, timer 6
// running, (2,14) sent) -> DisplayWindow -> per run InitialiseDialog (spots cleared, cross centred)
// ... -> StopAcquisition (timer 6 killed, dialog ended as by OK).

#include "maldi/panels/CMaldiAcquireControlDlg.h"
#include "platform/widgets/CTrackerCtl.h"

class CMaldiCrossAcquireControlDlg : public CMaldiAcquireControlDlg {
public:
    static constexpr UINT_PTR kRefreshTimer = 6;
    static constexpr UINT kRefreshInterval = 500;
    // Tracker axes, circle limits and the circle's share of them.
    static const int m_nXYMin;
    static const int m_nXYMax;
    static const int m_nCircleMin;
    static const int m_nCircleMax;
    static const double m_fRatio;
    // Spots marked while the laser fires: filled dots in red.
    static constexpr int kLaserSpotKind = 2;
    static constexpr COLORREF kLaserSpotColour = 255;

    CMaldiCrossAcquireControlDlg(CMaldiAppInterface* appInterface, CInstMonClient* monClient);
    ~CMaldiCrossAcquireControlDlg() override;

    // --- operations of the host ---------------------------------------------------------------------
    void CreateUI(HICON icon, const PolarityDependentInstParam& polarityParam, const CString& name,
                  const CString& units, const CString& format) override;
    void DisplayWindow() override;
    void StopAcquisition() override;
    using CMaldiAcquireControlDlg::Create;
    BOOL Create() override;
    // Enables the laser and lock-mass buttons; nothing while paused (they stay disabled until the
    // acquisition continues).
    void SetButtonStates() override;
    void PauseButtonsDisable() override;
    // Only the reference flag is kept; the spot count, current spot and well mean nothing here.
    void UpdateProgressIndicator(int spotCount, int currentSpot, int referenceFlag, int well) override;
    void InitialiseDialog(double collisionEnergy) override;

    // Removes every spot from the tracker / puts the cross at (0, 0) without telling the host.
    virtual void ClearTrackerSpots();
    virtual void SetCentre();

    // The plate position of a tracker position within the current well; false without a plate.
    static bool ScaleTrackerToWellXY(int x, int y, double& plateX, double& plateY);

protected:
    void OnLMCWell() override;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void DrawTracker();

    afx_msg void OnTracker();
    afx_msg void OnTrackerRelease(NMHDR* header, LRESULT* result);
    afx_msg void OnPlateLaser();
    afx_msg void OnTimer(UINT_PTR id);

    CTrackerCtl m_ctlTracker;

private:
    DECLARE_MESSAGE_MAP()
};
