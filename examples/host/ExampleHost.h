#pragma once
// A small host of the MALDI user-interface library. It owns what the library's windows build on
// (the instrument clients, the current target plate, its own resources and main window),
// implements the callback interface the windows call, runs plate acquisitions with the
// acquisition panel, edits the laser settings with the MALDI settings dialog and the target plate
// with the plate sheet.

#include <memory>
#include <string>
#include <vector>

#include "maldi/boundary/CMaldiAppInterface.h"
#include "maldi/panels/CMaldiAcquireControlDlg.h"
#include "platform/framework/CWnd.h"
#include "platform/framework/ResourceModule.h"
#include "platform/framework/ResourceRegistrar.h"
#include "platform/instrument/CInstCtlClient.h"
#include "platform/instrument/CInstMonClient.h"
#include "platform/platemodel/CMaldiPlate.h"

// Makes, creates and shows an acquisition panel the way this host uses it: the host's icon, the
// collision energy box on ExampleHost::kCollisionEnergy, the slider at the plate speed. Null when
// the window cannot be made.
std::unique_ptr<CMaldiAcquireControlDlg> OpenAcquisitionPanel(CMaldiAppInterface* callbacks, CInstMonClient* monitor,
                                                               HICON icon, int plateSpeed, double collisionEnergy);

class ExampleHost : public CMaldiAppInterface {
public:
    // The instrument value the panel's collision energy box shows.
    static constexpr const char* kCollisionEnergy = "COLLISION_ENERGY_SETTING";
    static constexpr UINT kApplicationIcon = 1;

    struct LaserSettings {
        UINT laserType = 2;   // selects the firing-rate list: 1, 5, 10 or 20 Hz
        UINT firingRate = 20; // Hz
        UINT plateSpeed = 2;
        UINT probeMotion = 0; // CMaldiSettingsDialog::kPatternFile or kCrossHairs
        CString patternFile;
    };

    ExampleHost();
    ~ExampleHost() override;
    ExampleHost(const ExampleHost&) = delete;
    ExampleHost& operator=(const ExampleHost&) = delete;

    // --- acquisition --------------------------------------------------------------------------------------
    // Opens the panel (or brings it back) for a run over these wells (1 = A1, 13 = B1 ...).
    // False when the panel cannot be made or the list is empty.
    bool StartAcquisition(std::vector<int> wells, double collisionEnergy);
    // The instrument reached the run's spot `index`; the last spot done ends the run.
    void SpotAcquired(int index);
    bool IsAcquiring() const { return m_acquiring; }
    bool IsPaused() const { return m_paused; }
    // The open panel, or null.
    CMaldiAcquireControlDlg* Panel() const;

    // --- settings -----------------------------------------------------------------------------------------
    // Runs the settings dialog on the current settings; OK keeps what the operator chose (the
    // dialog has sent the firing rate to the instrument), Cancel keeps the old ones.
    bool EditLaserSettings();
    const LaserSettings& Laser() const { return m_laser; }

    // --- target plate -------------------------------------------------------------------------------------
    // Runs the target plate sheet on the plate file (created with the default plate when missing);
    // OK makes the plate in the file the current plate, which the panel names wells by.
    bool EditPlate(const CString& plateFile);
    const CMaldiPlate& Plate() const { return m_plate; }

    CWnd& MainWindow() { return m_main; }
    CInstCtlClient& Control() { return m_control; }
    // What the host was asked to do, one line each, in order.
    const std::vector<std::string>& Log() const { return m_log; }

    // --- CMaldiAppInterface -------------------------------------------------------------------------------
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

private:
    void endRun(const char* why);
    void log(std::string line) { m_log.push_back(std::move(line)); }

    ResourceModule m_resources;
    ResourceRegistrar m_registrar;
    CInstCtlClient m_control;
    CInstMonClient m_monitor;
    CMaldiPlate m_plate;
    CWnd m_main;
    std::unique_ptr<CMaldiAcquireControlDlg> m_panel;
    std::vector<int> m_wells;
    bool m_acquiring = false;
    bool m_paused = false;
    LaserSettings m_laser;
    std::vector<std::string> m_log;
};
