#pragma once
// The simulated plate stage, laser and acquisition run of a MALDI source.
//
// The stage carries the current target plate (TargetPlate): sample wells on a grid of the plate's
// pitch, the lock-mass (reference) wells in a column beside them. It travels between wells at the
// plate speed (kMillimetresPerSecondPerSpeed per speed step, speeds 1 to 8) and settles for
// kSettleMs. The laser fires kShotsPerSecond while it is on.
//
// A run visits its spots in order; at each the stage travels there, then acquires for the run's
// acquisition time with the laser on. One spot may be the reference spot, acquired in the plate's
// first lock-mass well. The run reports each spot as it starts (spot count, spot index from 0,
// reference flag, well) and reports its end. While it runs:
//   next / previous  leave the current spot at once for the next or the previous one;
//   stop plate       hold the current spot: it keeps acquiring until next or previous;
//   lock mass on     acquire in the lock-mass well (reported as a reference spot) until lock mass
//                    off returns the stage to the current spot;
//   pause            laser off and time frozen until continue; stop ends the run.
// Outside a run, next and previous step the stage one well, and the laser fires only on request.

#include <functional>
#include <string>
#include <vector>

class SimPlateStage {
public:
    static constexpr double kMillimetresPerSecondPerSpeed = 4.0;
    static constexpr unsigned kSettleMs = 150;
    static constexpr int kShotsPerSecond = 20;

    struct Spot {
        int well = 1;           // sample well, or lock-mass well for the reference spot
        bool reference = false;
    };
    struct Progress {
        int spotCount = 0;
        int currentSpot = -1;
        int reference = 0;
        int well = 0;
    };

    using Reporter = std::function<void(const std::string& text)>;
    using ProgressListener = std::function<void(const Progress& progress)>;
    using EndListener = std::function<void(bool completed)>;

    explicit SimPlateStage(Reporter report);

    void SetProgressListener(ProgressListener listener) { m_onProgress = std::move(listener); }
    void SetEndListener(EndListener listener) { m_onEnd = std::move(listener); }

    // --- the acquisition run ---
    // False (nothing starts) when a run is going, there are no spots or no current plate.
    bool StartRun(std::vector<Spot> spots, unsigned acquireMs);
    void Pause();
    void Continue();
    // Ends the run without completing it.
    void Stop();

    // --- plate commands ---
    void SetLaser(bool on);
    void MoveNext();
    void MovePrevious();
    void StopPlate();
    // Speeds outside 1..8 are refused and reported.
    void SetSpeed(int speed);
    void GoToLockMass(bool on);
    // The stage to the plate's first well (after the source was swapped to MALDI). Refused while a
    // run is going.
    void IndexToFirstWell();

    void Advance(unsigned ms);

    bool Running() const { return m_running; }
    bool Paused() const { return m_paused; }
    bool Holding() const { return m_holding; }
    bool LaserOn() const { return m_laser; }
    bool AtLockMass() const { return m_lockMass; }
    int Speed() const { return m_speed; }
    long Shots() const { return m_shots; }
    // The stage's position in plate millimetres, and the well it is at or heading for.
    double X() const { return m_x; }
    double Y() const { return m_y; }
    std::string WellName() const { return WellName(m_targetWell, m_targetReference); }
    const Progress& LastProgress() const { return m_progress; }
    int SpotsAcquired() const { return m_spotsAcquired; }

    static std::string WellName(int well, bool lockMass);

private:
    enum class Phase { Idle, Travel, Acquire };
    void travelTo(int well, bool lockMass);
    void beginSpot(int index);
    void endRun(bool completed);
    void report(const std::string& text) { m_report(text); }

    Reporter m_report;
    ProgressListener m_onProgress;
    EndListener m_onEnd;
    std::vector<Spot> m_spots;
    unsigned m_acquireMs = 0;
    bool m_running = false;
    bool m_paused = false;
    bool m_holding = false;
    bool m_laser = false;       // firing now
    bool m_laserRequested = false; // by the operator's laser button
    bool m_lockMass = false;
    int m_speed = 4;
    int m_spot = -1;
    int m_spotsAcquired = 0;
    Phase m_phase = Phase::Idle;
    unsigned m_phaseLeft = 0;
    double m_x = 0.0, m_y = 0.0;
    int m_targetWell = 1;
    bool m_targetReference = false;
    long m_shots = 0;
    double m_shotRemainder = 0.0;
    Progress m_progress;
};
