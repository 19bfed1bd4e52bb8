#include "sim/SimCalibrationSearch.h"

#include <algorithm>
#include <cmath>

bool SimCalibrationSearch::Start(const Settings& settings)
{
    if (m_running || settings.window < 1 || !(settings.step >= 0.0)) return false;
    m_settings = settings;
    m_settings.window = std::min(settings.window, kMaxWindow);
    m_aimMs = std::max(kMinAimMs, static_cast<unsigned>(std::max(0, settings.delayPerRow)) /
                                      static_cast<unsigned>(m_settings.window));
    m_running = true;
    m_hole = 1;
    m_aim = 0;
    m_sinceAim = 0;
    m_aimsMade = 0;
    m_searched = false;
    m_sum[0][0] = m_sum[0][1] = m_sum[1][0] = m_sum[1][1] = 0.0;
    m_hits[0] = m_hits[1] = 0;
    return true;
}

void SimCalibrationSearch::Abort()
{
    if (m_running) finish(End::Aborted);
}

void SimCalibrationSearch::Advance(unsigned ms)
{
    m_sinceAim += ms;
    while (m_running && m_sinceAim >= m_aimMs) {
        m_sinceAim -= m_aimMs;
        if (m_searched) {
            finish(m_hits[0] > 0 && m_hits[1] > 0 ? End::Completed : End::Failed);
        } else {
            makeAim();
        }
    }
}

void SimCalibrationSearch::makeAim()
{
    const int n = m_settings.window;
    const double* expected = m_hole == 1 ? m_settings.hole1 : m_settings.hole2;
    const double* offset = m_hole == 1 ? kHole1Offset : kHole2Offset;
    const double centre = (n - 1) / 2.0;
    Aim aim;
    aim.hole = m_hole;
    aim.aim = m_aim;
    aim.x = expected[0] + (m_aim % n - centre) * m_settings.step;
    aim.y = expected[1] + (m_aim / n - centre) * m_settings.step;
    aim.hit = std::hypot(aim.x - (expected[0] + offset[0]), aim.y - (expected[1] + offset[1])) <= kHoleRadius;
    if (aim.hit) {
        m_sum[m_hole - 1][0] += aim.x;
        m_sum[m_hole - 1][1] += aim.y;
        ++m_hits[m_hole - 1];
    }
    ++m_aimsMade;
    if (m_onAim) m_onAim(aim);

    if (++m_aim < n * n) return;
    if (m_hole == 1) {
        m_hole = 2;
        m_aim = 0;
        return;
    }
    m_searched = true;
}

void SimCalibrationSearch::finish(End end)
{
    m_running = false;
    Result result;
    result.end = end;
    for (int h = 0; h < 2; ++h) {
        double* found = h == 0 ? result.hole1 : result.hole2;
        for (int c = 0; c < 2; ++c) found[c] = m_hits[h] ? m_sum[h][c] / m_hits[h] : 0.0;
    }
    if (m_onEnd) m_onEnd(result);
}
