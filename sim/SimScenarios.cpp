// The scenarios of maldi-sim. Sections:
//   1. Control ids of the swap and ESI windows, helpers
//   2. source-swap   MALDI to API with a hot source and the interlock override, and back
//   3. esi-probe     ESI probe jog with an accelerating hold, save and exit
//   4. acquisition   plate acquisition with a reference spot, pause / continue, stop
//   5. crosshair     the laser steered inside a well: a drag with the laser firing leaves marks
//   6. calibration   the plate's spatial calibration: a search run to the end, then one aborted
//   7. The table
#include "sim/SimScenarios.h"

#include <cstdio>
#include <stdexcept>

#include "maldi/boundary/CMaldiAppInterface.h"
#include "maldi/plate/CPlateCalibrationSetupDialog.h"
#include "platform/framework/WindowManager.h"
#include "platform/widgets/CTrackerCtl.h"
#include "sim/SimSession.h"
#include "sim/SimStories.h"


namespace {

// --- 1. Control ids of the swap and ESI windows, helpers ----------------------------------------------

namespace swapids {
constexpr int PrevStep = 14169;
constexpr int Expand = 14167;
constexpr int NextStep = 14101;
constexpr int Indicator = 14195;
constexpr int Gauge = 14103;
constexpr int Log = 37317;
} // namespace swapids

namespace esiids {
constexpr int Home = 14179;
constexpr int Save = 14171;
constexpr int Exit = 14165;
constexpr int In = 14169;
constexpr int Out = 14101;
constexpr int Bar = 14195;
constexpr int Expand = 14181;
constexpr int StepFive = 41589;
constexpr int StepFifty = 41590;
} // namespace esiids

// --- 2. source-swap -----------------------------------------------------------------------------------

void WatchSwap(SimSession& s, HWND swap)
{
    s.Watch("swap", [&s, swap]() -> std::string {
        Automation& ui = s.Ui();
        if (!::IsWindow(swap) || !ui.IsVisible(swap)) return std::string();
        HWND indicator = ui.Find(swap, swapids::Indicator);
        auto [lower, upper] = ui.ProgressRange(indicator);
        (void)lower;
        char text[160];
        std::snprintf(text, sizeof text, "indicator %s %d of %d; Prev Step %s, Next Step %s",
                      Quote(ui.Text(indicator)).c_str(), ui.ProgressPosition(indicator), upper,
                      ButtonState(ui.Find(swap, swapids::PrevStep)), ButtonState(ui.Find(swap, swapids::NextStep)));
        return text;
    });
    // The gauge in steps of 5 degrees, so that cooling does not fill the transcript.
    s.Watch("gauge", [&s, swap]() -> std::string {
        Automation& ui = s.Ui();
        if (!::IsWindow(swap) || !ui.IsVisible(swap)) return std::string();
        int shown = ui.ProgressPosition(ui.Find(swap, swapids::Gauge));
        return "source temperature about " + std::to_string(shown / 5 * 5) + " C";
    });
    s.WatchLog(swap, swapids::Log);
}

// One swap from the current source to the other, the operator following the window.
void RunSwap(SimSession& s, SimOperator::SwapPlan plan, const std::string& shotPrefix)
{
    s.Host().OpenSourceSwap(); // a new run, in the window left from the last one if there is one
    HWND swap = s.Host().SourceSwapWindow();
    Expect(swap != nullptr, "the source swap window could not be created");
    s.StopWatching();
    WatchSwap(s, swap);
    s.Wait(500);
    if (s.Ui().CheckState(s.Ui().Find(swap, swapids::Expand)) != BST_CHECKED) {
        s.Screenshot(swap, shotPrefix + "-contracted");
        s.Operator().Click(swap, swapids::Expand, "the expand button to see the status log");
    }
    s.Wait(1000);
    s.Screenshot(swap, shotPrefix + "-start");
    s.Operator().FollowSourceSwap(swap, plan);
    const char* confirm = plan.coverToFit == SimSourceHardware::kCoverApiCone ? "Confirm API" : "Confirm MALDI";
    const char* ready = plan.coverToFit == SimSourceHardware::kCoverApiCone ? "API Ready" : "MALDI Ready";
    auto titleIs = [&](const char* title) {
        return ::IsWindow(swap) && s.Ui().Text(swap, swapids::Indicator) == CString(title);
    };
    Expect(s.WaitUntil([&] { return titleIs(confirm); }, 240000), std::string("the swap never asked to ") + confirm);
    s.Screenshot(swap, shotPrefix + "-confirm");
    Expect(s.WaitUntil([&] { return titleIs(ready); }, 120000), std::string("the probe never reported ") + ready);
    s.Screenshot(swap, shotPrefix + "-ready");
    Expect(s.WaitUntil([&] { return !s.Ui().IsVisible(swap); }, 30000), "the swap window did not close");
    s.Operator().StopFollowing();
    s.Wait(200);
}

void SourceSwapScenario(SimSession& s)
{
    SimSourceHardware& source = s.Instrument().Source();
    s.Say("the MALDI source has been running hot at 72 C; the host is in MALDI mode and made its source swap "
          "window when it started");
    source.SetTemperature(72.0, 72.0);
    Expect(s.Host().PrepareSourceSwap() != nullptr, "the source swap window could not be created");
    s.Wait(1000);

    s.Say("swap 1: MALDI to API; the operator overrides the interlock after 5 s");
    SimOperator::SwapPlan toApi;
    toApi.coverToFit = SimSourceHardware::kCoverApiCone;
    toApi.overrideAfterMs = 5000;
    RunSwap(s, toApi, "to-api");
    s.Say("host source mode after swap 1: " + s.Host().SourceModeName());

    s.Say("swap 2: API back to MALDI; the source is still above 45 C and the operator waits for it to cool "
          "instead of overriding; he first fits the API cone again by mistake");
    SimOperator::SwapPlan toMaldi;
    toMaldi.coverToFit = SimSourceHardware::kCoverMaldiCap;
    toMaldi.overrideAfterMs = -1;
    toMaldi.wrongCoverFirst = SimSourceHardware::kCoverApiCone;
    RunSwap(s, toMaldi, "to-maldi");
    s.Say("host source mode after swap 2: " + s.Host().SourceModeName());
    s.Wait(3000); // the plate indexes to A1
}

// --- 3. esi-probe -------------------------------------------------------------------------------------

void EsiProbeScenario(SimSession& s)
{
    s.Say("the API source is fitted; the host opens the ESI probe adjust window at the saved position 2000");
    s.Instrument().Source().SetFittedApi();
    s.Host().SetSourceMode(CMaldiAppInterface::SourceModeApi);
    s.Host().OpenEsiProbe(s.Host().SavedEsiPosition(), 50);
    HWND esi = s.Host().EsiProbeWindow();
    Expect(esi != nullptr, "the ESI probe window could not be created");
    Automation& ui = s.Ui();
    s.Watch("esi", [&s, esi]() -> std::string {
        Automation& ui = s.Ui();
        if (!::IsWindow(esi) || !ui.IsVisible(esi)) return std::string();
        char text[160];
        std::snprintf(text, sizeof text, "bar %d; In %s, Out %s, Save %s, Home %s",
                      ui.ProgressPosition(ui.Find(esi, esiids::Bar)), ButtonState(ui.Find(esi, esiids::In)),
                      ButtonState(ui.Find(esi, esiids::Out)), ButtonState(ui.Find(esi, esiids::Save)),
                      ButtonState(ui.Find(esi, esiids::Home)));
        return text;
    });
    // Where the throttle comes to rest, not every position it passes.
    s.Watch("throttle", [&s, settled = std::string()]() mutable -> std::string {
        const SimSourceHardware& source = s.Instrument().Source();
        if (source.Throttle() == source.ThrottleTarget())
            settled = "probe throttle at rest at " + std::to_string(static_cast<int>(source.Throttle()));
        return settled;
    });
    s.Wait(1000);
    s.Screenshot(esi, "contracted");
    s.Operator().Click(esi, esiids::Expand, "the expand button to see the step sizes");
    s.Wait(300);
    s.Operator().Click(esi, esiids::StepFive, "step size 5");
    s.Screenshot(esi, "start");

    s.Say("the operator holds \"Source Out\": steps every 600 ms, then 500, 400 and 300 ms");
    s.Operator().Hold(esi, esiids::Out, "\"Source Out\"");
    s.Wait(6000);
    s.Operator().Release(esi, esiids::Out, "\"Source Out\"");
    s.Screenshot(esi, "after-hold");
    s.Wait(1000);
    s.Operator().Click(esi, esiids::In, "\"Source In\" once");
    s.Wait(1000);
    s.Operator().Click(esi, esiids::Save, "\"Save Position\"");
    s.Wait(1000);

    s.Say("a coarser move with step 50, then Exit without saving: the operator first answers No, then Yes");
    s.Operator().Click(esi, esiids::StepFifty, "step size 50");
    s.Operator().Click(esi, esiids::Out, "\"Source Out\"");
    s.Operator().Click(esi, esiids::Out, "\"Source Out\"");
    s.Wait(1000);
    s.Screenshot(esi, "unsaved");
    s.Operator().AnswerOnce("Exit Without Saving Source Position?", IDNO, "exit-without-saving");
    s.Operator().Click(esi, esiids::Exit, "\"Exit\"");
    s.Wait(1000);
    Expect(ui.IsVisible(esi), "the ESI window closed although the operator answered No");
    s.Operator().AnswerOnce("Exit Without Saving Source Position?", IDYES);
    s.Operator().Click(esi, esiids::Exit, "\"Exit\"");
    Expect(s.WaitUntil([&] { return !::IsWindow(esi) || !ui.IsVisible(esi); }, 3000), "the ESI window did not close");
    s.Wait(1500); // the throttle travels back to the saved position
    s.Say("saved probe position on the host: " + std::to_string(s.Host().SavedEsiPosition()) + ", step size " +
          std::to_string(s.Host().EsiStepSize()));
}

// --- 4. acquisition -----------------------------------------------------------------------------------

namespace acqids {
constexpr int Laser = 14163;
constexpr int Pause = 14170;
constexpr int StopAcquisition = 14166;
constexpr int Previous = 14169;
constexpr int PlateStop = 14177;
constexpr int Next = 14101;
constexpr int Expand = 14181;
constexpr int LockMass = 14183;
constexpr int Progress = 14195;
constexpr int Speed = 37316;
} // namespace acqids

void AcquisitionScenario(SimSession& s)
{
    s.Say("a 96-well plate is loaded; the host opens the acquisition panel");
    s.Host().OpenAcquisitionPanel();
    HWND panel = s.Host().AcquisitionWindow();
    Expect(panel != nullptr, "the acquisition panel could not be created");
    Automation& ui = s.Ui();
    s.Watch("acquire", [&s, panel]() -> std::string {
        Automation& ui = s.Ui();
        if (!::IsWindow(panel) || !ui.IsVisible(panel)) return std::string();
        HWND progress = ui.Find(panel, acqids::Progress);
        auto [lower, upper] = ui.ProgressRange(progress);
        (void)lower;
        auto state = [&](int id) { return std::string(ButtonState(ui.Find(panel, id))); };
        // The bar's text is drawn only in one of its text modes.
        CString shown = (ui.Style(progress) & 0x0300) ? ui.Text(progress) : CString();
        char text[256];
        std::snprintf(text, sizeof text,
                      "bar %s %d of %d; Previous %s, Next %s, Plate Stop %s, Laser %s, Pause %s, Lock Mass %s",
                      Quote(shown).c_str(), ui.ProgressPosition(progress), upper,
                      state(acqids::Previous).c_str(), state(acqids::Next).c_str(), state(acqids::PlateStop).c_str(),
                      state(acqids::Laser).c_str(), state(acqids::Pause).c_str(), state(acqids::LockMass).c_str());
        return text;
    });
    s.Wait(1000);
    s.Screenshot(panel, "contracted");
    s.Operator().Click(panel, acqids::Expand, "the expand button to see the collision energy and the speed");

    s.Say("the host starts a run of five spots, the third on the reference (lock-mass) well, 3 s each");
    Expect(s.Host().StartAcquisition({{1, false}, {2, false}, {1, true}, {3, false}, {4, false}}, 3000, 30.0),
           "the acquisition run did not start");
    SimPlateStage& stage = s.Instrument().Stage();
    Expect(s.WaitUntil([&] { return stage.LastProgress().currentSpot == 1 && !stage.AtLockMass(); }, 20000),
           "the run never reached its second spot");
    s.Wait(1000);
    s.Screenshot(panel, "sample-spot");
    Expect(s.WaitUntil([&] { return stage.LastProgress().reference == 1; }, 20000), "the run never reached the reference spot");
    s.Wait(1000);
    s.Screenshot(panel, "reference-spot");

    s.Say("the operator pauses the acquisition for 4 s, then continues");
    s.Operator().Click(panel, acqids::Pause, "\"Pause Acquisition\"");
    s.Wait(4000);
    s.Screenshot(panel, "paused");
    s.Operator().Click(panel, acqids::Pause, "\"Pause Acquisition\" again to continue");
    Expect(s.WaitUntil([&] { return stage.LastProgress().currentSpot == 3; }, 20000), "the run never reached spot 4");
    s.Wait(500);
    s.Say("the operator slows the plate to speed 2 and skips ahead with \"Next Step\"");
    s.Operator().DragSlider(panel, acqids::Speed, 1, "the speed slider to 2");
    s.Operator().Click(panel, acqids::Next, "\"Next Step\"");
    s.Wait(1500);

    s.Say("the operator stops the acquisition: first he answers No, then Yes");
    s.Operator().AnswerOnce("Really stop the acquisition ?", IDNO, "really-stop");
    s.Operator().Click(panel, acqids::StopAcquisition, "\"Stop Acquisition\"");
    s.Wait(500);
    Expect(stage.Running(), "the run stopped although the operator answered No");
    s.Operator().AnswerOnce("Really stop the acquisition ?", IDYES);
    s.Operator().Click(panel, acqids::StopAcquisition, "\"Stop Acquisition\"");
    Expect(s.WaitUntil([&] { return !ui.IsVisible(panel); }, 3000), "the acquisition panel did not close");
    s.Wait(500);
}

// --- 5. crosshair -------------------------------------------------------------------------------------

namespace crossids {
constexpr int Laser = 14163;
constexpr int Pause = 14170;
constexpr int Expand = 14181;
constexpr int LockMass = 14183;
constexpr int Tracker = 14197;
} // namespace crossids

std::string CrossDescription(HWND tracker)
{
    POINT cross{};
    ::SendMessage(tracker, TRKM_GETVALUE, 0, reinterpret_cast<LPARAM>(&cross));
    auto marks = static_cast<int>(::SendMessage(tracker, TRKM_GETSPOTCOUNT));
    char text[96];
    std::snprintf(text, sizeof text, "cross at (%d, %d), %d laser mark%s", static_cast<int>(cross.x),
                  static_cast<int>(cross.y), marks, marks == 1 ? "" : "s");
    return text;
}

void CrosshairScenario(SimSession& s)
{
    s.Say("a plate with 2.8 mm wells is loaded; the host opens the crosshair acquisition panel");
    s.Host().OpenCrosshairPanel();
    HWND panel = s.Host().CrosshairWindow();
    Expect(panel != nullptr, "the crosshair panel could not be created");
    HWND tracker = s.Ui().Find(panel, crossids::Tracker);
    s.Watch("cross", [&s, panel, tracker]() -> std::string {
        Automation& ui = s.Ui();
        if (!::IsWindow(panel) || !ui.IsVisible(panel)) return std::string();
        return CrossDescription(tracker) + "; Laser " + ButtonState(ui.Find(panel, crossids::Laser)) + ", Pause " +
               ButtonState(ui.Find(panel, crossids::Pause)) + ", Lock Mass " +
               ButtonState(ui.Find(panel, crossids::LockMass));
    });
    s.Wait(1000);
    s.Screenshot(panel, "contracted");
    s.Operator().Click(panel, crossids::Expand, "the expand button to see the collision energy");
    Expect(s.Host().StartCrosshairAcquisition(35.0), "the crosshair run did not start");
    s.Wait(1000);

    s.Say("the operator fires the laser and sweeps it in an arc across the well");
    s.Operator().Click(panel, crossids::Laser, "\"Fire Laser\"");
    s.Wait(500);
    DragCross(s, tracker, {{-40, 30}, {-20, 45}, {0, 50}, {20, 45}, {40, 30}, {50, 0}, {40, -30}},
              "in an arc over the top of the well");
    s.Screenshot(panel, "laser-marks");

    s.Say("laser off; the operator moves the cross back to the centre without firing");
    s.Operator().Click(panel, crossids::Laser, "\"Fire Laser\" again to stop it");
    DragCross(s, tracker, {{20, -20}, {0, 0}}, "back to the centre");
    s.Wait(500);

    s.Say("the operator goes to the lock-mass well: the marks are cleared and the cross centred");
    s.Operator().Click(panel, crossids::LockMass, "\"Lock Mass\"");
    s.Wait(1000);
    s.Screenshot(panel, "lock-mass");

    s.Say("the host ends the run");
    Expect(s.Host().EndCrosshairAcquisition(), "the crosshair run could not be ended");
    Expect(s.WaitUntil([&] { return !s.Ui().IsVisible(panel); }, 3000), "the crosshair panel did not close");
    s.Wait(500);
}

// --- 6. calibration -----------------------------------------------------------------------------------

namespace calibids {
constexpr int Start = 43062;
constexpr int Close = 2;
constexpr int Status = 43063;
constexpr int Expand = 14181;
constexpr int UseInitial = 14141;
constexpr int Hole1List = 37322;
constexpr int Hole2List = 37323;
} // namespace calibids

int ListLines(HWND window, int id)
{
    const std::string text = Automation::Get().Text(window, id).str();
    int lines = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
    return lines;
}

void CalibrationScenario(SimSession& s)
{
    s.Say("the host opens the spatial calibration window with a 5 x 5 search, 0.05 mm apart, 3 s a row");
    Expect(s.Host().OpenCalibration(5, 0.05f, 3000) != nullptr, "the calibration window could not be created");
    HWND window = s.Host().CalibrationWindow();
    s.Watch("calibration", [&s, window]() -> std::string {
        Automation& ui = s.Ui();
        if (!::IsWindow(window) || !ui.IsVisible(window)) return std::string();
        return "status " + Quote(ui.Text(window, calibids::Status)) + "; " + Quote(ui.Text(window, calibids::Start)) +
               " " + ButtonState(ui.Find(window, calibids::Start)) + ", Close " +
               ButtonState(ui.Find(window, calibids::Close)) + "; hole 1 list " +
               std::to_string(ListLines(window, calibids::Hole1List)) + " lines, hole 2 list " +
               std::to_string(ListLines(window, calibids::Hole2List)) + " lines";
    });
    s.Wait(1000);
    s.Screenshot(window, "contracted");
    s.Operator().Click(window, calibids::Expand, "the expand button to see the hit lists");
    s.Operator().Click(window, calibids::UseInitial, "\"Use Calibration Initial Conditions\"");
    s.Operator().Click(window, calibids::Start, "\"Start\"");
    auto ended = [&s, window] {
        const std::string status = s.Ui().Text(window, calibids::Status).str();
        return status.rfind("Calibration complete", 0) == 0 || status.rfind("Calibration failed", 0) == 0;
    };
    Expect(s.WaitUntil(ended, 60000), "the calibration search did not end");
    s.Wait(1000);
    // The lists stand scrolled to their (empty) last line: the operator pages back to read them.
    s.Transcript().Add("oper", "pages both hit lists back to their first lines");
    for (int id : {calibids::Hole1List, calibids::Hole2List})
        for (int page = 0; page < 4; ++page) ::SendMessage(s.Ui().Find(window, id), WM_VSCROLL, SB_PAGEUP, 0);
    s.Wait(100);
    s.Screenshot(window, "complete");

    s.Say("a second search from the calibration just found; the operator gives up on it");
    s.Operator().Click(window, calibids::UseInitial, "\"Use Calibration Initial Conditions\" off again");
    s.Operator().Click(window, calibids::Start, "\"Start\"");
    s.Wait(4000);
    s.Operator().AnswerOnce("Cannot exit while calibration is in progress", IDOK, "cannot-exit");
    s.Transcript().Add("oper", "presses the close box");
    s.Ui().PressCloseBox(window);
    s.Wait(500);
    s.Operator().Click(window, calibids::Start, "\"Abort\"");
    s.Wait(1000);
    s.Screenshot(window, "aborted");
    s.Operator().Click(window, calibids::Close, "\"Close\"");
    Expect(s.WaitUntil([&] { return !s.Ui().IsVisible(window); }, 2000), "the calibration window did not close");
    s.Say("the host destroys the window");
    s.Host().Calibration()->DestroyDlgWindow();
    s.Wait(500);
}

} // namespace

