#pragma once
// The simulated source hardware: the fitted sample cover, the source front, the probe and its
// motion, the source temperature and the electrospray throttle. It reacts to the probe commands
// and settings the instrument receives, moves on when time advances, and publishes its state as
// the last-transfer values of the property table, which is all the windows can see of it.
//
// Probe motion (state in the high four bits of PROBE_STATE_STATUS, sub-step in the low four):
//   unload        4/0 .. 4/3 (withdrawing, kUnloadStepMs each), then 0/0 at the isolation position
//   load (MALDI)  from isolation: 1/8 counting down to 1/0 (kLoadStepMs each), then 3/0 ready
//   ES probe mode from isolation: 8/0 counting up to 8/5 (kEsStepMs each), 8/5 is ready
// A load or ES probe mode command with the probe elsewhere withdraws it first. Both are refused
// (nothing moves, the refusal is reported) while the source front is open: the probe must never
// be driven into an open source. PROBE_PREVIOUS_STATE holds the state the probe last left.
//
// The cover reads 0 as soon as it is taken off; a fitted cover is recognised from the backing
// pressure after kCoverDetectMs. The temperature approaches its set point: cooling exponentially
// (time constant kCoolingTauMs), heating at kHeatingPerSecond; the readback has 0.1 degree steps.
// The throttle moves toward the position last written at kThrottleStepsPerSecond and reports where
// it is as ELECTROSPRAY_THROTTLE_POSITION_RB, a readback this simulator adds to the table.

#include <deque>
#include <functional>
#include <string>

class SimSourceHardware {
public:
    static constexpr int kCoverNone = 0;
    static constexpr int kCoverApiCone = 1;
    static constexpr int kCoverMaldiCap = 2;

    static constexpr unsigned kUnloadStepMs = 700;
    static constexpr unsigned kLoadStepMs = 600;
    static constexpr unsigned kEsStepMs = 700;
    static constexpr unsigned kCoverDetectMs = 2000;
    static constexpr double kCoolingTauMs = 90000.0;
    static constexpr double kHeatingPerSecond = 1.0;
    static constexpr double kThrottleStepsPerSecond = 4000.0;
    static constexpr const char* kThrottleReadback = "ELECTROSPRAY_THROTTLE_POSITION_RB";

    // Events worth a transcript line ("probe at isolation position", "load refused: source open").
    using Reporter = std::function<void(const std::string& text)>;

    // Starts from the property table's values (an idle MALDI source unless the table says else).
    explicit SimSourceHardware(Reporter report);

    // --- the operator's hands ---
    void OpenFront();
    void CloseFront();
    void RemoveCover();
    void FitCover(int cover);

    // --- set-up: a source that is hot, or in API mode ---
    void SetTemperature(double readback, double setPoint);
    void SetFittedApi(); // API cone fitted, probe at the throttle position (8/5)

    // --- what the instrument received ---
    void UnloadProbe();
    void LoadProbe();
    void EsProbeMode();
    void SetTemperatureSetPoint(double setPoint);
    void SetThrottleTarget(double position);

    void Advance(unsigned ms);
    // Writes the state into the property table.
    void Publish() const;

    int FittedCover() const { return m_cover; }        // what is physically there
    int ReportedCover() const { return m_coverReported; }
    bool FrontClosed() const { return m_frontClosed; }
    int ProbeState() const { return m_probeState; }
    int ProbeSubStep() const { return m_probeSubStep; }
    int ProbePrevious() const { return m_probePrevious; }
    bool ProbeMoving() const { return !m_phases.empty(); }
    double Temperature() const { return m_temperature; }
    double SetPoint() const { return m_setPoint; }
    double Throttle() const { return m_throttle; }
    double ThrottleTarget() const { return m_throttleTarget; }

private:
    struct Phase {
        int state;
        int subStep;
        unsigned ms; // time spent in this phase before the next one
    };
    void queueWithdraw();
    void enter(int state, int subStep);

    Reporter m_report;
    int m_cover = kCoverMaldiCap;
    int m_coverReported = kCoverMaldiCap;
    unsigned m_coverDetectLeft = 0;
    bool m_frontClosed = true;
    int m_probeState = 3;
    int m_probeSubStep = 0;
    int m_probePrevious = 1;
    std::deque<Phase> m_phases;
    unsigned m_phaseElapsed = 0;
    double m_temperature = 30.0;
    double m_setPoint = 30.0;
    double m_throttle = 2000.0;
    double m_throttleTarget = 2000.0;
};
