// The source swap sequence, driven tick by tick on the virtual clock against the instrument's
// property table: complete swaps both ways, the temperature interlock and its override, the
// cover/mode check, the recovery paths, the pressure check, waiting on unknown symbols and null
// host or control client.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "SourceSwapTestSupport.h"

using namespace swap_test;

namespace {

// The operator's instructions, byte for byte.
const std::string kTemperatureOk =
    "Source temperature is below 45\xB0" "C. Follow the instructions in the message box to swap the source.";
const std::string kTemperatureHot =
    "Source Temp above 45\xB0" "C. Probe swap suspended until source cools or interlock is overridden. Press "
    "thermometer button to override and continue.";
const std::string kOverridden = "Reducing temperature. Interlock overridden.";
const std::string kOpenSource = "Remove the source front, plumbing and open the side window.";
const std::string kUnloading = "Probe moving to isolate position.";
const std::string kRemoveCone = "Remove the API cone.";
const std::string kRemoveCover = "Remove the MALDI cover cap.";
const std::string kFitCover = "Fit either sample cover. The type will be auto detected.";
const std::string kPressureCheck = "Checking the backing pressure to determine which sample cover is fitted.";
const std::string kConfirmApi =
    "Press Next Step arrow to confirm API mode. Press Prev Step arrow to go back and change cover type.";
const std::string kConfirmMaldi =
    "Press Next Step arrow to confirm MALDI mode. Press Prev Step arrow to go back and change cover type.";
const std::string kUnloaded = "Probe at the isoltation position.";
const std::string kCloseSource = "Replace the source front, plumbing and close the side window";
const std::string kLoadingApi = "Probe moving to API throttle position.";
const std::string kLoadingMaldi = "Probe moving to MALDI index position.";
const std::string kApiReady = "Press Next Step arrow to set the software mode and close this window.";
const std::string kMaldiReady = "Press Next Step arrow to set the software mode, and close this window. If swapped "
                                "from API, plate will then index to A1 position.";

using Strings = std::vector<std::string>;
using Steps = std::vector<int>;

// The steps a bench passes through, each noted when it becomes current.
struct StepTrace {
    Bench& b;
    Steps steps;
    explicit StepTrace(Bench& bench) : b(bench), steps{bench.Step()} {}
    void Note()
    {
        if (steps.back() != b.Step()) steps.push_back(b.Step());
    }
    void Tick(int ticks = 1)
    {
        for (int i = 0; i < ticks; ++i) {
            b.Tick();
            Note();
        }
    }
    bool Click(int id)
    {
        bool clicked = b.Click(id);
        Note();
        return clicked;
    }
};

// Plays the operator and the hardware of a swap that fits `cover` (1 API cone, 2 MALDI cover cap)
// until `until` is the current step (not yet performed): opens and closes the source, takes the old
// cover off and fits the new one when asked, confirms it, and moves the probe as commanded.
bool PlaySwap(Bench& b, int until, int cover, int maxTicks = 300)
{
    for (int i = 0; i < maxTicks; ++i) {
        if (b.Step() == until) return true;
        switch (b.Step()) {
        case 5:
            b.instrument.OpenSource();
            break;
        case 7:
        case 18:
            b.instrument.Probe(0, 0);
            break;
        case 9:
            b.instrument.RemoveCover();
            break;
        case 11:
            if (cover == 1) b.instrument.FitApiCone();
            if (cover == 2) b.instrument.FitMaldiCap();
            break;
        case 15:
            if (b.NextEnabled()) {
                b.Click(kNextStep);
                continue;
            }
            break;
        case 20:
            b.instrument.CloseSource();
            break;
        case 22:
            if (cover == 1) b.instrument.Probe(8, 5);
            if (cover == 2) b.instrument.Probe(3, 0);
            break;
        default:
            break;
        }
        b.Tick();
    }
    return b.Step() == until;
}

// A bench whose fitted cover disagrees with the host's mode: the MALDI cover cap with the host in
// API mode, probe at the MALDI position. The sequence skips the unload (3 -> 14) and unloads at 16.
void OpenDisagreeing(Bench& b)
{
    b.host.SetSourceMode(CMaldiAppInterface::SourceModeApi);
    b.instrument.FitMaldiCap();
    b.instrument.Probe(3, 0);
    b.Open();
}

// True when the texts appear in the log in this order.
bool LogInOrder(const Bench& b, const Strings& texts)
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

Strings Writes(const CInstCtlClient& control)
{
    Strings texts;
    for (const auto& write : control.Writes()) texts.push_back(write.Text());
    return texts;
}

} // namespace

