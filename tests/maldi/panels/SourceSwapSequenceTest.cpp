// The source swap sequence, driven tick by tick on the virtual clock against the instrument's
// property table.

#include <tuple>

#include "SourceSwapTestSupport.h"

using namespace swap_test;

namespace {

const std::string kRemoveCone = "Remove the API cone.";
const std::string kRemoveCover = "Remove the MALDI cover cap.";
const std::string kFitCover = "Fit either sample cover. The type will be auto detected.";
const std::string kPressureCheck = "Checking the backing pressure to determine which sample cover is fitted.";
const std::string kConfirmApi =
    "Press Next Step arrow to confirm API mode. Press Prev Step arrow to go back and change cover type.";
const std::string kConfirmMaldi =
    "Press Next Step arrow to confirm MALDI mode. Press Prev Step arrow to go back and change cover type.";
const std::string kCloseSource = "Replace the source front, plumbing and close the side window";
const std::string kLoadingMaldi = "Probe moving to MALDI index position.";
const std::string kApiReady = "Press Next Step arrow to set the software mode and close this window.";
const std::string kMaldiReady = "Press Next Step arrow to set the software mode, and close this window. If swapped "
                                "from API, plate will then index to A1 position.";

} // namespace

TEST(SourceSwapSequence, CompleteSwapsBothWays)
{
    struct Case {
        const char* name;
        int hostMode;
        int oldCover;
        int newCover;
        Strings titles;
        Strings instructions;
        const char* probeCommand;
        const char* complete;
    };
    const Case cases[] = {
        {"MALDI to API", CMaldiAppInterface::SourceModeMaldi, kMaldiCap, kApiCone,
         {"Temperature Ok", "Open Source", "Unloading", "Remove Cover", "Fit Sample Cover", "Pressure Check",
          "Confirm API", "Close Source", "Loading API", "API Ready"},
         {kRemoveCover, kFitCover, kPressureCheck, kConfirmApi, kCloseSource, kLoadingApi, kApiReady},
         "Command ES_PROBE_MODE_COMMAND", "SourceSwapComplete(0)"},
        {"API to MALDI", CMaldiAppInterface::SourceModeApi, kApiCone, kMaldiCap,
         {"Temperature Ok", "Open Source", "Unloading", "Remove Cone", "Fit Sample Cover", "Pressure Check",
          "Confirm MALDI", "Close Source", "Loading MALDI", "MALDI Ready"},
         {kRemoveCone, kFitCover, kPressureCheck, kConfirmMaldi, kCloseSource, kLoadingMaldi, kMaldiReady},
         "Command LOAD_PROBE_COMMAND", "SourceSwapComplete(2)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        b.host.SetSourceMode(c.hostMode);
        b.instrument.FitCover(c.oldCover);
        b.Open(); // a cool source, closed, the probe at MALDI
        EXPECT_EQ(b.StepButtons(), std::pair(false, false));

        ASSERT_TRUE(PlaySwap(b, 11, c.newCover, 3)); // each wait is kept 3 ticks
        EXPECT_EQ(b.StepButtons(), std::pair(false, false)) << "a step button live while the cover is fitted";
        ASSERT_TRUE(PlaySwap(b, 15, c.newCover, 3));
        EXPECT_EQ(b.StepButtons(), std::pair(true, true));
        ASSERT_TRUE(b.Click(kNextStep));
        EXPECT_EQ(b.StepButtons(), std::pair(false, false));
        ASSERT_TRUE(PlaySwap(b, 24, c.newCover, 3));
        EXPECT_EQ(b.StepButtons(), std::pair(false, true));
        EXPECT_EQ(b.HostCalls(), Strings{"GetSourceMode()"});

        ASSERT_TRUE(b.Click(kNextStep));
        EXPECT_EQ(b.HostCalls(), (Strings{"GetSourceMode()", c.complete}));
        EXPECT_FALSE(b.a.IsVisible(b.wnd)) << "the window closes";
        EXPECT_FALSE(b.NextEnabled());
        // The probe is already isolated at 16: one unload only.
        EXPECT_EQ(b.steps, (Steps{0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 19, 20, 21, 22, 23, 24}));
        EXPECT_EQ(b.titles, c.titles);
        EXPECT_EQ(b.Writes(), (Strings{"Command UNLOAD_PROBE_COMMAND", c.probeCommand}));
        EXPECT_TRUE(LogInOrder(b, {"PROBE SWAP", kTemperatureOk, kOpenSource, kUnloading}));
        EXPECT_TRUE(LogInOrder(b, c.instructions));

        // The timer stopped with the window: nothing more happens.
        b.instrument.OpenSource();
        b.Tick(10);
        EXPECT_EQ(b.Step(), 24);
        EXPECT_EQ(b.HostCalls().size(), 2u);
    }
}

TEST(SourceSwapSequence, CoverAgainstSoftwareMode)
{
    {
        SCOPED_TRACE("MALDI cover cap, host in API mode: confirm MALDI at once, unload at 16");
        Bench b;
        b.OpenDisagreeing();
        ASSERT_TRUE(PlaySwap(b, 17, kMaldiCap, 3));
        b.instrument.Probe(4, 1); // on its way out
        ASSERT_TRUE(PlaySwap(b, 24, kMaldiCap, 3));
        ASSERT_TRUE(b.Click(kNextStep));
        EXPECT_EQ(b.steps, (Steps{0, 2, 3, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}));
        EXPECT_EQ(b.titles, (Strings{"Temperature Ok", "Confirm MALDI", "Unloading", "Unloaded", "Close Source",
                                     "Loading MALDI", "MALDI Ready"}));
        EXPECT_EQ(b.LogCount(kUnloading), 2) << "16, and 17 with the probe on its way";
        EXPECT_EQ(b.LogCount(kUnloaded), 1);
        EXPECT_EQ(b.Writes(), (Strings{"Command UNLOAD_PROBE_COMMAND", "Command LOAD_PROBE_COMMAND"}));
        EXPECT_EQ(b.HostCalls(), (Strings{"GetSourceMode()", "SourceSwapComplete(2)"}));
    }
    // The API cone with the host in MALDI mode confirms API at once; with no cover the source is
    // opened without asking the host.
    for (auto [cover, steps, title, calls] : {std::tuple{kApiCone, Steps{0, 2, 3, 14, 15}, "Confirm API", 1u},
                                              {0, Steps{0, 2, 4, 5}, "Open Source", 0u}}) {
        SCOPED_TRACE(title);
        Bench b;
        b.instrument.FitCover(cover);
        b.Open();
        b.Tick(static_cast<int>(steps.size()) - 1);
        EXPECT_EQ(b.steps, steps);
        EXPECT_EQ(b.HostCalls().size(), calls);
        EXPECT_EQ(b.Title(), title);
    }
}

TEST(SourceSwapSequence, ProbeStatesAtTheLastStep)
{
    struct Row {
        int state;
        int subStep;
        const char* title; // "Close Source": nothing new shown
        int mode;
        bool ready;
    };
    for (const Row& r : {Row{1, 3, "Loading MALDI", 0, false}, Row{3, 0, "MALDI Ready", 2, true},
                         Row{3, 2, "Close Source", 0, false}, Row{8, 4, "Loading API", 0, false},
                         Row{8, 5, "API Ready", 0, true}, Row{4, 0, "Close Source", 0, false},
                         Row{0, 0, "Close Source", 0, false}}) {
        SCOPED_TRACE("probe " + std::to_string(r.state) + "," + std::to_string(r.subStep));
        Bench b;
        b.OpenDisagreeing();
        ASSERT_TRUE(PlaySwap(b, 22, kMaldiCap));
        b.instrument.Probe(r.state, r.subStep);
        b.Tick();
        EXPECT_EQ(b.Title(), r.title);
        EXPECT_EQ(b.Step(), r.ready ? 23 : 22);
        EXPECT_EQ(b.panel->GetTargetSourceMode(), r.mode);
        EXPECT_FALSE(b.NextEnabled());
        b.Tick(5);
        EXPECT_EQ(b.Step(), r.ready ? 24 : 22);
        EXPECT_EQ(b.NextEnabled(), r.ready) << "only Next Step, and only when ready";
        EXPECT_FALSE(b.PrevEnabled());
        if (r.state == 8 && !r.ready) {
            EXPECT_EQ(b.LogCount(kLoadingApi), 1) << "shown every tick, logged once";
        }
    }
}

TEST(SourceSwapSequence, InterlockOverride)
{
    struct Case {
        const char* name;
        int button;
        bool knownSetPoint;
        bool client;
    };
    for (const Case& c : {Case{"thermometer", kThermometer, true, true}, Case{"Prev Step", kPrevStep, true, true},
                          Case{"Next Step", kNextStep, true, true},
                          Case{"no control client", kThermometer, true, false},
                          Case{"no set point", kThermometer, false, true}}) {
        SCOPED_TRACE(c.name);
        Bench b;
        b.Open(&b.host, c.client ? &b.control : nullptr);
        // A run closed at step 15 leaves the step buttons enabled into the next run; this one
        // starts with the source hot.
        ASSERT_TRUE(PlaySwap(b, 15, kApiCone));
        ASSERT_TRUE(b.a.PressCloseBox(b.wnd));
        b.instrument.Temperature(60.0);
        b.instrument.Set(kSetPoint, 120.0);
        if (!c.knownSetPoint) b.instrument.Forget(kSetPoint);
        b.panel->SetSourceTemperature();
        b.panel->DisplayWindow();
        EXPECT_EQ(b.panel->GetTemperatureStatus(), CMaldiProbeSwapControlDlg::kTemperatureHot);
        b.Tick(10);
        EXPECT_EQ(b.Step(), 0);
        EXPECT_EQ(b.Title(), "Temperature!");
        EXPECT_EQ(b.LogCount(kTemperatureHot), 1) << "shown every tick, logged once";
        ASSERT_TRUE(b.PrevEnabled());
        b.control.ClearWrites();

        b.instrument.Probe(8, 2); // 3 of 6, were it read
        ASSERT_TRUE(b.Click(c.button));
        if (!c.knownSetPoint) {
            EXPECT_TRUE(b.control.Writes().empty());
            EXPECT_EQ(b.panel->GetTemperatureStatus(), CMaldiProbeSwapControlDlg::kTemperatureHot);
            b.Tick(3);
            EXPECT_EQ(b.Step(), 0);
            continue;
        }
        EXPECT_EQ(b.Writes(), c.client ? Strings{"Setting SOURCE_TEMPERATURE_SETTING = 30"} : Strings{});
        EXPECT_EQ(Instrument::Value(kSetPoint), 30.0) << "the last-transfer value is set at once";
        EXPECT_EQ(b.panel->GetTemperatureStatus(), CMaldiProbeSwapControlDlg::kTemperatureOverridden);
        EXPECT_EQ(b.Step(), 1);
        ASSERT_TRUE(b.Click(kThermometer));
        EXPECT_EQ(b.Step(), 1) << "only step 0 overrides";
        EXPECT_EQ(b.control.Writes().size(), c.client ? 1u : 0u);

        b.Tick();
        EXPECT_EQ(b.Title(), "Temperature!");
        EXPECT_EQ(b.LogCount(kOverridden), 1);
        EXPECT_EQ(b.Indicator(), std::make_pair(1, 1)) << "a full bar; the probe is not read";
        EXPECT_EQ(b.Step(), 2) << "goes on although the source is still hot";
        b.Tick();
        EXPECT_FALSE(b.PrevEnabled()) << "step 2 disables the step buttons";
        EXPECT_FALSE(b.NextEnabled());
        ASSERT_TRUE(PlaySwap(b, 24, kApiCone));
        ASSERT_TRUE(b.Click(kNextStep));
        EXPECT_EQ(b.HostCalls().back(), "SourceSwapComplete(0)");
        if (!c.client) {
            EXPECT_TRUE(b.control.Writes().empty()) << "no command either, and the swap went on";
        }
    }
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

TEST(SourceSwapSequence, PressureCheckLastsThirtyTicks)
{
    // Counted afresh on a second check, after the cover came off again.
    Bench b;
    b.Open();
    ASSERT_TRUE(PlaySwap(b, 15, kApiCone));
    b.instrument.RemoveCover();
    ASSERT_TRUE(PlaySwap(b, 13, kApiCone));
    b.instrument.FitCover(kMaldiCap); // changed during the check: the type is read when it ends
    b.Tick(29);
    EXPECT_EQ(b.Step(), 13);
    EXPECT_EQ(b.panel->GetPressureCheckTicks(), 29);
    EXPECT_EQ(b.StepAfterTick(), 14);
    EXPECT_EQ(b.panel->GetPressureCheckTicks(), 30);
    b.Tick();
    EXPECT_EQ(b.Title(), "Confirm MALDI");
}

TEST(SourceSwapSequence, StepCommandsAtFifteenAndElsewhere)
{
    Bench b;
    b.Open();
    ASSERT_TRUE(PlaySwap(b, 5, kApiCone));
    ASSERT_TRUE(b.Click(kThermometer)); // never disabled, but only steps 0, 15 and 24 take commands
    EXPECT_EQ(b.Step(), 5);
    EXPECT_TRUE(b.control.Writes().empty());

    // Prev Step at 15 goes back to opening the source, to change the cover.
    ASSERT_TRUE(PlaySwap(b, 15, kApiCone));
    ASSERT_TRUE(b.Click(kPrevStep));
    EXPECT_EQ(b.Step(), 4);
    EXPECT_EQ(b.StepButtons(), std::pair(false, false));
    b.Tick();
    EXPECT_EQ(b.LogCount(kOpenSource), 2);

    // This time the MALDI cover cap goes on, confirmed with the thermometer, as Next Step does.
    ASSERT_TRUE(PlaySwap(b, 15, kMaldiCap));
    ASSERT_TRUE(b.Click(kThermometer));
    EXPECT_EQ(b.Step(), 16);
    ASSERT_TRUE(PlaySwap(b, 24, kMaldiCap));
    b.Click(kNextStep);
    EXPECT_EQ(b.HostCalls(), (Strings{"GetSourceMode()", "SourceSwapComplete(2)"}));
}

TEST(SourceSwapSequence, RecoveryPaths)
{
    // Taking the cover off during 15 to 20 goes back to fitting one; opening the source during 21,
    // 22 or 24 goes back to opening it, with no probe command.
    for (int step : {15, 16, 17, 18, 19, 20, 21, 22, 24}) {
        SCOPED_TRACE("step " + std::to_string(step));
        const bool cover = step <= 20;
        Bench b;
        b.OpenDisagreeing(); // passes 15 to 20 with an unload at 16
        ASSERT_TRUE(PlaySwap(b, step, kMaldiCap));
        const size_t writes = b.control.Writes().size();
        if (cover) {
            b.instrument.RemoveCover();
        } else {
            b.instrument.OpenSource();
        }
        EXPECT_EQ(b.StepAfterTick(), cover ? 10 : 4);
        EXPECT_EQ(b.control.Writes().size(), writes);
        EXPECT_EQ(b.StepAfterTick(), cover ? 11 : 5);
        EXPECT_EQ(b.Title(), cover ? "Fit Sample Cover" : "Open Source");
        EXPECT_FALSE(b.NextEnabled());
        ASSERT_TRUE(PlaySwap(b, 24, kMaldiCap));
        b.Click(kNextStep);
        EXPECT_EQ(b.HostCalls().back(), "SourceSwapComplete(2)");
    }
}

TEST(SourceSwapSequence, UnknownSymbols)
{
    // Most steps wait while a status they read is unknown; 8 and 14 go on showing nothing, 6 and
    // 21 go on without writing their command.
    struct Case {
        int step;
        const char* symbol;
        VEXPropertyKind kind;
        int stepAfter; // after ten ticks
        bool shows;
    };
    constexpr auto status = VEXPropertyKind::Status;
    constexpr auto command = VEXPropertyKind::Command;
    for (const Case& c : {Case{2, kCover, status, 2, false}, Case{3, kCover, status, 3, false},
                          Case{5, kFront, status, 5, false}, Case{7, kPrevious, status, 7, false},
                          Case{9, kCover, status, 9, false}, Case{11, kCover, status, 11, false},
                          Case{15, kCover, status, 15, false}, Case{8, kCover, status, 9, false},
                          Case{14, kCover, status, 15, false}, Case{6, "UNLOAD_PROBE_COMMAND", command, 7, true},
                          Case{21, "ES_PROBE_MODE_COMMAND", command, 22, false}}) {
        SCOPED_TRACE(std::string(c.symbol) + " at step " + std::to_string(c.step));
        Bench b;
        b.Open();
        // At 7 the probe is isolated already: the step would go on with the state stored before.
        if (c.step == 7) b.instrument.Probe(0, 0);
        ASSERT_TRUE(PlaySwap(b, c.step, kApiCone));
        const double value = Instrument::Value(c.symbol);
        const CString title = b.Title();
        const size_t writes = b.control.Writes().size();
        if (c.step == 9) b.instrument.RemoveCover();
        b.instrument.Forget(c.symbol);
        b.Tick(10);
        EXPECT_EQ(b.Step(), c.stepAfter);
        EXPECT_EQ(b.Title() != title, c.shows);
        EXPECT_EQ(b.control.Writes().size(), writes);
        b.instrument.Restore(c.symbol, c.kind, c.step == 9 ? 0.0 : value);
        if (c.step == 14) {
            EXPECT_FALSE(b.NextEnabled()) << "nothing to confirm";
        } else {
            ASSERT_TRUE(PlaySwap(b, 24, kApiCone)) << "goes on once the symbol is known again";
        }
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
        ASSERT_TRUE(PlaySwap(b, 24, kApiCone));
        ASSERT_TRUE(b.Click(kNextStep));
        EXPECT_FALSE(b.a.IsVisible(b.wnd));
        EXPECT_TRUE(b.host.calls.empty());
    }
}

TEST(SourceSwapSequence, ClosingTheWindowEndsTheRunWithoutAModeChange)
{
    Bench b;
    b.Open();
    ASSERT_TRUE(PlaySwap(b, 22, kApiCone));
    ASSERT_TRUE(b.a.PressCloseBox(b.wnd));
    EXPECT_FALSE(b.a.IsVisible(b.wnd));
    b.instrument.Probe(8, 5);
    b.Tick(10);
    EXPECT_EQ(b.Step(), 22);
    EXPECT_EQ(b.HostCalls(), Strings{"GetSourceMode()"});
}
