#pragma once
// The acquisition time bookkeeping of a MALDI scan function: an optional lock-mass phase, then the
// sample phase. It works on the owning window's own members (bound at construction), so that each
// window keeps its values where its data exchange and its host expect them.
//
// Kept by every operation: start time = lock-mass time when the lock mass is used, else 0;
// end time = start time + sample time; total time = end time. All times are whole seconds.
//
//   MaldiAcquisitionTime m_time{m_nStartTime, m_nEndTime, m_nLockMassTime, m_nSampleTime,
//                               m_bUseLockMass, m_dTotalTime};
//   OnInitDialog: m_time.Open();       "Use Lock Mass" clicked: m_time.ToggleLockMass();
//   sample time typed: m_time.SampleTimeChanged();   lock-mass time typed: m_time.LockMassTimeChanged();

#include "platform/framework/WinTypes.h"

class MaldiAcquisitionTime {
public:
    MaldiAcquisitionTime(int& startTime, int& endTime, int& lockMassTime, int& sampleTime, BOOL& useLockMass,
                         double& totalTime)
        : m_start(startTime), m_end(endTime), m_lockMass(lockMassTime), m_sample(sampleTime),
          m_useLockMass(useLockMass), m_total(totalTime)
    {
    }
    MaldiAcquisitionTime(const MaldiAcquisitionTime&) = delete;
    MaldiAcquisitionTime& operator=(const MaldiAcquisitionTime&) = delete;

    // From the values the host set (end time, lock-mass time, use lock mass): the sample time is
    // what the end time leaves after the lock-mass phase.
    void Open();
    // As Open, except that without the lock mass the start time keeps the value that was set.
    void OpenKeepingStartTime();
    // The operator switched the lock mass on or off: the sample time stays, the end time moves.
    void ToggleLockMass();
    // The operator changed the sample time or the lock-mass time: the end time follows.
    void SampleTimeChanged();
    void LockMassTimeChanged();

private:
    int& m_start;
    int& m_end;
    int& m_lockMass;
    int& m_sample;
    BOOL& m_useLockMass;
    double& m_total;
};