TEST(SourceSwapSequence, MaldiToApiWithACoolSourceRunsTheTypicalSwap)
{
    Bench b;
    b.Open(); // host in MALDI mode, MALDI cover cap fitted, source closed, probe ready at MALDI, 30 degrees
    StepTrace t(b);
    EXPECT_FALSE(b.PrevEnabled());
    EXPECT_FALSE(b.NextEnabled());

    t.Tick(); // 0: cool enough
    EXPECT_EQ(b.Title(), "Temperature Ok");
    EXPECT_EQ(b.Indicator(), std::make_pair(1, 1));
    t.Tick(2); // 2: a cover is fitted; 3: it agrees with the host's mode
    EXPECT_EQ(b.HostCalls(), Strings{"GetSourceMode()"});
    EXPECT_EQ(b.Step(), 4);

    t.Tick(); // 4
    EXPECT_EQ(b.Title(), "Open Source");
    EXPECT_EQ(b.Indicator(), std::make_pair(0, 9)); // probe ready at MALDI: empty bar
    t.Tick(3);
    EXPECT_EQ(b.Step(), 5) << "waits for the source to be opened";
    b.instrument.OpenSource();
    t.Tick(2); // 5, 6: unload
    EXPECT_EQ(Writes(b.control), Strings{"Command UNLOAD_PROBE_COMMAND"});
    EXPECT_EQ(b.Title(), "Unloading");
    t.Tick(3);
    EXPECT_EQ(b.Step(), 7) << "waits for the probe to be isolated";
    b.instrument.Probe(0, 0);
    t.Tick(2); // 7, 8
    EXPECT_EQ(b.Title(), "Remove Cover");
    t.Tick(2);
    EXPECT_EQ(b.Step(), 9) << "waits for the cover to come off";
    b.instrument.RemoveCover();
    t.Tick(2); // 9, 10
    EXPECT_EQ(b.Title(), "Fit Sample Cover");
    t.Tick(2);
    EXPECT_EQ(b.Step(), 11) << "waits for a cover";
    b.instrument.FitApiCone();
    t.Tick(2); // 11, 12
    EXPECT_EQ(b.Title(), "Pressure Check");
    t.Tick(30); // 13
    EXPECT_EQ(b.Step(), 14);
    EXPECT_FALSE(b.NextEnabled());
    t.Tick(); // 14
    EXPECT_EQ(b.Title(), "Confirm API");
    EXPECT_TRUE(b.PrevEnabled());
    EXPECT_TRUE(b.NextEnabled());
    t.Tick(5);
    EXPECT_EQ(b.Step(), 15) << "waits for the operator";

    ASSERT_TRUE(t.Click(kNextStep));
    EXPECT_EQ(b.Step(), 16);
    EXPECT_FALSE(b.PrevEnabled());
    EXPECT_FALSE(b.NextEnabled());
    t.Tick(2); // 16: probe already isolated, 19
    EXPECT_EQ(Writes(b.control), Strings{"Command UNLOAD_PROBE_COMMAND"}) << "no second unload";
    EXPECT_EQ(b.Title(), "Close Source");
    t.Tick(2);
    EXPECT_EQ(b.Step(), 20) << "waits for the source to be closed";
    b.instrument.CloseSource();
    t.Tick(2); // 20, 21: probe to the API throttle position
    EXPECT_EQ(Writes(b.control), (Strings{"Command UNLOAD_PROBE_COMMAND", "Command ES_PROBE_MODE_COMMAND"}));
    b.instrument.Probe(8, 2);
    t.Tick(3);
    EXPECT_EQ(b.Step(), 22);
    EXPECT_EQ(b.Title(), "Loading API");
    EXPECT_EQ(b.Indicator(), std::make_pair(3, 6));
    b.instrument.Probe(8, 5);
    t.Tick(); // 22
    EXPECT_EQ(b.Title(), "API Ready");
    EXPECT_EQ(b.panel->GetTargetSourceMode(), 0);
    t.Tick(); // 23
    EXPECT_FALSE(b.PrevEnabled());
    EXPECT_TRUE(b.NextEnabled());
    t.Tick(5);
    EXPECT_EQ(b.Step(), 24) << "waits for the operator";
    EXPECT_EQ(b.HostCalls(), Strings{"GetSourceMode()"});

    ASSERT_TRUE(t.Click(kNextStep));
    EXPECT_EQ(b.HostCalls(), (Strings{"GetSourceMode()", "SourceSwapComplete(0)"}));
    EXPECT_FALSE(b.a.IsVisible(b.wnd)) << "the window closes";
    EXPECT_FALSE(b.NextEnabled());

    EXPECT_EQ(t.steps, (Steps{0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 19, 20, 21, 22, 23, 24}));
    EXPECT_TRUE(LogInOrder(b, {"PROBE SWAP", kTemperatureOk, kOpenSource, kUnloading, kRemoveCover, kFitCover,
                               kPressureCheck, kConfirmApi, kCloseSource, kLoadingApi, kApiReady}));

    // The timer stopped with the window: nothing more happens.
    b.instrument.OpenSource();
    b.Tick(10);
    EXPECT_EQ(b.Step(), 24);
    EXPECT_EQ(b.HostCalls().size(), 2u);
}

