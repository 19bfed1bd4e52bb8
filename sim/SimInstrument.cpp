#include "sim/SimInstrument.h"

#include <cstdio>
#include <map>

#include "maldi/boundary/InstrumentProperty.h"
#include "platform/instrument/VEXPropertyTable.h"

namespace {

// The instrument behind each running thread timer (one in practice).
std::map<UINT_PTR, SimInstrument*>& Running()
{
    static std::map<UINT_PTR, SimInstrument*> running;
    return running;
}

bool Is(const std::string& symbol, const char* name) { return symbol == name; }

} // namespace

SimInstrument::SimInstrument(CInstCtlClient& client, SimTranscript& transcript)
    : m_client(client),
      m_transcript(transcript),
      m_source([this](const std::string& text) { m_transcript.Add("inst", text); }),
      m_stage([this](const std::string& text) { m_transcript.Add("stage", text); })
{
    m_client.SetWriteHook([this](const CInstCtlClient::WriteRecord& write) { onWrite(write); });
    m_timer = ::SetTimer(nullptr, 0, kTickMs, &SimInstrument::TimerProc);
    if (m_timer) Running()[m_timer] = this;
    m_source.Publish();
    VEXPropertyTable::Instance().Add(kCollisionEnergy, VEXPropertyKind::Setting, kDefaultCollisionEnergy);
}

SimInstrument::~SimInstrument()
{
    m_client.SetWriteHook(nullptr);
    if (m_timer) {
        ::KillTimer(nullptr, m_timer);
        Running().erase(m_timer);
    }
}

void SimInstrument::TimerProc(HWND, UINT, UINT_PTR id, DWORD)
{
    auto it = Running().find(id);
    if (it != Running().end()) it->second->Tick(kTickMs);
}

void SimInstrument::Tick(unsigned ms)
{
    m_source.Advance(ms);
    m_stage.Advance(ms);
    m_calibration.Advance(ms);
}

void SimInstrument::onWrite(const CInstCtlClient::WriteRecord& write)
{
    const std::string& symbol = write.symbol;
    // The throttle is written on every jog step: its own line says where the probe is going.
    m_transcript.Add("inst", "<- " + write.Text());
    if (write.kind == CInstCtlClient::WriteKind::Command) {
        if (Is(symbol, InstrumentProperty::UnloadProbeCommand)) m_source.UnloadProbe();
        else if (Is(symbol, InstrumentProperty::LoadProbeCommand)) m_source.LoadProbe();
        else if (Is(symbol, InstrumentProperty::EsProbeModeCommand)) m_source.EsProbeMode();
    } else if (write.kind == CInstCtlClient::WriteKind::Setting) {
        if (Is(symbol, InstrumentProperty::SourceTemperatureSetting)) m_source.SetTemperatureSetPoint(write.value);
        else if (Is(symbol, InstrumentProperty::ElectrosprayThrottlePositionSetting)) m_source.SetThrottleTarget(write.value);
    } else if (write.kind == CInstCtlClient::WriteKind::MaldiControl && write.control == kLaserFrequencyControl) {
        m_laserFrequency = static_cast<int>(write.value);
        m_transcript.Add("inst", "laser firing at " + std::to_string(m_laserFrequency) + " Hz");
    }
}

std::string SimInstrument::Describe() const
{
    char text[256];
    std::snprintf(text, sizeof text,
                  "cover %d, front %s, probe %d/%d (previous %d), source %.1f C (set %.1f), throttle %.0f, "
                  "laser %s at %d Hz, stage at %s",
                  m_source.ReportedCover(), m_source.FrontClosed() ? "closed" : "open", m_source.ProbeState(),
                  m_source.ProbeSubStep(), m_source.ProbePrevious(), m_source.Temperature(), m_source.SetPoint(),
                  m_source.Throttle(), m_stage.LaserOn() ? "on" : "off", m_laserFrequency, m_stage.WellName().c_str());
    return text;
}
