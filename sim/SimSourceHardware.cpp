#include "sim/SimSourceHardware.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "maldi/boundary/InstrumentProperty.h"
#include "platform/instrument/PropertyRuntime.h"
#include "platform/instrument/VEXPropertyTable.h"

namespace {

// The first movement of a command shows within one instrument tick.
constexpr unsigned kStartMs = 50;

double ReadOr(const char* symbol, double fallback)
{
    double value = fallback;
    InstrumentProperty::Read(symbol, value);
    return value;
}

void Store(const char* symbol, double value)
{
    if (VEXPropertyTag* tag = getPropertyHandleFromSymbol(symbol)) vexPropertySetLastTransferVal(tag, value);
}

const char* CoverName(int cover)
{
    switch (cover) {
    case SimSourceHardware::kCoverNone: return "none";
    case SimSourceHardware::kCoverApiCone: return "API cone";
    case SimSourceHardware::kCoverMaldiCap: return "MALDI cover cap";
    default: return "unknown cover";
    }
}

} // namespace

SimSourceHardware::SimSourceHardware(Reporter report) : m_report(std::move(report))
{
    m_cover = m_coverReported = static_cast<int>(ReadOr(InstrumentProperty::ProbeCoverStateStatus, m_cover));
    m_frontClosed = ReadOr(InstrumentProperty::SourcePresentStateStatus, 1.0) != 0.0;
    int status = static_cast<int>(ReadOr(InstrumentProperty::ProbeStateStatus, 0x30));
    m_probeState = (status >> 4) & 0x0F;
    m_probeSubStep = status & 0x0F;
    m_probePrevious = static_cast<int>(ReadOr(InstrumentProperty::ProbePreviousState, m_probePrevious));
    m_temperature = ReadOr(InstrumentProperty::SourceTemperatureReadback, m_temperature);
    m_setPoint = ReadOr(InstrumentProperty::SourceTemperatureSetting, m_setPoint);
    m_throttle = m_throttleTarget = ReadOr(InstrumentProperty::ElectrosprayThrottlePositionSetting, m_throttle);
    VEXPropertyTable::Instance().Add(kThrottleReadback, VEXPropertyKind::Readback, m_throttle);
}

void SimSourceHardware::OpenFront()
{
    if (!m_frontClosed) return;
    m_frontClosed = false;
    m_report("source front open");
    Publish();
}

void SimSourceHardware::CloseFront()
{
    if (m_frontClosed) return;
    m_frontClosed = true;
    m_report("source front closed");
    Publish();
}

void SimSourceHardware::RemoveCover()
{
    if (m_cover == kCoverNone) return;
    m_report(std::string(CoverName(m_cover)) + " removed");
    m_cover = m_coverReported = kCoverNone;
    m_coverDetectLeft = 0;
    Publish();
}

void SimSourceHardware::FitCover(int cover)
{
    if (cover != kCoverApiCone && cover != kCoverMaldiCap) return;
    m_cover = cover;
    m_coverReported = kCoverNone;
    m_coverDetectLeft = kCoverDetectMs;
    m_report(std::string(CoverName(cover)) + " fitted, backing pressure settling");
    Publish();
}

void SimSourceHardware::SetTemperature(double readback, double setPoint)
{
    m_temperature = readback;
    m_setPoint = setPoint;
    Publish();
}

void SimSourceHardware::SetFittedApi()
{
    m_cover = m_coverReported = kCoverApiCone;
    m_coverDetectLeft = 0;
    m_phases.clear();
    m_probePrevious = m_probeState;
    m_probeState = 8;
    m_probeSubStep = 5;
    Publish();
}

void SimSourceHardware::enter(int state, int subStep)
{
    if (state != m_probeState) m_probePrevious = m_probeState;
    m_probeState = state;
    m_probeSubStep = subStep;
    if (state == 0) m_report("probe at the isolation position");
    if (state == 3 && subStep == 0) m_report("probe at the MALDI index position");
    if (state == 8 && subStep == 5) m_report("probe at the API throttle position");
}

