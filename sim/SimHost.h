#pragma once
// The simulated host application: what the instrument-control application does around the
// library's tool windows. It records every call the library makes (RecordingAppInterface),
// writes it to the transcript and obeys it:
//   plate, laser and speed commands and the lock-mass well go to the plate stage; a position within
//   the well (the crosshair panel's) is where the laser aims, reported while it fires; (2,14) answers,
//   during a run, with the run's last progress; stop, pause and continue go to the acquisition run, and the
//   end of a run (completed or stopped) ends the acquisition panel through StopAcquisition;
//   SourceSwapComplete switches the host's source mode (and indexes the plate to A1 after a swap
//   to MALDI); SaveESIProbePosition stores the probe position; ESIProbeWindowClosed its step size;
//   StartPlateCalibration starts the instrument's calibration search with the search it reads from
//   the current plate during the call (around the plate's initial or current hole positions, as
//   asked), reports each aim to the calibration window and ends it with its status (1 completed,
//   3 failed; the found holes become the plate's current calibration); AbortPlateCalibration ends it.
// It owns the current target plate and registers the host's resource module (what the library
// does not hold: the default ion mode and data format strings), to which it adds its icon.
//
// Windows are made as a real host makes them: construct with the host's interface and client,
// CreateUI with the application icon, Create, then DisplayWindow; the host keeps them (an ended
// tool window stays, hidden, and the next Open... starts it again) until CloseWindows or its own
// destruction destroys them.

#include <memory>
#include <string>

#include "platform/framework/CWnd.h"
#include "platform/instrument/CInstCtlClient.h"
#include "platform/instrument/CInstMonClient.h"
#include "platform/platemodel/CMaldiPlate.h"
#include "sim/SimInstrument.h"
#include "sim/SimTranscript.h"
#include "tests/support/HostResources.h"
#include "tests/support/RecordingAppInterface.h"

class CMaldiAcquireControlDlg;
class CMaldiCrossAcquireControlDlg;
class CMaldiProbeSwapControlDlg;
class CESIProbeControlDlg;
class CPlateCalibrationSetupDialog;

class SimHost : public RecordingAppInterface {
public:
    static constexpr UINT kApplicationIcon = 128;

    SimHost(SimInstrument& instrument, CInstMonClient& monitor, SimTranscript& transcript);
    ~SimHost() override;

    void MovePlateToPosition(double x, double y) override;
    void GoToLockMassWell(bool on, CString& well, int value) override;
    void SendPlateCommand(int command, int value) override;
    void RequestStopAcquisition() override;
    void RequestContinueAcquisition() override;
    void RequestPauseAcquisition() override;
    void SaveESIProbePosition(int position) override;
    void ESIProbeWindowClosed(int stepSize) override;
    void StartPlateCalibration(BOOL useInitialConditions) override;
    void AbortPlateCalibration() override;
    int GetSourceMode() override;
    void SourceSwapComplete(int mode) override;

    HICON ApplicationIcon() const { return m_icon; }
    CMaldiPlate& Plate() { return m_plate; }
    // The monitor client the host hands to the acquisition panel.
    CInstMonClient& Monitor() { return m_monitor; }
    ResourceModule& Module() { return m_resources.Module(); }

    // --- tool windows ---
    // Each makes the window if the host has none, and starts it (DisplayWindow); null if the
    // window could not be created.
    CMaldiAcquireControlDlg* OpenAcquisitionPanel();
    CMaldiCrossAcquireControlDlg* OpenCrosshairPanel();
    CMaldiProbeSwapControlDlg* OpenSourceSwap();
    // Makes the source swap window without starting a run, as the host does when it starts up:
    // the window's timer then reads the source temperature before the operator asks for a swap.
    CMaldiProbeSwapControlDlg* PrepareSourceSwap();
    CESIProbeControlDlg* OpenEsiProbe(int position, int stepSize);
    // The calibration window with the search it shows first (n x n aims, mm, ms per row).
    CPlateCalibrationSetupDialog* OpenCalibration(int window, float step, int delayPerRow);
    CPlateCalibrationSetupDialog* Calibration();
    HWND CalibrationWindow() const { return handle(m_calibration.get()); }
    CMaldiAcquireControlDlg* AcquisitionPanel();
    CMaldiCrossAcquireControlDlg* CrosshairPanel();
    CMaldiProbeSwapControlDlg* SourceSwap();
    CESIProbeControlDlg* EsiProbe();
    // The window's handle while the window exists (an ended tool window may stay, hidden), else null.
    HWND AcquisitionWindow() const { return handle(m_acquire.get()); }
    HWND CrosshairWindow() const { return handle(m_cross.get()); }
    HWND SourceSwapWindow() const { return handle(m_swap.get()); }
    HWND EsiProbeWindow() const { return handle(m_esi.get()); }
    void CloseWindows();

    // Starts an acquisition run on the stage and prepares the panel for it (InitialiseDialog).
    bool StartAcquisition(std::vector<SimPlateStage::Spot> spots, unsigned acquireMs, double collisionEnergy);
    // A crosshair run in the current well: the panel is prepared (InitialiseDialog) and later ended
    // (StopAcquisition); false without a crosshair panel.
    bool StartCrosshairAcquisition(double collisionEnergy);
    bool EndCrosshairAcquisition();

    std::string SourceModeName() const;
    int SavedEsiPosition() const { return m_savedEsiPosition; }
    int EsiStepSize() const { return m_esiStepSize; }

private:
    static HWND handle(CWnd* window);
    void note();
    void reportProgress(const SimPlateStage::Progress& progress);
    void runEnded(bool completed);
    // The instrument's calibration search, as the host passes it on to the calibration window.
    void calibrationAim(const SimCalibrationSearch::Aim& aim);
    void calibrationEnded(const SimCalibrationSearch::Result& result);

    SimInstrument& m_instrument;
    CInstMonClient& m_monitor;
    SimTranscript& m_transcript;
    HostResources m_resources;
    HICON m_icon = nullptr;
    CMaldiPlate m_plate;
    // Held as windows, so that this header needs none of the window classes.
    std::unique_ptr<CWnd> m_acquire;
    std::unique_ptr<CWnd> m_cross;
    std::unique_ptr<CWnd> m_swap;
    std::unique_ptr<CWnd> m_esi;
    std::unique_ptr<CWnd> m_calibration;
    int m_savedEsiPosition = 2000;
    int m_esiStepSize = 50;
};
