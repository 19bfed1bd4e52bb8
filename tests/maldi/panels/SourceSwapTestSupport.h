#pragma once
// The source swap panel on a bench: the instrument's status properties, the host, the control client's
// writes; one tick is one step of the sequence, and the bench notes each new step and title.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
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
using Strings = std::vector<std::string>;
using Steps = std::vector<int>;

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

constexpr int kApiCone = 1;
constexpr int kMaldiCap = 2;

// The operator's instructions, byte for byte.
inline const std::string kTemperatureOk =
    "Source temperature is below 45\xB0" "C. Follow the instructions in the message box to swap the source.";
inline const std::string kTemperatureHot =
    "Source Temp above 45\xB0" "C. Probe swap suspended until source cools or interlock is overridden. Press "
    "thermometer button to override and continue.";
inline const std::string kOverridden = "Reducing temperature. Interlock overridden.";
inline const std::string kOpenSource = "Remove the source front, plumbing and open the side window.";
inline const std::string kUnloading = "Probe moving to isolate position.";
inline const std::string kUnloaded = "Probe at the isoltation position.";
inline const std::string kLoadingApi = "Probe moving to API throttle position.";

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
    void FitCover(int cover) { set(kCover, cover); }
    // --- the hardware ---
    void Probe(int state, int subStep) { set(kProbe, state * 16 + subStep); }
    void PreviousState(int state) { set(kPrevious, state); }
    void Temperature(double degrees) { set(kReadback, degrees); }
    void Set(const char* symbol, double value) { set(symbol, value); }
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
    Steps steps;   // each step as it became current
    Strings titles; // each new title on the indicator

    // The host's way: construct, CreateUI, Create, read the temperature, DisplayWindow.
    void Open(CMaldiAppInterface* app, CInstCtlClient* client)
    {
        panel = std::make_unique<CMaldiProbeSwapControlDlg>(app, client);
        panel->CreateUI(MaldiResources::Module().FindIcon(IDI_THERMOMETER));
        ASSERT_TRUE(panel->Create());
        wnd = panel->m_hWnd;
        panel->SetSourceTemperature();
        panel->DisplayWindow();
        steps = {Step()};
        titles.clear();
    }
    void Open() { Open(&host, &control); }
    // The cover disagrees with the host's mode (MALDI cover cap, host in API mode) and the probe is
    // at MALDI: the sequence skips the first unload (3 -> 14), then unloads at 16 and passes 17, 18.
    void OpenDisagreeing()
    {
        host.SetSourceMode(CMaldiAppInterface::SourceModeApi);
        Open();
    }

    void Note()
    {
        if (steps.empty() || steps.back() != Step()) steps.push_back(Step());
        const std::string title = Title().str();
        if (!title.empty() && (titles.empty() || titles.back() != title)) titles.push_back(title);
    }
    void Tick(int ticks = 1)
    {
        for (int i = 0; i < ticks; ++i) {
            a.Advance(CMaldiProbeSwapControlDlg::kTimerInterval);
            Note();
        }
    }
    int Step() const { return panel->GetSwapStep(); }
    // One tick; the step it leads to.
    int StepAfterTick()
    {
        Tick();
        return Step();
    }
    bool Click(int id)
    {
        const bool clicked = a.Click(wnd, id);
        Note();
        return clicked;
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
    std::pair<bool, bool> StepButtons() const { return {PrevEnabled(), NextEnabled()}; } // Prev, Next enabled
    std::pair<int, int> Indicator() const // position, upper limit
    {
        HWND bar = a.Find(wnd, kIndicator);
        return {a.ProgressPosition(bar), a.ProgressRange(bar).second};
    }
    Strings HostCalls() const { return host.Texts(); }
    Strings Writes() const
    {
        Strings texts;
        for (const auto& write : control.Writes()) texts.push_back(write.Text());
        return texts;
    }
};

// Whether the step, performed now, would stay where it is: it waits for the operator or for the
// hardware to change.
inline bool Waits(int step)
{
    const int front = static_cast<int>(Instrument::Value(kFront));
    const int cover = static_cast<int>(Instrument::Value(kCover));
    const int probe = static_cast<int>(Instrument::Value(kProbe)) >> 4;
    switch (step) {
    case 5: return front != 0;
    case 7:
    case 18: return probe != 0;
    case 9: return cover != 0;
    case 11: return cover == 0;
    case 20: return front != 1;
    case 15:
    case 22:
    case 24: return true;
    default: return false;
    }
}

// Plays the operator and the hardware of a swap that fits `cover` (kApiCone or kMaldiCap) until
// `until` is the current step (not yet performed): opens and closes the source, takes the old
// cover off and fits the new one when asked, confirms it, and moves the probe as commanded (on its
// way first, then ready). With `patience`, the first time the sequence waits in a step it is left
// waiting that many ticks first, and must not move on by itself.
inline bool PlaySwap(Bench& b, int until, int cover, int patience = 0, int maxTicks = 300)
{
    std::set<int> waited;
    for (int i = 0; i < maxTicks; ++i) {
        const int step = b.Step();
        if (step == until) return true;
        if (patience && Waits(step) && waited.insert(step).second) {
            b.Tick(patience);
            if (b.Step() != step) {
                ADD_FAILURE() << "step " << step << " went on to " << b.Step() << " by itself";
                return false;
            }
        }
        switch (step) {
        case 5: b.instrument.OpenSource(); break;
        case 7:
        case 18: b.instrument.Probe(0, 0); break;
        case 9: b.instrument.RemoveCover(); break;
        case 11: b.instrument.FitCover(cover); break;
        case 15:
            if (b.NextEnabled()) {
                b.Click(kNextStep);
                continue;
            }
            break;
        case 20: b.instrument.CloseSource(); break;
        case 22:
            if (b.Title() == "Close Source") {
                b.instrument.Probe(cover == kApiCone ? 8 : 1, 2); // on its way
            } else {
                b.instrument.Probe(cover == kApiCone ? 8 : 3, cover == kApiCone ? 5 : 0);
            }
            break;
        default: break;
        }
        b.Tick();
    }
    return b.Step() == until;
}

// True when the texts appear in the log in this order.
inline bool LogInOrder(const Bench& b, const Strings& texts)
{
    const std::string log = b.Log().str();
    size_t at = 0;
    for (const std::string& text : texts) {
        at = log.find(text, at);
        if (at == std::string::npos) return false;
        at += text.size();
    }
    return true;
}

} // namespace swap_test
