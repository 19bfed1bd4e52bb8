#include "sim/SimPlateStage.h"

#include <cmath>
#include <cstdio>

#include "platform/platemodel/TargetPlate.h"

namespace {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// Sample wells row by row from the top left; the lock-mass column one pitch right of the last
// sample column.
Point WellCentre(const CMaldiPlate& plate, int well, bool lockMass)
{
    if (lockMass) {
        double x = plate.m_nWellsPerRow * static_cast<double>(plate.m_fWellPitch);
        return Point{x, (well - 1) * static_cast<double>(plate.m_fLockMassWellPitch)};
    }
    int perRow = plate.m_nWellsPerRow > 0 ? plate.m_nWellsPerRow : 1;
    int index = well - 1;
    return Point{(index % perRow) * static_cast<double>(plate.m_fWellPitch),
                 (index / perRow) * static_cast<double>(plate.m_fWellPitch)};
}

} // namespace

SimPlateStage::SimPlateStage(Reporter report) : m_report(std::move(report)) {}

std::string SimPlateStage::WellName(int well, bool lockMass)
{
    if (lockMass) return "LM" + std::to_string(well);
    CString name;
    if (CMaldiPlate* plate = TargetPlate(); plate && plate->ConvertWellReference(well, name))
        return std::string(name.GetString());
    return "well " + std::to_string(well);
}

bool SimPlateStage::StartRun(std::vector<Spot> spots, unsigned acquireMs)
{
    if (m_running || spots.empty() || !TargetPlate()) return false;
    m_spots = std::move(spots);
    m_acquireMs = acquireMs;
    m_running = true;
    m_paused = false;
    m_holding = false;
    m_lockMass = false;
    m_spotsAcquired = 0;
    report("acquisition run of " + std::to_string(m_spots.size()) + " spots started");
    beginSpot(0);
    return true;
}

void SimPlateStage::beginSpot(int index)
{
    m_spot = index;
    const Spot& spot = m_spots[static_cast<size_t>(index)];
    m_progress = Progress{static_cast<int>(m_spots.size()), index, spot.reference ? 1 : 0, spot.well};
    travelTo(spot.well, spot.reference);
    if (m_onProgress) m_onProgress(m_progress);
}

void SimPlateStage::travelTo(int well, bool lockMass)
{
    CMaldiPlate* plate = TargetPlate();
    Point to = plate ? WellCentre(*plate, well, lockMass) : Point{m_x, m_y};
    double distance = std::hypot(to.x - m_x, to.y - m_y);
    unsigned ms = static_cast<unsigned>(distance / (kMillimetresPerSecondPerSpeed * m_speed) * 1000.0) + kSettleMs;
    m_targetWell = well;
    m_targetReference = lockMass;
    m_x = to.x;
    m_y = to.y;
    m_phase = Phase::Travel;
    m_phaseLeft = ms;
    if (!m_laserRequested) m_laser = false;
    char text[96];
    std::snprintf(text, sizeof text, "stage to %s (%.1f mm, %u ms)", WellName().c_str(), distance, ms);
    report(text);
}

void SimPlateStage::endRun(bool completed)
{
    m_running = false;
    m_paused = false;
    m_holding = false;
    m_lockMass = false;
    m_phase = Phase::Idle;
    m_laser = m_laserRequested = false;
    report(completed ? "acquisition run complete, " + std::to_string(m_spotsAcquired) + " spots, " +
                           std::to_string(m_shots) + " shots"
                     : "acquisition run stopped after " + std::to_string(m_spotsAcquired) + " spots");
    if (m_onEnd) m_onEnd(completed);
}

void SimPlateStage::Pause()
{
    if (!m_running || m_paused) return;
    m_paused = true;
    m_laser = false;
    report("acquisition paused");
}

void SimPlateStage::Continue()
{
    if (!m_running || !m_paused) return;
    m_paused = false;
    if (m_phase == Phase::Acquire || m_laserRequested) m_laser = true;
    report("acquisition continues");
}

void SimPlateStage::Stop()
{
    if (!m_running) return;
    endRun(false);
}

void SimPlateStage::SetLaser(bool on)
{
    m_laserRequested = on;
    m_laser = on || (m_running && !m_paused && m_phase == Phase::Acquire);
    report(on ? "laser on" : "laser off");
}

void SimPlateStage::MoveNext()
{
    if (m_running && !m_lockMass) {
        m_holding = false;
        if (m_spot + 1 < static_cast<int>(m_spots.size())) {
            report("next spot requested");
            beginSpot(m_spot + 1);
        }
        return;
    }
    CMaldiPlate* plate = TargetPlate();
    if (!plate || m_targetReference || m_targetWell >= plate->GetWellCount()) return;
    travelTo(m_targetWell + 1, false);
}

void SimPlateStage::MovePrevious()
{
    if (m_running && !m_lockMass) {
        m_holding = false;
        if (m_spot > 0) {
            report("previous spot requested");
            beginSpot(m_spot - 1);
        }
        return;
    }
    if (m_targetReference || m_targetWell <= 1) return;
    travelTo(m_targetWell - 1, false);
}

void SimPlateStage::StopPlate()
{
    if (m_running) {
        m_holding = true;
        report("plate held at " + WellName());
    } else {
        report("plate stopped");
    }
}

void SimPlateStage::SetSpeed(int speed)
{
    if (speed < 1 || speed > 8) {
        report("plate speed " + std::to_string(speed) + " refused");
        return;
    }
    m_speed = speed;
    report("plate speed " + std::to_string(speed));
}

void SimPlateStage::GoToLockMass(bool on)
{
    if (on == m_lockMass) return;
    m_lockMass = on;
    if (on) {
        travelTo(1, true);
        m_progress.reference = 1;
        m_progress.well = 1;
    } else if (m_running && m_spot >= 0) {
        const Spot& spot = m_spots[static_cast<size_t>(m_spot)];
        travelTo(spot.well, spot.reference);
        m_progress.reference = spot.reference ? 1 : 0;
        m_progress.well = spot.well;
    } else {
        travelTo(1, false);
        m_progress.reference = 0;
        m_progress.well = 1;
    }
    if (m_running && m_onProgress) m_onProgress(m_progress);
}

void SimPlateStage::IndexToFirstWell()
{
    if (m_running) return;
    report("plate indexing to the first well");
    travelTo(1, false);
}

void SimPlateStage::Advance(unsigned ms)
{
    if (m_paused) return;
    if (m_laser) {
        m_shotRemainder += kShotsPerSecond * ms / 1000.0;
        long whole = static_cast<long>(m_shotRemainder);
        m_shots += whole;
        m_shotRemainder -= static_cast<double>(whole);
    }
    if (m_phase == Phase::Idle) return;
    if (ms < m_phaseLeft) {
        m_phaseLeft -= ms;
        return;
    }
    if (m_phase == Phase::Travel) {
        m_phase = m_running ? Phase::Acquire : Phase::Idle;
        m_phaseLeft = m_acquireMs;
        if (m_running) {
            m_laser = true;
            report("acquiring at " + WellName());
        } else {
            report("stage at " + WellName());
        }
        return;
    }
    // Acquire finished: a held spot or the lock-mass well keeps acquiring.
    if (m_holding || m_lockMass) {
        m_phaseLeft = m_acquireMs;
        return;
    }
    ++m_spotsAcquired;
    if (m_spot + 1 < static_cast<int>(m_spots.size()))
        beginSpot(m_spot + 1);
    else
        endRun(true);
}
