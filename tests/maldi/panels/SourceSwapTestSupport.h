#pragma once
// The source swap panel on a bench: the instrument's status properties set as the operator and the
// hardware would set them, the recording host, the control client's write log, and the panel
// opened as the host opens it. One tick is Advance(200), one step of the sequence.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "maldi/panels/CMaldiProbeSwapControlDlg.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "maldi/resources/MaldiResources.h"
#include "platform/framework/AutomationSession.h"
#include "platform/instrument/CInstCtlClient.h"
#include "platform/instrument/PropertyRuntime.h"
#include "platform/instrument/VEXPropertyTable.h"
#include "tests/support/RecordingAppInterface.h"

namespace swap_test {

using namespace maldi::res;

constexpr int kThermometer = static_cast<int>(IDI_THERMOMETER);
constexpr int kPrevStep = static_cast<int>(IDI_PREVIOUS);
constexpr int kNextStep = static_cast<int>(IDI_NEXT);
constexpr int kExpand = static_cast<int>(IDI_EXPAND_INFORMATION);
constexpr int kIndicator = static_cast<int>(IDC_PROBE_POSITION);
constexpr int kGauge = static_cast<int>(IDC_SOURCE_TEMPERATURE);
constexpr int kLog = static_cast<int>(IDC_SWAP_STATUS_LOG);

constexpr const char* kCover = "PROBE_COVER_STATE_STATUS";
constexpr const char* kFront = "SOURCE_PRESENT_STATE_STATUS";
constexpr const char* kProbe = "PROBE_STATE_STATUS";
constexpr const char* kPrevious = "PROBE_PREVIOUS_STATE";
constexpr const char* kReadback = "SOURCE_TEMPERATURE_RB";
constexpr const char* kSetPoint = "SOURCE_TEMPERATURE_SETTING";

// The source hardware as status properties. Starts as the table does: MALDI cover cap fitted,
// source closed, probe ready at the MALDI position (3, 0), previous state 1, source at 30.0.
class Instrument {
public:
    Instrument() { table().Reset(); }
    ~Instrument() { table().Reset(); }

    // --- the operator ---
    void OpenSource() { set(kFront, 0); }
    void CloseSource() { set(kFront, 1); }
    void RemoveCover() { set(kCover, 0); }
    void FitApiCone() { set(kCover, 1); }
    void FitMaldiCap() { set(kCover, 2); }
    // --- the hardware ---
    void Probe(int state, int subStep) { set(kProbe, state * 16 + subStep); }
    void PreviousState(int state) { set(kPrevious, state); }
    void Temperature(double degrees) { set(kReadback, degrees); }
    // --- an instrument that does not know a property (for now) ---
    void Forget(const char* symbol) { table().Remove(symbol); }
    void Restore(const char* symbol, VEXPropertyKind kind, double value) { table().Add(symbol, kind, value); }

    static double Value(const char* symbol) { return vexPropertyGetLastTransferVal(getPropertyHandleFromSymbol(symbol)); }

private:
    static VEXPropertyTable& table() { return VEXPropertyTable::Instance(); }
    static void set(const char* symbol, double value)
    {
        VEXPropertyTag* tag = getPropertyHandleFromSymbol(symbol);
        ASSERT_NE(tag, nullptr) << symbol << " is not known";
        vexPropertySetLastTransferVal(tag, value);
    }
};

struct Bench {
    AutomationSession session;
    Automation& a = *session;
    Instrument instrument;
    RecordingAppInterface host;
    CInstCtlClient control;
    std::unique_ptr<CMaldiProbeSwapControlDlg> panel;
    HWND wnd = nullptr;

    // The host's way: construct, CreateUI, Create, read the temperature, DisplayWindow.
    void Open(CMaldiAppInterface* app, CInstCtlClient* client)
    {
        panel = std::make_unique<CMaldiProbeSwapControlDlg>(app, client);
        panel->CreateUI(MaldiResources::Module().FindIcon(IDI_THERMOMETER));
        ASSERT_TRUE(panel->Create());
        wnd = panel->m_hWnd;
        panel->SetSourceTemperature();
        panel->DisplayWindow();
    }
    void Open() { Open(&host, &control); }

    void Tick(int ticks = 1)
    {
        for (int i = 0; i < ticks; ++i) a.Advance(CMaldiProbeSwapControlDlg::kTimerInterval);
    }
    int Step() const { return panel->GetSwapStep(); }
    // One tick; the step it leads to.
    int StepAfterTick()
    {
        Tick();
        return Step();
    }

    CString Title() const { return a.Text(wnd, kIndicator); }
    CString Log() const { return a.Text(wnd, kLog); }
    int LogLines() const { return static_cast<int>(::SendMessage(a.Find(wnd, kLog), EM_GETLINECOUNT, 0, 0)); }
    // How often the log holds the text.
    int LogCount(const std::string& text) const
    {
        const std::string log = Log().str();
        int count = 0;
        for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) ++count;
        return count;
    }
    bool PrevEnabled() const { return a.IsEnabled(a.Find(wnd, kPrevStep)); }
    bool NextEnabled() const { return a.IsEnabled(a.Find(wnd, kNextStep)); }
    std::pair<int, int> Indicator() const // position, upper limit
    {
        HWND bar = a.Find(wnd, kIndicator);
        return {a.ProgressPosition(bar), a.ProgressRange(bar).second};
    }
    bool Click(int id) { return a.Click(wnd, id); }
    std::vector<std::string> HostCalls() const { return host.Texts(); }
    std::string Writes() const { return control.WriteLog(); }

    // Ticks until the step is reached (true) or the ticks run out (false), playing no part.
    bool TickUntil(int step, int maxTicks = 100)
    {
        for (int i = 0; i < maxTicks && Step() != step; ++i) Tick();
        return Step() == step;
    }
};

} // namespace swap_test
