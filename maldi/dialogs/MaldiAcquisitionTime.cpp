#include "maldi/dialogs/MaldiAcquisitionTime.h"

#include <algorithm>
#include <climits>

namespace {

// Times typed or set near the int limits must not overflow: the result stops at the limit.
int clamped(long long seconds)
{
    return static_cast<int>(std::clamp<long long>(seconds, INT_MIN, INT_MAX));
}

} // namespace

void MaldiAcquisitionTime::Open()
{
    OpenKeepingStartTime();
    if (!m_useLockMass) m_start = 0;
}

void MaldiAcquisitionTime::OpenKeepingStartTime()
{
    if (m_useLockMass) {
        m_start = m_lockMass;
        m_sample = clamped(static_cast<long long>(m_end) - m_lockMass);
    } else {
        m_sample = m_end;
    }
    m_total = m_end;
}

void MaldiAcquisitionTime::ToggleLockMass()
{
    if (!m_useLockMass) {
        m_start = m_lockMass;
        m_end = clamped(static_cast<long long>(m_lockMass) + m_sample);
        m_useLockMass = TRUE;
    } else {
        m_start = 0;
        m_end = m_sample;
        m_useLockMass = FALSE;
    }
    m_total = m_end;
}

void MaldiAcquisitionTime::SampleTimeChanged()
{
    m_start = m_useLockMass ? m_lockMass : 0;
    m_end = clamped(static_cast<long long>(m_start) + m_sample);
    m_total = m_end;
}

void MaldiAcquisitionTime::LockMassTimeChanged()
{
    m_start = m_lockMass;
    m_end = clamped(static_cast<long long>(m_lockMass) + m_sample);
    m_total = m_end;
}