void SimSourceHardware::queueWithdraw()
{
    m_phases.clear();
    m_phaseElapsed = 0;
    if (m_probeState == 0) return;
    for (int step = 0; step < 4; ++step)
        m_phases.push_back(Phase{4, step, step == 0 ? kStartMs : kUnloadStepMs});
    m_phases.push_back(Phase{0, 0, kUnloadStepMs});
}

void SimSourceHardware::UnloadProbe()
{
    if (m_probeState == 0 && m_phases.empty()) {
        m_report("unload: probe already isolated");
        return;
    }
    queueWithdraw();
    m_report("probe withdrawing to the isolation position");
}

void SimSourceHardware::LoadProbe()
{
    if (!m_frontClosed) {
        m_report("load refused: the source front is open");
        return;
    }
    queueWithdraw();
    for (int subStep = 8; subStep >= 0; --subStep)
        m_phases.push_back(Phase{1, subStep, m_phases.empty() && subStep == 8 ? kStartMs : kLoadStepMs});
    m_phases.push_back(Phase{3, 0, kLoadStepMs});
    m_report("probe moving to the MALDI index position");
}

void SimSourceHardware::EsProbeMode()
{
    if (!m_frontClosed) {
        m_report("ES probe mode refused: the source front is open");
        return;
    }
    queueWithdraw();
    for (int subStep = 0; subStep <= 5; ++subStep)
        m_phases.push_back(Phase{8, subStep, m_phases.empty() && subStep == 0 ? kStartMs : kEsStepMs});
    m_report("probe moving to the API throttle position");
}

void SimSourceHardware::SetTemperatureSetPoint(double setPoint)
{
    m_setPoint = setPoint;
    char text[64];
    std::snprintf(text, sizeof text, "source heater set point %.1f", setPoint);
    m_report(text);
}

void SimSourceHardware::SetThrottleTarget(double position)
{
    m_throttleTarget = position;
}

void SimSourceHardware::Advance(unsigned ms)
{
    m_phaseElapsed += ms;
    while (!m_phases.empty() && m_phaseElapsed >= m_phases.front().ms) {
        m_phaseElapsed -= m_phases.front().ms;
        Phase next = m_phases.front();
        m_phases.pop_front();
        enter(next.state, next.subStep);
    }
    if (m_phases.empty()) m_phaseElapsed = 0;

    if (m_coverDetectLeft > 0) {
        m_coverDetectLeft = ms >= m_coverDetectLeft ? 0 : m_coverDetectLeft - ms;
        if (m_coverDetectLeft == 0) {
            m_coverReported = m_cover;
            m_report(std::string("backing pressure steady: ") + CoverName(m_cover) + " detected");
        }
    }

    if (m_temperature > m_setPoint)
        m_temperature = m_setPoint + (m_temperature - m_setPoint) * std::exp(-static_cast<double>(ms) / kCoolingTauMs);
    else
        m_temperature = std::min(m_setPoint, m_temperature + kHeatingPerSecond * ms / 1000.0);

    double travel = kThrottleStepsPerSecond * ms / 1000.0;
    if (std::fabs(m_throttleTarget - m_throttle) <= travel)
        m_throttle = m_throttleTarget;
    else
        m_throttle += m_throttleTarget > m_throttle ? travel : -travel;
    Publish();
}

void SimSourceHardware::Publish() const
{
    Store(InstrumentProperty::ProbeCoverStateStatus, m_coverReported);
    Store(InstrumentProperty::SourcePresentStateStatus, m_frontClosed ? 1.0 : 0.0);
    Store(InstrumentProperty::ProbeStateStatus, (m_probeState << 4) | m_probeSubStep);
    Store(InstrumentProperty::ProbePreviousState, m_probePrevious);
    Store(InstrumentProperty::SourceTemperatureReadback, std::round(m_temperature * 10.0) / 10.0);
    Store(InstrumentProperty::SourceTemperatureSetting, m_setPoint);
    Store(InstrumentProperty::ElectrosprayThrottlePositionSetting, m_throttleTarget);
    Store(kThrottleReadback, std::round(m_throttle));
}