TEST(SourceSwapSequence, ApiToMaldiLoadsTheProbeToTheMaldiIndexPosition)
{
    Bench b;
    b.host.SetSourceMode(CMaldiAppInterface::SourceModeApi);
    b.instrument.FitApiCone();
    b.instrument.Probe(8, 5);
    b.Open();

    ASSERT_TRUE(PlaySwap(b, 9, 2));
    EXPECT_EQ(b.Title(), "Remove Cone");
    ASSERT_TRUE(PlaySwap(b, 15, 2));
    EXPECT_EQ(b.Title(), "Confirm MALDI");
    ASSERT_TRUE(PlaySwap(b, 22, 2));
    EXPECT_EQ(Writes(b.control), (Strings{"Command UNLOAD_PROBE_COMMAND", "Command LOAD_PROBE_COMMAND"}));

    b.instrument.Probe(1, 0);
    b.Tick();
    EXPECT_EQ(b.Title(), "Loading MALDI");
    EXPECT_EQ(b.Indicator(), std::make_pair(9, 9));
    b.instrument.Probe(1, 8);
    b.Tick();
    EXPECT_EQ(b.Indicator(), std::make_pair(1, 9));
    b.instrument.Probe(3, 2); // at MALDI but not ready: nothing new
    b.Tick();
    EXPECT_EQ(b.Step(), 22);
    EXPECT_EQ(b.Title(), "Loading MALDI");
    EXPECT_EQ(b.Indicator(), std::make_pair(1, 9));
    b.instrument.Probe(3, 0);
    b.Tick();
    EXPECT_EQ(b.Title(), "MALDI Ready");
    EXPECT_EQ(b.Indicator(), std::make_pair(0, 9));
    EXPECT_EQ(b.panel->GetTargetSourceMode(), 2);
    b.Tick();
    ASSERT_TRUE(b.Click(kNextStep));
    EXPECT_EQ(b.HostCalls(), (Strings{"GetSourceMode()", "SourceSwapComplete(2)"}));
    EXPECT_FALSE(b.a.IsVisible(b.wnd));
    EXPECT_TRUE(LogInOrder(b, {kRemoveCone, kFitCover, kConfirmMaldi, kLoadingMaldi, kMaldiReady}));
}