// --- 7. The table -------------------------------------------------------------------------------------

const std::vector<SimScenario>& SimScenarios::All()
{
    static const std::vector<SimScenario> all = {
        {"acquisition", "plate acquisition with a reference spot, pause / continue, stop with confirmation",
         &AcquisitionScenario},
        {"source-swap", "source swap MALDI to API (hot source, interlock override) and back", &SourceSwapScenario},
        {"esi-probe", "ESI probe jog with an accelerating hold, save, exit", &EsiProbeScenario},
        {"crosshair", "the laser steered inside a well with the crosshair: marks while it fires, lock mass clears them",
         &CrosshairScenario},
        {"calibration", "the plate's spatial calibration: a search run to the end, then one aborted",
         &CalibrationScenario},
        {"ms-scan", "MS scan function: a lock-mass acquisition, laser type 3 at 500 Hz, a pattern browsed",
         &MsScanFunctionScenario},
        {"msms-scan", "MS/MS scan function: the tune page's collision energy, then a fixed one",
         &MsMsScanFunctionScenario},
        {"maldi-settings", "both MALDI settings dialogs: the laser frequency goes to the instrument on OK only",
         &MaldiSettingsScenario},
        {"pattern-editor", "a laser pattern drawn with the mouse, undone, saved, asked to save, reopened",
         &PatternEditorScenario},
        {"target-plate", "the target plate edited, saved and reopened; the acquisition panels use it",
         &TargetPlateScenario},
        {"survey", "the survey experiment, every page, records in and out", &SurveyScenario},
        {"msms-switch", "the MS/MS switch experiment: list and profile edited, OK refused until saved, records out",
         &MsMsSwitchScenario},
    };
    return all;
}

const SimScenario* SimScenarios::Find(const std::string& name)
{
    for (const SimScenario& scenario : All())
        if (name == scenario.name) return &scenario;
    return nullptr;
}
