#pragma once
// The simulated spatial calibration search of a MALDI source: where the two calibration holes of
// the plate really are, found by aiming the laser at a square of n x n points around each hole's
// expected position and noting where it passes through the hole.
//
// The holes lie kHole1Offset / kHole2Offset (mm) away from where the plate expects them and let the
// laser through within kHoleRadius. Aims are numbered from 0, row by row from the top left (row
// offset -(n-1)/2 steps, downwards in y); hole 1 is searched first, then hole 2. Each aim takes the
// row delay divided by n (at least kMinAimMs) and is reported as it is made: hole, aim, hit and
// position. One aim's time after the last aim the search ends (the laser back home), so that the
// last report is still seen as part of the run. The result is the mean of each hole's hits; a hole
// without a hit fails the search.
//
// The search takes its settings when it starts (the host reads them from the current plate) and
// is moved on by the instrument's clock (Advance).

#include <functional>
#include <string>

class SimCalibrationSearch {
public:
    static constexpr double kHoleRadius = 0.08;
    static constexpr double kHole1Offset[2] = {0.07, -0.04};
    static constexpr double kHole2Offset[2] = {-0.1, 0.12};
    static constexpr unsigned kMinAimMs = 100;
    static constexpr int kMaxWindow = 99; // a bigger window is searched as 99 x 99

    struct Settings {
        double hole1[2] = {0.0, 0.0}; // expected positions, mm
        double hole2[2] = {0.0, 0.0};
        double step = 0.1;            // mm between aims
        int delayPerRow = 1000;       // ms
        int window = 5;               // n
    };
    struct Aim {
        int hole = 1;
        int aim = 0;
        bool hit = false;
        double x = 0.0;
        double y = 0.0;
    };
    enum class End { Completed, Failed, Aborted };
    struct Result {
        End end = End::Completed;
        double hole1[2] = {0.0, 0.0}; // where the holes were found (valid when completed)
        double hole2[2] = {0.0, 0.0};
    };

    using AimListener = std::function<void(const Aim& aim)>;
    using EndListener = std::function<void(const Result& result)>;

    void SetAimListener(AimListener listener) { m_onAim = std::move(listener); }
    void SetEndListener(EndListener listener) { m_onEnd = std::move(listener); }

    // False (nothing starts) while a search runs, or for a window below 1 or a negative step.
    bool Start(const Settings& settings);
    // Ends a running search (reported as Aborted); nothing otherwise.
    void Abort();
    void Advance(unsigned ms);

    bool Running() const { return m_running; }
    int AimsMade() const { return m_aimsMade; }

private:
    void makeAim();
    void finish(End end);

    Settings m_settings;
    bool m_running = false;
    int m_hole = 1;
    int m_aim = 0;
    unsigned m_aimMs = kMinAimMs;
    unsigned m_sinceAim = 0;
    int m_aimsMade = 0;
    bool m_searched = false; // every aim made: the end is due
    double m_sum[2][2] = {{0.0, 0.0}, {0.0, 0.0}};
    int m_hits[2] = {0, 0};
    AimListener m_onAim;
    EndListener m_onEnd;
};
