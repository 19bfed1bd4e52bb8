#pragma once
// The simulated instrument: the source hardware and the plate stage behind the property runtime
// and the control client. It listens to every write of the client (the client's write hook),
// writes each to the transcript and hands it to the hardware, and moves the hardware on with the
// virtual clock through a thread timer of kTickMs (so it advances in time order with the windows'
// own timers, whoever advances the clock).
//
// One instrument at a time per process, as the property runtime has one connected instrument.
// The window system's reset kills the timer; make the instrument after the reset.

#include "platform/framework/WinUser.h"
#include "platform/instrument/CInstCtlClient.h"
#include "sim/SimCalibrationSearch.h"
#include "sim/SimPlateStage.h"
#include "sim/SimSourceHardware.h"
#include "sim/SimTranscript.h"

class SimInstrument {
public:
    static constexpr unsigned kTickMs = 50;
    // The collision energy the acquisition panel's box monitors; a setting this simulator adds to
    // the property table (eV).
    static constexpr const char* kCollisionEnergy = "COLLISION_ENERGY_SETTING";
    static constexpr double kDefaultCollisionEnergy = 30.0;
    // The MALDI control that sets the laser's firing rate, and the rate the laser starts at (Hz).
    static constexpr int kLaserFrequencyControl = 6;
    static constexpr int kDefaultLaserFrequency = 10;

    SimInstrument(CInstCtlClient& client, SimTranscript& transcript);
    ~SimInstrument();
    SimInstrument(const SimInstrument&) = delete;
    SimInstrument& operator=(const SimInstrument&) = delete;

    SimSourceHardware& Source() { return m_source; }
    SimPlateStage& Stage() { return m_stage; }
    SimCalibrationSearch& Calibration() { return m_calibration; }
    CInstCtlClient& Client() { return m_client; }
    // The laser's firing rate, Hz, as last set through the MALDI control.
    int LaserFrequency() const { return m_laserFrequency; }

    // One tick of the hardware (the timer calls it; tests may too).
    void Tick(unsigned ms);
    // A summary of the instrument's state, for the end of a scenario.
    std::string Describe() const;

private:
    static void TimerProc(HWND hwnd, UINT message, UINT_PTR id, DWORD time);
    void onWrite(const CInstCtlClient::WriteRecord& write);

    CInstCtlClient& m_client;
    SimTranscript& m_transcript;
    SimSourceHardware m_source;
    SimPlateStage m_stage;
    SimCalibrationSearch m_calibration;
    UINT_PTR m_timer = 0;
    int m_laserFrequency = kDefaultLaserFrequency;
};