TEST(SourceSwapSequence, HotSourceWaitsUntilTheThermometerOverridesTheInterlock)
{
    Bench b;
    b.instrument.Temperature(60.0);
    b.instrument.Restore(kSetPoint, VEXPropertyKind::Setting, 120.0);
    b.Open();
    EXPECT_EQ(b.panel->GetTemperatureStatus(), CMaldiProbeSwapControlDlg::kTemperatureHot);

    b.Tick(10);
    EXPECT_EQ(b.Step(), 0);
    EXPECT_EQ(b.Title(), "Temperature!");
    EXPECT_EQ(b.Indicator(), std::make_pair(1, 1));
    EXPECT_EQ(b.LogCount(kTemperatureHot), 1) << "shown every tick, logged once";
    EXPECT_FALSE(b.PrevEnabled());
    EXPECT_FALSE(b.NextEnabled());

    ASSERT_TRUE(b.Click(kThermometer));
    EXPECT_EQ(Writes(b.control), Strings{"Setting SOURCE_TEMPERATURE_SETTING = 30"});
    EXPECT_EQ(Instrument::Value(kSetPoint), 30.0) << "the last-transfer value is set at once";
    EXPECT_EQ(b.panel->GetTemperatureStatus(), CMaldiProbeSwapControlDlg::kTemperatureOverridden);
    EXPECT_EQ(b.Step(), 1);
    ASSERT_TRUE(b.Click(kThermometer));
    EXPECT_EQ(b.control.Writes().size(), 1u) << "only step 0 overrides";

    b.Tick();
    EXPECT_EQ(b.Title(), "Temperature!");
    EXPECT_EQ(b.LogCount(kOverridden), 1);
    EXPECT_EQ(b.Step(), 2) << "goes on although the source is still hot";
    EXPECT_EQ(b.panel->GetSourceTemperature(), 60.0);
    EXPECT_TRUE(PlaySwap(b, 24, 1));
}

TEST(SourceSwapSequence, EitherStepButtonAtStepZeroIsTheOverride)
{
    for (int button : {kPrevStep, kNextStep}) {
        SCOPED_TRACE(button);
        Bench b;
        b.Open();
        // Step buttons left enabled by a run closed at step 15 stay enabled into the next run.
        ASSERT_TRUE(PlaySwap(b, 15, 1));
        ASSERT_TRUE(b.a.PressCloseBox(b.wnd));
        b.instrument.Temperature(70.0);
        b.panel->SetSourceTemperature();
        b.panel->DisplayWindow();
        ASSERT_TRUE(b.PrevEnabled());
        b.control.ClearWrites();

        ASSERT_TRUE(b.Click(button));
        EXPECT_EQ(Writes(b.control), Strings{"Setting SOURCE_TEMPERATURE_SETTING = 30"});
        EXPECT_EQ(b.Step(), 1);
    }
}

TEST(SourceSwapSequence, OverrideWithoutTheSetPointSymbolDoesNothing)
{
    Bench b;
    b.instrument.Temperature(60.0);
    b.instrument.Forget(kSetPoint);
    b.Open();
    b.Tick();
    ASSERT_TRUE(b.Click(kThermometer));
    EXPECT_TRUE(b.control.Writes().empty());
    EXPECT_EQ(b.panel->GetTemperatureStatus(), CMaldiProbeSwapControlDlg::kTemperatureHot);
    b.Tick(3);
    EXPECT_EQ(b.Step(), 0);
}

