#pragma once
// The plate spatial calibration tool window (template 147, "Spatial Calibration"): the operator
// sets the search (step, delay per row, window size, whether to start from the plate's initial
// conditions), starts and aborts the run; the host runs the search and reports each aim, which the
// window lists and marks on the hole's grid.
//
// Life cycle: construct -> set the three search settings (public) -> Create (contracted, grids
// sized) -> DisplayWindow -> optionally Initialise(true) to start at once -> "&Start" -> the host
// calls SetStatus(0) or Calibrating(true), reports aims with UpdateCalibrationDlg, and ends with
// SetStatus(1) (completed) or 2, 3, 4, plus any SetStatusText -> DestroyDlgWindow -> destroy.
//
// The window never sets its calibrating state itself: only the host does. Reports are only stored;
// timer 6 (every 500 ms, from the first Start or abort until DestroyDlgWindow) lists the latest one
// if it differs from the one it handled last, so reports faster than the timer overwrite each
// other. Aim numbers are the host's: the hit goes to the reported aim, the current mark to the next.
//
// The three search settings start as the plate model's defaults (5 x 5 aims, 0.1 mm, 200 ms) so
// that a host that sets none still shows sensible values. Every handler is in the message map at
// the top of the .cpp file.

#include "maldi/frame/CToolWindow.h"
#include "platform/calibrationgrid/CCalibrationGrid.h"
#include "platform/framework/CEdit.h"
#include "platform/framework/CString.h"

class CMaldiAppInterface;

class CPlateCalibrationSetupDialog : public CToolDialog {
public:
    static constexpr UINT IDD = 147;
    static constexpr UINT_PTR kListTimer = 6;
    static constexpr UINT kListInterval = 500;
    // SetStatus codes.
    static constexpr int StatusStarted = 0;
    static constexpr int StatusCompleted = 1;
    static constexpr int StatusAborted = 2;

    CPlateCalibrationSetupDialog(CMaldiAppInterface* appInterface, CWnd* parent = nullptr);
    ~CPlateCalibrationSetupDialog() override;

    // --- operations of the host ---------------------------------------------------------------------
    using CToolDialog::Create;
    virtual BOOL Create();
    virtual void DisplayWindow();
    // Sizes both grids; with autoStart the run starts at once and the window closes when it completes.
    virtual void Initialise(bool autoStart);
    // "&Abort" and "&Close" disabled while calibrating, "&Start" and "&Close" enabled otherwise.
    virtual void Calibrating(bool calibrating);
    // 0 started; 1 completed (closes the window after Initialise(true)); 2, 3, 4 ended otherwise.
    virtual void SetStatus(int nStatus);
    virtual void SetStatusText(LPCTSTR text);
    // Stores the report; the timer lists it.
    virtual void UpdateCalibrationDlg(int hole, int aim, int hit, double x, double y);
    virtual void DestroyDlgWindow();

    bool IsCalibrating() const { return m_bCalibrating; }
    const CString& GetHole1List() const { return m_strHole1List; }
    const CString& GetHole2List() const { return m_strHole2List; }

protected:
    // The host writes the members below directly, so their order (these three, then the search
    // settings, then the rest) is part of the window's layout.
    bool m_bCalibrating = false;
    bool m_bAutoStart = false;
    CMaldiAppInterface* m_pAppInterface;

public:
    // The search, given by the host before Create; shown and validated by the data exchange.
    int m_nSearchWindow = 5;     // n x n aims, 0 to 9999
    float m_fSearchStep = 0.1f;  // mm between aims, 0 to 100
    int m_nDelayPerRow = 200;    // ms, 0 to 5000

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    afx_msg void OnClose();
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg void OnStart();

private:
    void SetGridSizes();
    // Lists the report on its hole's grid and list (hole 1 or 2), then shows both lists at their end.
    void ListReport();

    // The latest report of the host, and the one the timer handled last.
    int m_nHole = -1;
    int m_nAim = -1;
    int m_nHit = -1;
    double m_dX = 0.0;
    double m_dY = 0.0;
    int m_nShownHole = -1;
    int m_nShownAim = -1;
    int m_nShownHit = -1;
    double m_dShownX = 0.0;
    double m_dShownY = 0.0;

    CString m_strHole1List;
    CString m_strHole2List;
    int m_nUseInitialConditions = 0;
    CCalibrationGrid m_Hole1Grid;
    CCalibrationGrid m_Hole2Grid;
    CEdit m_Hole1ListBox;
    CEdit m_Hole2ListBox;

    DECLARE_MESSAGE_MAP()
};