TEST(SourceSwapSequence, InterlockThresholdIsFortyFiveDegreesInclusive)
{
    {
        SCOPED_TRACE("45.0");
        Bench b;
        b.instrument.Temperature(45.0);
        b.Open();
        EXPECT_EQ(b.panel->GetTemperatureStatus(), CMaldiProbeSwapControlDlg::kTemperatureOk);
        EXPECT_EQ(b.StepAfterTick(), 2);
        EXPECT_EQ(b.LogCount(kTemperatureOk), 1);
    }
    {
        SCOPED_TRACE("45.9");
        Bench b;
        b.instrument.Temperature(45.9);
        b.Open();
        EXPECT_EQ(b.a.Text(b.wnd, kGauge), "45 \xB0" "C");
        b.Tick(5);
        EXPECT_EQ(b.Step(), 0);
        EXPECT_EQ(b.a.Text(b.wnd, kGauge), "45 \xB0" "C");
        EXPECT_EQ(b.panel->GetTemperatureStatus(), CMaldiProbeSwapControlDlg::kTemperatureHot);

        b.instrument.Temperature(45.0); // read first, then the step: released in the same tick
        EXPECT_EQ(b.StepAfterTick(), 2);
        EXPECT_TRUE(LogInOrder(b, {kTemperatureHot, kTemperatureOk}));

        b.instrument.Temperature(80.0); // nothing sets the interlock again during a run
        b.Tick();
        EXPECT_EQ(b.panel->GetTemperatureStatus(), CMaldiProbeSwapControlDlg::kTemperatureOk);
    }
}

TEST(SourceSwapSequence, CoverAgainstSoftwareMode)
{
    {
        SCOPED_TRACE("MALDI cover cap, host in API mode: confirm MALDI at once");
        Bench b;
        OpenDisagreeing(b);
        StepTrace t(b);
        t.Tick(4);
        EXPECT_EQ(b.Title(), "Confirm MALDI");
        EXPECT_TRUE(b.NextEnabled());
        ASSERT_TRUE(t.Click(kNextStep));
        t.Tick(); // 16: probe not isolated, unload
        EXPECT_EQ(Writes(b.control), Strings{"Command UNLOAD_PROBE_COMMAND"});
        EXPECT_EQ(b.Title(), "Unloading");
        t.Tick(4); // 17, then 18 waits
        EXPECT_EQ(b.Step(), 18);
        EXPECT_EQ(b.LogCount(kUnloading), 1) << "the same instruction with the same probe values";
        b.instrument.Probe(0, 0);
        t.Tick();
        EXPECT_EQ(b.Title(), "Unloaded");
        EXPECT_EQ(b.LogCount(kUnloaded), 1);
        t.Tick(3); // 19, 20 (the source was never opened), 21
        EXPECT_EQ(Writes(b.control), (Strings{"Command UNLOAD_PROBE_COMMAND", "Command LOAD_PROBE_COMMAND"}));
        b.instrument.Probe(3, 0);
        t.Tick(2);
        ASSERT_TRUE(t.Click(kNextStep));
        EXPECT_EQ(t.steps, (Steps{0, 2, 3, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}));
        EXPECT_EQ(b.HostCalls(), (Strings{"GetSourceMode()", "SourceSwapComplete(2)"}));
    }
    {
        SCOPED_TRACE("API cone, host in MALDI mode: confirm API at once");
        Bench b;
        b.instrument.FitApiCone();
        b.Open();
        b.Tick(4);
        EXPECT_EQ(b.Step(), 15);
        EXPECT_EQ(b.Title(), "Confirm API");
    }
    {
        SCOPED_TRACE("no cover: open the source without asking the host");
        Bench b;
        b.instrument.RemoveCover();
        b.Open();
        StepTrace t(b);
        t.Tick(3);
        EXPECT_EQ(t.steps, (Steps{0, 2, 4, 5}));
        EXPECT_TRUE(b.HostCalls().empty());
        EXPECT_EQ(b.Title(), "Open Source");
    }
}

TEST(SourceSwapSequence, PressureCheckLastsThirtyTicks)
{
    Bench b;
    b.Open();
    ASSERT_TRUE(PlaySwap(b, 12, 1));
    b.Tick();
    EXPECT_EQ(b.Step(), 13);
    EXPECT_EQ(b.panel->GetPressureCheckTicks(), 0);
    b.instrument.FitMaldiCap(); // changed during the check: the type is read when it ends
    b.Tick(29);
    EXPECT_EQ(b.Step(), 13);
    EXPECT_EQ(b.panel->GetPressureCheckTicks(), 29);
    b.Tick();
    EXPECT_EQ(b.Step(), 14);
    EXPECT_EQ(b.panel->GetPressureCheckTicks(), 30);
    b.Tick();
    EXPECT_EQ(b.Title(), "Confirm MALDI");
}

TEST(SourceSwapSequence, PrevStepAtFifteenGoesBackToOpeningTheSource)
{
    Bench b;
    b.Open();
    ASSERT_TRUE(PlaySwap(b, 15, 1));
    ASSERT_TRUE(b.Click(kPrevStep));
    EXPECT_EQ(b.Step(), 4);
    EXPECT_FALSE(b.PrevEnabled());
    EXPECT_FALSE(b.NextEnabled());
    b.Tick();
    EXPECT_EQ(b.Title(), "Open Source");
    EXPECT_EQ(b.LogCount(kOpenSource), 2);

    // This time the MALDI cover cap goes on.
    ASSERT_TRUE(PlaySwap(b, 24, 2));
    b.Click(kNextStep);
    EXPECT_EQ(b.HostCalls(), (Strings{"GetSourceMode()", "SourceSwapComplete(2)"}));
}

TEST(SourceSwapSequence, StepButtonsElsewhereAreIgnored)
{
    Bench b;
    b.Open();
    ASSERT_TRUE(PlaySwap(b, 5, 1));
    ASSERT_TRUE(b.Click(kThermometer)); // never disabled, but only steps 0, 15 and 24 take commands
    EXPECT_EQ(b.Step(), 5);
    EXPECT_TRUE(b.control.Writes().empty());
    ASSERT_TRUE(PlaySwap(b, 15, 1));
    ASSERT_TRUE(b.Click(kThermometer)); // at 15 it confirms, as Next Step does
    EXPECT_EQ(b.Step(), 16);
}

TEST(SourceSwapSequence, TakingTheCoverOffFromFifteenToTwentyGoesBackToFittingOne)
{
    for (int step = 15; step <= 20; ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        Bench b;
        OpenDisagreeing(b); // passes 15 to 20 with an unload at 16
        ASSERT_TRUE(PlaySwap(b, step, 2));
        b.instrument.RemoveCover();
        EXPECT_EQ(b.StepAfterTick(), 10);
        EXPECT_EQ(b.StepAfterTick(), 11);
        EXPECT_EQ(b.Title(), "Fit Sample Cover");
        EXPECT_FALSE(b.NextEnabled());
        ASSERT_TRUE(PlaySwap(b, 24, 2));
    }
}

TEST(SourceSwapSequence, OpeningTheSourceAtTwentyOneTwentyTwoOrTwentyFourGoesBackToStepFour)
{
    for (int step : {21, 22, 24}) {
        SCOPED_TRACE("step " + std::to_string(step));
        Bench b;
        OpenDisagreeing(b);
        ASSERT_TRUE(PlaySwap(b, step, 2));
        const size_t writes = b.control.Writes().size();
        b.instrument.OpenSource();
        EXPECT_EQ(b.StepAfterTick(), 4);
        EXPECT_EQ(b.control.Writes().size(), writes) << "no probe command with the source open";
        EXPECT_EQ(b.StepAfterTick(), 5);
        EXPECT_EQ(b.Title(), "Open Source");
        EXPECT_FALSE(b.NextEnabled());
        ASSERT_TRUE(PlaySwap(b, 24, 2));
        b.Click(kNextStep);
        EXPECT_EQ(b.HostCalls().back(), "SourceSwapComplete(2)");
    }
}

TEST(SourceSwapSequence, UnknownStatusSymbolsMakeTheStepWait)
{
    struct Case {
        int step;
        const char* symbol;
        VEXPropertyKind kind;
    };
    for (const Case& c : {Case{2, kCover, VEXPropertyKind::Status}, Case{3, kCover, VEXPropertyKind::Status},
                          Case{5, kFront, VEXPropertyKind::Status}, Case{7, kPrevious, VEXPropertyKind::Status},
                          Case{9, kCover, VEXPropertyKind::Status}, Case{11, kCover, VEXPropertyKind::Status},
                          Case{15, kCover, VEXPropertyKind::Status}}) {
        SCOPED_TRACE(std::string(c.symbol) + " at step " + std::to_string(c.step));
        Bench b;
        b.Open();
        ASSERT_TRUE(PlaySwap(b, c.step, 1));
        const double value = Instrument::Value(c.symbol);
        b.instrument.Probe(0, 0); // step 7 would go on if it read the probe state alone
        if (c.step == 9) b.instrument.RemoveCover();
        b.instrument.Forget(c.symbol);
        b.Tick(10);
        EXPECT_EQ(b.Step(), c.step);
        b.instrument.Restore(c.symbol, c.kind, c.step == 9 ? 0.0 : value);
        ASSERT_TRUE(PlaySwap(b, 24, 1)) << "goes on once the symbol is known again";
    }
}

TEST(SourceSwapSequence, StepsThatGoOnWithoutTheirSymbols)
{
    {
        SCOPED_TRACE("8 and 14 without the cover status show nothing");
        Bench b;
        b.Open();
        ASSERT_TRUE(PlaySwap(b, 8, 1));
        b.instrument.Forget(kCover);
        EXPECT_EQ(b.StepAfterTick(), 9);
        EXPECT_EQ(b.Title(), "Unloading");
        b.instrument.Restore(kCover, VEXPropertyKind::Status, 2);
        ASSERT_TRUE(PlaySwap(b, 14, 1));
        b.instrument.Forget(kCover);
        EXPECT_EQ(b.StepAfterTick(), 15);
        EXPECT_EQ(b.Title(), "Pressure Check");
        EXPECT_FALSE(b.NextEnabled()) << "nothing to confirm";
    }
    {
        SCOPED_TRACE("6 and 21 without their command symbols");
        Bench b;
        b.instrument.Forget("UNLOAD_PROBE_COMMAND");
        b.instrument.Forget("ES_PROBE_MODE_COMMAND");
        b.Open();
        ASSERT_TRUE(PlaySwap(b, 24, 1));
        EXPECT_TRUE(b.control.Writes().empty());
    }
}

TEST(SourceSwapSequence, NullHostWaitsAtTheModeCheckAndClosesWithoutTellingAnyone)
{
    {
        Bench b;
        b.Open(nullptr, &b.control);
        b.Tick(20);
        EXPECT_EQ(b.Step(), 3);
        b.instrument.RemoveCover(); // the cover is read only after the host has answered
        b.Tick(5);
        EXPECT_EQ(b.Step(), 3);
    }
    {
        Bench b;
        b.instrument.RemoveCover();
        b.Open(nullptr, &b.control);
        ASSERT_TRUE(PlaySwap(b, 24, 1));
        ASSERT_TRUE(b.Click(kNextStep));
        EXPECT_FALSE(b.a.IsVisible(b.wnd));
        EXPECT_TRUE(b.host.calls.empty());
    }
}

TEST(SourceSwapSequence, NullControlClientWritesNothingAndTheSwapGoesOn)
{
    Bench b;
    b.instrument.Temperature(90.0);
    b.instrument.Restore(kSetPoint, VEXPropertyKind::Setting, 120.0);
    b.Open(&b.host, nullptr);
    b.Tick();
    ASSERT_TRUE(b.Click(kThermometer));
    EXPECT_EQ(Instrument::Value(kSetPoint), 30.0);
    EXPECT_EQ(b.Step(), 1);
    ASSERT_TRUE(PlaySwap(b, 24, 1));
    b.Click(kNextStep);
    EXPECT_EQ(b.HostCalls(), (Strings{"GetSourceMode()", "SourceSwapComplete(0)"}));
    EXPECT_TRUE(b.control.Writes().empty());
}

TEST(SourceSwapSequence, ClosingTheWindowEndsTheRunWithoutAModeChange)
{
    Bench b;
    b.Open();
    ASSERT_TRUE(PlaySwap(b, 22, 1));
    ASSERT_TRUE(b.a.PressCloseBox(b.wnd));
    EXPECT_FALSE(b.a.IsVisible(b.wnd));
    b.instrument.Probe(8, 5);
    b.Tick(10);
    EXPECT_EQ(b.Step(), 22);
    EXPECT_EQ(b.HostCalls(), Strings{"GetSourceMode()"});
}
